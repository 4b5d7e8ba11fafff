// SPDX-License-Identifier: MIT
// The copy from start to end: the source opened and looked at, the question of replacing, the
// output opened, and failures reported as what happened. The data, the attributes, the naming
// and the way to the device have files of their own.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine_parts.h"
#include "path_look.h"
#include "temporary_name.h"
#include "utf.h"

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

namespace {

// The process's umask, read without changing it (umask(2) can only set it).
mode_t CurrentUmask() {
  std::FILE* status = std::fopen("/proc/self/status", "re");
  unsigned mask = 0;
  bool found = false;
  char line[256];
  while (status != nullptr && !found && std::fgets(line, sizeof line, status) != nullptr) {
    found = std::sscanf(line, "Umask: %o", &mask) == 1;
  }
  if (status != nullptr) std::fclose(status);
  if (!found) {
    mask = ::umask(022);
    ::umask(static_cast<mode_t>(mask));
  }
  return static_cast<mode_t>(mask);
}

}  // namespace

CopyEngine::CopyEngine(CopyDelegate& delegate, const Tuning& tuning)
    : delegate_(delegate), tuning_(tuning) {
  comm_ = FirstLine("/proc/self/comm");
  procFds_ = ::access("/proc/self/fd", X_OK) == 0;
  unnamed_ = procFds_;
  umask_ = CurrentUmask();
}

CopyEngine::~CopyEngine() {
  for (const Target& target : targets_) {
    if (target.fd >= 0) ::close(target.fd);
    if (target.folderFd >= 0) ::close(target.folderFd);
  }
}

// The folder the run holds is gone once nothing names it any more, or its server does not answer.
bool CopyEngine::FolderReachable() const {
  struct stat st {};
  return ::fstat(folder_.fd.get(), &st) == 0 && st.st_nlink > 0;
}

std::string CopyEngine::InFolder(const std::string& name) const {
  return (folder_.path == "/" ? "" : folder_.path) + "/" + name;
}

std::string_view CallName(Call call) {
  switch (call) {
    case Call::None:
      return {};
    case Call::Open:
      return "open";
    case Call::Stat:
      return "stat";
    case Call::Fstat:
      return "fstat";
    case Call::OpenFolder:
      return "open O_PATH";
    case Call::TargetStat:
      return "fstatat";
    case Call::OpenUnnamed:
      return "open O_TMPFILE";
    case Call::OpenNamed:
      return "open O_EXCL";
    case Call::MakeFolder:
      return "mkdir";
    case Call::Clone:
      return "ioctl FICLONE";
    case Call::CopyRange:
      return "copy_file_range";
    case Call::Read:
      return "pread";
    case Call::Write:
      return "pwrite";
    case Call::Seek:
      return "lseek";
    case Call::Truncate:
      return "ftruncate";
    case Call::ListAttributes:
      return "flistxattr";
    case Call::GetAttribute:
      return "fgetxattr";
    case Call::SetAttribute:
      return "fsetxattr";
    case Call::SetTimes:
      return "futimens";
    case Call::Link:
      return "linkat";
    case Call::Rename:
      return "renameat";
    case Call::Close:
      return "close";
    case Call::Unlink:
      return "unlinkat";
    case Call::NameCheck:
      return "fstatat, once named";
    case Call::WriteBack:
      return "sync_file_range";
    case Call::SyncData:
      return "fdatasync";
    case Call::SyncFs:
      return "syncfs";
    case Call::Hold:
      return "fcntl F_DUPFD";
  }
  return {};
}

NotMade CopyEngine::Failure(const Job& job, NotMade::Party at, const std::string& path, Call call,
                            int error) const {
  NotMade failure{};
  failure.at = at;
  failure.source = FromBytes(job.source);
  failure.target = FromBytes(job.target);
  failure.path = FromBytes(path);
  failure.call = CallName(call);
  failure.code = error;
  // Every failure path removes the copy's hidden name first; one still here would not go.
  if (!job.temporary.empty()) {
    failure.left = NotMade::Left::NotRemoved;
    failure.leftover = FromBytes(InFolder(job.temporary));
  }
  return failure;
}

