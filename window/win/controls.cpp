// SPDX-License-Identifier: MIT
#include "controls.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace ferrowick::controls {

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)), L'\0');
  GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size() + 1));
  return text;
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// Windows before 10 have no such call, and the program must still start there: it is looked up
// rather than linked.
int WindowDpi(HWND hwnd) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const int dpi = getDpi != nullptr ? static_cast<int>(getDpi(hwnd)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

HFONT Fitted(const wchar_t* face, int tenthPoints, int weight, const wchar_t* text, int room,
             int dpi) {
  HDC screen = GetDC(nullptr);
  HFONT font = nullptr;
  for (int size = tenthPoints; size >= 50; size -= 2) {
    if (font != nullptr) DeleteObject(font);
    font = CreateFontW(-MulDiv(size, dpi, 720), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, face);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text, static_cast<int>(wcslen(text)), &extent);
    SelectObject(screen, old);
    if (extent.cx <= room) break;
  }
  ReleaseDC(nullptr, screen);
  return font;
}

bool WorkArea(HWND hwnd, RECT& work) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor) &&
      (monitor.dwFlags & MONITORINFOF_PRIMARY) == 0) {
    work = monitor.rcWork;
    return true;
  }
  return SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) != FALSE;
}

bool FocusSharingKey(std::initializer_list<HWND> withKey, wchar_t key) {
  std::vector<HWND> sharing;
  for (HWND control : withKey) {
    const std::wstring caption = WindowText(control);
    const auto amp = caption.find(L'&');
    if (amp != std::wstring::npos && amp + 1 < caption.size() &&
        std::towupper(caption[amp + 1]) == std::towupper(key)) {
      sharing.push_back(control);
    }
  }
  if (sharing.size() < 2) return false;
  const auto focused = std::find(sharing.begin(), sharing.end(), GetFocus());
  SetFocus(focused == sharing.end() || focused + 1 == sharing.end() ? sharing.front()
                                                                    : *(focused + 1));
  return true;
}

}  // namespace ferrowick::controls
