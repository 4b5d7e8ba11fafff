// SPDX-License-Identifier: MIT
#pragma once
// The console of a Windows command line. To a console, UTF-16 through the console's own calls,
// which show every character whatever the code page; to a file or a pipe, UTF-8, which every
// tool reads the same way. Lines end in LF alone, as on Linux. Ctrl+C and Ctrl+Break stop a run.

#include <string>

#include "command_line.h"

namespace ferrowick {

class WindowsConsole : public Console {
 public:
  // Takes Ctrl+C and Ctrl+Break for the rest of the process: the run ends after the copy in hand
  // is abandoned and removed, rather than the process under it. A closing console ends it as
  // Windows does.
  WindowsConsole();

  void Write(Stream stream, std::u16string_view text) override;
  void Flush() override;
  bool Interactive() const override;
  std::optional<std::u16string> ReadLine() override;
  std::u16string Folded(std::u16string_view text) const override;
  bool ShowProgress(std::u16string_view line) override;
  void EndProgress() override;
  bool Interrupted() const override;
  int InterruptedStatus() const override { return 130; }

 private:
  // Writes at once, in the stream's encoding.
  static void Put(Stream stream, std::u16string_view text);

  std::u16string out_;        // stdout's lines of the frame
  std::size_t progress_ = 0;  // how wide the progress line on the console is, 0 where none is
};

}  // namespace ferrowick
