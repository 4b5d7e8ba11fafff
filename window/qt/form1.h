// SPDX-License-Identifier: MIT
#pragma once
// The main window on Qt: controls, layout and event handlers. The work itself is the core's.

#include <QStringList>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "announcer.h"
#include "common_dialog.h"
#include "copy_dialogs.h"
#include "form_logic.h"
#include "module1.h"
#include "run_controller.h"
#include "screen_room.h"
#include "status_box.h"

class QFrame;
class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace ferrowick {

class Form1 : public QWidget,
              public WindowServices,
              public DialogHost,
              public FolderDialog,
              public FormView {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Seam for tests: every dialog the window shows goes through here. By default a dialog is
  // shown modally, except the copy dialogs, which leave the window live.
  std::function<int(QDialog&)> runDialog;

  // The boxes the run reads and writes (WindowServices, FormView).
  std::u16string Text(Box box) const override;
  void SetText(Box box, const std::u16string& text) override;
  void Fill(Box box, const std::u16string& path) override;
  bool PrefixSelected() const override;
  // Where the first fault of the inputs is mended.
  void FocusOn(Box box) override;

  // The status box, and the run's pace (WindowServices, FormView, DialogHost).
  void AppendStatusLine(std::u16string_view line) override;
  StatusLog& Log() override;
  void ShowStatus() override;
  void RepaintStatus() override;
  void BreatheWhenDue() override { RepaintStatus(); }
  void Breathe() override { controller_.Breathe(); }
  void LetEventsThrough() override;
  bool KeepRunning() override;
  bool Closing() const override { return closing_; }
  void Close() override;

  // What the window says (WindowServices, FormView).
  std::u16string Words(Phrase phrase) const override;
  void ShowMessage(const std::u16string& text) override;
  void Say(const std::u16string& text) override;
  void Announce(const std::u16string& text) override;

  // The dialogs of a run and the folder dialog (DialogHost, FolderDialog).
  int RunCopyDialog(QDialog& dialog) override;
  QWidget* Owner() override { return this; }
  std::u16string ChooseFolder() override;

  // The controls, named as in the design.
  QLabel* Label1;
  QLineEdit* txtFile;
  QPushButton* cmdChooseFile;
  QFrame* Line1;
  QLabel* Label2;
  QLineEdit* txtCopies;
  QFrame* Line2;
  QLabel* Label3;
  QLineEdit* txtPrefix;
  std::array<QRadioButton*, 2> TagLocation;
  QFrame* Line3;
  QLabel* Label5;
  QLineEdit* txtDir;
  QPushButton* cmdChooseDir;
  QFrame* Line4;
  QPushButton* cmdGo;
  QLabel* Label4;
  StatusBox* txtStatus;
  CommonDialog CommonDialog1;

  // The window fitted to a work area `room` pixels high, with a frame of `frame` (FitWindow).
  void FitTo(int room, int frame);

  // Started with files to open (a file manager's "Open With", a command line), their names as
  // given: one regular file fills Step 1; anything else, a name that is not UTF-8 included, is
  // refused in a box that says why.
  void OpenFiles(std::vector<std::string> names);

  // The number boxes' filter, fed by the event filter with each typed character.
  void txtCopies_KeyPress(char16_t& KeyAscii);
  void txtPrefix_KeyPress(char16_t& KeyAscii);

 public slots:
  void cmdChooseFile_Click();
  void cmdChooseDir_Click();
  void cmdGo_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // One local file dropped fills Step 1, one folder Step 4.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The constructor's steps.
  void MakeControls();
  void NameControls();
  void ConnectControls();
  void Form_Load();
  void FitToScreen();
  int RunModal(QDialog& dialog);
  QLineEdit* BoxFor(Box box) const;
  // What a drop of `data` would do: the box it fills and the path, or why it is refused.
  static RunController::Placed Dropped(const QMimeData* data);

  CopyDialogs copyDialogs_;
  Module1 module1_;
  RunController controller_;
  bool closing_ = false;
  Announcer* announcer_;
  QDialog* activeDialog_ = nullptr;
  QScrollArea* scroller_;
  QWidget* client_;  // the controls' area, of the designed size less what the status box gave
  QMetaObject::Connection screenChanges_;
  bool followsScreens_ = false;
  int room_ = 0;  // the screen's room and the frame the window was last fitted to
  int framed_ = 0;
  ScreenRooms rooms_;
};

}  // namespace ferrowick
