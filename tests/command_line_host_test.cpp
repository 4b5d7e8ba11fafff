// SPDX-License-Identifier: MIT
// The command line on every platform, on a fake console and a copier that finds what each case
// sets up: how its arguments are read, what it asks or says, and its exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string_view>

#include "command_line.h"
#include "run_answers.h"
#include "utf.h"

namespace ferrowick {
namespace {

struct FakeConsole : Console {
  std::u16string out, err;
  std::deque<std::u16string> answers;
  bool interactive = false, interrupted = false;

  void Write(Stream stream, std::u16string_view text) override {
    (stream == Stream::Out ? out : err) += text;
  }
  void Flush() override {}
  bool Interactive() const override { return interactive; }
  std::optional<std::u16string> ReadLine() override {
    if (answers.empty()) return std::nullopt;
    std::u16string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::u16string Folded(std::u16string_view text) const override {
    std::u16string folded(text);
    for (char16_t& c : folded) c = c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    return folded;
  }
  bool ShowProgress(std::u16string_view) override { return false; }
  void EndProgress() override {}
  bool Interrupted() const override { return interrupted; }
  int InterruptedStatus() const override { return 130; }
};

// Finds every target as `situation` says, asking through the run's answers as a copier does.
class SituationCopier : public FileCopier {
 public:
  enum class Situation { Free, Exists, NoFolder, NoRoom, Unflushed, Interrupted };
  SituationCopier(RunHost& host, Situation situation, FakeConsole& console)
      : answers_(host, std::chrono::milliseconds(0)), situation_(situation), console_(console) {}

  void BeginRun(int count) override { answers_.Begin(count); }
  bool CopyOneFile(const std::u16string& source, const std::u16string& target) override {
    if (situation_ == Situation::Interrupted) console_.interrupted = true;
    if (!answers_.BeginCopy(source, target, 1)) return false;
    switch (situation_) {
      case Situation::Exists:
        return answers_.AskReplace({source, target, {}, {}});
      case Situation::NoFolder:
        return answers_.AskCreateFolder(u"new");
      case Situation::NoRoom: {
        NotMade failure;
        failure.target = target;
        failure.why = Reason::NoRoom;
        answers_.ReportError(failure);
        return false;
      }
      default:
        return true;
    }
  }
  bool EndRun() override {
    answers_.End();
    return situation_ != Situation::Unflushed;
  }
  bool Stopped() const override { return answers_.Stopped(); }

