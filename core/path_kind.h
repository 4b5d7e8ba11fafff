// SPDX-License-Identifier: MIT
#pragma once
// What is at a path a window is handed (on its command line, dropped, chosen in a dialog), as
// its platform reads it: the window decides from this alone whether a box takes the path.

#include <string>

#include "run_host.h"

namespace ferrowick {

struct PathLook {
  enum class Kind {
    File,  // a regular file
    Folder,
    Missing,  // nothing there, a link to nothing included
    Special,  // a pipe, a socket, a device file: of kind `special`
    NotText,  // a name in it holds bytes that are not UTF-8, or shows U+FFFD where its folder
              // holds such a name that shows the same: no text box carries it, whichever is meant
    Device,   // a name Windows reads as the device `device`, in any folder
  } kind = Kind::Missing;
  FileKind special = FileKind::Other;
  std::u16string full;  // the path whole, from its root, as the boxes show it
  std::u16string device;
};

// Defined by each platform's shell. `path` may be relative to the current folder.
PathLook LookAt(const std::u16string& path);

}  // namespace ferrowick
