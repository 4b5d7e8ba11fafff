// SPDX-License-Identifier: MIT
#include "terminal.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

#include "duplicator.h"
#include "module1.h"
#include "utf.h"

namespace ferrowick {
namespace {

volatile std::sig_atomic_t caught = 0;  // the signal that asked the run to stop

extern "C" void Catch(int signal) { caught = signal; }

// SIGINT and SIGTERM stop the run between two chunks or two copies; a prompt waiting for an
// answer is interrupted (no SA_RESTART). A closed stdout must not kill a copy half-way.
void CatchSignals() {
  struct sigaction action {};
  action.sa_handler = Catch;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

std::string Lines(const std::u16string& text) {
  std::string out = ToUtf8(text);
  std::string::size_type at = 0;
  while ((at = out.find("\r\n", at)) != std::string::npos) out.erase(at, 1);
  return out;
}

std::string When(std::int64_t seconds) {
  const std::time_t t = seconds;
  char text[32] = "";
  std::tm local{};
  if (localtime_r(&t, &local) != nullptr)
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string MiB(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1 << 20));
  return text;
}

struct Choice {
  char key;
  const char* caption;  // the window's caption, the key in brackets
  int answer;
};

class Terminal : public WindowServices, public CopyQuestions, public FolderDialog {
 public:
  explicit Terminal(const CommandLine& line)
      : consent_(line.consent),
        suffix_(line.suffix),
        ask_(line.consent == CommandLine::Consent::Ask && ::isatty(STDIN_FILENO) != 0),
        showProgress_(::isatty(STDERR_FILENO) != 0) {
    text_[Box::File] = FromUtf8(line.file);
    text_[Box::Copies] = FromUtf8(line.copies);
    text_[Box::Prefix] = FromUtf8(line.start);
    std::string folder = line.folder;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    text_[Box::Dir] = FromUtf8(folder);
  }

  bool badInput = false;
  bool failed = false;  // something the user must hear of went wrong

  // The window's fields.
  std::u16string Text(Box box) const override { return text_.at(box); }
  void SetText(Box box, const std::u16string& text) override { text_[box] = text; }
  bool PrefixSelected() const override { return !suffix_; }
  void AppendStatusLine(std::u16string_view line) override {
    ProgressDone();  // the log and the progress line may share one terminal
    std::fputs(Lines(std::u16string(line)).c_str(), stdout);
  }
  void RepaintStatus() override {}
  void ShowMessage(const std::u16string& text) override {
    std::fputs(Lines(text).c_str(), stderr);
    badInput = true;
  }
  bool KeepRunning() override { return caught == 0; }
  std::u16string ChooseFolder(const std::u16string&) override { return {}; }

