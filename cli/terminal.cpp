// SPDX-License-Identifier: MIT
#include "terminal.h"

#include <unistd.h>

#include <QString>
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
#include "terminal_words.h"
#include "utf.h"
#include "words.h"

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

QString Said(TerminalWord word) {
  return QCoreApplication::translate(kTerminalContext, English(word));
}

void Put(const QString& text, std::FILE* to) { std::fputs(text.toLocal8Bit().constData(), to); }

class Terminal : public WindowServices, public CopyQuestions, public FolderDialog {
  Q_DECLARE_TR_FUNCTIONS(ferrowick::Terminal)

 public:
  explicit Terminal(const CommandLine& line)
      : consent_(line.consent),
        suffix_(line.suffix),
        ask_(line.consent == CommandLine::Consent::Ask && ::isatty(STDIN_FILENO) != 0),
        showProgress_(::isatty(STDERR_FILENO) != 0) {
    text_[Box::File] = FromBytes(line.file);
    text_[Box::Copies] = FromUtf8(line.copies);
    text_[Box::Prefix] = FromUtf8(line.start);
    std::string folder = line.folder;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    text_[Box::Dir] = FromBytes(folder);
  }

  bool badInput = false;
  bool failed = false;  // something the user must hear of went wrong

  // The window's fields.
  std::u16string Text(Box box) const override { return text_.at(box); }
  std::u16string Words(Phrase phrase) const override {
    return Wording::Of(phrase).toStdU16String();
  }
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
  // Until a signal, or a Stop the run's copier heard.
  bool KeepRunning() override { return caught == 0 && (copier == nullptr || !copier->Stopped()); }
  const Module1* copier = nullptr;
  std::u16string ChooseFolder() override { return {}; }

  // The copy engine's questions.
  Answer AskReplace(const ReplaceQuestion& q) override {
    const QString target = Wording::Visible(q.target);
    return Consent(Said(TerminalWord::NotReplaced).arg(target),
                   Said(TerminalWord::NotReplacedAsked).arg(target), Wording::ReplaceQuestion(q),
                   Wording::ReplaceChoices());
  }
  Answer AskCreateFolder(const std::string& folder) override {
    const QString name = Wording::Visible(folder);
    return Consent(Said(TerminalWord::FolderNotMade).arg(name),
                   Said(TerminalWord::FolderNotMadeAsked).arg(name),
                   Wording::FolderQuestion(folder), Wording::FolderChoices());
  }
  // Refused without --yes, terminal or not: the fact is all there is to say.
  Answer AskStallingFolder(const std::string& folder, int count) override {
    if (consent_ == CommandLine::Consent::Yes) return Answer::Yes;
    Say(tr("no copy made: %1 (--yes makes them there all the same)")
            .arg(Wording::StallingFolder(folder, count)));
    failed = true;
    return Answer::No;
  }
  ErrorAnswer ReportError(const CopyFailure& failure) override {
    failed = true;
    const QString text = OneLine(Wording::Report(failure));
    if (failure.kind != CopyFailure::Kind::Copy || !ask_ || caught != 0) {
      Say(text);
      return ErrorAnswer::Skip;
    }
    return static_cast<ErrorAnswer>(Ask(text, Wording::ErrorChoices(), int(ErrorAnswer::Stop)));
  }
  // Notes are not failures.
  void ReportNote(const CopyNote& note) override { Say(OneLine(Wording::Report(note))); }
  // On one line: the window's box puts a blank line after its first sentence.
  static QString OneLine(QString report) {
    return report.replace(QStringLiteral("\n\n"), QStringLiteral(" "));
  }
  // Asked every frame from the start of a run, so that a signal stops a large copy at once; shown
  // once the run has lasted a second, as the window's display is.
  ProgressAnswer Progress(const RunProgress& p) override {
    // The status lines so far, in one write a frame rather than one a copy.
    std::fflush(stdout);
    if (caught != 0) return ProgressAnswer::Stop;
    if (!showProgress_ || (p.elapsed < std::chrono::seconds(1) && !p.writing)) {
      return ProgressAnswer::Go;
    }
    QString line = Wording::Writing();
    if (!p.writing) {
      line = Wording::Count(p);
      if (const QString pace = Wording::Pace(p); !pace.isEmpty())
        line += QStringLiteral(", ") + pace;
    }
    // One line that changes in place, cleared to its end.
    Put(QStringLiteral("\r%1\033[K").arg(line), stderr);
    progressShown_ = true;
    return ProgressAnswer::Go;
  }
  void ProgressDone() override {
    if (progressShown_) std::fputs("\r\033[K", stderr);
    progressShown_ = false;
  }
  void Idle() override {}
  void ReportUnmade(std::size_t count, const std::vector<CopyFailure>& first) override {
    Say(Wording::Unmade(count, first));
  }

