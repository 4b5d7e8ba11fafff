// SPDX-License-Identifier: MIT
#include "form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <QtMath>
#include <type_traits>

#include "form_layout.h"
#include "path_look.h"
#include "refusals.h"
#include "utf.h"
#include "wayland_outputs.h"
#include "words.h"

namespace ferrowick {
namespace {

// The layout is drawn in twips; at 96 dots per inch 15 of them make a pixel. Qt scales logical
// pixels for higher densities by itself.
constexpr int Px(int twips) { return (twips + 7) / 15; }

// A caption in the user's language; the layout's English where the catalogue has none.
QString Caption(const layout::Place& place) { return Form1::tr(place.caption); }

template <typename Control>
Control* Make(QWidget* parent, const layout::Place& place) {
  auto* control = new Control(parent);
  control->setGeometry(Px(place.left), Px(place.top), Px(place.width), Px(place.height));
  if constexpr (!std::is_same_v<Control, QFrame> && !std::is_same_v<Control, QPlainTextEdit>) {
    if (place.caption != nullptr) control->setText(Caption(place));
  }
  return control;
}

const QColor kGrey = QColor::fromRgb(layout::kGrey);
// A desktop's panel at the top or bottom of a Wayland screen is at most this high.
constexpr int kPanelRoom = 48;
// The window is never made shorter than this, whatever the screen says.
constexpr int kShortest = 120;

// A control whose background the layout fixes keeps dark text on it, as on the platform the
// layout was drawn for: a dark palette's light text would vanish on the light grey. Everything
// else follows the palette.
void FixBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  for (const QPalette::ColorRole text :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, text, Qt::black);
    palette.setColor(QPalette::Inactive, text, Qt::black);
    palette.setColor(QPalette::Disabled, text, Qt::darkGray);
  }
  widget->setPalette(palette);
}

