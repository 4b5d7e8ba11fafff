// SPDX-License-Identifier: MIT
#include "form1.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "form_layout.h"
#include "utf.h"

namespace ferrowick {
namespace {

constexpr wchar_t kClassName[] = L"FerrowickForm1";
constexpr auto kFrame = std::chrono::milliseconds(16);
constexpr COLORREF kGrey =
    RGB((layout::kGrey >> 16) & 0xFF, (layout::kGrey >> 8) & 0xFF, layout::kGrey & 0xFF);
WNDPROC editProc = nullptr;
WNDPROC statusProc = nullptr;

const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
// The layout's English words, UTF-8.
std::wstring W(const char* text) {
  const std::u16string wide = FromUtf8(text);
  return {wide.begin(), wide.end()};
}

std::wstring W(const std::u16string& text) { return {text.begin(), text.end()}; }

std::u16string U(const std::wstring& text) { return {text.begin(), text.end()}; }

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)), L'\0');
  GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size() + 1));
  return text;
}

// The system's dots per inch: the primary monitor's, where a window starts.
int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// The dots per inch of the monitor the window is on. Windows before 10 have no such call, and
// the program must still start there: it is looked up rather than linked.
int WindowDpi(HWND hwnd) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const int dpi = getDpi != nullptr ? static_cast<int>(getDpi(hwnd)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

// The largest font of `face`, from `tenthPoints` down, in which `text` fits in `room` pixels.
HFONT Fitted(const wchar_t* face, int tenthPoints, int weight, const wchar_t* text, int room,
             int dpi) {
  HDC screen = GetDC(nullptr);
  HFONT font = nullptr;
  for (int size = tenthPoints; size >= 50; size -= 2) {
    if (font != nullptr) DeleteObject(font);
    font = CreateFontW(-MulDiv(size, dpi, 720), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, face);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text, static_cast<int>(wcslen(text)), &extent);
    SelectObject(screen, old);
    if (extent.cx <= room) break;
  }
  ReleaseDC(nullptr, screen);
  return font;
}

// The full form of `path`, as the boxes show it.
std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  return full;
}

const char16_t kOneAtATime[] = u"Ferrowick duplicates one file at a time. Choose one file.";

}  // namespace

Form1::Form1() : duplicator_(*this, module1_, u'\\'), dpi_(SystemDpi()) {
  grey_ = CreateSolidBrush(kGrey);
  white_ = CreateSolidBrush(RGB(255, 255, 255));
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hbrBackground = white_;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, Px(layout::kClientWidth), Px(layout::kClientHeight)};
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
  DeleteObject(font_);
  DeleteObject(goFont_);
  DeleteObject(grey_);
  DeleteObject(white_);
}

void Form1::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // Creation order is tab order.
  const auto make = [&](const layout::Place& place, const wchar_t* windowClass, DWORD style,
                        DWORD exStyle = 0) {
    HWND control =
        CreateWindowExW(exStyle, windowClass, place.caption ? W(place.caption).c_str() : L"",
                        WS_CHILD | WS_VISIBLE | style, Px(place.left), Px(place.top),
                        Px(place.width), Px(place.height), hwnd_, nullptr, instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    placed_.emplace_back(control, &place);
    return control;
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
  SendMessageW(cmdGo, WM_SETFONT, reinterpret_cast<WPARAM>(goFont_), FALSE);
  txtStatus = make(layout::txtStatus, L"EDIT",
                   WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                       WS_HSCROLL | WS_VSCROLL,
                   WS_EX_CLIENTEDGE);
  // A multi-line box holds about 32 000 characters unless told otherwise; a long run's log
  // is far longer.
  SendMessageW(txtStatus, EM_SETLIMITTEXT, 0, 0);
  Label4 = make(layout::Label4, L"STATIC", band);
  Line3 = make(layout::Line3, L"STATIC", rule);
  Label5 = make(layout::Label5, L"STATIC", SS_LEFT | SS_NOPREFIX);
  cmdChooseDir = make(layout::cmdChooseDir, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON);
  txtDir = make(layout::txtDir, L"EDIT", box | ES_READONLY, WS_EX_CLIENTEDGE);
  Line4 = make(layout::Line4, L"STATIC", rule);
  SendMessageW(TagLocation[0], BM_SETCHECK, BST_CHECKED, 0);

  for (HWND numberBox : {txtCopies, txtPrefix}) {
    editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        numberBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form1::NumberBoxProc)));
  }
  statusProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      txtStatus, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form1::StatusBoxProc)));
}

int Form1::Px(int twips) const { return MulDiv(twips, dpi_, 1440); }

