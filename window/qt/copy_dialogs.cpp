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
#include <vector>

namespace ferrowick {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

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

// A copy that lasts: how far it is, Cancel for this copy, Stop for the whole run.
class ProgressWindow : public QDialog {
 public:
  explicit ProgressWindow(const QString& text) {
    setWindowTitle(QStringLiteral("Copying..."));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text);
    layout->addWidget(label);
    bar_ = new QProgressBar;
    bar_->setRange(0, 1000);
    bar_->setAccessibleName(QStringLiteral("Progress"));
    layout->addWidget(bar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* cancel = Button("&Cancel");
    QPushButton* stop = Button("&Stop");
    buttons->addWidget(cancel);
    buttons->addWidget(stop);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, [this] { answer = ProgressAnswer::Cancel; });
    connect(stop, &QPushButton::clicked, this, [this] { answer = ProgressAnswer::Stop; });
    FitTitle(*this, windowTitle());
  }
  void SetValue(int value) { bar_->setValue(value); }
  // Escape and the close button mean Cancel, as the button of that name does.
  void reject() override { answer = ProgressAnswer::Cancel; }
  ProgressAnswer answer = ProgressAnswer::Go;

 private:
  QProgressBar* bar_;
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
  return static_cast<ErrorAnswer>(
      Ask(QMessageBox::Warning, QStringLiteral("Error Copying File"),
          QStringLiteral("Cannot copy \"%1\" to \"%2\".\n\n%3: %4")
              .arg(Q(failure.source), Q(failure.target), Q(failure.path), Q(failure.reason)),
          {{"&Skip", int(ErrorAnswer::Skip)},
           {"Skip &All", int(ErrorAnswer::SkipAll)},
           {"S&top", int(ErrorAnswer::Stop)}},
          int(ErrorAnswer::Skip), int(ErrorAnswer::Skip), int(ErrorAnswer::Stop)));
}

ProgressAnswer CopyDialogs::Progress(const std::string& source, const std::string& target,
                                     std::uint64_t done, std::uint64_t total) {
  if (!progress_) {
    host_.Breathe();
    progress_ = std::make_unique<ProgressWindow>(
        QStringLiteral("Copying \"%1\"\nto \"%2\"").arg(Q(source), Q(target)));
    progress_->show();
  }
  progress_->SetValue(total == 0 ? 1000 : static_cast<int>(done * 1000 / total));
  host_.Breathe();
  if (host_.Closing()) return ProgressAnswer::Stop;
  return progress_->answer;
}

void CopyDialogs::ProgressDone() { progress_.reset(); }

}  // namespace ferrowick
