// SPDX-License-Identifier: MIT
#pragma once
// The copy engine's questions, failures and progress in the user's words, for every host that
// speaks through Qt's catalogues: the window's dialogs and the command line. The engine says
// what happened; only this says it in a language.

#include <sys/types.h>

#include <QCoreApplication>
#include <QString>
#include <vector>

#include "refusals.h"
#include "run_answers.h"
#include "run_words.h"
#include "spoken.h"
#include "window_services.h"

namespace ferrowick {

class Wording {
  Q_DECLARE_TR_FUNCTIONS(ferrowick::Wording)

 public:
  // Loads Qt's catalogue and ours for the default locale, which is the desktop's language
  // (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) unless set otherwise; English where there is none.
  // After the application object exists, and again after the default locale changed.
  static void LoadCatalogues();

  // One of the core's phrases, looked up under the window's context as the catalogues have it.
  static QString Of(Phrase phrase);
  // A path or name as the user sees it: each control character shown as its picture.
  static QString Visible(const std::string& text);
  // "a named pipe (FIFO)", "a socket", ...: what a file of this mode is.
  static QString FileKind(mode_t mode);
  static QString NotRegular(const QString& path, mode_t mode);
  // Why the window does not take `path`, given or dropped: a refusal both windows make, a name
  // that cannot pass through a text box, a drop of something not on this computer.
  static QString Refused(Refusal refusal, const QString& path = {});
  static QString NotText(const QString& path);
  static QString NotLocal();
  // What a screen reader is told of a run.
  static QString Said(const Announcement& announcement);
  // A run's word that every program says.
  static QString Of(RunWord word);

  static QString ReplaceQuestion(const ferrowick::ReplaceQuestion& question);
  static QString FolderQuestion(const std::string& folder);
  // The plain fact of a folder that stalls after renames, and what to do instead, for a run of
  // `count` copies.
  static QString StallingFolder(const std::string& folder, int count);
  // The reason a copy failed, with the unfinished copy it left where that could not go.
  static QString Reason(const CopyFailure& failure);
  // A whole report: a copy not made, copies not on the device.
  static QString Report(const CopyFailure& failure);
  // What the run says of copies that were made: attributes not kept, an upload later, ...
  static QString Report(const CopyNote& note);
  static QString Unmade(std::size_t count, const std::vector<CopyFailure>& first);

  static QString Writing();
  static QString Made(const RunProgress& progress);
  static QString Count(const RunProgress& progress);
  // How fast and how long still, or "" before anything was copied.
  static QString Pace(const RunProgress& progress);

  // A choice of a question's box: the caption marks its access key with &.
  struct Choice {
    QString caption;
    int answer;
  };
  static std::vector<Choice> ReplaceChoices();
  static std::vector<Choice> FolderChoices();
  static std::vector<Choice> ErrorChoices();
};

}  // namespace ferrowick
