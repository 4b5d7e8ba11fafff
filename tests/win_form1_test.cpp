// SPDX-License-Identifier: MIT
// The Win32 main window, driven through window messages as a user's clicks and keys arrive.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "form1.h"
#include "utf.h"
#include "win_catalogue.h"

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

// Writes `bytes` bytes of "content" over and over to `path`: a source, or a copy that stopped.
void Write(const std::wstring& path, int bytes) {
  std::string data;
  while (static_cast<int>(data.size()) < bytes) data += "content";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, data.data(), static_cast<DWORD>(bytes), &written, nullptr);
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

// What tests/wine_test.sh sets up under wine and names in the environment: drives mapped to small
// file systems, COM1 pointed at a plain file, the user's language. The cases that need one of
// them are skipped where it is missing.
std::wstring Setting(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::wstring() : std::wstring(value, value + std::strlen(value));
}

// Runs `form` on what is filled in and returns its status lines and message boxes.
std::pair<std::wstring, std::vector<std::u16string>> RunIn(Form1& form, const std::wstring& file,
                                                           const std::wstring& folder,
                                                           const std::wstring& copies,
                                                           bool suffix) {
  std::vector<std::u16string> boxes;
  form.messageBox = [&](const std::u16string& text) { boxes.push_back(text); };
  SetWindowTextW(form.txtFile, file.c_str());
  SetWindowTextW(form.txtDir, folder.c_str());
  SetWindowTextW(form.txtCopies, copies.c_str());
  SetWindowTextW(form.txtPrefix, L"1");
  SendMessageW(form.TagLocation[suffix ? 1 : 0], BM_CLICK, 0, 0);
  SendMessageW(form.cmdGo, BM_CLICK, 0, 0);
  return {TextOf(form.txtStatus), boxes};
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
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
    if (HWND box = FindWindowW(L"#32770", L"Ferrowick")) PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  // The validation box's focus goes where the first fault is mended: Step 1's button, then the
  // first number box.
  for (const auto& [file, focus] :
       {std::pair(L"", form.cmdChooseFile), std::pair(L"C:\\report.txt", form.txtCopies)}) {
    SetWindowTextW(form.txtFile, file);
    SetWindowTextW(form.txtCopies, L"");
    SetFocus(form.cmdGo);
    Press(form, VK_RETURN);
    EXPECT_EQ(TextOf(form.txtCopies), L"0");
    EXPECT_EQ(GetFocus(), focus);
  }
  KillTimer(nullptr, timer);
}

// A work area lower than the window takes height from the status box alone; at 200 % on a
// 1920x1080 desktop that is not enough, and the controls scroll in a window the work area holds.
TEST_F(WinForm1Test, FitsAWorkAreaLowerThanTheWindow) {
  RECT saved{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved, 0));
  for (const auto& [dpi, room] : {std::pair(96, 600), std::pair(192, 900)}) {
    RECT low{0, 0, saved.right, room};
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &low, 0));
    Form1 fitted;
    RECT suggested{0, 0, 800, 1600};
    if (dpi != 96) {
      SendMessageW(fitted.hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved, 0);
    RECT window{};
    GetWindowRect(fitted.hWnd(), &window);
    EXPECT_TRUE(window.top >= 0 && window.bottom <= room) << dpi;
    const auto place = [&](HWND control) {
      RECT rect{};
      GetWindowRect(control, &rect);
      MapWindowPoints(nullptr, fitted.hWnd(), reinterpret_cast<POINT*>(&rect), 2);
      return rect;
    };
    const int scale = dpi / 96;
    EXPECT_NEAR(place(fitted.cmdGo).top, 352 * scale, scale);
    EXPECT_NEAR(place(fitted.txtStatus).top, 464 * scale, scale);
    EXPECT_LT(place(fitted.txtStatus).bottom, 689 * scale);
    // Lower still (200 % on a laptop), the controls scroll beside a bar of the window's own, the
    // design's width kept: the focus moving to the status box brings it into view.
    ShowWindow(fitted.hWnd(), SW_SHOW);
    SetFocus(fitted.cmdGo);
    Press(fitted, VK_TAB);
    RECT client{};
    GetClientRect(fitted.hWnd(), &client);
    EXPECT_EQ(client.right, 392 * scale);
    EXPECT_LE(place(fitted.txtStatus).bottom, client.bottom);
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
  static std::vector<HWND> live;  // what a reader is told has changed
  const HWINEVENTHOOK hook = SetWinEventHook(
      EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD) { live.push_back(hwnd); }, 0, 0,
      WINEVENT_OUTOFCONTEXT);
  SendMessageW(form.cmdGo, BM_CLICK, 0, 0);
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) form.Dispatch(message);
  UnhookWinEvent(hook);
  EXPECT_EQ(TextOf(form.Announcement()), L"Done. Copies made: 3 of 3, in \"" + folder + L"\".");
  EXPECT_EQ(live, std::vector<HWND>{form.Announcement()});
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

