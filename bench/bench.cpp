// SPDX-License-Identifier: MIT
// End-to-end speed of a duplication run, against the bare system calls it cannot avoid.
//   ferrowick_bench [work folder]     (QT_QPA_PLATFORM picks offscreen or an X server)
// With BENCH_SSHFS=FOLDER, also copies into that sshfs folder against cp; with BENCH_DAVFS2=FOLDER
// and BENCH_DAV_SERVED=ITS_SERVER'S_FOLDER, into that davfs2 folder. With BENCH_A11Y set to
// the address of a session bus whose accessibility bus has an assistive technology listening,
// the window also runs with Qt's accessibility bridge on, in a process of its own.
//   ferrowick_bench --window-run SOURCE FOLDER COUNT   that process: prints the run's seconds
// Prints one figure a line; the last line is the window's ratio to the floor, the one before it
// the command line's.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "form1.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const int kCopies = 32766;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

void Fail(const char* what) {
  std::perror(what);
  std::exit(1);
}

void MakeFile(const fs::path& path, std::uint64_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) Fail("create source");
  std::string block(1u << 20, '\0');
  for (std::size_t i = 0; i < block.size(); ++i)
    block[i] = static_cast<char>(i * 2654435761u >> 13);
  for (std::uint64_t done = 0; done < size;) {
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), size - done));
    if (::write(fd, block.data(), n) != static_cast<ssize_t>(n)) Fail("write source");
    block[done % block.size()] ^= 1;  // no two blocks alike, so nothing dedups them
    done += n;
  }
  ::close(fd);
}

void Fresh(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
}

// Puts what was written into `folder`'s file system on the device, as a run does at its end.
void SyncFs(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 || ::syncfs(fd) != 0) Fail("syncfs");
  ::close(fd);
}

// The least any copier must do per copy to land a whole file without clobbering and without
// leaving anything behind after a crash, and then per run to have the copies on the device:
// the same calls the copy engine makes, with nothing around them.
double Floor(const fs::path& source, const fs::path& folder) {
  const auto start = Clock::now();
  char target[4096];
  char self[64];
  for (int i = 1; i <= kCopies; ++i) {
    std::snprintf(target, sizeof target, "%s/%05dsource.bin", folder.c_str(), i);
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    struct stat none {};
    if (in < 0 || ::fstat(in, &st) != 0) Fail("floor source");
    if (::fstatat(AT_FDCWD, target, &none, AT_SYMLINK_NOFOLLOW) == 0) Fail("floor target exists");
    const int out = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, st.st_mode & 0777);
    if (out < 0) Fail("floor unnamed file");
    if (::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(st.st_size), 0) !=
        st.st_size) {
      Fail("floor copy");
    }
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::futimens(out, times) != 0) Fail("floor times");
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", out);
    if (::linkat(AT_FDCWD, self, AT_FDCWD, target, AT_SYMLINK_FOLLOW) != 0) Fail("floor link");
    ::close(out);
    ::close(in);
  }
  SyncFs(folder);
  return Seconds(start);
}

// 2 GiB long, 64 MiB of it data in 1 MiB pieces, the rest holes: a typical disk image.
void MakeSparse(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) Fail("create sparse");
  std::string block(1u << 20, '\0');
  for (int i = 0; i < 64; ++i) {
    for (std::size_t j = 0; j < block.size(); ++j)
      block[j] = static_cast<char>((j + static_cast<std::size_t>(i)) * 2654435761u >> 13);
    if (::pwrite(fd, block.data(), block.size(), static_cast<off_t>(i) * (32 << 20)) !=
        static_cast<ssize_t>(block.size())) {
      Fail("write sparse");
    }
  }
  if (::ftruncate(fd, 2ll << 30) != 0) Fail("size sparse");
  ::close(fd);
}

// What the files in a folder take on disk.
double MiBOnDisk(const fs::path& folder) {
  std::uint64_t blocks = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    struct stat st {};
    if (::stat(entry.path().c_str(), &st) == 0) blocks += static_cast<std::uint64_t>(st.st_blocks);
  }
  return static_cast<double>(blocks) * 512 / (1 << 20);
}

