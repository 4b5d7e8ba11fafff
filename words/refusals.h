// SPDX-License-Identifier: MIT
#pragma once
// Why a window does not take a path that was given, dropped or chosen, in English, as every
// window says it: each looks the words up in its catalogue under the context
// "ferrowick::Form1" and puts the path in for %1. Qt's lupdate finds them by the marker below.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ferrowick {

enum class Refusal { Missing, Folder, OneAtATime };

inline constexpr char kRefusalContext[] = "ferrowick::Form1";

constexpr const char* English(Refusal refusal) {
  switch (refusal) {
    case Refusal::Missing:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "\"%1\" does not exist.");
    case Refusal::Folder:
      return QT_TRANSLATE_NOOP("ferrowick::Form1",
                               "\"%1\" is a folder. Ferrowick duplicates one file: choose a "
                               "file.");
    case Refusal::OneAtATime:
      return QT_TRANSLATE_NOOP("ferrowick::Form1",
                               "Ferrowick duplicates one file at a time. Choose one file.");
  }
  return "";
}

}  // namespace ferrowick
