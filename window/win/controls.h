// SPDX-License-Identifier: MIT
#pragma once
// What the Win32 window needs of the system to draw the design: text in the system's wide
// strings, the monitor's dots per inch, and fonts fitted to a caption.

#include <windows.h>

#include <initializer_list>
#include <string>

namespace ferrowick::controls {

inline const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline std::wstring W(const std::u16string& text) { return {text.begin(), text.end()}; }
inline std::u16string U(const std::wstring& text) { return {text.begin(), text.end()}; }

std::wstring WindowText(HWND hwnd);

// The main window's class, with the program's icon (resource 1).
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HBRUSH background);

// The system's dots per inch: the primary monitor's, where a window starts.
int SystemDpi();
// The dots per inch of the monitor `hwnd` is on.
int WindowDpi(HWND hwnd);

// The largest font of `face`, from `tenthPoints` down, in which `text` fits in `room` pixels.
HFONT Fitted(const wchar_t* face, int tenthPoints, int weight, const wchar_t* text, int room,
             int dpi);

// The work area of the monitor `hwnd` is on; the primary one's as the system keeps it.
bool WorkArea(HWND hwnd, RECT& work);

// An access key that two of `withKey` share moves the focus between them and clicks neither, as
// on the desktop; the dialog manager does not do that everywhere. False where fewer share it.
bool FocusSharingKey(std::initializer_list<HWND> withKey, wchar_t key);

}  // namespace ferrowick::controls