double RunForm(ferrowick::Form1& form, const fs::path& source, const fs::path& folder, int copies) {
  form.txtFile->setText(QString::fromStdString(source.string()));
  form.txtDir->setText(QString::fromStdString(folder.string()));
  form.txtCopies->setText(QString::number(copies));
  form.txtPrefix->setText(QStringLiteral("1"));
  const auto start = Clock::now();
  form.cmdGo->click();
  const double seconds = Seconds(start);
  if (form.txtStatus->LineCount() != copies + 1) Fail("status lines");
  return seconds;
}

// cp, and then the one syncfs that a run of ours ends with: both sides end with the copies on
// the device.
double Cp(const fs::path& source, const fs::path& folder, int copies) {
  const auto start = Clock::now();
  for (int i = 1; i <= copies; ++i) {
    const std::string command =
        "cp '" + source.string() + "' '" + (folder / ("cp" + std::to_string(i))).string() + "'";
    if (std::system(command.c_str()) != 0) Fail("cp");
  }
  SyncFs(folder);
  return Seconds(start);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// cp, and cp with each copy flushed to the server (coreutils' sync FILE: fsync), which is the
// only way to have cp's copies on a network server's disk when it returns.
double CpEach(const fs::path& source, const fs::path& folder, int copies, bool flush) {
  const auto start = Clock::now();
  for (int i = 1; i <= copies; ++i) {
    const std::string copy = (folder / ("cp" + std::to_string(i))).string();
    std::string command = "cp '" + source.string() + "' '" + copy + "'";
    if (flush) command += " && sync '" + copy + "'";
    if (std::system(command.c_str()) != 0) Fail("cp");
  }
  return Seconds(start);
}

long PeakRssKiB() {
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The bytes of the regular files below `folder`.
std::uintmax_t TreeBytes(const fs::path& folder) {
  std::uintmax_t bytes = 0;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error)) bytes += it->file_size(error);
  }
  return bytes;
}

int Env(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : fallback;
}

using Timed = std::function<double(const fs::path&)>;

// What the page cache holds that is not on a device yet.
long PendingKiB() {
  std::FILE* info = std::fopen("/proc/meminfo", "r");
  if (info == nullptr) return 0;
  char line[256];
  long pending = 0;
  while (std::fgets(line, sizeof line, info) != nullptr) {
    long kib = 0;
    if (std::sscanf(line, "Dirty: %ld", &kib) == 1 ||
        std::sscanf(line, "Writeback: %ld", &kib) == 1) {
      pending += kib;
    }
  }
  std::fclose(info);
  return pending;
}

// True while any block device has requests in flight.
bool DevicesBusy() {
  for (const auto& device : fs::directory_iterator("/sys/block")) {
    std::FILE* file = std::fopen((device.path() / "inflight").c_str(), "r");
    if (file == nullptr) continue;
    long reads = 0;
    long writes = 0;
    const bool read = std::fscanf(file, "%ld %ld", &reads, &writes) == 2;
    std::fclose(file);
    if (read && reads + writes > 0) return true;
  }
  return false;
}

// Waits until the page cache holds next to nothing that is not on a device, and the devices
// have gone quiet. One sync() is not enough on a loop device: it writes the loop's file system
// into the page cache of the file system below, which then writes for seconds more while the
// next side is being timed; and a virtual disk may take seconds more to finish what it was
// given.
void Settle() {
  for (int quiet = 0, i = 0; quiet < 5 && i < 300; ++i) {  // half a second quiet, 30 s at most
    ::sync();
    quiet = PendingKiB() < 32 * 1024 && !DevicesBusy() ? quiet + 1 : 0;
    ::usleep(100 * 1000);
  }
}

