// SPDX-License-Identifier: MIT
// The Win32 main window, driven through window messages as a user's clicks and keys arrive.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue.h"
#include "form1.h"
#include "utf.h"
#include "win_words.h"

namespace ferrowick {
namespace {

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)), L'\0');
  GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size() + 1));
  return text;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::u16string U(const std::wstring& text) { return {text.begin(), text.end()}; }

// Writes the first `bytes` of "content" to `path`, as a copy that stopped there.
void Write(const std::wstring& path, int bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "content", static_cast<DWORD>(bytes), &written, nullptr);
  CloseHandle(file);
}

// A key as the keyboard sends it, through the window's own message loop; Shift is down in the
// keyboard state the dialog manager reads, as it is while a user holds it.
void Press(Form1& form, UINT key, bool shift = false) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  const HWND to = GetFocus();
  PostMessageW(to, WM_KEYDOWN, key, 1);
  PostMessageW(to, WM_KEYUP, key, 0xC0000001);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) form.Dispatch(message);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

class WinForm1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    // Process ids repeat under wine; a folder left by an earlier run would make the shell ask.
    folder = std::wstring(temp) + L"ferrowick-" + std::to_wstring(GetTickCount64()) + L"-" +
             std::to_wstring(++serial);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    source = folder + L"\\report.txt";
    Write(source, 7);
    form.messageBox = [this](const std::u16string& text) { messages.push_back(text); };
  }

  void TearDown() override { std::filesystem::remove_all(folder); }

  void Fill(const wchar_t* file, const wchar_t* copies, const wchar_t* start) {
    SetWindowTextW(form.txtFile, file);
    SetWindowTextW(form.txtCopies, copies);
    SetWindowTextW(form.txtPrefix, start);
  }

  static inline int serial = 0;
  Form1 form;
  std::wstring folder;
  std::wstring source;
  std::vector<std::u16string> messages;
};

