// SPDX-License-Identifier: MIT
#include "copy_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>
#include <utility>
#include <vector>

#include "utf.h"

namespace ferrowick {

int RunModeless(QDialog& dialog) {
  // A message box makes itself modal unless told not to, and then the close never reaches the
  // main window.
  dialog.setWindowModality(Qt::NonModal);
  QEventLoop loop;
  QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.show();
  loop.exec();
  return dialog.result();
}

namespace {

// Wide enough for its title: a window manager cuts a title that does not fit, and a box
// sizes itself to its text alone.
void FitTitle(QDialog& dialog, const QString& title) {
  const int room = QFontMetrics(QApplication::font()).horizontalAdvance(title) * 3 / 2 + 120;
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    dialog.setMinimumWidth(room);
  }
}

QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

QPushButton* Button(const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setAccessibleName(QString(caption).remove(u'&'));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

// The run's one progress display: which copy, how far the run is, how fast and how long it
// will take; Cancel for the copy in hand, Stop for the whole run.
class ProgressWindow : public QDialog {
 public:
  explicit ProgressWindow(QWidget* owner) : QDialog(owner) {
    setWindowTitle(CopyDialogs::tr("Copying..."));
    auto* layout = new QVBoxLayout(this);
    for (QLabel** label : {&what_, &count_, &pace_}) {
      *label = new QLabel;
      layout->addWidget(*label);
    }
    bar_ = new QProgressBar;
    bar_->setRange(0, 1000);
    bar_->setAccessibleName(CopyDialogs::tr("Progress"));
    layout->addWidget(bar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cancel_ = Button(CopyDialogs::tr("&Cancel"));
    stop_ = Button(CopyDialogs::tr("&Stop"));
    buttons->addWidget(cancel_);
    buttons->addWidget(stop_);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, [this] { answer_ = ProgressAnswer::Cancel; });
    connect(stop_, &QPushButton::clicked, this, [this] { answer_ = ProgressAnswer::Stop; });
    FitTitle(*this, windowTitle());
    // Wide enough for long names and for the figures as they change: the window keeps its size.
    setMinimumWidth(std::max(minimumWidth(), kWidth + 40));
  }

  void Show(const RunProgress& p) {
    if (p.writing) {
      what_->setText(Q(words::Writing()));
      count_->setText(Q(words::Made(p)));
      pace_->setText(CopyDialogs::tr("This waits for the device; nothing is left to cancel."));
      bar_->setRange(0, 0);  // how much the device still has to write, nobody can say
      cancel_->setEnabled(false);
      stop_->setEnabled(false);
    } else {
      what_->setText(Elided(CopyDialogs::tr("Copying to \"%1\"").arg(Q(words::Shown(p.target)))));
      count_->setText(Q(words::Count(p)));
      pace_->setText(Q(words::Pace(p)));
      bar_->setValue(p.total == 0 ? 1000 : static_cast<int>(p.done * 1000 / p.total));
    }
  }
  // The answer given since the last look, then Go again: Cancel is for one copy only.
  ProgressAnswer Take() { return std::exchange(answer_, ProgressAnswer::Go); }
  // Escape and the close button mean Cancel, as the button of that name does.
  void reject() override {
    if (cancel_->isEnabled()) answer_ = ProgressAnswer::Cancel;
  }

 private:
  static constexpr int kWidth = 440;

  QString Elided(const QString& text) const {
    return what_->fontMetrics().elidedText(text, Qt::ElideMiddle, kWidth);
  }

  QLabel* what_;
  QLabel* count_;
  QLabel* pace_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  QPushButton* stop_;
  ProgressAnswer answer_ = ProgressAnswer::Go;
};

CopyDialogs::CopyDialogs(DialogHost& host) : host_(host) {}
CopyDialogs::~CopyDialogs() = default;

int CopyDialogs::Ask(int icon, const QString& title, const std::u16string& text,
                     const std::vector<words::Choice>& choices, int byDefault, int onEscape,
                     int onClose) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icon), title, Q(text), QMessageBox::NoButton,
                  host_.Owner());
  std::vector<std::pair<QAbstractButton*, int>> buttons;
  for (const words::Choice& choice : choices) {
    QPushButton* button = Button(Q(choice.caption));
    // One role for all keeps them in the order given.
    box.addButton(button, QMessageBox::ActionRole);
    if (choice.answer == byDefault) box.setDefaultButton(button);
    if (choice.answer == onEscape) box.setEscapeButton(button);
    buttons.emplace_back(button, choice.answer);
  }
  FitTitle(box, title);
  host_.RunCopyDialog(box);
  if (host_.Closing()) return onClose;
  for (const auto& [button, answer] : buttons) {
    if (box.clickedButton() == button) return answer;
  }
  return onEscape;
}

