// SPDX-License-Identifier: MIT
#pragma once
// Between a run's copies and whatever hosts the run, a window or a console, on every platform:
// what a copy asks, what became of a copy that was not made, what the run's end has to say. The
// copiers say what happened, as values; the host words it and decides how to ask.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ferrowick {

enum class Answer { Yes, YesToAll, No, NoToAll, Stop };
// Later: nobody was asked, the failure is only shown where the run goes on (a status line), and
// the run's end names it again with the others.
enum class ErrorAnswer { Skip, SkipAll, Stop, Later };
enum class ProgressAnswer { Go, Cancel, Stop };

// What the user needs to know of a file to decide whether to replace it.
struct FileFacts {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // seconds since 1970, UTC
};

struct ReplaceQuestion {
  std::u16string source;
  std::u16string target;
  FileFacts replacement;  // the source
  FileFacts existing;     // the target, or the link itself where the target is a link
};

// What a file that is not a regular one is.
enum class FileKind { Folder, Fifo, Socket, CharacterDevice, BlockDevice, Other };

// Which names a file system takes beyond the platform's own rule.
enum class NameRules {
  Linux,  // anything but "/" and NUL
  // FAT, exFAT and NTFS: " * : < > ? \ | and a dot or space at the end may be refused. Judged
  // only once the drive has refused a name: NTFS mounted without windows_names takes them all.
  Windows,
  // A Windows share: the same names, refused before any data goes, because the protocol reads
  // \ as a folder separator and the server shows other such names under made-up short ones.
  Share,
};

// What the copy's name broke of its file system's rules, where it follows Windows' rules.
struct NameFault {
  enum class What {
    None,          // nothing: the error has another cause
    Character,     // `character` is one of " * : < > ? \ |
    Ending,        // a name may not end in `character`, a dot or a space
    CharacterSet,  // a character outside the file system's own character set
  } what = What::None;
  char character = 0;
  NameRules rules = NameRules::Linux;
};

// Why a copy was not made, as a value.
enum class Reason {
  System,          // the failing call's `code` says it, in the platform's own words
  NotRegular,      // the source is a file of `kind`, not a regular one
  FolderHasName,   // a folder has the copy's name
  NameTooLong,     // the copy's name is longer than the `longest` its file system takes
  NameRefused,     // the file system does not take the copy's name: `name` says why
  NotText,         // a name in the path holds bytes that are not UTF-8, which no text box carries
  NameNotShown,    // the server took the copy, but its folder does not show it under its name
                   // (`code`: the look-up's error, 0 where something else is there)
  Unreachable,     // the folder in `path`, or the server behind it, went away during the copy
  SourceChanged,   // the source was written to while it was copied
  SourceGone,      // the source is no longer there
  Device,          // the copy's name is that of the device `device`, which would take the data
  NoRoom,          // the drive is full
  TooLarge,        // the drive's file system takes no file this large
  WriteProtected,  // the drive is
  Denied,          // the drive or the folder does not let us write there
  InUse,           // another program holds the file at fault
  Cancelled,       // in the platform shell's own dialogs
  NotThere,        // the shell said it was done, but nothing is under the copy's name
  Short,           // the shell said it was done, but the copy holds `have` of `want` bytes
  ShellFailed,     // the shell's own `code` says no more
  NoFolder,        // the copies' folder could not be made, earlier in the run
  Appeared,        // a file took the copy's name while the copy was being made
  Stopped,         // the run was stopped while the copy was being made
  Unconfirmed,     // copies of `path`'s file system, with nothing held open there to flush them
};

