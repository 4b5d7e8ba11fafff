// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "catalogue.h"
#include "duplicator.h"

namespace ferrowick {
namespace {

// The core's lines end in CR LF, as a Windows box wants them; a console's and a log's in LF.
std::u16string Lines(std::u16string_view text) {
  std::u16string lines;
  lines.reserve(text.size());
  for (const char16_t c : text) {
    if (c != u'\r') lines += c;
  }
  return lines;
}

// On one line: a window's box puts a blank line after its first sentence.
std::u16string OneLine(std::u16string_view text) {
  std::u16string line;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool blank = text[at] == u'\n' && at + 1 < text.size() && text[at + 1] == u'\n';
    line += blank ? u' ' : text[at];
    at += blank ? 1 : 0;
  }
  return line;
}

}  // namespace

CommandLineHost::CommandLineHost(const CommandLine& line, Console& console)
    : console_(console),
      consent_(line.consent),
      suffix_(line.suffix),
      ask_(line.consent == CommandLine::Consent::Ask && console.Interactive()) {
  text_[Box::File] = line.file;
  text_[Box::Copies] = line.copies;
  text_[Box::Prefix] = line.start;
  text_[Box::Dir] = line.folder;
  text_[Box::Status] = {};
}

void CommandLineHost::AppendStatusLine(std::u16string_view line) {
  console_.EndProgress();  // the log and the progress line may share one terminal
  console_.Write(Console::Stream::Out, Lines(line));
}

void CommandLineHost::ShowMessage(const std::u16string& text) {
  console_.Write(Console::Stream::Err, Lines(text));
  badInput_ = true;
}

void CommandLineHost::Say(const std::u16string& text) {
  // After the status lines it follows, where both streams go to one place.
  console_.Flush();
  console_.EndProgress();
  console_.Write(Console::Stream::Err, u"ferrowick: " + Lines(text) + u"\n");
}

Answer CommandLineHost::Consent(TerminalWord refused, TerminalWord refusedWithHint,
                                const std::u16string& name, const std::u16string& question,
                                const std::vector<words::Choice>& choices, bool once) {
  if (consent_ == CommandLine::Consent::Yes) return Answer::Yes;
  if (!ask_) {
    Say(catalogue::Arg(words::Of(consent_ == CommandLine::Consent::No ? refused : refusedWithHint),
                       {name}));
    return once ? Answer::NoToAll : Answer::No;
  }
  return static_cast<Answer>(Ask(question, choices, int(Answer::Stop)));
}

Answer CommandLineHost::AskReplace(const ReplaceQuestion& question) {
  // Each file kept is named.
  return Consent(TerminalWord::NotReplaced, TerminalWord::NotReplacedAsked,
                 words::Shown(question.target), words::ReplaceQuestion(question),
                 words::ReplaceChoices(), false);
}

Answer CommandLineHost::AskCreateFolder(const std::u16string& folder) {
  // The run's copies all go to one folder: it is named once.
  return Consent(TerminalWord::FolderNotMade, TerminalWord::FolderNotMadeAsked,
                 words::Shown(folder), words::FolderQuestion(folder), words::FolderChoices(), true);
}

// Refused without --yes, terminal or not: the fact is all there is to say.
Answer CommandLineHost::AskStallingFolder(const std::u16string& folder, int count) {
  if (consent_ == CommandLine::Consent::Yes) return Answer::Yes;
  Say(catalogue::Arg(catalogue::translate("ferrowick::Terminal",
                                          "no copy made: %1 (--yes makes them there all the same)"),
                     {words::StallingFolder(folder, count)}));
  return Answer::No;
}

ErrorAnswer CommandLineHost::ReportError(const NotMade& failure) {
  const std::u16string text = OneLine(words::Item(failure));
  if (failure.of != NotMade::Of::Copy || !ask_ || console_.Interrupted()) {
    Say(text);
    return ErrorAnswer::Skip;
  }
  return static_cast<ErrorAnswer>(Ask(text, words::ErrorChoices(), int(ErrorAnswer::Stop)));
}

