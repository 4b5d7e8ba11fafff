// SPDX-License-Identifier: MIT
// The data of a copy: cloned where the file system shares blocks, copied in the kernel where it
// can, read and written where not; holes kept; large copies written back as they go.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <memory>

#include "engine_parts.h"

namespace ferrowick {

using namespace engine;

CopyEngine::Step CopyEngine::CopyData(Job& job, int in, int out) {
  const auto size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  std::uint64_t at = 0;
  // Files of /proc, /sys and many FUSE file systems say they are empty and yet read as text;
  // for a file that really is empty, finding out costs one read.
  if (size == 0) return CopyReads(job, in, out, at, kToEnd);

  if (method_ == Method::Clone) {
    if (Sys(Call::Clone, [&] { return ::ioctl(out, FICLONE, in); }) == 0) return {};
    if (!Unsupported(errno)) return Step::Of(Call::Clone);
    method_ = Method::Range;
  }
  if (MaybeSparse(job.sourceStat)) {
    if (const Step failed = CopySparse(job, in, out)) return failed;
  } else {
    // To the size fstat gave: a source that ends sooner changed while it was copied; one that
    // goes on, the look at it after its data tells.
    if (const Step failed = CopySpan(job, in, out, at, size)) return failed;
    if (at != size) return Step::Ended(Step::End::SourceChanged);
  }
  // The tail of a large copy starts for the device too; the run's last wait then covers a
  // chunk at most.
  return WriteBack(job, kToEnd);
}

// The source looked at once more after its data: a copy of a file that was written to while it
// was copied (truncated, grown, rewritten) is none of what the file was or is, and does not take
// the copy's name. Where the source's client moves its times on its own, only its size can tell;
// the copy is then kept, and the run's end says that a change of the rest could not be seen.
CopyEngine::Step CopyEngine::CheckSource(Job& job, int in) {
  struct stat now {};
  if (Sys(Call::Fstat, [&] { return ::fstat(in, &now); }) != 0) return Step::Of(Call::Fstat);
  const struct stat& was = job.sourceStat;
  const auto same = [](const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
  };
  // The descriptor holds the file it was opened on, whatever its name meanwhile leads to; its
  // inode number is the file system's to give, and a FUSE one (rclone) may give another.
  if (now.st_size != was.st_size) return Step::Ended(Step::End::SourceChanged);
  if (!same(now.st_mtim, was.st_mtim) || !same(now.st_ctim, was.st_ctim)) {
    job.timesMovedBy = SourceVolume(job, in).ownTimes;
    if (job.timesMovedBy.empty()) return Step::Ended(Step::End::SourceChanged);
  }
  // A look borrowed from another copy is of the file the name led to then.
  if (job.borrowed &&
      (now.st_ino != was.st_ino || now.st_dev != was.st_dev || now.st_mode != was.st_mode)) {
    return Step::Ended(Step::End::SourceChanged);
  }
  lookedAt_ = job.source;
  look_ = now;
  return {};
}

// Asked only once a source's times moved, and then once for its file system.
const Volume& CopyEngine::SourceVolume(const Job& job, int in) {
  if (sourceDevice_ != job.sourceStat.st_dev || sourceVolume_.type.empty()) {
    sourceDevice_ = job.sourceStat.st_dev;
    sourceVolume_ = tuning_.mountType != nullptr ? VolumeFor(tuning_.mountType, "") : VolumeOf(in);
  }
  return sourceVolume_;
}

// Only the data goes over; the holes between stay holes in the copy.
CopyEngine::Step CopyEngine::CopySparse(Job& job, int in, int out) {
  const auto size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  std::uint64_t length = size;
  std::uint64_t at = 0;
  while (at < size) {
    const off_t data =
        Sys(Call::Seek, [&] { return ::lseek(in, static_cast<off_t>(at), SEEK_DATA); });
    if (data < 0) {
      if (errno == ENXIO) break;  // nothing but a hole to the end
      if (at == 0 && errno == EINVAL) return CopySpan(job, in, out, at, kToEnd);
      return Step::Of(Call::Seek);
    }
    const off_t hole = Sys(Call::Seek, [&] { return ::lseek(in, data, SEEK_HOLE); });
    if (hole < 0) return Step::Of(Call::Seek);
    at = static_cast<std::uint64_t>(data);
    const std::uint64_t end = std::min(static_cast<std::uint64_t>(hole), size);
    if (const Step failed = CopySpan(job, in, out, at, end)) return failed;
    if (at < end) {
      length = at;  // the file shrank meanwhile: the copy ends where reading ended
      break;
    }
  }
  // The copy is as long as the source, though nothing was written at its end.
  if (Sys(Call::Truncate, [&] { return ::ftruncate(out, static_cast<off_t>(length)); }) != 0) {
    return Step::Of(Call::Truncate);
  }
  return {};
}

// Copies from `at` to `end`, or to where reading ends; `at` follows what has been copied.
CopyEngine::Step CopyEngine::CopySpan(Job& job, int in, int out, std::uint64_t& at,
                                      std::uint64_t end) {
  const std::uint64_t start = at;
  while (method_ == Method::Range && at < end) {
    auto inAt = static_cast<loff_t>(at);
    auto outAt = inAt;
    const ssize_t n = Sys(Call::CopyRange, [&] {
      return ::copy_file_range(in, &inAt, out, &outAt, std::min(tuning_.chunk, end - at), 0);
    });
    if (n < 0) {
      if (errno == EINTR) continue;
      if (at != start || !Unsupported(errno)) return Step::Of(Call::CopyRange);
      method_ = Method::ReadWrite;
      break;
    }
    if (n == 0) {
      // Some file systems answer "nothing" where they cannot copy in the kernel; a read says
      // for sure.
      if (at == 0) break;
      return {};
    }
    at += static_cast<std::uint64_t>(n);
    if (const Step failed = Tick(job, at)) return failed;
  }
  return at >= end ? Step{} : CopyReads(job, in, out, at, end);
}

CopyEngine::Step CopyEngine::CopyReads(Job& job, int in, int out, std::uint64_t& at,
                                       std::uint64_t end) {
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
  bool stream = false;  // the file cannot be read at an offset, only in order
  while (at < end) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kBufferSize, end - at));
    const ssize_t n = Sys(Call::Read, [&] {
      return stream ? ::read(in, buffer_.get(), want)
                    : ::pread(in, buffer_.get(), want, static_cast<off_t>(at));
    });
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == ESPIPE && at == 0 && !stream) {
      stream = true;
      continue;
    }
    if (n < 0) return Step::Of(Call::Read);
    if (n == 0) return {};
    for (ssize_t written = 0; written < n;) {
      const ssize_t w = Sys(Call::Write, [&] {
        return ::pwrite(out, buffer_.get() + written, static_cast<std::size_t>(n - written),
                        static_cast<off_t>(at) + written);
      });
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) return Step::Of(Call::Write);
      written += w;
    }
    at += static_cast<std::uint64_t>(n);
    if (const Step failed = Tick(job, at)) return failed;
  }
  return {};
}

// Between the chunks of a large copy: the data goes on to the device, and the delegate hears how
// far the copy is and may cancel it.
CopyEngine::Step CopyEngine::Tick(Job& job, std::uint64_t done) {
  const auto size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  if (size <= tuning_.chunk) return {};
  if (const Step failed = WriteBack(job, done)) return failed;
  if (delegate_.Progress(std::min(done, size), size)) return {};
  return Step::Ended(Step::End::Cancelled);
}

}  // namespace ferrowick
