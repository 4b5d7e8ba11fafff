// SPDX-License-Identifier: MIT
#include "copy_engine.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <string_view>
#include <system_error>
#include <thread>

namespace ferrowick {
namespace {

constexpr std::size_t kBufferSize = 1u << 20;
constexpr std::uint64_t kToEnd = UINT64_MAX;
// What a name turns into when it held bytes that are not UTF-8 and went through the window.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The first line of a small file, or "" where it cannot be read.
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

// The kernel cannot do this copy itself, though a plainer way may.
bool Unsupported(int error) {
  return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL ||
         error == ENOSYS || error == EBADF;
}

// The folder is there, but its file system (vfat, many network and FUSE ones) or the kernel
// has no unnamed files.
bool NoUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

bool SystemNamespace(const char* name) {
  return std::strncmp(name, "security.", 9) == 0 || std::strncmp(name, "trusted.", 8) == 0 ||
         std::strncmp(name, "system.", 7) == 0;
}

// Attributes a source may keep from us: its file system has none, or only the system reads
// them. The copy is no less whole without them.
bool Unreadable(int error, const char* name) {
  return error == EOPNOTSUPP || (SystemNamespace(name) && (error == EPERM || error == EACCES));
}

// Attributes a target may refuse while taking the data whole: it keeps none of that kind, none
// that large, or only the system may set them. The user hears of them at the end of the run.
bool Refused(int error, const char* name) {
  return error == EOPNOTSUPP || error == ENOSPC || error == E2BIG || error == ERANGE ||
         (SystemNamespace(name) && (error == EPERM || error == EACCES));
}

// Why a drive refused a name, where the name says so: FAT, exFAT and NTFS forbid some printable
// characters and a name that ends in a dot or a space. "" where the name looks fine.
std::string NameRefusal(const std::string& path, int error) {
  if (error != EINVAL && error != EPERM && error != EILSEQ) return {};
  static constexpr std::string_view kForbidden = "\"*:<>?\\|";
  std::size_t start = 0;
  while (start < path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string_view name(path.data() + start, end - start);
    std::string why;
    if (const auto bad = name.find_first_of(kForbidden); bad != std::string_view::npos) {
      why = std::string("the character ") + name[bad] + " is not allowed in names there";
    } else if (!name.empty() && name != "." && name != ".." &&
               (name.back() == '.' || name.back() == ' ')) {
      why = "a name may not end in a dot or a space there";
    }
    if (!why.empty()) {
      return "The drive does not allow the name \"" + std::string(name) + "\": " + why +
             " (FAT, exFAT and NTFS drives forbid \" * : < > ? \\ | and a dot or space at the "
             "end). Choose another name or folder.";
    }
    start = end + 1;
  }
  if (error == EILSEQ) {
    return "The drive cannot store a character of this name: its file system takes only the "
           "characters of its own character set. Choose another name or folder.";
  }
  return {};
}

// Fewer blocks than the size needs: there may be holes to keep.
bool MaybeSparse(const struct stat& st) {
  return static_cast<std::uint64_t>(st.st_blocks) * 512 < static_cast<std::uint64_t>(st.st_size);
}

}  // namespace

struct CopyEngine::Job {
  Job(const std::string& from, const std::string& to)
      : source(from), target(to), folder(FolderOf(to)) {}

