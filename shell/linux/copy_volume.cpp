// SPDX-License-Identifier: MIT
// What the file system a copy goes to means for it: which names it takes, and how its copies
// reach the device. Read from the mount table, because a FUSE mount's magic number says only
// "FUSE": an sshfs folder on a Linux server takes every Linux name, an NTFS drive does not.
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine_parts.h"

namespace ferrowick {

namespace {

bool OneOf(std::string_view value, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// The mount table escapes blanks and backslashes in paths as \ooo.
std::string Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      out += static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

}  // namespace

Volume VolumeFor(std::string_view type, std::string_view top) {
  Volume volume;
  volume.type = type;
  const bool fuse = type == "fuse" || type.substr(0, 5) == "fuse.";
  const bool network = OneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "ceph", "afs"});
  // The desktops' own SMB clients pass a name on as it is; the kernel's maps the characters
  // Windows forbids to others (mapposix) and refuses what it cannot store.
  if ((type == "fuse.gvfsd-fuse" && top.substr(0, 10) == "smb-share:") ||
      (type == "fuse.kio-fuse" && top == "smb")) {
    volume.names = NameRules::Share;
  } else if (OneOf(type,
                   {"vfat", "msdos", "exfat", "ntfs", "ntfs3", "fuseblk", "fuse.fusefat",
                    "fuse.exfat", "fuse.ntfs-3g", "fuse.lowntfs-3g", "cifs", "smb3", "smbfs"})) {
    volume.names = NameRules::Windows;
  }
  // Behind a FUSE mount that is not a block device, and on a network file system, only a flush
  // of the file goes through to the server, and the server may answer otherwise than asked.
  if (fuse || network) volume.durability = Durability::EachCopy;
  return volume;
}

Volume VolumeOf(int folder) {
  struct stat st {};
  if (::fstat(folder, &st) != 0) return VolumeFor("", "");
  // Where the kernel has the folder now, however the path to it ran.
  char real[PATH_MAX];
  const ssize_t length =
      ::readlink(("/proc/self/fd/" + std::to_string(folder)).c_str(), real, sizeof real - 1);
  const std::string path(real, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
  std::ifstream table("/proc/self/mountinfo");
  std::string line;
  std::string type;
  std::string mountPoint;
  while (std::getline(table, line)) {
    // ID PARENT MAJOR:MINOR ROOT MOUNTPOINT OPTIONS [TAGS...] - TYPE SOURCE SUPEROPTIONS
    std::istringstream fields(line);
    std::string id, parent, device, root, point;
    fields >> id >> parent >> device >> root >> point;
    unsigned major = 0, minor = 0;
    if (std::sscanf(device.c_str(), "%u:%u", &major, &minor) != 2 ||
        ::makedev(major, minor) != st.st_dev) {
      continue;
    }
    const auto dash = line.find(" - ");
    if (dash == std::string::npos) continue;
    point = Unescape(point);
    // Bind mounts show one file system in several places: the one the folder is below wins.
    const bool below = path.compare(0, point.size(), point) == 0 &&
                       (path.size() == point.size() || path[point.size()] == '/' || point == "/");
    if (!type.empty() && !(below && point.size() > mountPoint.size())) continue;
    std::istringstream(line.substr(dash + 3)) >> type;
    mountPoint = below ? point : "";
  }
  std::string_view top;
  if (!mountPoint.empty() && path.size() > mountPoint.size()) {
    top = std::string_view(path).substr(mountPoint.size() + (mountPoint == "/" ? 0 : 1));
    top = top.substr(0, top.find('/'));
  }
  Volume volume = VolumeFor(type, top);
  // Windows' names are at most 255 UTF-16 units whatever the mount says.
  struct statvfs limits {};
  if (volume.names == NameRules::Linux && ::fstatvfs(folder, &limits) == 0 &&
      limits.f_namemax > 0) {
    volume.nameMax = limits.f_namemax;
  }
  return volume;
}

bool NameTooLong(std::string_view name, const Volume& volume) {
  if (volume.names == NameRules::Linux) return name.size() > volume.nameMax;
  std::size_t units = 0;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;  // beyond 0xFFFF: a pair
  }
  return units > volume.nameMax;
}

NameFault NameRefusal(std::string_view name, NameRules rules, int error) {
  NameFault fault;
  fault.rules = rules;
  if (rules == NameRules::Linux) return fault;
  // exFAT through FUSE answers "no such file" for a name it will not make.
  if (error != 0 && error != EINVAL && error != EPERM && error != EILSEQ && error != ENOENT) {
    return fault;
  }
  static constexpr std::string_view kForbidden = "\"*:<>?\\|";
  if (const auto bad = name.find_first_of(kForbidden); bad != std::string_view::npos) {
    fault.what = NameFault::What::Character;
    fault.character = name[bad];
  } else if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
    fault.what = NameFault::What::Ending;
    fault.character = name.back();
  } else if (error == EILSEQ) {
    fault.what = NameFault::What::CharacterSet;
  }
  return fault;
}

}  // namespace ferrowick
