// SPDX-License-Identifier: MIT
// ferrowick.com: Ferrowick from cmd and PowerShell, which find it before Ferrowick.exe beside it
// (PATHEXT puts .COM first) and wait for it, as for any console program. The command line is the
// Linux program's, with the copies made by the file API.
#include <windows.h>

#include <string>
#include <vector>

#include "command_line.h"
#include "file_copy.h"
#include "win_catalogue.h"

namespace {

// A folder given as separators alone: the root of the current drive, which has a name of its own.
std::u16string DriveRoot(const std::u16string& given) {
  wchar_t full[MAX_PATH] = {};
  const std::wstring path(given.begin(), given.end());
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return given;
  std::u16string root(full, full + length);
  while (!root.empty() && (root.back() == u'\\' || root.back() == u'/')) root.pop_back();
  return root.empty() ? given : root;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  using namespace ferrowick;
  catalogue::SpeakUserLanguage();
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i], argv[i] + wcslen(argv[i]));
  CommandLine line = ParseCommandLine(args, u'\\');
  if (line.folder == u"\\" || line.folder == u"/") line.folder = DriveRoot(line.folder);
  const std::unique_ptr<Console> console = SystemConsole();
  const std::u16string help =
      Help(catalogue::translate(
               "ferrowick::Terminal",
               "Makes numbered copies of one file, without a window: one \"Copying to:\" line per\n"
               "copy on stdout; questions on the console, or answered by --yes or --no. Exit\n"
               "status: 0 when every copy was made, 1 when some were not, 2 for bad input, 130\n"
               "when Ctrl+C or Ctrl+Break stopped it. To a console it writes UTF-16, which shows\n"
               "every character; to a file or a pipe, UTF-8. Ferrowick.exe opens the window."),
           catalogue::translate(
               "ferrowick::Terminal",
               "From cmd, twelve copies numbered 01 to 12 behind the name:\n"
               "  ferrowick --copies 12 --suffix template.xlsx || echo Not every copy was made\n"
               "From PowerShell, into a folder of their own, made if missing:\n"
               "  ferrowick --copies 12 --to \"$HOME\\Months\" --yes template.xlsx\n"
               "  if ($LASTEXITCODE -ne 0) { \"Not every copy was made\" }"));
  return RunCommandLine(line, *console, help, [](CommandLineHost& host) {
    FileCopy copier(host);
    return host.Run(copier, u'\\');
  });
}
