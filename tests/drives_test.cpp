// SPDX-License-Identifier: MIT
// The copy engine on the drives and folders people share with other systems, mounted as Linux
// desktops mount them: exFAT and FAT32 sticks and an NTFS drive, each through its FUSE driver
// on a loop device; and network folders, an sshfs folder and an SMB share mounted through gvfs,
// served on 127.0.0.1 by servers started here (scripts/loopback-servers). Everything is
// unmounted, detached and stopped however the test ends. Needs root, /dev/fuse, the drivers and
// the servers (scripts/test installs them); skipped without root or /dev/fuse.
//   drives_tests LOOPBACK_SERVERS_SCRIPT

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>
#include <sstream>

#include "copy_engine.h"
#include "fake_delegate.h"
#include "temporary_name.h"
#include "utf.h"

namespace ferrowick {
namespace {

using namespace testing;

std::string serversScript;

struct Drive {
  const char* name;
  const char* format;         // %s: the loop device; nullptr for a network folder
  const char* mount;          // %s %s: the loop device, the mount point; for a network folder, the
                              // line of the servers' output that names its mount
  NameRules names;            // which names it refuses
  const char* cut = nullptr;  // for a network folder whose server goes away mid-copy: how
                              // (loopback-servers cut WORK...)
  const char* served = "served";  // for a network folder: where its server keeps it
  bool later = false;             // its client uploads a copy later: the server has it soon
};

const Drive kDrives[] = {
    {"exFAT", "mkfs.exfat %s", "mount.exfat-fuse %s %s", NameRules::Windows},
    {"FAT32", "mkfs.vfat -F 32 %s", "fusefat -o rw+ %s %s", NameRules::Windows},
    // As a desktop mounts it: names Windows could not open are refused.
    {"NTFS", "mkntfs -F -Q -q %s", "ntfs-3g -o windows_names %s %s", NameRules::Windows},
    {"sshfs", nullptr, "1", NameRules::Linux, ""},
    {"SMB share through gvfs", nullptr, "2", NameRules::Share, nullptr, "share"},
    // A cloud's WebDAV folder as rclone mounts it, with its write cache and without.
    {"rclone, write cache", nullptr, "4", NameRules::Linux, nullptr, "dav", true},
    {"rclone, no cache", nullptr, "5", NameRules::Linux, nullptr, "dav"},
    // Last: the SMB server is gone after it.
    {"SMB share through kio-fuse", nullptr, "3", NameRules::Share, " smb", "share"},
};

std::string Format(const char* pattern, const std::string& a, const std::string& b = "") {
  char command[512];
  std::snprintf(command, sizeof command, pattern, a.c_str(), b.c_str());
  return std::string(command) + " >/dev/null 2>&1";
}

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char line[4096];
    while (std::fgets(line, sizeof line, pipe) != nullptr) out += line;
    if (::pclose(pipe) != 0) out.clear();
  }
  return out;
}

// A 64 MiB drive of one kind, on a loop device, mounted through its FUSE driver; or a network
// folder. `root` is where the copies go, `truth` the same folder as its own disk holds it.
class MountedDrive {
 public:
  MountedDrive(const Drive& drive, const fs::path& work, const std::string& servers) : work_(work) {
    fs::create_directories(work / "mnt");
    if (drive.format == nullptr) {
      std::istringstream lines(servers);
      std::string line;
      for (int i = std::atoi(drive.mount); i > 0; --i) std::getline(lines, line);
      root = line;
      const fs::path base = work.parent_path() / "servers";
      truth = base / drive.served;
      mounted_ = !root.empty();
      return;
    }
    const fs::path image = work / "drive.img";
    fs::resize_file((std::ofstream(image), image), 64u << 20);
    loop_ = Output("losetup -f --show " + image.string());
    loop_ = loop_.substr(0, loop_.find('\n'));
    root = truth = work / "mnt";
    mounted_ = !loop_.empty() && Shell(Format(drive.format, loop_)) &&
               Shell(Format(drive.mount, loop_, root.string()));
  }
  ~MountedDrive() {
    if (!loop_.empty() && mounted_ && ::umount(root.c_str()) != 0) {
      ::umount2(root.c_str(), MNT_DETACH);
    }
    if (!loop_.empty()) Shell("losetup -d " + loop_);
    fs::remove_all(work_);
  }
  bool mounted() const { return mounted_; }

