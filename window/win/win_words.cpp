// SPDX-License-Identifier: MIT
#include "win_words.h"

#include "catalogue.h"
#include "phrases.h"
#include "refusals.h"
#include "utf.h"

namespace ferrowick::words {
namespace {

// The window's words ("ferrowick::Form1") share their context, and so their translations, with
// the Linux window's.
using catalogue::Arg;
using catalogue::translate;

std::u16string Number(std::uint64_t value) { return FromUtf8(std::to_string(value)); }

std::u16string Shown(const std::u16string& path) {
  std::u16string shown;
  AppendVisible(shown, path);
  return shown;
}

// Why the copy was not made, as the end of a sentence.
std::u16string Why(const ShellCopy& copy) {
  using W = ShellCopy::Why;
  switch (copy.why) {
    case W::Made:
      break;
    case W::Device:
      return Arg(translate("ferrowick::ShellCopy",
                           "its name is that of the device %1, which Windows "
                           "would have written to instead."),
                 {copy.device});
    case W::Folder:
      return translate("ferrowick::ShellCopy", "a folder has its name.");
    case W::NoRoom:
      return translate("ferrowick::ShellCopy", "there is not enough room on the drive.");
    case W::TooLarge:
      return translate("ferrowick::ShellCopy", "the drive's file system takes no file this large.");
    case W::WriteProtected:
      return translate("ferrowick::ShellCopy", "the drive is write-protected.");
    case W::Denied:
      return translate("ferrowick::ShellCopy",
                       "writing there was refused: the drive or the folder is "
                       "read-only, or not yours to write to.");
    case W::SourceGone:
      return translate("ferrowick::ShellCopy", "the source file is no longer there.");
    case W::InUse:
      return translate("ferrowick::ShellCopy", "another program is using the file.");
    case W::Cancelled:
      return translate("ferrowick::ShellCopy", "it was cancelled.");
    case W::NotThere:
      return translate("ferrowick::ShellCopy", "it is not there after the copy.");
    case W::Short:
      return Arg(translate("ferrowick::ShellCopy", "it holds %1 of %2 bytes."),
                 {Number(copy.have), Number(copy.want)});
    case W::Failed:
      return Arg(translate("ferrowick::ShellCopy", "the Windows shell reported error %1."),
                 {Number(static_cast<unsigned>(copy.code))});
  }
  return {};
}

// Why, and what is under the copy's name now.
std::u16string Reason(const ShellCopy& copy) {
  std::u16string reason = Why(copy);
  using L = ShellCopy::Left;
  switch (copy.left) {
    case L::Nothing:
      break;
    case L::Removed:
      reason += u' ';
      reason += translate("ferrowick::ShellCopy", "The unfinished copy was removed.");
      break;
    case L::NotRemoved:
      reason += u' ';
      reason += translate("ferrowick::ShellCopy",
                          "The unfinished copy could not be removed: delete it "
                          "by hand.");
      break;
    case L::Earlier:
      reason += u' ';
      reason +=
          translate("ferrowick::ShellCopy", "The file that was already there is left as it is.");
      break;
  }
  return reason;
}

}  // namespace

std::u16string NotMadeLine(const ShellCopy& copy) {
  return Arg(translate("ferrowick::ShellCopy", "Not made: %1"), {Reason(copy)}) + u"\r\n";
}

std::u16string NotMadeSummary(const std::vector<ShellCopy>& notMade, std::size_t listed) {
  std::u16string text = notMade.size() == 1
                            ? translate("ferrowick::ShellCopy", "One copy was not made:")
                            : Arg(translate("ferrowick::ShellCopy", "%1 copies were not made:"),
                                  {Number(notMade.size())});
  text += u"\r\n";
  for (std::size_t i = 0; i < notMade.size() && i < listed; ++i) {
    text += u"\r\n" + Shown(notMade[i].target) + u": " + Reason(notMade[i]);
  }
  if (notMade.size() > listed) {
    text += u"\r\n" + Arg(translate("ferrowick::Wording", "... and %1 more."),
                          {Number(notMade.size() - listed)});
  }
  return text;
}

std::u16string Refused(Refusal refusal, const std::u16string& path) {
  return Arg(translate(kRefusalContext, English(refusal)), {path});
}

std::u16string Device(const std::u16string& path, const std::u16string& device) {
  return Arg(translate("ferrowick::Form1",
                       "\"%1\" names the device %2, not a file: Windows reads "
                       "such a name as the device itself. Rename the file to "
                       "copy it."),
             {path, device});
}

std::u16string OneAtATime() { return translate(kRefusalContext, English(Refusal::OneAtATime)); }

std::u16string Said(const Announcement& announcement) {
  const std::u16string text = translate(kRefusalContext, English(announcement.what));
  const std::vector<std::u16string>& args = announcement.args;
  if (args.size() == 3) return Arg(text, {args[0], args[1], args[2]});
  return args.size() == 2 ? Arg(text, {args[0], args[1]}) : text;
}

std::u16string NoFolderOnDisk() {
  return translate("ferrowick::Form1",
                   "The item you chose is not a folder on a disk. Choose a "
                   "folder.");
}

std::u16string Usage() {
  return translate("ferrowick::Form1",
                   "Ferrowick.exe [FILE]\n\nOpens the Ferrowick window, with "
                   "FILE as the file to duplicate where one is given.\n\n"
                   "--help, /?\tShows this.");
}

std::u16string UnknownOption(const std::u16string& option) {
  return Arg(translate("ferrowick::Form1",
                       "Ferrowick.exe does not know the option \"%1\". "
                       "Ferrowick.exe --help says what it takes."),
             {option});
}

}  // namespace ferrowick::words