Answer CopyDialogs::AskReplace(const ReplaceQuestion& question) {
  // Nothing is replaced by a stray Enter.
  return static_cast<Answer>(Ask(QMessageBox::Question, tr("Confirm File Replace"),
                                 words::ReplaceQuestion(question), words::ReplaceChoices(),
                                 int(Answer::No), int(Answer::No), int(Answer::Stop)));
}

Answer CopyDialogs::AskCreateFolder(const std::u16string& folder) {
  return static_cast<Answer>(Ask(QMessageBox::Question, tr("Confirm Folder Create"),
                                 words::FolderQuestion(folder), words::FolderChoices(),
                                 int(Answer::No), int(Answer::No), int(Answer::Stop)));
}

Answer CopyDialogs::AskStallingFolder(const std::u16string& folder, int count) {
  return static_cast<Answer>(
      Ask(QMessageBox::Warning, tr("Confirm Copies into a WebDAV Folder"),
          words::StallingFolder(folder, count) + u"\n\n" +
              tr("Make the copies there all the same?").toStdU16String(),
          {{words::Of(RunWord::Yes), int(Answer::Yes)}, {words::Of(RunWord::No), int(Answer::No)}},
          int(Answer::No), int(Answer::No), int(Answer::No)));
}

void CopyDialogs::ReportNote(const RunNote& note) {
  const QString caption = note.kind == RunNote::Kind::Deferred    ? tr("Copies Waiting for Upload")
                          : note.kind == RunNote::Kind::Unchecked ? tr("Changes Not Checked")
                                                                  : tr("Attributes Not Kept");
  const int ok = int(ErrorAnswer::Skip);
  Ask(QMessageBox::Information, caption, words::Report(note), {{Ok().toStdU16String(), ok}}, ok, ok,
      ok);
}

ErrorAnswer CopyDialogs::ReportError(const NotMade& failure) {
  const int skip = int(ErrorAnswer::Skip);
  if (failure.of == NotMade::Of::Copies) {
    return static_cast<ErrorAnswer>(Ask(QMessageBox::Warning, tr("Error Writing Copies"),
                                        words::Report(failure), {{Ok().toStdU16String(), skip}},
                                        skip, skip, skip));
  }
  return static_cast<ErrorAnswer>(Ask(QMessageBox::Warning, tr("Error Copying File"),
                                      words::Report(failure), words::ErrorChoices(), skip, skip,
                                      int(ErrorAnswer::Stop)));
}

ProgressAnswer CopyDialogs::Progress(const RunProgress& progress) {
  if (!progress_) {
    host_.Breathe();
    progress_ = std::make_unique<ProgressWindow>(host_.Owner());
    progress_->Show(progress);
    progress_->show();
    host_.Breathe();
  } else {
    progress_->Show(progress);
    host_.BreatheWhenDue();
  }
  if (host_.Closing()) return ProgressAnswer::Stop;
  return progress_->Take();
}

void CopyDialogs::ProgressDone() { progress_.reset(); }

void CopyDialogs::Idle() { host_.Breathe(); }

void CopyDialogs::ReportUnmade(std::size_t count, const std::vector<NotMade>& first, bool more) {
  Ask(QMessageBox::Warning, tr("Copies Not Made"), words::Unmade(count, first, more),
      {{Ok().toStdU16String(), 0}}, 0, 0, 0);
}

QString CopyDialogs::Ok() { return tr("OK"); }

}  // namespace ferrowick
