// SPDX-License-Identifier: MIT
#include "form1.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QUrl>
#include <QWindow>
#include <tuple>

#include "controls.h"
#include "utf.h"
#include "words.h"

namespace ferrowick {
namespace {

using controls::Make;
using controls::Px;

// The window is never made shorter than this, whatever the screen says.
constexpr int kShortest = 120;

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      CommonDialog1(this, [this](QDialog& dialog) { return RunModal(dialog); }),
      copyDialogs_(*this),
      module1_(copyDialogs_, *this),
      controller_(*this, *this, module1_, u'/') {
  controls::InstallAccessibleRoles();
  setWindowTitle(QString::fromUtf16(layout::kTitle));
  setFixedSize(Px(layout::kClientWidth), Px(layout::kClientHeight));
  // The layout has one size: no maximise button, where the window system lets us say so.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(controls::WindowFont());

  std::tie(scroller_, client_) =
      ScrollingClient(this, {Px(layout::kClientWidth), Px(layout::kClientHeight)});
  MakeControls();
  NameControls();
  ConnectControls();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::MakeControls() {
  using namespace controls;
  Label1 = Band(client_, layout::Label1);
  txtFile = ReadOnlyBox(client_, layout::txtFile);
  cmdChooseFile = Make<QPushButton>(client_, layout::cmdChooseFile);
  Line1 = Rule(client_, layout::Line1);
  Label2 = Band(client_, layout::Label2);
  txtCopies = Make<QLineEdit>(client_, layout::txtCopies);
  Line2 = Rule(client_, layout::Line2);
  Label3 = Band(client_, layout::Label3);
  txtPrefix = Make<QLineEdit>(client_, layout::txtPrefix);
  TagLocation = {Option(client_, layout::TagLocation0), Option(client_, layout::TagLocation1)};
  TagLocation[0]->setChecked(true);
  Line3 = Rule(client_, layout::Line3);
  Label5 = Band(client_, layout::Label5);
  Label5->setWordWrap(true);
  txtDir = ReadOnlyBox(client_, layout::txtDir);
  cmdChooseDir = Make<QPushButton>(client_, layout::cmdChooseDir);
  Line4 = Rule(client_, layout::Line4);
  cmdGo = Make<QPushButton>(client_, layout::cmdGo);
  // Enter and keypad Enter press the focused button, as Space does and as in every dialog;
  // outside a dialog Qt leaves that to buttons that are "auto default".
  for (QPushButton* button : {cmdChooseFile, cmdChooseDir, cmdGo}) button->setAutoDefault(true);
  cmdGo->setFont(GoFont(font()));
  Label4 = Band(client_, layout::Label4);
  announcer_ = new Announcer(client_);
  txtStatus = new StatusBox(client_);
  Place(txtStatus, layout::txtStatus);
  FixBackground(txtStatus, QPalette::Base, kGrey);
}

// Names and descriptions for assistive technologies, each step's caption as its box's label,
// and the tab order of the design.
void Form1::NameControls() {
  const struct {
    QWidget* control;
    QString name;
  } names[] = {{txtFile, tr("File to duplicate")},
               {txtCopies, tr("Number of copies")},
               {txtPrefix, tr("Starting number")},
               {txtDir, tr("Directory for the copies")},
               {txtStatus, tr("Status")}};
  for (const auto& n : names) n.control->setAccessibleName(n.name);
  // Each step's caption labels its box and describes what to do there.
  const struct {
    QLabel* label;
    std::initializer_list<QWidget*> controls;
  } steps[] = {{Label1, {txtFile, cmdChooseFile}},
               {Label2, {txtCopies}},
               {Label3, {txtPrefix, TagLocation[0], TagLocation[1]}},
               {Label5, {txtDir, cmdChooseDir}},
               {Label4, {txtStatus}}};
  for (const auto& step : steps) {
    step.label->setBuddy(*step.controls.begin());
    for (QWidget* control : step.controls) control->setAccessibleDescription(step.label->text());
  }
  // The caption says what a number box is for; its description says what it takes.
  for (QLineEdit* box : {txtCopies, txtPrefix})
    box->setAccessibleDescription(tr("Digits, 1 to 32767."));

  QWidget* tabOrder[] = {txtFile,        cmdChooseFile, txtCopies, txtPrefix,    TagLocation[0],
                         TagLocation[1], cmdGo,         txtStatus, cmdChooseDir, txtDir};
  for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i], tabOrder[i + 1]);
  }
}