void Form1::MakeFonts() {
  const std::wstring widest = W(layout::kWidestOneLine.caption);
  font_ = Fitted(L"MS Sans Serif", 80, FW_NORMAL, widest.c_str(),
                 Px(layout::kWidestOneLine.width) - 4, dpi_);
  goFont_ =
      Fitted(L"MS Sans Serif", 83, FW_BOLD, L"Duplicate File", Px(layout::cmdGo.width) - 12, dpi_);
}

void Form1::FitWorkArea() {
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  const int frame = (window.bottom - window.top) - client.bottom;
  const int status = Px(layout::txtStatus.height);
  // Three lines of the log stay in view, however small the screen.
  const int keep = 3 * MulDiv(16, dpi_, 96) + GetSystemMetrics(SM_CYHSCROLL);
  const int shortfall =
      layout::Shortfall(Px(layout::kClientHeight), frame, work.bottom - work.top, status, keep);
  if (shortfall == 0) return;
  SetWindowPos(txtStatus, nullptr, 0, 0, Px(layout::txtStatus.width), status - shortfall,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Where the window is shortened it starts at the top of the work area, or it would still
  // reach past the bottom. Its height comes from the design: the system may already have cut
  // the window to the screen.
  SetWindowPos(hwnd_, nullptr, window.left, work.top, window.right - window.left,
               Px(layout::kClientHeight) - shortfall + frame, SWP_NOZORDER | SWP_NOACTIVATE);
}

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

// The status box is read-only: Tab, Enter and Escape belong to the dialog manager, which a
// multi-line box would otherwise claim, trapping Tab in it.
LRESULT CALLBACK Form1::StatusBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(statusProc, hwnd, message, wParam, lParam);
  if (message == WM_GETDLGCODE) return result & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
  return result;
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
  dpi_ = WindowDpi(hwnd_);
  MakeFonts();
  CreateControls();
  DragAcceptFiles(hwnd_, TRUE);
  Form_Load();
}

// Moved to a monitor of another scale: everything is laid out afresh from the design, in the
// new monitor's pixels, in the place Windows suggests.
void Form1::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  const HFONT oldFont = font_;
  const HFONT oldGoFont = goFont_;
  MakeFonts();
  for (const auto& [control, place] : placed_) {
    SetWindowPos(control, nullptr, Px(place->left), Px(place->top), Px(place->width),
                 Px(place->height), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(control == cmdGo ? goFont_ : font_),
                 TRUE);
  }
  DeleteObject(oldFont);
  DeleteObject(oldGoFont);
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
  if (duplicator_.Running()) {
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
  // A run reads the boxes as it goes: they stay as they are until it is over.
  if (duplicator_.Running() || count == 0) return;
  if (count > 1) return ShowMessage(kOneAtATime);
  Take(path, true);
}

void Form1::OpenFiles(const wchar_t* commandLine) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
  std::vector<std::wstring> paths;
  for (int i = 1; arguments != nullptr && i < count; ++i) paths.emplace_back(arguments[i]);
  LocalFree(arguments);
  if (!paths.empty() && paths.front() == L"--") paths.erase(paths.begin());
  if (paths.empty()) return;
  if (paths.size() > 1) return ShowMessage(kOneAtATime);
  Take(paths.front(), false);
}

void Form1::Take(const std::wstring& given, bool folderTaken) {
  const std::wstring path = FullPath(given);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const std::u16string quoted = u"\"" + U(path) + u"\"";
  if (attributes == INVALID_FILE_ATTRIBUTES) return ShowMessage(quoted + u" does not exist.");
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (folder && !folderTaken) {
    return ShowMessage(quoted + u" is a folder. Ferrowick duplicates one file: choose a file.");
  }
  Fill(folder ? txtDir : txtFile, path);
}

void Form1::Fill(HWND box, const std::wstring& path) {
  SetWindowTextW(box, path.c_str());
  if (box == txtFile) CommonDialog1.FileName = U(path);
}

bool Form1::PreTranslate(MSG& message) {
  if (hwnd_ == nullptr) return false;
  if (message.message == WM_SYSCHAR && FocusByAccessKey(static_cast<wchar_t>(message.wParam))) {
    return true;
  }
  return IsDialogMessageW(hwnd_, &message);
}

