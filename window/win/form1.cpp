// SPDX-License-Identifier: MIT
#include "form1.h"

#include <shellapi.h>

#include <vector>

#include "controls.h"
#include "form_layout.h"
#include "utf.h"
#include "win_catalogue.h"
#include "words.h"

namespace ferrowick {
namespace {

using controls::U;
using controls::W;
using controls::WindowText;

constexpr wchar_t kClassName[] = L"FerrowickForm1";
constexpr COLORREF kGrey =
    RGB((layout::kGrey >> 16) & 0xFF, (layout::kGrey >> 8) & 0xFF, layout::kGrey & 0xFF);
WNDPROC editProc = nullptr;

// One of the layout's words in the user's language.
std::u16string Caption(const char* english) {
  return catalogue::translate("ferrowick::Form1", english);
}

}  // namespace

Form1::Form1(Module1::Shell shell)
    : module1_(*this, std::move(shell)),
      controller_(*this, *this, module1_, u'\\'),
      placer_(controls::SystemDpi()) {
  grey_ = CreateSolidBrush(kGrey);
  white_ = CreateSolidBrush(RGB(255, 255, 255));
  HINSTANCE instance = GetModuleHandleW(nullptr);
  controls::RegisterWindowClass(instance, kClassName, WindowProc, white_);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, placer_.Px(layout::kClientWidth), placer_.Px(layout::kClientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  hwnd_ = CreateWindowExW(0, kClassName, W(layout::kTitle), style, CW_USEDEFAULT, CW_USEDEFAULT,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                          instance, this);
  FitWorkArea();
}

Form1::~Form1() {
  if (hwnd_ != nullptr) {
    // Going away with the object is not the user closing the program: no quit message.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  DeleteObject(grey_);
  DeleteObject(white_);
}

void Form1::CreateControls() {
  // Creation order is tab order.
  const auto make = [&](const layout::Place& place, const wchar_t* windowClass, DWORD style,
                        DWORD exStyle = 0) {
    const std::wstring caption = place.caption ? W(Caption(place.caption)) : L"";
    return placer_.Make(hwnd_, place, caption.c_str(), windowClass, style, exStyle,
                        &place == &layout::cmdGo);
  };
  const DWORD box = WS_TABSTOP | ES_AUTOHSCROLL;
  const DWORD band = SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
  const DWORD rule = SS_BLACKRECT;
  Label1 = make(layout::Label1, L"STATIC", band);
  txtFile = make(layout::txtFile, L"EDIT", box | ES_READONLY, WS_EX_CLIENTEDGE);
  cmdChooseFile = make(layout::cmdChooseFile, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON);
  Line1 = make(layout::Line1, L"STATIC", rule);
  Label2 = make(layout::Label2, L"STATIC", band);
  txtCopies = make(layout::txtCopies, L"EDIT", box, WS_EX_CLIENTEDGE);
  Line2 = make(layout::Line2, L"STATIC", rule);
  Label3 = make(layout::Label3, L"STATIC", band);
  txtPrefix = make(layout::txtPrefix, L"EDIT", box, WS_EX_CLIENTEDGE);
  TagLocation[0] =
      make(layout::TagLocation0, L"BUTTON", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  TagLocation[1] = make(layout::TagLocation1, L"BUTTON", BS_AUTORADIOBUTTON);
  // The group of options ends where the next group starts.
  cmdGo = make(layout::cmdGo, L"BUTTON", WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON);
  txtStatus = make(layout::txtStatus, L"EDIT",
                   WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                       WS_HSCROLL | WS_VSCROLL,
                   WS_EX_CLIENTEDGE);
  status_.Attach(txtStatus);
  Label4 = make(layout::Label4, L"STATIC", band);
  Line3 = make(layout::Line3, L"STATIC", rule);
  Label5 = make(layout::Label5, L"STATIC", SS_LEFT | SS_NOPREFIX);
  cmdChooseDir = make(layout::cmdChooseDir, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON);
  txtDir = make(layout::txtDir, L"EDIT", box | ES_READONLY, WS_EX_CLIENTEDGE);
  Line4 = make(layout::Line4, L"STATIC", rule);
  announcer_.Attach(hwnd_);
  SendMessageW(TagLocation[0], BM_SETCHECK, BST_CHECKED, 0);

  for (HWND numberBox : {txtCopies, txtPrefix}) {
    editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        numberBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form1::NumberBoxProc)));
  }
}

void Form1::FitWorkArea() { FitToWorkArea(hwnd_, txtStatus, scroller_, placer_); }

void Form1::Form_Load() {
  // The system's window colour, and whatever it becomes later.
  SetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_WINDOW + 1));
}

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return form->Handle(message, wParam, lParam);
}

