// SPDX-License-Identifier: MIT
#include "words.h"

#include <string>

#include "catalogue.h"
#include "utf.h"

namespace ferrowick::words {
namespace {

using catalogue::Arg;
using catalogue::translate;

std::u16string Decimal(std::uint64_t value) { return FromUtf8(std::to_string(value)); }

std::u16string Facts(const FileFacts& facts) {
  return Arg(Of(RunWord::Facts),
             {catalogue::Number(facts.size), catalogue::LocalTime(facts.modified)});
}

std::u16string Duration(double seconds) {
  if (seconds < 60) {
    return Arg(translate("ferrowick::Wording", "%1 s"),
               {Decimal(static_cast<std::uint64_t>(seconds + 0.5))});
  }
  const auto minutes = static_cast<std::uint64_t>(seconds / 60 + 0.5);
  if (minutes < 60) return Arg(translate("ferrowick::Wording", "%1 min"), {Decimal(minutes)});
  return Arg(translate("ferrowick::Wording", "%1 h %2 min"),
             {Decimal(minutes / 60), Decimal(minutes % 60)});
}

// The last component of a path, whichever separator its platform writes.
std::u16string_view NameOf(std::u16string_view path) {
  const auto slash = path.find_last_of(u"/\\");
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::u16string NameRefused(const NotMade& failure) {
  const NameFault& fault = failure.name;
  const std::u16string name = Shown(NameOf(failure.target));
  if (fault.what == NameFault::What::CharacterSet) {
    return translate(
        "ferrowick::Wording",
        "The drive cannot store a character of this name: its file system takes only the "
        "characters of its own character set. Choose another name or folder.");
  }
  const bool share = fault.rules == NameRules::Share;
  std::u16string text;
  if (fault.what == NameFault::What::Character) {
    const std::u16string character(1, static_cast<char16_t>(fault.character));
    text = Arg(share ? translate("ferrowick::Wording",
                                 "The shared folder does not allow the character %1 in the name "
                                 "\"%2\".")
                     : translate("ferrowick::Wording",
                                 "The drive does not allow the character %1 in the name \"%2\"."),
               {character, name});
  } else {
    text = Arg(share ? translate("ferrowick::Wording",
                                 "The shared folder does not allow the name \"%1\": it ends in a "
                                 "dot or a space.")
                     : translate("ferrowick::Wording",
                                 "The drive does not allow the name \"%1\": it ends in a dot or a "
                                 "space."),
               {name});
  }
  text += u' ';
  text += share ? translate("ferrowick::Wording",
                            "Windows shares read \\ as a folder separator and forbid \" * : < > ? "
                            "| in names, and a dot or a space at their end.")
                : translate("ferrowick::Wording",
                            "FAT, exFAT and NTFS drives forbid \" * : < > ? \\ | in names, and a "
                            "dot or a space at their end.");
  return text + u' ' + translate("ferrowick::Wording", "Choose another name or folder.");
}

// Why, without what the copy left behind.
std::u16string Why(const NotMade& failure) {
  switch (failure.why) {
    case Reason::System:
      return catalogue::SystemReason(failure.code);
    case Reason::NotRegular:
      return NotRegular(Shown(failure.path), failure.kind);
    case Reason::FolderHasName:
      return translate("ferrowick::ShellCopy", "a folder has its name.");
    case Reason::NameTooLong:
      return Arg(failure.name.rules == NameRules::Linux
                     ? translate("ferrowick::Wording",
                                 "its name is longer than the %1 bytes its drive takes in a name.")
                     : translate("ferrowick::Wording",
                                 "its name is longer than the %1 characters its drive takes in a "
                                 "name."),
                 {Decimal(failure.longest)});
    case Reason::NameRefused:
      return NameRefused(failure);
    case Reason::NotText:
      return translate(
          "ferrowick::Wording",
          "The name holds characters that are not UTF-8 text, and such a name cannot pass "
          "through this program's text boxes. Rename the file or folder and try again.");
    case Reason::NameNotShown:
      return Arg(translate("ferrowick::Wording",
                           "The server took the copy, but its folder does not show it under this "
                           "name (%1). It may have been stored under another name or in another "
                           "folder."),
                 {failure.code != 0 ? catalogue::SystemText(failure.code)
                                    : translate("ferrowick::Wording", "not a file")});
    case Reason::Unreachable:
      return Arg(translate("ferrowick::Wording",
                           "The folder or its server can no longer be reached (%1)."),
                 {catalogue::SystemText(failure.code)});
    case Reason::SourceChanged:
      return translate("ferrowick::Wording",
                       "It changed while it was copied, so the copy was not kept. Copy it again "
                       "once nothing writes to it.");
    case Reason::SourceGone:
      return translate("ferrowick::ShellCopy", "the source file is no longer there.");
    case Reason::Device:
      return Arg(translate("ferrowick::ShellCopy",
                           "its name is that of the device %1, which Windows would have written "
                           "to instead."),
                 {failure.device});
    case Reason::NoRoom:
      return translate("ferrowick::ShellCopy", "there is not enough room on the drive.");
    case Reason::TooLarge:
      return translate("ferrowick::ShellCopy", "the drive's file system takes no file this large.");
    case Reason::WriteProtected:
      return translate("ferrowick::ShellCopy", "the drive is write-protected.");
    case Reason::Denied:
      return translate("ferrowick::ShellCopy",
                       "writing there was refused: the drive or the folder is read-only, or not "
                       "yours to write to.");
    case Reason::InUse:
      // The copy's own name is the one its line names; another file is named here.
      if (failure.at != NotMade::Party::Source || failure.path.empty()) {
        return translate("ferrowick::ShellCopy", "another program is using the file.");
      }
      return Arg(translate("ferrowick::ShellCopy", "another program is using \"%1\"."),
                 {Shown(failure.path)});
    case Reason::Cancelled:
      return translate("ferrowick::ShellCopy", "it was cancelled.");
    case Reason::NotThere:
      return translate("ferrowick::ShellCopy", "it is not there after the copy.");
    case Reason::Short:
      return Arg(translate("ferrowick::ShellCopy", "it holds %1 of %2 bytes."),
                 {Decimal(failure.have), Decimal(failure.want)});
    case Reason::ShellFailed:
      return Arg(translate("ferrowick::ShellCopy", "the Windows shell reported error %1."),
                 {Decimal(static_cast<unsigned>(failure.code))});
    case Reason::NoFolder:
      return translate("ferrowick::ShellCopy", "its folder does not exist.");
    case Reason::Appeared:
      return translate("ferrowick::ShellCopy",
                       "a file took its name while the copy was being made, and is left as it "
                       "is.");
    case Reason::Stopped:
      return translate("ferrowick::ShellCopy", "the run was stopped while it was being made.");
    case Reason::Unconfirmed:
      return failure.code != 0 ? catalogue::SystemText(failure.code) : std::u16string();
  }
  return {};
}

}  // namespace

std::u16string Shown(std::u16string_view text) {
  std::u16string shown;
  AppendVisible(shown, text);
  return shown;
}

std::u16string Of(Phrase phrase) { return translate("ferrowick::Form1", English(phrase)); }
std::u16string Of(RunWord word) { return translate(kRunWordsContext, English(word)); }
std::u16string Of(TerminalWord word) { return translate(kTerminalContext, English(word)); }

std::u16string Said(const Announcement& announcement) {
  const std::u16string text = translate(kRefusalContext, English(announcement.what));
  const std::vector<std::u16string>& args = announcement.args;
  if (args.size() == 3) return Arg(text, {args[0], args[1], args[2]});
  return args.size() == 2 ? Arg(text, {args[0], args[1]}) : text;
}

std::u16string Refused(Refusal refusal, const std::u16string& path) {
  return Arg(translate(kRefusalContext, English(refusal)), {path});
}

// A name that held bytes that are not UTF-8 is shown with U+FFFD in their place, and a file of
// exactly that name may be there too (another user may have made it): whichever the user meant,
// it is refused.
std::u16string NotText(const std::u16string& path) {
  return Arg(translate("ferrowick::Form1",
                       "\"%1\" holds bytes that are not UTF-8 text, and such a name cannot pass "
                       "through the window's boxes. Rename it, or make the copies on the command "
                       "line: ferrowick --copies N FILE."),
             {path});
}

std::u16string NotLocal() {
  return translate("ferrowick::Form1",
                   "Only a file or a folder on this computer can be dropped here.");
}

std::u16string KindOf(FileKind kind) {
  switch (kind) {
    case FileKind::Folder:
      return translate("ferrowick::Wording", "a folder");
    case FileKind::Fifo:
      return translate("ferrowick::Wording", "a named pipe (FIFO)");
    case FileKind::Socket:
      return translate("ferrowick::Wording", "a socket");
    case FileKind::CharacterDevice:
      return translate("ferrowick::Wording", "a character device");
    case FileKind::BlockDevice:
      return translate("ferrowick::Wording", "a block device");
    case FileKind::Other:
      break;
  }
  return translate("ferrowick::Wording", "a special file");
}

std::u16string NotRegular(const std::u16string& path, FileKind kind) {
  return Arg(translate("ferrowick::Wording",
                       "\"%1\" is %2, not a regular file. Only regular files can be copied."),
             {path, KindOf(kind)});
}

std::u16string Device(const std::u16string& path, const std::u16string& device) {
  return Arg(translate("ferrowick::Form1",
                       "\"%1\" names the device %2, not a file: Windows reads such a name as the "
                       "device itself. Rename the file to copy it."),
             {path, device});
}

std::u16string NoFolderOnDisk() {
  return translate("ferrowick::Form1",
                   "The item you chose is not a folder on a disk. Choose a folder.");
}

std::u16string Usage() {
  return translate("ferrowick::Form1",
                   "Ferrowick.exe [FILE]\n\nOpens the Ferrowick window, with FILE as the file to "
                   "duplicate where one is given.\n\n--help, /?\tShows this.");
}

std::u16string UnknownOption(const std::u16string& option) {
  return Arg(translate("ferrowick::Form1",
                       "Ferrowick.exe does not know the option \"%1\". Ferrowick.exe --help says "
                       "what it takes."),
             {option});
}

std::u16string ReplaceQuestion(const ferrowick::ReplaceQuestion& question) {
  return Arg(Of(RunWord::ReplaceQuestion), {Shown(question.target), Facts(question.existing),
                                            Shown(question.source), Facts(question.replacement)});
}

std::u16string FolderQuestion(const std::u16string& folder) {
  return Arg(Of(RunWord::FolderQuestion), {Shown(folder)});
}

std::u16string StallingFolder(const std::u16string& folder, int count) {
  return Arg(translate("ferrowick::Wording",
                       "\"%1\" is a WebDAV folder of GNOME's, and such folders stop answering "
                       "after about 30 renamed files: the %2 copies, each renamed into place, and "
                       "every program using the folder would wait until you log out. Make the "
                       "copies in a local folder and move them in one go, or mount the folder "
                       "with davfs2 or rclone."),
             {Shown(folder), Decimal(static_cast<std::uint64_t>(count))});
}

std::u16string Reason(const NotMade& failure) {
  std::u16string reason = Why(failure);
  using Left = NotMade::Left;
  if (failure.left == Left::Nothing) return reason;
  if (!reason.empty() && reason.back() != u'.') reason += u'.';
  reason += u' ';
  switch (failure.left) {
    case Left::Nothing:
      break;
    case Left::Removed:
      reason += translate("ferrowick::ShellCopy", "The unfinished copy was removed.");
      break;
    case Left::NotRemoved:
      reason += failure.leftover.empty()
                    ? translate("ferrowick::ShellCopy",
                                "The unfinished copy could not be removed: delete it by hand.")
                    : Arg(translate("ferrowick::Wording",
                                    "The unfinished copy \"%1\" could not be removed: delete it "
                                    "by hand."),
                          {Shown(failure.leftover)});
      break;
    case Left::Earlier:
      reason +=
          translate("ferrowick::ShellCopy", "The file that was already there is left as it is.");
      break;
  }
  return reason;
}

std::u16string Report(const NotMade& failure) {
  if (failure.of == NotMade::Of::Copies) {
    const std::u16string folder = Shown(failure.path);
    if (failure.why != ferrowick::Reason::Unconfirmed) {
      return Arg(translate("ferrowick::Wording",
                           "The copies in \"%1\" may not be on the device: it did not take "
                           "them.\n\n%2"),
                 {folder, catalogue::SystemText(failure.code)});
    }
    if (failure.code == 0) {
      return Arg(translate("ferrowick::Wording",
                           "The copies in \"%1\" are not confirmed on the device: none of them "
                           "could be held open to write them out."),
                 {folder});
    }
    return Arg(translate("ferrowick::Wording",
                         "The copies in \"%1\" are not confirmed on the device: they could not be "
                         "written out to it.\n\n%2"),
               {folder, catalogue::SystemText(failure.code)});
  }
  return Arg(translate("ferrowick::Wording", "Cannot copy \"%1\" to \"%2\".\n\n%3: %4"),
             {Shown(failure.source), Shown(failure.target), Shown(failure.path), Reason(failure)});
}

std::u16string Item(const NotMade& failure) {
  if (failure.of == NotMade::Of::Copies) return Report(failure);
  std::u16string item = Shown(failure.target) + u": ";
  // The system's words do not say which file they are of, where it is not the copy.
  const bool system =
      failure.why == ferrowick::Reason::System || failure.why == ferrowick::Reason::Unreachable;
  if (system && !failure.path.empty() && failure.path != failure.target) {
    item += Shown(failure.path) + u": ";
  }
  return item + Reason(failure);
}

std::u16string StatusLine(const NotMade& failure) {
  return Arg(translate("ferrowick::ShellCopy", "Not made: %1"), {Reason(failure)});
}

std::u16string Report(const RunNote& note) {
  switch (note.kind) {
    case RunNote::Kind::NotKept: {
      std::u16string text;
      if (note.times != 0) {
        text = Arg(translate("ferrowick::Wording",
                             "The copies were made, but their drive did not keep the source's "
                             "modification time (%1)."),
                   {catalogue::SystemText(note.times)});
      }
      std::u16string names;
      for (const RunNote::Attribute& attribute : note.attributes) {
        if (!names.empty()) names += u", ";
        names += attribute.name.empty()
                     ? translate("ferrowick::Wording", "all of them, which could not be read")
                     : Shown(attribute.name);
        names += u" (" + catalogue::SystemText(attribute.code) + u")";
      }
      if (!names.empty()) {
        if (!text.empty()) text += u"\n\n";
        text += Arg(translate("ferrowick::Wording",
                              "The copies were made, but their drive did not keep these extended "
                              "attributes of the source:\n\n%1"),
                    {names});
      }
      return text;
    }
    case RunNote::Kind::Deferred:
      return Arg(translate("ferrowick::Wording",
                           "The copies in \"%1\" are made, but %2 keeps them on this computer and "
                           "uploads them to the server later: they are not on the server yet. "
                           "Should the server be away, they go there once it is back."),
                 {Shown(note.path), note.client});
    case RunNote::Kind::Unchecked:
      return Arg(translate("ferrowick::Wording",
                           "The copies of \"%1\" were made, but whether it changed while it was "
                           "copied could not be checked: %2 moves a file's times on its own, so "
                           "that only a change of its size shows. If something was writing to "
                           "it, copy it again."),
                 {Shown(note.path), note.client});
  }
  return {};
}

std::u16string Unmade(std::size_t count, const std::vector<NotMade>& first, bool more) {
  const std::u16string number = Decimal(count);
  std::u16string text;
  if (more) {
    text = count == 1
               ? translate("ferrowick::Wording", "One more copy was not made:")
               : Arg(translate("ferrowick::Wording", "%1 more copies were not made:"), {number});
  } else {
    text = count == 1
               ? translate("ferrowick::ShellCopy", "One copy was not made:")
               : Arg(translate("ferrowick::ShellCopy", "%1 copies were not made:"), {number});
  }
  text += u'\n';
  for (const NotMade& failure : first) text += u'\n' + Item(failure);
  if (count > first.size()) {
    text += u'\n' + Arg(Of(RunWord::AndMore), {Decimal(count - first.size())});
  }
  return text;
}

std::u16string Writing() {
  return translate("ferrowick::Wording", "Writing the copies to the device...");
}

std::u16string Made(const RunProgress& p) {
  return Arg(translate("ferrowick::Wording", "%1 of %2 copies made"),
             {Decimal(static_cast<unsigned>(p.copy)), Decimal(static_cast<unsigned>(p.count))});
}

std::u16string Count(const RunProgress& p) {
  return Arg(translate("ferrowick::Wording", "Copy %1 of %2: %3 of %4"),
             {Decimal(static_cast<unsigned>(p.copy)), Decimal(static_cast<unsigned>(p.count)),
              catalogue::DataSize(p.done), catalogue::DataSize(p.total)});
}

std::u16string Pace(const RunProgress& p) {
  const double rate = p.seconds > 0 ? static_cast<double>(p.done) / p.seconds : 0;
  if (rate <= 0) return {};
  return Arg(translate("ferrowick::Wording", "%1/s, %2 left"),
             {catalogue::DataSize(static_cast<std::uint64_t>(rate)),
              Duration(static_cast<double>(p.total - p.done) / rate)});
}

std::vector<Choice> ReplaceChoices() {
  return {{Of(RunWord::Yes), int(Answer::Yes)},
          {Of(RunWord::YesToAll), int(Answer::YesToAll)},
          {Of(RunWord::No), int(Answer::No)},
          {Of(RunWord::NoToAll), int(Answer::NoToAll)},
          {Of(RunWord::Stop), int(Answer::Stop)}};
}

std::vector<Choice> FolderChoices() {
  return {{Of(RunWord::Yes), int(Answer::Yes)},
          {Of(RunWord::No), int(Answer::No)},
          {Of(RunWord::NoFolderToAll), int(Answer::NoToAll)},
          {Of(RunWord::Stop), int(Answer::Stop)}};
}

std::vector<Choice> ErrorChoices() {
  return {{translate("ferrowick::Wording", "&Skip"), int(ErrorAnswer::Skip)},
          {translate("ferrowick::Wording", "Skip &All"), int(ErrorAnswer::SkipAll)},
          {translate("ferrowick::Wording", "S&top"), int(ErrorAnswer::Stop)}};
}

}  // namespace ferrowick::words

namespace ferrowick {

Announcement RunEnded(int count, int tried, int made, const std::u16string& folder) {
  const auto number = [](int value) { return FromUtf8(std::to_string(value)); };
  if (tried < count) return {Spoken::Stopped, {number(made), number(count)}};
  if (made < count) return {Spoken::NotAll, {number(made), number(count), number(count - made)}};
  return {Spoken::Done, {number(made), number(count), folder}};
}

Announcement RunSoFar(int made, int count) {
  return {Spoken::Progress, {FromUtf8(std::to_string(made)), FromUtf8(std::to_string(count))}};
}

}  // namespace ferrowick

namespace ferrowick::catalogue {

std::u16string Arg(std::u16string_view text, std::initializer_list<std::u16string_view> args) {
  std::u16string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t number = i + 1 < text.size() ? text[i + 1] - u'0' : 0;
    if (text[i] == u'%' && number >= 1 && number <= args.size() && number <= 9) {
      result += args.begin()[number - 1];
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace ferrowick::catalogue
