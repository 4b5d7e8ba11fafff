// SPDX-License-Identifier: MIT
#include "run_answers.h"

namespace ferrowick {

void RunAnswers::Reset() {
  replace_ = Standing::Ask;
  noFolders_ = false;
  skipErrors_ = false;
  stopped_ = false;
}

bool RunAnswers::AskReplace(const ReplaceQuestion& question) {
  if (stopped_) return false;
  if (replace_ != Standing::Ask) return replace_ == Standing::Yes;
  switch (questions_.AskReplace(question)) {
    case Answer::YesToAll:
      replace_ = Standing::Yes;
      return true;
    case Answer::Yes:
      return true;
    case Answer::NoToAll:
      replace_ = Standing::No;
      break;
    case Answer::Stop:
      stopped_ = true;
      break;
    case Answer::No:
      break;
  }
  return false;
}

bool RunAnswers::AskCreateFolder(const std::string& folder) {
  if (stopped_ || noFolders_) return false;
  switch (questions_.AskCreateFolder(folder)) {
    case Answer::Yes:
    case Answer::YesToAll:
      return true;
    case Answer::NoToAll:
      noFolders_ = true;
      break;
    case Answer::Stop:
      stopped_ = true;
      break;
    case Answer::No:
      break;
  }
  return false;
}

void RunAnswers::ReportError(const CopyFailure& failure) {
  if (stopped_ || skipErrors_) return;
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
                          std::uint64_t total) {
  if (stopped_) return false;
  switch (questions_.Progress(source, target, done, total)) {
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
