#include "copy_engine.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace ferrowick {
namespace {

namespace fs = std::filesystem;

class ScriptedDelegate : public CopyDelegate {
 public:
  bool replace = false;
  bool createFolder = false;
  bool cancelOnProgress = false;
  std::vector<std::string> asked;
  std::vector<CopyFailure> errors;
  int progressCalls = 0;
  int progressDone = 0;

  bool AskReplace(const std::string&, const std::string& target) override {
    asked.push_back("replace " + target);
    return replace;
  }
  bool AskCreateFolder(const std::string& folder) override {
    asked.push_back("folder " + folder);
    return createFolder;
  }
  void ReportError(const CopyFailure& failure) override { errors.push_back(failure); }
  bool Progress(const std::string&, const std::string&, std::uint64_t, std::uint64_t) override {
    ++progressCalls;
    return !cancelOnProgress;
  }
  void ProgressDone() override { ++progressDone; }
};

std::string Bytes(std::size_t size, unsigned salt = 1) {
  std::string data(size, '\0');
  std::mt19937 random(salt);
  for (char& c : data) c = static_cast<char>(random());
  return data;
}

void Write(const fs::path& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class CopyEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("ferrowick-engine-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    source = dir / "source.bin";
    Write(source, Bytes(1000));
  }
  void TearDown() override { fs::remove_all(dir); }

  CopyOutcome Copy(const fs::path& from, const fs::path& to, CopyEngine::Tuning tuning = {}) {
    CopyEngine engine(delegate, tuning);
    return engine.Copy(from.string(), to.string());
  }

  // Everything in the folder, to prove that no temporary was left behind.
  std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir;
  fs::path source;
  ScriptedDelegate delegate;
};

TEST_F(CopyEngineTest, CopiesBytesModeAndTimeForEverySize) {
  const struct {
    std::size_t size;
    std::uint64_t chunk;
    mode_t mode;
  } cases[] = {{0, 16u << 20, 0644},
               {1, 16u << 20, 0600},
               {4096, 16u << 20, 0755},
               {(5u << 20) + 3, 1u << 20, 0640},
               {(3u << 20), 64u << 10, 0444}};
  for (const auto& c : cases) {
    const std::string data = Bytes(c.size, static_cast<unsigned>(c.size));
    const fs::path from = dir / ("in" + std::to_string(c.size));
    const fs::path to = dir / ("out" + std::to_string(c.size));
    Write(from, data);
    ASSERT_EQ(::chmod(from.c_str(), c.mode), 0);
    const timespec times[2] = {{1000000000, 5}, {1234567890, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, from.c_str(), times, 0), 0);

    CopyEngine::Tuning tuning;
    tuning.chunk = c.chunk;
    EXPECT_EQ(Copy(from, to, tuning), CopyOutcome::Copied) << c.size;
    EXPECT_TRUE(Read(to) == data) << c.size;
    struct stat st {};
    ASSERT_EQ(::stat(to.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, c.mode) << c.size;
    EXPECT_EQ(st.st_mtim.tv_sec, times[1].tv_sec);
    EXPECT_EQ(st.st_mtim.tv_nsec, times[1].tv_nsec);
  }
  EXPECT_TRUE(delegate.errors.empty());
  EXPECT_TRUE(delegate.asked.empty());
}

TEST_F(CopyEngineTest, FailureHalfWayLeavesNothingAndIsReported) {
  Write(source, Bytes(4u << 20));
  CopyEngine::Tuning tuning;
  tuning.chunk = 1u << 20;
  tuning.failAfter = 2u << 20;
  tuning.failErrno = ENOSPC;
  EXPECT_EQ(Copy(source, dir / "copy.bin", tuning), CopyOutcome::Failed);
  EXPECT_EQ(Listing(dir), std::vector<std::string>{"source.bin"});
  ASSERT_EQ(delegate.errors.size(), 1u);
  EXPECT_EQ(delegate.errors[0].reason, std::strerror(ENOSPC));
  EXPECT_EQ(delegate.errors[0].target, (dir / "copy.bin").string());
}

TEST_F(CopyEngineTest, ExistingTargetReplacedOnlyWithConsent) {
  for (const bool agree : {false, true}) {
    const fs::path target = dir / "existing.bin";
    Write(target, "old");
    delegate.replace = agree;
    EXPECT_EQ(Copy(source, target), agree ? CopyOutcome::Copied : CopyOutcome::Skipped);
    EXPECT_EQ(Read(target), agree ? Read(source) : "old");
    EXPECT_EQ(Listing(dir), (std::vector<std::string>{"existing.bin", "source.bin"}));
  }
  EXPECT_EQ(delegate.asked.size(), 2u);
}

TEST_F(CopyEngineTest, LinkTargetIsReplacedNeverFollowed) {
  const std::string original = Read(source);
  for (const bool agree : {false, true}) {
    const fs::path link = dir / "link.bin";
    fs::remove(link);
    fs::create_symlink(source, link);
    Write(dir / "other.bin", "other content");
    delegate.replace = agree;
    Copy(dir / "other.bin", link);
    EXPECT_EQ(fs::is_symlink(link), !agree);
    EXPECT_EQ(Read(source), original);
  }
  EXPECT_EQ(Read(dir / "link.bin"), "other content");
}

TEST_F(CopyEngineTest, MissingFolderIsCreatedOnlyWithConsent) {
  const fs::path target = dir / "a" / "b" / "copy.bin";
  delegate.createFolder = false;
  EXPECT_EQ(Copy(source, target), CopyOutcome::Skipped);
  EXPECT_FALSE(fs::exists(dir / "a"));
  delegate.createFolder = true;
  EXPECT_EQ(Copy(source, target), CopyOutcome::Copied);
  EXPECT_EQ(Read(target), Read(source));
  EXPECT_EQ(delegate.asked, (std::vector<std::string>{"folder " + (dir / "a" / "b").string(),
                                                      "folder " + (dir / "a" / "b").string()}));
}

TEST_F(CopyEngineTest, FailuresAreReportedWithTheSystemsReason) {
  Write(dir / "plain", "x");
  fs::create_directory(dir / "folder");
  const struct {
    const char* name;
    fs::path from;
    fs::path to;
    int error;
  } cases[] = {
      {"missing source", dir / "nope", dir / "c1", ENOENT},
      {"source is a folder", dir / "folder", dir / "c2", EISDIR},
      {"path through a file", source, dir / "plain" / "c3", ENOTDIR},
      {"name too long", source, dir / std::string(300, 'n'), ENAMETOOLONG},
      {"target is a folder", source, dir / "folder", EISDIR},
  };
  for (const auto& c : cases) {
    delegate.errors.clear();
    EXPECT_EQ(Copy(c.from, c.to), CopyOutcome::Failed) << c.name;
    ASSERT_EQ(delegate.errors.size(), 1u) << c.name;
    EXPECT_EQ(delegate.errors[0].reason, std::strerror(c.error)) << c.name;
    EXPECT_EQ(delegate.errors[0].source, c.from.string()) << c.name;
  }
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"folder", "plain", "source.bin"}));
}

TEST_F(CopyEngineTest, LongCopyShowsProgressAndCanBeCancelled) {
  Write(source, Bytes(4u << 20));
  CopyEngine::Tuning tuning;
  tuning.chunk = 1u << 20;
  tuning.progressAfter = std::chrono::milliseconds(0);

  EXPECT_EQ(Copy(source, dir / "done.bin", tuning), CopyOutcome::Copied);
  EXPECT_EQ(delegate.progressCalls, 4);
  EXPECT_EQ(delegate.progressDone, 1);

  delegate.cancelOnProgress = true;
  EXPECT_EQ(Copy(source, dir / "cancelled.bin", tuning), CopyOutcome::Cancelled);
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"done.bin", "source.bin"}));
  EXPECT_EQ(delegate.progressDone, 2);
  EXPECT_TRUE(delegate.errors.empty());
}

}  // namespace
}  // namespace ferrowick