// Notes are not failures.
void CommandLineHost::ReportNote(const RunNote& note) { Say(OneLine(words::Report(note))); }

void CommandLineHost::ReportUnmade(std::size_t count, const std::vector<NotMade>& first,
                                   bool more) {
  Say(words::Unmade(count, first, more));
}

// Asked every frame from the start of a run, so that an interrupt stops a large copy at once;
// shown once the run has lasted a second, as the window's display is.
ProgressAnswer CommandLineHost::Progress(const RunProgress& p) {
  // The status lines so far, in one write a frame rather than one a copy.
  console_.Flush();
  if (console_.Interrupted()) return ProgressAnswer::Stop;
  if (p.seconds < 1 && !p.writing) return ProgressAnswer::Go;
  std::u16string line = words::Writing();
  if (!p.writing) {
    line = words::Count(p);
    if (const std::u16string pace = words::Pace(p); !pace.empty()) line += u", " + pace;
  }
  console_.ShowProgress(line);
  return ProgressAnswer::Go;
}

int CommandLineHost::Ask(const std::u16string& question, const std::vector<words::Choice>& choices,
                         int onEnd) {
  console_.EndProgress();
  console_.Flush();
  std::u16string prompt = u"\n" + Lines(question) + u"\n";
  std::vector<std::u16string> keys;
  for (const words::Choice& choice : choices) {
    std::u16string caption = choice.caption;
    const auto at = caption.find(u'&');
    keys.push_back(at != std::u16string::npos && at + 1 < caption.size()
                       ? console_.Folded(caption.substr(at + 1, 1))
                       : std::u16string());
    if (!keys.back().empty()) {
      const char16_t key[] = {u'[', caption[at + 1], u']'};
      caption.replace(at, 2, key, 3);
    }
    prompt += u" " + caption;
  }
  for (;;) {
    console_.Write(Console::Stream::Err, prompt + u"? ");
    const std::optional<std::u16string> answer = console_.ReadLine();
    if (console_.Interrupted() || !answer) {
      console_.Write(Console::Stream::Err, u"\n");
      return onEnd;
    }
    const std::size_t first = answer->find_first_not_of(u" \t");
    if (first == std::u16string::npos) continue;
    const std::u16string given = console_.Folded(std::u16string_view(*answer).substr(first, 1));
    for (std::size_t i = 0; i < choices.size(); ++i) {
      if (!keys[i].empty() && given == keys[i]) return choices[i].answer;
    }
  }
}

int CommandLineHost::Run(FileCopier& copier, char16_t separator) {
  Duplicator duplicator(*this, copier, separator);
  duplicator.Run();
  console_.Flush();
  if (badInput_) return 2;
  const Duplicator::Tally& run = duplicator.Last();
  if (run.made < run.count) Say(words::Said(RunEnded(run.count, run.tried, run.made, run.folder)));
  if (console_.Interrupted()) return console_.InterruptedStatus();
  return run.made == run.count && run.durable ? 0 : 1;
}

int RunCommandLine(const CommandLine& line, Console& console, const std::u16string& help,
                   const std::function<int(CommandLineHost&)>& copy) {
  if (!line.refusal.empty()) {
    console.Write(Console::Stream::Err,
                  u"ferrowick: " + line.refusal + u"\n" + words::Of(TerminalWord::TryHelp) + u"\n");
    return 2;
  }
  if (line.help) {
    console.Write(Console::Stream::Out, help);
    console.Flush();
    return 0;
  }
  if (line.version) {
    console.Write(Console::Stream::Out, u"ferrowick " FERROWICK_VERSION u"\n");
    console.Flush();
    return 0;
  }
  CommandLineHost host(line, console);
  return copy(host);
}

}  // namespace ferrowick