// Median times of each side over several rounds, each into a new folder. They take turns at
// going first and each starts with nothing left to write, so that none pays for another's
// write-back. Small files are kept to the end: ext4 is slow to hand out inodes right after many
// were freed, which would charge one side for the other's clean-up.
std::vector<double> Contest(const fs::path& work, const std::string& name, int rounds,
                            bool deleteEachRound, const std::vector<Timed>& sides,
                            const std::function<void()>& settle = Settle,
                            const fs::path& served = {}) {
  const std::size_t n = sides.size();
  std::vector<std::vector<double>> times(n);
  // Round 0 is not timed. Before it the kernel lets a device that has written little keep
  // little in memory: on a new file system the first gigabytes are throttled to the disk's pace,
  // and whichever side met that limit first lost to the other by a factor of three.
  for (int round = 0; round <= rounds; ++round) {
    std::vector<fs::path> dirs;
    for (std::size_t who = 0; who < n; ++who) {
      dirs.push_back(work / (name + "-" + char('a' + who) + std::to_string(round)));
    }
    for (std::size_t turn = 0; turn < n; ++turn) {
      const std::size_t who = (turn + static_cast<std::size_t>(round)) % n;
      Fresh(dirs[who]);
      settle();
      const double time = sides[who](dirs[who]);
      if (round > 0) times[who].push_back(time);
    }
    if (deleteEachRound) {
      // Where the folder is a server's, removed there: davfs2 lists no folder on every kernel.
      for (const fs::path& dir : dirs)
        fs::remove_all(served.empty() ? dir : served / dir.filename());
    }
  }
  std::vector<double> medians;
  for (const auto& side : times) medians.push_back(Median(side));
  return medians;
}

// The window's run in a process of its own, whose accessibility bridge talks to the assistive
// technology listening on `bus`: the bridge is on or off for a whole process. Its start is not
// timed, only the run.
double RunFormAccessible(const char* bus, const fs::path& source, const fs::path& folder,
                         int copies) {
  const std::string command =
      "DBUS_SESSION_BUS_ADDRESS='" + std::string(bus) + "' QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 '" +
      fs::read_symlink("/proc/self/exe").string() + "' --window-run '" + source.string() + "' '" +
      folder.string() + "' " + std::to_string(copies);
  double seconds = -1;
  if (std::FILE* child = ::popen(command.c_str(), "r")) {
    if (std::fscanf(child, "%lf", &seconds) != 1) seconds = -1;
    if (::pclose(child) != 0) seconds = -1;
  }
  if (seconds < 0) Fail("window run with the accessibility bridge");
  return seconds;
}

int WindowRun(const char* source, const char* folder, const char* copies) {
  ferrowick::Form1 form;
  form.show();
  // Time for the bridge to register the window and learn which events are listened to.
  const auto until = Clock::now() + std::chrono::seconds(2);
  while (Clock::now() < until) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  std::printf("%.6f\n", RunForm(form, source, folder, std::atoi(copies)));
  return 0;
}

