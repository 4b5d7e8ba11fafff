// SPDX-License-Identifier: MIT
#pragma once
// The status box, a read-only edit control whose new lines wait for the next frame and then go
// in at once.

#include <windows.h>

#include <string>

#include "form_logic.h"

namespace ferrowick {

class StatusBox {
 public:
  HWND hwnd = nullptr;
  StatusLog log{u"\r\n"};

  // Takes `box`, a multi-line edit control, for the log.
  void Attach(HWND box);

  // What it shows and what waits.
  std::u16string Lines() const;
  void SetLines(const std::u16string& text);
  // Puts in what waits.
  void Flush();
};

}  // namespace ferrowick
