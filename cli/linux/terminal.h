// SPDX-License-Identifier: MIT
#pragma once
// The console of a Linux command line: stdio in UTF-8, the terminal's own line for the progress,
// SIGINT and SIGTERM to stop a run.

#include "command_line.h"

namespace ferrowick {

class Terminal : public Console {
 public:
  // Catches SIGINT and SIGTERM for the rest of the process.
  Terminal();

  void Write(Stream stream, std::u16string_view text) override;
  void Flush() override;
  bool Interactive() const override;
  std::optional<std::u16string> ReadLine() override;
  std::u16string Folded(std::u16string_view text) const override;
  bool ShowProgress(std::u16string_view line) override;
  void EndProgress() override;
  bool Interrupted() const override;
  int InterruptedStatus() const override;

 private:
  bool progressShown_ = false;
  bool showsProgress_;  // stderr is a terminal
};

}  // namespace ferrowick