LRESULT CALLBACK Form1::NumberBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
  if (message == WM_CHAR && form != nullptr) {
    auto KeyAscii = static_cast<wchar_t>(wParam);
    if (hwnd == form->txtCopies) {
      form->txtCopies_KeyPress(KeyAscii);
    } else {
      form->txtPrefix_KeyPress(KeyAscii);
    }
    if (KeyAscii == 0) return 0;
  }
  return CallWindowProcW(editProc, hwnd, message, wParam, lParam);
}

LRESULT Form1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) break;
      OnCommand(wParam, reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_VSCROLL:
      scroller_.OnScroll(wParam, placer_.Line());
      return 0;
    case WM_MOUSEWHEEL:
      if (!scroller_.OnWheel(GET_WHEEL_DELTA_WPARAM(wParam), placer_.Line())) break;
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(focus_ != nullptr ? focus_ : txtFile);
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form1::OnCreate() {
  placer_.SetDpi(controls::WindowDpi(hwnd_));
  CreateControls();
  DragAcceptFiles(hwnd_, TRUE);
  Form_Load();
}

// Moved to a monitor of another scale: everything is laid out afresh from the design, in the
// new monitor's pixels, in the place Windows suggests.
void Form1::OnDpiChanged(int dpi, const RECT& suggested) {
  scroller_.To(0);
  placer_.SetDpi(dpi);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitWorkArea();
}

void Form1::OnCommand(WPARAM wParam, HWND control) {
  if (control == nullptr && LOWORD(wParam) == IDOK) {
    // Enter, from the dialog manager: it presses the focused button, as in a dialog, and does
    // nothing in a box.
    const HWND focused = GetFocus();
    if (focused == cmdChooseFile || focused == cmdChooseDir || focused == cmdGo) {
      SendMessageW(focused, BM_CLICK, 0, 0);
    }
    return;
  }
  if (control == cmdChooseFile) cmdChooseFile_Click();
  if (control == cmdChooseDir) cmdChooseDir_Click();
  if (control == cmdGo) cmdGo_Click();
}

LRESULT Form1::OnColorStatic(HDC hdc, HWND control) {
  if (control == TagLocation[0] || control == TagLocation[1]) {
    SetBkColor(hdc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(white_);
  }
  // The step bands and the read-only boxes.
  SetBkColor(hdc, kGrey);
  return reinterpret_cast<LRESULT>(grey_);
}

// As a dialog does: the focus comes back to where it was when a dialog or message box closes,
// and starts on the first control of the tab order.
void Form1::OnActivate(bool active) {
  if (!active) {
    const HWND focused = GetFocus();
    if (focused != nullptr && IsChild(hwnd_, focused)) focus_ = focused;
  } else {
    SetFocus(focus_ != nullptr ? focus_ : txtFile);
  }
}

void Form1::OnClose() {
  if (controller_.Running()) {
    // The run ends after the shell's current copy, then the window goes.
    closing_ = true;
    return;
  }
  DestroyWindow(hwnd_);
}

void Form1::OnDropFiles(HDROP drop) {
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::wstring path(count == 1 ? DragQueryFileW(drop, 0, nullptr, 0) : 0, L'\0');
  if (!path.empty()) DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size() + 1));
  DragFinish(drop);
  if (count == 0) return;
  std::vector<std::u16string> names(count > 1 ? count : 1);
  names.front() = U(path);
  controller_.Take(RunController::Place(std::move(names), true));
}

void Form1::OpenFiles(const wchar_t* commandLine) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
  std::vector<std::wstring> paths;
  for (int i = 1; arguments != nullptr && i < count; ++i) paths.emplace_back(arguments[i]);
  LocalFree(arguments);
  // Options come before a "--"; after it every argument is a file's name.
  for (const std::wstring& argument : paths) {
    if (argument == L"--") break;
    if (argument == L"--help" || argument == L"/?") return ShowMessage(words::Usage());
    if (argument.rfind(L"--", 0) == 0) return ShowMessage(words::UnknownOption(U(argument)));
  }
  std::vector<std::u16string> names;
  for (const std::wstring& path : paths) names.push_back(U(path));
  controller_.Take(RunController::Place(std::move(names), false));
}

