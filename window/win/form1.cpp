// SPDX-License-Identifier: MIT
#include "form1.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "catalogue.h"
#include "form_layout.h"
#include "utf.h"
#include "win_words.h"

namespace ferrowick {
namespace {

constexpr wchar_t kClassName[] = L"FerrowickForm1";
constexpr COLORREF kGrey =
    RGB((layout::kGrey >> 16) & 0xFF, (layout::kGrey >> 8) & 0xFF, layout::kGrey & 0xFF);
WNDPROC editProc = nullptr;
WNDPROC statusProc = nullptr;

const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
std::wstring W(const std::u16string& text) { return {text.begin(), text.end()}; }

// One of the layout's words in the user's language.
std::u16string Caption(const char* english) {
  return catalogue::translate("ferrowick::Form1", english);
}

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

// The device the system reads `path` as, or "": a device's name, in any folder and with any
// extension, whose full form the system writes as \\.\NAME.
std::u16string DeviceOf(const std::wstring& path) {
  const bool full = path.rfind(L"\\\\.\\", 0) == 0;
  const std::u16string device = DeviceName(U(full ? path.substr(4) : path));
  return device.empty() && full ? U(path.substr(4)) : device;
}

// The full form of `path`, as the boxes show it.
std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  return full;
}

}  // namespace

Form1::Form1(Module1::Shell shell)
    : module1_(*this, std::move(shell)), duplicator_(*this, module1_, u'\\'), dpi_(SystemDpi()) {
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
    HWND control = CreateWindowExW(
        exStyle, windowClass, place.caption ? W(Caption(place.caption)).c_str() : L"",
        WS_CHILD | WS_VISIBLE | style, Px(place.left), Px(place.top), Px(place.width),
        Px(place.height), hwnd_, nullptr, instance, nullptr);
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
  // The English captions decide, in every language: a translation fits the places as they are.
  const std::wstring widest = W(FromUtf8(layout::kWidestOneLine.caption));
  font_ = Fitted(L"MS Sans Serif", 80, FW_NORMAL, widest.c_str(),
                 Px(layout::kWidestOneLine.width) - 4, dpi_);
  goFont_ =
      Fitted(L"MS Sans Serif", 83, FW_BOLD, L"Duplicate File", Px(layout::cmdGo.width) - 12, dpi_);
}

