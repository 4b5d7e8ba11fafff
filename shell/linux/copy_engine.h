// SPDX-License-Identifier: MIT
#pragma once
// Our own file copy for platforms without a shell copy operation: the target appears whole or
// not at all, even after a crash; an existing target is replaced only with the user's consent;
// holes in sparse files stay holes; extended attributes go along; every failure is reported.
// The engine never shows anything itself; it talks to the user through a delegate.

#include <sys/stat.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "fd.h"
#include "run_host.h"
#include "volume.h"

namespace ferrowick {

// Every kind of system call a copy makes.
enum class Call {
  None,            // no call: what ended the copy was none's failure
  Open,            // the source
  Stat,            // the source, by name: what is it, when it cannot be opened?
  Fstat,           // the opened source, at its open and again after its data
  OpenFolder,      // the target's folder, once a run
  TargetStat,      // is the target's name taken?
  OpenUnnamed,     // O_TMPFILE in the target's folder
  OpenNamed,       // a hidden temporary, where the folder's file system has no unnamed files
  MakeFolder,      // one component of a missing folder
  Clone,           // FICLONE
  CopyRange,       // copy_file_range
  Read,            // pread
  Write,           // pwrite
  Seek,            // SEEK_DATA / SEEK_HOLE
  Truncate,        // the hole at the end of a sparse copy
  ListAttributes,  // flistxattr
  GetAttribute,    // fgetxattr
  SetAttribute,    // fsetxattr
  SetTimes,
  Link,       // linkat: an unnamed file gets its name, or a temporary its target's
  Rename,     // rename / renameat2
  Close,      // of a named temporary, where a deferred write error can surface
  Unlink,     // of a temporary
  NameCheck,  // the copy's name looked up once given, where the server decides where it leads
  WriteBack,  // sync_file_range: a large copy's chunks go to the device as they are copied
  SyncData,   // fdatasync: a replacement, or on a network folder any copy, is on the device
              // before it takes its name
  SyncFs,     // syncfs, or fsync of the last copy where syncfs does not reach the server: the
              // run's copies are on the device before the run is over
  Hold,       // F_DUPFD: a copy's descriptor kept for the run's syncfs of its file system
};

// The call as a report names it: the system call, and what for where one serves two steps.
std::string_view CallName(Call call);

enum class CopyOutcome { Copied, Skipped, Cancelled, Failed };

// An access ACL as the kernel stores it (system.posix_acl_access) with what it gives the owner,
// the group class and others cut by `umask`, as the mode of a new file is; its named entries
// stay, held in check by the mask. Anything that is not such an ACL comes back as it was.
std::string CutByUmask(std::string_view acl, mode_t umask);

// The one seam between the engine and the system, for tests: it is asked before every call.
class CallFaults {
 public:
  virtual ~CallFaults() = default;
  // 0 lets the call through; an errno makes it fail with that error instead.
  virtual int Before(Call call) = 0;
};

class CopyEngine {
 public:
  struct Tuning {
    std::uint64_t chunk = 16u << 20;
    // The run's progress display waits this long, so that quick runs show none.
    std::chrono::milliseconds progressAfter{1000};
    CallFaults* faults = nullptr;
    // For tests: the target's and the source's file systems are taken to be of this type
    // ("fuse.sshfs", ...).
    const char* mountType = nullptr;
  };

  explicit CopyEngine(CopyDelegate& delegate) : CopyEngine(delegate, Tuning{}) {}
  CopyEngine(CopyDelegate& delegate, const Tuning& tuning);
  ~CopyEngine();
  CopyEngine(const CopyEngine&) = delete;
  CopyEngine& operator=(const CopyEngine&) = delete;

  CopyOutcome Copy(const std::string& source, const std::string& target);

  // Puts every copy made since the last call on its device: one syncfs per file system the
  // copies went to, through a copy the run holds open; where syncfs does not reach the server,
  // an fsync of the last copy in each folder. `waiting` is called every few milliseconds meanwhile.
  // A file system that fails, or that could not be flushed at all, is reported as an Unwritten
  // failure, and times and attributes that targets refused since the last call as one NotKept
  // report. False when a file system's copies are not confirmed on its device.
  bool MakeDurable(const std::function<void()>& waiting);

 private:
  enum class Method { Clone, Range, ReadWrite };
  // How a named temporary takes its name without replacing a file: renameat2 with
  // RENAME_NOREPLACE, else a hard link, else a check and a plain rename.
  enum class Naming { NoReplace, Link, Check };
  struct Job;
  struct Step;
  // A stage of a copy either lets it go on (nullopt) or ends it with this outcome, reported.
  using Ending = std::optional<CopyOutcome>;

  template <typename F>
  auto Sys(Call call, F&& f) -> decltype(f());

  // The stages of a copy.
  Ending OpenSource(Job& job, engine::Fd& in);
  Ending OpenFolder(Job& job);
  Ending CheckTarget(Job& job);
  Ending OpenTarget(Job& job, engine::Fd& out);
  CopyOutcome Finish(Job& job, int in, engine::Fd& out);

