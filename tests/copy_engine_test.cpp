// SPDX-License-Identifier: MIT
#include "copy_engine.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <tuple>

#include "fake_delegate.h"
#include "temporary_name.h"
#include "utf.h"

namespace ferrowick {
namespace {

namespace fs = std::filesystem;

using testing::Bytes;
using testing::Listing;
using testing::Read;
using testing::ScriptedDelegate;
using testing::Write;

// Data at the given offsets, holes everywhere else, `size` long.
void WriteSparse(const fs::path& path, std::uint64_t size,
                 const std::vector<std::pair<std::uint64_t, std::size_t>>& extents) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  for (const auto& [at, length] : extents) {
    const std::string data = Bytes(length, static_cast<unsigned>(at));
    EXPECT_EQ(::pwrite(fd, data.data(), data.size(), static_cast<off_t>(at)),
              static_cast<ssize_t>(data.size()));
  }
  EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
  ::close(fd);
}

std::string Attribute(const fs::path& path, const char* name) {
  char value[256];
  const ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
  return n < 0 ? std::string() : std::string(value, static_cast<std::size_t>(n));
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
               {(3u << 20), 64u << 10, 0444},
               // From a FAT stick: not writable by all, as no new file is; nor set-user-ID.
               {10, 16u << 20, 0777},
               {11, 16u << 20, 04755}};
  ::umask(022);
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
    EXPECT_EQ(st.st_mode & 07777, c.mode & 0755) << c.size;
    EXPECT_EQ(st.st_mtim.tv_sec, times[1].tv_sec);
    EXPECT_EQ(st.st_mtim.tv_nsec, times[1].tv_nsec);
  }
  EXPECT_TRUE(delegate.errors.empty());
  EXPECT_TRUE(delegate.asked.empty());
}

TEST_F(CopyEngineTest, FailureHalfWayLeavesNothingAndIsReported) {
  Write(source, Bytes(4u << 20));
  // The third chunk finds the disk full.
  struct : CallFaults {
    int chunks = 0;
    int Before(Call call) override {
      return (call == Call::CopyRange || call == Call::Write) && ++chunks == 3 ? ENOSPC : 0;
    }
  } full;
  CopyEngine::Tuning tuning;
  tuning.chunk = 1u << 20;
  tuning.faults = &full;
  EXPECT_EQ(Copy(source, dir / "copy.bin", tuning), CopyOutcome::Failed);
  EXPECT_EQ(Listing(dir), std::vector<std::string>{"source.bin"});
  ASSERT_EQ(delegate.errors.size(), 1u);
  EXPECT_EQ(delegate.errors[0].code, ENOSPC);
  EXPECT_TRUE(delegate.errors[0].call == CallName(Call::CopyRange) ||
              delegate.errors[0].call == CallName(Call::Write));
  EXPECT_EQ(ToBytes(delegate.errors[0].target), (dir / "copy.bin").string());

  // A hidden temporary that its file system will not let go of is named, not left in silence.
  struct : CallFaults {
    int Before(Call call) override {
      return call == Call::OpenUnnamed                        ? EOPNOTSUPP
             : call == Call::Write || call == Call::CopyRange ? ENOSPC
             : call == Call::Unlink                           ? EBUSY
                                                              : 0;
    }
  } stubborn;
  tuning.faults = &stubborn;
  EXPECT_EQ(Copy(source, dir / "copy.bin", tuning), CopyOutcome::Failed);
  ASSERT_EQ(delegate.errors.size(), 2u);
  const std::vector<std::string> left = Listing(dir);
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(ToBytes(delegate.errors[1].leftover), (dir / left[0]).string());
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
  ASSERT_EQ(delegate.facts.size(), 2u);
  // What the user is shown to decide by: "old" (3 bytes) against the 1000-byte source.
  EXPECT_EQ(delegate.facts[0].existing.size, 3u);
  EXPECT_EQ(delegate.facts[0].replacement.size, 1000u);
  struct stat st {};
  ASSERT_EQ(::stat(source.c_str(), &st), 0);
  EXPECT_EQ(delegate.facts[0].replacement.modified, st.st_mtim.tv_sec);
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
  // What a name with bytes that are not UTF-8 looks like once it has been through the window.
  const fs::path mangled = dir / "caf\xEF\xBF\xBD.txt";
  Write(dir / "caf\xE9.txt", "x");
  using Cause = Reason;
  const struct {
    const char* name;
    fs::path from;
    fs::path to;
    int error;
    Cause cause;
  } cases[] = {
      {"missing source", dir / "nope", dir / "c1", ENOENT, Cause::System},
      {"source is a folder", dir / "folder", dir / "c2", 0, Cause::NotRegular},
      {"path through a file", source, dir / "plain" / "c3", ENOTDIR, Cause::System},
      {"name too long", source, dir / std::string(300, 'n'), 0, Cause::NameTooLong},
      {"target is a folder", source, dir / "folder", 0, Cause::FolderHasName},
      {"source name not UTF-8", mangled, dir / "c4", ENOENT, Cause::NotText},
      {"folder name not UTF-8", source, mangled / "c5", ENOENT, Cause::NotText},
      // U+FFFD is a name's own where no name of that look is there.
      {"missing name with U+FFFD", dir / "gone\xEF\xBF\xBD", dir / "c6", ENOENT, Cause::System},
  };
  for (const auto& c : cases) {
    delegate.errors.clear();
    EXPECT_EQ(Copy(c.from, c.to), CopyOutcome::Failed) << c.name;
    ASSERT_EQ(delegate.errors.size(), 1u) << c.name;
    EXPECT_EQ(delegate.errors[0].code, c.error) << c.name;
    EXPECT_EQ(delegate.errors[0].why, c.cause) << c.name;
    EXPECT_EQ(ToBytes(delegate.errors[0].source), c.from.string()) << c.name;
  }
  EXPECT_EQ(Listing(dir),
            (std::vector<std::string>{"caf\xE9.txt", "folder", "plain", "source.bin"}));
  EXPECT_TRUE(delegate.asked.empty());
}