void Form1::ConnectControls() {
  for (QLineEdit* box : {txtFile, txtCopies, txtPrefix, txtDir}) box->installEventFilter(this);
  connect(cmdChooseFile, &QPushButton::clicked, this, &Form1::cmdChooseFile_Click);
  connect(cmdChooseDir, &QPushButton::clicked, this, &Form1::cmdChooseDir_Click);
  connect(cmdGo, &QPushButton::clicked, this, &Form1::cmdGo_Click);

  // Only whole files and folders are dropped, and only on the window: never text into a box.
  setAcceptDrops(true);
  for (QLineEdit* box : {txtFile, txtCopies, txtPrefix, txtDir}) box->setAcceptDrops(false);
  txtStatus->setAcceptDrops(false);
}

void Form1::Say(const std::u16string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(layout::kTitle),
                  QString::fromStdU16String(text), QMessageBox::Ok, this);
  RunModal(box);
}

void Form1::OpenFiles(std::vector<std::string> names) {
  std::vector<std::u16string> given;
  for (const std::string& name : names) given.push_back(FromBytes(name));
  controller_.Take(RunController::Place(std::move(given), false));
}

void Form1::Fill(Box box, const std::u16string& path) {
  const QString text = QString::fromStdU16String(path);
  BoxFor(box)->setText(text);
  // The file dialog gives back the name it remembers when it is cancelled: that must be Step
  // 1's, however Step 1 was filled.
  if (box == Box::File) CommonDialog1.FileName = text;
}

RunController::Placed Form1::Dropped(const QMimeData* data) {
  const QList<QUrl> urls = data->hasUrls() ? data->urls() : QList<QUrl>();
  if (urls.size() == 1 && !urls.constFirst().isLocalFile())
    return {Box::File, {}, words::NotLocal()};
  if (urls.isEmpty()) return {Box::File, {}, words::NotLocal()};
  std::vector<std::u16string> names;
  for (const QUrl& url : urls) {
    // The name's bytes are in the link as it came, escaped.
    const QByteArray name =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    names.push_back(FromBytes(std::string_view(name.constData(), std::size_t(name.size()))));
  }
  return RunController::Place(std::move(names), true);
}

// Whatever is dragged over the window is let through, so that a refused drop can say why; the
// cursor shows beforehand whether it would be taken.
void Form1::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void Form1::dragMoveEvent(QDragMoveEvent* event) {
  const bool taken = !controller_.Running() && Dropped(event->mimeData()).refusal.empty();
  event->setDropAction(taken ? Qt::CopyAction : Qt::IgnoreAction);
  event->accept();
}

void Form1::dropEvent(QDropEvent* event) {
  event->setDropAction(Qt::CopyAction);
  event->accept();
  controller_.Take(Dropped(event->mimeData()));
}

void Form1::FitTo(int room, int frame) {
  FitWindow({this, scroller_, client_, txtStatus}, room, frame, kShortest);
}

void Form1::FitToScreen() {
  QScreen* display = screen();
  if (display == nullptr) return;
  // Whenever the screen's size or scale changes, and on the screen the window moves to.
  QObject::disconnect(screenChanges_);
  screenChanges_ = connect(display, &QScreen::availableGeometryChanged, this, &Form1::FitToScreen);
  const int room = rooms_.On(display);
  const int frame = FrameHeight(*this);
  if (frame == framed_ && room == room_) return;
  room_ = room;
  framed_ = frame;
  FitTo(room, frame);
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (windowHandle() != nullptr && !followsScreens_) {
    followsScreens_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, &Form1::FitToScreen);
    // The frame is known only once the window is on the screen: fitted again then.
    windowHandle()->installEventFilter(this);
  }
  FitToScreen();
}