  fs::path root, truth;

 private:
  fs::path work_;
  std::string loop_;
  bool mounted_ = false;
};

enum class Case {
  NewCopy,
  Replace,
  MissingFolder,
  ForbiddenName,
  TooLong,
  Backslash,
  Full,
  KilledRunsLeftover,
  OtherComputers,
  SavedThere,
  WrittenThere,
  ServerGone
};

TEST(DrivesTest, CopiesWholeOrNotAtAllAndLeavesNothing) {
  if (::geteuid() != 0 || !fs::exists("/dev/fuse")) GTEST_SKIP() << "needs root and /dev/fuse";
  const fs::path work =
      fs::temp_directory_path() / ("ferrowick-drives-" + std::to_string(::getpid()));
  fs::create_directories(work);
  const std::string data = Bytes(300000, 7);
  Write(work / "report.txt", data);
  Write(work / "huge.bin", std::string(80u << 20, 'h'));  // more than the drive holds
  Write(work / "large.bin", Bytes(8u << 20));
  // Stopped by their process ids however the test ends: by the last line here, or when this
  // process is gone.
  const std::string servers = Output("LOOPBACK_OWNER=" + std::to_string(::getpid()) + " " +
                                     serversScript + " up " + (work / "servers").string());
  const struct Stop {
    fs::path work;
    ~Stop() {
      Shell(serversScript + " down " + (work / "servers").string());
      fs::remove_all(work);
    }
  } stop{work};

  const TemporaryName killed{TemporaryName::ThisMachine(), 99999999, 1};
  const TemporaryName live{"0badcafe", 4242, 1};  // another computer's, growing as we copy
  const std::string earlierVersions = ".~ferrowick-4242-7.tmp";  // untouched for two days
  const struct {
    const char* name;
    Case what;
    std::string target;              // below the case's folder
    std::vector<std::string> after;  // in that folder afterwards, besides the copy
  } cases[] = {
      {"new copy", Case::NewCopy, "1report.txt", {}},
      {"replace", Case::Replace, "2report.txt", {}},
      {"missing folder", Case::MissingFolder, "new/sub/3report.txt", {"new", "new/sub"}},
      {"a name only Linux takes", Case::ForbiddenName, "re:port?.txt", {}},
      {"a name too long for any", Case::TooLong, std::string(300, 'n'), {}},
      // The share would read it as 1a/b.txt.
      {"a name holding \\", Case::Backslash, "1a\\b.txt", {"1a"}},
      {"full drive", Case::Full, "huge.bin", {}},
      {"killed run's leftover", Case::KilledRunsLeftover, "4report.txt", {}},
      {"other computers' temporaries", Case::OtherComputers, "5report.txt", {live.Format()}},
      // A source saved on the drive a moment ago, copied beside itself three times, over an
      // older first copy: an editor's save, then a run.
      {"source saved there",
       Case::SavedThere,
       "1report.txt",
       {"2report.txt", "3report.txt", "report.txt"}},
      {"source written there during its copy", Case::WrittenThere, "1large.bin", {"large.bin"}},
      // Last: the sshfs folder is gone after it.
      {"server gone mid-copy", Case::ServerGone, "6report.txt", {}},
  };
  int n = 0;
  for (const Drive& drive : kDrives) {
    const bool network = drive.format == nullptr;
    const MountedDrive mounted(drive, work / drive.name, servers);
    if (!mounted.mounted()) {
      ADD_FAILURE() << drive.name << ": could not be made, mounted or served";
      continue;
    }
    for (const auto& c : cases) {
      // A network server's disk is not ours to fill.
      if ((c.what == Case::Full && network) || (c.what == Case::ServerGone && !drive.cut)) {
        continue;
      }
      SCOPED_TRACE(std::string(drive.name) + ", " + c.name);
      // A folder of its own, made on the drive's own disk, so that no cache of the mount
      // remembers the case before; and a name no other drive on the same server uses.
      const std::string folder = "case" + std::to_string(++n);
      const fs::path truth = mounted.truth / folder;
      // A source saved on the drive is saved into a folder the mount knows.
      const bool there = c.what == Case::SavedThere || c.what == Case::WrittenThere;
      fs::create_directories(there ? mounted.root / folder : truth);
      if (c.what == Case::Backslash) fs::create_directory(truth / "1a");
      if (c.what == Case::Replace) Write(truth / c.target, "old");
      if (c.what == Case::SavedThere) Write(mounted.root / folder / c.target, "old");
      if (c.what == Case::KilledRunsLeftover) Write(truth / killed.Format(), "part");
      if (c.what == Case::OtherComputers) {
        Write(truth / live.Format(), "part");
        Write(truth / earlierVersions, "part");
        // Both times: the FUSE FAT drivers keep neither when one is left as it is.
        const timespec old[2] = {{std::time(nullptr) - 48 * 3600, 0},
                                 {std::time(nullptr) - 48 * 3600, 0}};
        ::utimensat(AT_FDCWD, (truth / earlierVersions).c_str(), old, 0);
      }
      const bool copied = c.what != Case::Full && c.what != Case::ServerGone &&
                          c.what != Case::TooLong && c.what != Case::WrittenThere &&
                          (drive.names == NameRules::Linux ||
                           (c.what != Case::ForbiddenName && c.what != Case::Backslash));
      std::vector<std::string> after = c.after;
      if (copied) after.push_back(c.target);
      std::sort(after.begin(), after.end());

      ScriptedDelegate user;
      user.replace = user.createFolder = true;
      bool cut = false;
      if (c.what == Case::ServerGone) {
        user.onProgress = [&] {
          cut = cut || Shell(serversScript + " cut " + (work / "servers").string() + drive.cut);
        };
      }
      CopyEngine::Tuning tuning;
      tuning.chunk = 1u << 20;
      CopyEngine engine(user, tuning);
      const char* source = c.what == Case::Full         ? "huge.bin"
                           : c.what == Case::ServerGone ? "large.bin"
                                                        : "report.txt";
      const bool saved = c.what == Case::SavedThere;
      const fs::path from =
          there ? mounted.root / folder / (saved ? "report.txt" : "large.bin") : work / source;
      if (there) Write(from, saved ? data : Read(work / "large.bin"));
      const auto targets =
          saved ? std::vector<std::string>{"1report.txt", "2report.txt", "3report.txt"}
                : std::vector<std::string>{c.target};
      bool grown = false;
      if (c.what == Case::WrittenThere) {
        user.onProgress = [&] {
          grown = std::ofstream(from, std::ios::app).write("more", 4).flush().good() || grown;
        };
      }
      bool made = true;
      for (const std::string& target : targets) {
        made &= engine.Copy(from.string(), (mounted.root / folder / target).string()) ==
                CopyOutcome::Copied;
      }
      engine.MakeDurable([] {});
      if (c.what == Case::WrittenThere && !grown) {
        // rclone without its cache takes no appending (EPERM): the source stayed as it was.
        EXPECT_TRUE(made);
        continue;
      }

      EXPECT_EQ(made, copied);
      if (copied) {
        for (const std::string& target : targets) {
          // A client that uploads later has the copy on the server within seconds.
          for (int wait = 0; drive.later && wait < 150 && Read(truth / target) != data; ++wait) {
            ::usleep(100000);
          }
          EXPECT_TRUE(Read(truth / target) == data) << target;
        }
        // Only notes: what the drive did not keep (kio-fuse keeps no times), that its client
        // uploads the copies later, or moves the source's times itself (kio-fuse).
        for (const NotMade& failure : user.errors) ADD_FAILURE() << std::strerror(failure.code);
        for (const RunNote& note : user.notes) {
          EXPECT_TRUE(note.kind != RunNote::Kind::Deferred || drive.later);
          EXPECT_TRUE(note.kind != RunNote::Kind::Unchecked ||
                      (saved && std::strstr(drive.name, "kio-fuse")));
        }
        EXPECT_EQ(drive.later, std::any_of(user.notes.begin(), user.notes.end(), [](auto& note) {
                    return note.kind == RunNote::Kind::Deferred;
                  }));
        EXPECT_EQ(Listing(truth), after);
        continue;
      }
      ASSERT_EQ(user.errors.size(), 1u);
      const NotMade& failure = user.errors[0];
      if (c.what == Case::ForbiddenName || c.what == Case::Backslash) {
        EXPECT_EQ(failure.why, Reason::NameRefused) << std::strerror(failure.code);
        EXPECT_EQ(ToBytes(failure.path), (mounted.root / folder / c.target).string());
      }
      if (c.what == Case::TooLong) {
        EXPECT_EQ(failure.why, Reason::NameTooLong);
      }
      // fusefat refuses to copy from a file that is being written (copy_file_range: EPERM).
      if (c.what == Case::WrittenThere && !std::strstr(drive.name, "FAT32")) {
        EXPECT_EQ(failure.why, Reason::SourceChanged)
            << std::strerror(failure.code) << " call " << failure.call;
      }
      // What a dead server keeps of the copy is named, or there is none; a client that uploads
      // later may not have the changed source on the server yet.
      const std::vector<std::string> left = Listing(there ? mounted.root / folder : truth);
      if (c.what == Case::ServerGone) {
        EXPECT_EQ(failure.why, Reason::Unreachable) << std::strerror(failure.code) << " call "
                                                    << failure.call << " " << ToBytes(failure.path);
        if (left.size() == 1) {
          EXPECT_EQ(fs::path(ToBytes(failure.leftover)).filename(), left[0])
              << ToBytes(failure.leftover);
          after = left;
        }
      }
      EXPECT_EQ(left, after);
    }
  }

  // A GNOME WebDAV folder stops answering after about 30 renamed files: a run of more than 20
  // copies asks first, and one declined renames nothing; 20 ask nothing. davfs2 uploads a copy
  // later, whatever a flush says: the run says so.
  std::istringstream lines(servers);
  std::vector<fs::path> mounts(std::istream_iterator<std::string>(lines), {});
  ASSERT_EQ(mounts.size(), 7u);
  for (const auto& [count, made_] : {std::pair(21, 0), std::pair(20, 20)}) {
    const fs::path folder = "gnome" + std::to_string(count);
    fs::create_directories(mounts[5] / folder);
    ScriptedUser user;  // answers No
    Module1 module1(user, user);
    module1.BeginRun(count);
    int made = 0;
    for (int i = 1; i <= count && !module1.Stopped(); ++i) {
      made += module1.CopyOneFile(FromBytes((work / "report.txt").string()),
                                  FromBytes((mounts[5] / folder / std::to_string(i)).string()));
    }
    module1.EndRun();
    // The question, besides the note that the folder keeps no times.
    EXPECT_EQ(user.boxes - static_cast<int>(user.reported.size() + user.notes.size()),
              count > 20 ? 1 : 0)
        << count;
    EXPECT_EQ(made, made_) << count;
  }
  ScriptedDelegate user;
  CopyEngine engine(user);
  EXPECT_EQ(engine.Copy((work / "report.txt").string(), (mounts[6] / "later.txt").string()),
            CopyOutcome::Copied);
  engine.MakeDurable([] {});
  ASSERT_FALSE(user.notes.empty());
  EXPECT_EQ(user.notes.back().kind, RunNote::Kind::Deferred);
  EXPECT_EQ(user.notes.back().client, u"davfs2");
}

}  // namespace
}  // namespace ferrowick

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) ferrowick::serversScript = argv[1];
  return RUN_ALL_TESTS();
}
