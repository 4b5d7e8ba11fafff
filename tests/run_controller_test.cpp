// SPDX-License-Identifier: MIT
// What both windows do alike, on a fake window and a fake view: where a given, dropped or chosen
// path goes on this platform, and the Duplicate click's sequence.
#include "run_controller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_window.h"
#include "utf.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace ferrowick {
namespace {

namespace fs = std::filesystem;
using testing::FakeWindow;
using testing::RecordingCopier;

struct FakeView : FormView {
  StatusLog log{u"\n"};
  std::vector<std::u16string> said, announced;
  std::vector<std::pair<Box, std::u16string>> filled;
  int shown = 0, closed = 0;
  bool closing = false;

  StatusLog& Log() override { return log; }
  void ShowStatus() override { ++shown; }
  void LetEventsThrough() override {}
  bool Closing() const override { return closing; }
  void Close() override { ++closed; }
  void Announce(const std::u16string& text) override { announced.push_back(text); }
  void Say(const std::u16string& text) override { said.push_back(text); }
  void Fill(Box box, const std::u16string& path) override { filled.emplace_back(box, path); }
};

class RunControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("ferrowick-controller-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "report.txt") << "x";
  }
  void TearDown() override { fs::remove_all(dir); }
  std::u16string Path(const char* name) const { return FromUtf8((dir / name).string()); }

  fs::path dir;
  FakeWindow window;
  RecordingCopier copier{window};
  FakeView view;
  RunController controller{window, view, copier, fs::path::preferred_separator};
};

TEST_F(RunControllerTest, GivenDroppedAndChosenPathsGoWhereTheyMay) {
  const std::u16string file = Path("report.txt"), folder = Path("folder");
  struct Case {
    std::vector<std::u16string> names;
    bool drop;
    Box box;
    std::u16string taken;  // "" where nothing is
    std::string refusal;   // words of the refusal, or none
  };
  std::vector<Case> cases = {
      {{file}, false, Box::File, file, ""},
      {{u"--", file}, false, Box::File, file, ""},
      {{}, false, Box::File, u"", ""},
      {{file, file}, true, Box::File, u"", "one file at a time"},
      {{folder}, false, Box::File, u"", "is a folder"},
      {{folder}, true, Box::Dir, folder, ""},
      {{Path("gone.txt")}, true, Box::File, u"", "does not exist"},
  };
#ifdef _WIN32
  cases.push_back({{Path("COM1.txt")}, false, Box::File, u"", "names the device COM1"});
#else
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
  cases.push_back({{Path("pipe")}, true, Box::File, u"", "a named pipe (FIFO)"});
  cases.push_back({{FromBytes((dir / "\xff.txt").string())}, false, Box::File, u"", "not UTF-8"});
#endif
  for (const Case& c : cases) {
    view.said.clear();
    view.filled.clear();
    controller.Take(RunController::Place(c.names, c.drop));
    ASSERT_EQ(view.filled.size(), c.taken.empty() ? 0u : 1u) << ToUtf8(c.taken);
    if (!c.taken.empty()) {
      EXPECT_EQ(view.filled[0].first, c.box);
      EXPECT_EQ(view.filled[0].second, c.taken);
    }
    ASSERT_EQ(view.said.size(), c.refusal.empty() ? 0u : 1u) << c.refusal;
    if (!c.refusal.empty()) {
      EXPECT_NE(ToUtf8(view.said[0]).find(c.refusal), std::string::npos);
    }
  }
  // A dialog's choice the window cannot take is refused, and the box keeps what it had; a folder
  // dialog's cancel empties Step 4, an item that is no folder keeps it.
#ifdef _WIN32
  const std::u16string refused = Path("COM1.txt");
#else
  const std::u16string refused = FromBytes((dir / "\xff.txt").string());
#endif
  view.said.clear();
  EXPECT_EQ(controller.ChoseFile(file, refused), file);
  EXPECT_EQ(controller.ChoseFile(file, folder), folder);
  EXPECT_EQ(controller.ChoseFolder(folder, refused), folder);
  EXPECT_EQ(controller.ChoseFolder(folder, std::u16string()), u"");
  EXPECT_EQ(controller.ChoseFolder(folder, std::nullopt), folder);
  EXPECT_EQ(view.said.size(), 3u);
}

TEST_F(RunControllerTest, AClickRunsOnceAndSaysHowItEnded) {
  window.text = {{Box::File, Path("report.txt")}, {Box::Copies, u"3"}, {Box::Prefix, u"1"}};
  // A second click while the copies go on starts no second run.
  copier.during = [this] { controller.Click(); };
  controller.Click();
  EXPECT_EQ(copier.calls.size(), 3u);
  ASSERT_EQ(view.announced.size(), 1u);
  EXPECT_EQ(view.announced[0],
            u"Done. Copies made: 3 of 3, in \"" + FromUtf8(dir.string()) + u"\".");
  EXPECT_GE(view.shown, 1);
  // Refused inputs: nothing is said beyond the box. Closed during a run: the window goes after
  // it, with nothing said.
  window.text[Box::Copies] = u"0";
  controller.Click();
  EXPECT_EQ(view.announced.size(), 1u);
  window.text[Box::Copies] = u"2";
  copier.during = [this] { view.closing = true; };
  window.keepRunning = [this] { return !view.closing; };
  controller.Click();
  EXPECT_EQ(copier.calls.size(), 4u);
  EXPECT_EQ(view.closed, 1);
  EXPECT_EQ(view.announced.size(), 1u);
}

}  // namespace
}  // namespace ferrowick
