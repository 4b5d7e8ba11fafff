// SPDX-License-Identifier: MIT
#include "run_answers.h"

#include <algorithm>

#include "duplicator.h"

namespace ferrowick {
namespace {

// Nobody reads a display that changes faster than the screen does.
constexpr auto kFrame = std::chrono::milliseconds(30);
// Copies a folder that stalls after renames takes without a question: a margin below the count
// the folder kinds' table of the Linux engine gives, for what else may rename there.
constexpr int kStallingFolderTakes = 20;
// A wait for the device that lasts longer than this is worth a word, even after a quick run.
constexpr auto kWritingAfter = std::chrono::milliseconds(500);

}  // namespace

void RunAnswers::Reset() {
  unmade_.clear();
  unmadeCount_ = 0;
  told_ = false;
  replace_ = Standing::Ask;
  folders_ = Standing::Ask;
  skipErrors_ = false;
  stopped_ = false;
}

void RunAnswers::Begin(int count) {
  Reset();
  progress_ = RunProgress{};
  progress_.count = count;
  source_ = target_ = nullptr;
  copySize_ = 0;
  began_ = Clock::now();
  nextShow_ = began_ + progressAfter_;
  writingSince_ = {};
  shown_ = false;
}

bool RunAnswers::BeginCopy(const std::u16string& source, const std::u16string& target,
                           std::uint64_t size) {
  progress_.done += copySize_;  // the copy before, whatever became of it
  copySize_ = size;
  source_ = &source;
  target_ = &target;
  ++progress_.copy;
  progress_.count = std::max(progress_.count, progress_.copy);
  progress_.total =
      progress_.done + size * static_cast<std::uint64_t>(progress_.count - progress_.copy + 1);
  // As if the copy had begun: Cancel now is for this copy.
  return Progress(0, size);
}

void RunAnswers::Writing() {
  const auto now = Clock::now();
  if (writingSince_ == Clock::time_point{}) {
    writingSince_ = now;
    progress_.done += copySize_;
    copySize_ = 0;
    // The last copy's names are gone with its call: the display keeps what it last showed.
    source_ = target_ = nullptr;
  }
  if (!shown_ && now - writingSince_ < kWritingAfter) return host_.Idle();
  if (!shown_) nextShow_ = now;
  if (now < nextShow_) return host_.Idle();
  // Neither Cancel nor Stop can take back what is on its way to the device.
  Show(0, true);
}

void RunAnswers::End() {
  if (shown_) host_.ProgressDone();
  shown_ = false;
  if (unmadeCount_ > 0) host_.ReportUnmade(unmadeCount_, unmade_, told_);
  source_ = target_ = nullptr;
  Reset();
}

ProgressAnswer RunAnswers::Show(std::uint64_t doneInCopy, bool writing) {
  const auto now = Clock::now();
  if (now < nextShow_) return ProgressAnswer::Go;
  nextShow_ = now + kFrame;
  // Copied only when shown: most copies of a quick run are never shown.
  if (source_ != nullptr) progress_.source = *source_;
  if (target_ != nullptr) progress_.target = *target_;
  shown_ = true;
  progress_.seconds = std::chrono::duration<double>(now - began_).count();
  progress_.writing = writing;
  progress_.done += doneInCopy;
  const ProgressAnswer answer = host_.Progress(progress_);
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
  return Decide(replace_, host_.AskReplace(question));
}

bool RunAnswers::AskStallingFolder(const std::u16string& folder) {
  if (stopped_ || progress_.count <= kStallingFolderTakes) return !stopped_;
  if (host_.AskStallingFolder(folder, progress_.count) == Answer::Yes) return true;
  stopped_ = true;
  return false;
}

bool RunAnswers::AskCreateFolder(const std::u16string& folder) {
  if (stopped_ || folders_ != Standing::Ask) return !stopped_ && folders_ == Standing::Yes;
  return Decide(folders_, host_.AskCreateFolder(folder));
}

void RunAnswers::ReportError(const NotMade& failure) {
  const bool copy = failure.of == NotMade::Of::Copy;
  // A copy not made after Stop is the Stop's doing; copies that may not be on the device are
  // news whatever the user answered before.
  if (copy && stopped_) return;
  const auto keep = [&] {
    if (unmade_.size() < kNotMadeListed) unmade_.push_back(failure);
    ++unmadeCount_;
  };
  // Nobody was told at the time: the end of the run says which copies were not made.
  if (copy && skipErrors_) return keep();
  switch (host_.ReportError(failure)) {
    case ErrorAnswer::SkipAll:
      skipErrors_ = true;
      break;
    case ErrorAnswer::Stop:
      stopped_ = true;
      break;
    case ErrorAnswer::Later:
      if (copy) return keep();
      break;
    case ErrorAnswer::Skip:
      break;
  }
  if (copy) told_ = true;
}

bool RunAnswers::Progress(std::uint64_t done, std::uint64_t) {
  if (stopped_) return false;
  switch (Show(done, false)) {
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
