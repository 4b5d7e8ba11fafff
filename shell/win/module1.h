// SPDX-License-Identifier: MIT
#pragma once
// The shell routines on Windows: the platform shell copies the file and browses for the folder.

#include <windows.h>

#include <optional>
#include <string>

#include "window_services.h"

namespace ferrowick {

class Module1 : public FileCopier {
 public:
  // The shell's own dialogs show progress, ask before replacing or creating a folder, and report
  // errors; the run goes on with the next copy whatever happened.
  void CopyOneFile(const std::u16string& source, const std::u16string& target) override;
  // The folder browser, owned by `owner`; "" when the user cancels, nothing when the chosen
  // item has no file-system path.
  static std::optional<std::u16string> PickDirectory(HWND owner);
};

}  // namespace ferrowick
