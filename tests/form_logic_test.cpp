// SPDX-License-Identifier: MIT
#include "form_logic.h"

#include <gtest/gtest.h>

#include <utility>

#include "spoken.h"

namespace ferrowick {
namespace {

using namespace std::chrono_literals;

TEST(StatusLogTest, LinesEndAsTheBoxEndsThem) {
  const struct {
    std::u16string_view lineEnd;
    std::u16string_view line;
    std::u16string_view pending;
  } cases[] = {
      {u"\n", u"Copying to: 1a.txt\r\n", u"Copying to: 1a.txt\n"},
      {u"\n", u"Copying to: 1a.txt", u"Copying to: 1a.txt\n"},
      {u"\r\n", u"Not made: x\n", u"Not made: x\r\n"},
      {u"\r\n", u"", u"\r\n"},
  };
  for (const auto& c : cases) {
    StatusLog log(c.lineEnd);
    log.Append(c.line);
    log.Append(c.line);
    EXPECT_EQ(log.Take(), std::u16string(c.pending) + std::u16string(c.pending));
    EXPECT_TRUE(log.Pending().empty());
  }
}

// A frame comes no sooner than a display's refresh after the last, and leaves the copies nine
// times what drawing it took; a run's first at once.
TEST(StatusLogTest, FramesLeaveTheCopiesTheirShare) {
  const auto start = StatusLog::Clock::time_point() + 1h;
  for (const auto& [drawing, next] : {std::pair(1ms, 16ms), std::pair(10ms, 90ms)}) {
    StatusLog log(u"\n");
    log.Framed(start, start + drawing);
    EXPECT_FALSE(log.Due(start + drawing + next - 1ms)) << drawing.count();
    EXPECT_TRUE(log.Due(start + drawing + next)) << drawing.count();
    log.Start();
    EXPECT_TRUE(log.Due(start));
  }
}

// What a listener hears at a run's end: a Stop before the last copy was tried, copies not made,
// or all made and where.
TEST(SpokenTest, RunsEndAsTheyWent) {
  const struct {
    int count, tried, made;
    Spoken what;
    std::vector<std::u16string> args;
  } cases[] = {
      {3, 3, 3, Spoken::Done, {u"3", u"3", u"/tmp/x"}},
      {3, 3, 2, Spoken::NotAll, {u"2", u"3", u"1"}},
      {32766, 120, 119, Spoken::Stopped, {u"119", u"32766"}},
  };
  for (const auto& c : cases) {
    const Announcement said = RunEnded(c.count, c.tried, c.made, u"/tmp/x");
    EXPECT_EQ(said.what, c.what) << c.made;
    EXPECT_EQ(said.args, c.args) << c.made;
  }
}

}  // namespace
}  // namespace ferrowick
