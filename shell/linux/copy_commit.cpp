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
    job.temporary = NewTemporary();
    const Step failed = make(job.temporary);
    if (!failed) return {};
    job.temporary.clear();
    if (failed.error != EEXIST) return failed;
  }
}

CopyOutcome CopyEngine::Commit(Job& job, int out) {
  const int folder = folder_.fd.get();
  // linkat with AT_EMPTY_PATH would need a privilege; the descriptor's /proc name does not.
  char self[32] = "";
  if (job.unnamed) std::snprintf(self, sizeof self, "/proc/self/fd/%d", out);
  const auto link = [&](const std::string& name) {
    return Sys(Call::Link,
               [&] { return ::linkat(AT_FDCWD, self, folder, name.c_str(), AT_SYMLINK_FOLLOW); }) ==
                   0
               ? Step{}
               : Step::Of(Call::Link);
  };
  const auto abandon = [&](const Step& failed) {
    job.held.Close();
    RemoveTemporary(job.temporary);
    return Fail(job, NotMade::Party::Copy, job.target, failed);
  };
  if (!job.replacing) {
    // Refuses a name that is taken, so nothing is clobbered.
    const Step failed = job.unnamed ? link(job.name) : NameTemporary(job);
    if (!failed) return CopyOutcome::Copied;
    if (failed.call == Call::Unlink) {
      // The copy is in place; what is left is a second name for it, and the user should know
      // it is there. It goes to the device with the run's other copies.
      const std::string stray = InFolder(job.temporary);
      job.temporary.clear();
      NoteCopy(job);
      return Fail(job, NotMade::Party::Copy, stray, failed);
    }
    if (failed.error != EEXIST && failed.end != Step::End::Taken) return abandon(failed);
    // The target appeared while the data was being copied: the replacement, if the user agrees
    // to one, goes to the device first, as any other does.
    struct stat existing {};
    Sys(Call::TargetStat,
        [&] { return ::fstatat(folder, job.name.c_str(), &existing, AT_SYMLINK_NOFOLLOW); });
    if (S_ISDIR(existing.st_mode)) return abandon(Step::Ended(Step::End::FolderHasName));
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
    const Step failed = Hide(job, link);
    if (failed) return Fail(job, NotMade::Party::Copy, job.target, failed);
  }
  if (Sys(Call::Rename, [&] {
        return ::renameat(folder, job.temporary.c_str(), folder, job.name.c_str());
      }) != 0) {
    return abandon(Step::Of(Call::Rename));
  }
  return CopyOutcome::Copied;
}

// Gives a named temporary the target's name, never replacing a file that exists: a file there
// ends it as Taken, or as EEXIST from the call that refused the name. A failure in Call::Unlink
// means the copy has its name, and its hidden name could not be removed.
CopyEngine::Step CopyEngine::NameTemporary(Job& job) {
  const int folder = folder_.fd.get();
  const char* from = job.temporary.c_str();
  const char* to = job.name.c_str();
  // Each way starts from the one that last worked. A file system without a way says so with one
  // of these errors whatever the name (sshfs answers EINVAL to any renameat2 flag), so the next
  // way is tried before anything is made of the error; only a way that worked is kept, for a
  // name the drive refuses fails every way and says nothing of them.
  Naming way = naming_;
  if (way == Naming::NoReplace) {
    if (Sys(Call::Rename,
            [&] { return ::renameat2(folder, from, folder, to, RENAME_NOREPLACE); }) == 0) {
      return {};
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return Step::Of(Call::Rename);
    way = Naming::Link;
  }
  if (way == Naming::Link) {
    // A hard link refuses an existing name just as well.
    if (Sys(Call::Link, [&] { return ::linkat(folder, from, folder, to, 0); }) == 0) {
      naming_ = way;
      return Sys(Call::Unlink, [&] { return ::unlinkat(folder, from, 0); }) == 0
                 ? Step{}
                 : Step::Of(Call::Unlink);
    }
    // Any answer but a taken name or a failure of the device itself says only that this file
    // system makes no hard links here (rclone answers EIO to every one): the next way is tried.
    const Step failed = Step::Of(Call::Link);
    if (failed.error == EEXIST || failed.error == ENOSPC || failed.error == EDQUOT ||
        ServerGone(failed.error) || (failed.error == EIO && !FolderReachable())) {
      return failed;
    }
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
          [&] { return ::fstatat(folder, to, &existing, AT_SYMLINK_NOFOLLOW); }) == 0) {
    return Step::Ended(Step::End::Taken);
  }
  if (errno != ENOENT) return Step::Of(Call::TargetStat);
  if (Sys(Call::Rename, [&] { return ::renameat(folder, from, folder, to); }) != 0) {
    return Step::Of(Call::Rename);
  }
  naming_ = way;
  return {};
}

