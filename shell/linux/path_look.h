// SPDX-License-Identifier: MIT
#pragma once
// What a path given on the command line, dropped on the window or chosen in a dialog is, looked
// at before a box takes it: the window words what this finds.

#include <sys/types.h>

#include <string>
#include <string_view>

namespace ferrowick {

struct PathLook {
  enum class Kind {
    File,  // a regular file
    Folder,
    Missing,    // nothing there, a link to nothing included
    Special,    // a pipe, a socket, a device: of `mode`'s kind
    Ambiguous,  // a name in it shows U+FFFD, and its folder holds a name that is not UTF-8 and
                // shows the same: such a name cannot pass through a text box, whichever is meant
  } kind = Kind::Missing;
  mode_t mode = 0;
};

// `path` as the window shows it, in UTF-8.
PathLook LookAt(const std::string& path);
// Only whether it is Ambiguous, for a path a dialog gave back.
bool Ambiguous(const std::string& path);

}  // namespace ferrowick