// What another user in a shared folder, or another program, can do to a run while it goes on:
// swap the folder for a link, change the source under the copy. Each is done at a given point of
// the run through the engine's one seam. (Names planted like our temporaries: the command line's
// test, as two users.)
TEST_F(CopyEngineTest, WhatOthersDoDuringARunChangesNothingOfIt) {
  using Cause = Reason;
  const fs::path shared = dir / "shared";
  const fs::path elsewhere = dir / "elsewhere";
  const struct {
    const char* name;
    int copies;
    Call when;  // at this call of the run
    int at;     // ... its at-th (from 1)
    std::function<void()> act;
    Cause cause;                 // of the one copy not made, where one is not
    const char* kind = nullptr;  // the file systems' type
    bool noted = false;          // made, and the run says its source's change was not checked
  } cases[] = {
      // The folder renamed and replaced by a link to another: the run goes on in the folder it
      // opened, under whatever name that has now.
      {"folder swapped for a link", 6, Call::OpenUnnamed, 3,
       [&] {
         fs::rename(shared, dir / "moved");
         fs::create_directory_symlink(elsewhere, shared);
       },
       Cause::System},
      {"source truncated", 1, Call::CopyRange, 2, [&] { fs::resize_file(source, 1000); },
       Cause::SourceChanged},
      {"source grown", 1, Call::CopyRange, 2,
       [&] { std::ofstream(source, std::ios::app) << "more"; }, Cause::SourceChanged},
      // Rewritten to its size, say: its times move.
      {"source's times moved", 1, Call::CopyRange, 2, [&] { fs::last_write_time(source, {}); },
       Cause::SourceChanged},
      // kio-fuse moves a file's times itself when it refreshes the file from its server.
      {"kio-fuse: times moved", 1, Call::CopyRange, 2, [&] { fs::last_write_time(source, {}); },
       Cause::System, "fuse.kio-fuse", true},
      {"kio-fuse: source truncated", 1, Call::CopyRange, 2, [&] { fs::resize_file(source, 1000); },
       Cause::SourceChanged, "fuse.kio-fuse"},
      // Between two copies, where the second would take the first one's look at the source:
      // it copies the source as it is now.
      {"source truncated between copies", 2, Call::OpenUnnamed, 2,
       [&] { fs::resize_file(source, 1000); }, Cause::System},
      {"source's times moved between copies", 2, Call::OpenUnnamed, 2,
       [&] { fs::last_write_time(source, {}); }, Cause::System},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const fs::path& folder : {shared, elsewhere, dir / "moved"}) fs::remove_all(folder);
    fs::create_directories(shared);
    fs::create_directories(elsewhere);
    Write(source, Bytes(3u << 20));
    struct : CallFaults {
      Call when;
      int at = 0;
      std::function<void()> act;
      int Before(Call call) override {
        if (call == when && --at == 0) act();
        return 0;
      }
    } seam;
    seam.when = c.when;
    seam.at = c.at;
    seam.act = c.act;
    CopyEngine::Tuning tuning;
    tuning.chunk = 1u << 20;
    tuning.faults = &seam;
    tuning.mountType = c.kind;
    delegate.errors.clear();
    delegate.notes.clear();
    CopyEngine engine(delegate, tuning);
    int made = 0;
    for (int i = 1; i <= c.copies; ++i) {
      made += engine.Copy(source, shared / ("copy" + std::to_string(i))) == CopyOutcome::Copied;
    }
    EXPECT_TRUE(engine.MakeDurable([] {}));
    EXPECT_TRUE(fs::is_empty(elsewhere));
    if (c.cause == Cause::System) {
      EXPECT_EQ(made, c.copies);
      const fs::path landed = fs::exists(dir / "moved") ? dir / "moved" : shared;
      EXPECT_EQ(Listing(landed).size(), static_cast<std::size_t>(c.copies));
      EXPECT_EQ(fs::file_size(landed / ("copy" + std::to_string(c.copies))), fs::file_size(source));
      EXPECT_TRUE(delegate.errors.empty());
      ASSERT_EQ(delegate.notes.size(), c.noted ? 1u : 0u);
      if (c.noted) {
        EXPECT_EQ(delegate.notes[0].kind, RunNote::Kind::Unchecked);
      }
    } else {
      EXPECT_EQ(made, 0);
      EXPECT_TRUE(fs::is_empty(shared));
      ASSERT_EQ(delegate.errors.size(), 1u);
      EXPECT_EQ(delegate.errors[0].why, c.cause);
    }
  }
}

