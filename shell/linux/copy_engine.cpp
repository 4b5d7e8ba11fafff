// SPDX-License-Identifier: MIT
// The copy from start to end: the source opened and looked at, the question of replacing, the
// output opened, and failures reported as what happened. The data, the attributes, the naming
// and the way to the device have files of their own.
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

CopyFailure CopyEngine::NotMade(const Job& job, const std::string& path, const Step& failed) {
  CopyFailure failure{};
  failure.source = job.source;
  failure.target = job.target;
  failure.path = path;
  failure.call = failed.call;
  failure.error = failed.error;
  // Every failure path removes the copy's hidden name first; one still here would not go.
  failure.leftover = job.temporary;
  return failure;
}

CopyOutcome CopyEngine::Fail(const Job& job, const std::string& path, const Step& failed) {
  CopyFailure failure = NotMade(job, path, failed);
  const int error = failed.error;
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
  return error == ENOENT && volume_.durability == Durability::EachCopy ? job.folder : std::string();
}

CopyOutcome CopyEngine::FailNotRegular(const Job& job, mode_t mode, Call call) {
  if (S_ISDIR(mode)) return Fail(job, job.source, {EISDIR, call});
  CopyFailure failure = NotMade(job, job.source, {0, call});
  failure.cause = CopyFailure::Cause::NotRegular;
  failure.mode = mode;
  delegate_.ReportError(failure);
  return CopyOutcome::Failed;
}

CopyOutcome CopyEngine::Copy(const std::string& source, const std::string& target) {
  Job job(source, target);
  Fd in;
  if (const Ending end = OpenSource(job, in)) return *end;
  LearnFolder(job);
  if (const Ending end = CheckTarget(job)) return *end;
  Fd out;
  if (const Ending end = OpenTarget(job, out)) return *end;
  return Finish(job, in.get(), out);
}

