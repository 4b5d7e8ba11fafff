// SPDX-License-Identifier: MIT
#pragma once
// The design's controls in the pixels of the monitor the window is on, each in the font fitted to
// its place: made once, and laid out afresh when the window moves to a monitor of another scale.

#include <windows.h>

#include <utility>
#include <vector>

#include "form_layout.h"

namespace ferrowick {

class Placer {
 public:
  explicit Placer(int dpi);
  ~Placer();
  Placer(const Placer&) = delete;
  Placer& operator=(const Placer&) = delete;

  int Dpi() const { return dpi_; }
  // The design's twips in the monitor's pixels.
  int Px(int twips) const { return MulDiv(twips, dpi_, 1440); }
  // A line of text, in the monitor's pixels.
  int Line() const { return MulDiv(16, dpi_, 96); }

  // A child of `parent` where `place` puts it, saying `caption`; the Go button's font is bold.
  HWND Make(HWND parent, const layout::Place& place, const wchar_t* caption,
            const wchar_t* windowClass, DWORD style, DWORD exStyle, bool go);
  // Every control placed again, in fonts made for `dpi`.
  void SetDpi(int dpi);

 private:
  void MakeFonts();

  int dpi_;
  HFONT font_ = nullptr;
  HFONT goFont_ = nullptr;
  struct Placed {
    HWND control;
    const layout::Place* place;
    bool go;
  };
  std::vector<Placed> placed_;
};

}  // namespace ferrowick