// An ACL goes along with its named entries, but no more open than the umask lets a new file be.
TEST_F(CopyEngineTest, AnAclIsCutByTheUmask) {
  // user::MODE, user:65534:NAMED, group::rw-, mask::MASK, other::OTHER
  const auto acl = [](unsigned owner, unsigned named, unsigned mask, unsigned other) {
    std::string value("\x02\0\0\0", 4);
    for (const auto& [tag, perm, id] :
         std::vector<std::tuple<unsigned, unsigned, unsigned>>{{1, owner, ~0u},
                                                               {2, named, 65534},
                                                               {4, 6, ~0u},
                                                               {0x10, mask, ~0u},
                                                               {0x20, other, ~0u}}) {
      for (const unsigned field : {tag, perm}) value += {char(field), char(field >> 8)};
      for (int shift = 0; shift < 32; shift += 8) value += char(id >> shift);
    }
    return value;
  };
  const struct {
    mode_t umask;
    std::string acl;
    mode_t mode;     // of the copy
    unsigned named;  // what the named entry is left with, through the mask
  } cases[] = {{022, acl(6, 6, 6, 6), 0644, 4}, {077, acl(6, 4, 4, 0), 0600, 0}};
  for (const auto& c : cases) {
    ::umask(c.umask);
    const fs::path to = dir / ("copy" + std::to_string(c.umask));
    if (::setxattr(source.c_str(), "system.posix_acl_access", c.acl.data(), c.acl.size(), 0) != 0)
      GTEST_SKIP() << "no ACLs here";
    EXPECT_EQ(Copy(source, to), CopyOutcome::Copied);
    struct stat st {};
    ASSERT_EQ(::stat(to.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, c.mode);
    const std::string copied = Attribute(to, "system.posix_acl_access");
    ASSERT_EQ(copied.size(), c.acl.size());
    const auto perm = [&](std::size_t entry) { return unsigned(copied[4 + 8 * entry + 2]); };
    EXPECT_EQ(perm(1) & perm(3), c.named);  // the named entry's, held in check by the mask
  }
  ::umask(022);
}

// A folder with neither unnamed files nor renameat2's flag: a hard link that fails for any
// reason but a failure of the device (rclone answers EIO to every one) leaves the last way of
// naming the copy; a device that is full ends the copy.
TEST_F(CopyEngineTest, AHardLinkRefusedForAnyReasonButTheDeviceFallsBack) {
  for (const int error : {EIO, ENOTSUP, EINVAL, EPERM, ENOSPC}) {
    struct : CallFaults {
      int link = 0;
      int renames = 0;
      int Before(Call call) override {
        if (call == Call::OpenUnnamed) return EOPNOTSUPP;
        if (call == Call::Rename && renames++ == 0) return EINVAL;
        return call == Call::Link ? link : 0;
      }
    } folder;
    folder.link = error;
    CopyEngine::Tuning tuning;
    tuning.faults = &folder;
    delegate.errors.clear();
    const fs::path to = dir / ("copy" + std::to_string(error));
    EXPECT_EQ(Copy(source, to, tuning), error == ENOSPC ? CopyOutcome::Failed : CopyOutcome::Copied)
        << std::strerror(error);
    EXPECT_EQ(fs::exists(to), error != ENOSPC);
    EXPECT_EQ(delegate.errors.size(), error == ENOSPC ? 1u : 0u);
  }
  EXPECT_EQ(Listing(dir).size(), 5u);  // the source and four copies, no temporary
}

TEST_F(CopyEngineTest, LongCopyShowsProgressAndCanBeCancelled) {
  Write(source, Bytes(4u << 20));
  CopyEngine::Tuning tuning;
  tuning.chunk = 1u << 20;

  EXPECT_EQ(Copy(source, dir / "done.bin", tuning), CopyOutcome::Copied);
  EXPECT_EQ(delegate.progressCalls, 4);

  delegate.cancelOnProgress = true;
  EXPECT_EQ(Copy(source, dir / "cancelled.bin", tuning), CopyOutcome::Cancelled);
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"done.bin", "source.bin"}));
  EXPECT_TRUE(delegate.errors.empty());
}

