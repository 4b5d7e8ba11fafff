// SPDX-License-Identifier: MIT
// The copy from start to end: the source opened and looked at, the question of replacing, the
// output opened, and failures reported as what happened. The data, the attributes and the naming
// have files of their own.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "engine_parts.h"
#include "temporary_name.h"

namespace ferrowick {

namespace engine {

std::string FirstLine(const std::string& path) {
  char text[256];
  ssize_t n = -1;
  if (const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC); fd >= 0) {
    n = ::read(fd, text, sizeof text);
    ::close(fd);
  }
  std::string line(text, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
  return line.substr(0, line.find('\n'));
}

}  // namespace engine

using namespace engine;

CopyEngine::CopyEngine(CopyDelegate& delegate, const Tuning& tuning)
    : delegate_(delegate), tuning_(tuning) {
  comm_ = FirstLine("/proc/self/comm");
  procFds_ = ::access("/proc/self/fd", X_OK) == 0;
  unnamed_ = procFds_;
}

CopyEngine::~CopyEngine() {
  for (const Target& target : targets_) {
    if (target.fd >= 0) ::close(target.fd);
  }
}

CopyOutcome CopyEngine::Fail(const Job& job, const std::string& path, int error) {
  return Fail(job, path, error, lastCall_);
}

CopyFailure CopyEngine::NotMade(const Job& job, const std::string& path, Call call, int error) {
  CopyFailure failure{};
  failure.source = job.source;
  failure.target = job.target;
  failure.path = path;
  failure.call = call;
  failure.error = error;
  // Every failure path removes the copy's hidden name first; one still here would not go.
  failure.leftover = job.temporary;
  return failure;
}

CopyOutcome CopyEngine::Fail(const Job& job, const std::string& path, int error, Call call) {
  CopyFailure failure = NotMade(job, path, call, error);
  // Only the copy's own name: a folder above it was taken by the file system already.
  if (path == job.target) failure.name = NameRefusal(NameOf(path), volume_.names, error);
  if (failure.name.what != NameFault::What::None) {
    failure.cause = CopyFailure::Cause::NameRefused;
  } else if (error == ENOENT && path.find(kReplacement) != std::string::npos) {
    failure.cause = CopyFailure::Cause::NotText;
  } else if (std::string gone = Vanished(job, error); !gone.empty()) {
    failure.cause = CopyFailure::Cause::Unreachable;
    failure.path = std::move(gone);
  }
  delegate_.ReportError(failure);
  return CopyOutcome::Failed;
}

// The folder of the copy or of its source that went away with its server (or was removed)
// while the copy was under way, where `error` is how that shows; "" where none did. Only a look
// for the report's words: the step that failed is already known.
std::string CopyEngine::Vanished(const Job& job, int error) const {
  // How a network file system says that its server went away (sshfs: ECONNABORTED).
  for (const int lost : {ENOTCONN, ECONNABORTED, ECONNRESET, ECONNREFUSED, EHOSTDOWN, EHOSTUNREACH,
                         ENETDOWN, ENETUNREACH, ESHUTDOWN, ETIMEDOUT}) {
    if (error == lost) return job.folder;
  }
  if (job.out < 0 || (error != EIO && error != ENOENT)) return {};
  for (const std::string& folder : {job.folder, FolderOf(job.source)}) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) return folder;
  }
  // A server's folder may still be shown from the mount's cache (kio-fuse), while the copy
  // answers that it is gone.
  return error == ENOENT && volume_.durability.checkName ? job.folder : std::string();
}

CopyOutcome CopyEngine::FailNotRegular(const Job& job, mode_t mode) {
  if (S_ISDIR(mode)) return Fail(job, job.source, EISDIR);
  CopyFailure failure = NotMade(job, job.source, lastCall_, 0);
  failure.cause = CopyFailure::Cause::NotRegular;
  failure.mode = mode;
  delegate_.ReportError(failure);
  return CopyOutcome::Failed;
}

