// SPDX-License-Identifier: MIT
#pragma once
// Ferrowick without a window: the window's run, with the same checks and the platform's copier,
// hosted by a console. The status log goes to stdout; questions, what was not made and the end
// of a run that did not make everything to stderr; answers come from stdin where someone can
// give them, else from --yes and --no. The same host on every platform, over its console.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options.h"
#include "run_host.h"
#include "window_services.h"
#include "words.h"

namespace ferrowick {

// The terminal or console a command line runs in.
class Console {
 public:
  enum class Stream { Out, Err };
  virtual ~Console() = default;
  // Text in the console's own encoding; lines end in LF alone. A closed or full output does not
  // stop the run: the copies matter more than their log.
  virtual void Write(Stream stream, std::u16string_view text) = 0;
  // What waits to be written to stdout goes now.
  virtual void Flush() = 0;
  // Whether stdin is a terminal someone can answer at.
  virtual bool Interactive() const = 0;
  // One line typed, without its line break; nothing at the end of the input or when an interrupt
  // cut the reading short.
  virtual std::optional<std::u16string> ReadLine() = 0;
  // The first character of an answer as its access key compares, in any case.
  virtual std::u16string Folded(std::u16string_view text) const = 0;
  // One line on stderr that changes in place, where stderr is a terminal; false where not.
  virtual bool ShowProgress(std::u16string_view line) = 0;
  virtual void EndProgress() = 0;
  // Ctrl+C, Ctrl+Break, SIGINT or SIGTERM asked the run to stop, and the exit status that says so.
  virtual bool Interrupted() const = 0;
  virtual int InterruptedStatus() const = 0;
};

// The console this program runs in: the Linux terminal (linux/terminal.cpp), or the Windows
// console (win/windows_console.cpp). Made once a process.
std::unique_ptr<Console> SystemConsole();

class CommandLineHost : public WindowServices, public RunHost {
 public:
  CommandLineHost(const CommandLine& line, Console& console);

  // Makes the copies with `copier`. Returns the exit status: 0 when every copy was made and is on
  // its device, 1 when some were not (each named on stderr), 2 for bad input, the console's
  // interrupted status when it stopped the run.
  int Run(FileCopier& copier, char16_t separator);

  // The window's fields.
  std::u16string Text(Box box) const override { return text_.at(box); }
  std::u16string Words(Phrase phrase) const override { return words::Of(phrase); }
  void SetText(Box box, const std::u16string& text) override { text_[box] = text; }
  bool PrefixSelected() const override { return !suffix_; }
  void AppendStatusLine(std::u16string_view line) override;
  void RepaintStatus() override {}
  void ShowMessage(const std::u16string& text) override;
  bool KeepRunning() override { return !console_.Interrupted(); }

  // The run's questions and reports.
  Answer AskReplace(const ReplaceQuestion& question) override;
  Answer AskCreateFolder(const std::u16string& folder) override;
  Answer AskStallingFolder(const std::u16string& folder, int count) override;
  ErrorAnswer ReportError(const NotMade& failure) override;
  void ReportNote(const RunNote& note) override;
  ProgressAnswer Progress(const RunProgress& progress) override;
  void ProgressDone() override { console_.EndProgress(); }
  void Idle() override {}
  void ReportUnmade(std::size_t count, const std::vector<NotMade>& first, bool more) override;

 private:
  // --yes agrees, --no refuses saying so; without either, the question is asked where someone
  // can answer it, and refused with a hint at --yes where not. A refusal not asked stands for
  // the rest of the run where `once`.
  Answer Consent(TerminalWord refused, TerminalWord refusedWithHint, const std::u16string& name,
                 const std::u16string& question, const std::vector<words::Choice>& choices,
                 bool once);
  // A line on stderr, on a line of its own even while the progress line is up.
  void Say(const std::u16string& text);
  // Asks until one of the choices is given by its access key, shown in brackets; an interrupt
  // or the end of the input answers `onEnd`.
  int Ask(const std::u16string& question, const std::vector<words::Choice>& choices, int onEnd);

  Console& console_;
  std::map<Box, std::u16string> text_;
  CommandLine::Consent consent_;
  bool suffix_;
  bool ask_;  // questions are asked: stdin is a terminal, and neither --yes nor --no
  bool badInput_ = false;
};

// A command line to its end: the help, the version and arguments that cannot be run answered
// before anything else, else the copies made by `copy` with the copier of the platform. Returns
// the exit status.
int RunCommandLine(const CommandLine& line, Console& console, const std::u16string& help,
                   const std::function<int(CommandLineHost&)>& copy);

}  // namespace ferrowick
