#pragma once
// Our own file copy for platforms without a shell copy operation: the target appears whole or
// not at all, an existing target is replaced only with the user's consent, and every failure is
// reported. The engine never shows anything itself; it talks to the user through a delegate.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace ferrowick {

struct CopyFailure {
  std::string source;
  std::string target;
  std::string path;    // the file or folder the system complained about
  std::string reason;  // the system's own words
};

class CopyDelegate {
 public:
  virtual ~CopyDelegate() = default;
  // The target (a file or a link) exists. True replaces it; a link is replaced, never followed.
  virtual bool AskReplace(const std::string& source, const std::string& target) = 0;
  // The target's folder is missing. True creates it and any missing parents.
  virtual bool AskCreateFolder(const std::string& folder) = 0;
  virtual void ReportError(const CopyFailure& failure) = 0;
  // Only for copies that have lasted a while; false cancels this copy.
  virtual bool Progress(const std::string& source, const std::string& target, std::uint64_t done,
                        std::uint64_t total) = 0;
  // Ends a progress display that Progress started.
  virtual void ProgressDone() = 0;
};

enum class CopyOutcome { Copied, Skipped, Cancelled, Failed };

class CopyEngine {
 public:
  struct Tuning {
    std::uint64_t chunk = 16u << 20;
    std::chrono::milliseconds progressAfter{500};
    // Fault injection for tests: fail the data copy with `failErrno` once this many bytes are in.
    std::uint64_t failAfter = UINT64_MAX;
    int failErrno = 0;
  };

  explicit CopyEngine(CopyDelegate& delegate) : CopyEngine(delegate, Tuning{}) {}
  CopyEngine(CopyDelegate& delegate, const Tuning& tuning);
  ~CopyEngine();
  CopyEngine(const CopyEngine&) = delete;
  CopyEngine& operator=(const CopyEngine&) = delete;

  CopyOutcome Copy(const std::string& source, const std::string& target);

 private:
  enum class Method { Clone, Range, ReadWrite };
  struct Job;

  CopyOutcome Fail(const Job& job, const std::string& path, int error);
  int OpenTemporary(Job& job);
  bool CopyData(Job& job, int in, int out);
  bool CopyRange(Job& job, int in, int out, std::uint64_t& done, bool& unsupported);
  bool CopyReadWrite(Job& job, int in, int out, std::uint64_t& done);
  bool Tick(Job& job, std::uint64_t done);
  CopyOutcome Commit(Job& job, bool replaceAgreed);

  CopyDelegate& delegate_;
  Tuning tuning_;
  mode_t umask_;
  std::string pid_;  // names our temporaries apart from another instance's
  unsigned long long tempSerial_ = 0;
  std::unique_ptr<char[]> buffer_;
  // What the last copies into this folder from this device taught us about the fastest method.
  dev_t methodDevice_ = 0;
  std::string methodFolder_;
  Method method_ = Method::Clone;
};

}  // namespace ferrowick
