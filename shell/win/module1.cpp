// SPDX-License-Identifier: MIT
#include "module1.h"

#include <shellapi.h>
#include <shlobj.h>

namespace ferrowick {
namespace {

// The shell takes lists of paths, each ended by a NUL and the list by a second one.
std::wstring PathList(const std::u16string& path) {
  std::wstring list(path.begin(), path.end());
  list.push_back(L'\0');
  return list;  // c_str() adds the second NUL
}

}  // namespace

void Module1::CopyOneFile(const std::u16string& source, const std::u16string& target) {
  const std::wstring from = PathList(source);
  const std::wstring to = PathList(target);
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = nullptr;
  operation.wFunc = FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  operation.fFlags = FOF_SIMPLEPROGRESS;
  SHFileOperationW(&operation);
}

std::optional<std::u16string> Module1::PickDirectory(HWND owner) {
  // Some shells write the display name whether asked or not; give them room.
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW request{};
  request.hwndOwner = owner;
  request.pidlRoot = nullptr;
  request.pszDisplayName = displayName;
  request.lpszTitle = L"Select a target directory";
  request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&request);
  if (item == nullptr) return {};
  // As long as a path can be, so that a folder deep in a tree is not taken for no folder.
  constexpr DWORD kLongest = 32768;
  std::wstring path(kLongest, L'\0');
  std::optional<std::u16string> result;
  // An item without a file-system path (a printer, a network neighbourhood) gives no folder.
  if (SHGetPathFromIDListEx(item, path.data(), kLongest, GPFIDL_DEFAULT)) {
    result.emplace(path.begin(),
                   path.begin() + static_cast<std::ptrdiff_t>(wcsnlen(path.c_str(), kLongest)));
  }
  CoTaskMemFree(item);
  return result;
}

}  // namespace ferrowick
