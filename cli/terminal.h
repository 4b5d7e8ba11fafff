// SPDX-License-Identifier: MIT
#pragma once
// Ferrowick without a window: the same run, the same checks and the same copy engine, hosted by
// a terminal. The status log goes to stdout; questions, errors and progress to stderr, and the
// answers come from stdin where it is a terminal.

#include <string>

namespace ferrowick {

struct CommandLine {
  std::string file;
  std::string copies;  // as typed: the run checks them as the window's boxes
  std::string start;
  std::string folder;  // empty: next to the file
  bool suffix = false;
  // Where nobody is asked: --yes, --no, or neither (keep what exists, create nothing).
  enum class Consent { Ask, Yes, No } consent = Consent::Ask;
};

// Makes the copies. Returns the exit status: 0 when every copy was made and is on its device,
// 1 when some were not (each named on stderr), 2 for bad input, 128 + the signal's number when
// SIGINT or SIGTERM stopped the run.
int RunCommandLine(const CommandLine& line);

}  // namespace ferrowick