CopyEngine::Ending CopyEngine::OpenSource(Job& job, Fd& in) {
  // Opening without blocking, then looking: a pipe would otherwise hold the window until
  // something writes to it. Plain files ignore O_NONBLOCK.
  in.Reset(Sys(Call::Open, [&] {
    return ::open(job.source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  }));
  if (in.get() < 0) {
    const Step failed = Step::Of(Call::Open);
    // A socket cannot be opened at all; say what it is rather than "No such device".
    struct stat named {};
    if (Sys(Call::Stat, [&] { return ::stat(job.source.c_str(), &named); }) == 0 &&
        !S_ISREG(named.st_mode)) {
      return FailNotRegular(job, named.st_mode, Call::Open);
    }
    return Fail(job, job.source, failed);
  }
  if (Sys(Call::Fstat, [&] { return ::fstat(in.get(), &job.sourceStat); }) != 0) {
    return Fail(job, job.source, Step::Of(Call::Fstat));
  }
  if (!S_ISREG(job.sourceStat.st_mode)) {
    return FailNotRegular(job, job.sourceStat.st_mode, Call::Fstat);
  }
  return std::nullopt;
}

// What the last copies into this folder from this device taught us holds for the next; a new
// folder starts afresh.
void CopyEngine::LearnFolder(const Job& job) {
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
}

// Asks before the data is copied, so a refused replace costs no time.
CopyEngine::Ending CopyEngine::CheckTarget(Job& job) {
  const std::string& target = job.target;
  // Before the target is even looked up: on a share that reads \ as a separator, the lookup
  // would already find another file, in another folder.
  if (volume_.names == NameRules::Share &&
      NameRefusal(NameOf(target), volume_.names, 0).what != NameFault::What::None) {
    return Fail(job, target, {0, Call::TargetStat});
  }
  if (NameTooLong(NameOf(target), volume_)) {
    return Fail(job, target, {ENAMETOOLONG, Call::TargetStat});
  }
  struct stat targetStat {};
  if (Sys(Call::TargetStat, [&] {
        return ::fstatat(AT_FDCWD, target.c_str(), &targetStat, AT_SYMLINK_NOFOLLOW);
      }) == 0) {
    if (S_ISDIR(targetStat.st_mode)) return Fail(job, target, {EISDIR, Call::TargetStat});
    if (!AskReplace(job, targetStat)) return CopyOutcome::Skipped;
    job.replacing = true;
  } else if (errno != ENOENT) {
    // A name that is too long or a path through a plain file: no copy could ever land there.
    return Fail(job, target, Step::Of(Call::TargetStat));
  }
  return std::nullopt;
}

CopyEngine::Ending CopyEngine::OpenTarget(Job& job, Fd& out) {
  // The source's permission bits less the umask, as for any new file: the copy of a file from
  // a FAT stick, where every file is 0777, is not left writable by all. Set-user-ID and
  // set-group-ID bits never go along.
  const mode_t mode = job.sourceStat.st_mode & 0777;
  if (swept_ != job.folder) {
    swept_ = job.folder;
    RemoveLeftovers(job.folder);
  }
  for (bool folderMade = false;;) {
    Step failed;
    if (unnamed_) {
      // Whatever stops the copy from here on, a crash included, the file goes with its
      // descriptor and leaves nothing in the folder.
      out.Reset(Sys(Call::OpenUnnamed, [&] {
        return ::open(job.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
      }));
      if (out.get() < 0) failed = Step::Of(Call::OpenUnnamed);
      job.unnamed = out.get() >= 0;
      if (NoUnnamedFiles(failed.error)) {
        unnamed_ = false;
        continue;
      }
    } else {
      failed = OpenNamed(job, mode, out);
    }
    if (!failed) {
      job.out = out.get();
      return std::nullopt;
    }
    // A folder whose name the window could not carry exists under another name; making this
    // one would only add a wrong folder.
    if (failed.error != ENOENT || folderMade ||
        job.folder.find(kReplacement) != std::string::npos) {
      return Fail(job, job.folder, failed);
    }
    if (!delegate_.AskCreateFolder(job.folder)) return CopyOutcome::Skipped;
    if (const Step notMade = MakeFolders(job.folder)) return Fail(job, job.folder, notMade);
    folderMade = true;
  }
}

// From the data to the name: a failure on the way removes what the copy wrote.
CopyOutcome CopyEngine::Finish(Job& job, int in, Fd& out) {
  const auto discard = [&](const Step& failed) {
    // Closed first: some file systems (NTFS through FUSE) refuse to remove a file still open.
    job.held.Close();
    out.Close();
    RemoveTemporary(job.temporary);
    return job.cancelled ? CopyOutcome::Cancelled : Fail(job, job.target, failed);
  };
  Step failed = CopyData(job, in, out.get());
  if (!failed) failed = CopyAttributes(in, out.get());
  if (!failed) failed = CopyTimes(job, out.get());
  if (!failed) failed = SyncBeforeNaming(job, out.get());
  if (failed) return discard(failed);
  HoldTarget(job, out.get());
  // A named temporary is closed before it takes the target's name, because closing is where a
  // network file system reports a write that failed. An unnamed file is closed only once it has
  // its name; until then closing would delete it. Only local file systems have unnamed files,
  // and their close has no write left to report.
  if (!job.unnamed && Sys(Call::Close, [&] { return out.Close(); }) != 0) {
    return discard(Step::Of(Call::Close));
  }
  CopyOutcome outcome = Commit(job, out.get());  // -1: a closed temporary
  if (outcome == CopyOutcome::Copied && volume_.durability == Durability::EachCopy) {
    outcome = CheckName(job);
  }
  if (outcome == CopyOutcome::Copied) NoteCopy(job);
  return outcome;
}

std::string CopyEngine::NewTemporary(const std::string& folder) {
  const TemporaryName name{TemporaryName::ThisMachine(), ::getpid(), ++tempSerial_};
  return (folder == "/" ? "" : folder) + "/" + name.Format();
}

// Like mkdir -p: the step fails with the component that could not be made.
CopyEngine::Step CopyEngine::MakeFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at != folder.size() && folder[at] != '/') continue;
    const std::string prefix = folder.substr(0, at);
    if (Sys(Call::MakeFolder, [&] { return ::mkdir(prefix.c_str(), 0777); }) != 0 &&
        errno != EEXIST) {
      return Step::Of(Call::MakeFolder);
    }
  }
  return {};
}

CopyEngine::Step CopyEngine::OpenNamed(Job& job, mode_t mode, Fd& out) {
  return Hide(job, [&](const std::string& name) {
    out.Reset(Sys(Call::OpenNamed, [&] {
      return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    }));
    return out.get() < 0 ? Step::Of(Call::OpenNamed) : Step{};
  });
}

bool CopyEngine::AskReplace(const Job& job, const struct stat& existing) {
  const auto facts = [](const struct stat& st) {
    return FileFacts{static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec};
  };
  return delegate_.AskReplace({job.source, job.target, facts(job.sourceStat), facts(existing)});
}

}  // namespace ferrowick