CopyOutcome CopyEngine::Report(const NotMade& failure) {
  delegate_.ReportError(failure);
  return CopyOutcome::Failed;
}

CopyOutcome CopyEngine::Fail(const Job& job, NotMade::Party at, const std::string& path,
                             const Step& failed) {
  NotMade failure = Failure(job, at, path, failed.call, failed.error);
  using End = Step::End;
  switch (failed.end) {
    case End::SourceChanged:
      failure.at = NotMade::Party::Source;
      failure.path = failure.source;
      failure.why = Reason::SourceChanged;
      return Report(failure);
    case End::FolderHasName:
      failure.why = Reason::FolderHasName;
      return Report(failure);
    case End::NameTooLong:
      failure.why = Reason::NameTooLong;
      failure.name.rules = folder_.volume.names;
      failure.longest = folder_.volume.nameMax;
      return Report(failure);
    case End::Taken:
      failure.why = Reason::Appeared;
      return Report(failure);
    case End::None:
    case End::Cancelled:
    case End::NothingHeld:
      break;
  }
  const int error = failed.error;
  // What the file system's answer means for the copy's own name: a folder above it was taken by
  // the file system already.
  if (at == NotMade::Party::Copy && path == job.target) {
    failure.name = NameRefusal(NameOf(path), folder_.volume.names, error);
  }
  if (failure.name.what != NameFault::What::None) {
    failure.why = Reason::NameRefused;
  } else if (std::string gone = Vanished(job, error); !gone.empty()) {
    failure.why = Reason::Unreachable;
    failure.at = NotMade::Party::Folder;
    failure.path = FromBytes(gone);
  }
  return Report(failure);
}

// A source or folder that was not found by a name whose bytes the window could not carry: it
// exists under the name it really has.
CopyOutcome CopyEngine::FailOpen(const Job& job, NotMade::Party at, const std::string& path,
                                 const Step& failed) {
  if (failed.error != ENOENT || !Ambiguous(path)) return Fail(job, at, path, failed);
  NotMade failure = Failure(job, at, path, failed.call, failed.error);
  failure.why = Reason::NotText;
  return Report(failure);
}

// The folder of the copy or of its source that went away with its server (or was removed)
// while the copy was under way, where `error` is how that shows; "" where none did. Only a look
// for the report's words: the step that failed is already known.
std::string CopyEngine::Vanished(const Job& job, int error) const {
  if (ServerGone(error)) return job.folder;
  if (job.out < 0 || (error != EIO && error != ENOENT)) return {};
  if (!FolderReachable()) return job.folder;
  struct stat st {};
  if (::stat(FolderOf(job.source).c_str(), &st) != 0) return FolderOf(job.source);
  // A server's folder may still be shown from the mount's cache (kio-fuse), while the copy
  // answers that it is gone.
  return error == ENOENT && folder_.volume.durability == Durability::EachCopy ? job.folder
                                                                              : std::string();
}

CopyOutcome CopyEngine::FailNotRegular(const Job& job, mode_t mode) {
  NotMade failure = Failure(job, NotMade::Party::Source, job.source, Call::None, 0);
  failure.why = Reason::NotRegular;
  failure.kind = S_ISDIR(mode)    ? FileKind::Folder
                 : S_ISFIFO(mode) ? FileKind::Fifo
                 : S_ISSOCK(mode) ? FileKind::Socket
                 : S_ISCHR(mode)  ? FileKind::CharacterDevice
                 : S_ISBLK(mode)  ? FileKind::BlockDevice
                                  : FileKind::Other;
  return Report(failure);
}

