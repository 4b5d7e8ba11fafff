// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "form1.h"
#include "terminal.h"
#include "terminal_words.h"
#include "words.h"

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
    for (const char* option : {"-h", "--help", "--help-all", "-v", "--version", "--copies",
                               "--start", "--suffix", "--to", "--yes", "--no"}) {
      if (Is(argv[i], option)) return true;
    }
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

// The files and the --to folder of a command line as the bytes they were given in: a name that is
// not UTF-8 reaches the file system as it is, where a QString would replace its bytes and might
// name another file. Read as the parser reads the options.
struct Names {
  std::vector<std::string> files;
  std::string folder;
};
Names RawNames(int argc, char* argv[]) {
  Names names;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (options && arg == "--") {
      options = false;
    } else if (!options || arg.size() < 2 || arg[0] != '-') {
      names.files.emplace_back(arg);
    } else if (arg == "--to" || arg == "--copies" || arg == "--start") {
      if (arg == "--to" && i + 1 < argc) names.folder = argv[i + 1];
      ++i;
    } else if (arg.substr(0, 5) == "--to=") {
      names.folder = arg.substr(5);
    }
  }
  return names;
}

// The command line's words share the terminal's part of the catalogue.
class Help {
  Q_DECLARE_TR_FUNCTIONS(ferrowick::Terminal)
};

int RunWithoutWindow(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationVersion(QStringLiteral(FERROWICK_VERSION));
  ferrowick::Wording::LoadCatalogues();
  QCommandLineParser parser;
  parser.setApplicationDescription(Help::tr(
      "Makes numbered copies of one file.\n\n"
      "With no option but FILE, opens the window with FILE chosen. With --copies and --start,\n"
      "makes the copies without a window: one \"Copying to:\" line per copy on stdout;\n"
      "questions on the terminal, or answered by --yes or --no. Exit status: 0 when every\n"
      "copy was made, 1 when some were not, 2 for bad input, 130 or 143 when interrupted."));
  using ferrowick::TerminalWord;
  const auto said = [](TerminalWord word) {
    return QCoreApplication::translate(ferrowick::kTerminalContext, English(word));
  };
  const QCommandLineOption copies(QStringLiteral("copies"), said(TerminalWord::CopiesHelp),
                                  said(TerminalWord::CopiesValue));
  const QCommandLineOption start(QStringLiteral("start"), said(TerminalWord::StartHelp),
                                 said(TerminalWord::StartValue));
  const QCommandLineOption suffix(QStringLiteral("suffix"), said(TerminalWord::SuffixHelp));
  const QCommandLineOption to(QStringLiteral("to"), said(TerminalWord::ToHelp),
                              said(TerminalWord::ToValue));
  const QCommandLineOption yes(QStringLiteral("yes"), said(TerminalWord::YesHelp));
  const QCommandLineOption no(QStringLiteral("no"), said(TerminalWord::NoHelp));
  parser.addOptions({copies, start, suffix, to, yes, no});
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(said(TerminalWord::FileName), said(TerminalWord::FileHelp));
  const auto fail = [&said](const QString& text) {
    std::fprintf(stderr, "ferrowick: %s\n%s\n", text.toLocal8Bit().constData(),
                 said(TerminalWord::TryHelp).toLocal8Bit().constData());
    return 2;
  };
  if (!parser.parse(QCoreApplication::arguments())) return fail(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  const Names names = RawNames(argc, argv);
  if (parser.positionalArguments().size() != 1 || names.files.size() != 1) {
    return fail(said(TerminalWord::OneFile));
  }
  if (parser.isSet(yes) && parser.isSet(no)) return fail(said(TerminalWord::YesOrNo));
  ferrowick::CommandLine line;
  line.file = names.files[0];
  line.copies = parser.value(copies).toStdString();
  // A command line counts from 1 unless told otherwise; the window's empty box is refused.
  line.start = parser.isSet(start) ? parser.value(start).toStdString() : "1";
  line.folder = parser.isSet(to) ? names.folder : std::string();
  line.suffix = parser.isSet(suffix);
  if (parser.isSet(yes)) line.consent = ferrowick::CommandLine::Consent::Yes;
  if (parser.isSet(no)) line.consent = ferrowick::CommandLine::Consent::No;
  return ferrowick::RunCommandLine(line);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (CommandLineRun(argc, argv)) return RunWithoutWindow(argc, argv);
  QApplication app(argc, argv);
  // Also the Wayland app id: the desktop shows the entry's name and icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ferrowick.Ferrowick"));
  ferrowick::Wording::LoadCatalogues();
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