void Form1::Dispatch(MSG& message) {
  if (!PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// An access key that two controls share moves the focus between them and clicks neither, as on
// the desktop; the dialog manager does not do that everywhere.
bool Form1::FocusByAccessKey(wchar_t key) {
  const HWND withKey[] = {cmdChooseFile, cmdChooseDir, cmdGo};
  std::vector<HWND> sharing;
  for (HWND control : withKey) {
    const std::wstring caption = WindowText(control);
    const auto amp = caption.find(L'&');
    if (amp != std::wstring::npos && amp + 1 < caption.size() &&
        std::towupper(caption[amp + 1]) == std::towupper(key)) {
      sharing.push_back(control);
    }
  }
  if (sharing.size() < 2) return false;
  const auto focused = std::find(sharing.begin(), sharing.end(), GetFocus());
  SetFocus(focused == sharing.end() || focused + 1 == sharing.end() ? sharing.front()
                                                                    : *(focused + 1));
  return true;
}

HWND Form1::BoxFor(Box box) const {
  switch (box) {
    case Box::File:
      return txtFile;
    case Box::Copies:
      return txtCopies;
    case Box::Prefix:
      return txtPrefix;
    case Box::Dir:
      return txtDir;
    case Box::Status:
      return txtStatus;
  }
  return nullptr;
}

std::u16string Form1::Text(Box box) const {
  std::wstring text = WindowText(BoxFor(box));
  if (box == Box::Status) text += pendingStatus_;
  return U(text);
}

void Form1::SetText(Box box, const std::u16string& text) {
  if (box == Box::Status) pendingStatus_.clear();
  SetWindowTextW(BoxFor(box), W(text).c_str());
}

bool Form1::PrefixSelected() const {
  return SendMessageW(TagLocation[0], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1::AppendStatusLine(std::u16string_view line) {
  // Lines wait here until the next frame: one insertion of many lines costs the box far less
  // than one per line, and nobody can read faster than the display refreshes.
  pendingStatus_.append(line.begin(), line.end());
}

void Form1::RepaintStatus() {
  if (std::chrono::steady_clock::now() - lastFrame_ >= kFrame) Breathe();
}

void Form1::FlushStatus() {
  if (pendingStatus_.empty()) return;
  // Appending at the end moves the caret and the view there; both go back to where they were,
  // as if the whole text had been replaced.
  DWORD selStart = 0;
  DWORD selEnd = 0;
  SendMessageW(txtStatus, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
               reinterpret_cast<LPARAM>(&selEnd));
  const auto firstLine = SendMessageW(txtStatus, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(txtStatus, WM_SETREDRAW, FALSE, 0);
  const int end = GetWindowTextLengthW(txtStatus);
  SendMessageW(txtStatus, EM_SETSEL, end, end);
  SendMessageW(txtStatus, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pendingStatus_.c_str()));
  pendingStatus_.clear();
  SendMessageW(txtStatus, EM_SETSEL, selStart, selEnd);
  const auto nowFirst = SendMessageW(txtStatus, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(txtStatus, EM_LINESCROLL, 0, firstLine - nowFirst);
  SendMessageW(txtStatus, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(txtStatus, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

void Form1::Breathe() {
  FlushStatus();
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      closing_ = true;
      break;
    }
    Dispatch(message);
  }
  lastFrame_ = std::chrono::steady_clock::now();
}

void Form1::ShowMessage(const std::u16string& text) {
  if (messageBox) {
    messageBox(text);
    return;
  }
  MessageBoxW(hwnd_, W(text).c_str(), W(layout::kTitle), MB_OK);
}

void Form1::txtCopies_KeyPress(wchar_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }
void Form1::txtPrefix_KeyPress(wchar_t& KeyAscii) { layout::DigitsOnly(KeyAscii); }

void CommonDialog::ShowOpen(HWND owner) {
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring title(DialogTitle.begin(), DialogTitle.end());
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrTitle = title.c_str();
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&request)) FileName.assign(file.data(), file.data() + wcslen(file.data()));
}

void Form1::cmdChooseFile_Click() {
  CommonDialog1.DialogTitle = FromUtf8(layout::kFileDialogTitle);
  CommonDialog1.ShowOpen(hwnd_);
  SetWindowTextW(txtFile, W(CommonDialog1.FileName).c_str());
}

void Form1::cmdChooseDir_Click() {
  const std::optional<std::u16string> folder = Module1::PickDirectory(hwnd_);
  if (!folder) {
    // Something in the browser that is no folder on a disk: the box keeps what it had.
    MessageBoxW(hwnd_, L"The item you chose is not a folder on a disk. Choose a folder.",
                W(layout::kTitle), MB_OK | MB_ICONINFORMATION);
    return;
  }
  SetWindowTextW(txtDir, W(*folder).c_str());
}

void Form1::cmdGo_Click() {
  if (duplicator_.Running()) return;
  lastFrame_ = {};
  duplicator_.Run();
  FlushStatus();
  if (closing_) DestroyWindow(hwnd_);
}

}  // namespace ferrowick