// What the shell hands back and what the run makes of it: a line under each copy not made, the
// unfinished copies it made removed, one box at the end. Through a fake of the shell's call, and
// under wine through the real one on the drives tests/wine_test.sh maps (skipped without them).
TEST_F(WinForm1Test, EveryCopyNotMadeIsNamed) {
  // What a fake shell does with each copy: its code and abort flag, and the bytes of the source
  // it leaves under the copy's name (-1: none).
  struct Fake {
    int code;
    bool aborted;
    int bytes;
  };
  const std::wstring full = Setting("FERROWICK_FULL_DRIVE");
  const std::wstring readOnly = Setting("FERROWICK_READONLY_DRIVE");
  const std::u16string cancelled = u"it was cancelled.",
                       gone = u"the source file is no longer there.";
  const std::u16string noRoom =
      u"there is not enough room on the drive. The unfinished copy was removed.";
  const std::u16string refused =
      u"writing there was refused: the drive or the folder is read-only, or not yours to write "
      u"to.";
  const auto port = [](const char16_t* name) {
    return u"its name is that of the device " + std::u16string(name) +
           u", which Windows would have written to instead.";
  };
  const std::u16string removed = u" The unfinished copy was removed.";
  const struct {
    std::optional<Fake> fake;             // none: the real shell, on a drive wine_test.sh maps
    std::vector<std::u16string> reasons;  // for each copy, "" where it is made
    const wchar_t* file = L"report.txt";  // made in the test's folder: 7 bytes, big.bin 40 000
    std::wstring folder = L"";            // Step 4
    bool suffix = false, targetThere = false, sourceGone = false;
  } cases[] = {
      {Fake{0, false, 7}, {u""}},
      {Fake{1223, true, -1}, {cancelled}},
      {Fake{1223, false, -1}, {cancelled}},
      {Fake{0x75, false, -1}, {cancelled}},
      {Fake{1026, false, -1}, {gone}, L"report.txt", L"", false, false, true},
      {Fake{0, false, 3}, {u"it holds 3 of 7 bytes." + removed}},
      {Fake{0, false, 0}, {u"it holds 0 of 7 bytes." + removed}},
      {Fake{0, false, -1}, {u"it is not there after the copy."}},
      {Fake{112, true, 3}, {noRoom}},
      {Fake{32, false, -1}, {u"another program is using the file."}},
      {Fake{0, true, 2},
       {cancelled + u" The file that was already there is left as it is."},
       L"report.txt",
       L"",
       false,
       true},
      // COM.txt with the tag behind the name gives the names of serial ports: no shell is asked.
      {Fake{0, false, 7}, {port(u"COM1"), port(u"COM2")}, L"COM.txt", L"", true},
      {std::nullopt, {u"", noRoom, noRoom}, L"big.bin", full},
      {std::nullopt, std::vector<std::u16string>(2, refused), L"big.bin", readOnly},
      {std::nullopt, {port(u"COM1"), port(u"COM2")}, L"COM.txt", L"", true},
      {std::nullopt, {gone}, L"report.txt", L"", false, false, true},
  };
  for (const auto& c : cases) {
    if (!c.fake && (full.empty() || readOnly.empty())) continue;
    const std::wstring file = folder + L"\\" + c.file;
    const std::wstring stem = std::wstring(c.file).substr(0, std::wstring(c.file).rfind(L'.'));
    const std::wstring there = c.folder.empty() ? folder : c.folder;
    Write(file, file.find(L"big") != std::wstring::npos ? 40000 : 7);
    int calls = 0;
    Form1 form(c.fake ? Module1::Shell([&](SHFILEOPSTRUCTW& operation) {
      ++calls;
      if (c.fake->bytes >= 0) Write(operation.pTo, c.fake->bytes);
      operation.fAnyOperationsAborted = c.fake->aborted;
      return c.fake->code;
    })
                      : Module1::Shell());
    std::u16string log, summary;
    for (std::size_t i = 0; i < c.reasons.size(); ++i) {
      const std::wstring tag = std::to_wstring(i + 1);
      const std::wstring target =
          there + L"\\" +
          (c.suffix ? stem + tag + (file.c_str() + file.rfind(L'.')) : tag + c.file);
      // Never through a device's name: that would reach the device.
      if (DeviceName(U(target)).empty()) DeleteFileW(target.c_str());
      if (c.targetThere) Write(target, 2);
      log += u"Copying to: " + U(target) + u"\r\n";
      if (!c.reasons[i].empty()) log += u"Not made: " + c.reasons[i] + u"\r\n";
      summary = u"\r\n" + U(target) + u": " + c.reasons[i];
    }
    if (c.sourceGone) DeleteFileW(file.c_str());
    const auto [status, boxes] =
        RunIn(form, file, c.folder, std::to_wstring(c.reasons.size()), c.suffix);
    EXPECT_EQ(U(status), log) << ToUtf8(log);
    const auto made = std::count(c.reasons.begin(), c.reasons.end(), u"");
    if (c.fake) {
      EXPECT_EQ(calls, c.file == std::wstring(L"COM.txt") ? 0 : 1) << ToUtf8(log);
    }
    // One box: the one copy not made named in it, or how many were not.
    ASSERT_EQ(boxes.size(), made == static_cast<long>(c.reasons.size()) ? 0u : 1u) << ToUtf8(log);
    if (c.reasons.size() - made == 1) {
      EXPECT_EQ(boxes[0], u"One copy was not made:\r\n" + summary);
    } else if (c.reasons.size() - made > 1) {
      EXPECT_EQ(boxes[0].find(u" copies were not made:"), 1u);
    }
  }
}