// Screen readers announce the main window as a window (a frame), as they do every other
// application's, rather than as a plain container.
QAccessibleInterface* MainWindowAccessible(const QString& key, QObject* object) {
  if (key == QLatin1String("ferrowick::Form1") && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

QLabel* Band(QWidget* parent, const layout::Place& place) {
  auto* label = Make<QLabel>(parent, place);
  // Children take the window's background role unless they name their own.
  label->setBackgroundRole(QPalette::Window);
  label->setAutoFillBackground(true);
  FixBackground(label, QPalette::Window, kGrey);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QFrame* Rule(QWidget* parent, const layout::Place& place) {
  auto* line = Make<QFrame>(parent, place);
  line->setAutoFillBackground(true);
  line->setBackgroundRole(QPalette::WindowText);
  return line;
}

QLineEdit* ReadOnlyBox(QWidget* parent, const layout::Place& place) {
  auto* box = Make<QLineEdit>(parent, place);
  box->setReadOnly(true);
  FixBackground(box, QPalette::Base, kGrey);
  return box;
}

// The largest size, from `points` down, at which `text` fits in `room` pixels.
QFont Fitted(QFont font, qreal points, const QString& text, int room) {
  font.setPointSizeF(points);
  while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 5) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  return font;
}

// The layout was drawn for an 8-point sans serif whose widest one-line caption fills its band.
// Liberation Sans has the metrics it was drawn with; whatever family the system substitutes is
// shrunk until that caption fits. The English captions decide, in every language: a
// translation fits the places as they are, in the same font.
QFont WindowFont() {
  const layout::Place& widest = layout::kWidestOneLine;
  return Fitted(QFont(QStringLiteral("Liberation Sans")), 8.0, QString::fromUtf8(widest.caption),
                Px(widest.width) - 4);
}

QFont GoFont(const QFont& windowFont) {
  QFont font = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                   ? QFont(QStringLiteral("MS Sans Serif"))
                   : windowFont;
  font.setBold(true);
  return Fitted(font, windowFont.pointSizeF() * 8.25 / 8.0,
                QString::fromUtf8(layout::cmdGo.caption).remove('&'), Px(layout::cmdGo.width) - 12);
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      CommonDialog1(this, [this](QDialog& dialog) { return RunModal(dialog); }),
      copyDialogs_(*this),
      module1_(copyDialogs_, *this),
      duplicator_(*this, module1_, u'/') {
  static const bool accessible = (QAccessible::installFactory(MainWindowAccessible), true);
  (void)accessible;
  setWindowTitle(QString::fromUtf16(layout::kTitle));
  setFixedSize(Px(layout::kClientWidth), Px(layout::kClientHeight));
  // The layout has one size: no maximise button, where the window system lets us say so.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(WindowFont());

  MakeClientArea();
  MakeControls();
  NameControls();
  ConnectControls();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::MakeClientArea() {
  // The controls sit on a client area of the designed size. Where a screen cannot hold even the
  // shortest window (a small screen at a large scale), it scrolls in a window that fits.
  scroller_ = new QScrollArea(this);
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setFocusPolicy(Qt::NoFocus);
  scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  client_ = new QWidget;
  client_->setFixedSize(Px(layout::kClientWidth), Px(layout::kClientHeight));
  scroller_->setWidget(client_);
  // The window's own background shows through.
  for (QWidget* layer : {static_cast<QWidget*>(scroller_), scroller_->viewport(), client_}) {
    layer->setAutoFillBackground(false);
  }
  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(0, 0, 0, 0);
  frame->addWidget(scroller_);
}

void Form1::MakeControls() {
  Label1 = Band(client_, layout::Label1);
  txtFile = ReadOnlyBox(client_, layout::txtFile);
  cmdChooseFile = Make<QPushButton>(client_, layout::cmdChooseFile);
  Line1 = Rule(client_, layout::Line1);
  Label2 = Band(client_, layout::Label2);
  txtCopies = Make<QLineEdit>(client_, layout::txtCopies);
  Line2 = Rule(client_, layout::Line2);
  Label3 = Band(client_, layout::Label3);
  txtPrefix = Make<QLineEdit>(client_, layout::txtPrefix);
  TagLocation = {Make<QRadioButton>(client_, layout::TagLocation0),
                 Make<QRadioButton>(client_, layout::TagLocation1)};
  for (QRadioButton* option : TagLocation) {
    option->setBackgroundRole(QPalette::Window);
    option->setAutoFillBackground(true);
    FixBackground(option, QPalette::Window, Qt::white);
    // The indicator too is drawn as on a light palette, or it would be a dark hole in white.
    QPalette palette = option->palette();
    palette.setColor(QPalette::Base, Qt::white);
    option->setPalette(palette);
  }
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
  txtStatus = Make<QPlainTextEdit>(client_, layout::txtStatus);
  txtStatus->setReadOnly(true);
  txtStatus->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtStatus->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtStatus->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtStatus->setTabChangesFocus(true);
  // A log of tens of thousands of lines must not keep an undo history of itself.
  txtStatus->setUndoRedoEnabled(false);
  FixBackground(txtStatus, QPalette::Base, kGrey);
  ResetStatusEnd();
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

  QWidget* tabOrder[] = {txtFile,        cmdChooseFile, txtCopies, txtPrefix,    TagLocation[0],
                         TagLocation[1], cmdGo,         txtStatus, cmdChooseDir, txtDir};
  for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i], tabOrder[i + 1]);
  }
}

void Form1::ConnectControls() {
  txtCopies->installEventFilter(this);
  txtPrefix->installEventFilter(this);
  connect(cmdChooseFile, &QPushButton::clicked, this, &Form1::cmdChooseFile_Click);
  connect(cmdChooseDir, &QPushButton::clicked, this, &Form1::cmdChooseDir_Click);
  connect(cmdGo, &QPushButton::clicked, this, &Form1::cmdGo_Click);

  // Only whole files and folders are dropped, and only on the window: never text into a box.
  setAcceptDrops(true);
  for (QLineEdit* box : {txtFile, txtCopies, txtPrefix, txtDir}) box->setAcceptDrops(false);
  txtStatus->setAcceptDrops(false);
}

namespace {

// A name that held bytes that are not UTF-8 is shown with U+FFFD in their place, and a file of
// exactly that name may be there too (another user may have made it): such a name cannot pass
// through a text box, and whichever the user meant, it is refused.
QString NotText(const QString& path) {
  return Form1::tr(
             "\"%1\" holds bytes that are not UTF-8 text, and such a name cannot pass through the "
             "window's boxes. Rename it, or make the copies on the command line: ferrowick "
             "--copies N FILE.")
      .arg(path);
}

QString Said(Refusal refusal) {
  return QCoreApplication::translate(kRefusalContext, English(refusal));
}

PathLook Look(const QString& path) { return LookAt(QFile::encodeName(path).toStdString()); }

// Whether a path a dialog gives back stands for another one too: where a name in it holds
// U+FFFD, its folder may also hold a name that is not UTF-8 and shows the same.
bool Ambiguous(const QString& path) { return ferrowick::Ambiguous(path.toStdString()); }

// Why `path` cannot be duplicated, or "" for a regular file. Folders are for Step 4.
QString NotAFile(const QString& path, const PathLook& look, bool folderTaken) {
  if (look.kind == PathLook::Kind::Ambiguous) return NotText(path);
  if (look.kind == PathLook::Kind::Special) return Wording::NotRegular(path, look.mode);
  using Found = Placing::Found;
  const Placing placing = Placing::For(look.kind == PathLook::Kind::File     ? Found::File
                                       : look.kind == PathLook::Kind::Folder ? Found::Folder
                                                                             : Found::Missing,
                                       folderTaken);
  return placing.refused ? Said(placing.refusal).arg(path) : QString();
}

QString OneAtATime() { return Said(Refusal::OneAtATime); }

}  // namespace

void Form1::Say(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(layout::kTitle), text, QMessageBox::Ok,
                  this);
  RunModal(box);
}

