// SPDX-License-Identifier: MIT
// What the file system a copy goes to means for it: which names it takes, and how its copies
// reach the device. Read from the mount table, because a FUSE mount's magic number says only
// "FUSE": an sshfs folder on a Linux server takes every Linux name, an NTFS drive does not.
#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

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

// Whether an rclone process that mounts `mountPoint` keeps what is written there to upload later:
// its --vfs-cache-mode, on its command line or in its environment, is writes or full.
bool RcloneCachesWrites(const std::string& mountPoint) {
  DIR* processes = ::opendir("/proc");
  if (processes == nullptr) return false;
  bool caches = false;
  while (const dirent* entry = ::readdir(processes)) {
    if (entry->d_name[0] < '1' || entry->d_name[0] > '9') continue;
    const std::string process = std::string("/proc/") + entry->d_name;
    std::ifstream line(process + "/cmdline", std::ios::binary);
    std::vector<std::string> args;
    for (std::string arg; std::getline(line, arg, '\0');) args.push_back(arg);
    if (args.empty() || engine::NameOf(args[0]) != "rclone" ||
        std::find(args.begin(), args.end(), "mount") == args.end()) {
      continue;
    }
    char cwd[PATH_MAX] = "";
    const ssize_t length = ::readlink((process + "/cwd").c_str(), cwd, sizeof cwd - 1);
    const std::string here(cwd, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
    std::string mode;
    bool mounts = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (arg == "--vfs-cache-mode" && i + 1 < args.size()) mode = args[i + 1];
      if (arg.rfind("--vfs-cache-mode=", 0) == 0) mode = arg.substr(17);
      char real[PATH_MAX];
      const std::string given = arg.empty() || arg[0] == '/' ? arg : here + "/" + arg;
      mounts = mounts || (::realpath(given.c_str(), real) != nullptr && mountPoint == real);
    }
    if (mounts && mode.empty()) {
      std::ifstream environment(process + "/environ", std::ios::binary);
      for (std::string variable; std::getline(environment, variable, '\0');) {
        if (variable.rfind("RCLONE_VFS_CACHE_MODE=", 0) == 0) mode = variable.substr(22);
      }
    }
    caches = caches || (mounts && (mode == "writes" || mode == "full"));
  }
  ::closedir(processes);
  return caches;
}

}  // namespace

bool GvfsStallsAfterRenames() {
  // "gvfs 1.50.3"; a gvfs that cannot say, or none measured to answer, may be one of those.
  static const bool stalls = [] {
    for (const char* daemon : {"/usr/libexec/gvfsd", "/usr/lib/gvfs/gvfsd"}) {
      if (::access(daemon, X_OK) != 0) continue;
      std::FILE* version = ::popen((std::string(daemon) + " --version 2>/dev/null").c_str(), "re");
      if (version == nullptr) continue;
      unsigned major = 0, minor = 0;
      const bool read = std::fscanf(version, "gvfs %u.%u", &major, &minor) == 2;
      ::pclose(version);
      if (read) return kFirstAnsweringGvfs == 0 || (major == 1 && minor < kFirstAnsweringGvfs);
    }
    return true;
  }();
  return stalls;
}

Volume VolumeFor(std::string_view type, std::string_view top, std::string_view source,
                 bool cachesWrites) {
  Volume volume;
  volume.type = type;
  if (type == "fuse" && (source.substr(0, 7) == "http://" || source.substr(0, 8) == "https://")) {
    volume.uploadsLater = "davfs2";
  } else if (type == "fuse.rclone" && cachesWrites) {
    volume.uploadsLater = "rclone";
  }
  // kio-fuse 5.0.1 (Debian 12) gives a file the ctime of the moment it last refreshed it from
  // the server, and then the server's mtime in whole seconds: the first listing of its folder
  // after the file was written (a run's own, at its first copy) moves both, and a rewrite
  // through the mount moves neither until such a refresh.
  if (type == "fuse.kio-fuse") volume.ownTimes = "kio-fuse";
  volume.stallsAfterRenames = type == "fuse.gvfsd-fuse" &&
                              (top.substr(0, 4) == "dav:" || top.substr(0, 5) == "davs:") &&
                              GvfsStallsAfterRenames();
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
  std::string source;
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
    std::istringstream(line.substr(dash + 3)) >> type >> source;
    source = Unescape(source);
    mountPoint = below ? point : "";
  }
  std::string_view top;
  if (!mountPoint.empty() && path.size() > mountPoint.size()) {
    top = std::string_view(path).substr(mountPoint.size() + (mountPoint == "/" ? 0 : 1));
    top = top.substr(0, top.find('/'));
  }
  Volume volume =
      VolumeFor(type, top, source, type == "fuse.rclone" && RcloneCachesWrites(mountPoint));
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
