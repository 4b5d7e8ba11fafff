// SPDX-License-Identifier: MIT
#pragma once
// What the copy engine's parts share: the copy in hand, what a step came to, descriptors that
// close themselves, the one seam to the system, and the facts about errors and names that more
// than one part needs. Only the engine's own files (copy_*.cpp) include this.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

#include "copy_engine.h"
#include "fd.h"
#include "volume.h"

namespace ferrowick::engine {

// Read and write in large pieces: fewer calls, and a FUSE mount cuts each into the requests its
// server takes anyway (on sshfs, 128 KiB to 4 MiB pieces measure alike).
constexpr std::size_t kBufferSize = 4u << 20;
constexpr std::uint64_t kToEnd = UINT64_MAX;

inline std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The first line of a small file, or "" where it cannot be read.
std::string FirstLine(const std::string& path);

// The kernel cannot do this copy itself, though a plainer way may.
inline bool Unsupported(int error) {
  return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL ||
         error == ENOSYS || error == EBADF;
}

// The target will not keep a file's times or an attribute, though it takes its data whole: it
// has no such thing (kio-fuse answers ENOTTY to any change of times), or only another owner or
// the system may set it. A failure of the device itself (EIO, ENOSPC, ENOTCONN) is none of these.
inline bool NotKeptThere(int error) {
  return error == EOPNOTSUPP || error == ENOTTY || error == ENOSYS || error == EPERM ||
         error == EACCES || error == EINVAL;
}

// How a network file system says that its server went away (sshfs: ECONNABORTED).
inline bool ServerGone(int error) {
  for (const int lost : {ENOTCONN, ECONNABORTED, ECONNRESET, ECONNREFUSED, EHOSTDOWN, EHOSTUNREACH,
                         ENETDOWN, ENETUNREACH, ESHUTDOWN, ETIMEDOUT}) {
    if (error == lost) return true;
  }
  return false;
}

// The folder is there, but its file system (vfat, many network and FUSE ones) or the kernel
// has no unnamed files.
inline bool NoUnnamedFiles(int error) {
  return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// The last component of a path.
inline std::string_view NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string_view(path)
                                    : std::string_view(path).substr(slash + 1);
}

// Fewer blocks than the size needs: there may be holes to keep.
inline bool MaybeSparse(const struct stat& st) {
  return static_cast<std::uint64_t>(st.st_blocks) * 512 < static_cast<std::uint64_t>(st.st_size);
}

}  // namespace ferrowick::engine

namespace ferrowick {

// What a step of a copy came to: done, failed in `call` with `error`, or ended the copy for a
// reason that is no call's failure. Made where that happened and passed up as it is, so that the
// report names that call or reason whatever was tidied up after it.
struct CopyEngine::Step {
  int error = 0;  // the errno `call` failed with; 0 where no call failed
  Call call = Call::None;
  enum class End {
    None,
    Cancelled,      // the user cancelled the copy
    SourceChanged,  // the source was written to while it was copied
    Taken,          // a file has the copy's name: it appeared while the copy was made
    FolderHasName,  // a folder has the copy's name
    NameTooLong,    // longer than the copy's file system takes
    NothingHeld,    // no copy of the run could be held open to flush its file system
  } end = End::None;
  // True when the step ended the copy: `if (const Step failed = ...)`.
  explicit operator bool() const { return error != 0 || end != End::None; }
  // The failure of `call`, read from errno right after it.
  static Step Of(Call call) { return {errno, call}; }
  static Step Ended(End end) { return {0, Call::None, end}; }
};

struct CopyEngine::Job {
  Job(const std::string& from, const std::string& to)
      : source(from), target(to), folder(engine::FolderOf(to)), name(engine::NameOf(to)) {}

  const std::string& source;
  const std::string& target;
  std::string folder;
  std::string name;       // the copy's, in its folder
  std::string temporary;  // the copy's hidden name in its folder, while it has one
  bool unnamed = false;   // an O_TMPFILE file: it has no name until it is whole
  struct stat sourceStat {};
  bool borrowed = false;     // sourceStat is the last copy's look at the same source
  bool again = false;        // the borrowed look did not hold: the copy is made once more
  std::string timesMovedBy;  // the client that moved the source's times during its copy
  bool replacing = false;    // the user agreed to replace the target
  int out = -1;              // from here on the copy has begun
  // A second descriptor on the copy, for the run's syncfs once the copy has its name. Closed
  // before the copy is removed on a failure: some file systems will not remove an open file.
  engine::Fd held;
  int holdError = 0;         // why none could be made
  std::uint64_t pushed = 0;  // the copy's data up to here has been started for the device,
  std::uint64_t waited = 0;  // and up to here is on it
};

template <typename F>
auto CopyEngine::Sys(Call call, F&& f) -> decltype(f()) {
  if (tuning_.faults != nullptr) {
    if (const int error = tuning_.faults->Before(call); error != 0) {
      errno = error;
      return -1;
    }
  }
  return f();
}

}  // namespace ferrowick