// Every language, as the Linux window's table has it: the captions translated, each whole in
// its place at 100, 150 and 200 %, and the access keys of the buttons apart.
TEST_F(WinForm1Test, EveryLanguageFitsItsPlaces) {
  // Under wine_test.sh, first the user's own language as the program picks it: German there.
  const bool german = Setting("FERROWICK_LANGUAGE") == L"de";
  for (const std::string language : {"user", "", "de", "es", "fr", "it", "pt_BR"}) {
    if (language == "user" && !german) continue;
    language == "user" ? catalogue::SpeakUserLanguage() : catalogue::Speak(language);
    Form1 speaking([](SHFILEOPSTRUCTW&) { return 112; });  // the drive is full
    EXPECT_EQ(TextOf(speaking.Label1) == L"Step 1: Select a file to duplicate.", language == "")
        << language;
    if (language == "user") {
      EXPECT_EQ(TextOf(speaking.Label1), L"Schritt 1: Die zu duplizierende Datei auswählen.");
      const auto [status, boxes] = RunIn(speaking, source, L"", L"1", false);
      EXPECT_EQ(status, L"Kopieren nach: " + folder +
                            L"\\1report.txt\r\nNicht erstellt: auf dem Laufwerk ist nicht genug "
                            L"Platz.\r\n");
      EXPECT_EQ(boxes.at(0).rfind(u"Eine Kopie wurde nicht erstellt:", 0), 0u);
    }
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

// The names Windows takes for a device, in any case, with any extension, dots and spaces at
// their end; and names that only look like one.
TEST(DeviceNames, WhatWindowsTakesForADevice) {
  for (const std::u16string name :
       {u"CON", u"con", u"C:\\Data\\Aux.txt", u"nul.tar.gz", u"PRN ", u"prn. . ", u"COM1.txt",
        u"com9", u"LPT5 .log", u"COM\u00B9.txt", u"lpt\u00B3", u"COM1:", u"dir\\COM2"}) {
    EXPECT_FALSE(DeviceName(name).empty()) << ToUtf8(name);
  }
  for (const std::u16string name :
       {u"COM0.txt", u"COM10.txt", u"COM01.txt", u"CONSOLE.txt", u"1CON.txt", u"CON1.txt", u" CON",
        u"COM\u2074", u"CON\\report.txt", u"report.txt", u""}) {
    EXPECT_TRUE(DeviceName(name).empty()) << ToUtf8(name);
  }
  EXPECT_EQ(DeviceName(u"lpt\u00B3 .txt"), u"LPT\u00B3");
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
      {false, {u"--", here + u"\\--help"}, u"", u"", u"\"" + here + u"\\--help\" does not exist."},
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

}  // namespace
}  // namespace ferrowick