void Form1::OpenFiles(std::vector<std::string> names) {
  if (!names.empty() && names.front() == "--") names.erase(names.begin());
  if (names.empty()) return;
  if (names.size() > 1) return Say(OneAtATime());
  const QString path = QFileInfo(QFile::decodeName(names.front().c_str())).absoluteFilePath();
  if (!IsUtf8(names.front())) return Say(NotText(path));
  if (const QString refusal = NotAFile(path, Look(path), false); !refusal.isEmpty())
    return Say(refusal);
  Fill(txtFile, path);
}

void Form1::Fill(QLineEdit* box, const QString& path) {
  box->setText(path);
  // The file dialog gives back the name it remembers when it is cancelled: that must be Step
  // 1's, however Step 1 was filled.
  if (box == txtFile) CommonDialog1.FileName = path;
}

Form1::Drop Form1::Dropped(const QMimeData* data) const {
  Drop drop;
  const QList<QUrl> urls = data->hasUrls() ? data->urls() : QList<QUrl>();
  if (urls.size() > 1) {
    drop.refusal = OneAtATime();
  } else if (urls.size() != 1 || !urls.constFirst().isLocalFile()) {
    drop.refusal = tr("Only a file or a folder on this computer can be dropped here.");
  } else {
    drop.path = QFileInfo(urls.constFirst().toLocalFile()).absoluteFilePath();
    // The name's bytes are in the link as it came, escaped.
    const QByteArray name =
        QByteArray::fromPercentEncoding(urls.constFirst().path(QUrl::FullyEncoded).toLatin1());
    const PathLook look = Look(drop.path);
    drop.refusal = IsUtf8(std::string_view(name.constData(), std::size_t(name.size())))
                       ? NotAFile(drop.path, look, true)
                       : NotText(drop.path);
    drop.box = look.kind == PathLook::Kind::Folder ? txtDir : txtFile;
  }
  return drop;
}

// Whatever is dragged over the window is let through, so that a refused drop can say why; the
// cursor shows beforehand whether it would be taken.
void Form1::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void Form1::dragMoveEvent(QDragMoveEvent* event) {
  const bool taken = !duplicator_.Running() && Dropped(event->mimeData()).refusal.isEmpty();
  event->setDropAction(taken ? Qt::CopyAction : Qt::IgnoreAction);
  event->accept();
}

void Form1::dropEvent(QDropEvent* event) {
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // A run reads the boxes as it goes: they stay as they are until it is over.
  if (duplicator_.Running()) return;
  const Drop drop = Dropped(event->mimeData());
  if (!drop.refusal.isEmpty()) return Say(drop.refusal);
  Fill(drop.box, drop.path);
}

void Form1::FitTo(int room, int frame) {
  const int width = Px(layout::kClientWidth);
  const int client = Px(layout::kClientHeight);
  const int status = Px(layout::txtStatus.height);
  // Two lines of the log stay in view, however small the screen.
  const int keep = 2 * txtStatus->fontMetrics().lineSpacing() +
                   txtStatus->horizontalScrollBar()->sizeHint().height() + 4;
  const layout::Fit fit = layout::FitIn(client, frame, room, status, keep, kShortest);
  txtStatus->resize(txtStatus->width(), fit.status);
  client_->setFixedSize(width, fit.client);
  // Shorter still, the client area scrolls; the title bar stays on the screen.
  const int bar = fit.shown < fit.client ? scroller_->verticalScrollBar()->sizeHint().width() : 0;
  setFixedSize(width + bar, fit.shown);
}

int ScreenRoom(QSize reported, int available, qreal ratio, QSize device) {
  if (ratio > 1 && device.isValid() && reported == device) return qFloor(available / ratio);
  return available;
}

void Form1::FitToScreen() {
  QScreen* display = screen();
  if (display == nullptr) return;
  // Whenever the screen's size or scale changes, and on the screen the window moves to.
  QObject::disconnect(screenChanges_);
  screenChanges_ = connect(display, &QScreen::availableGeometryChanged, this, &Form1::FitToScreen);
  int room = display->availableGeometry().height();
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    // Asked again only of another screen, or of one that changed.
    if (display->geometry() != modeAsked_) {
      modeAsked_ = display->geometry();
      deviceMode_ = WaylandOutputMode(modeAsked_.topLeft()).value_or(QSize());
    }
    room = ScreenRoom(display->size(), room, display->devicePixelRatio(), deviceMode_);
    // A Wayland compositor tells no program where its panels are: the whole screen is said to be
    // free. Room is left for a panel at the top or bottom.
    room -= kPanelRoom;
  }
  // The frame the window system draws, or on Wayland the title bar Qt draws itself; before the
  // window is framed, a title bar's height stands in for it.
  const QMargins margins = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  int frame = margins.top() + margins.bottom();
  if (frame <= 0) frame = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
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

