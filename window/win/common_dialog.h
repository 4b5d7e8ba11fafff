// SPDX-License-Identifier: MIT
#pragma once
// The file-open dialog, with the three members the window uses.

#include <windows.h>

#include <string>

namespace ferrowick {

class CommonDialog {
 public:
  std::u16string DialogTitle;
  // Keeps its last value when the user cancels.
  std::u16string FileName;
  void ShowOpen(HWND owner);
};

}  // namespace ferrowick
