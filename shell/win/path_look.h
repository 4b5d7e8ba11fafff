// SPDX-License-Identifier: MIT
#pragma once
// What is at a path the window is handed (on its command line, dropped, chosen), as Windows
// reads it.

#include <string>

namespace ferrowick {

struct PathLook {
  enum class Kind { File, Folder, Missing, Device } kind = Kind::Missing;
  std::wstring full;      // the path's full form, as the boxes show it
  std::u16string device;  // Device: the one Windows reads the path as
};

PathLook LookAt(const std::wstring& given);

// The device Windows reads `path` as, or "": a device's name, in any folder and with any
// extension, whose full form the system writes as \\.\NAME.
std::u16string DeviceOf(const std::wstring& path);

}  // namespace ferrowick
