// SPDX-License-Identifier: MIT
#pragma once
// A run's standing answers. "Yes to All", "No to All", "Skip All" and Stop hold from the copy
// they were given at to the end of the run and are forgotten when it ends, so that the next
// press of the button asks again. The copy loop itself never sees them.

#include <cstdint>
#include <string>

#include "copy_engine.h"

namespace ferrowick {

enum class Answer { Yes, YesToAll, No, NoToAll, Stop };
enum class ErrorAnswer { Skip, SkipAll, Stop };
enum class ProgressAnswer { Go, Cancel, Stop };

// The questions as the user sees them: one box for each copy that needs one.
class CopyQuestions {
 public:
  virtual ~CopyQuestions() = default;
  virtual Answer AskReplace(const ReplaceQuestion& question) = 0;
  // Yes, No, NoToAll or Stop.
  virtual Answer AskCreateFolder(const std::string& folder) = 0;
  virtual ErrorAnswer ReportError(const CopyFailure& failure) = 0;
  // Cancel ends the copy in hand; Stop ends it and the run.
  virtual ProgressAnswer Progress(const std::string& source, const std::string& target,
                                  std::uint64_t done, std::uint64_t total) = 0;
  virtual void ProgressDone() = 0;
};

class RunAnswers : public CopyDelegate {
 public:
  explicit RunAnswers(CopyQuestions& questions) : questions_(questions) {}

  // Forgets every standing answer: at the start and at the end of a run.
  void Reset();
  // True once the user chose Stop: the run ends after the copy in hand, and nothing more is
  // asked or shown until it has.
  bool Stopped() const { return stopped_; }

  bool AskReplace(const ReplaceQuestion& question) override;
  bool AskCreateFolder(const std::string& folder) override;
  void ReportError(const CopyFailure& failure) override;
  bool Progress(const std::string& source, const std::string& target, std::uint64_t done,
                std::uint64_t total) override;
  void ProgressDone() override { questions_.ProgressDone(); }

 private:
  enum class Standing { Ask, Yes, No };

  CopyQuestions& questions_;
  Standing replace_ = Standing::Ask;
  bool noFolders_ = false;
  bool skipErrors_ = false;
  bool stopped_ = false;
};

}  // namespace ferrowick
