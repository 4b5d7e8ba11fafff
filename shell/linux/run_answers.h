// SPDX-License-Identifier: MIT
#pragma once
// A run's standing answers. "Yes to All", "No to All", "Skip All" and Stop hold from the copy
// they were given at to the end of the run and are forgotten when it ends, so that the next
// press of the button asks again. The copy loop itself never sees them.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "copy_engine.h"

namespace ferrowick {

enum class Answer { Yes, YesToAll, No, NoToAll, Stop };
enum class ErrorAnswer { Skip, SkipAll, Stop };
enum class ProgressAnswer { Go, Cancel, Stop };

// How far a run is, for its one progress display.
struct RunProgress {
  int copy = 0;  // the copy in hand, from 1
  int count = 0;
  std::string source;
  std::string target;
  std::uint64_t done = 0;  // bytes of the whole run
  std::uint64_t total = 0;
  std::chrono::steady_clock::duration elapsed{};  // since the run began
  bool writing = false;  // every copy is made; the device is still taking them
};

// The questions as the user sees them: one box for each copy that needs one.
class CopyQuestions {
 public:
  virtual ~CopyQuestions() = default;
  virtual Answer AskReplace(const ReplaceQuestion& question) = 0;
  // Yes, No, NoToAll or Stop.
  virtual Answer AskCreateFolder(const std::string& folder) = 0;
  // Yes, or No: the run's `count` copies would go to a folder that stalls after renames.
  virtual Answer AskStallingFolder(const std::string& folder, int count) = 0;
  virtual ErrorAnswer ReportError(const CopyFailure& failure) = 0;
  // Says what the run's end has to say of copies that were made.
  virtual void ReportNote(const CopyNote& note) = 0;
  // Shows the run's progress display, or brings it up to date. Cancel ends the copy in hand;
  // Stop ends it and the run. While `writing`, there is nothing left to cancel.
  virtual ProgressAnswer Progress(const RunProgress& progress) = 0;
  // Closes the display, if it is open.
  virtual void ProgressDone() = 0;
  // Lets the window breathe while the run waits with nothing to show.
  virtual void Idle() = 0;
  // At the end of a run: `count` copies failed without a box at the time (after Skip All);
  // `first` holds the first few of them.
  virtual void ReportUnmade(std::size_t count, const std::vector<CopyFailure>& first) = 0;
};

class RunAnswers : public CopyDelegate {
 public:
  using Clock = std::chrono::steady_clock;

  RunAnswers(CopyQuestions& questions, std::chrono::milliseconds progressAfter)
      : questions_(questions), progressAfter_(progressAfter) {}

  // A run of `count` copies begins: every standing answer is forgotten, and the run's progress
  // display shows once the run has lasted `progressAfter`.
  void Begin(int count);
  // Before each copy, with the source's size. False when the user cancelled it already.
  bool BeginCopy(const std::string& source, const std::string& target, std::uint64_t size);
  // While the run waits for the device, every few milliseconds.
  void Writing();
  // The run is over: the display closes and every standing answer is forgotten.
  void End();
  // True once the user chose Stop: the run ends after the copy in hand, and nothing more is
  // asked or shown until it has.
  bool Stopped() const { return stopped_; }

  bool AskReplace(const ReplaceQuestion& question) override;
  bool AskCreateFolder(const std::string& folder) override;
  // Asked only of a run of more copies than such a folder takes; No ends the run.
  bool AskStallingFolder(const std::string& folder) override;
  void ReportError(const CopyFailure& failure) override;
  void ReportNote(const CopyNote& note) override { questions_.ReportNote(note); }
  bool Progress(const std::string& source, const std::string& target, std::uint64_t done,
                std::uint64_t total) override;

 private:
  enum class Standing { Ask, Yes, No };

  void Reset();
  // What the user's answer to a question of the engine's means for this copy: "to all" answers
  // stand in `standing` for the rest of the run, and Stop ends the run.
  bool Decide(Standing& standing, Answer answer);
  // Shows how far the run is, at most once a frame, once it has lasted long enough.
  ProgressAnswer Show(const std::string& source, const std::string& target,
                      std::uint64_t doneInCopy, bool writing);

  CopyQuestions& questions_;
  std::chrono::milliseconds progressAfter_;
  RunProgress progress_;
  std::uint64_t copySize_ = 0;
  Clock::time_point began_{};
  Clock::time_point nextShow_{};
  Clock::time_point writingSince_{};
  bool shown_ = false;
  std::vector<CopyFailure> unmade_;
  std::size_t unmadeCount_ = 0;
  Standing replace_ = Standing::Ask;
  Standing folders_ = Standing::Ask;
  bool skipErrors_ = false;
  bool stopped_ = false;
};

}  // namespace ferrowick
