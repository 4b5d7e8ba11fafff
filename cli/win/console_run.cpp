// SPDX-License-Identifier: MIT
#include "console_run.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <vector>

#include "catalogue.h"
#include "console.h"
#include "duplicator.h"
#include "file_copy.h"
#include "phrases.h"
#include "run_words.h"
#include "spoken.h"
#include "terminal_words.h"
#include "utf.h"
#include "win_words.h"

namespace ferrowick {
namespace {

using catalogue::Arg;
using catalogue::translate;
using console::Stream;

std::atomic<bool> interrupted{false};

// Ctrl+C and Ctrl+Break end the run after the copy in hand is abandoned and removed; the
// process is not ended under it. A closing console ends it as Windows does.
BOOL WINAPI Interrupt(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  interrupted = true;
  return TRUE;
}

std::u16string Shown(const std::u16string& text) {
  std::u16string shown;
  AppendVisible(shown, text);
  return shown;
}

// The core's lines end in CR LF, as a Windows box wants them; a console's and a log's in LF.
std::u16string Lines(std::u16string_view text) {
  std::u16string lines;
  for (const char16_t c : text) {
    if (c != u'\r') lines += c;
  }
  return lines;
}

std::u16string FactsOf(const CopyConsent::Facts& facts) {
  FILETIME local{};
  SYSTEMTIME t{};
  wchar_t when[32] = L"?";
  if (FileTimeToLocalFileTime(&facts.modified, &local) && FileTimeToSystemTime(&local, &t)) {
    std::swprintf(when, 32, L"%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond);
  }
  const std::wstring size = std::to_wstring(facts.size);
  return Arg(translate(kRunWordsContext, English(RunWord::Facts)),
             {std::u16string(size.begin(), size.end()), std::u16string(when, when + wcslen(when))});
}

struct Choice {
  RunWord caption;  // its access key after the "&"
  CopyConsent::Answer answer;
};

class ConsoleRun : public WindowServices, public CopyConsent, public CopyReport {
 public:
  explicit ConsoleRun(const ConsoleLine& line)
      : consent_(line.consent),
        suffix_(line.suffix),
        ask_(line.consent == ConsoleLine::Consent::Ask && console::Interactive()) {
    text_[Box::File] = line.file;
    text_[Box::Copies] = line.copies;
    text_[Box::Prefix] = line.start;
    text_[Box::Dir] = line.folder;
  }

  bool badInput = false;
  std::vector<ShellCopy> notMade;

  // The window's fields.
  std::u16string Text(Box box) const override { return text_.at(box); }
  std::u16string Words(Phrase phrase) const override {
    return translate("ferrowick::Form1", English(phrase));
  }
  void SetText(Box box, const std::u16string& text) override { text_[box] = text; }
  bool PrefixSelected() const override { return !suffix_; }
  void AppendStatusLine(std::u16string_view line) override {
    console::Write(Stream::Out, Lines(line));
  }
  void RepaintStatus() override {}
  void ShowMessage(const std::u16string& text) override {
    console::Write(Stream::Err, Lines(text) + u"\n");
    badInput = true;
  }
  bool KeepRunning() override { return !Stopped(); }

  // The copier's questions: --yes agrees, --no refuses saying so; without either, the question
  // is asked where there is a console to answer it, and refused with a hint at --yes where not.
  Answer Replace(const std::u16string& target, const Facts& existing, const std::u16string& source,
                 const Facts& replacement) override {
    const std::u16string name = Shown(target);
    if (consent_ == ConsoleLine::Consent::Yes) return Answer::Yes;
    if (!ask_) {
      Say(Arg(translate(kTerminalContext, English(consent_ == ConsoleLine::Consent::No
                                                      ? TerminalWord::NotReplaced
                                                      : TerminalWord::NotReplacedAsked)),
              {name}));
      return Answer::No;
    }
    return Ask(Arg(translate(kRunWordsContext, English(RunWord::ReplaceQuestion)),
                   {name, FactsOf(existing), Shown(source), FactsOf(replacement)}),
               {{RunWord::Yes, Answer::Yes},
                {RunWord::YesToAll, Answer::YesToAll},
                {RunWord::No, Answer::No},
                {RunWord::NoToAll, Answer::NoToAll},
                {RunWord::Stop, Answer::Stop}});
  }
  Answer CreateFolder(const std::u16string& folder) override {
    const std::u16string name = Shown(folder);
    if (consent_ == ConsoleLine::Consent::Yes) return Answer::Yes;
    folderRefused_ = true;  // unless the answer is yes
    if (!ask_) {
      Say(Arg(translate(kTerminalContext, English(consent_ == ConsoleLine::Consent::No
                                                      ? TerminalWord::FolderNotMade
                                                      : TerminalWord::FolderNotMadeAsked)),
              {name}));
      return Answer::No;
    }
    const Answer answer = Ask(
        Arg(translate(kRunWordsContext, English(RunWord::FolderQuestion)), {name}),
        {{RunWord::Yes, Answer::Yes}, {RunWord::No, Answer::No}, {RunWord::Stop, Answer::Stop}});
    folderRefused_ = answer != Answer::Yes;
    return answer;
  }
  bool Stopped() const override { return interrupted || stop_; }

  // Each copy not made is named as it happens; a refusal the user gave or was told of already
  // is only counted.
  void NotMade(const ShellCopy& copy) override {
    notMade.push_back(copy);
    using Why = ShellCopy::Why;
    if (copy.why == Why::Exists || (copy.why == Why::NoFolder && folderRefused_)) return;
    Say(words::NotMadeItem(copy));
  }

  void Say(const std::u16string& text) {
    console::Write(Stream::Err, u"ferrowick: " + Lines(text) + u"\n");
  }

 private:
  // Asks until one of the choices is given by its access key, shown in brackets; Ctrl+C or the
  // end of the input answers Stop.
  Answer Ask(const std::u16string& question, const std::vector<Choice>& choices) {
    std::u16string prompt(1, u'\n');
    prompt += Lines(question);
    prompt += u'\n';
    std::vector<std::u16string> keys;
    for (const Choice& c : choices) {
      std::u16string caption = translate(kRunWordsContext, English(c.caption));
      const auto at = caption.find(u'&');
      keys.push_back(at != std::u16string::npos && at + 1 < caption.size()
                         ? Folded(caption.substr(at + 1, 1))
                         : std::u16string());
      if (!keys.back().empty()) {
        const char16_t key[] = {u'[', caption[at + 1], u']'};
        caption.replace(at, 2, key, 3);
      }
      prompt += u" " + caption;
    }
    for (;;) {
      console::Write(Stream::Err, prompt + u"? ");
      const std::optional<std::u16string> answer = console::ReadLine();
      if (Stopped() || !answer) {
        console::Write(Stream::Err, u"\n");
        stop_ = true;
        return Answer::Stop;
      }
      std::u16string given = *answer;
      given.erase(0, given.find_first_not_of(u" \t"));
      given = Folded(given.substr(0, 1));
      for (std::size_t i = 0; i < choices.size(); ++i) {
        if (!given.empty() && given == keys[i]) {
          if (choices[i].answer == Answer::Stop) stop_ = true;
          return choices[i].answer;
        }
      }
    }
  }
  static std::u16string Folded(std::u16string text) {
    if (!text.empty())
      CharLowerBuffW(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
    return text;
  }

  std::map<Box, std::u16string> text_;
  ConsoleLine::Consent consent_;
  bool suffix_;
  bool ask_;  // questions are asked: stdin is a console, and neither --yes nor --no
  bool stop_ = false;
  bool folderRefused_ = false;  // the missing folder is not made, as the user was told or said
};

}  // namespace

int RunConsole(const ConsoleLine& line) {
  SetConsoleCtrlHandler(Interrupt, TRUE);
  ConsoleRun run(line);
  FileCopy copier(run, run);
  Duplicator duplicator(run, copier, u'\\');
  duplicator.Run();
  if (run.badInput) return 2;
  const Duplicator::Tally& tally = duplicator.Last();
  if (!run.notMade.empty() || run.Stopped()) {
    run.Say(words::Said(RunEnded(tally.count, tally.tried, copier.Made(), tally.folder)));
  }
  if (interrupted) return 130;
  return copier.Made() == tally.count && run.notMade.empty() ? 0 : 1;
}

}  // namespace ferrowick