  const std::string& source;
  const std::string& target;
  std::string folder;
  std::string temporary;  // the copy's hidden name, while it has one
  bool unnamed = false;   // an O_TMPFILE file: it has no name until it is whole
  struct stat sourceStat {};
  int out = -1;
  std::uint64_t pushed = 0;  // the copy's data up to here has been started for the device,
  std::uint64_t waited = 0;  // and up to here is on it
  bool cancelled = false;
};

CopyEngine::CopyEngine(CopyDelegate& delegate, const Tuning& tuning)
    : delegate_(delegate), tuning_(tuning) {
  pid_ = std::to_string(::getpid());
  comm_ = FirstLine("/proc/self/comm");
  procFds_ = ::access("/proc/self/fd", X_OK) == 0;
  unnamed_ = procFds_;
}

CopyEngine::~CopyEngine() {
  for (const Target& target : targets_) ::close(target.fd);
}

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

CopyOutcome CopyEngine::Fail(const Job& job, const std::string& path, int error) {
  std::string reason = NameRefusal(path, error);
  if (reason.empty()) reason = std::strerror(error);
  if (error == ENOENT && path.find(kReplacement) != std::string::npos) {
    reason =
        "The name holds characters that are not UTF-8 text, and such a name cannot pass "
        "through this program's text boxes. Rename the file or folder and try again.";
  }
  delegate_.ReportError({job.source, job.target, path, reason});
  return CopyOutcome::Failed;
}

CopyOutcome CopyEngine::FailNotRegular(const Job& job, mode_t mode) {
  if (S_ISDIR(mode)) return Fail(job, job.source, EISDIR);
  const char* kind = S_ISFIFO(mode)   ? "a named pipe (FIFO)"
                     : S_ISSOCK(mode) ? "a socket"
                     : S_ISCHR(mode)  ? "a character device"
                     : S_ISBLK(mode)  ? "a block device"
                                      : "a special file";
  delegate_.ReportError(
      {job.source, job.target, job.source,
       std::string("This is ") + kind + ", not a regular file. Only regular files can be copied."});
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
  NoteTarget(job, out.get());

  // Closed first: some file systems (NTFS through FUSE) refuse to remove a file still open.
  const auto discard = [&] {
    if (out.get() >= 0) out.Close();
    RemoveTemporary(job.temporary);
  };
  if (!CopyData(job, in.get(), out.get())) {
    const int error = errno;
    discard();
    return job.cancelled ? CopyOutcome::Cancelled : Fail(job, target, error);
  }
  const struct timespec times[2] = {job.sourceStat.st_atim, job.sourceStat.st_mtim};
  if (!CopyAttributes(in.get(), out.get()) ||
      Sys(Call::SetTimes, [&] { return ::futimens(out.get(), times); }) != 0 ||
      // The old file is given up only for a replacement that is already on the device: a crash
      // at any moment then leaves one of the two, whole.
      (replaceAgreed && SyncData(job, out.get()) != 0) ||
      // A named temporary is closed before it takes the target's name, because closing is where
      // a network file system reports a write that failed.
      (!job.unnamed && Sys(Call::Close, [&] { return out.Close(); }) != 0)) {
    const int error = errno;
    discard();
    return Fail(job, target, error);
  }
  // An unnamed file is closed only once it has its name; until then closing would delete it.
  // Only local file systems have unnamed files, and their close has no write left to report.
  return Commit(job, out.get(), replaceAgreed);  // -1 for a named temporary: it is closed
}

std::string CopyEngine::TemporaryName(const std::string& folder) {
  return (folder == "/" ? "" : folder) + "/.~ferrowick-" + pid_ + "-" +
         std::to_string(++tempSerial_) + ".tmp";
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
    job.temporary = TemporaryName(job.folder);
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

bool CopyEngine::CopyData(Job& job, int in, int out) {
  const auto size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  std::uint64_t at = 0;
  // Files of /proc, /sys and many FUSE file systems say they are empty and yet read as text;
  // for a file that really is empty, finding out costs one read.
  if (size == 0) return CopyReads(job, in, out, at, kToEnd);

  if (method_ == Method::Clone) {
    if (Sys(Call::Clone, [&] { return ::ioctl(out, FICLONE, in); }) == 0) return true;
    if (!Unsupported(errno)) return false;
    method_ = Method::Range;
  }
  const bool copied = MaybeSparse(job.sourceStat) ? CopySparse(job, in, out)
                                                  // To where reading ends, not to the size
                                                  // stat gave: one call more confirms the end.
                                                  : CopySpan(job, in, out, at, kToEnd);
  // The tail of a large copy starts for the device too; the run's last wait then covers a
  // chunk at most.
  return copied && (size <= tuning_.chunk || WriteBack(job, kToEnd));
}

// Only the data goes over; the holes between stay holes in the copy.
bool CopyEngine::CopySparse(Job& job, int in, int out) {
  const auto size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  std::uint64_t length = size;
  std::uint64_t at = 0;
  while (at < size) {
    const off_t data =
        Sys(Call::Seek, [&] { return ::lseek(in, static_cast<off_t>(at), SEEK_DATA); });
    if (data < 0) {
      if (errno == ENXIO) break;  // nothing but a hole to the end
      if (at == 0 && errno == EINVAL) return CopySpan(job, in, out, at, kToEnd);
      return false;
    }
    const off_t hole = Sys(Call::Seek, [&] { return ::lseek(in, data, SEEK_HOLE); });
    if (hole < 0) return false;
    at = static_cast<std::uint64_t>(data);
    const std::uint64_t end = std::min(static_cast<std::uint64_t>(hole), size);
    if (!CopySpan(job, in, out, at, end)) return false;
    if (at < end) {
      length = at;  // the file shrank meanwhile: the copy ends where reading ended
      break;
    }
  }
  // The copy is as long as the source, though nothing was written at its end.
  return Sys(Call::Truncate, [&] { return ::ftruncate(out, static_cast<off_t>(length)); }) == 0;
}

// Copies from `at` to `end`, or to where reading ends; `at` follows what has been copied.
bool CopyEngine::CopySpan(Job& job, int in, int out, std::uint64_t& at, std::uint64_t end) {
  const std::uint64_t start = at;
  while (method_ == Method::Range && at < end) {
    auto inAt = static_cast<loff_t>(at);
    auto outAt = inAt;
    const ssize_t n = Sys(Call::CopyRange, [&] {
      return ::copy_file_range(in, &inAt, out, &outAt, std::min(tuning_.chunk, end - at), 0);
    });
    if (n < 0) {
      if (errno == EINTR) continue;
      if (at != start || !Unsupported(errno)) return false;
      method_ = Method::ReadWrite;
      break;
    }
    if (n == 0) {
      // Some file systems answer "nothing" where they cannot copy in the kernel; a read says
      // for sure.
      if (at == 0) break;
      return true;
    }
    at += static_cast<std::uint64_t>(n);
    if (!Tick(job, at)) return false;
  }
  return at >= end || CopyReads(job, in, out, at, end);
}

bool CopyEngine::CopyReads(Job& job, int in, int out, std::uint64_t& at, std::uint64_t end) {
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
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t written = 0; written < n;) {
      const ssize_t w = Sys(Call::Write, [&] {
        return ::pwrite(out, buffer_.get() + written, static_cast<std::size_t>(n - written),
                        static_cast<off_t>(at) + written);
      });
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) return false;
      written += w;
    }
    at += static_cast<std::uint64_t>(n);
    if (!Tick(job, at)) return false;
  }
  return true;
}

