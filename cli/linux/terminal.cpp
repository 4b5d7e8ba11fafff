// SPDX-License-Identifier: MIT
// The console of a Linux command line: stdio in UTF-8, the terminal's own line for the progress,
// SIGINT and SIGTERM to stop a run.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cwctype>
#include <memory>

#include "command_line.h"
#include "utf.h"

namespace ferrowick {
namespace {

volatile std::sig_atomic_t caught = 0;  // the signal that asked the run to stop

extern "C" void Catch(int signal) { caught = signal; }

class Terminal : public Console {
 public:
  // SIGINT and SIGTERM stop the run between two chunks or two copies; a prompt waiting for an
  // answer is interrupted (no SA_RESTART). A closed stdout must not kill a copy half-way.
  Terminal() : showsProgress_(::isatty(STDERR_FILENO) != 0) {
    struct sigaction action {};
    action.sa_handler = Catch;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    // The status lines go out as the window's box takes them: the first at once, then those of a
    // frame together, and all of them before a question, a note on stderr and the run's end.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  }

  void Write(Stream stream, std::u16string_view text) override {
    const std::string bytes = ToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream == Stream::Out ? stdout : stderr);
  }

  void Flush() override { std::fflush(stdout); }

  bool Interactive() const override { return ::isatty(STDIN_FILENO) != 0; }

  std::optional<std::u16string> ReadLine() override {
    std::fflush(stderr);
    char answer[256];
    if (caught != 0 || std::fgets(answer, sizeof answer, stdin) == nullptr) return std::nullopt;
    std::u16string line = FromUtf8(answer);
    while (!line.empty() && (line.back() == u'\n' || line.back() == u'\r')) line.pop_back();
    return line;
  }

  // An access key is a letter of the language's alphabet, which the C library folds as its
  // locale (the program's, set by Qt at its start) says.
  std::u16string Folded(std::u16string_view text) const override {
    std::u16string folded(text);
    for (char16_t& c : folded) c = static_cast<char16_t>(std::towlower(c));
    return folded;
  }

  // One line that changes in place, cleared to its end.
  bool ShowProgress(std::u16string_view line) override {
    if (!showsProgress_) return false;
    Write(Stream::Err, u"\r" + std::u16string(line) + u"\033[K");
    progressShown_ = true;
    return true;
  }

  void EndProgress() override {
    if (progressShown_) std::fputs("\r\033[K", stderr);
    progressShown_ = false;
  }

  bool Interrupted() const override { return caught != 0; }

  int InterruptedStatus() const override { return 128 + caught; }

 private:
  bool progressShown_ = false;
  bool showsProgress_;  // stderr is a terminal
};

}  // namespace

std::unique_ptr<Console> SystemConsole() { return std::make_unique<Terminal>(); }

}  // namespace ferrowick
