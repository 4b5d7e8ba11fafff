#include "copy_dialogs.h"

#include <QMessageBox>
#include <QProgressDialog>

namespace ferrowick {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CopyDialogs::CopyDialogs(DialogHost& host) : host_(host) {}
CopyDialogs::~CopyDialogs() = default;

bool CopyDialogs::AskYesNo(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No);
  // Nothing is replaced or created by a stray Enter.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  host_.RunCopyDialog(box);
  return box.clickedButton() == box.button(QMessageBox::Yes);
}

bool CopyDialogs::AskReplace(const std::string& source, const std::string& target) {
  return AskYesNo(QStringLiteral("Confirm File Replace"),
                  QStringLiteral("\"%1\" already exists.\n\nReplace it with \"%2\"?")
                      .arg(Q(target), Q(source)));
}

bool CopyDialogs::AskCreateFolder(const std::string& folder) {
  return AskYesNo(QStringLiteral("Confirm Folder Create"),
                  QStringLiteral("The folder \"%1\" does not exist.\n\nDo you want to create it?")
                      .arg(Q(folder)));
}

void CopyDialogs::ReportError(const CopyFailure& failure) {
  QMessageBox box(
      QMessageBox::Warning, QStringLiteral("Error Copying File"),
      QStringLiteral("Cannot copy \"%1\" to \"%2\".\n\n%3: %4")
          .arg(Q(failure.source), Q(failure.target), Q(failure.path), Q(failure.reason)),
      QMessageBox::Ok);
  host_.RunCopyDialog(box);
}

bool CopyDialogs::Progress(const std::string& source, const std::string& target, std::uint64_t done,
                           std::uint64_t total) {
  if (!progress_) {
    host_.Breathe();
    progress_ = std::make_unique<QProgressDialog>();
    progress_->setWindowTitle(QStringLiteral("Copying..."));
    progress_->setLabelText(QStringLiteral("Copying \"%1\"\nto \"%2\"").arg(Q(source), Q(target)));
    progress_->setRange(0, 1000);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    progress_->show();
  }
  progress_->setValue(total == 0 ? 1000 : static_cast<int>(done * 1000 / total));
  host_.Breathe();
  return !progress_->wasCanceled() && !host_.Closing();
}

void CopyDialogs::ProgressDone() { progress_.reset(); }

}  // namespace ferrowick
