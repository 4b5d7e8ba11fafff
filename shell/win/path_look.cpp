// SPDX-License-Identifier: MIT
#include "path_look.h"

#include <windows.h>

#include "module1.h"

namespace ferrowick {
namespace {

std::u16string U(const std::wstring& text) { return {text.begin(), text.end()}; }

}  // namespace

std::u16string DeviceOf(const std::wstring& path) {
  const bool full = path.rfind(L"\\\\.\\", 0) == 0;
  const std::u16string device = DeviceName(U(full ? path.substr(4) : path));
  return device.empty() && full ? U(path.substr(4)) : device;
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

Found Look(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  Found found;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return found;
  found.there = true;
  found.attributes = data.dwFileAttributes;
  found.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  found.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  found.modified = data.ftLastWriteTime;
  return found;
}

std::wstring FolderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, slash + 1);
}

PathLook LookAt(const std::u16string& given) {
  PathLook look;
  const std::wstring full = FullPath(std::wstring(given.begin(), given.end()));
  look.full = U(full);
  look.device = DeviceOf(full);
  if (!look.device.empty()) {
    look.kind = PathLook::Kind::Device;
    return look;
  }
  const DWORD attributes = GetFileAttributesW(full.c_str());
  look.kind = attributes == INVALID_FILE_ATTRIBUTES          ? PathLook::Kind::Missing
              : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathLook::Kind::Folder
                                                             : PathLook::Kind::File;
  return look;
}

}  // namespace ferrowick
