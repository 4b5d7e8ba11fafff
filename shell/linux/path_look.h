// SPDX-License-Identifier: MIT
#pragma once
// What a path given on the command line, dropped on the window or chosen in a dialog is, looked
// at before a box takes it: the window words what this finds.

#include <string>
#include <string_view>

#include "path_kind.h"

namespace ferrowick {

// What LookAt says, as the file system's bytes see it: `path` as given.
PathLook LookAtBytes(const std::string& path);
// Only whether it is Ambiguous, for a path a dialog gave back.
bool Ambiguous(const std::string& path);

}  // namespace ferrowick
