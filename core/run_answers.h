// SPDX-License-Identifier: MIT
#pragma once
// A run's standing answers. "Yes to All", "No to All", "Skip All" and Stop hold from the copy
// they were given at to the end of the run and are forgotten when it ends, so that the next
// press of the button asks again. The copy loop itself never sees them; every copier, whatever
// its platform, asks and reports through them.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "run_host.h"

namespace ferrowick {

class RunAnswers : public CopyDelegate {
 public:
  using Clock = std::chrono::steady_clock;

  RunAnswers(RunHost& host, std::chrono::milliseconds progressAfter)
      : host_(host), progressAfter_(progressAfter) {}

  // A run of `count` copies begins: every standing answer is forgotten, and the run's progress
  // display shows once the run has lasted `progressAfter`.
  void Begin(int count);
  // Before each copy, with the source's size. False when the user cancelled it already.
  bool BeginCopy(const std::u16string& source, const std::u16string& target, std::uint64_t size);
  // While the run waits for the device, every few milliseconds.
  void Writing();
  // The run is over: the display closes, what was not told is told, and every standing answer
  // is forgotten.
  void End();
  // True once the user chose Stop: the run ends after the copy in hand, and nothing more is
  // asked or shown until it has.
  bool Stopped() const { return stopped_; }

  bool AskReplace(const ReplaceQuestion& question) override;
  bool AskCreateFolder(const std::u16string& folder) override;
  // Asked only of a run of more copies than such a folder takes; No ends the run.
  bool AskStallingFolder(const std::u16string& folder) override;
  void ReportError(const NotMade& failure) override;
  void ReportNote(const RunNote& note) override { host_.ReportNote(note); }
  bool Progress(std::uint64_t done, std::uint64_t total) override;

 private:
  enum class Standing { Ask, Yes, No };

  void Reset();
  // What the user's answer to a question of the copier's means for this copy: "to all" answers
  // stand in `standing` for the rest of the run, and Stop ends the run.
  bool Decide(Standing& standing, Answer answer);
  // Shows how far the run is, at most once a frame, once it has lasted long enough.
  ProgressAnswer Show(std::uint64_t doneInCopy, bool writing);

  RunHost& host_;
  std::chrono::milliseconds progressAfter_;
  RunProgress progress_;
  // The copy in hand, copied into the display only when it is shown.
  const std::u16string* source_ = nullptr;
  const std::u16string* target_ = nullptr;
  std::uint64_t copySize_ = 0;
  Clock::time_point began_{};
  Clock::time_point nextShow_{};
  Clock::time_point writingSince_{};
  bool shown_ = false;
  std::vector<NotMade> unmade_;
  std::size_t unmadeCount_ = 0;
  bool told_ = false;  // a copy of the run was told of one by one
  Standing replace_ = Standing::Ask;
  Standing folders_ = Standing::Ask;
  bool skipErrors_ = false;
  bool stopped_ = false;
};

}  // namespace ferrowick
