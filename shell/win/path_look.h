// SPDX-License-Identifier: MIT
#pragma once
// What is at a path the window is handed (on its command line, dropped, chosen), as Windows
// reads it.

#include <windows.h>

#include <cstdint>
#include <string>

namespace ferrowick {

struct PathLook {
  enum class Kind { File, Folder, Missing, Device } kind = Kind::Missing;
  std::wstring full;      // the path's full form, as the boxes show it
  std::u16string device;  // Device: the one Windows reads the path as
};

PathLook LookAt(const std::wstring& given);

// What the system says of a path now, as one call tells it.
struct Found {
  bool there = false;
  bool folder = false;
  DWORD attributes = 0;
  std::uint64_t size = 0;
  FILETIME modified{};
};
Found Look(const std::wstring& path);
// The folder part of a path, with its separator; ".\" for a bare name.
std::wstring FolderOf(const std::wstring& path);
// The full form of `path`; `path` itself where the system gives none.
std::wstring FullPath(const std::wstring& path);

// The device Windows reads `path` as, or "": a device's name, in any folder and with any
// extension, whose full form the system writes as \\.\NAME.
std::u16string DeviceOf(const std::wstring& path);

}  // namespace ferrowick