TEST_F(CopyEngineTest, EveryKindOfSource) {
  const fs::path sparse = dir / "disk.img";
  WriteSparse(sparse, 8u << 20, {{0, 64u << 10}, {5u << 20, 100u << 10}});
  const fs::path tagged = dir / "tagged.txt";
  Write(tagged, "tagged");
  const bool attributes = ::setxattr(tagged.c_str(), "user.comment", "draft", 5, 0) == 0;
  Write(dir / "empty", "");
  fs::create_symlink("/proc/version", dir / "version-link");
  ::mkfifo((dir / "pipe").c_str(), 0644);
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, (dir / "socket").c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  const struct {
    const char* name;
    fs::path from;
    std::optional<FileKind> refused;  // the kind of file the error says it is, where it is one
  } cases[] = {
      {"empty file", dir / "empty", {}},
      {"a pseudo-file that says it is empty, through a link", dir / "version-link", {}},
      {"sparse image", sparse, {}},
      {"file with an attribute", tagged, {}},
      {"named pipe", dir / "pipe", FileKind::Fifo},
      {"socket", dir / "socket", FileKind::Socket},
      {"character device", "/dev/null", FileKind::CharacterDevice},
  };
  int n = 0;
  for (const auto& c : cases) {
    delegate.errors.clear();
    const fs::path to = dir / ("copy" + std::to_string(++n));
    const CopyOutcome outcome = Copy(c.from, to);
    if (c.refused) {
      EXPECT_EQ(outcome, CopyOutcome::Failed) << c.name;
      ASSERT_EQ(delegate.errors.size(), 1u) << c.name;
      EXPECT_EQ(delegate.errors[0].why, Reason::NotRegular) << c.name;
      EXPECT_EQ(delegate.errors[0].kind, *c.refused) << c.name;
      EXPECT_FALSE(fs::exists(fs::symlink_status(to))) << c.name;
      continue;
    }
    EXPECT_EQ(outcome, CopyOutcome::Copied) << c.name;
    EXPECT_TRUE(delegate.errors.empty()) << c.name;
    const std::string expected = Read(c.from);
    EXPECT_TRUE(Read(to) == expected) << c.name;
    if (c.from == dir / "version-link") {
      EXPECT_FALSE(expected.empty()) << "nothing to copy: is /proc mounted?";
    }
  }
  ::close(sock);

  struct stat original {
  }, copy{};
  ASSERT_EQ(::stat(sparse.c_str(), &original), 0);
  ASSERT_EQ(::stat((dir / "copy3").c_str(), &copy), 0);
  EXPECT_EQ(copy.st_size, original.st_size);
  EXPECT_LE(copy.st_blocks, original.st_blocks) << "holes were filled in";
  if (attributes) {
    EXPECT_EQ(Attribute(dir / "copy4", "user.comment"), "draft");
  }
}