CopyOutcome CopyEngine::Copy(const std::string& source, const std::string& target) {
  Job job(source, target);
  Fd in;
  if (const Ending end = OpenSource(job, in)) return *end;
  if (const Ending end = OpenFolder(job)) return *end;
  if (const Ending end = CheckTarget(job)) return *end;
  for (;;) {
    Fd out;
    if (const Ending end = OpenTarget(job, out)) return *end;
    const CopyOutcome outcome = Finish(job, in.get(), out);
    if (!job.again) return outcome;
    // What the copy before saw of the source no longer holds: from its open, with a look of
    // its own. What the user decided for the target stands.
    job.again = false;
    in.Close();
    if (const Ending end = OpenSource(job, in)) return *end;
  }
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
      return FailNotRegular(job, named.st_mode);
    }
    return FailOpen(job, NotMade::Party::Source, job.source, failed);
  }
  // Copy after copy of one file, the look after the last copy's data stands for the look
  // before this one's; the look after this one's tells whether it held.
  if (!job.borrowed && lookedAt_ == job.source) {
    job.sourceStat = look_;
    job.borrowed = true;
    return std::nullopt;
  }
  job.borrowed = false;
  lookedAt_.clear();
  if (Sys(Call::Fstat, [&] { return ::fstat(in.get(), &job.sourceStat); }) != 0) {
    return Fail(job, NotMade::Party::Source, job.source, Step::Of(Call::Fstat));
  }
  if (!S_ISREG(job.sourceStat.st_mode)) return FailNotRegular(job, job.sourceStat.st_mode);
  return std::nullopt;
}

