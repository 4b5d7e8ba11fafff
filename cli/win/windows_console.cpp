// SPDX-License-Identifier: MIT
#include "windows_console.h"

#include <windows.h>

#include <atomic>

#include "utf.h"

namespace ferrowick {
namespace {

std::atomic<bool> interrupted{false};

BOOL WINAPI Interrupt(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  interrupted = true;
  return TRUE;
}

HANDLE Handle(Console::Stream stream) {
  return GetStdHandle(stream == Console::Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// The status lines of a frame go out together, as the window's box takes them.
constexpr std::size_t kOutBuffer = 1 << 15;

}  // namespace

WindowsConsole::WindowsConsole() { SetConsoleCtrlHandler(Interrupt, TRUE); }

void WindowsConsole::Put(Stream stream, std::u16string_view text) {
  const HANDLE handle = Handle(stream);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
  if (IsConsole(handle)) {
    while (!text.empty()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(text.size() < 16384 ? text.size() : 16384);
      if (!WriteConsoleW(handle, text.data(), chunk, &written, nullptr) || written == 0) return;
      text.remove_prefix(written);
    }
    return;
  }
  const std::string bytes = ToUtf8(text);
  std::string_view rest = bytes;
  while (!rest.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, rest.data(), static_cast<DWORD>(rest.size()), &written, nullptr) ||
        written == 0) {
      return;
    }
    rest.remove_prefix(written);
  }
}

void WindowsConsole::Write(Stream stream, std::u16string_view text) {
  if (stream == Stream::Err) return Put(stream, text);
  out_ += text;
  if (out_.size() >= kOutBuffer) Flush();
}

void WindowsConsole::Flush() {
  Put(Stream::Out, out_);
  out_.clear();
}

bool WindowsConsole::Interactive() const { return IsConsole(GetStdHandle(STD_INPUT_HANDLE)); }

std::optional<std::u16string> WindowsConsole::ReadLine() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  std::u16string line;
  if (IsConsole(input)) {
    wchar_t buffer[256];
    for (;;) {
      DWORD read = 0;
      if (!ReadConsoleW(input, buffer, 256, &read, nullptr) || read == 0) return std::nullopt;
      line.append(buffer, buffer + read);
      if (line.back() == u'\n') break;
    }
  } else {
    std::string bytes;
    char c = 0;
    DWORD read = 0;
    while (ReadFile(input, &c, 1, &read, nullptr) && read == 1 && c != '\n') bytes += c;
    if (bytes.empty() && read == 0) return std::nullopt;
    line = FromUtf8(bytes);
  }
  while (!line.empty() && (line.back() == u'\n' || line.back() == u'\r')) line.pop_back();
  return line;
}

std::u16string WindowsConsole::Folded(std::u16string_view text) const {
  std::u16string folded(text);
  if (!folded.empty()) {
    CharLowerBuffW(reinterpret_cast<wchar_t*>(folded.data()), static_cast<DWORD>(folded.size()));
  }
  return folded;
}

// A console has no sequence to clear a line everywhere: the line is overwritten with blanks.
bool WindowsConsole::ShowProgress(std::u16string_view line) {
  if (!IsConsole(Handle(Stream::Err))) return false;
  std::u16string shown = u"\r" + std::u16string(line);
  if (line.size() < progress_) shown.append(progress_ - line.size(), u' ');
  Put(Stream::Err, shown);
  progress_ = line.size();
  return true;
}

void WindowsConsole::EndProgress() {
  if (progress_ == 0) return;
  Put(Stream::Err, u"\r" + std::u16string(progress_, u' ') + u"\r");
  progress_ = 0;
}

bool WindowsConsole::Interrupted() const { return interrupted; }

}  // namespace ferrowick
