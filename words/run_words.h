// SPDX-License-Identifier: MIT
#pragma once
// What a run asks of its copies and tells at its end, in English, as every program says it: the
// Qt window and the Linux command line, the Windows console and, for the end, the Win32 window.
// Each looks the words up in its catalogue under the context "ferrowick::Wording"; Qt's lupdate
// finds them by the marker below.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ferrowick {

enum class RunWord {
  Facts,            // %1 the size, %2 the time
  ReplaceQuestion,  // %1 the copy, %2 its facts, %3 the source, %4 its facts
  FolderQuestion,   // %1 the folder
  Yes,
  YesToAll,
  No,
  NoToAll,        // beside Yes to &All
  NoFolderToAll,  // beside no other "A" key
  Stop,
  AndMore,  // %1 how many a list of copies leaves out
};

inline constexpr char kRunWordsContext[] = "ferrowick::Wording";

constexpr const char* English(RunWord word) {
  switch (word) {
    case RunWord::Facts:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "%1 bytes, modified %2");
    case RunWord::ReplaceQuestion:
      return QT_TRANSLATE_NOOP("ferrowick::Wording",
                               "\"%1\" already exists.\n%2\n\nReplace it with \"%3\"?\n%4");
    case RunWord::FolderQuestion:
      return QT_TRANSLATE_NOOP("ferrowick::Wording",
                               "The folder \"%1\" does not exist.\n\nDo you want to create it?");
    case RunWord::Yes:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "&Yes");
    case RunWord::YesToAll:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "Yes to &All");
    case RunWord::No:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "&No");
    case RunWord::NoToAll:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "No to A&ll");
    case RunWord::NoFolderToAll:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "No to &All");
    case RunWord::Stop:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "&Stop");
    case RunWord::AndMore:
      return QT_TRANSLATE_NOOP("ferrowick::Wording", "... and %1 more.");
  }
  return "";
}

}  // namespace ferrowick