// The folder of the run's copies: resolved by its path at the run's first copy, made first
// where it is missing and the user agrees, and held from then on. What the last copies into it
// from the source's device taught us holds for the next; another folder starts afresh.
CopyEngine::Ending CopyEngine::OpenFolder(Job& job) {
  if (folder_.fd.get() < 0 || folder_.path != job.folder) {
    folder_ = Folder();
    const auto open = [&] {
      folder_.fd.Reset(Sys(Call::OpenFolder, [&] {
        return ::open(job.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
      }));
      return folder_.fd.get() >= 0 ? Step{} : Step::Of(Call::OpenFolder);
    };
    Step failed = open();
    // A folder whose name the window could not carry exists under another name; making this
    // one would only add a wrong folder.
    if (failed.error == ENOENT && !Ambiguous(job.folder)) {
      if (!delegate_.AskCreateFolder(FromBytes(job.folder))) return CopyOutcome::Skipped;
      failed = MakeFolders(job.folder);
      if (!failed) failed = open();
    }
    if (!failed &&
        Sys(Call::OpenFolder, [&] { return ::fstat(folder_.fd.get(), &folder_.st); }) != 0) {
      failed = Step::Of(Call::OpenFolder);
    }
    if (failed) {
      folder_.fd.Close();
      return FailOpen(job, NotMade::Party::Folder, job.folder, failed);
    }
    folder_.path = job.folder;
    folder_.volume = tuning_.mountType != nullptr ? VolumeFor(tuning_.mountType, "")
                                                  : VolumeOf(folder_.fd.get());
    if (folder_.volume.stallsAfterRenames && !delegate_.AskStallingFolder(FromBytes(job.folder))) {
      folder_ = Folder();
      return CopyOutcome::Skipped;
    }
    ListFolder();
  }
  const std::pair<dev_t, ino_t> folder{folder_.st.st_dev, folder_.st.st_ino};
  if (methodDevice_ != job.sourceStat.st_dev || methodFolder_ != folder) {
    methodDevice_ = job.sourceStat.st_dev;
    methodFolder_ = folder;
    method_ = Method::Clone;
    naming_ = Naming::NoReplace;
    unnamed_ = procFds_;
  }
  return std::nullopt;
}

// Asks before the data is copied, so a refused replace costs no time.
CopyEngine::Ending CopyEngine::CheckTarget(Job& job) {
  const std::string& target = job.target;
  // Before the target is even looked up: on a share that reads \ as a separator, the lookup
  // would already find another file, in another folder.
  if (const NameFault fault = NameRefusal(job.name, folder_.volume.names, 0);
      folder_.volume.names == NameRules::Share && fault.what != NameFault::What::None) {
    NotMade failure = Failure(job, NotMade::Party::Copy, target, Call::None, 0);
    failure.why = Reason::NameRefused;
    failure.name = fault;
    return Report(failure);
  }
  if (NameTooLong(job.name, folder_.volume)) {
    return Fail(job, NotMade::Party::Copy, target, Step::Ended(Step::End::NameTooLong));
  }
  // A name the folder did not hold when the run looked is free but for a race, which the naming
  // finds.
  if (folder_.listed && folder_.names.count(job.name) == 0) return std::nullopt;
  struct stat targetStat {};
  if (Sys(Call::TargetStat, [&] {
        return ::fstatat(folder_.fd.get(), job.name.c_str(), &targetStat, AT_SYMLINK_NOFOLLOW);
      }) == 0) {
    if (S_ISDIR(targetStat.st_mode)) {
      return Fail(job, NotMade::Party::Copy, target, Step::Ended(Step::End::FolderHasName));
    }
    if (!AskReplace(job, targetStat)) return CopyOutcome::Skipped;
    job.replacing = true;
  } else if (errno != ENOENT) {
    // A name that is too long: no copy could ever land there.
    return Fail(job, NotMade::Party::Copy, target, Step::Of(Call::TargetStat));
  }
  return std::nullopt;
}

CopyEngine::Ending CopyEngine::OpenTarget(Job& job, Fd& out) {
  // The source's permission bits less the umask, as for any new file: the copy of a file from
  // a FAT stick, where every file is 0777, is not left writable by all. Set-user-ID and
  // set-group-ID bits never go along.
  const mode_t mode = job.sourceStat.st_mode & 0777;
  for (;;) {
    Step failed;
    if (unnamed_) {
      // Whatever stops the copy from here on, a crash included, the file goes with its
      // descriptor and leaves nothing in the folder.
      out.Reset(Sys(Call::OpenUnnamed, [&] {
        return ::openat(folder_.fd.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
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
    if (failed) return Fail(job, NotMade::Party::Folder, job.folder, failed);
    job.out = out.get();
    if (!folder_.leftovers.empty()) RemoveLeftovers(out.get());
    return std::nullopt;
  }
}

// From the data to the name: a failure on the way removes what the copy wrote.
CopyOutcome CopyEngine::Finish(Job& job, int in, Fd& out) {
  const auto discard = [&](const Step& failed) {
    // Closed first: some file systems (NTFS through FUSE) refuse to remove a file still open.
    job.held.Close();
    out.Close();
    RemoveTemporary(job.temporary);
    if (failed.end == Step::End::Cancelled) return CopyOutcome::Cancelled;
    // A step that failed on reading names the source; any other, the copy.
    const bool reading = failed.call == Call::Read || failed.call == Call::Fstat ||
                         failed.call == Call::ListAttributes || failed.call == Call::GetAttribute;
    return reading ? Fail(job, NotMade::Party::Source, job.source, failed)
                   : Fail(job, NotMade::Party::Copy, job.target, failed);
  };
  Step failed = CopyData(job, in, out.get());
  if (!failed) failed = CheckSource(job, in);
  if (failed && job.borrowed && failed.end != Step::End::Cancelled) {
    // Nothing of it is told: the copy is made again, as if the source had been looked at first.
    job.again = true;
    lookedAt_.clear();
    job.held.Close();
    out.Close();
    RemoveTemporary(job.temporary);
    return CopyOutcome::Failed;
  }
  if (!failed) failed = CopyAttributes(job, in, out.get());
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
  if (outcome == CopyOutcome::Copied && folder_.volume.durability == Durability::EachCopy) {
    outcome = CheckName(job);
  }
  if (outcome != CopyOutcome::Copied) return outcome;
  NoteCopy(job);
  if (!job.timesMovedBy.empty() && unchecked_.client.empty()) {
    unchecked_.kind = RunNote::Kind::Unchecked;
    unchecked_.path = FromBytes(job.source);
    unchecked_.client = FromBytes(job.timesMovedBy);
  }
  return outcome;
}

std::string CopyEngine::NewTemporary() {
  return TemporaryName{TemporaryName::ThisMachine(), ::getpid(), ++tempSerial_}.Format();
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
      return ::openat(folder_.fd.get(), name.c_str(),
                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, mode);
    }));
    return out.get() < 0 ? Step::Of(Call::OpenNamed) : Step{};
  });
}

bool CopyEngine::AskReplace(const Job& job, const struct stat& existing) {
  const auto facts = [](const struct stat& st) {
    return FileFacts{static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec};
  };
  return delegate_.AskReplace(
      {FromBytes(job.source), FromBytes(job.target), facts(job.sourceStat), facts(existing)});
}

}  // namespace ferrowick
