// SPDX-License-Identifier: MIT
// How the copies reach the device, as far as the target's file system lets them: a large copy's
// chunks started for the device as they are copied, a copy flushed before it takes its name
// where that is needed, and the run's last flush. The only part of the engine that writes back,
// syncs or flushes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <system_error>

#include "engine_parts.h"
#include "utf.h"

namespace ferrowick {

using namespace engine;

// Starts the device writing the copy's data up to `done`, once a chunk more is copied, and waits
// for what was started the time before. The progress display then moves with the device, not
// with memory, and no more than two chunks of the copy wait in memory at any time. `kToEnd`:
// the copy's tail, once all of it is written.
CopyEngine::Step CopyEngine::WriteBack(Job& job, std::uint64_t done) {
  if (folder_.volume.durability != Durability::Syncfs ||
      static_cast<std::uint64_t>(job.sourceStat.st_size) <= tuning_.chunk ||
      (done != kToEnd && done - job.pushed < tuning_.chunk)) {
    return {};
  }
  const auto range = [&](std::uint64_t from, std::uint64_t to, unsigned flags) {
    const auto length = static_cast<off64_t>(to == kToEnd ? 0 : to - from);  // 0: to the end
    // Only a hint where the file system cannot take it; a failed write is a failed copy.
    if (Sys(Call::WriteBack,
            [&] {
              return ::sync_file_range(job.out, static_cast<off64_t>(from), length, flags);
            }) == 0 ||
        Unsupported(errno) || errno == ESPIPE) {
      return Step{};
    }
    return Step::Of(Call::WriteBack);
  };
  if (const Step failed = range(job.pushed, done, SYNC_FILE_RANGE_WRITE)) return failed;
  if (job.waited < job.pushed) {
    const Step failed =
        range(job.waited, job.pushed,
              SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
    if (failed) return failed;
  }
  job.waited = job.pushed;
  job.pushed = done;
  return {};
}

// The old file is given up only for a replacement that is already on the device: a crash at any
// moment then leaves one of the two, whole. Where the run's last syncfs cannot reach the device,
// no copy takes its name before it is there. `out` is -1 once a named temporary is closed.
CopyEngine::Step CopyEngine::SyncBeforeNaming(const Job& job, int out) {
  if (!job.replacing && folder_.volume.durability != Durability::EachCopy) return {};
  // A client that uploads a closed file on its own schedule (davfs2, rclone's write cache) takes
  // it to the server no sooner for a flush: the run ends with a note of that instead.
  if (!folder_.volume.uploadsLater.empty()) return {};
  if (out < 0) return SyncByName(folder_.fd.get(), job.temporary, Call::SyncData);
  return Sys(Call::SyncData, [&] { return ::fdatasync(out); }) == 0 ? Step{}
                                                                    : Step::Of(Call::SyncData);
}

// Flushes a named copy in `folder` whose own descriptor is closed: for Call::SyncData the data of
// a closed temporary, before it takes its name; for Call::SyncFs the run's last copy in a
// folder, where a copy removed or renamed since by someone else leaves nothing of ours to flush.
CopyEngine::Step CopyEngine::SyncByName(int folder, const std::string& name, Call call) {
  const Fd named(
      Sys(call, [&] { return ::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW); }));
  if (named.get() < 0) return call == Call::SyncFs && errno == ENOENT ? Step{} : Step::Of(call);
  const bool flushed =
      Sys(call, [&] {
        return call == Call::SyncData ? ::fdatasync(named.get()) : ::fsync(named.get());
      }) == 0;
  return flushed ? Step{} : Step::Of(call);
}

// While the copy is still open: a second descriptor on it, for the run's syncfs of its file
// system, where the run holds none there yet. The folder itself is never opened for that: the
// user may be able to write to it and not read it (a drop box, mode 0733). A copy's descriptor
// counts only once the copy has its name (NoteCopy): on a FUSE drive, a removed file that is
// still open stays behind under a hidden name.
void CopyEngine::HoldTarget(Job& job, int out) {
  if (folder_.volume.durability != Durability::Syncfs || folder_.noted) return;
  // The copy is on the folder's file system.
  for (const Target& target : targets_) {
    if (target.device == folder_.st.st_dev && target.fd >= 0) return;
  }
  const int held = Sys(Call::Hold, [&] { return ::fcntl(out, F_DUPFD_CLOEXEC, 0); });
  if (held < 0) job.holdError = errno;
  job.held.Reset(held);
}

// Once a copy has its name: what the run's final flush needs of its file system, known by the
// device the folder's descriptor is on.
void CopyEngine::NoteCopy(Job& job) {
  const dev_t device = folder_.st.st_dev;
  Target* target = nullptr;
  for (Target& known : targets_) {
    if (known.device == device) target = &known;
  }
  if (folder_.volume.durability == Durability::EachCopy) {
    if (target == nullptr) {
      target = &targets_.emplace_back(
          Target{device, job.folder, -1, 0, -1, {}, folder_.volume.uploadsLater});
    }
    // The run's last copy there, looked up in the folder that holds it.
    if (target->folderFd < 0 || target->folder != job.folder) {
      if (target->folderFd >= 0) ::close(target->folderFd);
      target->folderFd = ::fcntl(folder_.fd.get(), F_DUPFD_CLOEXEC, 0);
      target->folder = job.folder;
    }
    target->lastCopy = job.name;
    return;
  }
  if (folder_.noted) return;
  if (target == nullptr) {
    target = &targets_.emplace_back(
        Target{device, job.folder, -1, 0, -1, {}, folder_.volume.uploadsLater});
  }
  if (target->fd < 0) {
    target->fd = job.held.Release();
    target->error = job.holdError;
  }
  folder_.noted = target->fd >= 0;
}

bool CopyEngine::MakeDurable(const std::function<void()>& waiting) {
  // A run's end: the next run looks at its source afresh.
  lookedAt_.clear();
  bool whole = true;
  for (const Target& target : targets_) {
    const Step failed = Flush(target, waiting);
    if (target.fd >= 0) ::close(target.fd);
    if (target.folderFd >= 0) ::close(target.folderFd);
    if (failed) {
      NotMade failure{};
      failure.of = NotMade::Of::Copies;
      failure.at = NotMade::Party::Folder;
      failure.path = FromBytes(target.folder);
      failure.call = CallName(failed.call);
      failure.code = failed.error;
      // Nothing to flush them with, whether or not a call said why.
      if (failed.end == Step::End::NothingHeld || failed.call == Call::Hold) {
        failure.why = Reason::Unconfirmed;
      }
      delegate_.ReportError(failure);
      whole = false;
    } else if (!target.uploadsLater.empty()) {
      // Flushed, and still not on the server: its client uploads it on its own schedule.
      RunNote note{};
      note.kind = RunNote::Kind::Deferred;
      note.path = FromBytes(target.folder);
      note.client = FromBytes(target.uploadsLater);
      delegate_.ReportNote(note);
    }
  }
  targets_.clear();
  // The next run resolves its folder afresh.
  folder_ = Folder();
  ReportNotKept();
  if (!unchecked_.client.empty()) {
    delegate_.ReportNote(unchecked_);
    unchecked_ = RunNote();
  }
  return whole;
}

// One file system's copies onto its device, in a thread of its own so that the window stays
// live while the device catches up.
CopyEngine::Step CopyEngine::Flush(const Target& target, const std::function<void()>& waiting) {
  // No copy could be held there: nothing confirms the copies are on the device.
  if (target.fd < 0 && (target.lastCopy.empty() || target.folderFd < 0)) {
    return target.error != 0 ? Step{target.error, Call::Hold} : Step::Ended(Step::End::NothingHeld);
  }
  const auto sync = [&] {
    if (target.fd < 0) return SyncByName(target.folderFd, target.lastCopy, Call::SyncFs);
    return Sys(Call::SyncFs, [&] { return ::syncfs(target.fd); }) == 0 ? Step{}
                                                                       : Step::Of(Call::SyncFs);
  };
  try {
    auto result = std::async(std::launch::async, sync);
    while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) waiting();
    return result.get();
  } catch (const std::system_error&) {
    return sync();  // no thread to be had: the window waits with the device
  }
}

// Times and attributes that the targets refused since the last flush, named once.
void CopyEngine::ReportNotKept() {
  if (notKept_.empty() && timesNotKept_ == 0) return;
  RunNote note{};
  note.kind = RunNote::Kind::NotKept;
  note.attributes = std::move(notKept_);
  note.times = timesNotKept_;
  notKept_.clear();
  timesNotKept_ = 0;
  delegate_.ReportNote(note);
}

}  // namespace ferrowick
