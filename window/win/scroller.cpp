// SPDX-License-Identifier: MIT
#include "scroller.h"

#include <algorithm>

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

}  // namespace ferrowick