void Form1::FitWorkArea() {
  // The work area of the monitor the window is on; the primary one's as the system keeps it.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT work{};
  if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor) &&
      (monitor.dwFlags & MONITORINFOF_PRIMARY) == 0) {
    work = monitor.rcWork;
  } else if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
    return;
  }
  ScrollTo(0);
  // The frame as the window has it: what the system says a frame would take need not be what
  // it gave (under wine in a fresh root, 40 pixels of title bar where it reported under 30).
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  const int frameHeight = (window.bottom - window.top) - client.bottom;
  const int frameWidth = (window.right - window.left) - client.right -
                         (scrollRange_ > 0 ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  // Two lines of the log and its scroll bar stay in view, however small the screen.
  const int keep = 2 * MulDiv(16, dpi_, 96) + GetSystemMetrics(SM_CYHSCROLL) + 4;
  const layout::Fit fit =
      layout::FitIn(Px(layout::kClientHeight), frameHeight, work.bottom - work.top,
                    Px(layout::txtStatus.height), keep, MulDiv(120, dpi_, 96));
  SetWindowPos(txtStatus, nullptr, 0, 0, Px(layout::txtStatus.width), fit.status,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Below that the controls scroll, beside a scroll bar of the window's own.
  scrollRange_ = fit.shown < fit.client ? fit.client : 0;
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  scroll.nMax = scrollRange_ > 0 ? scrollRange_ - 1 : 0;
  scroll.nPage = static_cast<UINT>(fit.shown);
  SetScrollInfo(hwnd_, SB_VERT, &scroll, TRUE);
  const int bar = scrollRange_ > 0 ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  // Its height comes from the design: the system may already have cut it to the screen. Where
  // the system put it, it may still reach past the bottom of the work area (wine places a new
  // window 40 pixels down): then it moves up, to the top of the work area at most.
  const int height = fit.shown + frameHeight;
  const int top = std::max<int>(work.top, std::min<int>(window.top, work.bottom - height));
  SetWindowPos(hwnd_, nullptr, window.left, top, Px(layout::kClientWidth) + bar + frameWidth,
               height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::ScrollTo(int top) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  top = std::clamp(top, 0, std::max(0, scrollRange_ - static_cast<int>(client.bottom)));
  if (top == scrolled_) return;
  ScrollWindowEx(hwnd_, 0, scrolled_ - top, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  scrolled_ = top;
  SetScrollPos(hwnd_, SB_VERT, top, TRUE);
}

void Form1::OnScroll(WPARAM wParam) {
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL;
  GetScrollInfo(hwnd_, SB_VERT, &scroll);
  const int line = MulDiv(16, dpi_, 96);
  const int page = static_cast<int>(scroll.nPage);
  switch (LOWORD(wParam)) {
    case SB_LINEUP:
      return ScrollTo(scrolled_ - line);
    case SB_LINEDOWN:
      return ScrollTo(scrolled_ + line);
    case SB_PAGEUP:
      return ScrollTo(scrolled_ - page);
    case SB_PAGEDOWN:
      return ScrollTo(scrolled_ + page);
    case SB_TOP:
      return ScrollTo(0);
    case SB_BOTTOM:
      return ScrollTo(scrollRange_);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return ScrollTo(scroll.nTrackPos);
    default:
      break;
  }
}

// Tab or an access key moved the focus to a control the scrolled window does not show.
void Form1::ScrollIntoView(HWND control) {
  if (scrollRange_ == 0 || control == nullptr || !IsChild(hwnd_, control)) return;
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (rect.top < 0) {
    ScrollTo(scrolled_ + rect.top);
  } else if (rect.bottom > client.bottom) {
    ScrollTo(scrolled_ + std::min<int>(rect.bottom - client.bottom, rect.top));
  }
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
    case WM_VSCROLL:
      OnScroll(wParam);
      return 0;
    case WM_MOUSEWHEEL:
      if (scrollRange_ == 0) break;
      ScrollTo(scrolled_ -
               MulDiv(GET_WHEEL_DELTA_WPARAM(wParam), 3 * MulDiv(16, dpi_, 96), WHEEL_DELTA));
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
  ScrollTo(0);
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
  if (count > 1) return ShowMessage(words::OneAtATime());
  Take(path, true);
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
  if (!paths.empty() && paths.front() == L"--") paths.erase(paths.begin());
  if (paths.empty()) return;
  if (paths.size() > 1) return ShowMessage(words::OneAtATime());
  Take(paths.front(), false);
}

void Form1::Take(const std::wstring& given, bool folderTaken) {
  const std::wstring path = FullPath(given);
  // A device's name, shown as given rather than as the system's full form of it.
  if (const std::u16string device = DeviceOf(path); !device.empty()) {
    return ShowMessage(words::Device(U(given), device));
  }
  const DWORD attributes = GetFileAttributesW(path.c_str());
  using Found = Placing::Found;
  const Placing placing =
      Placing::For(attributes == INVALID_FILE_ATTRIBUTES          ? Found::Missing
                   : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Found::Folder
                                                                  : Found::File,
                   folderTaken);
  if (placing.refused) return ShowMessage(words::Refused(placing.refusal, U(path)));
  Fill(placing.into == Placing::Into::Folder ? txtDir : txtFile, path);
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
  const HWND focused = GetFocus();
  if (!PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (GetFocus() != focused) ScrollIntoView(GetFocus());
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
  return BoxControls<HWND>{txtFile, txtCopies, txtPrefix, txtDir, txtStatus}[box];
}

std::u16string Form1::Words(Phrase phrase) const { return Caption(English(phrase)); }

std::u16string Form1::Text(Box box) const {
  std::wstring text = WindowText(BoxFor(box));
  if (box == Box::Status) text += W(log_.Pending());
  return U(text);
}

void Form1::SetText(Box box, const std::u16string& text) {
  if (box == Box::Status) log_.Clear();
  SetWindowTextW(BoxFor(box), W(text).c_str());
}

bool Form1::PrefixSelected() const {
  return SendMessageW(TagLocation[0], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1::AppendStatusLine(std::u16string_view line) { log_.Append(line); }

void Form1::RepaintStatus() {
  if (log_.Due(StatusLog::Clock::now())) Breathe();
}

void Form1::FlushStatus() {
  if (log_.Pending().empty()) return;
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
  const std::wstring lines = W(log_.Take());
  SendMessageW(txtStatus, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lines.c_str()));
  SendMessageW(txtStatus, EM_SETSEL, selStart, selEnd);
  const auto nowFirst = SendMessageW(txtStatus, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(txtStatus, EM_LINESCROLL, 0, firstLine - nowFirst);
  SendMessageW(txtStatus, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(txtStatus, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

void Form1::Breathe() {
  const auto start = StatusLog::Clock::now();
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
  log_.Framed(start, StatusLog::Clock::now());
}

void Form1::ShowMessage(const std::u16string& text) {
  if (messageBox) {
    messageBox(text);
    return;
  }
  MessageBoxW(hwnd_, W(text).c_str(), W(layout::kTitle), MB_OK);
}

void Form1::NotMade(const ShellCopy& copy) {
  notMade_.push_back(copy);
  AppendStatusLine(words::NotMadeLine(copy));
  RepaintStatus();
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
  const std::u16string before = CommonDialog1.FileName;
  CommonDialog1.DialogTitle = Caption(layout::kFileDialogTitle);
  CommonDialog1.ShowOpen(hwnd_);
  // A device's name chosen in the dialog is refused, and Step 1 keeps its file.
  if (const std::u16string device = DeviceOf(W(CommonDialog1.FileName)); !device.empty()) {
    ShowMessage(words::Device(CommonDialog1.FileName, device));
    CommonDialog1.FileName = before;
  }
  SetWindowTextW(txtFile, W(CommonDialog1.FileName).c_str());
}

void Form1::cmdChooseDir_Click() {
  const std::optional<std::u16string> folder =
      Module1::PickDirectory(hwnd_, Caption(layout::kFolderDialogTitle));
  if (!folder) {
    // Something in the browser that is no folder on a disk: the box keeps what it had.
    ShowMessage(words::NoFolderOnDisk());
    return;
  }
  SetWindowTextW(txtDir, W(*folder).c_str());
}

void Form1::cmdGo_Click() {
  if (duplicator_.Running()) return;
  log_.Start();
  notMade_.clear();
  duplicator_.Run();
  FlushStatus();
  if (closing_) {
    DestroyWindow(hwnd_);
  } else if (!notMade_.empty()) {
    ShowMessage(words::NotMadeSummary(notMade_, kNotMadeListed));
  }
}

}  // namespace ferrowick