  // The copy engine's questions.
  Answer AskReplace(const ReplaceQuestion& q) override {
    if (consent_ == CommandLine::Consent::Yes) return Answer::Yes;
    if (!ask_) {
      Say("not replaced: \"" + q.target + "\" exists" +
          (consent_ == CommandLine::Consent::No ? "" : " (--yes replaces it)"));
      return Answer::No;
    }
    return static_cast<Answer>(Ask("\"" + q.target + "\" already exists.\n" +
                                       std::to_string(q.existing.size) + " bytes, modified " +
                                       When(q.existing.modified) + "\n\nReplace it with \"" +
                                       q.source + "\"?\n" + std::to_string(q.replacement.size) +
                                       " bytes, modified " + When(q.replacement.modified),
                                   {{'y', "[Y]es", int(Answer::Yes)},
                                    {'a', "Yes to [A]ll", int(Answer::YesToAll)},
                                    {'n', "[N]o", int(Answer::No)},
                                    {'l', "No to A[l]l", int(Answer::NoToAll)},
                                    {'s', "[S]top", int(Answer::Stop)}},
                                   int(Answer::Stop)));
  }
  Answer AskCreateFolder(const std::string& folder) override {
    if (consent_ == CommandLine::Consent::Yes) return Answer::Yes;
    if (!ask_) {
      Say("not made: the folder \"" + folder + "\" does not exist" +
          (consent_ == CommandLine::Consent::No ? "" : " (--yes creates it)"));
      return Answer::No;
    }
    return static_cast<Answer>(
        Ask("The folder \"" + folder + "\" does not exist.\n\nDo you want to create it?",
            {{'y', "[Y]es", int(Answer::Yes)},
             {'n', "[N]o", int(Answer::No)},
             {'l', "No to A[l]l", int(Answer::NoToAll)},
             {'s', "[S]top", int(Answer::Stop)}},
            int(Answer::Stop)));
  }
  ErrorAnswer ReportError(const CopyFailure& failure) override {
    if (failure.kind == CopyFailure::Kind::NotKept) {
      Say("the copies were made, but their drive did not keep these extended attributes of the "
          "source: " +
          failure.reason);
      return ErrorAnswer::Skip;
    }
    failed = true;
    if (failure.kind == CopyFailure::Kind::Unwritten) {
      Say("the copies in \"" + failure.path +
          "\" may not be on the device: it did not take them: " + failure.reason);
      return ErrorAnswer::Skip;
    }
    const std::string text = "cannot copy \"" + failure.source + "\" to \"" + failure.target +
                             "\": " + failure.path + ": " + failure.reason;
    if (!ask_ || caught != 0) {
      Say(text);
      return ErrorAnswer::Skip;
    }
    return static_cast<ErrorAnswer>(Ask(text,
                                        {{'s', "[S]kip", int(ErrorAnswer::Skip)},
                                         {'a', "Skip [A]ll", int(ErrorAnswer::SkipAll)},
                                         {'t', "S[t]op", int(ErrorAnswer::Stop)}},
                                        int(ErrorAnswer::Stop)));
  }
  // Asked every frame from the start of a run, so that a signal stops a large copy at once; shown
  // once the run has lasted a second, as the window's display is.
  ProgressAnswer Progress(const RunProgress& p) override {
    if (caught != 0) return ProgressAnswer::Stop;
    if (!showProgress_ || (p.elapsed < std::chrono::seconds(1) && !p.writing)) {
      return ProgressAnswer::Go;
    }
    std::string line;
    if (p.writing) {
      line = "Writing the copies to the device...";
    } else {
      const double seconds = std::chrono::duration<double>(p.elapsed).count();
      const double rate = seconds > 0 ? static_cast<double>(p.done) / seconds : 0;
      line = "Copy " + std::to_string(p.copy) + " of " + std::to_string(p.count) + ": " +
             MiB(p.done) + " of " + MiB(p.total) + ", " + MiB(static_cast<std::uint64_t>(rate)) +
             "/s";
      if (rate > 0 && p.total > p.done) {
        line += ", " + std::to_string(static_cast<long>((p.total - p.done) / rate)) + " s left";
      }
    }
    // One line that changes in place, cleared to its end.
    std::fprintf(stderr, "\r%s\033[K", line.c_str());
    progressShown_ = true;
    return ProgressAnswer::Go;
  }
  void ProgressDone() override {
    if (progressShown_) std::fputs("\r\033[K", stderr);
    progressShown_ = false;
  }
  void Idle() override {}
  void ReportUnmade(std::size_t count, const std::vector<CopyFailure>& first) override {
    for (const CopyFailure& f : first) Say("not made: \"" + f.target + "\": " + f.reason);
    if (count > first.size()) Say(std::to_string(count - first.size()) + " more copies not made");
  }

 private:
  // A line on stderr, on a line of its own even while the progress line is up.
  void Say(const std::string& text) {
    ProgressDone();
    std::fprintf(stderr, "ferrowick: %s\n", text.c_str());
  }

  // Asks on the terminal until one of the choices is given; a signal or the end of the input
  // answers `onEnd`.
  int Ask(const std::string& text, std::initializer_list<Choice> choices, int onEnd) {
    ProgressDone();
    std::fflush(stdout);
    for (;;) {
      std::string prompt = "\n" + text + "\n";
      for (const Choice& c : choices) prompt += std::string(" ") + c.caption;
      std::fprintf(stderr, "%s? ", prompt.c_str());
      std::fflush(stderr);
      char answer[64];
      if (caught != 0 || std::fgets(answer, sizeof answer, stdin) == nullptr) {
        std::fputc('\n', stderr);
        return onEnd;
      }
      const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(answer[0])));
      for (const Choice& c : choices) {
        if (key == c.key) return c.answer;
      }
    }
  }

  std::map<Box, std::u16string> text_;
  CommandLine::Consent consent_;
  bool suffix_;
  bool ask_;           // questions are asked: stdin is a terminal, and neither --yes nor --no
  bool showProgress_;  // stderr is a terminal
  bool progressShown_ = false;
};

}  // namespace

int RunCommandLine(const CommandLine& line) {
  CatchSignals();
  // Each status line is out before the copy it announces begins, as in the window's box, also
  // for a program reading the log through a pipe.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  Terminal terminal(line);
  CopyEngine::Tuning tuning;
  tuning.progressAfter = std::chrono::milliseconds(0);
  Module1 module1(terminal, terminal, tuning);
  Duplicator(terminal, module1, u'/').Run();
  std::fflush(stdout);
  if (terminal.badInput) return 2;
  if (caught != 0) return 128 + caught;
  const int count = ReadNumber(terminal.Text(Box::Copies)).value;
  return module1.Made() == count && module1.Durable() && !terminal.failed ? 0 : 1;
}

}  // namespace ferrowick