// The command line's run, as a script would make it: the program started, its log to nowhere.
double RunCommandLine(const fs::path& source, const fs::path& folder, int copies) {
  const std::string command = std::string(FERROWICK_PROGRAM) + " --copies " +
                              std::to_string(copies) + " --start 1 --to '" + folder.string() +
                              "' '" + source.string() + "' >/dev/null </dev/null";
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) Fail("command line");
  return Seconds(start);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc == 5 && std::string(argv[1]) == "--window-run")
    return WindowRun(argv[2], argv[3], argv[4]);
  const fs::path work =
      argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "ferrowick-bench";
  const int rounds = Env("BENCH_ROUNDS", 3);
  Fresh(work);
  const fs::path small = work / "source.bin";
  MakeFile(small, 4096);

  ferrowick::Form1 form;
  // A note the run ends with (davfs2 uploads the copies later) waits for nobody here.
  form.runDialog = [](QDialog&) { return int(QDialog::Accepted); };
  form.show();
  QCoreApplication::processEvents();
  std::setvbuf(stdout, nullptr, _IOLBF, 0);

  const int copies = kCopies;
  const char* a11y = std::getenv("BENCH_A11Y");
  std::vector<Timed> sides = {
      [&](const fs::path& dir) { return Floor(small, dir); },
      [&](const fs::path& dir) { return RunForm(form, small, dir, copies); },
      [&](const fs::path& dir) { return RunCommandLine(small, dir, copies); }};
  if (a11y != nullptr && *a11y != '\0') {
    sides.push_back(
        [&](const fs::path& dir) { return RunFormAccessible(a11y, small, dir, copies); });
  }
  const std::vector<double> small4k =
      Env("BENCH_SMALL", 1) == 0 ? std::vector<double>(sides.size(), 1)
                                 : Contest(work, "small", rounds, /*deleteEachRound=*/false, sides);
  std::printf("platform %s, %d rounds, medians\n", qPrintable(QGuiApplication::platformName()),
              rounds);
  std::printf("floor %d copies of 4 KiB: %.3f s\n", kCopies, small4k[0]);
  std::printf("Form1 run of %d copies: %.3f s\n", kCopies, small4k[1]);
  std::printf("command line, %d copies: %.3f s\n", kCopies, small4k[2]);
  if (small4k.size() > 3) {
    std::printf("Form1 run of %d copies, an assistive technology listening: %.3f s, ratio %.2f\n",
                kCopies, small4k[3], small4k[3] / small4k[0]);
  }
  std::printf("peak RSS after the runs: %.1f MB\n", PeakRssKiB() / 1024.0);

  if (Env("BENCH_LARGE", 1) != 0) {
    const fs::path large = work / "large.bin";
    MakeFile(large, 1ull << 30);
    const std::vector<double> big =
        Contest(work, "large", rounds, /*deleteEachRound=*/true,
                {[&](const fs::path& dir) { return Cp(large, dir, 3); },
                 [&](const fs::path& dir) { return RunForm(form, large, dir, 3); }});
    std::printf("cp 3 x 1 GiB: %.3f s\n", big[0]);
    std::printf("Form1 3 x 1 GiB: %.3f s\n", big[1]);
    std::printf("1 GiB throughput vs cp: %.2f\n", big[0] / big[1]);
    fs::remove(large);

    const fs::path image = work / "image.bin";
    MakeSparse(image);
    double disk[2] = {0, 0};
    const std::vector<double> sparse = Contest(work, "sparse", rounds, /*deleteEachRound=*/true,
                                               {[&](const fs::path& dir) {
                                                  const double t = Cp(image, dir, 2);
                                                  disk[0] = MiBOnDisk(dir);
                                                  return t;
                                                },
                                                [&](const fs::path& dir) {
                                                  const double t = RunForm(form, image, dir, 2);
                                                  disk[1] = MiBOnDisk(dir);
                                                  return t;
                                                }});
    std::printf("cp 2 x sparse 2 GiB (64 MiB data): %.3f s, %.0f MiB on disk\n", sparse[0],
                disk[0]);
    std::printf("Form1 2 x sparse 2 GiB (64 MiB data): %.3f s, %.0f MiB on disk\n", sparse[1],
                disk[1]);
  }
  const fs::path medium = work / "medium.bin";
  // sshfs; and davfs2, which uploads a closed file 10 s after it was closed: each side there
  // starts once its server's folder has not changed for longer than that.
  const char* dav = std::getenv("BENCH_DAV_SERVED");
  const std::pair<const char*, std::function<void()>> networks[] = {
      {"sshfs", Settle}, {"davfs2", [&] {
                            for (int still = 0, i = 0; dav != nullptr && still < 24 && i < 600;
                                 ++i) {
                              const std::uintmax_t before = TreeBytes(dav);
                              ::usleep(500 * 1000);
                              still = TreeBytes(dav) == before ? still + 1 : 0;
                            }
                            Settle();
                          }}};
  for (const auto& [client, settle] : networks) {
    const std::string variable = std::string("BENCH_") + (client[0] == 's' ? "SSHFS" : "DAVFS2");
    const char* folder = std::getenv(variable.c_str());
    if (folder == nullptr || *folder == '\0') continue;
    if (!fs::exists(medium)) MakeFile(medium, 200u << 20);
    // Ferrowick against cp and against cp with a flush of each copy.
    for (const auto& [name, source, count] :
         {std::tuple{"3 x 200 MiB", medium, 3}, std::tuple{"500 x 4 KiB", small, 500}}) {
      const std::vector<double> times =
          Contest(folder, "net" + std::to_string(count), rounds, /*deleteEachRound=*/true,
                  {[&](const fs::path& dir) { return RunForm(form, source, dir, count); },
                   [&](const fs::path& dir) { return CpEach(source, dir, count, /*flush=*/false); },
                   [&](const fs::path& dir) { return CpEach(source, dir, count, /*flush=*/true); }},
                  settle, client[0] == 'd' && dav != nullptr ? fs::path(dav) : fs::path());
      std::printf("%s %s: Form1 %.3f s, cp %.3f s, cp + sync of each %.3f s\n", client, name,
                  times[0], times[1], times[2]);
    }
  }
  fs::remove_all(work);
  std::printf("command line ratio %.2f\n", small4k[2] / small4k[0]);
  std::printf("ratio %.2f\n", small4k[1] / small4k[0]);
  return 0;
}
