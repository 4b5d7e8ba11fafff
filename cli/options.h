// SPDX-License-Identifier: MIT
#pragma once
// A command line's options, read the same way on every platform: from its arguments as UTF-16
// (on Linux the arguments' bytes carried losslessly, FromBytes), so that a name reaches the file
// system as it was given.

#include <string>
#include <string_view>
#include <vector>

namespace ferrowick {

struct CommandLine {
  std::u16string file;
  std::u16string copies;  // as typed: the run checks them as the window's boxes
  // A command line counts from 1 unless told otherwise; the window's empty box is refused.
  std::u16string start = u"1";
  std::u16string folder;  // empty: next to the file
  bool suffix = false;
  // Where nobody is asked: --yes, --no, or neither (keep what exists, create nothing).
  enum class Consent { Ask, Yes, No } consent = Consent::Ask;
  bool help = false;
  bool version = false;
  // Why the arguments cannot be run, in the user's words; "" where they can.
  std::u16string refusal;
};

// `args` without the program's own name. `separator` is the platform's: on Windows "/?" asks
// for the help, as every console program there takes it, and "/" also separates a folder.
CommandLine ParseCommandLine(const std::vector<std::u16string>& args, char16_t separator);

// Whether `arg` is one of the command line's options, alone or with its value after "=".
bool IsOption(std::u16string_view arg);

// The help: `description` and `examples` are the platform's.
std::u16string Help(const std::u16string& description, const std::u16string& examples);

}  // namespace ferrowick
