// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader is told of a run without the focus moving: how it ended, and now and then
// how far it has come. In English, as every window says it; each looks the words up under the
// context "ferrowick::Form1" and puts the arguments in for %1, %2, %3.

#include <chrono>
#include <string>
#include <vector>

#include "refusals.h"

namespace ferrowick {

enum class Spoken { Done, NotAll, Stopped, Progress };

constexpr const char* English(Spoken spoken) {
  switch (spoken) {
    case Spoken::Done:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Done. Copies made: %1 of %2, in \"%3\".");
    case Spoken::NotAll:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Done. Copies made: %1 of %2; not made: %3.");
    case Spoken::Stopped:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Stopped. Copies made: %1 of %2.");
    case Spoken::Progress:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Copies made: %1 of %2.");
  }
  return "";
}

// A long run says how far it has come this often, and no more: a listener hears a sentence, not
// a queue of thousands.
inline constexpr auto kProgressSpokenEvery = std::chrono::seconds(10);

struct Announcement {
  Spoken what;
  std::vector<std::u16string> args;  // for %1, %2, ...
};

// At a run's end: `count` copies asked for, `tried` of them tried, `made` made, into `folder`.
Announcement RunEnded(int count, int tried, int made, const std::u16string& folder);
Announcement RunSoFar(int made, int count);

}  // namespace ferrowick