bool CopyEngine::CopyAttributes(int in, int out) {
  if (names_.empty()) names_.resize(4096);
  if (value_.empty()) value_.resize(4096);
  ssize_t length;
  for (;;) {
    length =
        Sys(Call::ListAttributes, [&] { return ::flistxattr(in, names_.data(), names_.size()); });
    if (length >= 0) break;
    if (errno == EOPNOTSUPP) return true;  // the source's file system keeps none
    if (errno != ERANGE) return false;
    const ssize_t needed = Sys(Call::ListAttributes, [&] { return ::flistxattr(in, nullptr, 0); });
    if (needed < 0) return false;
    names_.resize(static_cast<std::size_t>(needed) + 256);
  }
  const char* const last = names_.data() + length;
  for (const char* name = names_.data(); name < last; name += std::strlen(name) + 1) {
    ssize_t size;
    for (;;) {
      size = Sys(Call::GetAttribute,
                 [&] { return ::fgetxattr(in, name, value_.data(), value_.size()); });
      if (size >= 0 || errno != ERANGE) break;
      const ssize_t needed =
          Sys(Call::GetAttribute, [&] { return ::fgetxattr(in, name, nullptr, 0); });
      if (needed < 0) break;
      value_.resize(static_cast<std::size_t>(needed) + 64);
    }
    if (size < 0) {
      if (errno == ENODATA || Unreadable(errno, name)) continue;  // gone meanwhile, or not ours
      return false;
    }
    if (Sys(Call::SetAttribute, [&] {
          return ::fsetxattr(out, name, value_.data(), static_cast<std::size_t>(size), 0);
        }) != 0) {
      if (!Refused(errno, name)) return false;
      if (std::none_of(notKept_.begin(), notKept_.end(),
                       [&](const auto& kept) { return kept.first == name; })) {
        notKept_.emplace_back(name, errno);
      }
    }
  }
  return true;
}

// Between the chunks of a large copy: the data goes on to the device, and the delegate hears how
// far the copy is and may cancel it.
bool CopyEngine::Tick(Job& job, std::uint64_t done) {
  const auto size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  if (size <= tuning_.chunk) return true;
  if (done - job.pushed >= tuning_.chunk && !WriteBack(job, done)) return false;
  if (delegate_.Progress(job.source, job.target, std::min(done, size), size)) return true;
  job.cancelled = true;
  errno = ECANCELED;
  return false;
}

// Starts the device writing the copy's data up to `done` and waits for what was started the
// time before. The progress display then moves with the device, not with memory, and no more
// than two chunks of the copy wait in memory at any time.
bool CopyEngine::WriteBack(Job& job, std::uint64_t done) {
  const auto range = [&](std::uint64_t from, std::uint64_t to, unsigned flags) {
    const auto length = static_cast<off64_t>(to == kToEnd ? 0 : to - from);  // 0: to the end
    // Only a hint where the file system cannot take it; a failed write is a failed copy.
    return Sys(Call::WriteBack,
               [&] {
                 return ::sync_file_range(job.out, static_cast<off64_t>(from), length, flags);
               }) == 0 ||
           Unsupported(errno) || errno == ESPIPE;
  };
  if (!range(job.pushed, done, SYNC_FILE_RANGE_WRITE)) return false;
  if (job.waited < job.pushed &&
      !range(job.waited, job.pushed,
             SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER)) {
    return false;
  }
  job.waited = job.pushed;
  job.pushed = done;
  return true;
}

