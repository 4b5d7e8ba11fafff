// SPDX-License-Identifier: MIT
#pragma once
// The window's own scroll bar, where the work area is too low for even the shortest design: the
// controls scroll beside it, and the focused one is kept in view.

#include <windows.h>

namespace ferrowick {

class Scroller {
 public:
  explicit Scroller(HWND& window) : window_(window) {}

  // The controls' area, `range` pixels high, in a client area `page` high; 0 where it fits.
  void SetRange(int range, int page);
  int Range() const { return range_; }
  // Scrolls the controls to `top` pixels from the top of their area, or as near as they go.
  void To(int top);
  // WM_VSCROLL, with a line `line` pixels high.
  void OnScroll(WPARAM wParam, int line);
  // WM_MOUSEWHEEL's `delta`; false where nothing scrolls.
  bool OnWheel(int delta, int line);
  // Tab or an access key moved the focus to a control the scrolled window does not show.
  void IntoView(HWND control);

 private:
  HWND& window_;
  int scrolled_ = 0;  // how far the controls are scrolled up, in pixels
  int range_ = 0;
};

class Placer;

// Shortens `status`, and `window` with it, where the work area is lower than both; below two
// lines of the log the controls scroll beside `scroller` in a window the work area holds.
void FitToWorkArea(HWND window, HWND status, Scroller& scroller, const Placer& placer);

}  // namespace ferrowick
