// SPDX-License-Identifier: MIT
// The copy engine on the drives people carry between systems, mounted as Linux desktops mount
// them: exFAT and FAT32 sticks and an NTFS drive, each through its FUSE driver, on a loop
// device. Needs root, /dev/fuse and the drivers (scripts/test installs them); skipped without.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "copy_engine.h"
#include "fake_delegate.h"
#include "temporary_name.h"

namespace ferrowick {
namespace {

namespace fs = std::filesystem;

struct Drive {
  const char* name;
  const char* format;  // %s: the loop device
  const char* mount;   // %s %s: the loop device, the mount point
};

const Drive kDrives[] = {
    {"exFAT", "mkfs.exfat %s", "mount.exfat-fuse %s %s"},
    {"FAT32", "mkfs.vfat -F 32 %s", "fusefat -o rw+ %s %s"},
    // As a desktop mounts it: names Windows could not open are refused.
    {"NTFS", "mkntfs -F -Q -q %s", "ntfs-3g -o windows_names %s %s"},
};

std::string Format(const char* pattern, const std::string& a, const std::string& b = "") {
  char command[512];
  std::snprintf(command, sizeof command, pattern, a.c_str(), b.c_str());
  return std::string(command) + " >/dev/null 2>&1";
}

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

using testing::Listing;
using testing::Read;
using testing::Write;

// A 64 MiB drive of one kind, on a loop device, mounted through its FUSE driver; unmounted and
// detached however the test ends.
class MountedDrive {
 public:
  MountedDrive(const Drive& drive, const fs::path& work) : work_(work) {
    fs::create_directories(work / "mnt");
    const fs::path image = work / "drive.img";
    fs::resize_file((std::ofstream(image), image), 64u << 20);
    char device[64] = "";
    if (FILE* out = ::popen(("losetup -f --show " + image.string()).c_str(), "r")) {
      if (std::fgets(device, sizeof device, out) == nullptr) device[0] = '\0';
      ::pclose(out);
    }
    loop_ = std::string(device).substr(0, std::string(device).find('\n'));
    mounted_ = !loop_.empty() && Run(Format(drive.format, loop_)) &&
               Run(Format(drive.mount, loop_, (work / "mnt").string()));
  }
  ~MountedDrive() {
    if (mounted_ && ::umount((work_ / "mnt").c_str()) != 0)
      ::umount2((work_ / "mnt").c_str(), MNT_DETACH);
    if (!loop_.empty()) Run("losetup -d " + loop_);
    fs::remove_all(work_);
  }
  bool mounted() const { return mounted_; }

 private:
  fs::path work_;
  std::string loop_;
  bool mounted_ = false;
};

enum class Case { NewCopy, Replace, MissingFolder, ForbiddenName, Full, KilledRunsLeftover };

TEST(DrivesTest, CopiesWholeOrNotAtAllAndLeavesNothing) {
  if (::geteuid() != 0 || !fs::exists("/dev/fuse")) GTEST_SKIP() << "needs root and /dev/fuse";
  const fs::path work =
      fs::temp_directory_path() / ("ferrowick-drives-" + std::to_string(::getpid()));
  fs::create_directories(work);
  std::string data(300000, '\0');
  std::mt19937 random(7);
  for (char& c : data) c = static_cast<char>(random());
  Write(work / "report.txt", data);
  Write(work / "huge.bin", std::string(80u << 20, 'h'));  // more than the drive holds

  const struct {
    const char* name;
    Case what;
    const char* target;  // below the drive's root
    bool copied;
    std::vector<std::string> after;  // everything on the drive afterwards
  } cases[] = {
      {"new copy", Case::NewCopy, "1report.txt", true, {"1report.txt"}},
      {"replace", Case::Replace, "2report.txt", true, {"2report.txt"}},
      {"missing folder",
       Case::MissingFolder,
       "new/sub/3report.txt",
       true,
       {"new", "new/sub", "new/sub/3report.txt"}},
      {"forbidden name", Case::ForbiddenName, "re:port?.txt", false, {}},
      {"full drive", Case::Full, "huge.bin", false, {}},
      {"killed run's leftover", Case::KilledRunsLeftover, "4report.txt", true, {"4report.txt"}},
  };
  for (const Drive& drive : kDrives) {
    const MountedDrive mounted(drive, work / drive.name);
    if (!mounted.mounted()) {
      ADD_FAILURE() << drive.name << ": could not be made or mounted";
      continue;
    }
    const fs::path root = work / drive.name / "mnt";
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(drive.name) + ", " + c.name);
      for (const auto& entry : fs::directory_iterator(root)) fs::remove_all(entry.path());
      const fs::path target = root / c.target;
      const fs::path source = work / (c.what == Case::Full ? "huge.bin" : "report.txt");
      if (c.what == Case::Replace) Write(target, "old");
      // Left by a run that was killed: a process number no running program has.
      if (c.what == Case::KilledRunsLeftover) {
        Write(root / TemporaryName{TemporaryName::ThisMachine(), 99999999, 1}.Format(), "part");
      }
      testing::ScriptedDelegate answers;
      answers.replace = answers.createFolder = true;
      CopyEngine engine(answers);
      const CopyOutcome outcome = engine.Copy(source, target);
      EXPECT_EQ(outcome == CopyOutcome::Copied, c.copied);
      if (c.copied) {
        EXPECT_TRUE(Read(target) == data);
        EXPECT_TRUE(answers.errors.empty());
      } else {
        ASSERT_EQ(answers.errors.size(), 1u);
        if (c.what == Case::ForbiddenName) {
          EXPECT_NE(answers.errors[0].reason.find("does not allow the name"), std::string::npos)
              << answers.errors[0].reason;
        }
      }
      EXPECT_EQ(Listing(root), c.after);
    }
  }
  fs::remove_all(work);
}

}  // namespace
}  // namespace ferrowick
