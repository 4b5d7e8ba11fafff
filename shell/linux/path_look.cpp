// SPDX-License-Identifier: MIT
#include "path_look.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

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

namespace {

// The path from the root, as the boxes show it: "." and ".." and doubled separators taken out as
// the text reads, not as links lead.
std::string Whole(const std::string& path) {
  std::string given = path;
  if (given.empty() || given[0] != '/') {
    char here[4096];
    if (::getcwd(here, sizeof here) != nullptr) given = std::string(here) + "/" + given;
  }
  std::vector<std::string_view> parts;
  for (std::size_t at = 0; at < given.size();) {
    const std::size_t end = std::min(given.find('/', at), given.size());
    const std::string_view part = std::string_view(given).substr(at, end - at);
    at = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string whole;
  for (const std::string_view part : parts) {
    whole += '/';
    whole += part;
  }
  return whole.empty() ? "/" : whole;
}

FileKind KindOf(mode_t mode) {
  return S_ISDIR(mode)    ? FileKind::Folder
         : S_ISFIFO(mode) ? FileKind::Fifo
         : S_ISSOCK(mode) ? FileKind::Socket
         : S_ISCHR(mode)  ? FileKind::CharacterDevice
         : S_ISBLK(mode)  ? FileKind::BlockDevice
                          : FileKind::Other;
}

}  // namespace

PathLook LookAtBytes(const std::string& path) {
  PathLook look;
  const std::string whole = Whole(path);
  look.full = FromBytes(whole);
  if (!IsUtf8(whole) || Ambiguous(whole)) {
    look.kind = PathLook::Kind::NotText;
    return look;
  }
  struct stat st {};
  if (::stat(whole.c_str(), &st) != 0) return look;
  look.kind = S_ISDIR(st.st_mode)   ? PathLook::Kind::Folder
              : S_ISREG(st.st_mode) ? PathLook::Kind::File
                                    : PathLook::Kind::Special;
  if (look.kind == PathLook::Kind::Special) look.special = KindOf(st.st_mode);
  return look;
}

PathLook LookAt(const std::u16string& path) { return LookAtBytes(ToBytes(path)); }

}  // namespace ferrowick
