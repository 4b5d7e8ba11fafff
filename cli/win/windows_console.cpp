// SPDX-License-Identifier: MIT
// The console of a Windows command line. To a console, UTF-16 through the console's own calls,
// which show every character whatever the code page; to a file or a pipe, UTF-8, which every
// tool reads the same way. Lines end in LF alone, as on Linux. Ctrl+C and Ctrl+Break stop a run.
#include <windows.h>

#include <atomic>
#include <memory>

#include "command_line.h"
#include "utf.h"

namespace ferrowick {
namespace {

std::atomic<bool> interrupted{false};

// The run ends after the copy in hand is abandoned and removed, rather than the process under
// it. A closing console ends it as Windows does.
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

// Writes at once, in the stream's encoding.
void Put(Console::Stream stream, std::u16string_view text) {
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

class WindowsConsole : public Console {
 public:
  WindowsConsole() { SetConsoleCtrlHandler(Interrupt, TRUE); }

  // The status lines of a frame go out together, as the window's box takes them.
  void Write(Stream stream, std::u16string_view text) override {
    if (stream == Stream::Err) return Put(stream, text);
    out_ += text;
    if (out_.size() >= 1 << 15) Flush();
  }

  void Flush() override {
    Put(Stream::Out, out_);
    out_.clear();
  }

  bool Interactive() const override { return IsConsole(GetStdHandle(STD_INPUT_HANDLE)); }

  std::optional<std::u16string> ReadLine() override {
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

  std::u16string Folded(std::u16string_view text) const override {
    std::u16string folded(text);
    if (!folded.empty()) {
      CharLowerBuffW(reinterpret_cast<wchar_t*>(folded.data()), static_cast<DWORD>(folded.size()));
    }
    return folded;
  }

  // A console has no sequence that clears a line everywhere: the line is overwritten with blanks.
  bool ShowProgress(std::u16string_view line) override {
    if (!IsConsole(Handle(Stream::Err))) return false;
    std::u16string shown = u"\r";
    shown += line;
    if (line.size() < progress_) shown.append(progress_ - line.size(), u' ');
    Put(Stream::Err, shown);
    progress_ = line.size();
    return true;
  }

  void EndProgress() override {
    if (progress_ == 0) return;
    std::u16string blank(progress_ + 2, u' ');
    blank.front() = blank.back() = u'\r';
    Put(Stream::Err, blank);
    progress_ = 0;
  }

  bool Interrupted() const override { return interrupted; }
  int InterruptedStatus() const override { return 130; }

 private:
  std::u16string out_;        // stdout's lines of the frame
  std::size_t progress_ = 0;  // how wide the progress line on the console is, 0 where none is
};

}  // namespace

std::unique_ptr<Console> SystemConsole() { return std::make_unique<WindowsConsole>(); }

}  // namespace ferrowick
