// SPDX-License-Identifier: MIT
#include "path_look.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "utf.h"

namespace ferrowick {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// A name as a text box shows it: each byte that is not part of UTF-8 as U+FFFD.
std::u16string Shown(std::string_view bytes) {
  std::u16string text = FromBytes(bytes);
  for (char16_t& c : text) {
    if (c >= 0xDC80 && c <= 0xDCFF) c = 0xFFFD;
  }
  return text;
}

}  // namespace

bool Ambiguous(const std::string& path) {
  if (path.find(kReplacement) == std::string::npos) return false;
  std::string folder = path[0] == '/' ? "/" : ".";
  for (std::size_t at = 0; at <= path.size();) {
    const std::size_t end = std::min(path.find('/', at), path.size());
    const std::string_view part = std::string_view(path).substr(at, end - at);
    at = end + 1;
    if (part.empty() || part == ".") continue;
    if (part.find(kReplacement) != std::string_view::npos) {
      if (DIR* listing = ::opendir(folder.c_str())) {
        bool twin = false;
        const std::u16string shown = FromBytes(part);
        while (const dirent* entry = ::readdir(listing)) {
          twin = twin || (!IsUtf8(entry->d_name) && Shown(entry->d_name) == shown);
        }
        ::closedir(listing);
        if (twin) return true;
      }
    }
    folder = (folder == "/" ? "" : folder) + "/" + std::string(part);
  }
  return false;
}

PathLook LookAt(const std::string& path) {
  if (Ambiguous(path)) return {PathLook::Kind::Ambiguous, 0};
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {PathLook::Kind::Missing, 0};
  if (S_ISDIR(st.st_mode)) return {PathLook::Kind::Folder, st.st_mode};
  if (!S_ISREG(st.st_mode)) return {PathLook::Kind::Special, st.st_mode};
  return {PathLook::Kind::File, st.st_mode};
}

}  // namespace ferrowick
