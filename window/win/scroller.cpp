// SPDX-License-Identifier: MIT
#include "scroller.h"

#include <algorithm>

#include "controls.h"
#include "placer.h"

namespace ferrowick {

void Scroller::SetRange(int range, int page) {
  range_ = range;
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  scroll.nMax = range_ > 0 ? range_ - 1 : 0;
  scroll.nPage = static_cast<UINT>(page);
  SetScrollInfo(window_, SB_VERT, &scroll, TRUE);
}

void Scroller::To(int top) {
  RECT client{};
  GetClientRect(window_, &client);
  top = std::clamp(top, 0, std::max(0, range_ - static_cast<int>(client.bottom)));
  if (top == scrolled_) return;
  ScrollWindowEx(window_, 0, scrolled_ - top, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  scrolled_ = top;
  SetScrollPos(window_, SB_VERT, top, TRUE);
}

void Scroller::OnScroll(WPARAM wParam, int line) {
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL;
  GetScrollInfo(window_, SB_VERT, &scroll);
  const int page = static_cast<int>(scroll.nPage);
  switch (LOWORD(wParam)) {
    case SB_LINEUP:
      return To(scrolled_ - line);
    case SB_LINEDOWN:
      return To(scrolled_ + line);
    case SB_PAGEUP:
      return To(scrolled_ - page);
    case SB_PAGEDOWN:
      return To(scrolled_ + page);
    case SB_TOP:
      return To(0);
    case SB_BOTTOM:
      return To(range_);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return To(scroll.nTrackPos);
    default:
      break;
  }
}

bool Scroller::OnWheel(int delta, int line) {
  if (range_ == 0) return false;
  To(scrolled_ - MulDiv(delta, 3 * line, WHEEL_DELTA));
  return true;
}

void Scroller::IntoView(HWND control) {
  if (range_ == 0 || control == nullptr || !IsChild(window_, control)) return;
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
  RECT client{};
  GetClientRect(window_, &client);
  if (rect.top < 0) {
    To(scrolled_ + rect.top);
  } else if (rect.bottom > client.bottom) {
    To(scrolled_ + std::min<int>(rect.bottom - client.bottom, rect.top));
  }
}

void FitToWorkArea(HWND window, HWND status, Scroller& scroller, const Placer& placer) {
  RECT work{};
  if (!controls::WorkArea(window, work)) return;
  scroller.To(0);
  // The frame as the window has it: what the system says a frame would take need not be what
  // it gave (under wine in a fresh root, 40 pixels of title bar where it reported under 30).
  RECT bounds{};
  RECT client{};
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  const int frameHeight = (bounds.bottom - bounds.top) - client.bottom;
  const int frameWidth = (bounds.right - bounds.left) - client.right -
                         (scroller.Range() > 0 ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  // Two lines of the log and its scroll bar stay in view, however small the screen.
  const int keep = 2 * placer.Line() + GetSystemMetrics(SM_CYHSCROLL) + 4;
  const layout::Fit fit =
      layout::FitIn(placer.Px(layout::kClientHeight), frameHeight, work.bottom - work.top,
                    placer.Px(layout::txtStatus.height), keep, MulDiv(120, placer.Dpi(), 96));
  SetWindowPos(status, nullptr, 0, 0, placer.Px(layout::txtStatus.width), fit.status,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Below that the controls scroll, beside a scroll bar of the window's own.
  scroller.SetRange(fit.shown < fit.client ? fit.client : 0, fit.shown);
  const int bar = scroller.Range() > 0 ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  // Its height comes from the design: the system may already have cut it to the screen. Where
  // the system put it, it may still reach past the bottom of the work area (wine places a new
  // window 40 pixels down): then it moves up, to the top of the work area at most.
  const int height = fit.shown + frameHeight;
  const int top = std::max<int>(work.top, std::min<int>(bounds.top, work.bottom - height));
  SetWindowPos(window, nullptr, bounds.left, top,
               placer.Px(layout::kClientWidth) + bar + frameWidth, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ferrowick
