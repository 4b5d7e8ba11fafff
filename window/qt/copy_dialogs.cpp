// SPDX-License-Identifier: MIT
#include "copy_dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>
#include <utility>
#include <vector>

#include "utf.h"

namespace ferrowick {
namespace {

// A name as the user sees it, each control character in it shown as its picture.
QString Q(const std::string& text) {
  std::u16string visible;
  AppendVisible(visible, FromUtf8(text));
  return QString::fromStdU16String(visible);
}

QString Facts(const FileFacts& facts) {
  const QLocale locale;
  return QStringLiteral("%1 bytes, modified %2")
      .arg(locale.toString(static_cast<qulonglong>(facts.size)),
           QDateTime::fromSecsSinceEpoch(facts.modified).toString("yyyy-MM-dd HH:mm:ss"));
}

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

QPushButton* Button(const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption));
  button->setAccessibleName(QString::fromUtf8(caption).remove(u'&'));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

// The run's one progress display: which copy, how far the run is, how fast and how long it
// will take; Cancel for the copy in hand, Stop for the whole run.
class ProgressWindow : public QDialog {
 public:
  ProgressWindow() {
    setWindowTitle(QStringLiteral("Copying..."));
    auto* layout = new QVBoxLayout(this);
    for (QLabel** label : {&what_, &count_, &pace_}) {
      *label = new QLabel;
      layout->addWidget(*label);
    }
    bar_ = new QProgressBar;
    bar_->setRange(0, 1000);
    bar_->setAccessibleName(QStringLiteral("Progress"));
    layout->addWidget(bar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cancel_ = Button("&Cancel");
    stop_ = Button("&Stop");
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
    const QLocale locale;
    const double seconds = std::chrono::duration<double>(p.elapsed).count();
    const double rate = seconds > 0 ? static_cast<double>(p.done) / seconds : 0;
    if (p.writing) {
      what_->setText(QStringLiteral("Writing the copies to the device..."));
      count_->setText(QStringLiteral("%1 of %2 copies made").arg(p.copy).arg(p.count));
      pace_->setText(QStringLiteral("This waits for the device; nothing is left to cancel."));
      bar_->setRange(0, 0);  // how much the device still has to write, nobody can say
      cancel_->setEnabled(false);
      stop_->setEnabled(false);
    } else {
      what_->setText(Elided(QStringLiteral("Copying to \"%1\"").arg(Q(p.target))));
      count_->setText(QStringLiteral("Copy %1 of %2: %3 of %4")
                          .arg(p.copy)
                          .arg(p.count)
                          .arg(locale.formattedDataSize(static_cast<qint64>(p.done)),
                               locale.formattedDataSize(static_cast<qint64>(p.total))));
      pace_->setText(rate <= 0 ? QString()
                               : QStringLiteral("%1/s, %2 left")
                                     .arg(locale.formattedDataSize(static_cast<qint64>(rate)),
                                          Duration(static_cast<double>(p.total - p.done) / rate)));
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
  static QString Duration(double seconds) {
    if (seconds < 60) return QStringLiteral("%1 s").arg(static_cast<int>(seconds + 0.5));
    const int minutes = static_cast<int>(seconds / 60 + 0.5);
    if (minutes < 60) return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
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

int CopyDialogs::Ask(int icon, const QString& title, const QString& text,
                     std::initializer_list<Choice> choices, int byDefault, int onEscape,
                     int onClose) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icon), title, text);
  std::vector<std::pair<QAbstractButton*, int>> buttons;
  for (const Choice& choice : choices) {
    QPushButton* button = Button(choice.caption);
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
  const QString text = QStringLiteral("\"%1\" already exists.\n%2\n\nReplace it with \"%3\"?\n%4")
                           .arg(Q(question.target), Facts(question.existing), Q(question.source),
                                Facts(question.replacement));
  // Nothing is replaced by a stray Enter.
  return static_cast<Answer>(Ask(QMessageBox::Question, QStringLiteral("Confirm File Replace"),
                                 text,
                                 {{"&Yes", int(Answer::Yes)},
                                  {"Yes to &All", int(Answer::YesToAll)},
                                  {"&No", int(Answer::No)},
                                  {"No to A&ll", int(Answer::NoToAll)},
                                  {"&Stop", int(Answer::Stop)}},
                                 int(Answer::No), int(Answer::No), int(Answer::Stop)));
}

Answer CopyDialogs::AskCreateFolder(const std::string& folder) {
  return static_cast<Answer>(
      Ask(QMessageBox::Question, QStringLiteral("Confirm Folder Create"),
          QStringLiteral("The folder \"%1\" does not exist.\n\nDo you want to create it?")
              .arg(Q(folder)),
          {{"&Yes", int(Answer::Yes)},
           {"&No", int(Answer::No)},
           {"No to &All", int(Answer::NoToAll)},
           {"&Stop", int(Answer::Stop)}},
          int(Answer::No), int(Answer::No), int(Answer::Stop)));
}

ErrorAnswer CopyDialogs::ReportError(const CopyFailure& failure) {
  if (failure.kind == CopyFailure::Kind::NotKept) {
    return static_cast<ErrorAnswer>(
        Ask(QMessageBox::Information, QStringLiteral("Attributes Not Kept"),
            QStringLiteral("The copies were made, but their drive did not keep these extended "
                           "attributes of the source:\n\n%1")
                .arg(QString::fromStdString(failure.reason)),
            {{"OK", int(ErrorAnswer::Skip)}}, int(ErrorAnswer::Skip), int(ErrorAnswer::Skip),
            int(ErrorAnswer::Skip)));
  }
  if (failure.kind == CopyFailure::Kind::Unwritten) {
    return static_cast<ErrorAnswer>(Ask(
        QMessageBox::Warning, QStringLiteral("Error Writing Copies"),
        QStringLiteral("The copies in \"%1\" may not be on the device: it did not take them.\n\n%2")
            .arg(Q(failure.path), Q(failure.reason)),
        {{"OK", int(ErrorAnswer::Skip)}}, int(ErrorAnswer::Skip), int(ErrorAnswer::Skip),
        int(ErrorAnswer::Skip)));
  }
  return static_cast<ErrorAnswer>(
      Ask(QMessageBox::Warning, QStringLiteral("Error Copying File"),
          QStringLiteral("Cannot copy \"%1\" to \"%2\".\n\n%3: %4")
              .arg(Q(failure.source), Q(failure.target), Q(failure.path), Q(failure.reason)),
          {{"&Skip", int(ErrorAnswer::Skip)},
           {"Skip &All", int(ErrorAnswer::SkipAll)},
           {"S&top", int(ErrorAnswer::Stop)}},
          int(ErrorAnswer::Skip), int(ErrorAnswer::Skip), int(ErrorAnswer::Stop)));
}

ProgressAnswer CopyDialogs::Progress(const RunProgress& progress) {
  if (!progress_) {
    host_.Breathe();
    progress_ = std::make_unique<ProgressWindow>();
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

void CopyDialogs::ReportUnmade(std::size_t count, const std::vector<CopyFailure>& first) {
  // The others had a box of their own at the time.
  QString text = count == 1 ? QStringLiteral("One more copy was not made:\n")
                            : QStringLiteral("%1 more copies were not made:\n").arg(count);
  for (const CopyFailure& failure : first) {
    text += QStringLiteral("\n%1: %2").arg(Q(failure.target), Q(failure.reason));
  }
  if (count > first.size()) text += QStringLiteral("\n... and %1 more.").arg(count - first.size());
  Ask(QMessageBox::Warning, QStringLiteral("Copies Not Made"), text, {{"OK", 0}}, 0, 0, 0);
}

}  // namespace ferrowick
