// SPDX-License-Identifier: MIT
#include "options.h"

#include <algorithm>

#include "catalogue.h"
#include "words.h"

namespace ferrowick {
namespace {

using catalogue::Arg;
using catalogue::translate;

enum class Kind { Value, Flag };

struct Option {
  std::u16string_view name;
  std::u16string_view alias;  // a short or an older form
  Kind kind;
};

// Every option; the help lists them in this order, with -h and -v last.
constexpr Option kOptions[] = {
    {u"--copies", u"", Kind::Value}, {u"--start", u"", Kind::Value},
    {u"--suffix", u"", Kind::Flag},  {u"--to", u"", Kind::Value},
    {u"--yes", u"", Kind::Flag},     {u"--no", u"", Kind::Flag},
    {u"--help", u"-h", Kind::Flag},  {u"--version", u"-v", Kind::Flag},
};

const Option* Find(std::u16string_view name) {
  for (const Option& option : kOptions) {
    if (name == option.name || (!option.alias.empty() && name == option.alias)) return &option;
  }
  // Qt's own spelling of the help with its options, which the program once showed.
  if (name == u"--help-all") return &kOptions[6];
  return nullptr;
}

}  // namespace

bool IsOption(std::u16string_view arg) { return Find(arg.substr(0, arg.find(u'='))) != nullptr; }

CommandLine ParseCommandLine(const std::vector<std::u16string>& args, char16_t separator) {
  CommandLine line;
  std::vector<std::u16string> files;
  bool yes = false, no = false;
  const auto refuse = [&line](const char* english, std::u16string_view name) {
    // The words come marked for the catalogues where they are given.
    line.refusal = Arg(translate("ferrowick::Terminal", english), {name});
    return line;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    if (arg == u"--") {
      files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    if (separator == u'\\' && arg == u"/?") {
      line.help = true;
      continue;
    }
    if (arg.size() < 2 || arg[0] != u'-') {
      files.push_back(arg);
      continue;
    }
    const auto equals = arg.find(u'=');
    const std::u16string name = arg.substr(0, equals);
    const Option* option = Find(name);
    if (option == nullptr) {
      return refuse(QT_TRANSLATE_NOOP("ferrowick::Terminal", "Unknown option '%1'."),
                    std::u16string_view(name).substr(name[1] == u'-' ? 2 : 1));
    }
    if (option->kind == Kind::Value) {
      std::u16string value;
      if (equals != std::u16string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return refuse(QT_TRANSLATE_NOOP("ferrowick::Terminal", "Missing value after '%1'."), name);
      }
      (option->name == u"--copies"  ? line.copies
       : option->name == u"--start" ? line.start
                                    : line.folder) = value;
      continue;
    }
    if (equals != std::u16string::npos)
      return refuse(QT_TRANSLATE_NOOP("ferrowick::Terminal", "Unexpected value after '%1'."), name);
    bool& flag = option->name == u"--suffix" ? line.suffix
                 : option->name == u"--yes"  ? yes
                 : option->name == u"--no"   ? no
                 : option->name == u"--help" ? line.help
                                             : line.version;
    flag = true;
  }
  if (line.help || line.version) return line;
  if (files.size() != 1) {
    line.refusal = words::Of(TerminalWord::OneFile);
    return line;
  }
  if (yes && no) {
    line.refusal = words::Of(TerminalWord::YesOrNo);
    return line;
  }
  line.file = files.front();
  // A folder given with separators at its end, as "out/" or "out\": the run puts one of its own
  // between the folder and each name. One given as separators alone stays one: it is a root.
  const auto separates = [separator](char16_t c) { return c == u'/' || c == separator; };
  while (line.folder.size() > 1 && separates(line.folder.back())) line.folder.pop_back();
  if (yes) line.consent = CommandLine::Consent::Yes;
  if (no) line.consent = CommandLine::Consent::No;
  return line;
}

std::u16string Help(const std::u16string& description, const std::u16string& examples) {
  const auto said = [](TerminalWord word) { return words::Of(word); };
  struct Row {
    std::u16string names;
    std::u16string text;
  };
  const std::vector<Row> options = {
      {u"--copies <" + said(TerminalWord::CopiesValue) + u">", said(TerminalWord::CopiesHelp)},
      {u"--start <" + said(TerminalWord::StartValue) + u">", said(TerminalWord::StartHelp)},
      {u"--suffix", said(TerminalWord::SuffixHelp)},
      {u"--to <" + said(TerminalWord::ToValue) + u">", said(TerminalWord::ToHelp)},
      {u"--yes", said(TerminalWord::YesHelp)},
      {u"--no", said(TerminalWord::NoHelp)},
      {u"-h, --help", translate("ferrowick::Terminal", "Shows this help.")},
      {u"-v, --version", translate("ferrowick::Terminal", "Shows the version.")},
  };
  const std::u16string file = said(TerminalWord::FileName);
  std::size_t width = file.size();
  for (const Row& row : options) width = std::max(width, row.names.size());
  std::u16string help =
      Arg(translate("ferrowick::Terminal", "Usage: %1 [options] FILE"), {u"ferrowick"});
  const auto line = [&help, width](const std::u16string& names, const std::u16string& text) {
    help.append(u"  ").append(names).append(width - names.size() + 2, u' ');
    help.append(text).append(u"\n");
  };
  help.append(u"\n").append(description).append(u"\n\n");
  help.append(translate("ferrowick::Terminal", "Options:")).append(u"\n");
  for (const Row& row : options) line(row.names, row.text);
  help.append(u"\n").append(translate("ferrowick::Terminal", "Arguments:")).append(u"\n");
  line(file, said(TerminalWord::FileHelp));
  if (!examples.empty()) help.append(u"\n").append(examples).append(u"\n");
  return help;
}

}  // namespace ferrowick
