// SPDX-License-Identifier: MIT
#include "placer.h"

#include "controls.h"
#include "utf.h"

namespace ferrowick {

Placer::Placer(int dpi) : dpi_(dpi) {}

Placer::~Placer() {
  DeleteObject(font_);
  DeleteObject(goFont_);
}

void Placer::MakeFonts() {
  // The English captions decide, in every language: a translation fits the places as they are.
  const std::wstring widest = controls::W(FromUtf8(layout::kWidestOneLine.caption));
  font_ = controls::Fitted(L"MS Sans Serif", 80, FW_NORMAL, widest.c_str(),
                           Px(layout::kWidestOneLine.width) - 4, dpi_);
  goFont_ = controls::Fitted(L"MS Sans Serif", 83, FW_BOLD, L"Duplicate File",
                             Px(layout::cmdGo.width) - 12, dpi_);
}

HWND Placer::Make(HWND parent, const layout::Place& place, const wchar_t* caption,
                  const wchar_t* windowClass, DWORD style, DWORD exStyle, bool go) {
  if (font_ == nullptr) MakeFonts();
  HWND control = CreateWindowExW(exStyle, windowClass, caption, WS_CHILD | WS_VISIBLE | style,
                                 Px(place.left), Px(place.top), Px(place.width), Px(place.height),
                                 parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(go ? goFont_ : font_), FALSE);
  placed_.push_back({control, &place, go});
  return control;
}

void Placer::SetDpi(int dpi) {
  dpi_ = dpi;
  const HFONT oldFont = font_;
  const HFONT oldGoFont = goFont_;
  MakeFonts();
  for (const Placed& placed : placed_) {
    const layout::Place& place = *placed.place;
    SetWindowPos(placed.control, nullptr, Px(place.left), Px(place.top), Px(place.width),
                 Px(place.height), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(placed.go ? goFont_ : font_),
                 TRUE);
  }
  DeleteObject(oldFont);
  DeleteObject(oldGoFont);
}

}  // namespace ferrowick
