// SPDX-License-Identifier: MIT
// ferrowick.com: Ferrowick from cmd and PowerShell, which find it before Ferrowick.exe beside it
// (PATHEXT puts .COM first) and wait for it, as for any console program. The options, the help
// and the exit statuses are the Linux command line's.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "console.h"
#include "console_run.h"
#include "terminal_words.h"

namespace {

using ferrowick::TerminalWord;
using ferrowick::catalogue::Arg;
using ferrowick::catalogue::translate;
using ferrowick::console::Stream;
using ferrowick::console::Write;

std::u16string Said(TerminalWord word) {
  return translate(ferrowick::kTerminalContext, English(word));
}

std::u16string Help() {
  struct Row {
    std::u16string names;
    std::u16string text;
  };
  const std::u16string n = u" <" + Said(TerminalWord::CopiesValue) + u">",
                       s = u" <" + Said(TerminalWord::StartValue) + u">",
                       folder = u" <" + Said(TerminalWord::ToValue) + u">";
  const std::vector<Row> options = {
      {u"--copies" + n, Said(TerminalWord::CopiesHelp)},
      {u"--start" + s, Said(TerminalWord::StartHelp)},
      {u"--suffix", Said(TerminalWord::SuffixHelp)},
      {u"--to" + folder, Said(TerminalWord::ToHelp)},
      {u"--yes", Said(TerminalWord::YesHelp)},
      {u"--no", Said(TerminalWord::NoHelp)},
      {u"-h, --help", translate("ferrowick::Terminal", "Shows this help.")},
      {u"-v, --version", translate("ferrowick::Terminal", "Shows the version.")},
  };
  const std::u16string file = Said(TerminalWord::FileName);
  std::size_t width = file.size();
  for (const Row& row : options) width = row.names.size() > width ? row.names.size() : width;
  const auto line = [width](const std::u16string& names, const std::u16string& text) {
    return u"  " + names + std::u16string(width - names.size() + 2, u' ') + text + u"\n";
  };
  std::u16string help =
      Arg(translate("ferrowick::Terminal", "Usage: %1 [options] FILE"), {u"ferrowick"}) + u"\n";
  help += translate(
      "ferrowick::Terminal",
      "Makes numbered copies of one file, without a window: one \"Copying to:\" line per\n"
      "copy on stdout; questions on the console, or answered by --yes or --no. Exit\n"
      "status: 0 when every copy was made, 1 when some were not, 2 for bad input, 130\n"
      "when Ctrl+C or Ctrl+Break stopped it. To a console it writes UTF-16, which shows\n"
      "every character; to a file or a pipe, UTF-8. Ferrowick.exe opens the window.");
  help += u"\n\n" + translate("ferrowick::Terminal", "Options:") + u"\n";
  for (const Row& row : options) help += line(row.names, row.text);
  help += u"\n" + translate("ferrowick::Terminal", "Arguments:") + u"\n" +
          line(file, Said(TerminalWord::FileHelp));
  help +=
      u"\n" +
      translate("ferrowick::Terminal",
                "From cmd, twelve copies numbered 01 to 12 behind the name:\n"
                "  ferrowick --copies 12 --suffix template.xlsx || echo Not every copy was made\n"
                "From PowerShell, into a folder of their own, made if missing:\n"
                "  ferrowick --copies 12 --to \"$HOME\\Months\" --yes template.xlsx\n"
                "  if ($LASTEXITCODE -ne 0) { \"Not every copy was made\" }") +
      u"\n";
  return help;
}

int Refuse(const std::u16string& text) {
  Write(Stream::Err, u"ferrowick: " + text + u"\n" + Said(TerminalWord::TryHelp) + u"\n");
  return 2;
}

// A folder given with separators at its end, as "out\" or "C:\": the run puts one of its own
// between the folder and each name.
std::u16string Folder(std::u16string folder) {
  const std::u16string given = folder;
  while (!folder.empty() && (folder.back() == u'\\' || folder.back() == u'/')) folder.pop_back();
  if (!folder.empty() || given.empty()) return folder;
  // Only separators: the root of the current drive, which has a name of its own.
  wchar_t full[MAX_PATH] = {};
  const std::wstring path(given.begin(), given.end());
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return given;
  return Folder(std::u16string(full, full + length));
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  ferrowick::catalogue::SpeakUserLanguage();
  ferrowick::ConsoleLine line;
  std::vector<std::u16string> files;
  bool help = false, version = false, yes = false, no = false, start = false, folder = false;
  for (int i = 1; i < argc; ++i) {
    const std::u16string arg(argv[i], argv[i] + wcslen(argv[i]));
    if (arg == u"--") {
      for (++i; i < argc; ++i) files.emplace_back(argv[i], argv[i] + wcslen(argv[i]));
      break;
    }
    // As every console program of Windows takes it.
    if (arg == u"/?") {
      help = true;
      continue;
    }
    if (arg.size() < 2 || arg[0] != u'-') {
      files.push_back(arg);
      continue;
    }
    const auto equals = arg.find(u'=');
    const std::u16string name = arg.substr(0, equals);
    std::u16string* value = name == u"--copies"  ? &line.copies
                            : name == u"--start" ? &line.start
                            : name == u"--to"    ? &line.folder
                                                 : nullptr;
    if (value != nullptr) {
      if (equals != std::u16string::npos) {
        *value = arg.substr(equals + 1);
      } else if (i + 1 < argc) {
        ++i;
        *value = std::u16string(argv[i], argv[i] + wcslen(argv[i]));
      } else {
        return Refuse(Arg(translate("ferrowick::Terminal", "Missing value after '%1'."), {name}));
      }
      start = start || name == u"--start";
      folder = folder || name == u"--to";
      continue;
    }
    bool* flag = name == u"--suffix"                     ? &line.suffix
                 : name == u"--yes"                      ? &yes
                 : name == u"--no"                       ? &no
                 : name == u"-h" || name == u"--help"    ? &help
                 : name == u"-v" || name == u"--version" ? &version
                                                         : nullptr;
    if (flag == nullptr) {
      return Refuse(Arg(translate("ferrowick::Terminal", "Unknown option '%1'."),
                        {name.substr(name[1] == u'-' ? 2 : 1)}));
    }
    if (equals != std::u16string::npos) {
      return Refuse(Arg(translate("ferrowick::Terminal", "Unexpected value after '%1'."), {name}));
    }
    *flag = true;
  }
  if (help) {
    Write(Stream::Out, Help());
    return 0;
  }
  if (version) {
    Write(Stream::Out, u"ferrowick " FERROWICK_VERSION u"\n");
    return 0;
  }
  if (files.size() != 1) return Refuse(Said(TerminalWord::OneFile));
  if (yes && no) return Refuse(Said(TerminalWord::YesOrNo));
  line.file = files[0];
  // A command line counts from 1 unless told otherwise; the window's empty box is refused.
  if (!start) line.start = u"1";
  if (folder) line.folder = Folder(line.folder);
  if (yes) line.consent = ferrowick::ConsoleLine::Consent::Yes;
  if (no) line.consent = ferrowick::ConsoleLine::Consent::No;
  return ferrowick::RunConsole(line);
}