void Form1::Fill(Box box, const std::u16string& path) {
  SetWindowTextW(BoxFor(box), W(path).c_str());
  // The file dialog remembers Step 1's file however it was chosen.
  if (box == Box::File) CommonDialog1.FileName = path;
}

bool Form1::PreTranslate(MSG& message) {
  if (hwnd_ == nullptr) return false;
  if (message.message == WM_SYSCHAR &&
      controls::FocusSharingKey({cmdChooseFile, cmdChooseDir, cmdGo},
                                static_cast<wchar_t>(message.wParam))) {
    return true;
  }
  return IsDialogMessageW(hwnd_, &message);
}

void Form1::Dispatch(MSG& message) {
  const HWND focused = GetFocus();
  if (!PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (GetFocus() != focused) scroller_.IntoView(GetFocus());
}

HWND Form1::BoxFor(Box box) const {
  return BoxControls<HWND>{txtFile, txtCopies, txtPrefix, txtDir, txtStatus}[box];
}

std::u16string Form1::Words(Phrase phrase) const { return Caption(English(phrase)); }

std::u16string Form1::Text(Box box) const {
  return box == Box::Status ? status_.Lines() : U(WindowText(BoxFor(box)));
}

void Form1::SetText(Box box, const std::u16string& text) {
  if (box == Box::Status) return status_.SetLines(text);
  SetWindowTextW(BoxFor(box), W(text).c_str());
}

bool Form1::PrefixSelected() const {
  return SendMessageW(TagLocation[0], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1::AppendStatusLine(std::u16string_view line) { status_.log.Append(line); }

void Form1::RepaintStatus() { controller_.Repaint(); }

void Form1::LetEventsThrough() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      closing_ = true;
      break;
    }
    Dispatch(message);
  }
}

void Form1::FocusOn(Box box) {
  const HWND control = box == Box::File ? cmdChooseFile : BoxFor(box);
  // The focus the window takes back when the message box has gone.
  focus_ = control;
  SetFocus(control);
}

void Form1::ShowMessage(const std::u16string& text) {
  if (messageBox) {
    messageBox(text);
    return;
  }
  MessageBoxW(hwnd_, W(text).c_str(), W(layout::kTitle), MB_OK);
}

// The shell has shown its own error, if any: the status box says what became of the copy, and
// the run's end names it again with the others.
ErrorAnswer Form1::ReportError(const NotMade& failure) {
  AppendStatusLine(words::StatusLine(failure));
  RepaintStatus();
  return ErrorAnswer::Later;
}

void Form1::ReportUnmade(std::size_t count, const std::vector<NotMade>& first, bool more) {
  status_.Flush();
  // Closed during the run: it goes without a box. Its lines end as the window's others do.
  if (closing_) return;
  std::u16string lines;
  for (const char16_t c : words::Unmade(count, first, more)) {
    if (c == u'\n') lines += u'\r';
    lines += c;
  }
  ShowMessage(lines);
}

void Form1::txtCopies_KeyPress(wchar_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }
void Form1::txtPrefix_KeyPress(wchar_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }

// A device's name chosen in the dialog is refused, and Step 1 keeps its file.
void Form1::cmdChooseFile_Click() {
  const std::u16string before = CommonDialog1.FileName;
  CommonDialog1.DialogTitle = Caption(layout::kFileDialogTitle);
  CommonDialog1.ShowOpen(hwnd_);
  CommonDialog1.FileName = controller_.ChoseFile(before, CommonDialog1.FileName);
  SetWindowTextW(txtFile, W(CommonDialog1.FileName).c_str());
}

// Something in the browser that is no folder on a disk: the box keeps what it had.
void Form1::cmdChooseDir_Click() {
  const std::u16string folder = controller_.ChoseFolder(
      U(WindowText(txtDir)), Module1::PickDirectory(hwnd_, Caption(layout::kFolderDialogTitle)));
  SetWindowTextW(txtDir, W(folder).c_str());
}

void Form1::cmdGo_Click() { controller_.Click(); }

}  // namespace ferrowick
