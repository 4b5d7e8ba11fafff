#include "copy_engine.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ferrowick {
namespace {

constexpr std::size_t kBufferSize = 1u << 20;

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closing can be where a deferred write error surfaces, so it is checked once.
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

// Like mkdir -p. Returns 0 or the errno of the component that could not be made.
int MakeFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at != folder.size() && folder[at] != '/') continue;
    const std::string prefix = folder.substr(0, at);
    if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return errno;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return errno;
  return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// The process's umask, read without setting it: setting it, even for a moment, would race with
// files that other threads create.
mode_t CurrentUmask() {
  if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    unsigned mask = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, status) != nullptr) {
      found = std::sscanf(line, "Umask: %o", &mask) == 1;
    }
    std::fclose(status);
    if (found) return static_cast<mode_t>(mask);
  }
  // Without /proc, assume the strictest usual mask: at worst a needless fchmod per copy.
  return 0077;
}

bool Unsupported(int error) {
  return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL ||
         error == ENOSYS || error == EBADF;
}

}  // namespace

struct CopyEngine::Job {
  const std::string& source;
  const std::string& target;
  std::string folder;
  std::string temporary;
  struct stat sourceStat {};
  std::chrono::steady_clock::time_point started;
  bool progressShown = false;
  bool cancelled = false;
};

CopyEngine::CopyEngine(CopyDelegate& delegate, const Tuning& tuning)
    : delegate_(delegate), tuning_(tuning) {
  pid_ = std::to_string(::getpid());
  umask_ = CurrentUmask();
}

CopyEngine::~CopyEngine() = default;

CopyOutcome CopyEngine::Fail(const Job& job, const std::string& path, int error) {
  delegate_.ReportError({job.source, job.target, path, std::strerror(error)});
  return CopyOutcome::Failed;
}

CopyOutcome CopyEngine::Copy(const std::string& source, const std::string& target) {
  Job job{source, target, FolderOf(target), {}, {}, {}};

  Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
  if (in.get() < 0) return Fail(job, source, errno);
  if (::fstat(in.get(), &job.sourceStat) != 0) return Fail(job, source, errno);
  if (S_ISDIR(job.sourceStat.st_mode)) return Fail(job, source, EISDIR);
  // A pipe or device would block or never end; only plain files are copied.
  if (!S_ISREG(job.sourceStat.st_mode)) return Fail(job, source, EINVAL);

  // Ask before the data is copied, so a refused replace costs no time.
  bool replaceAgreed = false;
  struct stat targetStat {};
  if (::fstatat(AT_FDCWD, target.c_str(), &targetStat, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISDIR(targetStat.st_mode)) return Fail(job, target, EISDIR);
    if (!delegate_.AskReplace(source, target)) return CopyOutcome::Skipped;
    replaceAgreed = true;
  } else if (errno != ENOENT) {
    // A name that is too long or a path through a plain file: no copy could ever land there.
    return Fail(job, target, errno);
  }

  Fd out(OpenTemporary(job));
  if (out.get() < 0) {
    if (out.get() == -2) return CopyOutcome::Skipped;
    return Fail(job, job.folder, errno);
  }

  const auto discard = [&] {
    ::unlink(job.temporary.c_str());
    if (job.progressShown) delegate_.ProgressDone();
  };
  if (!CopyData(job, in.get(), out.get())) {
    const int error = errno;
    discard();
    return job.cancelled ? CopyOutcome::Cancelled : Fail(job, target, error);
  }
  if (job.progressShown) {
    delegate_.ProgressDone();
    job.progressShown = false;
  }
  const mode_t mode = job.sourceStat.st_mode & 0777;
  const struct timespec times[2] = {job.sourceStat.st_atim, job.sourceStat.st_mtim};
  if (((mode & ~umask_) != mode && ::fchmod(out.get(), mode) != 0) ||
      ::futimens(out.get(), times) != 0 || out.Close() != 0) {
    const int error = errno;
    discard();
    return Fail(job, target, error);
  }
  return Commit(job, replaceAgreed);
}

// Returns the descriptor, -1 with errno set, or -2 when the user declined to create the folder.
int CopyEngine::OpenTemporary(Job& job) {
  const mode_t mode = job.sourceStat.st_mode & 0777;
  bool folderMade = false;
  const std::string stem =
      (job.folder == "/" ? "" : job.folder) + "/.~ferrowick-" + std::to_string(::getpid()) + "-";
  for (;;) {
    job.temporary = stem + std::to_string(++tempSerial_) + ".tmp";
    const int fd =
        ::open(job.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd >= 0) return fd;
    if (errno == EEXIST) continue;
    if (errno != ENOENT || folderMade) return -1;
    if (!delegate_.AskCreateFolder(job.folder)) return -2;
    if (const int error = MakeFolders(job.folder); error != 0) {
      errno = error;
      return -1;
    }
    folderMade = true;
  }
}

