// SPDX-License-Identifier: MIT
#pragma once
// What the command line says on Linux and in a Windows console alike, in English: its options'
// help and the refusals of a run without a window. Each program looks the words up under the
// context "ferrowick::Terminal"; Qt's lupdate finds them by the marker below.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ferrowick {

enum class TerminalWord {
  CopiesHelp,
  CopiesValue,
  StartHelp,
  StartValue,
  SuffixHelp,
  ToHelp,
  ToValue,
  YesHelp,
  NoHelp,
  FileName,
  FileHelp,
  TryHelp,
  OneFile,
  YesOrNo,
  NotReplaced,        // %1 the copy's name
  NotReplacedAsked,   // the same, where --yes would have replaced it
  FolderNotMade,      // %1 the folder
  FolderNotMadeAsked  // the same, where --yes would have made it
};

inline constexpr char kTerminalContext[] = "ferrowick::Terminal";

constexpr const char* English(TerminalWord word) {
  switch (word) {
    case TerminalWord::CopiesHelp:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "Make N copies (1 to 32767).");
    case TerminalWord::CopiesValue:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "N");
    case TerminalWord::StartHelp:
      return QT_TRANSLATE_NOOP(
          "ferrowick::Terminal",
          "Number the copies from S, 1 when left out (start + copies at most 32767).");
    case TerminalWord::StartValue:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "S");
    case TerminalWord::SuffixHelp:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal",
                               "Put the number behind the name, not in front.");
    case TerminalWord::ToHelp:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal",
                               "Put the copies in FOLDER, not next to FILE.");
    case TerminalWord::ToValue:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "FOLDER");
    case TerminalWord::YesHelp:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal",
                               "Replace existing files and create missing folders without asking.");
    case TerminalWord::NoHelp:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal",
                               "Keep existing files and create no folder, without asking.");
    case TerminalWord::FileName:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "FILE");
    case TerminalWord::FileHelp:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "The file to copy.");
    case TerminalWord::TryHelp:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "Try 'ferrowick --help'.");
    case TerminalWord::OneFile:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "name one file to copy");
    case TerminalWord::YesOrNo:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "--yes or --no, not both");
    case TerminalWord::NotReplaced:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "not replaced: \"%1\" exists");
    case TerminalWord::NotReplacedAsked:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal",
                               "not replaced: \"%1\" exists (--yes replaces it)");
    case TerminalWord::FolderNotMade:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal", "not made: the folder \"%1\" does not exist");
    case TerminalWord::FolderNotMadeAsked:
      return QT_TRANSLATE_NOOP("ferrowick::Terminal",
                               "not made: the folder \"%1\" does not exist (--yes creates it)");
  }
  return "";
}

}  // namespace ferrowick
