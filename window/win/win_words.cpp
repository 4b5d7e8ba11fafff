// SPDX-License-Identifier: MIT
#include "win_words.h"

#include <windows.h>

#include "catalogue.h"
#include "phrases.h"
#include "refusals.h"
#include "run_words.h"
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

// The system's own words for one of its codes, in the user's language, without the full stop
// and line break they end in.
std::u16string SystemText(int code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string said(text, text + length);
  if (text != nullptr) LocalFree(text);
  while (!said.empty() && (said.back() == u'\n' || said.back() == u'\r' || said.back() == u' ' ||
                           said.back() == u'.')) {
    said.pop_back();
  }
  return said.empty() ? u"?" : said;
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
    case W::Exists:
      return translate("ferrowick::ShellCopy", "a file has its name, and it was not replaced.");
    case W::NoFolder:
      return translate("ferrowick::ShellCopy", "its folder does not exist.");
    case W::Appeared:
      return translate("ferrowick::ShellCopy",
                       "a file took its name while the copy was being made, and is left as it is.");
    case W::Stopped:
      return translate("ferrowick::ShellCopy", "the run was stopped while it was being made.");
    case W::System:
      return Arg(translate("ferrowick::ShellCopy", "Windows said: %1 (error %2)."),
                 {SystemText(copy.code), Number(static_cast<unsigned>(copy.code))});
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
      reason += copy.unfinished.empty()
                    ? translate("ferrowick::ShellCopy",
                                "The unfinished copy could not be removed: delete it "
                                "by hand.")
                    : Arg(translate("ferrowick::ShellCopy",
                                    "The unfinished copy \"%1\" could not be removed: delete "
                                    "it by hand."),
                          {Shown(copy.unfinished)});
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

std::u16string NotMadeItem(const ShellCopy& copy) {
  return Shown(copy.target) + u": " + Reason(copy);
}

std::u16string NotMadeSummary(const std::vector<ShellCopy>& notMade, std::size_t listed) {
  std::u16string text = notMade.size() == 1
                            ? translate("ferrowick::ShellCopy", "One copy was not made:")
                            : Arg(translate("ferrowick::ShellCopy", "%1 copies were not made:"),
                                  {Number(notMade.size())});
  text += u"\r\n";
  for (std::size_t i = 0; i < notMade.size() && i < listed; ++i) {
    text += u"\r\n" + NotMadeItem(notMade[i]);
  }
  if (notMade.size() > listed) {
    text += u"\r\n" + Arg(translate(kRunWordsContext, English(RunWord::AndMore)),
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
