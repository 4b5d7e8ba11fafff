// SPDX-License-Identifier: MIT
// The Linux program: the window, or with one of the command line's options the same run without
// a window, on a terminal.
#include <QApplication>
#include <QIcon>
#include <cstring>
#include <string>
#include <vector>

#include "command_line.h"
#include "form1.h"
#include "module1.h"
#include "qt_catalogue.h"
#include "utf.h"

namespace {

// Whether `arg` is `option`, alone or with its value after "=".
bool Is(const char* arg, const char* option) {
  const std::size_t n = std::strlen(option);
  return std::strncmp(arg, option, n) == 0 && (arg[n] == '\0' || arg[n] == '=');
}

// One of our own options makes this a command-line run, which needs no display, and so does a
// long option nobody knows: it is refused there, with or without a display, rather than taken
// for a file or left to a window that may not open. Files and Qt's own options (-style,
// --platform, ...) are the window's.
bool CommandLineRun(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) return false;
    if (ferrowick::IsOption(ferrowick::FromBytes(argv[i]))) return true;
    if (std::strncmp(argv[i], "--", 2) != 0) continue;
    bool qt = false;
    for (const char* option :
         {"--platform", "--platformpluginpath", "--platformtheme", "--plugin", "--display",
          "--style", "--stylesheet", "--reverse", "--session", "--qwindowgeometry", "--qwindowicon",
          "--qwindowtitle", "--widgetcount", "--geometry", "--title", "--name"}) {
      qt = qt || Is(argv[i], option);
    }
    if (!qt) return true;
  }
  return false;
}

// No folder is chosen without a window.
struct NoFolders : ferrowick::FolderDialog {
  std::u16string ChooseFolder() override { return {}; }
};

int RunWithoutWindow(int argc, char* argv[]) {
  using namespace ferrowick;
  QCoreApplication app(argc, argv);
  catalogue::LoadCatalogues();
  // The arguments as the bytes they were given in: a name that is not UTF-8 reaches the file
  // system as it is.
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(FromBytes(argv[i]));
  const std::unique_ptr<Console> terminal = SystemConsole();
  const std::u16string help = Help(
      catalogue::translate(
          "ferrowick::Terminal",
          "Makes numbered copies of one file.\n\n"
          "With no option but FILE, opens the window with FILE chosen. With --copies and --start,\n"
          "makes the copies without a window: one \"Copying to:\" line per copy on stdout;\n"
          "questions on the terminal, or answered by --yes or --no. Exit status: 0 when every\n"
          "copy was made, 1 when some were not, 2 for bad input, 130 or 143 when interrupted."),
      {});
  return RunCommandLine(ParseCommandLine(args, u'/'), *terminal, help, [](CommandLineHost& host) {
    // Asked every frame from the start, so that a signal stops a large copy at once.
    CopyEngine::Tuning tuning;
    tuning.progressAfter = std::chrono::milliseconds(0);
    NoFolders folders;
    Module1 module1(host, folders, tuning);
    return host.Run(module1, u'/');
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (CommandLineRun(argc, argv)) return RunWithoutWindow(argc, argv);
  QApplication app(argc, argv);
  // Also the Wayland app id: the desktop shows the entry's name and icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ferrowick.Ferrowick"));
  ferrowick::catalogue::LoadCatalogues();
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  ferrowick::Form1 form;
  form.show();
  // Started from a file manager's "Open With", or with a file on the command line: the names as
  // given, Qt's own options taken out.
  form.OpenFiles(std::vector<std::string>(argv + 1, argv + argc));
  return app.exec();
}
