// SPDX-License-Identifier: MIT
#pragma once
// Ferrowick from cmd or PowerShell: the run of the window, with the copy of the file API, hosted
// by the console. The status log goes to stdout; questions, what was not made and the end of
// a run that did not make everything to stderr; answers come from the console.

#include <string>

namespace ferrowick {

struct ConsoleLine {
  std::u16string file;
  std::u16string copies;  // as typed: the run checks them as the window's boxes
  std::u16string start;
  std::u16string folder;  // empty: next to the file
  bool suffix = false;
  // Where nobody is asked: --yes, --no, or neither (keep what exists, create nothing).
  enum class Consent { Ask, Yes, No } consent = Consent::Ask;
};

// Makes the copies. Returns the exit status: 0 when every copy was made and is on its drive, 1
// when some were not (each named on stderr), 2 for bad input, 130 when Ctrl+C or Ctrl+Break
// stopped the run.
int RunConsole(const ConsoleLine& line);

}  // namespace ferrowick
