// SPDX-License-Identifier: MIT
#include "console.h"

#include <windows.h>

#include "utf.h"

namespace ferrowick::console {
namespace {

HANDLE Handle(Stream stream) {
  return GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

}  // namespace

void Write(Stream stream, std::u16string_view text) {
  const HANDLE handle = Handle(stream);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
  // A closed or full output does not stop the run: the copies matter more than their log.
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

bool Interactive() { return IsConsole(GetStdHandle(STD_INPUT_HANDLE)); }

std::optional<std::u16string> ReadLine() {
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

}  // namespace ferrowick::console