// fdatasync of the copy, through its descriptor or, once a named temporary is closed, its name.
int CopyEngine::SyncData(const Job& job, int out) {
  if (out >= 0) return Sys(Call::SyncData, [&] { return ::fdatasync(out); });
  const Fd named(::open(job.temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  if (named.get() < 0) return -1;
  return Sys(Call::SyncData, [&] { return ::fdatasync(named.get()); });
}

// Remembers the file system of the copy's folder for MakeDurable, with a descriptor on it.
void CopyEngine::NoteTarget(const Job& job, int out) {
  if (job.folder == notedFolder_) return;
  notedFolder_ = job.folder;
  struct stat st {};
  if (::fstat(out, &st) != 0) st.st_dev = 0;
  for (const Target& target : targets_) {
    if (target.device == st.st_dev) return;
  }
  // The folder rather than the copy: a FUSE file system keeps a file removed while open under
  // a hidden name until it is closed, and a failed copy is removed.
  if (const int fd = ::open(job.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
    targets_.push_back({st.st_dev, job.folder, fd});
  }
}

bool CopyEngine::MakeDurable(const std::function<void()>& waiting) {
  bool whole = true;
  for (const Target& target : targets_) {
    const auto sync = [&] {
      return Sys(Call::SyncFs, [&] { return ::syncfs(target.fd); }) == 0 ? 0 : errno;
    };
    int error;
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
    ::close(target.fd);
    if (error != 0) {
      delegate_.ReportError(
          {"", "", target.folder, std::strerror(error), CopyFailure::Kind::Unwritten});
      whole = false;
    }
  }
  targets_.clear();
  notedFolder_.clear();
  swept_.clear();
  if (!notKept_.empty()) {
    std::string names;
    for (const auto& [name, error] : notKept_) {
      names += (names.empty() ? "" : ", ") + name + " (" + std::strerror(error) + ")";
    }
    notKept_.clear();
    delegate_.ReportError({"", "", "", names, CopyFailure::Kind::NotKept});
  }
  return whole;
}

bool CopyEngine::AskReplace(const Job& job, const struct stat& existing) {
  const auto facts = [](const struct stat& st) {
    return FileFacts{static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec};
  };
  return delegate_.AskReplace({job.source, job.target, facts(job.sourceStat), facts(existing)});
}

// The unnamed file gets a hidden name of its own, in the target's folder.
bool CopyEngine::LinkHidden(Job& job, const char* self) {
  for (;;) {
    job.temporary = TemporaryName(job.folder);
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
        // know it is there.
        const int error = errno;
        const std::string stray = job.temporary;
        job.temporary.clear();
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
  // A name the drive forbids fails whichever way it is given; it says nothing of the methods.
  const bool forbidden = !NameRefusal(job.target, EINVAL).empty();
  if (naming_ == Naming::NoReplace) {
    if (Sys(Call::Rename,
            [&] { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); }) == 0) {
      return 0;
    }
    if (forbidden || (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)) return -1;
    naming_ = Naming::Link;
  }
  if (naming_ == Naming::Link) {
    // A hard link refuses an existing name just as well.
    if (Sys(Call::Link, [&] { return ::link(from, to); }) == 0) {
      return Sys(Call::Unlink, [&] { return ::unlink(from); }) == 0 ? 0 : -2;
    }
    if (forbidden || (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)) return -1;
    naming_ = Naming::Check;
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
  return Sys(Call::Rename, [&] { return ::rename(from, to); });
}

// Removes the copy's hidden name, if it has one. A file system that refuses once (busy, or
// NTFS short of space for its own records) is asked again: nothing of ours may stay behind.
void CopyEngine::RemoveTemporary(std::string& temporary) {
  if (temporary.empty()) return;
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
    if (Sys(Call::Unlink, [&] { return ::unlink(temporary.c_str()); }) == 0 || errno == ENOENT) {
      temporary.clear();
      return;
    }
  }
}

// A killed run leaves its hidden temporary where the folder's file system has no unnamed files.
// The next copy into the folder removes such files, but only ours: our prefix, and a process
// number that is no longer a running copy of this program.
void CopyEngine::RemoveLeftovers(const std::string& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  static constexpr std::string_view kPrefix = ".~ferrowick-";
  std::vector<std::string> stale;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name.substr(0, kPrefix.size()) != kPrefix || name.size() < kPrefix.size() + 7 ||
        name.substr(name.size() - 4) != ".tmp") {
      continue;
    }
    const std::string pid(
        name.substr(kPrefix.size(), name.find('-', kPrefix.size()) - kPrefix.size()));
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if (pid == pid_ || FirstLine("/proc/" + pid + "/comm") == comm_) continue;  // still at work
    stale.emplace_back(name);
  }
  ::closedir(listing);
  for (const std::string& name : stale) {
    std::string path = (folder == "/" ? "" : folder) + "/" + name;
    RemoveTemporary(path);
  }
}

}  // namespace ferrowick
