// SPDX-License-Identifier: MIT
// How a whole copy takes its name, never clobbering; and how what a failed or killed copy left
// is removed.
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

// Gives the copy a hidden name in its folder with `make`, which fails with EEXIST where a file
// has that name already: then the next serial is tried.
CopyEngine::Step CopyEngine::Hide(Job& job, const std::function<Step(const std::string&)>& make) {
  for (;;) {
    job.temporary = NewTemporary(job.folder);
    const Step failed = make(job.temporary);
    if (!failed) return {};
    job.temporary.clear();
    if (failed.error != EEXIST) return failed;
  }
}

CopyOutcome CopyEngine::Commit(Job& job, int out) {
  // linkat with AT_EMPTY_PATH would need a privilege; the descriptor's /proc name does not.
  char self[32] = "";
  if (job.unnamed) std::snprintf(self, sizeof self, "/proc/self/fd/%d", out);
  const char* to = job.target.c_str();
  const auto link = [&](const char* name) {
    return Sys(Call::Link,
               [&] { return ::linkat(AT_FDCWD, self, AT_FDCWD, name, AT_SYMLINK_FOLLOW); }) == 0
               ? Step{}
               : Step::Of(Call::Link);
  };
  const auto abandon = [&](const Step& failed) {
    job.held.Close();
    RemoveTemporary(job.temporary);
    return Fail(job, job.target, failed);
  };
  if (!job.replacing) {
    // Refuses a name that is taken, so nothing is clobbered.
    const Step failed = job.unnamed ? link(to) : NameTemporary(job);
    if (!failed) return CopyOutcome::Copied;
    if (failed.call == Call::Unlink) {
      // The copy is in place; what is left is a second name for it, and the user should know
      // it is there. It goes to the device with the run's other copies.
      const std::string stray = job.temporary;
      job.temporary.clear();
      NoteCopy(job);
      return Fail(job, stray, failed);
    }
    if (failed.error != EEXIST) return abandon(failed);
    // The target appeared while the data was being copied: the replacement, if the user agrees
    // to one, goes to the device first, as any other does.
    struct stat existing {};
    Sys(Call::TargetStat, [&] { return ::fstatat(AT_FDCWD, to, &existing, AT_SYMLINK_NOFOLLOW); });
    if (!AskReplace(job, existing)) {
      job.held.Close();
      RemoveTemporary(job.temporary);
      return CopyOutcome::Skipped;
    }
    job.replacing = true;
    if (const Step notSynced = SyncBeforeNaming(job, out)) return abandon(notSynced);
  }
  // Replacing in one step needs a name to rename from. Should the program die between the link
  // and the rename, a whole copy stays under the hidden name: that window is one system call
  // long, and the alternative, removing the old target first, could lose it.
  if (job.unnamed) {
    const Step failed = Hide(job, [&](const std::string& name) { return link(name.c_str()); });
    if (failed) return Fail(job, job.target, failed);
  }
  if (Sys(Call::Rename, [&] { return ::rename(job.temporary.c_str(), to); }) != 0) {
    return abandon(Step::Of(Call::Rename));
  }
  return CopyOutcome::Copied;
}

// Gives a named temporary the target's name, never replacing a file that exists. A failure in
// Call::Unlink means the copy has its name, and its hidden name could not be removed.
CopyEngine::Step CopyEngine::NameTemporary(Job& job) {
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
      return {};
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return Step::Of(Call::Rename);
    way = Naming::Link;
  }
  if (way == Naming::Link) {
    // A hard link refuses an existing name just as well.
    if (Sys(Call::Link, [&] { return ::link(from, to); }) == 0) {
      naming_ = way;
      return Sys(Call::Unlink, [&] { return ::unlink(from); }) == 0 ? Step{}
                                                                    : Step::Of(Call::Unlink);
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) return Step::Of(Call::Link);
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
    return {EEXIST, Call::TargetStat};
  }
  if (errno != ENOENT) return Step::Of(Call::TargetStat);
  if (Sys(Call::Rename, [&] { return ::rename(from, to); }) != 0) return Step::Of(Call::Rename);
  naming_ = way;
  return {};
}

// Removes the copy's hidden name, if it has one. A file system that refuses once (busy, or
// NTFS short of space for its own records) is asked again: nothing of ours may stay behind. Only
// a removal that succeeded counts: a network mount whose server went away answers "no such
// file" for a file that is still there.
void CopyEngine::RemoveTemporary(std::string& temporary) {
  if (temporary.empty()) return;
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
  const int found = Sys(Call::NameCheck, [&] {
    return ::fstatat(AT_FDCWD, job.target.c_str(), &st, AT_SYMLINK_NOFOLLOW);
  });
  if (found == 0 && S_ISREG(st.st_mode)) return CopyOutcome::Copied;
  // 0 where something else is there.
  CopyFailure failure = NotMade(job, job.target, {found == 0 ? 0 : errno, Call::NameCheck});
  failure.cause = CopyFailure::Cause::NameNotShown;
  delegate_.ReportError(failure);
  return CopyOutcome::Failed;
}

}  // namespace ferrowick