TEST_F(WinForm1Test, FreshStartAndPlaces) {
  for (HWND box : {form.txtFile, form.txtCopies, form.txtPrefix, form.txtDir, form.txtStatus}) {
    EXPECT_TRUE(TextOf(box).empty());
  }
  EXPECT_EQ(SendMessageW(form.TagLocation[0], BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(TextOf(form.hWnd()), L"Ferrowick");
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  EXPECT_EQ(client.right, 392);
  EXPECT_EQ(client.bottom, 707);
  const struct {
    HWND control;
    RECT place;
  } table[] = {{form.cmdGo, {104, 352, 289, 385}},
               {form.txtStatus, {8, 464, 385, 689}},
               {form.TagLocation[1], {176, 192, 249, 215}},
               {form.Label5, {8, 232, 388, 266}}};
  // At 96 dots per inch, then moved to a monitor at 200 %: the same design, twice the pixels.
  for (const int scale : {1, 2}) {
    if (scale == 2) {
      RECT suggested{0, 0, 1000, 1600};
      SendMessageW(form.hWnd(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    for (const auto& row : table) {
      RECT rect{};
      GetWindowRect(row.control, &rect);
      MapWindowPoints(nullptr, form.hWnd(), reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_NEAR(rect.left, scale * row.place.left, scale - 1);
      EXPECT_NEAR(rect.top, scale * row.place.top, scale - 1);
      EXPECT_NEAR(rect.right, scale * row.place.right, scale);
      // Twice the design is higher than the screen: the status box alone gives way.
      if (scale == 1 || row.control != form.txtStatus) {
        EXPECT_NEAR(rect.bottom, scale * row.place.bottom, scale);
      }
    }
  }
}

// What Explorer, the Start menu and Properties > Details read from the program.
TEST_F(WinForm1Test, ResourcesWindowsReads) {
  for (const int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
    const auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::vector<char> data(GetFileVersionInfoSizeW(exe, nullptr));
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(GetFileVersionInfoW(exe, 0, static_cast<DWORD>(data.size()), data.data()));
  for (const wchar_t* name : {L"ProductName", L"ProductVersion", L"CompanyName", L"FileDescription",
                              L"LegalCopyright", L"OriginalFilename"}) {
    wchar_t* value = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueW(data.data(),
                               (std::wstring(L"\\StringFileInfo\\040904B0\\") + name).c_str(),
                               reinterpret_cast<void**>(&value), &length) &&
                length > 1)
        << name;
  }
}

// The focus starts on the file box; Tab runs through the designed order and wraps, Shift+Tab
// runs it backwards, and the status box lets Tab go on.
TEST_F(WinForm1Test, TabFollowsTheDesignedOrder) {
  ShowWindow(form.hWnd(), SW_SHOW);
  EXPECT_EQ(GetFocus(), form.txtFile);
  const std::vector<HWND> order = {form.cmdChooseFile,  form.txtCopies, form.txtPrefix,
                                   form.TagLocation[0], form.cmdGo,     form.txtStatus,
                                   form.cmdChooseDir,   form.txtDir,    form.txtFile};
  std::vector<HWND> forward;
  for (std::size_t i = 0; i < order.size(); ++i) {
    Press(form, VK_TAB);
    forward.push_back(GetFocus());
  }
  EXPECT_EQ(forward, order);
  std::vector<HWND> backward;
  for (std::size_t i = 0; i < order.size(); ++i) {
    Press(form, VK_TAB, /*shift=*/true);
    backward.push_back(GetFocus());
  }
  std::vector<HWND> reversed(order.rbegin() + 1, order.rend());
  reversed.push_back(form.txtFile);
  EXPECT_EQ(backward, reversed);
}

// Enter presses the focused button once; in a box it starts nothing.
TEST_F(WinForm1Test, EnterPressesTheFocusedButton) {
  ShowWindow(form.hWnd(), SW_SHOW);
  Fill(source.c_str(), L"2", L"1");
  for (HWND box : {form.txtFile, form.txtCopies, form.txtPrefix, form.txtStatus, form.txtDir}) {
    SetFocus(box);
    Press(form, VK_RETURN);
  }
  EXPECT_TRUE(TextOf(form.txtStatus).empty());
  SetFocus(form.cmdGo);
  Press(form, VK_RETURN);
  EXPECT_TRUE(Exists(folder + L"\\2report.txt"));
  EXPECT_EQ(TextOf(form.txtStatus), L"Copying to: " + folder + L"\\1report.txt\r\n" +
                                        L"Copying to: " + folder + L"\\2report.txt\r\n");
  EXPECT_TRUE(messages.empty());
}

// After a message box the focus is back on the control that had it.
TEST_F(WinForm1Test, FocusComesBackAfterAMessageBox) {
  ShowWindow(form.hWnd(), SW_SHOW);
  form.messageBox = nullptr;  // the real, modal box
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND box = FindWindowW(L"#32770", L"Ferrowick")) {
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      KillTimer(nullptr, timer);
    }
  });
  SetFocus(form.cmdGo);
  Press(form, VK_RETURN);  // nothing filled in: the validation box
  EXPECT_EQ(TextOf(form.txtCopies), L"0");
  EXPECT_EQ(GetFocus(), form.cmdGo);
}

// A work area lower than the window takes height from the status box alone; at 200 % on a
// 1920x1080 desktop that is not enough, and the controls scroll in a window the work area holds.
TEST_F(WinForm1Test, FitsAWorkAreaLowerThanTheWindow) {
  RECT saved{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved, 0));
  const struct {
    int dpi, room;
    bool scrolls;
  } cases[] = {{96, 600, false}, {192, 1040, true}};
  for (const auto& c : cases) {
    RECT low{0, 0, saved.right, c.room};
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &low, 0));
    Form1 fitted;
    if (c.dpi != 96) {
      RECT suggested{0, 0, 800, 1600};
      SendMessageW(fitted.hWnd(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved, 0);
    RECT window{};
    GetWindowRect(fitted.hWnd(), &window);
    EXPECT_GE(window.top, 0) << c.dpi;
    EXPECT_LE(window.bottom, c.room) << c.dpi;
    const auto place = [&](HWND control) {
      RECT rect{};
      GetWindowRect(control, &rect);
      MapWindowPoints(nullptr, fitted.hWnd(), reinterpret_cast<POINT*>(&rect), 2);
      return rect;
    };
    const int scale = c.dpi / 96;
    const RECT go = place(fitted.cmdGo);
    EXPECT_NEAR(go.top, 352 * scale, scale);
    EXPECT_NEAR(go.bottom, 385 * scale, scale);
    const RECT status = place(fitted.txtStatus);
    EXPECT_NEAR(status.top, 464 * scale, scale);
    EXPECT_LT(status.bottom, 689 * scale);
    RECT client{};
    GetClientRect(fitted.hWnd(), &client);
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    const bool bar = GetScrollInfo(fitted.hWnd(), SB_VERT, &scroll) && scroll.nMax > 0 &&
                     static_cast<int>(scroll.nPage) <= scroll.nMax;
    EXPECT_EQ(bar, c.scrolls) << c.dpi;
    if (!c.scrolls) {
      EXPECT_EQ(client.bottom - status.bottom, 707 - 689);
      continue;
    }
    // The whole width of the design beside the bar, and the status box's bottom reached by
    // scrolling, as by the focus moving there.
    EXPECT_EQ(client.right, 392 * scale);
    ShowWindow(fitted.hWnd(), SW_SHOW);
    SetFocus(fitted.cmdGo);
    Press(fitted, VK_TAB);
    ASSERT_EQ(GetFocus(), fitted.txtStatus);
    EXPECT_LE(place(fitted.txtStatus).bottom, client.bottom);
    SendMessageW(fitted.hWnd(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_NEAR(place(fitted.cmdGo).top, 352 * scale, scale);
    SendMessageW(fitted.hWnd(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(client.bottom - place(fitted.txtStatus).bottom, (707 - 689) * scale);
  }
}

TEST_F(WinForm1Test, SharedAccessKeyMovesFocusWithoutClicking) {
  SetFocus(form.txtFile);
  std::vector<HWND> focused;
  for (int press = 0; press < 3; ++press) {
    MSG altD{GetFocus(), WM_SYSCHAR, L'd', 0, 0, {}};
    EXPECT_TRUE(form.PreTranslate(altD));
    focused.push_back(GetFocus());
  }
  EXPECT_EQ(focused, (std::vector<HWND>{form.cmdChooseDir, form.cmdGo, form.cmdChooseDir}));
  EXPECT_TRUE(messages.empty());  // cmdGo was not clicked
  EXPECT_EQ(TextOf(form.txtCopies), L"");
}

TEST_F(WinForm1Test, NumberBoxesTakeOnlyDigits) {
  for (HWND box : {form.txtCopies, form.txtPrefix}) {
    for (wchar_t typed : std::wstring(L"1a2 -.\x16\r\x1b")) SendMessageW(box, WM_CHAR, typed, 0);
    EXPECT_EQ(TextOf(box), L"12");
    SendMessageW(box, WM_CHAR, 8, 0);
    EXPECT_EQ(TextOf(box), L"1");
  }
}

TEST_F(WinForm1Test, RunMakesTheCopiesAndLogsThem) {
  Fill(source.c_str(), L"3", L"1");
  SendMessageW(form.TagLocation[0], BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageW(form.TagLocation[1], BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(form.cmdGo, BM_CLICK, 0, 0);
  EXPECT_TRUE(messages.empty());
  std::wstring log;
  for (const wchar_t* tag : {L"1", L"2", L"3"}) {
    const std::wstring target = folder + L"\\report" + tag + L".txt";
    EXPECT_TRUE(Exists(target)) << std::string(target.begin(), target.end());
    log += L"Copying to: " + target + L"\r\n";
  }
  EXPECT_EQ(TextOf(form.txtStatus), log);
  DWORD start = 1;
  DWORD end = 1;
  SendMessageW(form.txtStatus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

// What the shell hands back, through a fake of its call, and what the run makes of it: a line
// under each copy not made, the unfinished copies it made removed, and one box at the end.
TEST_F(WinForm1Test, EveryCopyTheShellDidNotMakeIsNamed) {
  // What the fake shell does with one copy: its code and abort flag, and the bytes of
  // "content" it leaves under the target's name (-1: none).
  struct Does {
    int code;
    bool aborted;
    int bytes;
    bool sourceGone = false;
  };
  const std::u16string cancelled = u"it was cancelled.";
  const struct {
    const char* name;
    Does does;
    bool targetThere;  // a file of 2 bytes under the copy's name before the run
    std::u16string reason;
  } cases[] = {
      {"made", {0, false, 7}, false, u""},
      {"cancelled, aborted", {1223, true, -1}, false, cancelled},
      {"cancelled, not aborted", {1223, false, -1}, false, cancelled},
      {"shell's cancel", {0x75, false, -1}, false, cancelled},
      {"source gone", {1026, false, -1, true}, false, u"the source file is no longer there."},
      {"short", {0, false, 3}, false, u"it holds 3 of 7 bytes. The unfinished copy was removed."},
      {"empty", {0, false, 0}, false, u"it holds 0 of 7 bytes. The unfinished copy was removed."},
      {"not there", {0, false, -1}, false, u"it is not there after the copy."},
      {"drive full",
       {112, true, 3},
       false,
       u"there is not enough room on the drive. The unfinished copy was removed."},
      {"locked", {32, false, -1}, false, u"another program is using the file."},
      {"replace declined",
       {0, true, 2},
       true,
       u"it was cancelled. The file that was already there is left as it is."},
  };
  for (const auto& c : cases) {
    const std::wstring target = folder + L"\\1report.txt";
    DeleteFileW(target.c_str());
    Write(source, 7);
    if (c.targetThere) Write(target, 2);
    int calls = 0;
    Form1 fake([&](SHFILEOPSTRUCTW& operation) {
      ++calls;
      if (c.does.bytes >= 0) Write(operation.pTo, c.does.bytes);
      if (c.does.sourceGone) DeleteFileW(operation.pFrom);
      operation.fAnyOperationsAborted = c.does.aborted;
      return c.does.code;
    });
    messages.clear();
    fake.messageBox = [this](const std::u16string& text) { messages.push_back(text); };
    SetWindowTextW(fake.txtFile, source.c_str());
    SetWindowTextW(fake.txtCopies, L"1");
    SetWindowTextW(fake.txtPrefix, L"1");
    SendMessageW(fake.cmdGo, BM_CLICK, 0, 0);
    EXPECT_EQ(calls, 1) << c.name;
    std::u16string log = u"Copying to: " + U(target) + u"\r\n";
    if (!c.reason.empty()) log += u"Not made: " + c.reason + u"\r\n";
    EXPECT_EQ(U(TextOf(fake.txtStatus)), log) << c.name;
    // The run's own unfinished copy is gone; what was there before stays.
    EXPECT_EQ(Exists(target), c.reason.empty() || c.targetThere) << c.name;
    const std::vector<std::u16string> summary = {u"One copy was not made:\r\n\r\n" + U(target) +
                                                 u": " + c.reason};
    EXPECT_EQ(messages, c.reason.empty() ? std::vector<std::u16string>{} : summary) << c.name;
  }

  // COM.txt with the tag behind the name makes COM1.txt and COM2.txt, the names of serial
  // ports: the shell is never asked, and the run says so under each copy and once at its end.
  const std::wstring com = folder + L"\\COM.txt";
  Write(com, 7);
  int calls = 0;
  Form1 ports([&](SHFILEOPSTRUCTW&) { return ++calls, 0; });
  messages.clear();
  ports.messageBox = [this](const std::u16string& text) { messages.push_back(text); };
  SetWindowTextW(ports.txtFile, com.c_str());
  SetWindowTextW(ports.txtCopies, L"2");
  SetWindowTextW(ports.txtPrefix, L"1");
  SendMessageW(ports.TagLocation[1], BM_CLICK, 0, 0);
  SendMessageW(ports.cmdGo, BM_CLICK, 0, 0);
  EXPECT_EQ(calls, 0);
  std::u16string log;
  for (const std::u16string port : {u"COM1", u"COM2"}) {
    log += u"Copying to: " + U(folder) + u"\\" + port +
           u".txt\r\nNot made: its name is that of the device " + port +
           u", which Windows would have written to instead.\r\n";
  }
  EXPECT_EQ(U(TextOf(ports.txtStatus)), log);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].substr(0, 25), u"2 copies were not made:\r\n");
}

// Every language, as the Linux window's table has it: the captions translated, each whole in
// its place at 100, 150 and 200 %, and the access keys of the buttons apart.
TEST_F(WinForm1Test, EveryLanguageFitsItsPlaces) {
  for (const char* language : {"", "de", "es", "fr", "it", "pt_BR"}) {
    catalogue::Speak(language);
    Form1 speaking;
    EXPECT_EQ(TextOf(speaking.Label1) == L"Step 1: Select a file to duplicate.", !*language)
        << language;
    const auto key = [](HWND button) {
      const std::wstring caption = TextOf(button);
      const auto amp = caption.find(L'&');
      return amp == std::wstring::npos ? L'\0' : std::towupper(caption[amp + 1]);
    };
    EXPECT_NE(key(speaking.cmdChooseFile), L'\0') << language;
    EXPECT_NE(key(speaking.cmdChooseFile), key(speaking.cmdChooseDir)) << language;
    EXPECT_NE(key(speaking.cmdChooseFile), key(speaking.cmdGo)) << language;
    for (const int dpi : {96, 144, 192}) {
      RECT suggested{0, 0, 800, 1600};
      SendMessageW(speaking.hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      HDC dc = GetDC(speaking.hWnd());
      const struct {
        HWND control;
        int margin;  // what the control itself takes beside its text, at 96 dots per inch
        bool lines;  // wraps onto the lines its height holds
      } captions[] = {{speaking.Label1, 0, false},          {speaking.Label2, 0, false},
                      {speaking.Label3, 0, false},          {speaking.Label4, 0, false},
                      {speaking.Label5, 0, true},           {speaking.cmdChooseFile, 8, false},
                      {speaking.cmdChooseDir, 8, false},    {speaking.cmdGo, 8, false},
                      {speaking.TagLocation[0], 18, false}, {speaking.TagLocation[1], 18, false}};
      for (const auto& c : captions) {
        const std::wstring text = TextOf(c.control);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c.control, WM_GETFONT, 0, 0)));
        RECT room{};
        GetClientRect(c.control, &room);
        room.right -= MulDiv(c.margin, dpi, 96);
        RECT used = room;
        const UINT prefix = c.margin > 0 ? 0 : DT_NOPREFIX;
        DrawTextW(dc, text.c_str(), -1, &used,
                  DT_CALCRECT | prefix | (c.lines ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
        EXPECT_LE(used.right, room.right) << language << " " << dpi << ": " << ToUtf8(U(text));
        EXPECT_LE(used.bottom, room.bottom) << language << " " << dpi << ": " << ToUtf8(U(text));
      }
      ReleaseDC(speaking.hWnd(), dc);
    }
  }
  catalogue::Speak("");
}

TEST(DeviceNames, WhatWindowsTakesForADevice) {
  const struct {
    const char16_t* name;
    const char16_t* device;
  } cases[] = {
      {u"CON", u"CON"},
      {u"con", u"CON"},
      {u"C:\\Data\\Aux.txt", u"AUX"},
      {u"nul.tar.gz", u"NUL"},
      {u"PRN ", u"PRN"},
      {u"prn. . ", u"PRN"},
      {u"COM1.txt", u"COM1"},
      {u"com9", u"COM9"},
      {u"LPT5 .log", u"LPT5"},
      {u"COM\u00B9.txt", u"COM\u00B9"},
      {u"lpt\u00B3", u"LPT\u00B3"},
      {u"COM1:", u"COM1"},
      {u"dir\\COM2", u"COM2"},
      {u"COM0.txt", u""},
      {u"COM10.txt", u""},
      {u"COM01.txt", u""},
      {u"CONSOLE.txt", u""},
      {u"1CON.txt", u""},
      {u"CON1.txt", u""},
      {u" CON", u""},
      {u"COM\u2074", u""},
      {u"CON\\report.txt", u""},
      {u"report.txt", u""},
      {u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeviceName(c.name), c.device) << ToUtf8(c.name);
  }
}

TEST_F(WinForm1Test, ClosingMidRunStopsAfterTheCopyInHand) {
  Fill(source.c_str(), L"5", L"1");
  PostMessageW(form.hWnd(), WM_CLOSE, 0, 0);  // arrives while the run lets messages through
  SendMessageW(form.cmdGo, BM_CLICK, 0, 0);
  EXPECT_TRUE(Exists(folder + L"\\1report.txt"));
  EXPECT_FALSE(Exists(folder + L"\\2report.txt"));
  EXPECT_FALSE(IsWindow(form.hWnd()));
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(WinForm1Test, ValidationShowsOneMessageAndKeepsTheLog) {
  SetWindowTextW(form.txtStatus, L"earlier\r\n");
  Fill(L"", L"", L"40000");
  SendMessageW(form.cmdGo, BM_CLICK, 0, 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            u"Error: No file selected.\r\nError: Number of copies must be greater than zero.\r\n"
            u"Error: Starting number must be 32767 or less.\r\n");
  EXPECT_EQ(TextOf(form.txtCopies), L"0");
  EXPECT_EQ(TextOf(form.txtStatus), L"earlier\r\n");
}

// What Explorer hands the program: a file on its command line, or dropped on the window (the
// drop built as the shell builds it, read back with DragQueryFileW).
TEST_F(WinForm1Test, StartsFromTheFileExplorerHandsIt) {
  const std::u16string file(source.begin(), source.end());
  const std::u16string here(folder.begin(), folder.end());
  const std::u16string missing = here + u"\\gone.txt";
  const std::u16string one = u"Ferrowick duplicates one file at a time. Choose one file.";
  const auto device = [](const std::u16string& path, const std::u16string& name) {
    return u"\"" + path + u"\" names the device " + name +
           u", not a file: Windows reads such a name as the device itself. Rename the file to "
           u"copy it.";
  };
  const std::u16string usage =
      u"Ferrowick.exe [FILE]\n\nOpens the Ferrowick window, with FILE as the file to duplicate "
      u"where one is given.\n\n--help, /?\tShows this.";
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  std::u16string cwd = U(current);
  if (cwd.back() != u'\\') cwd += u'\\';
  const struct {
    bool dropped;
    std::vector<std::u16string> items;
    std::u16string step1, step4, message;
  } cases[] = {
      {false, {file}, file, u"", u""},
      {false, {u"--", file}, file, u"", u""},
      {false, {file, file}, u"", u"", one},
      {false,
       {here},
       u"",
       u"",
       u"\"" + here + u"\" is a folder. Ferrowick duplicates one file: choose a file."},
      {false, {missing}, u"", u"", u"\"" + missing + u"\" does not exist."},
      {true, {file}, file, u"", u""},
      {true, {here}, u"", here, u""},
      {true, {file, here}, u"", u"", one},
      {true, {missing}, u"", u"", u"\"" + missing + u"\" does not exist."},
      // Device names are no files, wherever they are and whatever their extension.
      {false, {here + u"\\CON"}, u"", u"", device(here + u"\\CON", u"CON")},
      {true, {here + u"\\nul.txt"}, u"", u"", device(here + u"\\nul.txt", u"NUL")},
      // Options are not file names; after "--" everything is.
      {false, {u"/?"}, u"", u"", usage},
      {false, {u"--help", file}, u"", u"", usage},
      {false,
       {u"--frobnicate", file},
       u"",
       u"",
       u"Ferrowick.exe does not know the option \"--frobnicate\". Ferrowick.exe --help says "
       u"what it takes."},
      {false, {u"--", u"--help"}, u"", u"", u"\"" + cwd + u"--help\" does not exist."},
  };
  for (const auto& c : cases) {
    Form1 fresh;
    messages.clear();
    fresh.messageBox = [this](const std::u16string& text) { messages.push_back(text); };
    if (c.dropped) {
      std::u16string list;
      for (const auto& item : c.items) list += item + u'\0';
      const std::size_t bytes = sizeof(DROPFILES) + (list.size() + 1) * sizeof(char16_t);
      HGLOBAL drop = GlobalAlloc(GHND, bytes);
      auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
      header->pFiles = sizeof(DROPFILES);
      header->fWide = TRUE;
      std::copy(list.begin(), list.end(), reinterpret_cast<char16_t*>(header + 1));
      GlobalUnlock(drop);
      SendMessageW(fresh.hWnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    } else {
      std::u16string line = u"\"C:\\Program Files\\Ferrowick\\Ferrowick.exe\"";
      for (const auto& item : c.items) line += u" \"" + item + u"\"";
      fresh.OpenFiles(reinterpret_cast<const wchar_t*>(line.c_str()));
    }
    const auto text = [](HWND box) {
      const std::wstring wide = TextOf(box);
      return std::u16string(wide.begin(), wide.end());
    };
    EXPECT_EQ(text(fresh.txtFile), c.step1);
    EXPECT_EQ(fresh.CommonDialog1.FileName, c.step1);
    EXPECT_EQ(text(fresh.txtDir), c.step4);
    EXPECT_EQ(messages, c.message.empty() ? std::vector<std::u16string>{}
                                          : std::vector<std::u16string>{c.message});
  }
}

// Under wine, with what tests/wine_test.sh sets up and names in the environment: drives mapped
// to small file systems, COM1 pointed at a plain file, the user's language, the screen's scale.
// Each is skipped where its setting is missing.
std::wstring Setting(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::wstring() : std::wstring(value, value + std::strlen(value));
}

// Runs `form` on what is filled in and returns its status lines and message boxes.
std::pair<std::wstring, std::vector<std::u16string>> RunIn(Form1& form, const std::wstring& file,
                                                           const std::wstring& folder,
                                                           const wchar_t* copies, bool suffix) {
  std::vector<std::u16string> boxes;
  form.messageBox = [&](const std::u16string& text) { boxes.push_back(text); };
  SetWindowTextW(form.txtFile, file.c_str());
  SetWindowTextW(form.txtDir, folder.c_str());
  SetWindowTextW(form.txtCopies, copies);
  SetWindowTextW(form.txtPrefix, L"1");
  SendMessageW(form.TagLocation[suffix ? 1 : 0], BM_CLICK, 0, 0);
  SendMessageW(form.cmdGo, BM_CLICK, 0, 0);
  return {TextOf(form.txtStatus), boxes};
}

TEST(OnWine, TheShellsFailuresOnRealDrivesAreNamed) {
  const std::wstring full = Setting("FERROWICK_FULL_DRIVE");
  const std::wstring readOnly = Setting("FERROWICK_READONLY_DRIVE");
  const std::wstring work = Setting("FERROWICK_FOLDER");
  if (full.empty() || readOnly.empty() || work.empty()) GTEST_SKIP() << "tests/wine_test.sh";
  const std::wstring big = work + L"\\big.bin";  // 40 000 bytes
  const std::wstring gone = work + L"\\gone.txt";
  const std::wstring com = work + L"\\COM.txt";
  Write(gone, 7);
  Write(com, 7);
  const std::wstring noRoom =
      L"Not made: there is not enough room on the drive. The unfinished copy was removed.";
  const std::wstring refused =
      L"Not made: writing there was refused: the drive or the folder is read-only, or not yours "
      L"to write to.";
  const std::wstring port = L", which Windows would have written to instead.";
  const struct {
    std::wstring file, folder;
    const wchar_t* copies;
    bool suffix;
    std::vector<std::wstring> lines;  // under each copy's line: "" where it was made
    const char16_t* summary;
  } cases[] = {
      {big, full, L"3", false, {L"", noRoom, noRoom}, u"2 copies were not made:"},
      {big, readOnly, L"2", false, {refused, refused}, u"2 copies were not made:"},
      {com,
       L"",
       L"2",
       true,
       {L"Not made: its name is that of the device COM1" + port,
        L"Not made: its name is that of the device COM2" + port},
       u"2 copies were not made:"},
      {gone,
       L"",
       L"1",
       false,
       {L"Not made: the source file is no longer there."},
       u"One copy was not made:"},
  };
  for (const auto& c : cases) {
    Form1 form;
    if (c.file == gone) {
      SetWindowTextW(form.txtFile, gone.c_str());
      DeleteFileW(gone.c_str());
    }
    const auto [status, boxes] = RunIn(form, c.file, c.folder, c.copies, c.suffix);
    std::wstring log;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      const std::wstring stem = c.file.substr(c.file.rfind(L'\\') + 1);
      const std::wstring base = stem.substr(0, stem.rfind(L'.'));
      const std::wstring tag = std::to_wstring(i + 1);
      const std::wstring name = c.suffix ? base + tag + stem.substr(base.size()) : tag + stem;
      const std::wstring target =
          (c.folder.empty() ? c.file.substr(0, c.file.rfind(L'\\')) : c.folder) + L"\\" + name;
      log += L"Copying to: " + target + L"\r\n";
      if (!c.lines[i].empty()) log += c.lines[i] + L"\r\n";
      // A copy not made leaves nothing under its name (a device's name is always there).
      if (DeviceName(U(target)).empty()) {
        EXPECT_EQ(Exists(target), c.lines[i].empty()) << ToUtf8(U(target));
      }
    }
    EXPECT_EQ(status, log);
    ASSERT_EQ(boxes.size(), 1u) << ToUtf8(U(c.file));
    EXPECT_EQ(boxes[0].rfind(c.summary, 0), 0u) << ToUtf8(boxes[0]);
  }
}

TEST(OnWine, SpeaksTheUsersLanguage) {
  if (Setting("FERROWICK_LANGUAGE") != L"de") GTEST_SKIP() << "tests/wine_test.sh";
  catalogue::SpeakUserLanguage();
  Form1 form([](SHFILEOPSTRUCTW&) { return 112; });
  EXPECT_EQ(TextOf(form.Label1), L"Schritt 1: Die zu duplizierende Datei auswählen.");
  const auto empty = RunIn(form, L"", L"", L"", false);
  ASSERT_EQ(empty.second.size(), 1u);
  EXPECT_EQ(empty.second[0].rfind(u"Fehler: Keine Datei ausgewählt.\r\n", 0), 0u);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring file = std::wstring(temp) + L"bericht.txt";
  Write(file, 7);
  const auto [status, boxes] = RunIn(form, file, L"", L"1", false);
  EXPECT_EQ(status, L"Kopieren nach: " + std::wstring(temp) +
                        L"1bericht.txt\r\nNicht erstellt: auf dem Laufwerk ist nicht genug "
                        L"Platz.\r\n");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind(u"Eine Kopie wurde nicht erstellt:", 0), 0u);
  DeleteFileW(file.c_str());
  catalogue::Speak("");
}

// The window with its frame in the work area at the screen's scale, the status box's bottom and
// its scroll bar reached by scrolling.
TEST(OnWine, FitsTheScreenAtItsScale) {
  const std::wstring dpi = Setting("FERROWICK_DPI");
  if (dpi.empty()) GTEST_SKIP() << "tests/wine_test.sh";
  Form1 form;
  ShowWindow(form.hWnd(), SW_SHOW);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT window{};
  GetWindowRect(form.hWnd(), &window);
  EXPECT_GE(window.top, work.top);
  EXPECT_LE(window.bottom, work.bottom);
  EXPECT_LE(window.right - window.left, work.right - work.left);
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  const int scale = std::stoi(dpi);
  EXPECT_EQ(client.right, MulDiv(392, scale, 96));
  SendMessageW(form.hWnd(), WM_VSCROLL, SB_BOTTOM, 0);
  RECT status{};
  GetWindowRect(form.txtStatus, &status);
  MapWindowPoints(nullptr, form.hWnd(), reinterpret_cast<POINT*>(&status), 2);
  EXPECT_LE(status.bottom, client.bottom);
  std::printf("at %d dots per inch the window is %ldx%ld in a work area of %ldx%ld\n", scale,
              window.right - window.left, window.bottom - window.top, work.right - work.left,
              work.bottom - work.top);
}

}  // namespace
}  // namespace ferrowick