void Form1::Form_Load() {
  // The system's window colour is the one behind text in entry fields: the palette's Base.
  // Taking the role rather than its value follows later palette changes.
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

QLineEdit* Form1::BoxFor(Box box) const {
  return BoxControls<QLineEdit*>{txtFile, txtCopies, txtPrefix, txtDir, nullptr}[box];
}

std::u16string Form1::Words(Phrase phrase) const { return words::Of(phrase); }

std::u16string Form1::Text(Box box) const {
  return box == Box::Status ? txtStatus->Lines() : BoxFor(box)->text().toStdU16String();
}

void Form1::SetText(Box box, const std::u16string& text) {
  if (box == Box::Status) return txtStatus->SetLines(text);
  BoxFor(box)->setText(QString::fromStdU16String(text));
}

bool Form1::PrefixSelected() const { return TagLocation[0]->isChecked(); }

void Form1::AppendStatusLine(std::u16string_view line) { txtStatus->Log().Append(line); }

void Form1::RepaintStatus() { controller_.Repaint(); }

bool Form1::KeepRunning() { return !closing_; }

StatusLog& Form1::Log() { return txtStatus->Log(); }
void Form1::ShowStatus() { txtStatus->Flush(); }
void Form1::LetEventsThrough() { QCoreApplication::processEvents(); }
// The window may have been closed while a copy dialog kept the application alive.
void Form1::Close() { QCoreApplication::quit(); }
void Form1::Announce(const std::u16string& text) {
  announcer_->Say(QString::fromStdU16String(text));
}

int Form1::RunModal(QDialog& dialog) { return runDialog ? runDialog(dialog) : dialog.exec(); }

int Form1::RunCopyDialog(QDialog& dialog) {
  txtStatus->Flush();
  if (closing_) return QDialog::Rejected;
  activeDialog_ = &dialog;
  int result;
  if (runDialog) {
    result = runDialog(dialog);
  } else {
    result = RunModeless(dialog);
  }
  activeDialog_ = nullptr;
  return result;
}

void Form1::FocusOn(Box box) {
  QWidget* control = box == Box::File ? static_cast<QWidget*>(cmdChooseFile) : BoxFor(box);
  if (control != nullptr) control->setFocus(Qt::OtherFocusReason);
}

void Form1::ShowMessage(const std::u16string& text) {
  std::u16string lines = text;
  std::erase(lines, u'\r');
  Say(lines);
}

std::u16string Form1::ChooseFolder() {
  QFileDialog dialog(this, tr(layout::kFolderDialogTitle));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst().toStdU16String();
}

void Form1::txtCopies_KeyPress(char16_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }
void Form1::txtPrefix_KeyPress(char16_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle()) FitToScreen();
  if (auto* box = qobject_cast<QLineEdit*>(watched);
      box != nullptr && event->type() == QEvent::FocusIn) {
    if (controls::FocusAsTold(box, *static_cast<QFocusEvent*>(event))) return true;
  }
  if (event->type() != QEvent::KeyPress || (watched != txtCopies && watched != txtPrefix)) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  // Keys that move or delete rather than type keep their usual meaning.
  const bool types = !key->text().isEmpty() && key->key() != Qt::Key_Tab &&
                     key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Delete;
  if (!types) return false;
  char16_t KeyAscii = key->text().at(0).unicode();
  if (watched == txtCopies) {
    txtCopies_KeyPress(KeyAscii);
  } else {
    txtPrefix_KeyPress(KeyAscii);
  }
  return KeyAscii == 0;
}

void Form1::cmdChooseFile_Click() {
  const std::u16string before = CommonDialog1.FileName.toStdU16String();
  CommonDialog1.DialogTitle = tr(layout::kFileDialogTitle);
  CommonDialog1.ShowOpen();
  CommonDialog1.FileName = QString::fromStdU16String(
      controller_.ChoseFile(before, CommonDialog1.FileName.toStdU16String()));
  txtFile->setText(CommonDialog1.FileName);
}

// Refused: Step 4 keeps what it had, as Step 1 does; only a cancel empties it.
void Form1::cmdChooseDir_Click() {
  txtDir->setText(QString::fromStdU16String(
      controller_.ChoseFolder(txtDir->text().toStdU16String(), module1_.PickDirectory())));
}

void Form1::cmdGo_Click() { controller_.Click(); }

void Form1::closeEvent(QCloseEvent* event) {
  if (controller_.Running()) {
    closing_ = true;
    if (activeDialog_ != nullptr) activeDialog_->reject();
  }
  event->accept();
}

}  // namespace ferrowick
