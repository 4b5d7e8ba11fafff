#pragma once
// The copy engine's questions, errors and progress, as Qt dialogs without an owner window.

#include <QString>
#include <memory>

#include "copy_engine.h"

class QDialog;
class QProgressDialog;

namespace ferrowick {

// What the dialogs need from the window that runs the copies.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Shows the dialog until it is answered, or rejected because the window is closing.
  virtual int RunCopyDialog(QDialog& dialog) = 0;
  // Puts the status box on screen and lets pending events through.
  virtual void Breathe() = 0;
  virtual bool Closing() const = 0;
};

class CopyDialogs : public CopyDelegate {
 public:
  explicit CopyDialogs(DialogHost& host);
  ~CopyDialogs() override;

  bool AskReplace(const std::string& source, const std::string& target) override;
  bool AskCreateFolder(const std::string& folder) override;
  void ReportError(const CopyFailure& failure) override;
  bool Progress(const std::string& source, const std::string& target, std::uint64_t done,
                std::uint64_t total) override;
  void ProgressDone() override;

 private:
  bool AskYesNo(const QString& title, const QString& text);

  DialogHost& host_;
  std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace ferrowick
