// SPDX-License-Identifier: MIT
#pragma once
// What the file system a copy goes to means for the copy: which names it takes, and how its
// copies reach the device.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "run_host.h"

namespace ferrowick {

// How a file system's copies reach its device: by what a flush there reaches. The engine's
// flushes (copy_durability.cpp) follow it, and so does the look-up of a copy's name once given.
enum class Durability {
  // A kernel file system: a large copy's chunks are started for the device as they go, a
  // replacement is flushed before it takes its name, and one syncfs per file system ends the run.
  Syncfs,
  // FUSE and network file systems: syncfs and write-back reach at most this computer's cache,
  // and the server decides where a name leads. Every copy is flushed before it takes its name,
  // the name is looked up once given, and the run ends with a flush of its last copy per folder.
  EachCopy,
};

// The file system a folder is on, as far as copying into it goes.
struct Volume {
  std::string type;  // as the mount table names it: "ext4", "fuse.sshfs", "fuseblk", ...
  NameRules names = NameRules::Linux;
  Durability durability = Durability::Syncfs;
  // The longest name it takes, in bytes where names are Linux's, else in UTF-16 units.
  std::size_t nameMax = 255;
  // The client that keeps a closed file on this computer and uploads it to the server later,
  // whatever a flush says ("davfs2", "rclone"), or "".
  std::string uploadsLater;
  // A folder that stops answering after a few dozen renamed files (the table in
  // copy_volume.cpp says which and why).
  bool stallsAfterRenames = false;
  // The client that sets a file's times there from its own cache rather than from the file's
  // changes ("kio-fuse"), or "": a change that keeps a file's size cannot be seen there.
  std::string ownTimes;
};

// A network server's own answer to a name longer than it takes may not say so (sshfs: "Bad
// message", gvfs: "Invalid argument"), so such a name is refused before anything is written.
bool NameTooLong(std::string_view name, const Volume& volume);

// What tells folder kinds apart beyond the mount table, asked only of the kinds that need it;
// handed in, so that tests can answer for the system.
struct FolderProbes {
  // Whether the rclone process that mounts `mountPoint` keeps what is written there to upload
  // later.
  std::function<bool(const std::string& mountPoint)> rcloneCachesWrites;
  // What this computer's gvfs says its version is ("gvfs 1.50.3"), or "".
  std::function<std::string()> gvfsVersion;
  // The answers of this computer, its processes and its programs.
  static const FolderProbes& System();
};

// Whether an rclone process below `proc` (a /proc) that mounts `mountPoint` caches writes: its
// --vfs-cache-mode, on its command line or in its environment, is writes or full.
bool RcloneCachesWrites(const std::string& mountPoint, const std::string& proc = "/proc");
// Whether a gvfs of `version` ("gvfs 1.50.3", or "" where it cannot say) stalls after renames.
bool GvfsStallsAfterRenames(std::string_view version);

// The policy for a type of file system, from the table of folder kinds. `top` is the first
// folder below the mount point, which tells the kind of server behind a desktop's one FUSE mount
// for all of them (gvfs, kio-fuse); `source` is what the mount table says was mounted (davfs2:
// the server's address); `mountPoint` where, for the probes.
Volume VolumeFor(std::string_view type, std::string_view top, std::string_view source = {},
                 const std::string& mountPoint = {},
                 const FolderProbes& probes = FolderProbes::System());

// The file system of the folder open as `folder`, from /proc/self/mountinfo.
Volume VolumeOf(int folder);

// What of a file system's rules the copy's own name `name` (never a folder above it) broke;
// What::None where the name looks fine there and the error has another cause. `error` 0 asks
// before anything is written.
NameFault NameRefusal(std::string_view name, NameRules rules, int error);

}  // namespace ferrowick
