// SPDX-License-Identifier: MIT
#include "status_box.h"

#include "controls.h"

namespace ferrowick {

using controls::U;
using controls::W;

namespace {

WNDPROC editProc = nullptr;

// The status box is read-only: Tab, Enter and Escape belong to the dialog manager, which a
// multi-line box would otherwise claim, trapping Tab in it.
LRESULT CALLBACK StatusBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(editProc, hwnd, message, wParam, lParam);
  if (message == WM_GETDLGCODE) return result & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
  return result;
}

}  // namespace

void StatusBox::Attach(HWND box) {
  hwnd = box;
  // A multi-line box holds about 32 000 characters unless told otherwise; a long run's log is
  // far longer.
  SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
  editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StatusBoxProc)));
}

std::u16string StatusBox::Lines() const { return U(controls::WindowText(hwnd)) + log.Pending(); }

void StatusBox::SetLines(const std::u16string& text) {
  log.Clear();
  SetWindowTextW(hwnd, W(text).c_str());
}

void StatusBox::Flush() {
  if (log.Pending().empty()) return;
  // Appending at the end moves the caret and the view there; both go back to where they were,
  // as if the whole text had been replaced.
  DWORD selStart = 0;
  DWORD selEnd = 0;
  SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
               reinterpret_cast<LPARAM>(&selEnd));
  const auto firstLine = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  const int end = GetWindowTextLengthW(hwnd);
  SendMessageW(hwnd, EM_SETSEL, end, end);
  const std::wstring lines = W(log.Take());
  SendMessageW(hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lines.c_str()));
  SendMessageW(hwnd, EM_SETSEL, selStart, selEnd);
  const auto nowFirst = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(hwnd, EM_LINESCROLL, 0, firstLine - nowFirst);
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

}  // namespace ferrowick
