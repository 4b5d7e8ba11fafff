// SPDX-License-Identifier: MIT
#pragma once
// The shell routines on Windows: the platform shell copies the file and browses for the folder.
// What the shell did is looked at after each copy: a copy it did not make is reported, with the
// reason as far as the shell's answer and the drive tell it.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "window_services.h"

namespace ferrowick {

// The Windows device a file name stands for ("CON", "COM1", "LPT²"), or "" for the name of a
// file. Windows takes such a name, with any extension, for the device itself.
std::u16string DeviceName(std::u16string_view path);

// What became of one copy the shell was asked for, when it is not a whole copy under its name.
struct ShellCopy {
  enum class Why {
    Made,
    Device,    // the name is a device's (`device`): the shell was not asked
    Folder,    // a folder has the name: the shell would copy into it
    NoRoom,    // the drive is full
    TooLarge,  // the drive's file system takes no file this large
    WriteProtected,
    Denied,      // the drive or the folder does not let us write there
    SourceGone,  // the source is no longer there
    InUse,       // another program holds the source or the target
    Cancelled,   // in the shell's own dialogs
    NotThere,    // the shell said it was done, but nothing is under the name
    Short,       // the shell said it was done, but the copy holds `have` of `want` bytes
    Failed,      // the shell's code, `code`, says no more
    // Only where the file API copies, without a window:
    Exists,    // a file has the name, and the user did not agree to replace it
    NoFolder,  // the folder is not there, and the user did not agree to create it
    Appeared,  // a file took the name while the copy was being made
    Stopped,   // Ctrl+C or Ctrl+Break ended the run during the copy
    System,    // the system's code, `code`, says no more
  } why = Why::Made;
  std::u16string target;
  std::u16string device;
  int code = 0;            // what the shell returned
  bool aborted = false;    // its fAnyOperationsAborted
  std::uint64_t have = 0;  // the target's size after the call, where a file is there
  std::uint64_t want = 0;  // the source's
  // What is under the copy's name afterwards.
  enum class Left {
    Nothing,
    Removed,     // the unfinished copy the run made there, `have` bytes of it, was removed
    NotRemoved,  // ... and could not be
    Earlier,     // a file that was there before the call, left as it is
  } left = Left::Nothing;
  std::u16string unfinished;  // NotRemoved, where the unfinished copy has a name of its own
};

// What a code of the shell's or the system's says of a copy not made; nothing where it leaves
// the reason open (a cancel, which the shell also returns for errors it has shown or not).
std::optional<ShellCopy::Why> WhyOfCode(int code);

class CopyReport {
 public:
  virtual ~CopyReport() = default;
  // Right after the copy that was not made.
  virtual void NotMade(const ShellCopy& copy) = 0;
};

class Module1 : public FileCopier {
 public:
  // The shell's copy call; a test hands in a fake.
  using Shell = std::function<int(SHFILEOPSTRUCTW&)>;

  explicit Module1(CopyReport& report, Shell shell = {});

  // The shell's own dialogs show progress, ask before replacing or creating a folder, and report
  // errors; the run goes on with the next copy whatever happened.
  void CopyOneFile(const std::u16string& source, const std::u16string& target) override;
  // The folder browser, owned by `owner`; "" when the user cancels, nothing when the chosen
  // item has no file-system path.
  static std::optional<std::u16string> PickDirectory(HWND owner, const std::u16string& title);

 private:
  // Why the shell's copy did not come to be, where its code does not say: the source, the
  // drive's room and what the drive says of a new file under the copy's name.
  static ShellCopy::Why Diagnose(const ShellCopy& copy, const std::wstring& source,
                                 const std::wstring& target);

  CopyReport& report_;
  Shell shell_;
};

}  // namespace ferrowick