// Each system call of a copy and of the run's final write to the device fails in turn, at each
// of its occurrences: whatever fails, the source and an existing target are untouched, nothing
// new is left, exactly one error is reported, and the same engine's next copy goes through.
// A device that fails the final write keeps the copy, and the user hears it may not be there.
TEST_F(CopyEngineTest, EverySystemCallThatFailsIsReportedAndLeavesNothing) {
  struct Plan : CallFaults {
    std::vector<Call> seen;
    std::size_t failAt = SIZE_MAX;
    int error = 0;
    bool noUnnamed = false;       // a file system without O_TMPFILE, such as vfat
    bool noKernelCopy = false;    // nor copy_file_range, as between some file systems
    bool noAtomicNaming = false;  // nor RENAME_NOREPLACE, nor hard links: FAT through FUSE
    int removalRefusals = 0;      // a removal after the failure is refused this often first
    int refusedRenames = 0, refusedLinks = 0, refusedRemovals = 0;
    int Before(Call call) override {
      if (noUnnamed && call == Call::OpenUnnamed) return EOPNOTSUPP;
      if (noKernelCopy && call == Call::CopyRange) return EXDEV;
      if (noAtomicNaming && call == Call::Rename && refusedRenames++ == 0) return EINVAL;
      if (noAtomicNaming && call == Call::Link && refusedLinks++ == 0) return EPERM;
      if (call == Call::Unlink && seen.size() > failAt && refusedRemovals < removalRefusals) {
        ++refusedRemovals;
        return EBUSY;
      }
      seen.push_back(call);
      return seen.size() - 1 == failAt ? error : 0;
    }
  };
  // What each call can realistically fail with; EINTR is retried where the engine retries it,
  // and another instance's temporary of the same name only means another name.
  const auto errorsFor = [](Call call) -> std::vector<int> {
    switch (call) {
      case Call::CopyRange:
      case Call::Read:
        return {EIO, EINTR};
      case Call::Write:  // ENOTCONN: the server went away
        return {ENOSPC, EINTR, ENOTCONN};
      case Call::Open:
      case Call::MakeFolder:
        return {EACCES};
      case Call::OpenNamed:
        return {ENOSPC, EEXIST};
      case Call::OpenUnnamed:
      case Call::Link:
        return {ENOSPC};
      // Too large, or not kept there at all: the copy goes on without it.
      case Call::SetAttribute:
        return {EIO, ENOSPC, ENOTTY, EPERM};
      case Call::SetTimes:
        return {EIO, ENOTTY, EOPNOTSUPP, EPERM};
      case Call::Hold:  // no descriptor left for the run's flush
        return {EMFILE};
      default:
        return {EIO};
    }
  };
  const struct {
    const char* name;
    bool sparse;
    bool targetExists;
    bool folderMissing;
    bool noUnnamed;
    bool noKernelCopy;
    bool noAtomicNaming = false;
    const char* mountType = nullptr;
  } scenarios[] = {
      {"new target", false, false, false, false, false},
      {"new target, sparse source", true, false, false, false, false},
      {"existing target, replace agreed", false, true, false, false, false},
      {"missing folder, create agreed", false, false, true, false, false},
      {"no unnamed files: new target", false, false, false, true, false},
      {"no unnamed files: existing target, replace agreed", false, true, false, true, false},
      {"no in-kernel copy: new target", false, false, false, false, true},
      {"FAT through FUSE: new target", false, false, false, true, false, true},
      {"FAT through FUSE: missing folder", false, false, true, true, false, true},
      // Every copy flushed and its name looked up; the run ends with a flush of its last copy.
      {"sshfs: new target", false, false, false, true, true, false, "fuse.sshfs"},
      {"sshfs: existing target, replace agreed", false, true, false, true, true, false,
       "fuse.sshfs"},
  };
  ::umask(022);  // so that the source's mode 0666 needs its own chmod
  delegate.replace = true;
  delegate.createFolder = true;
  int injections = 0;
  for (const auto& s : scenarios) {
    const fs::path base = dir / "run";
    const fs::path from = base / "source.bin";
    const fs::path to = s.folderMissing ? base / "new" / "deeper" / "copy.bin" : base / "copy.bin";
    const auto prepare = [&] {
      fs::remove_all(base);
      fs::create_directories(base);
      if (s.sparse) {
        WriteSparse(from, 3u << 20, {{0, 100u << 10}, {2u << 20, 50u << 10}});
      } else {
        Write(from, Bytes(150u << 10));
      }
      ::chmod(from.c_str(), 0666);
      ::setxattr(from.c_str(), "user.tag", "blue", 4, 0);
      if (s.targetExists) Write(to, "old target");
      return Listing(base, false);
    };
    CopyEngine::Tuning tuning;
    tuning.chunk = 64u << 10;
    Plan plan;
    plan.noUnnamed = s.noUnnamed;
    plan.noKernelCopy = s.noKernelCopy;
    plan.noAtomicNaming = s.noAtomicNaming;
    // A temporary's removal may be refused once (NTFS short of space): it is asked again.
    plan.removalRefusals = s.noUnnamed ? 1 : 0;
    tuning.faults = &plan;
    tuning.mountType = s.mountType;
    prepare();
    {
      CopyEngine engine(delegate, tuning);
      ASSERT_EQ(engine.Copy(from, to), CopyOutcome::Copied) << s.name;
      ASSERT_TRUE(engine.MakeDurable([] {})) << s.name;
    }
    const std::vector<Call> calls = plan.seen;
    for (std::size_t i = 0; i < calls.size(); ++i) {
      for (const int error : errorsFor(calls[i])) {
        SCOPED_TRACE(std::string(s.name) + ", call " + std::to_string(i) + " fails with " +
                     std::strerror(error));
        const std::vector<std::string> before = prepare();
        const std::string data = Read(from);
        delegate.errors.clear();
        delegate.notes.clear();
        plan.seen.clear();
        plan.refusedRenames = plan.refusedLinks = plan.refusedRemovals = 0;
        plan.failAt = i;
        plan.error = error;
        CopyEngine engine(delegate, tuning);
        const CopyOutcome outcome = engine.Copy(from, to);
        const bool durable = engine.MakeDurable([] {});
        ++injections;
        EXPECT_EQ(Read(from), data);
        const bool unflushed = calls[i] == Call::SyncFs || calls[i] == Call::Hold;
        EXPECT_EQ(durable, !unflushed);
        // Whatever is reported names the call that failed, however the engine tidied up after.
        if (!delegate.errors.empty()) {
          EXPECT_EQ(delegate.errors[0].call, CallName(calls[i]));
        }
        for (const RunNote& note : delegate.notes) {
          EXPECT_EQ(note.attributes.empty() ? CallName(Call::SetTimes) : note.attributes[0].call,
                    CallName(calls[i]));
        }
        // Attributes the source will not give or the target will not take cost no copy; a
        // failure of the target's device in setting them does.
        const bool attribute = calls[i] == Call::ListAttributes || calls[i] == Call::GetAttribute;
        if (attribute ||
            ((calls[i] == Call::SetAttribute || calls[i] == Call::SetTimes) && error != EIO)) {
          EXPECT_EQ(outcome, CopyOutcome::Copied);
          EXPECT_TRUE(delegate.errors.empty());
          ASSERT_EQ(delegate.notes.size(), 1u);
          EXPECT_EQ(delegate.notes[0].kind, RunNote::Kind::NotKept);
          const RunNote& notKept = delegate.notes[0];
          EXPECT_EQ(notKept.times, calls[i] == Call::SetTimes ? error : 0);
          if (calls[i] != Call::SetTimes) {
            ASSERT_EQ(notKept.attributes.size(), 1u);
            EXPECT_EQ(ToBytes(notKept.attributes[0].name),
                      calls[i] == Call::ListAttributes ? "" : "user.tag");
          }
        } else if (unflushed) {
          EXPECT_EQ(outcome, CopyOutcome::Copied);
          ASSERT_EQ(delegate.errors.size(), 1u);
          EXPECT_EQ(delegate.errors[0].of, NotMade::Of::Copies);
          EXPECT_EQ(ToBytes(delegate.errors[0].path), to.parent_path().string());
        } else if (calls[i] == Call::NameCheck) {
          EXPECT_EQ(outcome, CopyOutcome::Failed);
          ASSERT_EQ(delegate.errors.size(), 1u);
          EXPECT_EQ(delegate.errors[0].why, Reason::NameNotShown);
        } else if (error == EINTR || error == EEXIST) {
          EXPECT_EQ(outcome, CopyOutcome::Copied);
          EXPECT_TRUE(delegate.errors.empty());
        } else {
          EXPECT_EQ(outcome, CopyOutcome::Failed);
          ASSERT_EQ(delegate.errors.size(), 1u);
          EXPECT_EQ(delegate.errors[0].why == Reason::Unreachable, error == ENOTCONN);
          EXPECT_EQ(Listing(base, false), before);
          if (s.targetExists) {
            EXPECT_EQ(Read(to), "old target");
          }
        }
        plan.failAt = SIZE_MAX;
        EXPECT_EQ(engine.Copy(from, to), CopyOutcome::Copied);
        EXPECT_TRUE(Read(to) == data);
      }
    }
  }
  std::printf("%d injected failures\n", injections);
  RecordProperty("injections", injections);
}

