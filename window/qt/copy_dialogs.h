// SPDX-License-Identifier: MIT
#pragma once
// The copy engine's questions, errors and progress, as Qt dialogs owned by the main window: the
// window system keeps them over it, so that a click on the window cannot hide a question the
// run waits for.

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <vector>

#include "run_host.h"
#include "words.h"

class QDialog;
class QWidget;

namespace ferrowick {

// What the dialogs need from the window that runs the copies.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Shows the dialog until it is answered, or rejected because the window is closing.
  virtual int RunCopyDialog(QDialog& dialog) = 0;
  // Puts the status box on screen and lets pending events through.
  virtual void Breathe() = 0;
  // The same, but no more often than drawing leaves the copies most of the time.
  virtual void BreatheWhenDue() = 0;
  virtual bool Closing() const = 0;
  // The window the dialogs belong to.
  virtual QWidget* Owner() = 0;
};

// Shows `dialog` until it is answered, not modal, like the platform shell's own copy dialogs:
// the main window can still be closed while one is open.
int RunModeless(QDialog& dialog);

class ProgressWindow;

class CopyDialogs : public RunHost {
  Q_DECLARE_TR_FUNCTIONS(ferrowick::CopyDialogs)

 public:
  explicit CopyDialogs(DialogHost& host);
  ~CopyDialogs() override;

  Answer AskReplace(const ReplaceQuestion& question) override;
  Answer AskCreateFolder(const std::u16string& folder) override;
  Answer AskStallingFolder(const std::u16string& folder, int count) override;
  ErrorAnswer ReportError(const NotMade& failure) override;
  void ReportNote(const RunNote& note) override;
  ProgressAnswer Progress(const RunProgress& progress) override;
  void ProgressDone() override;
  void Idle() override;
  void ReportUnmade(std::size_t count, const std::vector<NotMade>& first, bool more) override;

 private:
  static QString Ok();
  // A question with the choices as buttons, in this order. Enter picks `byDefault`, Escape and
  // closing the box pick `onEscape`, closing the main window picks `onClose`.
  int Ask(int icon, const QString& title, const std::u16string& text,
          const std::vector<words::Choice>& choices, int byDefault, int onEscape, int onClose);

  DialogHost& host_;
  std::unique_ptr<ProgressWindow> progress_;
};

}  // namespace ferrowick