CopyOutcome CopyEngine::Copy(const std::string& source, const std::string& target) {
  Job job(source, target);

  // Opening without blocking, then looking: a pipe would otherwise hold the window until
  // something writes to it. Plain files ignore O_NONBLOCK.
  Fd in(Sys(Call::Open,
            [&] { return ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK); }));
  if (in.get() < 0) {
    const int error = errno;
    // A socket cannot be opened at all; say what it is rather than "No such device".
    struct stat named {};
    if (Sys(Call::Stat, [&] { return ::stat(source.c_str(), &named); }) == 0 &&
        !S_ISREG(named.st_mode)) {
      return FailNotRegular(job, named.st_mode);
    }
    return Fail(job, source, error);
  }
  if (Sys(Call::Fstat, [&] { return ::fstat(in.get(), &job.sourceStat); }) != 0) {
    return Fail(job, source, errno);
  }
  if (!S_ISREG(job.sourceStat.st_mode)) return FailNotRegular(job, job.sourceStat.st_mode);

  if (methodDevice_ != job.sourceStat.st_dev || methodFolder_ != job.folder) {
    methodDevice_ = job.sourceStat.st_dev;
    methodFolder_ = job.folder;
    method_ = Method::Clone;
    naming_ = Naming::NoReplace;
    unnamed_ = procFds_;
  }
  if (volumeFolder_ != job.folder) {
    volumeFolder_ = job.folder;
    volume_ =
        tuning_.mountType != nullptr ? VolumeFor(tuning_.mountType, "") : VolumeOf(job.folder);
  }
  // Before the target is even looked up: on a share that reads \ as a separator, the lookup
  // would already find another file, in another folder.
  if (volume_.names == NameRules::Share &&
      NameRefusal(NameOf(target), volume_.names, 0).what != NameFault::What::None) {
    return Fail(job, target, 0, Call::TargetStat);
  }
  if (NameTooLong(NameOf(target), volume_)) {
    return Fail(job, target, ENAMETOOLONG, Call::TargetStat);
  }

  // Ask before the data is copied, so a refused replace costs no time.
  bool replaceAgreed = false;
  struct stat targetStat {};
  if (Sys(Call::TargetStat, [&] {
        return ::fstatat(AT_FDCWD, target.c_str(), &targetStat, AT_SYMLINK_NOFOLLOW);
      }) == 0) {
    if (S_ISDIR(targetStat.st_mode)) return Fail(job, target, EISDIR);
    if (!AskReplace(job, targetStat)) return CopyOutcome::Skipped;
    replaceAgreed = true;
  } else if (errno != ENOENT) {
    // A name that is too long or a path through a plain file: no copy could ever land there.
    return Fail(job, target, errno);
  }

  Fd out(OpenOutput(job));
  if (out.get() < 0) {
    if (out.get() == -2) return CopyOutcome::Skipped;
    return Fail(job, job.folder, errno);
  }

  job.out = out.get();

  // Closed first: some file systems (NTFS through FUSE) refuse to remove a file still open.
  const auto discard = [&] {
    job.held.Close();
    out.Close();
    RemoveTemporary(job.temporary);
  };
  if (!CopyData(job, in.get(), out.get())) {
    const int error = errno;
    discard();
    return job.cancelled ? CopyOutcome::Cancelled : Fail(job, target, error);
  }
  const auto failed = [&] {
    const int error = errno;
    discard();
    return Fail(job, target, error);
  };
  if (!CopyAttributes(in.get(), out.get()) || !CopyTimes(job, out.get()) ||
      // The old file is given up only for a replacement that is already on the device: a crash
      // at any moment then leaves one of the two, whole. Where the run's last syncfs cannot
      // reach the device, no copy takes its name before it is there.
      ((replaceAgreed || volume_.durability.syncEachCopy) && SyncData(job, out.get()) != 0)) {
    return failed();
  }
  HoldTarget(job, out.get());
  // A named temporary is closed before it takes the target's name, because closing is where a
  // network file system reports a write that failed.
  if (!job.unnamed && Sys(Call::Close, [&] { return out.Close(); }) != 0) return failed();
  // An unnamed file is closed only once it has its name; until then closing would delete it.
  // Only local file systems have unnamed files, and their close has no write left to report.
  CopyOutcome outcome = Commit(job, out.get(), replaceAgreed);  // -1: a closed temporary
  if (outcome == CopyOutcome::Copied && volume_.durability.checkName) outcome = CheckName(job);
  if (outcome == CopyOutcome::Copied) NoteCopy(job);
  return outcome;
}

std::string CopyEngine::NewTemporary(const std::string& folder) {
  const TemporaryName name{TemporaryName::ThisMachine(), ::getpid(), ++tempSerial_};
  return (folder == "/" ? "" : folder) + "/" + name.Format();
}

// Like mkdir -p. Returns 0 or the errno of the component that could not be made.
int CopyEngine::MakeFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at != folder.size() && folder[at] != '/') continue;
    const std::string prefix = folder.substr(0, at);
    if (Sys(Call::MakeFolder, [&] { return ::mkdir(prefix.c_str(), 0777); }) != 0 &&
        errno != EEXIST) {
      return errno;
    }
  }
  return 0;
}

// Returns the descriptor, -1 with errno set, or -2 when the user declined to create the folder.
int CopyEngine::OpenOutput(Job& job) {
  // The source's permission bits less the umask, as for any new file: the copy of a file from
  // a FAT stick, where every file is 0777, is not left writable by all. Set-user-ID and
  // set-group-ID bits never go along.
  const mode_t mode = job.sourceStat.st_mode & 0777;
  if (swept_ != job.folder) {
    swept_ = job.folder;
    RemoveLeftovers(job.folder);
  }
  bool folderMade = false;
  for (;;) {
    if (unnamed_) {
      // Whatever stops the copy from here on, a crash included, the file goes with its
      // descriptor and leaves nothing in the folder.
      const int fd = Sys(Call::OpenUnnamed, [&] {
        return ::open(job.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
      });
      if (fd >= 0) {
        job.unnamed = true;
        return fd;
      }
      if (NoUnnamedFiles(errno)) {
        unnamed_ = false;
        continue;
      }
    } else {
      const int fd = OpenNamed(job, mode);
      if (fd >= 0) return fd;
    }
    if (errno != ENOENT || folderMade) return -1;
    // A folder whose name the window could not carry exists under another name; making this
    // one would only add a wrong folder.
    if (job.folder.find(kReplacement) != std::string::npos) return -1;
    if (!delegate_.AskCreateFolder(job.folder)) return -2;
    if (const int error = MakeFolders(job.folder); error != 0) {
      errno = error;
      return -1;
    }
    folderMade = true;
  }
}

int CopyEngine::OpenNamed(Job& job, mode_t mode) {
  for (;;) {
    job.temporary = NewTemporary(job.folder);
    const int fd = Sys(Call::OpenNamed, [&] {
      return ::open(job.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY,
                    mode);
    });
    if (fd >= 0) return fd;
    const int error = errno;
    job.temporary.clear();
    errno = error;
    if (error != EEXIST) return -1;
  }
}

bool CopyEngine::AskReplace(const Job& job, const struct stat& existing) {
  const auto facts = [](const struct stat& st) {
    return FileFacts{static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec};
  };
  return delegate_.AskReplace({job.source, job.target, facts(job.sourceStat), facts(existing)});
}

}  // namespace ferrowick
