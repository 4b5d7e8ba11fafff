// SPDX-License-Identifier: MIT
// The Qt main window, driven as a user would, with every dialog answered through the seam.

#include "form1.h"

#include <sys/stat.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <filesystem>
#include <fstream>

using ferrowick::Box;
using ferrowick::Form1;

namespace {

QString ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString("<missing>");
}

void WriteAll(const QString& path, const QByteArray& data) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(data);
}

// Answers the next dialogs in order; each answer sees the dialog and returns its result. Every
// dialog belongs to the main window, or a click on the window would hide it behind it.
struct Answers {
  QList<std::function<int(QDialog&)>> queue;
  QStringList seen;  // the text of every message box, in order
  int dialogs = 0;   // every dialog shown
  QWidget* owner = nullptr;

  std::function<int(QDialog&)> Seam() {
    return [this](QDialog& dialog) {
      ++dialogs;
      if (dialog.parentWidget() != owner) QTest::qFail("a dialog of no window", __FILE__, __LINE__);
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) seen << box->text();
      if (queue.isEmpty()) {
        dialog.reject();
        return int(QDialog::Rejected);
      }
      return queue.takeFirst()(dialog);
    };
  }
};

QAbstractButton* ButtonOf(QMessageBox& box, const QString& caption) {
  for (QAbstractButton* button : box.buttons()) {
    if (button->text() == caption) return button;
  }
  return nullptr;
}

std::function<int(QDialog&)> Click(const QString& caption) {
  return [caption](QDialog& dialog) {
    QAbstractButton* button = ButtonOf(static_cast<QMessageBox&>(dialog), caption);
    if (button == nullptr) {
      QTest::qFail(qPrintable("no button " + caption), __FILE__, __LINE__);
      dialog.reject();
    } else {
      button->click();
    }
    return dialog.result();
  };
}

std::function<int(QDialog&)> Pick(const QString& path) {
  return [path](QDialog& dialog) {
    static_cast<QFileDialog&>(dialog).selectFile(path);
    dialog.accept();
    return int(QDialog::Accepted);
  };
}

