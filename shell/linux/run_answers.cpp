// SPDX-License-Identifier: MIT
#include "run_answers.h"

#include <algorithm>

#include "duplicator.h"

namespace ferrowick {
namespace {

// Nobody reads a display that changes faster than the screen does.
constexpr auto kFrame = std::chrono::milliseconds(30);
// Copies a folder that stalls after renames takes without a question: a margin below the count
// the folder kinds' table (copy_volume.cpp) gives, for what else may rename there.
constexpr int kStallingFolderTakes = 20;
// A wait for the device that lasts longer than this is worth a word, even after a quick run.
constexpr auto kWritingAfter = std::chrono::milliseconds(500);

}  // namespace

void RunAnswers::Reset() {
  unmade_.clear();
  unmadeCount_ = 0;
  replace_ = Standing::Ask;
  folders_ = Standing::Ask;
  skipErrors_ = false;
  stopped_ = false;
}

void RunAnswers::Begin(int count) {
  Reset();
  progress_ = RunProgress{};
  progress_.count = count;
  copySize_ = 0;
  began_ = Clock::now();
  nextShow_ = began_ + progressAfter_;
  writingSince_ = {};
  shown_ = false;
}

bool RunAnswers::BeginCopy(const std::string& source, const std::string& target,
                           std::uint64_t size) {
  progress_.done += copySize_;  // the copy before, whatever became of it
  copySize_ = size;
  ++progress_.copy;
  progress_.count = std::max(progress_.count, progress_.copy);
  progress_.total =
      progress_.done + size * static_cast<std::uint64_t>(progress_.count - progress_.copy + 1);
  // As if the copy had begun: Cancel now is for this copy.
  return Progress(source, target, 0, size);
}

void RunAnswers::Writing() {
  const auto now = Clock::now();
  if (writingSince_ == Clock::time_point{}) {
    writingSince_ = now;
    progress_.done += copySize_;
    copySize_ = 0;
  }
  if (!shown_ && now - writingSince_ < kWritingAfter) return questions_.Idle();
  if (!shown_) nextShow_ = now;
  if (now < nextShow_) return questions_.Idle();
  // Neither Cancel nor Stop can take back what is on its way to the device.
  Show(progress_.source, progress_.target, 0, true);
}

void RunAnswers::End() {
  if (shown_) questions_.ProgressDone();
  shown_ = false;
  if (unmadeCount_ > 0) questions_.ReportUnmade(unmadeCount_, unmade_);
  Reset();
}

ProgressAnswer RunAnswers::Show(const std::string& source, const std::string& target,
                                std::uint64_t doneInCopy, bool writing) {
  const auto now = Clock::now();
  if (now < nextShow_) return ProgressAnswer::Go;
  nextShow_ = now + kFrame;
  // Copied only when shown: most copies of a quick run are never shown.
  if (&source != &progress_.source) progress_.source = source;
  if (&target != &progress_.target) progress_.target = target;
  shown_ = true;
  progress_.elapsed = now - began_;
  progress_.writing = writing;
  progress_.done += doneInCopy;
  const ProgressAnswer answer = questions_.Progress(progress_);
  progress_.done -= doneInCopy;
  return answer;
}

bool RunAnswers::Decide(Standing& standing, Answer answer) {
  switch (answer) {
    case Answer::YesToAll:
      standing = Standing::Yes;
      return true;
    case Answer::Yes:
      return true;
    case Answer::NoToAll:
      standing = Standing::No;
      break;
    case Answer::Stop:
      stopped_ = true;
      break;
    case Answer::No:
      break;
  }
  return false;
}

bool RunAnswers::AskReplace(const ReplaceQuestion& question) {
  if (stopped_ || replace_ != Standing::Ask) return !stopped_ && replace_ == Standing::Yes;
  return Decide(replace_, questions_.AskReplace(question));
}

bool RunAnswers::AskStallingFolder(const std::string& folder) {
  if (stopped_ || progress_.count <= kStallingFolderTakes) return !stopped_;
  if (questions_.AskStallingFolder(folder, progress_.count) == Answer::Yes) return true;
  stopped_ = true;
  return false;
}

bool RunAnswers::AskCreateFolder(const std::string& folder) {
  if (stopped_ || folders_ != Standing::Ask) return !stopped_ && folders_ == Standing::Yes;
  return Decide(folders_, questions_.AskCreateFolder(folder));
}

void RunAnswers::ReportError(const CopyFailure& failure) {
  // Copies that may not be on the device are news whatever the user answered before.
  if (failure.kind == CopyFailure::Kind::Copy && (stopped_ || skipErrors_)) {
    // Nobody was told at the time: the end of the run says which copies were not made.
    if (!stopped_) {
      if (unmade_.size() < kNotMadeListed) unmade_.push_back(failure);
      ++unmadeCount_;
    }
    return;
  }
  switch (questions_.ReportError(failure)) {
    case ErrorAnswer::SkipAll:
      skipErrors_ = true;
      break;
    case ErrorAnswer::Stop:
      stopped_ = true;
      break;
    case ErrorAnswer::Skip:
      break;
  }
}

bool RunAnswers::Progress(const std::string& source, const std::string& target, std::uint64_t done,
                          std::uint64_t) {
  if (stopped_) return false;
  switch (Show(source, target, done, false)) {
    case ProgressAnswer::Go:
      return true;
    case ProgressAnswer::Stop:
      stopped_ = true;
      break;
    case ProgressAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace ferrowick
