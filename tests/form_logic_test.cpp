// SPDX-License-Identifier: MIT
#include "form_logic.h"

#include <gtest/gtest.h>

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
      {u"\r\n", u"Not made: x\r\n", u"Not made: x\r\n"},
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
// times what drawing it took.
TEST(StatusLogTest, FramesLeaveTheCopiesTheirShare) {
  const struct {
    std::chrono::milliseconds drawing;
    std::chrono::milliseconds after;  // since the frame ended
    bool due;
  } cases[] = {
      {1ms, 15ms, false},
      {1ms, 16ms, true},
      {10ms, 89ms, false},
      {10ms, 90ms, true},
  };
  const auto start = StatusLog::Clock::time_point() + 1h;
  for (const auto& c : cases) {
    StatusLog log(u"\n");
    EXPECT_TRUE(log.Due(start));
    log.Framed(start, start + c.drawing);
    EXPECT_EQ(log.Due(start + c.drawing + c.after), c.due) << c.drawing.count();
    log.Start();
    EXPECT_TRUE(log.Due(start + c.drawing));
  }
}

// A given or dropped path fills Step 1 or, dropped, Step 4, or is refused with the words both
// windows say.
TEST(PlacingTest, APathGoesWhereItMayOrIsRefused) {
  using Found = Placing::Found;
  using Into = Placing::Into;
  const struct {
    Found found;
    bool folderTaken;  // a drop
    Into into;
    bool refused;
    Refusal refusal;
  } cases[] = {
      {Found::File, false, Into::File, false, Refusal::Missing},
      {Found::File, true, Into::File, false, Refusal::Missing},
      {Found::Folder, true, Into::Folder, false, Refusal::Missing},
      {Found::Folder, false, Into::Nothing, true, Refusal::Folder},
      {Found::Missing, true, Into::Nothing, true, Refusal::Missing},
      {Found::Other, true, Into::Nothing, true, Refusal::Missing},
  };
  for (const auto& c : cases) {
    const Placing placing = Placing::For(c.found, c.folderTaken);
    EXPECT_EQ(placing.into, c.into) << int(c.found) << c.folderTaken;
    EXPECT_EQ(placing.refused, c.refused) << int(c.found) << c.folderTaken;
    if (c.refused && c.found != Found::Other) {
      EXPECT_EQ(placing.refusal, c.refusal);
    }
  }
}

}  // namespace
}  // namespace ferrowick
