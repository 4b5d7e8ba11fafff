// SPDX-License-Identifier: MIT
#pragma once
// The duplication run behind the "&Duplicate File" button: input checks, the naming rule and
// the copy loop. Toolkit-free; the window and the copier come in through interfaces.

#include <cstddef>
#include <cstdint>
#include <string>

#include "window_services.h"

namespace ferrowick {

// The end of a run names this many of the copies it did not make one by one, and counts the
// rest: a box that stays within a small screen, with each reason on a line or two.
inline constexpr std::size_t kNotMadeListed = 5;

// The tag number padded with zeros to vPad characters; never cut when longer.
std::u16string MakeTag(const std::int16_t& vPad, const std::int16_t& vTag);

// How the text of a number box reads.
struct NumberText {
  enum Kind { Whole, NotWhole, TooBig } kind;
  std::int16_t value;  // meaningful for Whole; values below -32768 clamp there
};
NumberText ReadNumber(const std::u16string& text);

// A source path cut at its last separator and at the last dot of its file name.
struct SourceParts {
  std::u16string directory;  // up to and including the last separator; may be empty
  std::u16string base;
  std::u16string extension;  // the last dot and what follows it, or empty
};
SourceParts SplitSource(const std::u16string& source, char16_t separator);

// True when the inputs can be run. Fills an empty number box with "0" and shows every problem
// in one message box.
bool ValidateMe(WindowServices& window, char16_t separator);

class Duplicator {
 public:
  // separator: the platform's path separator, '\\' on Windows and '/' elsewhere.
  Duplicator(WindowServices& window, FileCopier& copier, char16_t separator)
      : window_(window), copier_(copier), separator_(separator) {}

  // The button's click. A click that arrives while a run is in progress (the window keeps
  // handling events between copies) is ignored rather than nested.
  void Run();
  bool Running() const { return running_; }

  // The run under way, or the last one: the copies it was asked for, how many it has tried and
  // made so far, and the folder they go to (without a separator at its end); at its end,
  // whether the device confirmed what was made. Nothing where the inputs were refused.
  struct Tally {
    int count = 0;
    int tried = 0;
    int made = 0;
    std::u16string folder;
    bool durable = true;
  };
  const Tally& Last() const { return tally_; }

 private:
  void RunOnce();

  WindowServices& window_;
  FileCopier& copier_;
  char16_t separator_;
  bool running_ = false;
  Tally tally_;
};

}  // namespace ferrowick
