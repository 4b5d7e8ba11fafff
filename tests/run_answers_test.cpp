// SPDX-License-Identifier: MIT
// How far each answer in the copy dialogs reaches: this copy, the rest of the run, never the
// next run. Real copies through Module1, a scripted user, and the core's run on a fake window.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "duplicator.h"
#include "fake_delegate.h"
#include "fake_window.h"
#include "module1.h"
#include "utf.h"

namespace ferrowick {
namespace {

namespace fs = std::filesystem;

using testing::ScriptedUser;

enum class Situation { TargetsExist, FolderMissing, FolderUnusable, LongCopies };

TEST(RunAnswers, EachAnswerReachesAsFarAsItSays) {
  const auto A = [](auto answer) { return static_cast<int>(answer); };
  const struct {
    const char* name;
    Situation situation;
    std::vector<int> script;
    int boxes;               // shown in the run
    int lines;               // status lines the run wrote
    int written;             // targets that now hold the source
    int boxesNextRun;        // the same run again, every box answered by Enter
    std::size_t unmade = 0;  // copies that failed with no box, named at the end of the run
  } cases[] = {
      {"Yes: this copy", Situation::TargetsExist, {A(Answer::Yes)}, 4, 4, 1, 4},
      {"No: this copy", Situation::TargetsExist, {A(Answer::No), A(Answer::Yes)}, 4, 4, 1, 4},
      {"Yes to All: the rest of the run",
       Situation::TargetsExist,
       {A(Answer::No), A(Answer::YesToAll)},
       2,
       4,
       3,
       4},
      {"No to All: the rest of the run", Situation::TargetsExist, {A(Answer::NoToAll)}, 1, 4, 0, 4},
      {"Stop in the replace question",
       Situation::TargetsExist,
       {A(Answer::No), A(Answer::Stop)},
       2,
       2,
       0,
       4},
      {"create the folder", Situation::FolderMissing, {A(Answer::Yes)}, 1, 4, 4, 4},
      {"No to All for the folder", Situation::FolderMissing, {A(Answer::NoToAll)}, 1, 4, 0, 4},
      {"No for the folder: this copy", Situation::FolderMissing, {A(Answer::No)}, 4, 4, 0, 4},
      {"Stop for the folder", Situation::FolderMissing, {A(Answer::Stop)}, 1, 1, 0, 4},
      {"Skip: this error", Situation::FolderUnusable, {A(ErrorAnswer::Skip)}, 4, 4, 0, 4},
      {"Skip All: the rest of the run",
       Situation::FolderUnusable,
       {A(ErrorAnswer::SkipAll)},
       1,
       4,
       0,
       4,
       3},
      {"Stop in the error box", Situation::FolderUnusable, {A(ErrorAnswer::Stop)}, 1, 1, 0, 4},
      {"Cancel: this copy", Situation::LongCopies, {A(ProgressAnswer::Cancel)}, 0, 4, 3, 3},
      {"Stop in the progress display",
       Situation::LongCopies,
       {A(ProgressAnswer::Stop)},
       0,
       1,
       0,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path dir =
        fs::temp_directory_path() / ("ferrowick-answers-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path source = dir / "a.txt";
    std::ofstream(source) << std::string(c.situation == Situation::LongCopies ? 300000 : 3, 'n');
    fs::path folder = dir;
    if (c.situation == Situation::FolderMissing) folder = dir / "missing";
    if (c.situation == Situation::FolderUnusable) {
      std::ofstream(dir / "plain") << "x";
      folder = dir / "plain" / "sub";  // a path through a plain file: every copy fails
    }
    const auto target = [&](int tag) { return folder / (std::to_string(tag) + "a.txt"); };
    for (int tag = 1; tag <= 4 && c.situation == Situation::TargetsExist; ++tag) {
      std::ofstream(target(tag)) << "old";
    }

    ScriptedUser user;
    CopyEngine::Tuning tuning;
    tuning.chunk = 64u << 10;
    tuning.progressAfter = std::chrono::milliseconds(0);
    Module1 module1(user, user, tuning);
    testing::FakeWindow window;
    window.keepRunning = [&] { return !module1.Stopped(); };
    window.text[Box::File] = FromUtf8(source.string());
    window.text[Box::Copies] = u"4";
    window.text[Box::Prefix] = u"1";
    if (folder != dir) window.text[Box::Dir] = FromUtf8(folder.string());
    Duplicator run(window, module1, u'/');

    user.script.assign(c.script.begin(), c.script.end());
    user.answersProgress = c.situation == Situation::LongCopies;
    run.Run();
    EXPECT_EQ(user.boxes, c.boxes);
    const std::u16string& status = window.text[Box::Status];
    std::size_t lines = 0;
    for (std::size_t at = status.find(u"Copying to: "); at != std::u16string::npos;
         at = status.find(u"Copying to: ", at + 1)) {
      ++lines;
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(c.lines));
    int written = 0;
    for (int tag = 1; tag <= 4; ++tag) {
      std::ifstream in(target(tag));
      const std::string data{std::istreambuf_iterator<char>(in), {}};
      written += !data.empty() && data[0] == 'n';
    }
    EXPECT_EQ(written, c.written);
    EXPECT_EQ(user.unmade, c.unmade);
    // One display for the whole run, from its first copy, closed when the run is over.
    if (c.situation == Situation::LongCopies) {
      ASSERT_FALSE(user.shown.empty());
      EXPECT_EQ(user.shown[0].copy, 1);
      EXPECT_EQ(user.shown[0].count, 4);
      EXPECT_EQ(user.shown[0].total, 4u * 300000);
      EXPECT_EQ(user.displaysClosed, 1);
    }

    // Nothing was remembered: the next press of the button asks afresh.
    user.boxes = 0;
    user.script.clear();
    run.Run();
    EXPECT_EQ(user.boxes, c.boxesNextRun);
    fs::remove_all(dir);
  }
}

}  // namespace
}  // namespace ferrowick
