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
#include "temporary_name.h"

namespace ferrowick {

using namespace engine;

// fdatasync of the copy, through its descriptor or, once a named temporary is closed, its name.
int CopyEngine::SyncData(const Job& job, int out) {
  if (out >= 0) return Sys(Call::SyncData, [&] { return ::fdatasync(out); });
  const Fd named(::open(job.temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  if (named.get() < 0) return -1;
  return Sys(Call::SyncData, [&] { return ::fdatasync(named.get()); });
}

// While the copy is still open: a second descriptor on it, for the run's syncfs of its file
// system, where the run holds none there yet. The folder itself is never opened for that: the
// user may be able to write to it and not read it (a drop box, mode 0733). A copy's descriptor
// counts only once the copy has its name (NoteCopy): on a FUSE drive, a removed file that is
// still open stays behind under a hidden name.
void CopyEngine::HoldTarget(Job& job, int out) {
  if (!volume_.durability.syncFs || job.folder == notedFolder_) return;
  struct stat st {};
  if (Sys(Call::Hold, [&] { return ::fstat(out, &st); }) != 0) {
    job.holdError = errno;
    return;
  }
  job.device = st.st_dev;
  for (const Target& target : targets_) {
    if (target.device == st.st_dev && target.fd >= 0) return;
  }
  const int held = Sys(Call::Hold, [&] { return ::fcntl(out, F_DUPFD_CLOEXEC, 0); });
  if (held < 0) job.holdError = errno;
  job.held.Reset(held);
}

// Once a copy has its name: what the run's final flush needs of its file system.
void CopyEngine::NoteCopy(Job& job) {
  if (!volume_.durability.syncFs) {
    for (Target& target : targets_) {
      if (target.folder == job.folder) {
        target.lastCopy = job.target;
        return;
      }
    }
    targets_.push_back({0, job.folder, -1, 0, job.target});
    return;
  }
  if (job.folder == notedFolder_) return;
  Target* target = nullptr;
  for (Target& known : targets_) {
    if (known.device == job.device) target = &known;
  }
  if (target == nullptr) target = &targets_.emplace_back(Target{job.device, job.folder, -1, 0, {}});
  if (target->fd < 0) {
    target->fd = job.held.Release();
    target->error = job.holdError;
  }
  if (target->fd >= 0) notedFolder_ = job.folder;
}

bool CopyEngine::MakeDurable(const std::function<void()>& waiting) {
  bool whole = true;
  for (const Target& target : targets_) {
    const auto sync = [&] {
      if (target.fd >= 0) {
        return Sys(Call::SyncFs, [&] { return ::syncfs(target.fd); }) == 0 ? 0 : errno;
      }
      // Removed or renamed since by someone else: nothing of ours is left to flush there. Any
      // other failure (the server gone) leaves the names unconfirmed, and the user hears of it.
      const Fd copy(Sys(Call::SyncFs, [&] {
        return ::open(target.lastCopy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
      }));
      if (copy.get() < 0) return errno == ENOENT ? 0 : errno;
      return Sys(Call::SyncFs, [&] { return ::fsync(copy.get()); }) == 0 ? 0 : errno;
    };
    // No copy could be held there: nothing confirms the copies are on the device.
    const bool held = target.fd >= 0 || !target.lastCopy.empty();
    int error = target.error != 0 ? target.error : EBADF;
    if (held) {
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
    }
    if (target.fd >= 0) ::close(target.fd);
    if (error != 0) {
      CopyFailure failure{};
      failure.kind = CopyFailure::Kind::Unwritten;
      failure.path = target.folder;
      failure.call = held ? Call::SyncFs : Call::Hold;
      failure.error = error;
      delegate_.ReportError(failure);
      whole = false;
    }
  }
  targets_.clear();
  notedFolder_.clear();
  swept_.clear();
  if (!notKept_.empty() || timesNotKept_ != 0) {
    CopyFailure failure{};
    failure.kind = CopyFailure::Kind::NotKept;
    failure.call = notKept_.empty() ? Call::SetTimes : Call::SetAttribute;
    failure.attributes = std::move(notKept_);
    failure.times = timesNotKept_;
    notKept_.clear();
    timesNotKept_ = 0;
    delegate_.ReportError(failure);
  }
  return whole;
}

// The unnamed file gets a hidden name of its own, in the target's folder.
bool CopyEngine::LinkHidden(Job& job, const char* self) {
  for (;;) {
    job.temporary = NewTemporary(job.folder);
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
    job.held.Close();
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
        // know it is there. It goes to the device with the run's other copies.
        const int error = errno;
        const std::string stray = job.temporary;
        job.temporary.clear();
        NoteCopy(job);
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
  // Each way starts from the one that last worked. A file system without a way says so with one
  // of these errors whatever the name (sshfs answers EINVAL to any renameat2 flag), so the next
  // way is tried before anything is made of the error; only a way that worked is kept, for a
  // name the drive refuses fails every way and says nothing of them.
  Naming way = naming_;
  if (way == Naming::NoReplace) {
    if (Sys(Call::Rename,
            [&] { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); }) == 0) {
      return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return -1;
    way = Naming::Link;
  }
  if (way == Naming::Link) {
    // A hard link refuses an existing name just as well.
    if (Sys(Call::Link, [&] { return ::link(from, to); }) == 0) {
      naming_ = way;
      const int removed = Sys(Call::Unlink, [&] { return ::unlink(from); });
      return removed == 0 ? 0 : -2;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) return -1;
    way = Naming::Check;
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
  if (Sys(Call::Rename, [&] { return ::rename(from, to); }) != 0) return -1;
  naming_ = way;
  return 0;
}

// Removes the copy's hidden name, if it has one. A file system that refuses once (busy, or
// NTFS short of space for its own records) is asked again: nothing of ours may stay behind. Only
// a removal that succeeded counts: a network mount whose server went away answers "no such
// file" for a file that is still there.
void CopyEngine::RemoveTemporary(std::string& temporary) {
  if (temporary.empty()) return;
  // Tidying up after a failure: the step that failed stays the one to report.
  const Call failed = lastCall_;
  struct Restore {
    Call& call;
    Call value;
    ~Restore() { call = value; }
  } restore{lastCall_, failed};
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
    if (Sys(Call::Unlink, [&] { return ::unlink(temporary.c_str()); }) == 0) {
      temporary.clear();
      return;
    }
    if (errno == ENOENT) return;  // asking again will not change the answer
  }
}

// A killed run leaves its hidden temporary where the folder's file system has no unnamed files.
// The next copy into the folder removes this computer's such files at once when the process
// that wrote one is gone. A network folder may also hold another computer's, whose processes
// cannot be seen from here, and earlier versions' names tell no computer: those go only once
// nothing has written to them for a day, so that a copy under way elsewhere is never touched.
void CopyEngine::RemoveLeftovers(const std::string& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::vector<std::string> stale;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (!TemporaryName::Ours(name)) continue;
    const auto parsed = TemporaryName::Parse(name);
    if (parsed && parsed->machine == TemporaryName::ThisMachine()) {
      const std::string pid = std::to_string(parsed->pid);
      if (parsed->pid == ::getpid() || FirstLine("/proc/" + pid + "/comm") == comm_) continue;
    } else {
      struct stat st {};
      if (::fstatat(::dirfd(listing), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
          !S_ISREG(st.st_mode) || now - st.st_mtime < 24 * 60 * 60) {
        continue;
      }
    }
    stale.emplace_back(name);
  }
  ::closedir(listing);
  for (const std::string& name : stale) {
    std::string path = (folder == "/" ? "" : folder) + "/" + name;
    RemoveTemporary(path);
  }
}

// Where the server decides where a name leads, the copy counts as made only once its name is
// found in its folder: an answer of "done" is not enough.
CopyOutcome CopyEngine::CheckName(const Job& job) {
  struct stat st {};
  if (Sys(Call::NameCheck,
          [&] { return ::fstatat(AT_FDCWD, job.target.c_str(), &st, AT_SYMLINK_NOFOLLOW); }) == 0 &&
      S_ISREG(st.st_mode)) {
    return CopyOutcome::Copied;
  }
  CopyFailure failure = NotMade(job, job.target, Call::NameCheck, errno);
  failure.cause = CopyFailure::Cause::NameNotShown;
  delegate_.ReportError(failure);
  return CopyOutcome::Failed;
}

// The temporary's name, as built and as read.
namespace {
constexpr std::string_view kPrefix = ".~ferrowick-";
constexpr std::string_view kSuffix = ".tmp";
}  // namespace

std::string TemporaryName::Format() const {
  return std::string(kPrefix) + machine + "-" + std::to_string(pid) + "-" + std::to_string(serial) +
         std::string(kSuffix);
}

bool TemporaryName::Ours(std::string_view name) {
  return name.size() > kPrefix.size() + kSuffix.size() &&
         name.substr(0, kPrefix.size()) == kPrefix &&
         name.substr(name.size() - kSuffix.size()) == kSuffix;
}

std::optional<TemporaryName> TemporaryName::Parse(std::string_view name) {
  if (!Ours(name)) return std::nullopt;
  const std::string middle(
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()));
  char machine[9] = "";
  long pid = 0;
  unsigned long long serial = 0;
  int end = 0;
  if (std::sscanf(middle.c_str(), "%8[0-9a-f]-%ld-%llu%n", machine, &pid, &serial, &end) != 3 ||
      static_cast<std::size_t>(end) != middle.size() || std::strlen(machine) != 8 || pid <= 0) {
    return std::nullopt;
  }
  return TemporaryName{machine, pid, serial};
}

const std::string& TemporaryName::ThisMachine() {
  static const std::string machine = [] {
    std::string id = FirstLine("/etc/machine-id");
    if (id.empty()) id = FirstLine("/var/lib/dbus/machine-id");
    if (id.empty()) {
      char host[256] = "";
      ::gethostname(host, sizeof host - 1);
      id = host;
    }
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : id) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return std::string(hex);
  }();
  return machine;
}

}  // namespace ferrowick
