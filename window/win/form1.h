// SPDX-License-Identifier: MIT
#pragma once
// The main window on Win32: controls, layout and event handlers. The work itself is the core's.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "announcer.h"
#include "common_dialog.h"
#include "form_layout.h"
#include "form_logic.h"
#include "module1.h"
#include "placer.h"
#include "run_controller.h"
#include "scroller.h"
#include "status_box.h"

namespace ferrowick {

class Form1 : public WindowServices, public RunHost, public FormView {
 public:
  // `shell`: the shell's copy call, for tests.
  explicit Form1(Module1::Shell shell = {});
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND hWnd() const { return hwnd_; }
  // What a screen reader was last told, for tests.
  HWND Announcement() const { return announcer_.hWnd(); }
  // Tab, Shift+Tab and the access keys of a plain window go through the dialog manager.
  bool PreTranslate(MSG& message);
  // One message of the window's thread, as its message loop handles it.
  void Dispatch(MSG& message);
  // The program's command line, as Explorer's Open with, Send to and right-click verb start
  // it: one file after the program's own name fills Step 1; --help or /? says what it takes;
  // anything else is refused in a message box.
  void OpenFiles(const wchar_t* commandLine);

  // Seam for tests: every message box's text goes here instead.
  std::function<void(const std::u16string&)> messageBox;

  // WindowServices
  std::u16string Text(Box box) const override;
  std::u16string Words(Phrase phrase) const override;
  void SetText(Box box, const std::u16string& text) override;
  bool PrefixSelected() const override;
  void AppendStatusLine(std::u16string_view line) override;
  void RepaintStatus() override;
  void ShowMessage(const std::u16string& text) override;
  void FocusOn(Box box) override;
  bool KeepRunning() override { return !closing_; }

  // RunHost: the shell asks its own questions and shows its own progress. A copy not made gets
  // its line in the status box now, and the run's summary box at its end.
  Answer AskReplace(const ReplaceQuestion&) override { return Answer::No; }
  Answer AskCreateFolder(const std::u16string&) override { return Answer::No; }
  Answer AskStallingFolder(const std::u16string&, int) override { return Answer::No; }
  ErrorAnswer ReportError(const NotMade& failure) override;
  void ReportNote(const RunNote&) override {}
  ProgressAnswer Progress(const RunProgress&) override { return ProgressAnswer::Go; }
  void ProgressDone() override {}
  void Idle() override {}
  void ReportUnmade(std::size_t count, const std::vector<NotMade>& first, bool more) override;

  // FormView
  StatusLog& Log() override { return status_.log; }
  void ShowStatus() override { status_.Flush(); }
  void LetEventsThrough() override;
  bool Closing() const override { return closing_; }
  void Close() override { DestroyWindow(hwnd_); }
  void Announce(const std::u16string& text) override { announcer_.Say(text); }
  void Say(const std::u16string& text) override { ShowMessage(text); }
  void Fill(Box box, const std::u16string& path) override;

  // The controls, named as in the design.
  HWND Label1, txtFile, cmdChooseFile, Line1, Label2, txtCopies, Line2, Label3, txtPrefix;
  std::array<HWND, 2> TagLocation;
  HWND Line3, Label5, txtDir, cmdChooseDir, Line4, cmdGo, Label4, txtStatus;
  CommonDialog CommonDialog1;

  void txtCopies_KeyPress(wchar_t& KeyAscii);
  void txtPrefix_KeyPress(wchar_t& KeyAscii);
  void cmdChooseFile_Click();
  void cmdChooseDir_Click();
  void cmdGo_Click();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK NumberBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnCommand(WPARAM wParam, HWND control);
  LRESULT OnColorStatic(HDC hdc, HWND control);
  void OnActivate(bool active);
  void OnClose();
  // A file dropped fills Step 1, a folder Step 4; several items are refused.
  void OnDropFiles(HDROP drop);
  void CreateControls();
  // The window fitted to the work area of its monitor (FitToWorkArea).
  void FitWorkArea();
  void Form_Load();
  HWND BoxFor(Box box) const;

  HWND hwnd_ = nullptr;
  Module1 module1_;
  RunController controller_;
  Placer placer_;
  HBRUSH grey_ = nullptr;
  HBRUSH white_ = nullptr;
  StatusBox status_;  // txtStatus's lines
  Announcer announcer_;
  Scroller scroller_{hwnd_};
  bool closing_ = false;
  HWND focus_ = nullptr;  // the control that had the focus when the window was last active
};

}  // namespace ferrowick
