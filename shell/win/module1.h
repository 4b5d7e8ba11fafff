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

#include "run_answers.h"
#include "run_host.h"
#include "window_services.h"

namespace ferrowick {

// The Windows device a file name stands for ("CON", "COM1", "LPT²"), or "" for the name of a
// file. Windows takes such a name, with any extension, for the device itself.
std::u16string DeviceName(std::u16string_view path);

// What a code of the shell's or the system's says of a copy not made; nothing where it leaves
// the reason open (a cancel, which the shell also returns for errors it has shown or not).
std::optional<Reason> WhyOfCode(int code);

// Which of the two files another program holds open so that the copy cannot be made, where one
// of them is held: the source, or the copy's name.
std::optional<NotMade::Party> HeldOpen(const std::wstring& source, const std::wstring& target);

class Module1 : public FileCopier {
 public:
  // The shell's copy call; a test hands in a fake.
  using Shell = std::function<int(SHFILEOPSTRUCTW&)>;

  // `host` hears of every copy not made.
  explicit Module1(RunHost& host, Shell shell = {});

  // The shell's own dialogs show progress, ask before replacing or creating a folder, and report
  // errors; the run goes on with the next copy whatever happened.
  bool CopyOneFile(const std::u16string& source, const std::u16string& target) override;
  void BeginRun(int count) override { answers_.Begin(count); }
  bool EndRun() override {
    answers_.End();
    return true;
  }
  // The folder browser, owned by `owner`; "" when the user cancels, nothing when the chosen
  // item has no file-system path.
  static std::optional<std::u16string> PickDirectory(HWND owner, const std::u16string& title);

 private:
  // Why the shell's copy did not come to be, where its code does not say: the source, the
  // drive's room and what the drive says of a new file under the copy's name.
  static Reason Diagnose(const NotMade& copy, bool aborted, const std::wstring& source,
                         const std::wstring& target);

  RunAnswers answers_;
  Shell shell_;
};

}  // namespace ferrowick