// A copy that was not made, or the copies of a run that its device did not confirm.
struct NotMade {
  enum class Of {
    Copy,    // this copy
    Copies,  // not one copy but the run's copies in `path`'s file system
  } of = Of::Copy;
  // The file at fault.
  enum class Party { Source, Copy, Folder } at = Party::Copy;
  Reason why = Reason::System;
  std::u16string source;
  std::u16string target;
  std::u16string path;    // the file or folder at fault, as the report names it
  int code = 0;           // what the failing call returned: an errno, a Windows or shell code
  std::string_view call;  // that call, as the platform names it; empty where no call failed
  FileKind kind = FileKind::Other;  // NotRegular
  NameFault name;                   // NameRefused
  std::size_t longest = 0;          // NameTooLong, in the units of `name.rules`
  std::uint64_t have = 0;           // Short
  std::uint64_t want = 0;
  std::u16string device;  // Device
  // What is under the copy's name, or of it in its folder, afterwards.
  enum class Left {
    Nothing,
    Removed,     // the unfinished copy the run made was removed
    NotRemoved,  // ... and could not be: `leftover` names it where it has a name of its own
    Earlier,     // a file that was there before the copy, left as it is
  } left = Left::Nothing;
  std::u16string leftover;
};

// What the run says at its end of copies that were made: nothing the user must act on.
struct RunNote {
  enum class Kind {
    NotKept,    // the run's copies were made, but the target kept none of `attributes`, nor
                // their times where `times` says why
    Deferred,   // the run's copies in `path` are with `client`, which uploads them later
    Unchecked,  // the copies of `path` were kept, though its times moved while it was copied;
                // `client` moves them on its own, and its size did not change
  } kind = Kind::NotKept;
  std::u16string path;
  struct Attribute {
    std::u16string name;  // "" for all of the source's, where they could not be read
    int code;
    std::string_view call;  // reading it from the source, or setting it on the copy
  };
  std::vector<Attribute> attributes;  // NotKept
  int times = 0;                      // NotKept: the code the copies' times were refused with
  std::u16string client;              // Deferred, Unchecked
};

// How far a run is, for its one progress display.
struct RunProgress {
  int copy = 0;  // the copy in hand, from 1
  int count = 0;
  std::u16string source;
  std::u16string target;
  std::uint64_t done = 0;  // bytes of the whole run
  std::uint64_t total = 0;
  double seconds = 0;    // since the run began
  bool writing = false;  // every copy is made; the device is still taking them
};

// What hosts a run: asks the user, or answers for them, and tells them what happened.
class RunHost {
 public:
  virtual ~RunHost() = default;
  virtual Answer AskReplace(const ReplaceQuestion& question) = 0;
  // Yes, No, NoToAll or Stop.
  virtual Answer AskCreateFolder(const std::u16string& folder) = 0;
  // Yes, or No: the run's `count` copies would go to a folder that stalls after renames.
  virtual Answer AskStallingFolder(const std::u16string& folder, int count) = 0;
  virtual ErrorAnswer ReportError(const NotMade& failure) = 0;
  // What the run's end has to say of copies that were made.
  virtual void ReportNote(const RunNote& note) = 0;
  // Shows the run's progress display, or brings it up to date. Cancel ends the copy in hand;
  // Stop ends it and the run. While `writing`, there is nothing left to cancel.
  virtual ProgressAnswer Progress(const RunProgress& progress) = 0;
  // Closes the display, if it is open.
  virtual void ProgressDone() = 0;
  // Lets the host breathe while the run waits with nothing to show.
  virtual void Idle() = 0;
  // At the end of a run: `count` copies were not made without a word at the time (after Skip
  // All, or Later); `first` holds the first few of them. `more`: others were told of one by one.
  virtual void ReportUnmade(std::size_t count, const std::vector<NotMade>& first, bool more) = 0;
};

// What a copier asks and tells during a run; the run's answers (RunAnswers) stand between it and
// the host.
class CopyDelegate {
 public:
  virtual ~CopyDelegate() = default;
  // The target (a file or a link) exists. True replaces it; a link is replaced, never followed.
  virtual bool AskReplace(const ReplaceQuestion& question) = 0;
  // The target's folder is missing. True creates it and any missing parents.
  virtual bool AskCreateFolder(const std::u16string& folder) = 0;
  // The target's folder stalls after renames, asked once a run. True makes the copies there.
  virtual bool AskStallingFolder(const std::u16string& folder) = 0;
  virtual void ReportError(const NotMade& failure) = 0;
  virtual void ReportNote(const RunNote& note) = 0;
  // During a copy, with how much of it is done; false cancels it.
  virtual bool Progress(std::uint64_t done, std::uint64_t total) = 0;
};

}  // namespace ferrowick