// QVERIFY returns from the enclosing function, which a dialog answer cannot do.
#define EXPECT_PLAIN(condition)                                     \
  do {                                                              \
    if (!(condition)) QTest::qFail(#condition, __FILE__, __LINE__); \
  } while (false)

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form1> form;
  Answers answers;
  std::unique_ptr<QTemporaryDir> dir;

  QString Path(const QString& name) const { return dir->filePath(name); }

  // Copies of `file` in the test folder, tags from 1.
  void Fill(const QString& file, const QString& copies) {
    form->txtFile->setText(Path(file));
    form->txtCopies->setText(copies);
    form->txtPrefix->setText("1");
  }

 private slots:
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    form = std::make_unique<Form1>();
    answers = {};
    answers.owner = form.get();
    form->runDialog = answers.Seam();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }
  void cleanup() { form.reset(); }

  void freshStart() {
    for (QLineEdit* box : {form->txtFile, form->txtCopies, form->txtPrefix, form->txtDir}) {
      QVERIFY(box->text().isEmpty());
    }
    QVERIFY(form->txtStatus->toPlainText().isEmpty());
    QVERIFY(form->TagLocation[0]->isChecked());
    QVERIFY(!form->TagLocation[1]->isChecked());
    QCOMPARE(form->windowTitle(), QString("Ferrowick"));
    QCOMPARE(form->size(), QSize(392, 707));
  }

  // Guards the layout against accidental edits: places in pixels at 96 dpi.
  void controlsInTheirPlaces() {
    const struct {
      QWidget* control;
      QRect place;
    } table[] = {
        {form->Label1, {8, 8, 380, 17}},
        {form->txtFile, {8, 32, 377, 19}},
        {form->cmdChooseFile, {8, 56, 113, 25}},
        {form->Line1, {8, 88, 376, 1}},
        {form->Label2, {8, 104, 380, 17}},
        {form->txtCopies, {8, 128, 41, 19}},
        {form->Line2, {8, 152, 376, 1}},
        {form->Label3, {8, 168, 380, 17}},
        {form->txtPrefix, {8, 192, 41, 19}},
        {form->TagLocation[0], {96, 192, 73, 23}},
        {form->TagLocation[1], {176, 192, 73, 23}},
        {form->Line3, {8, 216, 376, 1}},
        {form->Label5, {8, 232, 380, 34}},
        {form->txtDir, {8, 272, 377, 19}},
        {form->cmdChooseDir, {8, 296, 113, 25}},
        {form->Line4, {8, 328, 376, 1}},
        {form->cmdGo, {104, 352, 185, 33}},
        {form->Label4, {8, 448, 153, 17}},
        {form->txtStatus, {8, 464, 377, 225}},
    };
    for (const auto& row : table) QCOMPARE(row.control->geometry(), row.place);
    QVERIFY(form->cmdGo->font().bold());
    // Every one-line caption fits its band.
    for (QLabel* band : {form->Label1, form->Label2, form->Label3, form->Label4}) {
      QVERIFY2(band->fontMetrics().horizontalAdvance(band->text()) <= band->width(),
               qPrintable(band->text()));
    }
  }

  void tabFollowsTheDesignedOrder() {
    form->txtFile->setFocus();
    const QList<QWidget*> expected = {form->cmdChooseFile,  form->txtCopies, form->txtPrefix,
                                      form->TagLocation[0], form->cmdGo,     form->txtStatus,
                                      form->cmdChooseDir,   form->txtDir,    form->txtFile};
    for (QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  // Enter and keypad Enter press the focused button once; in a box they start nothing.
  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("Duplicate File, Enter") << "cmdGo" << int(Qt::Key_Return) << 1;
    QTest::newRow("Duplicate File, keypad Enter") << "cmdGo" << int(Qt::Key_Enter) << 1;
    QTest::newRow("Choose a File") << "cmdChooseFile" << int(Qt::Key_Return) << 1;
    QTest::newRow("Choose a Directory") << "cmdChooseDir" << int(Qt::Key_Enter) << 1;
    for (const char* box : {"txtFile", "txtCopies", "txtPrefix", "txtDir", "txtStatus"}) {
      QTest::newRow(box) << box << int(Qt::Key_Return) << 0;
    }
  }
  void enterPressesTheFocusedButton() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, dialogs);
    const QMap<QString, QWidget*> controls = {{"cmdGo", form->cmdGo},
                                              {"cmdChooseFile", form->cmdChooseFile},
                                              {"cmdChooseDir", form->cmdChooseDir},
                                              {"txtFile", form->txtFile},
                                              {"txtCopies", form->txtCopies},
                                              {"txtPrefix", form->txtPrefix},
                                              {"txtDir", form->txtDir},
                                              {"txtStatus", form->txtStatus}};
    QWidget* target = controls.value(control);
    target->setFocus();
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCOMPARE(answers.dialogs, dialogs);  // the validation box or a chooser, once
  }

  // From the last box, Tab reaches Duplicate File and Enter runs it.
  void tabThenEnterRuns() {
    WriteAll(Path("t.txt"), "t");
    Fill("t.txt", "2");
    form->txtPrefix->setFocus();
    for (int i = 0; i < 2; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->cmdGo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(ReadAll(Path("2t.txt")), QString("t"));
    QCOMPARE(form->txtStatus->toPlainText().count("Copying to: "), 2);
  }

  // A screen lower than the window takes height from the status box alone, down to two lines of
  // the log; lower still, the controls scroll in a window the screen holds.
  void fitsAScreenLowerThanTheWindow_data() {
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("height");
    QTest::newRow("the design fits") << 1024 << 30 << 707;
    QTest::newRow("just fits") << 737 << 30 << 707;
    QTest::newRow("150 % on 1024 pixels") << 682 << 30 << 652;
    QTest::newRow("too low even then: the controls scroll") << 300 << 30 << 270;
  }
  void fitsAScreenLowerThanTheWindow() {
    QFETCH(int, room);
    QFETCH(int, frame);
    QFETCH(int, height);
    QWidget* client = form->Label1->parentWidget();
    QMap<QWidget*, QRect> before;
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      before[control] = control->geometry();
    }
    form->FitTo(room, frame);
    const bool scrolls = client->height() > height;
    QCOMPARE(form->height(), height);
    QCOMPARE(form->width() > 392, scrolls);
    const int line = form->txtStatus->fontMetrics().lineSpacing();
    if (scrolls)
      QVERIFY(form->txtStatus->height() >= 2 * line && form->txtStatus->height() < 3 * line + 30);
    QCOMPARE(form->txtStatus->geometry(),
             before[form->txtStatus].adjusted(0, 0, 0, client->height() - 707));
    for (auto it = before.begin(); it != before.end(); ++it) {
      if (it.key() != form->txtStatus) QCOMPARE(it.key()->geometry(), it.value());
    }
    form->FitTo(2000, 30);
    QCOMPARE(form->size(), QSize(392, 707));
    QCOMPARE(form->txtStatus->geometry(), before[form->txtStatus]);
  }

  // mutter lays out whole scales in device pixels and reports them as the screen's logical
  // size: the output's own mode tells, and the room is the device pixels' at the ratio.
  void trustsTheScreenAsItsCompositorLaysItOut() {
    const struct {
      QSize reported;
      qreal ratio;
      QSize mode;
      int room;
    } screens[] = {{{2560, 1440}, 1, {2560, 1440}, 1440},  // gnome-shell at 100 %
                   {{2560, 1440}, 2, {2560, 1440}, 720},   // at 200 %
                   {{1712, 963}, 2, {2560, 1440}, 963},    // at 150 %, laid out logically
                   {{960, 540}, 2, {1920, 1080}, 540},     // weston at 200 %
                   {{2560, 1440}, 2, {}, 1440}};           // a compositor that did not answer
    for (const auto& s : screens) {
      QCOMPARE(ferrowick::ScreenRoom(s.reported, s.reported.height(), s.ratio, s.mode), s.room);
    }
  }

  void altDAlternatesFocusWithoutClicking() {
    form->txtFile->setFocus();
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    QWidget* first = QApplication::focusWidget();
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    QWidget* second = QApplication::focusWidget();
    QCOMPARE(QSet<QWidget*>({first, second}), QSet<QWidget*>({form->cmdChooseDir, form->cmdGo}));
    QVERIFY(answers.seen.isEmpty());  // no validation box: cmdGo was not clicked
    QVERIFY(form->txtCopies->text().isEmpty());
  }

  // Every caption and box can be read on a light and on a dark palette: its text against its
  // own background, and the rules against the window's.
  void readableOnEveryPalette_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
  }
  void readableOnEveryPalette() {
    QFETCH(bool, dark);
    const QPalette original = QApplication::palette();
    QPalette palette = QApplication::style()->standardPalette();
    if (dark) {
      const QColor back(0x2a, 0x2a, 0x2a);
      for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, back);
      }
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, QColor(0xee, 0xee, 0xee));
      }
    }
    QApplication::setPalette(palette);
    Form1 fresh;
    QApplication::setPalette(original);
    // WCAG's contrast of two colours: 1 for the same, 21 for black on white.
    const auto contrast = [](const QColor& a, const QColor& b) {
      const auto luminance = [](const QColor& c) {
        const auto channel = [](qreal v) {
          return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
      };
      const qreal la = luminance(a) + 0.05;
      const qreal lb = luminance(b) + 0.05;
      return std::max(la, lb) / std::min(la, lb);
    };
    for (QWidget* control : fresh.findChildren<QWidget*>()) {
      if (control->parentWidget() != fresh.Label1->parentWidget()) continue;
      const QPalette& p = control->palette();
      const bool rule = control->metaObject() == &QFrame::staticMetaObject;
      const QColor ink = p.color(rule ? control->backgroundRole() : control->foregroundRole());
      const QColor paper =
          rule ? fresh.palette().color(fresh.backgroundRole()) : p.color(control->backgroundRole());
      QVERIFY2(contrast(ink, paper) >= 4.5,
               qPrintable(QString("%1 %2: %3 on %4")
                              .arg(control->metaObject()->className(), control->accessibleName(),
                                   ink.name(), paper.name())));
    }
  }

  // A screen reader announces every control by name, and activates the buttons by their action.
  void everyControlHasAnAccessibleName() {
    for (QWidget* control : form->findChildren<QWidget*>()) {
      if (qobject_cast<QFrame*>(control) != nullptr &&
          control->metaObject() == &QFrame::staticMetaObject) {
        continue;  // the rules are decoration
      }
      if (control->parentWidget() != form->Label1->parentWidget()) continue;
      if (!control->isVisibleTo(form.get())) continue;  // the announcer, between sentences
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
      QVERIFY(accessible != nullptr);
      QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), control->metaObject()->className());
    }
    // The window is a window to them, and each step's caption labels and describes its box; a
    // number box's description says what it takes.
    QCOMPARE(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
    const QList<QPair<QLabel*, QWidget*>> steps = {{form->Label1, form->txtFile},
                                                   {form->Label2, form->txtCopies},
                                                   {form->Label3, form->txtPrefix},
                                                   {form->Label5, form->txtDir},
                                                   {form->Label4, form->txtStatus}};
    for (const auto& [label, box] : steps) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
      const bool number = box == form->txtCopies || box == form->txtPrefix;
      QCOMPARE(accessible->text(QAccessible::Description),
               number ? QString("Digits, 1 to 32767.") : label->text());
      const auto labels = accessible->relations(QAccessible::Label);
      QVERIFY2(!labels.isEmpty() && labels.first().first->object() == label,
               qPrintable(label->text()));
    }
    QAccessibleInterface* go = QAccessible::queryAccessibleInterface(form->cmdGo);
    QCOMPARE(go->text(QAccessible::Name), QString("Duplicate File"));
    QVERIFY(
        go->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  }

  void backgroundFollowsThePalette() {
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Base, QColor(10, 20, 30));
    QApplication::setPalette(changed);
    QCoreApplication::processEvents();
    QCOMPARE(form->palette().color(form->backgroundRole()), QColor(10, 20, 30));
    QCOMPARE(form->Label1->palette().color(form->Label1->backgroundRole()),
             QColor(0xE0, 0xE0, 0xE0));
    QApplication::setPalette(original);
  }

  void numberBoxesTakeOnlyDigits() {
    QApplication::clipboard()->setText("99");
    for (QLineEdit* box : {form->txtCopies, form->txtPrefix}) {
      box->setFocus();
      QTest::keyClicks(box, "1a2 -.");
      QCOMPARE(box->text(), QString("12"));
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      QTest::keyClick(box, Qt::Key_Return);
      QCOMPARE(box->text(), QString("12"));
      QTest::keyClick(box, Qt::Key_Backspace);
      QCOMPARE(box->text(), QString("1"));
      QTest::keyClick(box, Qt::Key_Tab);
      QVERIFY(QApplication::focusWidget() != box);
    }
  }

  void choosingAndCancelling() {
    WriteAll(Path("pick.txt"), "x");
    answers.queue = {Pick(Path("pick.txt"))};
    form->cmdChooseFile->click();
    QCOMPARE(form->txtFile->text(), Path("pick.txt"));
    form->cmdChooseFile->click();  // cancelled: the box keeps the last choice
    QCOMPARE(form->txtFile->text(), Path("pick.txt"));

    // A folder whose name is not text, beside its twin: refused, Step 4 keeps its folder.
    const QString twin(QChar::ReplacementCharacter);
    QVERIFY(QDir(dir->path()).mkdir(twin));
    QVERIFY(::mkdir((QFile::encodeName(dir->path()) + "/\xff").constData(), 0755) == 0);
    answers.queue = {Pick(dir->path()), Pick(Path(twin))};
    form->cmdChooseDir->click();
    form->cmdChooseDir->click();
    QCOMPARE(form->txtDir->text(), dir->path());
    QVERIFY(answers.seen.join("").contains("not UTF-8"));
    form->cmdChooseDir->click();  // cancelled: back to the source's own folder
    QVERIFY(form->txtDir->text().isEmpty());
  }

  // A start with files (Open With) and drops on the window: what fills which box, and what is
  // refused with a box that leaves every box as it was.
  void startsWithAFileAndTakesDrops() {
    WriteAll(Path("report.txt"), "x");
    QVERIFY(::mkfifo(qPrintable(Path("pipe")), 0644) == 0);
    // A name that is not UTF-8, beside the name it would become in a text box: neither is
    // taken, whichever was meant.
    const QByteArray raw = QFile::encodeName(dir->path()) + "/\xff.txt";
    std::ofstream(raw.constData()) << "the user's own";
    const QString shown(QChar::ReplacementCharacter);
    WriteAll(Path(shown + ".txt"), "another user's");
    WriteAll(Path(shown + "b.txt"), "no twin");
    // The same in a folder above the file.
    QVERIFY(std::filesystem::create_directories(
        (QFile::encodeName(dir->path()) + "/\xfe\xfe/in").constData()));
    std::ofstream((QFile::encodeName(dir->path()) + "/\xfe\xfe/in/a.txt").constData()) << "x";
    const auto local = [](const QStringList& paths) {
      QList<QByteArray> list;
      for (const QString& path : paths) list << QFile::encodeName(path);
      return list;
    };
    const struct {
      bool drop;
      QList<QByteArray> items;  // the names as given, or links where they contain "://"
      QString file, folder;     // the boxes afterwards
      QString refusal;          // words of the box, or none
    } cases[] = {
        {false, local({Path("report.txt")}), Path("report.txt"), "", ""},
        {false, local({Path("report.txt"), Path("report.txt")}), "", "", "one file at a time"},
        {false, local({Path("gone.txt")}), "", "", "does not exist"},
        {false, local({dir->path()}), "", "", "is a folder"},
        {false, local({Path("pipe")}), "", "", "a named pipe (FIFO), not a regular file"},
        {false, {raw}, "", "", "not UTF-8"},
        {false, local({Path(shown + ".txt")}), "", "", "not UTF-8"},
        {false, local({Path(shown + "b.txt")}), Path(shown + "b.txt"), "", ""},
        {true, local({Path(shown + shown + "/in/a.txt")}), "", "", "not UTF-8"},
        {true, local({Path("report.txt")}), Path("report.txt"), "", ""},
        {true, local({dir->path()}), "", dir->path(), ""},
        {true, local({Path("report.txt"), dir->path()}), "", "", "one file at a time"},
        {true, {"https://example.org/report.txt"}, "", "", "on this computer"},
        {true, {raw}, "", "", "not UTF-8"},
    };
    for (const auto& c : cases) {
      form->txtFile->clear();
      form->txtDir->clear();
      answers.seen.clear();
      if (!c.drop) {
        form->OpenFiles(std::vector<std::string>(c.items.begin(), c.items.end()));
      } else {
        QList<QUrl> urls;
        for (const QByteArray& item : c.items) {
          urls << (item.contains("://")
                       ? QUrl(item)
                       : QUrl::fromEncoded("file://" + item.toPercentEncoding("/")));
        }
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(form.get(), &enter);
        QCOMPARE(enter.dropAction(), c.refusal.isEmpty() ? Qt::CopyAction : Qt::IgnoreAction);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(form.get(), &drop);
      }
      QCOMPARE(form->txtFile->text(), c.file);
      QCOMPARE(form->txtDir->text(), c.folder);
      if (!c.file.isEmpty()) {
        form->cmdChooseFile->click();  // cancelled: Step 1 stays as the start or drop left it
        QCOMPARE(form->txtFile->text(), c.file);
      }
      QCOMPARE(answers.seen.size(), c.refusal.isEmpty() ? 0 : 1);
      if (!c.refusal.isEmpty())
        QVERIFY2(answers.seen[0].contains(c.refusal), qPrintable(answers.seen[0]));
    }
    // Nothing but whole files and folders, and only on the window: no text into a number box.
    QVERIFY(!form->txtCopies->acceptDrops() && !form->txtPrefix->acceptDrops());
  }

  void validationShowsOneBoxAndKeepsTheLog() {
    form->txtStatus->setPlainText("earlier");
    answers.queue = {[](QDialog& dialog) {
      auto& box = static_cast<QMessageBox&>(dialog);
      EXPECT_PLAIN(box.windowTitle() == "Ferrowick");
      EXPECT_PLAIN(box.icon() == QMessageBox::NoIcon);
      EXPECT_PLAIN(box.buttons().size() == 1 && box.button(QMessageBox::Ok) != nullptr);
      return int(QDialog::Accepted);
    }};
    form->cmdGo->click();
    QCOMPARE(answers.seen,
             QStringList({"Error: No file selected.\nError: Number of copies must be greater than "
                          "zero.\nError: Starting number must be greater than zero.\n"}));
    QCOMPARE(form->txtCopies->text(), QString("0"));
    QCOMPARE(form->txtStatus->toPlainText(), QString("earlier"));
    QCOMPARE(form->focusWidget(), form->cmdChooseFile);  // where the first fault is mended
  }

  void runMakesTheCopiesWithoutMovingTheView() {
    WriteAll(Path("report.txt"), "content");
    Fill("report.txt", "40");
    form->TagLocation[1]->setChecked(true);
    form->cmdGo->click();

    QVERIFY(answers.seen.isEmpty());
    QCOMPARE(ReadAll(Path("report01.txt")), QString("content"));
    QCOMPARE(ReadAll(Path("report40.txt")), QString("content"));
    const QString status = QString::fromStdU16String(form->Text(Box::Status));
    QCOMPARE(status.count("\r\n"), 40);
    QVERIFY(status.startsWith("Copying to: " + Path("report01.txt") + "\r\n"));
    QVERIFY(status.endsWith("Copying to: " + Path("report40.txt") + "\r\n"));
    QCOMPARE(form->txtStatus->verticalScrollBar()->value(), 0);
    QCOMPARE(form->txtStatus->CaretLine(), 0);
    QVERIFY(!form->txtStatus->HasSelection());
    QCOMPARE(form->findChild<ferrowick::Announcer*>()->accessibleName(),
             "Done. Copies made: 40 of 40, in \"" + dir->path() + "\".");
    // The arrow keys move a caret through the read-only lines, for a reader to read.
    QTest::keyClick(form->txtStatus, Qt::Key_Down);
    QCOMPARE(form->txtStatus->CaretLine(), 1);
    // Shift selects whole lines; Ctrl+C copies them.
    QTest::keyClick(form->txtStatus, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(form->txtStatus, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(
        QGuiApplication::clipboard()->text(),
        "Copying to: " + Path("report02.txt") + "\nCopying to: " + Path("report03.txt") + "\n");
    // The context menu's Select All, then its Copy: every line.
    std::unique_ptr<QMenu> menu = form->txtStatus->ContextMenu();
    QCOMPARE(menu->actions().size(), 2);
    menu->actions()[1]->trigger();
    form->txtStatus->ContextMenu()->actions()[0]->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), form->txtStatus->toPlainText());
  }

  void replaceAnswersAreHonoured() {
    WriteAll(Path("a.txt"), "new");
    WriteAll(Path("1a.txt"), "old one");
    WriteAll(Path("2a.txt"), "old two");
    Fill("a.txt", "2");
    answers.queue = {Click("&No"), Click("&Yes")};
    form->cmdGo->click();
    QCOMPARE(ReadAll(Path("1a.txt")), QString("old one"));
    QCOMPARE(ReadAll(Path("2a.txt")), QString("new"));
    QCOMPARE(answers.seen.size(), 2);
    // Enter and Escape both mean No.
    answers.queue = {[](QDialog& dialog) {
      auto& box = static_cast<QMessageBox&>(dialog);
      EXPECT_PLAIN(box.defaultButton() == ButtonOf(box, "&No"));
      EXPECT_PLAIN(box.escapeButton() == ButtonOf(box, "&No"));
      return int(QDialog::Rejected);
    }};
    form->cmdGo->click();
    QCOMPARE(ReadAll(Path("1a.txt")), QString("old one"));
  }

  void closingMidRunStopsCleanly() {
    WriteAll(Path("c.txt"), "c");
    WriteAll(Path("3c.txt"), "taken");
    Fill("c.txt", "6");
    answers.queue = {[this](QDialog& dialog) {
      form->close();  // while the replace question is open
      return dialog.result();
    }};
    form->cmdGo->click();
    QDir folder(dir->path());
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({"1c.txt", "2c.txt", "3c.txt", "c.txt"}));
    QCOMPARE(ReadAll(Path("3c.txt")), QString("taken"));
  }

  // The real boxes stay open in their own event loops until the window closes, and
  // none is modal, or the window manager would keep the close from the window.
  void closingWhileARealDialogIsOpen_data() {
    QTest::addColumn<bool>("question");
    QTest::newRow("replace question") << true;
    QTest::newRow("error box") << false;
  }
  void closingWhileARealDialogIsOpen() {
    QFETCH(bool, question);
    WriteAll(Path("d.txt"), "d");
    WriteAll(Path("1d.txt"), "taken");
    WriteAll(Path("plain"), "x");
    Fill("d.txt", "4");
    if (!question) form->txtDir->setText(Path("plain"));  // every copy fails
    form->runDialog = nullptr;
    QSet<QWidget*> boxes;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(window) != nullptr && window->isVisible()) {
          EXPECT_PLAIN(!window->isModal() && window->windowModality() == Qt::NonModal);
          EXPECT_PLAIN(window->parentWidget() == form.get());
          boxes << window;
          form->close();
        }
      }
    });
    poll.start(5);
    form->cmdGo->click();
    QCOMPARE(boxes.size(), 1);
    QDir folder(dir->path());
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({"1d.txt", "d.txt", "plain"}));
    QCOMPARE(ReadAll(Path("1d.txt")), QString("taken"));
  }

  // The run's progress display belongs to the window as the questions do.
  void progressWindowBelongsToTheWindow() {
    ferrowick::CopyDialogs dialogs(*form);
    dialogs.Progress({});
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<QDialog*>(window) == nullptr || !window->isVisible()) continue;
      QCOMPARE(window->parentWidget(), form.get());
      ++shown;
    }
    QCOMPARE(shown, 1);
    dialogs.ProgressDone();
  }

  // Every choice a button with its own access key and a name for screen readers; Stop ends the
  // run and leaves the window as it was.
  void stopEndsTheRunAndTheWindowStays() {
    WriteAll(Path("s.txt"), "s");
    for (const char* name : {"1s.txt", "2s.txt", "3s.txt"}) WriteAll(Path(name), "old");
    Fill("s.txt", "3");
    QStringList captions;
    answers.queue = {
        Click("&No"), [&](QDialog& dialog) {
          auto& box = static_cast<QMessageBox&>(dialog);
          QSet<QChar> keys;
          for (QAbstractButton* button : box.buttons()) {
            captions << button->text();
            EXPECT_PLAIN(button->accessibleName() == QString(button->text()).remove('&'));
            keys << button->text().at(button->text().indexOf('&') + 1).toLower();
          }
          EXPECT_PLAIN(keys.size() == box.buttons().size());
          EXPECT_PLAIN(box.text().contains(" bytes, modified "));
          return Click("&Stop")(dialog);
        }};
    form->cmdGo->click();
    QCOMPARE(captions, QStringList({"&Yes", "Yes to &All", "&No", "No to A&ll", "&Stop"}));
    QCOMPARE(form->txtStatus->toPlainText().count("Copying to: "), 2);
    QVERIFY(form->isVisible());
    QCOMPARE(ReadAll(Path("3s.txt")), QString("old"));
    // The next run starts afresh.
    answers.queue = {Click("Yes to &All")};
    form->cmdGo->click();
    QCOMPARE(answers.seen.size(), 3);
    QCOMPARE(ReadAll(Path("3s.txt")), QString("s"));
  }

  void copyErrorsAreReportedAndTheRunGoesOn() {
    WriteAll(Path("plain"), "x");
    Fill("missing.txt", "2");
    form->cmdGo->click();
    QCOMPARE(answers.seen.size(), 2);
    QVERIFY(answers.seen[0].contains("No such file or directory"));
    QVERIFY(form->txtStatus->toPlainText().contains("2missing.txt"));
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
