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

// A kind of folder whose rules differ from a local Linux disk's, known by its mount's type and,
// behind a desktop's one FUSE mount for every server, by the first folder below it (`top`: a
// prefix where it ends in ':', else the whole name) or by what was mounted (`source`'s prefix).
struct FolderKind {
  std::string_view type;  // as the mount table names it; "fuse.*": any other FUSE file system
  std::string_view top;
  std::string_view source;
  NameRules names;
  Durability durability;
  std::string_view uploadsLater;  // the client that keeps a copy to upload it later
  std::string_view ownTimes;      // the client that sets a file's times itself
  enum class Probe { None, RcloneCachesWrites, GvfsStalls } probe = Probe::None;
};

constexpr auto kLocal = Durability::Syncfs;
// Behind a FUSE mount that is not a block device, and on a network file system, only a flush of
// the file goes through to the server, and the server may answer otherwise than asked.
constexpr auto kServer = Durability::EachCopy;
using Probe = FolderKind::Probe;

// The first row that matches is the folder's kind.
constexpr FolderKind kFolderKinds[] = {
    // FAT, exFAT and NTFS drives: names judged by Windows' rules once refused.
    {"vfat", "", "", NameRules::Windows, kLocal, "", ""},
    {"msdos", "", "", NameRules::Windows, kLocal, "", ""},
    {"exfat", "", "", NameRules::Windows, kLocal, "", ""},
    {"ntfs", "", "", NameRules::Windows, kLocal, "", ""},
    {"ntfs3", "", "", NameRules::Windows, kLocal, "", ""},
    {"fuseblk", "", "", NameRules::Windows, kLocal, "", ""},  // ntfs-3g, exfat-fuse
    {"fuse.fusefat", "", "", NameRules::Windows, kServer, "", ""},
    {"fuse.exfat", "", "", NameRules::Windows, kServer, "", ""},
    {"fuse.ntfs-3g", "", "", NameRules::Windows, kServer, "", ""},
    {"fuse.lowntfs-3g", "", "", NameRules::Windows, kServer, "", ""},
    // The kernel's SMB client maps the characters Windows forbids to others (mapposix) and
    // refuses what it cannot store.
    {"cifs", "", "", NameRules::Windows, kServer, "", ""},
    {"smb3", "", "", NameRules::Windows, kServer, "", ""},
    {"smbfs", "", "", NameRules::Windows, kServer, "", ""},
    {"nfs", "", "", NameRules::Linux, kServer, "", ""},
    {"nfs4", "", "", NameRules::Linux, kServer, "", ""},
    {"9p", "", "", NameRules::Linux, kServer, "", ""},
    {"ceph", "", "", NameRules::Linux, kServer, "", ""},
    {"afs", "", "", NameRules::Linux, kServer, "", ""},
    // The desktops' own SMB clients pass a name on as it is.
    {"fuse.gvfsd-fuse", "smb-share:", "", NameRules::Share, kServer, "", ""},
    // GNOME's WebDAV folders stop answering after about 30 renamed files (gvfs 1.50, Debian 12:
    // the 31st rename waits until the user logs out, and every program using the folder with it).
    {"fuse.gvfsd-fuse", "dav:", "", NameRules::Linux, kServer, "", "", Probe::GvfsStalls},
    {"fuse.gvfsd-fuse", "davs:", "", NameRules::Linux, kServer, "", "", Probe::GvfsStalls},
    // kio-fuse 5.0.1 (Debian 12) gives a file the ctime of the moment it last refreshed it from
    // the server, and then the server's mtime in whole seconds: the first listing of its folder
    // after the file was written (a run's own, at its first copy) moves both, and a rewrite
    // through the mount moves neither until such a refresh.
    {"fuse.kio-fuse", "smb", "", NameRules::Share, kServer, "", "kio-fuse"},
    {"fuse.kio-fuse", "", "", NameRules::Linux, kServer, "", "kio-fuse"},
    // davfs2 mounts the server's address as plain "fuse", and keeps a closed file in its cache
    // to upload later, whatever a flush says; so does rclone with its write cache.
    {"fuse", "", "http://", NameRules::Linux, kServer, "davfs2", ""},
    {"fuse", "", "https://", NameRules::Linux, kServer, "davfs2", ""},
    {"fuse.rclone", "", "", NameRules::Linux, kServer, "rclone", "", Probe::RcloneCachesWrites},
    {"fuse", "", "", NameRules::Linux, kServer, "", ""},
    {"fuse.*", "", "", NameRules::Linux, kServer, "", ""},
};

// The first gvfs 1.x measured to answer the 32nd rename; 0 while none has been, and every
// version is taken to stall.
constexpr unsigned kFirstAnsweringGvfs = 0;

bool Matches(const FolderKind& kind, std::string_view type, std::string_view top,
             std::string_view source) {
  const bool typed = kind.type == type || (kind.type == "fuse.*" && type.substr(0, 5) == "fuse.");
  const bool topped = kind.top.empty() || kind.top == top ||
                      (kind.top.back() == ':' && top.substr(0, kind.top.size()) == kind.top);
  return typed && topped && source.substr(0, kind.source.size()) == kind.source;
}

// What this computer's gvfs says of its version, asked once.
std::string SystemGvfsVersion() {
  static const std::string version = [] {
    for (const char* daemon : {"/usr/libexec/gvfsd", "/usr/lib/gvfs/gvfsd"}) {
      if (::access(daemon, X_OK) != 0) continue;
      std::FILE* pipe = ::popen((std::string(daemon) + " --version 2>/dev/null").c_str(), "re");
      if (pipe == nullptr) continue;
      char line[128] = "";
      const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
      ::pclose(pipe);
      if (read) return std::string(line);
    }
    return std::string();
  }();
  return version;
}

}  // namespace

const FolderProbes& FolderProbes::System() {
  static const FolderProbes probes{
      [](const std::string& mountPoint) { return RcloneCachesWrites(mountPoint); },
      SystemGvfsVersion};
  return probes;
}

bool RcloneCachesWrites(const std::string& mountPoint, const std::string& proc) {
  DIR* processes = ::opendir(proc.c_str());
  if (processes == nullptr) return false;
  bool caches = false;
  while (const dirent* entry = ::readdir(processes)) {
    if (entry->d_name[0] < '1' || entry->d_name[0] > '9') continue;
    const std::string process = proc + "/" + entry->d_name;
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

bool GvfsStallsAfterRenames(std::string_view version) {
  unsigned major = 0, minor = 0;
  // A gvfs that cannot say may be one of those.
  if (std::sscanf(std::string(version).c_str(), "gvfs %u.%u", &major, &minor) != 2) return true;
  return kFirstAnsweringGvfs == 0 || (major == 1 && minor < kFirstAnsweringGvfs);
}

Volume VolumeFor(std::string_view type, std::string_view top, std::string_view source,
                 const std::string& mountPoint, const FolderProbes& probes) {
  Volume volume;
  volume.type = type;
  for (const FolderKind& kind : kFolderKinds) {
    if (!Matches(kind, type, top, source)) continue;
    volume.names = kind.names;
    volume.durability = kind.durability;
    volume.ownTimes = kind.ownTimes;
    const bool later =
        kind.probe != Probe::RcloneCachesWrites || probes.rcloneCachesWrites(mountPoint);
    if (later) volume.uploadsLater = kind.uploadsLater;
    volume.stallsAfterRenames =
        kind.probe == Probe::GvfsStalls && GvfsStallsAfterRenames(probes.gvfsVersion());
    break;
  }
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
  Volume volume = VolumeFor(type, top, source, mountPoint);
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