bool CopyEngine::CopyData(Job& job, int in, int out) {
  const std::uint64_t size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  if (size > tuning_.chunk) job.started = std::chrono::steady_clock::now();

  if (methodDevice_ != job.sourceStat.st_dev || methodFolder_ != job.folder) {
    methodDevice_ = job.sourceStat.st_dev;
    methodFolder_ = job.folder;
    method_ = Method::Clone;
  }
  if (method_ == Method::Clone && tuning_.failAfter == UINT64_MAX) {
    if (size == 0 || ::ioctl(out, FICLONE, in) == 0) return true;
    if (!Unsupported(errno)) return false;
    method_ = Method::Range;
  } else if (method_ == Method::Clone) {
    method_ = Method::Range;
  }

  std::uint64_t done = 0;
  if (method_ == Method::Range) {
    bool unsupported = false;
    if (CopyRange(job, in, out, done, unsupported)) return true;
    if (!unsupported) return false;
    method_ = Method::ReadWrite;
  }
  return CopyReadWrite(job, in, out, done);
}

bool CopyEngine::CopyRange(Job& job, int in, int out, std::uint64_t& done, bool& unsupported) {
  const std::uint64_t size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  // Stops at the size the file had when opened: a copy is a snapshot, and it spares the call
  // that would only confirm the end of the file.
  while (done < size) {
    std::uint64_t want = std::min(tuning_.chunk, size - done);
    if (done < tuning_.failAfter && done + want > tuning_.failAfter)
      want = tuning_.failAfter - done;
    if (done >= tuning_.failAfter) {
      errno = tuning_.failErrno;
      return false;
    }
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, want, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      unsupported = done == 0 && Unsupported(errno);
      return false;
    }
    if (n == 0) break;  // the file shrank meanwhile
    done += static_cast<std::uint64_t>(n);
    if (!Tick(job, done)) return false;
  }
  return true;
}

bool CopyEngine::CopyReadWrite(Job& job, int in, int out, std::uint64_t& done) {
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
  for (;;) {
    if (done >= tuning_.failAfter) {
      errno = tuning_.failErrno;
      return false;
    }
    const ssize_t n = ::read(in, buffer_.get(), kBufferSize);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0;
    for (ssize_t written = 0; written < n;) {
      const ssize_t w = ::write(out, buffer_.get() + written, static_cast<size_t>(n - written));
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) return false;
      written += w;
    }
    done += static_cast<std::uint64_t>(n);
    if (!Tick(job, done)) return false;
  }
}

// Progress between chunks: nothing for the first half second, then the delegate may cancel.
bool CopyEngine::Tick(Job& job, std::uint64_t done) {
  const std::uint64_t size = static_cast<std::uint64_t>(job.sourceStat.st_size);
  if (size <= tuning_.chunk) return true;
  if (!job.progressShown) {
    if (std::chrono::steady_clock::now() - job.started < tuning_.progressAfter) return true;
    job.progressShown = true;
  }
  if (delegate_.Progress(job.source, job.target, done, size)) return true;
  job.cancelled = true;
  errno = ECANCELED;
  return false;
}

CopyOutcome CopyEngine::Commit(Job& job, bool replaceAgreed) {
  const char* from = job.temporary.c_str();
  const char* to = job.target.c_str();
  for (;;) {
    if (replaceAgreed) {
      if (::rename(from, to) == 0) return CopyOutcome::Copied;
      break;
    }
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
      return CopyOutcome::Copied;
    }
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
      // The file system cannot rename without replacing; a hard link refuses an existing name
      // just as well.
      if (::link(from, to) == 0) {
        ::unlink(from);
        return CopyOutcome::Copied;
      }
    }
    if (errno != EEXIST) break;
    // The target appeared while the data was being copied.
    if (!delegate_.AskReplace(job.source, job.target)) {
      ::unlink(from);
      return CopyOutcome::Skipped;
    }
    replaceAgreed = true;
  }
  const int error = errno;
  ::unlink(from);
  return Fail(job, job.target, error);
}

}  // namespace ferrowick