 private:
  // --yes agrees, --no refuses saying so; without either, the question is asked where there is
  // a terminal to answer it, and refused with a hint at --yes where not.
  Answer Consent(const QString& refused, const QString& refusedWithHint, const QString& question,
                 const std::vector<Wording::Choice>& choices) {
    if (consent_ == CommandLine::Consent::Yes) return Answer::Yes;
    if (!ask_) {
      Say(consent_ == CommandLine::Consent::No ? refused : refusedWithHint);
      return Answer::No;
    }
    return static_cast<Answer>(Ask(question, choices, int(Answer::Stop)));
  }

  // A line on stderr, on a line of its own even while the progress line is up.
  void Say(const QString& text) {
    // After the status lines it follows, where both streams go to one place.
    std::fflush(stdout);
    ProgressDone();
    Put(QStringLiteral("ferrowick: %1\n").arg(text), stderr);
  }

  // Asks on the terminal until one of the choices is given by its access key, shown in
  // brackets; a signal or the end of the input answers `onEnd`.
  int Ask(const QString& text, const std::vector<Wording::Choice>& choices, int onEnd) {
    ProgressDone();
    std::fflush(stdout);
    QString prompt = u'\n' + text + u'\n';
    for (const Wording::Choice& c : choices) {
      QString caption = c.caption;
      const auto at = caption.indexOf(u'&');
      if (at >= 0 && at + 1 < caption.size()) {
        caption.replace(at, 2, u'[' + caption.mid(at + 1, 1) + u']');
      }
      prompt += u' ' + caption;
    }
    for (;;) {
      Put(prompt + QStringLiteral("? "), stderr);
      std::fflush(stderr);
      char answer[64];
      if (caught != 0 || std::fgets(answer, sizeof answer, stdin) == nullptr) {
        std::fputc('\n', stderr);
        return onEnd;
      }
      const QString given = QString::fromLocal8Bit(answer).trimmed().left(1).toCaseFolded();
      for (const Wording::Choice& c : choices) {
        const auto at = c.caption.indexOf(u'&');
        if (!given.isEmpty() && at >= 0 && c.caption.mid(at + 1, 1).toCaseFolded() == given) {
          return c.answer;
        }
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
  // The status lines go out as the window's box takes them: the first at once, then those of a
  // frame together, and all of them before a question, a note on stderr and the run's end.
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  Terminal terminal(line);
  CopyEngine::Tuning tuning;
  tuning.progressAfter = std::chrono::milliseconds(0);
  Module1 module1(terminal, terminal, tuning);
  terminal.copier = &module1;
  Duplicator(terminal, module1, u'/').Run();
  std::fflush(stdout);
  if (terminal.badInput) return 2;
  if (caught != 0) return 128 + caught;
  const int count = ReadNumber(terminal.Text(Box::Copies)).value;
  return module1.Made() == count && module1.Durable() && !terminal.failed ? 0 : 1;
}

}  // namespace ferrowick