 private:
  RunAnswers answers_;
  Situation situation_;
  FakeConsole& console_;
};

// The words of a command line, split at its spaces.
std::vector<std::u16string> Args(std::string_view line) {
  std::vector<std::u16string> args;
  for (std::size_t at = 0; at < line.size();) {
    const std::size_t end = std::min(line.find(' ', at), line.size());
    args.push_back(FromUtf8(line.substr(at, end - at)));
    at = end + 1;
  }
  return args;
}

// What a command line asks for, in one line to compare.
std::string Read(const CommandLine& line) {
  // A refusal comes before the help and the version, as the run answers them.
  if (!line.refusal.empty()) return ToUtf8(line.refusal);
  if (line.help || line.version) return line.help ? "help" : "version";
  using Consent = CommandLine::Consent;
  return "file=" + ToUtf8(line.file) + " copies=" + ToUtf8(line.copies) +
         " start=" + ToUtf8(line.start) + " folder=" + ToUtf8(line.folder) +
         (line.consent == Consent::Yes  ? " yes"
          : line.consent == Consent::No ? " no"
                                        : "");
}

TEST(CommandLineTest, ArgumentsAreReadAlikeOnEveryPlatform) {
  const struct {
    const char* args;
    char16_t separator;
    const char* read;
  } cases[] = {
      {"--copies 3 report.txt", u'/', "file=report.txt copies=3 start=1 folder="},
      {"--copies=2 --start 9 --to out// --no r", u'/', "file=r copies=2 start=9 folder=out no"},
      {"--to out\\ --yes r", u'\\', "file=r copies= start=1 folder=out yes"},
      {"--to out\\ r", u'/', "file=r copies= start=1 folder=out\\"},
      {"--to / r", u'/', "file=r copies= start=1 folder=/"},
      {"-- --copies", u'/', "file=--copies copies= start=1 folder="},
      {"/?", u'/', "file=/? copies= start=1 folder="},
      {"/?", u'\\', "help"},
      {"--help-all", u'/', "help"},
      {"-v --bogus", u'/', "Unknown option 'bogus'."},
      {"-v", u'\\', "version"},
      {"a b", u'/', "name one file to copy"},
      {"", u'\\', "name one file to copy"},
      {"--yes --no r", u'/', "--yes or --no, not both"},
      {"r --copies", u'/', "Missing value after '--copies'."},
      {"--suffix=1 r", u'\\', "Unexpected value after '--suffix'."},
      {"-x r", u'/', "Unknown option 'x'."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(ParseCommandLine(Args(c.args), c.separator)), c.read) << c.args;
  }
}

TEST(CommandLineTest, ConsentAndExitStatuses) {
  using enum SituationCopier::Situation;
  const struct {
    const char* name;
    const char* args;
    SituationCopier::Situation situation;
    std::deque<std::u16string> answers;  // typed at a terminal; none: stdin is no terminal
    int status;
    const char* err;    // on stderr; "" for nothing of the run's
    int questions = 0;  // prompts shown
  } cases[] = {
      {"worked example", "--copies 3 r", Free, {}, 0, ""},
      {"bad input", "--copies 0 r", Free, {}, 2, "copies must be greater than zero."},
      {"refused arguments", "--bogus", Free, {}, 2, "'bogus'.\nTry 'ferrowick --help'."},
      {"kept, told of --yes", "--copies 2 r", Exists, {}, 1, "\"1r\" exists (--yes replaces it)"},
      {"kept, --no", "--copies 1 --no r", Exists, {}, 1, "exists\nferrowick: Done. Copies made:"},
      {"replaced, --yes", "--copies 2 --yes r", Exists, {}, 0, ""},
      {"asked: Yes to All", "--copies 3 r", Exists, {u"", u"A"}, 0, "", 2},
      {"asked: No, input ends", "--copies 3 r", Exists, {u" n"}, 1, "Stopped. Copies made: 0", 2},
      {"a folder not made, said once", "--copies 2 r", NoFolder, {}, 1, "it)\nferrowick: Done"},
      {"each copy not made named", "--copies 2 r", NoRoom, {}, 1, "drive.\nferrowick: 2r: there"},
      {"not on the device", "--copies 1 r", Unflushed, {}, 1, ""},
      {"interrupted", "--copies 3 r", Interrupted, {}, 130, "Stopped. Copies made: 0 of 3."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeConsole console;
    console.interactive = !c.answers.empty();
    console.answers = c.answers;
    const int status = RunCommandLine(ParseCommandLine(Args(c.args), u'/'), console, u"help",
                                      [&](CommandLineHost& host) {
                                        SituationCopier copier(host, c.situation, console);
                                        return host.Run(copier, u'/');
                                      });
    EXPECT_EQ(status, c.status);
    const std::string err = ToUtf8(console.err);
    if (*c.err == '\0') {
      EXPECT_EQ(err.find("ferrowick: "), std::string::npos) << err;
    } else {
      EXPECT_NE(err.find(c.err), std::string::npos) << err;
    }
    std::size_t prompts = 0;
    for (std::size_t at = err.find("? "); at != std::string::npos; at = err.find("? ", at + 1)) {
      ++prompts;
    }
    EXPECT_EQ(prompts, static_cast<std::size_t>(c.questions)) << err;
  }
}

}  // namespace
}  // namespace ferrowick