TEST(VolumeTest, TheMountsTypeDecidesNamesAndDurability) {
  const struct {
    const char* type;
    const char* top;  // the first folder below the mount point
    NameRules names;
    bool network;  // each copy flushed and its name looked up; neither syncfs nor write-back
    const char* source = "";        // what was mounted, as the mount table says
    bool cachesWrites = false;      // rclone's --vfs-cache-mode writes or full
    const char* uploadsLater = "";  // the client that keeps a copy to upload it later
  } cases[] = {
      {"ext4", "", NameRules::Linux, false},
      {"vfat", "", NameRules::Windows, false},
      {"fuseblk", "", NameRules::Windows, false},  // ntfs-3g, exfat-fuse
      {"fuse.fusefat", "", NameRules::Windows, true},
      {"fuse.sshfs", "", NameRules::Linux, true},
      {"fuse.gvfsd-fuse", "sftp:host=example", NameRules::Linux, true},
      {"fuse.gvfsd-fuse", "smb-share:server=example,share=s", NameRules::Share, true},
      {"fuse.kio-fuse", "smb", NameRules::Share, true},
      {"cifs", "", NameRules::Windows, true},
      {"nfs4", "", NameRules::Linux, true},
      {"fuse", "", NameRules::Linux, true, "https://cloud.example/remote.php/dav/", false,
       "davfs2"},
      {"fuse.rclone", "", NameRules::Linux, true, "cloud:", true, "rclone"},
      {"fuse.rclone", "", NameRules::Linux, true, "cloud:", false, ""},
  };
  for (const auto& c : cases) {
    FolderProbes probes;
    probes.rcloneCachesWrites = [&](const std::string&) { return c.cachesWrites; };
    probes.gvfsVersion = [] { return std::string("gvfs 1.50.3"); };
    const Volume volume = VolumeFor(c.type, c.top, c.source, "/mnt", probes);
    EXPECT_EQ(volume.names, c.names) << c.type << " " << c.top;
    EXPECT_EQ(volume.durability == Durability::EachCopy, c.network) << c.type;
    EXPECT_EQ(volume.uploadsLater, c.uploadsLater) << c.type << " " << c.source;
    EXPECT_FALSE(volume.stallsAfterRenames) << c.type << " " << c.top;
  }
  // GNOME's WebDAV folders, as long as no gvfs is known to answer the 32nd rename; a gvfs that
  // cannot say stalls too. rclone's write cache, read from its processes' command lines and
  // environments (NULs as |, %s the mount point; its cwd the fake /proc).
  EXPECT_TRUE(VolumeFor("fuse.gvfsd-fuse", "davs:host=cloud.example,ssl=true").stallsAfterRenames);
  for (const char* version : {"gvfs 1.50.3\n", "gvfs 1.56.1", ""}) {
    EXPECT_TRUE(GvfsStallsAfterRenames(version)) << version;
  }
  const fs::path proc = fs::temp_directory_path() / ("ferrowick-proc-" + std::to_string(getpid()));
  const struct {
    const char* pid;
    std::string cmdline, environ;
    bool caches;
  } processes[] = {
      {"100", "rclone|mount|dav:|%s|--vfs-cache-mode|writes", "", true},
      {"101", "/usr/bin/rclone|mount|dav:|m101", "HOME=/|RCLONE_VFS_CACHE_MODE=full", true},
      {"102", "rclone|mount|dav:|%s|--vfs-cache-mode=off", "RCLONE_VFS_CACHE_MODE=full", false},
      {"103", "sshfs|mount|%s|--vfs-cache-mode|writes", "", false},
      {"104", "rclone|serve|webdav|%s|--vfs-cache-mode|full", "", false},
  };
  for (auto p : processes) {
    const fs::path mountPoint = proc / (std::string("m") + p.pid);
    fs::create_directories(mountPoint);
    fs::create_directories(proc / p.pid);
    fs::create_directory_symlink(proc, proc / p.pid / "cwd");
    if (const auto at = p.cmdline.find("%s"); at != std::string::npos) {
      p.cmdline.replace(at, 2, mountPoint.string());
    }
    for (std::string* text : {&p.cmdline, &p.environ}) {
      std::replace(text->begin(), text->end(), '|', '\0');
    }
    Write(proc / p.pid / "cmdline", p.cmdline + '\0');
    Write(proc / p.pid / "environ", p.environ + '\0');
  }
  for (const auto& p : processes) {
    EXPECT_EQ(RcloneCachesWrites((proc / "m").string() + p.pid, proc.string()), p.caches) << p.pid;
  }
  fs::remove_all(proc);
  // Only the current form is read, and only in full; an earlier version's is still ours.
  const TemporaryName name{"0badcafe", 4242, 17};
  const auto read = TemporaryName::Parse(name.Format());
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->Format(), name.Format());
  for (const char* other : {".~ferrowick-4242-1.tmp", ".~ferrowick-0badcafe-4242-1.tmpx",
                            ".~ferrowick-0BADCAFE-4242-1.tmp", ".~ferrowick-0badcafe-42x-1.tmp"}) {
    EXPECT_FALSE(TemporaryName::Parse(other).has_value()) << other;
  }
  EXPECT_TRUE(TemporaryName::Ours(".~ferrowick-4242-1.tmp"));
}

}  // namespace
}  // namespace ferrowick