std::u16string Form1::Words(Phrase phrase) const { return Wording::Of(phrase).toStdU16String(); }

std::u16string Form1::Text(Box box) const {
  if (box == Box::Status) {
    QString text = txtStatus->toPlainText() + QString::fromStdU16String(log_.Pending());
    return text.replace(u'\n', QStringLiteral("\r\n")).toStdU16String();
  }
  return BoxFor(box)->text().toStdU16String();
}

void Form1::SetText(Box box, const std::u16string& text) {
  const QString value = QString::fromStdU16String(text);
  if (box != Box::Status) {
    BoxFor(box)->setText(value);
    return;
  }
  txtStatus->setPlainText(QString(value).remove(u'\r'));
  log_.Clear();
  ResetStatusEnd();
}

void Form1::ResetStatusEnd() {
  statusEnd_ = QTextCursor(txtStatus->document());
  statusEnd_.movePosition(QTextCursor::End);
}

bool Form1::PrefixSelected() const { return TagLocation[0]->isChecked(); }

void Form1::AppendStatusLine(std::u16string_view line) { log_.Append(line); }

void Form1::RepaintStatus() {
  if (log_.Due(StatusLog::Clock::now())) Breathe();
}

void Form1::FlushStatus() {
  if (log_.Pending().empty()) return;
  // Inserting through a cursor of our own leaves the view and the box's caret where they are,
  // as replacing the whole text would, at the cost of the new lines instead of the whole log.
  const bool first = statusEnd_.position() == 0;
  statusEnd_.insertText(QString::fromStdU16String(log_.Take()));
  // In an empty box the caret sits where the first line goes in and would be carried along.
  if (first) txtStatus->setTextCursor(QTextCursor(txtStatus->document()));
  txtStatus->viewport()->repaint();
}

void Form1::Breathe() {
  const auto start = StatusLog::Clock::now();
  FlushStatus();
  QCoreApplication::processEvents();
  log_.Framed(start, StatusLog::Clock::now());
}

bool Form1::KeepRunning() { return !closing_ && !module1_.Stopped(); }

int Form1::RunModal(QDialog& dialog) { return runDialog ? runDialog(dialog) : dialog.exec(); }

int Form1::RunCopyDialog(QDialog& dialog) {
  FlushStatus();
  if (closing_) return QDialog::Rejected;
  activeDialog_ = &dialog;
  int result;
  if (runDialog) {
    result = runDialog(dialog);
  } else {
    // Not modal, like the platform shell's own copy dialogs: the main window can still be
    // closed while one is open. A message box makes itself modal unless told not to, and then
    // the close never reaches the main window.
    dialog.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
    result = dialog.result();
  }
  activeDialog_ = nullptr;
  return result;
}

void Form1::ShowMessage(const std::u16string& text) {
  Say(QString::fromStdU16String(text).remove(u'\r'));
}

std::u16string Form1::ChooseFolder() {
  QFileDialog dialog(this, tr(layout::kFolderDialogTitle));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString folder = dialog.selectedFiles().constFirst();
  if (Ambiguous(folder)) {
    Say(NotText(folder));
    return {};
  }
  return folder.toStdU16String();
}

void Form1::txtCopies_KeyPress(char16_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }
void Form1::txtPrefix_KeyPress(char16_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle()) FitToScreen();
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
  const QString before = CommonDialog1.FileName;
  CommonDialog1.DialogTitle = tr(layout::kFileDialogTitle);
  CommonDialog1.ShowOpen();
  if (CommonDialog1.FileName != before && Ambiguous(CommonDialog1.FileName)) {
    Say(NotText(CommonDialog1.FileName));
    CommonDialog1.FileName = before;
  }
  txtFile->setText(CommonDialog1.FileName);
}

void Form1::cmdChooseDir_Click() {
  txtDir->setText(QString::fromStdU16String(module1_.PickDirectory()));
}

void Form1::cmdGo_Click() {
  if (duplicator_.Running()) return;
  log_.Start();
  duplicator_.Run();
  FlushStatus();
  // The window may have been closed while a copy dialog kept the application alive.
  if (closing_) QCoreApplication::quit();
}

void Form1::closeEvent(QCloseEvent* event) {
  if (duplicator_.Running()) {
    closing_ = true;
    if (activeDialog_ != nullptr) activeDialog_->reject();
  }
  event->accept();
}

}  // namespace ferrowick
