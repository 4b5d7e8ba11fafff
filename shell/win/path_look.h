// SPDX-License-Identifier: MIT
#pragma once
// What is at a path, as Windows reads it: for the window (LookAt), and for the copies.

#include <windows.h>

#include <cstdint>
#include <string>

#include "path_kind.h"

namespace ferrowick {

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
