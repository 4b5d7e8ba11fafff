// SPDX-License-Identifier: MIT
#include "duplicator.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_window.h"
#include "utf.h"

namespace ferrowick {
namespace {

using testing::FakeWindow;
using testing::RecordingCopier;

std::u16string U(const char* text) { return FromUtf8(text); }

struct NamingCase {
  const char* name;
  const char* source;
  const char* dir;
  const char* start;
  const char* copies;
  bool prefix;
  char16_t separator;
  std::vector<const char*> targets;
};

void PrintTo(const NamingCase& c, std::ostream* os) { *os << c.name; }

class NamingTest : public ::testing::TestWithParam<NamingCase> {};

TEST_P(NamingTest, TargetsAndStatusLines) {
  const NamingCase& c = GetParam();
  FakeWindow window;
  window.text = {{Box::File, U(c.source)},
                 {Box::Dir, U(c.dir)},
                 {Box::Prefix, U(c.start)},
                 {Box::Copies, U(c.copies)},
                 {Box::Status, u"old text\r\n"}};
  window.prefix = c.prefix;
  RecordingCopier copier(window);
  Duplicator(window, copier, c.separator).Run();

  ASSERT_EQ(copier.calls.size(), c.targets.size());
  std::u16string status;
  for (std::size_t i = 0; i < c.targets.size(); ++i) {
    EXPECT_EQ(ToUtf8(copier.calls[i].target), c.targets[i]);
    EXPECT_EQ(copier.calls[i].source, U(c.source));
    // One line per copy: a newline or tab in a name is shown as its picture.
    std::u16string shown = U(c.targets[i]);
    std::replace(shown.begin(), shown.end(), u'\n', u'\u240A');
    std::replace(shown.begin(), shown.end(), u'\t', u'\u2409');
    status += u"Copying to: " + shown + u"\r\n";
    // The line naming a copy is in the log before that copy starts.
    EXPECT_EQ(copier.calls[i].statusAtCopy, status);
  }
  EXPECT_EQ(window.Text(Box::Status), status);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(window.repaints, static_cast<int>(c.targets.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamingTest,
    ::testing::Values(
        NamingCase{"WindowsPrefix",
                   "C:\\Data\\report.txt",
                   "",
                   "1",
                   "3",
                   true,
                   u'\\',
                   {"C:\\Data\\1report.txt", "C:\\Data\\2report.txt", "C:\\Data\\3report.txt"}},
        NamingCase{"WindowsSuffix",
                   "C:\\Data\\report.txt",
                   "",
                   "1",
                   "3",
                   false,
                   u'\\',
                   {"C:\\Data\\report1.txt", "C:\\Data\\report2.txt", "C:\\Data\\report3.txt"}},
        NamingCase{"WindowsDirBox",
                   "C:\\Data\\report.txt",
                   "D:\\Out",
                   "1",
                   "2",
                   true,
                   u'\\',
                   {"D:\\Out\\1report.txt", "D:\\Out\\2report.txt"}},
        NamingCase{"DriveRootDoubles",
                   "C:\\Data\\report.txt",
                   "C:\\",
                   "1",
                   "1",
                   true,
                   u'\\',
                   {"C:\\\\1report.txt"}},
        NamingCase{"LinuxPrefix",
                   "/data/report.txt",
                   "",
                   "1",
                   "3",
                   true,
                   u'/',
                   {"/data/1report.txt", "/data/2report.txt", "/data/3report.txt"}},
        NamingCase{
            "LinuxRootDoubles", "/data/report.txt", "/", "1", "1", true, u'/', {"//1report.txt"}},
        NamingCase{
            "NoSeparator", "report.txt", "", "1", "2", true, u'/', {"1report.txt", "2report.txt"}},
        NamingCase{
            "LastDotOnly", "/a/archive.tar.gz", "", "1", "1", false, u'/', {"/a/archive.tar1.gz"}},
        NamingCase{"NoDotPrefix", "/a/README", "", "1", "1", true, u'/', {"/a/1README"}},
        NamingCase{
            "ControlCharacters", "/a/two\nli\tnes", "", "1", "1", true, u'/', {"/a/1two\nli\tnes"}},
        NamingCase{"NoDotSuffix", "/a/README", "", "1", "1", false, u'/', {"/a/README1"}},
        NamingCase{"DotFileSuffix", "/a/.profile", "", "1", "1", false, u'/', {"/a/1.profile"}},
        NamingCase{"DottedFolder",
                   "C:\\Tools.old\\notes",
                   "",
                   "1",
                   "1",
                   false,
                   u'\\',
                   {"C:\\Tools.old\\notes1"}},
        NamingCase{"BackslashIsANameCharOnLinux",
                   "/a/b\\c.txt",
                   "",
                   "1",
                   "1",
                   true,
                   u'/',
                   {"/a/1b\\c.txt"}},
        NamingCase{"SlashIsANameCharOnWindows",
                   "C:\\a/b.txt",
                   "",
                   "1",
                   "1",
                   true,
                   u'\\',
                   {"C:\\1a/b.txt"}},
        NamingCase{"Width1Plus9",
                   "x",
                   "",
                   "1",
                   "9",
                   false,
                   u'/',
                   {"x01", "x02", "x03", "x04", "x05", "x06", "x07", "x08", "x09"}},
        NamingCase{"Width1Plus10",
                   "x",
                   "",
                   "1",
                   "10",
                   false,
                   u'/',
                   {"x01", "x02", "x03", "x04", "x05", "x06", "x07", "x08", "x09", "x10"}},
        NamingCase{"Width8Plus2", "x", "", "8", "2", false, u'/', {"x08", "x09"}},
        NamingCase{"Width5Plus3", "x", "", "5", "3", false, u'/', {"x5", "x6", "x7"}},
        NamingCase{"Width95Plus5",
                   "x",
                   "",
                   "95",
                   "5",
                   false,
                   u'/',
                   {"x095", "x096", "x097", "x098", "x099"}},
        NamingCase{"LeadingZerosRead", "x", "", "007", "0002", false, u'/', {"x7", "x8"}},
        NamingCase{"UpToTheLimit", "x", "", "32765", "2", false, u'/', {"x32765", "x32766"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MakeTagTest, PadsButNeverCuts) {
  const struct {
    std::int16_t pad, tag;
    const char16_t* expected;
  } cases[] = {
      {3, 7, u"007"}, {1, 123, u"123"}, {0, 5, u"5"}, {2, 10, u"10"}, {5, 32767, u"32767"}};
  for (const auto& c : cases) EXPECT_EQ(MakeTag(c.pad, c.tag), c.expected) << c.pad << "," << c.tag;
}

struct ValidationCase {
  const char* name;
  std::u16string file;
  const char* copies;
  const char* start;
  const char* message;  // "" when valid
  const char* copiesAfter;
  const char* startAfter;
  Box focus = Box::Status;  // where the focus goes after the message
};

void PrintTo(const ValidationCase& c, std::ostream* os) { *os << c.name; }

class ValidationTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidationTest, MessageBoxesAndFields) {
  const ValidationCase& c = GetParam();
  FakeWindow window;
  window.text = {{Box::File, c.file},
                 {Box::Copies, U(c.copies)},
                 {Box::Prefix, U(c.start)},
                 {Box::Status, u"kept\r\n"}};
  RecordingCopier copier(window);
  Duplicator(window, copier, u'/').Run();

  EXPECT_EQ(ToUtf8(window.Text(Box::Copies)), c.copiesAfter);
  EXPECT_EQ(ToUtf8(window.Text(Box::Prefix)), c.startAfter);
  if (*c.message == '\0') {
    EXPECT_TRUE(window.messages.empty());
    EXPECT_FALSE(copier.calls.empty());
    return;
  }
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(ToUtf8(window.messages[0]), c.message);
  EXPECT_EQ(window.focused, std::vector<Box>{c.focus});
  EXPECT_TRUE(copier.calls.empty());
  EXPECT_EQ(window.Text(Box::Status), u"kept\r\n");
}

#define NO_FILE "Error: No file selected.\r\n"
#define COUNT_ZERO "Error: Number of copies must be greater than zero.\r\n"
#define START_ZERO "Error: Starting number must be greater than zero.\r\n"
#define COUNT_WHOLE "Error: Number of copies must be a whole number.\r\n"
#define START_WHOLE "Error: Starting number must be a whole number.\r\n"
#define COUNT_BIG "Error: Number of copies must be 32767 or less.\r\n"
#define START_BIG "Error: Starting number must be 32767 or less.\r\n"
#define SUM_BIG "Error: Starting number plus number of copies must not exceed 32767.\r\n"
#define TOO_LONG "Error: File path is too long.\r\n"

const std::u16string kFile = u"/tmp/f.txt";

INSTANTIATE_TEST_SUITE_P(
    Inputs, ValidationTest,
    ::testing::Values(
        ValidationCase{"AllEmpty", u"", "", "", NO_FILE COUNT_ZERO START_ZERO, "0", "0", Box::File},
        ValidationCase{"CountZero", kFile, "0", "1", COUNT_ZERO, "0", "1", Box::Copies},
        ValidationCase{"StartZero", kFile, "1", "0", START_ZERO, "1", "0", Box::Prefix},
        ValidationCase{"FileAndStart", u"", "2", "", NO_FILE START_ZERO, "2", "0", Box::File},
        ValidationCase{"LeadingZerosValid", kFile, "0003", "1", "", "0003", "1"},
        ValidationCase{"PastedLetters", kFile, "abc", "1.5", COUNT_WHOLE START_WHOLE, "abc", "1.5",
                       Box::Copies},
        ValidationCase{"TrailingSpace", kFile, "12 ", "1", COUNT_WHOLE, "12 ", "1", Box::Copies},
        ValidationCase{"LoneSign", kFile, "-", "1", COUNT_WHOLE, "-", "1", Box::Copies},
        ValidationCase{"Negative", kFile, "-5", "-99999999999", COUNT_ZERO START_ZERO, "-5",
                       "-99999999999", Box::Copies},
        ValidationCase{"AboveLimit", kFile, "40000", "99999999999999999999", COUNT_BIG START_BIG,
                       "40000", "99999999999999999999", Box::Copies},
        ValidationCase{"SumAboveLimit", kFile, "2", "32766", SUM_BIG, "2", "32766", Box::Copies},
        ValidationCase{"SumOnlyWhenBothValid", kFile, "40000", "32766", COUNT_BIG, "40000", "32766",
                       Box::Copies},
        ValidationCase{"SumComesLast", u"", "32767", "1", NO_FILE SUM_BIG, "32767", "1", Box::File},
        ValidationCase{"SumAtLimit", kFile, "1", "32766", "", "1", "32766"},
        ValidationCase{"SeparatorBeyondLimit", std::u16string(40000, u'a') + u"/x", "1", "1",
                       TOO_LONG, "1", "1", Box::File},
        ValidationCase{"DotBeyondLimit", u"/" + std::u16string(40000, u'a') + u".txt", "1", "1",
                       TOO_LONG, "1", "1", Box::File}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunTest, ReadsTagPositionAndSourceForEveryCopy) {
  FakeWindow window;
  window.text = {{Box::File, u"/a/one.txt"}, {Box::Copies, u"3"}, {Box::Prefix, u"1"}};
  RecordingCopier copier(window);
  copier.during = [&] {
    window.prefix = !window.prefix;
    window.text[Box::File] = u"/b/two.dat";
  };
  Duplicator(window, copier, u'/').Run();
  ASSERT_EQ(copier.calls.size(), 3u);
  // The names come from the source as it was when the run started; the file copied is re-read.
  EXPECT_EQ(copier.calls[0].target, u"/a/1one.txt");
  EXPECT_EQ(copier.calls[1].target, u"/a/one2.txt");
  EXPECT_EQ(copier.calls[2].target, u"/a/3one.txt");
  EXPECT_EQ(copier.calls[0].source, u"/a/one.txt");
  EXPECT_EQ(copier.calls[1].source, u"/b/two.dat");
}

TEST(RunTest, SecondRunStartsFromAnEmptyLogWithTheSameTags) {
  FakeWindow window;
  window.text = {{Box::File, u"r"}, {Box::Copies, u"2"}, {Box::Prefix, u"4"}};
  RecordingCopier copier(window);
  Duplicator duplicator(window, copier, u'/');
  duplicator.Run();
  const std::u16string first = window.Text(Box::Status);
  duplicator.Run();
  EXPECT_EQ(window.Text(Box::Status), first);
  EXPECT_EQ(first, u"Copying to: 4r\r\nCopying to: 5r\r\n");
  ASSERT_EQ(copier.calls.size(), 4u);
  EXPECT_EQ(copier.calls[2].statusAtCopy, u"Copying to: 4r\r\n");
}

TEST(RunTest, StopsAfterTheCopyInHandWhenTheWindowCloses) {
  FakeWindow window;
  window.text = {{Box::File, u"r"}, {Box::Copies, u"100"}, {Box::Prefix, u"1"}};
  RecordingCopier copier(window);
  window.keepRunning = [&] { return copier.calls.size() < 2; };
  Duplicator duplicator(window, copier, u'/');
  duplicator.Run();
  EXPECT_EQ(copier.calls.size(), 2u);
  EXPECT_EQ(duplicator.Last().count, 100);
  EXPECT_EQ(duplicator.Last().tried, 2);
}

TEST(RunTest, ClickDuringARunIsIgnored) {
  FakeWindow window;
  window.text = {{Box::File, u"r"}, {Box::Copies, u"3"}, {Box::Prefix, u"1"}};
  RecordingCopier copier(window);
  Duplicator duplicator(window, copier, u'/');
  copier.during = [&] {
    EXPECT_TRUE(duplicator.Running());
    duplicator.Run();
  };
  duplicator.Run();
  EXPECT_EQ(copier.calls.size(), 3u);
  EXPECT_FALSE(duplicator.Running());
}

TEST(UtfTest, RoundTripsAndReplacesMalformedInput) {
  EXPECT_EQ(FromUtf8(ToUtf8(u"r\u00e9sum\u00e9 \u20ac \U0001F600")),
            u"r\u00e9sum\u00e9 \u20ac \U0001F600");
  const struct {
    std::string bytes;
    std::u16string text;
  } malformed[] = {{"a\xff"
                    "b",
                    u"a\ufffdb"},
                   {"\xc3", u"\ufffd"},
                   {"\xe0\x80\x80", u"\ufffd\ufffd\ufffd"}};
  for (const auto& m : malformed) EXPECT_EQ(FromUtf8(m.bytes), m.text);
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace ferrowick
