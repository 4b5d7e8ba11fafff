// SPDX-License-Identifier: MIT
// The copy engine on network folders as a Linux desktop has them: an sshfs folder and an SMB
// share mounted through gvfs, both served from this machine on 127.0.0.1 by servers the test
// starts (tests/loopback_servers.sh) and stops however it ends. Needs root, /dev/fuse and the
// servers (scripts/test installs them); skipped without.
//   network_tests LOOPBACK_SERVERS_SCRIPT

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "copy_engine.h"
#include "fake_delegate.h"
#include "temporary_name.h"

namespace ferrowick {
namespace {

using namespace testing;

std::string script;  // tests/loopback_servers.sh

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

// The servers and their mounts, for the life of the test.
class LoopbackServers {
 public:
  explicit LoopbackServers(const fs::path& work) : work_(work) {
    fs::create_directories(work);
    std::string out;
    if (FILE* pipe = ::popen(
            (script + " up " + work.string() + " 2>" + (work / "up.log").string()).c_str(), "r")) {
      char line[4096];
      while (std::fgets(line, sizeof line, pipe) != nullptr) out += line;
      status_ = ::pclose(pipe);
    }
    std::istringstream lines(out);
    std::getline(lines, sshfs_);
    std::getline(lines, share_);
  }
  ~LoopbackServers() {
    Run(script + " down " + work_.string());
    fs::remove_all(work_);
  }
  // 77: this machine cannot serve them; anything else but 0: they would not start.
  int status() const { return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1; }
  std::string log() const { return Read(work_ / "up.log"); }
  void Cut() const { Run(script + " cut " + work_.string()); }

  std::string sshfs_, share_;

 private:
  fs::path work_;
  int status_ = -1;
};

enum class Case {
  NewCopy,
  LinuxName,
  TooLong,
  Backslash,
  Replace,
  KilledRunsLeftover,
  OtherComputers,
  ServerGone
};

TEST(NetworkTest, CopiesLandWholeUnderTheirOwnNamesAndLeaveNothingOfOurs) {
  if (::geteuid() != 0 || !fs::exists("/dev/fuse")) GTEST_SKIP() << "needs root and /dev/fuse";
  const fs::path work = "/var/tmp/ferrowick-network-" + std::to_string(::getpid());
  const LoopbackServers servers(work);
  if (servers.status() == 77) GTEST_SKIP() << servers.log();
  ASSERT_EQ(servers.status(), 0) << servers.log();
  const std::string data = Bytes(300000);
  Write(work / "source.bin", data);
  Write(work / "large.bin", Bytes(8u << 20));

  const TemporaryName killed{TemporaryName::ThisMachine(), 99999999, 1};
  const TemporaryName otherComputers{"0badcafe", 4242, 1};       // growing as we copy
  const std::string earlierVersions = ".~ferrowick-4242-7.tmp";  // untouched for two days

  const struct {
    const char* name;
    Case what;
    std::string copy;
    bool copied[2];  // onto sshfs, onto the share
  } cases[] = {
      {"new copy", Case::NewCopy, "1report.txt", {true, true}},
      {"a name Linux takes and Windows does not", Case::LinuxName, "1a?b:c.txt", {true, false}},
      {"a name no server takes", Case::TooLong, std::string(300, 'n'), {false, false}},
      {"a name holding \\", Case::Backslash, "1a\\b.txt", {true, false}},
      {"replace", Case::Replace, "2report.txt", {true, true}},
      {"killed run's leftover", Case::KilledRunsLeftover, "3report.txt", {true, true}},
      {"other computers' temporaries", Case::OtherComputers, "4report.txt", {true, true}},
      // Last: the sshfs folder is gone after it.
      {"server gone mid-copy", Case::ServerGone, "5report.txt", {false, false}},
  };
  const struct {
    const char* name;
    std::string mount;
    fs::path served;
  } folders[] = {{"sshfs", servers.sshfs_, work / "served"},
                 {"SMB share through gvfs", servers.share_, work / "share"}};
  for (int f = 0; f < 2; ++f) {
    int n = 0;
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(folders[f].name) + ", " + c.name);
      if (c.what == Case::ServerGone && f == 1) continue;
      // A folder of its own for each case, made on the server, so that no cache of the mount
      // remembers the case before.
      const std::string folder = "case" + std::to_string(++n);
      const fs::path served = folders[f].served / folder;
      fs::create_directories(served);
      std::vector<std::string> after;
      if (c.copied[f]) after.push_back(c.copy);
      if (c.what == Case::Backslash) fs::create_directory(served / "1a"), after.push_back("1a");
      if (c.what == Case::Replace) Write(served / c.copy, "old");
      if (c.what == Case::KilledRunsLeftover) Write(served / killed.Format(), "part");
      if (c.what == Case::OtherComputers) {
        Write(served / otherComputers.Format(), "part");
        after.push_back(otherComputers.Format());
        Write(served / earlierVersions, "part");
        fs::last_write_time(served / earlierVersions,
                            fs::file_time_type::clock::now() - std::chrono::hours(48));
      }
      std::sort(after.begin(), after.end());

      ScriptedDelegate user;
      user.replace = true;
      CopyEngine::Tuning tuning;
      tuning.chunk = 1u << 20;
      bool cut = false;
      if (c.what == Case::ServerGone) user.onProgress = [&] { cut = cut || (servers.Cut(), true); };
      CopyEngine engine(user, tuning);
      const fs::path source = work / (c.what == Case::ServerGone ? "large.bin" : "source.bin");
      const CopyOutcome outcome =
          engine.Copy(source, (fs::path(folders[f].mount) / folder / c.copy).string());
      engine.MakeDurable([] {});

      EXPECT_EQ(outcome == CopyOutcome::Copied, c.copied[f]);
      if (c.copied[f]) {
        EXPECT_TRUE(Read(served / c.copy) == data);
        EXPECT_TRUE(user.errors.empty()) << user.errors[0].reason;
      } else {
        ASSERT_EQ(user.errors.size(), 1u);
        const std::string& reason = user.errors[0].reason;
        if (c.what != Case::TooLong && c.what != Case::ServerGone) {
          EXPECT_NE(reason.find("not allow the name \"" + c.copy + "\""), std::string::npos)
              << reason;
        }
        // What a dead server keeps of the copy is named, or there is none.
        const std::vector<std::string> left = Listing(served);
        if (c.what == Case::ServerGone && left.size() == 1) {
          EXPECT_NE(reason.find(left[0] + "\" could not be removed"), std::string::npos) << reason;
          after = left;
        }
      }
      EXPECT_EQ(Listing(served), after);
    }
  }
}

}  // namespace
}  // namespace ferrowick

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) ferrowick::script = argv[1];
  return RUN_ALL_TESTS();
}