  // What every report of a copy not made says: whose copy, which file is at fault, which call
  // failed and with what, and what it left behind.
  NotMade Failure(const Job& job, NotMade::Party at, const std::string& path, Call call,
                  int error) const;
  CopyOutcome Report(const NotMade& failure);
  CopyOutcome Fail(const Job& job, NotMade::Party at, const std::string& path, const Step& failed);
  CopyOutcome FailOpen(const Job& job, NotMade::Party at, const std::string& path,
                       const Step& failed);
  CopyOutcome FailNotRegular(const Job& job, mode_t mode);
  std::string Vanished(const Job& job, int error) const;
  bool FolderReachable() const;
  // The folder's path with `name` in it, as reports show it.
  std::string InFolder(const std::string& name) const;
  void ListFolder();
  std::string NewTemporary();
  Step MakeFolders(const std::string& folder);
  Step OpenNamed(Job& job, mode_t mode, engine::Fd& out);
  Step Hide(Job& job, const std::function<Step(const std::string&)>& make);
  Step CopyData(Job& job, int in, int out);
  Step CopySparse(Job& job, int in, int out);
  Step CopySpan(Job& job, int in, int out, std::uint64_t& at, std::uint64_t end);
  Step CopyReads(Job& job, int in, int out, std::uint64_t& at, std::uint64_t end);
  Step CheckSource(Job& job, int in);
  Step CopyAttributes(const Job& job, int in, int out);
  void NotKept(const std::string& name, int error, Call call);
  Step ReadAttributes(int in);
  Step CopyTimes(const Job& job, int out);
  void RemoveTemporary(std::string& temporary);
  Step NameTemporary(Job& job);
  void RemoveLeftovers(int out);
  Step Tick(Job& job, std::uint64_t done);
  bool AskReplace(const Job& job, const struct stat& existing);
  CopyOutcome Commit(Job& job, int out);
  CopyOutcome CheckName(const Job& job);

  // How the copies reach the device (copy_durability.cpp), as the target's file system allows.
  Step WriteBack(Job& job, std::uint64_t done);
  Step SyncBeforeNaming(const Job& job, int out);
  Step SyncByName(int folder, const std::string& name, Call call);
  void HoldTarget(Job& job, int out);
  void NoteCopy(Job& job);
  struct Target;
  Step Flush(const Target& target, const std::function<void()>& waiting);
  void ReportNotKept();
  const Volume& SourceVolume(const Job& job, int in);

  // The folder a run's copies go to, resolved once: opened by its path at the run's first copy
  // and held until the run's end (O_PATH, so that a drop box the user may write to and not read
  // is held too). Every step of every copy is made relative to it: a folder renamed, or swapped
  // for a link, while the run goes on cannot send a copy anywhere else.
  struct Folder {
    std::string path;  // as the copies' names give it, which the reports show
    engine::Fd fd;
    struct stat st {};
    Volume volume;
    // The names in it when the run first looked, where it could be read: a copy whose name was
    // not among them needs no look-up first. One that appears meanwhile is found as the copy
    // takes its name, which never replaces a file.
    std::unordered_set<std::string> names;
    bool listed = false;
    std::vector<std::string> leftovers;  // temporaries of killed runs, to look at once
    bool noted = false;                  // the run's final flush knows how to reach its file system
  };

  // A file system the copies went to, until MakeDurable, by the device number the folder's
  // descriptor gives: where to name it, and for syncfs a descriptor on one of the run's copies
  // there, never on the folder, which the user may be able to write to and not read (a drop
  // box). Where syncfs does not reach the device, the run's last copy there is flushed once more
  // instead, looked up in its folder: on the server, that commits the names given since the
  // copies' own flushes.
  struct Target {
    dev_t device;
    std::string folder;
    int fd;        // a copy, for syncfs; closed by MakeDurable, or by the engine's end
    int error;     // why no descriptor could be held, where none is
    int folderFd;  // where the last copy is looked up, for a flush by name
    std::string lastCopy;
    std::string uploadsLater;  // the client that does, or ""
  };

  // A source's extended attributes as last read, with what identifies that state of it: the
  // next copy of an unchanged source needs no second reading.
  struct SourceAttributes {
    dev_t device = 0;
    ino_t inode = 0;
    struct timespec changed {};
    bool valid = false;
    std::vector<std::pair<std::string, std::string>> list;
  };

  CopyDelegate& delegate_;
  Tuning tuning_;
  bool procFds_;      // /proc/self/fd names an unnamed file for linkat
  std::string comm_;  // our process name: a temporary of a process by another name is stale
  mode_t umask_;      // new files are no more open than it lets them be, an ACL's neither
  unsigned long long tempSerial_ = 0;
  std::unique_ptr<char[]> buffer_;
  std::vector<char> names_;
  std::vector<char> value_;
  SourceAttributes attributes_;
  // What the last copies into this folder from this device taught us.
  dev_t methodDevice_ = 0;
  std::pair<dev_t, ino_t> methodFolder_{};
  Method method_ = Method::Clone;
  Naming naming_ = Naming::NoReplace;
  bool unnamed_ = true;
  Folder folder_;
  std::vector<RunNote::Attribute> notKept_;  // attributes refused, with the reason
  int timesNotKept_ = 0;                     // why the targets refused the times, or 0
  // The file system of the last source, by its device: whether its times tell a change.
  dev_t sourceDevice_ = 0;
  Volume sourceVolume_;
  // A source kept though its times moved during its copy, where they move on their own.
  RunNote unchecked_;
  // The last look at the last copy's source, after its data: a run copies one file many times,
  // and the look after one copy is the look before the next. It holds only where the look
  // after that next copy finds the file as it was.
  std::string lookedAt_;
  struct stat look_ {};
  std::vector<Target> targets_;
};

}  // namespace ferrowick
