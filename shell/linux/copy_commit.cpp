// SPDX-License-Identifier: MIT
// How a whole copy takes its name, never clobbering; how what a failed or killed copy left is
// removed; and how a run's copies reach the device.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

#include "engine_parts.h"

namespace ferrowick {

using namespace engine;

// fdatasync of the copy, through its descriptor or, once a named temporary is closed, its name.
int CopyEngine::SyncData(const Job& job, int out) {
  if (out >= 0) return Sys(Call::SyncData, [&] { return ::fdatasync(out); });
  const Fd named(::open(job.temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  if (named.get() < 0) return -1;
  return Sys(Call::SyncData, [&] { return ::fdatasync(named.get()); });
}

// Remembers the file system of the copy's folder for MakeDurable, with a descriptor on it.
void CopyEngine::NoteTarget(const Job& job, int out) {
  if (job.folder == notedFolder_) return;
  notedFolder_ = job.folder;
  struct stat st {};
  if (::fstat(out, &st) != 0) st.st_dev = 0;
  for (const Target& target : targets_) {
    if (target.device == st.st_dev) return;
  }
  // The folder rather than the copy: a FUSE file system keeps a file removed while open under
  // a hidden name until it is closed, and a failed copy is removed.
  if (const int fd = ::open(job.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
    targets_.push_back({st.st_dev, job.folder, fd});
  }
}

bool CopyEngine::MakeDurable(const std::function<void()>& waiting) {
  bool whole = true;
  for (const Target& target : targets_) {
    const auto sync = [&] {
      return Sys(Call::SyncFs, [&] { return ::syncfs(target.fd); }) == 0 ? 0 : errno;
    };
    int error;
    try {
      // In a thread of its own, so that the window stays live while the device catches up.
      auto result = std::async(std::launch::async, sync);
      while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        waiting();
      }
      error = result.get();
    } catch (const std::system_error&) {
      error = sync();  // no thread to be had: the window waits with the device
    }
    ::close(target.fd);
    if (error != 0) {
      delegate_.ReportError(
          {"", "", target.folder, std::strerror(error), CopyFailure::Kind::Unwritten});
      whole = false;
    }
  }
  targets_.clear();
  notedFolder_.clear();
  swept_.clear();
  if (!notKept_.empty()) {
    std::string names;
    for (const auto& [name, error] : notKept_) {
      names += (names.empty() ? "" : ", ") + name + " (" + std::strerror(error) + ")";
    }
    notKept_.clear();
    delegate_.ReportError({"", "", "", names, CopyFailure::Kind::NotKept});
  }
  return whole;
}

// The unnamed file gets a hidden name of its own, in the target's folder.
bool CopyEngine::LinkHidden(Job& job, const char* self) {
  for (;;) {
    job.temporary = TemporaryName(job.folder);
    if (Sys(Call::Link, [&] {
          return ::linkat(AT_FDCWD, self, AT_FDCWD, job.temporary.c_str(), AT_SYMLINK_FOLLOW);
        }) == 0) {
      return true;
    }
    const int error = errno;
    job.temporary.clear();
    errno = error;
    if (error != EEXIST) return false;
  }
}

CopyOutcome CopyEngine::Commit(Job& job, int out, bool replaceAgreed) {
  // linkat with AT_EMPTY_PATH would need a privilege; the descriptor's /proc name does not.
  char self[32] = "";
  if (job.unnamed) std::snprintf(self, sizeof self, "/proc/self/fd/%d", out);
  const char* to = job.target.c_str();
  const auto unlinkTemporary = [&] {
    const int error = errno;
    RemoveTemporary(job.temporary);
    errno = error;
  };
  bool raced = false;
  while (!replaceAgreed) {
    int linked;
    if (job.unnamed) {
      // Refuses a name that is taken, so nothing is clobbered.
      linked = Sys(Call::Link,
                   [&] { return ::linkat(AT_FDCWD, self, AT_FDCWD, to, AT_SYMLINK_FOLLOW); });
    } else {
      linked = NameTemporary(job);
      if (linked == -2) {
        // The copy is in place; what is left is a second name for it, and the user should
        // know it is there.
        const int error = errno;
        const std::string stray = job.temporary;
        job.temporary.clear();
        return Fail(job, stray, error);
      }
    }
    if (linked == 0) return CopyOutcome::Copied;
    if (errno != EEXIST) {
      const int error = errno;
      unlinkTemporary();
      return Fail(job, job.target, error);
    }
    // The target appeared while the data was being copied.
    struct stat existing {};
    Sys(Call::TargetStat, [&] { return ::fstatat(AT_FDCWD, to, &existing, AT_SYMLINK_NOFOLLOW); });
    if (!AskReplace(job, existing)) {
      unlinkTemporary();
      return CopyOutcome::Skipped;
    }
    replaceAgreed = true;
    raced = true;
  }
  // The target appeared while the data was being copied, and the user agreed to replace it:
  // the replacement goes to the device first, as any other does.
  if (raced && SyncData(job, out) != 0) {
    const int error = errno;
    unlinkTemporary();
    return Fail(job, job.target, error);
  }
  // Replacing in one step needs a name to rename from. Should the program die between the link
  // and the rename, a whole copy stays under the hidden name: that window is one system call
  // long, and the alternative, removing the old target first, could lose it.
  if (job.unnamed && !LinkHidden(job, self)) return Fail(job, job.target, errno);
  if (Sys(Call::Rename, [&] { return ::rename(job.temporary.c_str(), to); }) != 0) {
    const int error = errno;
    unlinkTemporary();
    return Fail(job, job.target, error);
  }
  return CopyOutcome::Copied;
}

// Gives a named temporary the target's name, never replacing a file that exists. 0 when it
// has the name, -1 with errno when not, -2 with errno when it has the name but its hidden name
// could not be removed.
int CopyEngine::NameTemporary(Job& job) {
  const char* from = job.temporary.c_str();
  const char* to = job.target.c_str();
  // A name the drive forbids fails whichever way it is given: it says nothing of the methods.
  const auto forbidden = [&] {
    const int error = errno;
    const bool refused = !NameRefusal(job.target, error).empty();
    errno = error;
    return refused;
  };
  if (naming_ == Naming::NoReplace) {
    if (Sys(Call::Rename,
            [&] { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); }) == 0) {
      return 0;
    }
    if ((errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) || forbidden()) return -1;
    naming_ = Naming::Link;
  }
  if (naming_ == Naming::Link) {
    // A hard link refuses an existing name just as well.
    if (Sys(Call::Link, [&] { return ::link(from, to); }) == 0) {
      return Sys(Call::Unlink, [&] { return ::unlink(from); }) == 0 ? 0 : -2;
    }
    if ((errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) || forbidden()) return -1;
    naming_ = Naming::Check;
  }
  // FAT, exFAT and NTFS through FUSE have neither. What holds here: no file that exists when
  // the name is checked is ever replaced, and a crash leaves the name free or the copy whole
  // under it. What does not: a file that another program creates under the same name between
  // the check and the rename, a window of two system calls, would be replaced. Taking the name
  // first with an empty file would close that window, but a crash would then leave an empty
  // file under the copy's name, which looks like a copy and is not one.
  struct stat existing {};
  if (Sys(Call::TargetStat,
          [&] { return ::fstatat(AT_FDCWD, to, &existing, AT_SYMLINK_NOFOLLOW); }) == 0) {
    errno = EEXIST;
    return -1;
  }
  if (errno != ENOENT) return -1;
  return Sys(Call::Rename, [&] { return ::rename(from, to); });
}

// Removes the copy's hidden name, if it has one. A file system that refuses once (busy, or
// NTFS short of space for its own records) is asked again: nothing of ours may stay behind.
void CopyEngine::RemoveTemporary(std::string& temporary) {
  if (temporary.empty()) return;
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
    if (Sys(Call::Unlink, [&] { return ::unlink(temporary.c_str()); }) == 0 || errno == ENOENT) {
      temporary.clear();
      return;
    }
  }
}

// A killed run leaves its hidden temporary where the folder's file system has no unnamed files.
// The next copy into the folder removes such files, but only ours: our prefix, and a process
// number that is no longer a running copy of this program.
void CopyEngine::RemoveLeftovers(const std::string& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  static constexpr std::string_view kPrefix = ".~ferrowick-";
  std::vector<std::string> stale;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name.substr(0, kPrefix.size()) != kPrefix || name.size() < kPrefix.size() + 7 ||
        name.substr(name.size() - 4) != ".tmp") {
      continue;
    }
    const std::string pid(
        name.substr(kPrefix.size(), name.find('-', kPrefix.size()) - kPrefix.size()));
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if (pid == pid_ || FirstLine("/proc/" + pid + "/comm") == comm_) continue;  // still at work
    stale.emplace_back(name);
  }
  ::closedir(listing);
  for (const std::string& name : stale) {
    std::string path = (folder == "/" ? "" : folder) + "/" + name;
    RemoveTemporary(path);
  }
}

}  // namespace ferrowick