// Removes the copy's hidden name in the run's folder, if it has one. A file system that refuses
// for a moment (busy, or NTFS short of space for its own records) is asked again: nothing of
// ours may stay behind. A refusal for want of a right is final. Only a removal that succeeded
// counts: a network mount whose server went away answers "no such file" for a file that is still
// there.
void CopyEngine::RemoveTemporary(std::string& temporary) {
  if (temporary.empty()) return;
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
    if (Sys(Call::Unlink, [&] { return ::unlinkat(folder_.fd.get(), temporary.c_str(), 0); }) ==
        0) {
      temporary.clear();
      return;
    }
    // Asking again will not change these answers.
    if (errno == ENOENT || errno == EPERM || errno == EACCES) return;
  }
}

// The run's first look at its folder, where the folder may be read: the names it holds, and
// the temporaries killed runs may have left there. A folder too large to keep the names of is
// looked at copy by copy.
void CopyEngine::ListFolder() {
  constexpr std::size_t kMostNames = 1u << 17;
  const int readable = ::openat(folder_.fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (readable < 0) return;  // a drop box: nothing to learn
  DIR* listing = ::fdopendir(readable);
  if (listing == nullptr) {
    ::close(readable);
    return;
  }
  bool whole = true;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(listing);
    // Only a listing read to its end says which names are free.
    if (entry == nullptr) {
      if (errno != 0) whole = false;
      break;
    }
    const std::string_view name = entry->d_name;
    if (TemporaryName::Ours(name)) folder_.leftovers.emplace_back(name);
    if (!whole) continue;
    folder_.names.emplace(name);
    if (folder_.names.size() > kMostNames) whole = false;
  }
  ::closedir(listing);
  folder_.listed = whole;
  if (!whole) folder_.names.clear();
}

// A killed run leaves its hidden temporary where the folder's file system has no unnamed files.
// The run's first copy into the folder removes this user's such files at once when the process
// that wrote one on this computer is gone. A network folder may also hold another computer's,
// whose processes cannot be seen from here, and earlier versions' names tell no computer: those
// go only once nothing has written to them for a day, so that a copy under way elsewhere is
// never touched. Only regular files that this user owns, as the folder shows a file we make
// (`out`), are candidates: what another user put there, or named like ours, is never tried,
// and so costs the run nothing.
void CopyEngine::RemoveLeftovers(int out) {
  std::vector<std::string> candidates = std::move(folder_.leftovers);
  folder_.leftovers.clear();
  struct stat ours {};
  if (::fstat(out, &ours) != 0) return;
  const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  for (std::string& name : candidates) {
    struct stat st {};
    if (::fstatat(folder_.fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode) || st.st_uid != ours.st_uid) {
      continue;
    }
    const auto parsed = TemporaryName::Parse(name);
    if (parsed && parsed->machine == TemporaryName::ThisMachine()) {
      const std::string pid = std::to_string(parsed->pid);
      if (parsed->pid == ::getpid() || FirstLine("/proc/" + pid + "/comm") == comm_) continue;
    } else if (now - st.st_mtime < 24 * 60 * 60) {
      continue;
    }
    RemoveTemporary(name);
  }
}

// Where the server decides where a name leads, the copy counts as made only once its name is
// found in its folder: an answer of "done" is not enough.
CopyOutcome CopyEngine::CheckName(const Job& job) {
  struct stat st {};
  const int found = Sys(Call::NameCheck, [&] {
    return ::fstatat(folder_.fd.get(), job.name.c_str(), &st, AT_SYMLINK_NOFOLLOW);
  });
  if (found == 0 && S_ISREG(st.st_mode)) return CopyOutcome::Copied;
  // 0 where something else is there.
  NotMade failure =
      Failure(job, NotMade::Party::Copy, job.target, Call::NameCheck, found == 0 ? 0 : errno);
  failure.why = Reason::NameNotShown;
  return Report(failure);
}

}  // namespace ferrowick
