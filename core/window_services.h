// SPDX-License-Identifier: MIT
#pragma once
// What the duplication core needs from whatever window hosts it. Every toolkit's Form1
// implements this; the tests use a fake.

#include <string>
#include <string_view>

namespace ferrowick {

// The window's text fields that the core reads or writes.
enum class Box { File, Copies, Prefix, Dir, Status };

// What the core has the window say. The window words each in its user's language: the message
// box's lines (each without its line break) and the lead of a status line.
enum class Phrase {
  NoFile,
  PathTooLong,
  CopiesNotWhole,
  CopiesTooBig,
  CopiesNotPositive,
  StartNotWhole,
  StartTooBig,
  StartNotPositive,
  SumTooBig,
  CopyingTo,  // followed by the copy's path
};

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  virtual std::u16string Text(Box box) const = 0;
  virtual std::u16string Words(Phrase phrase) const = 0;
  virtual void SetText(Box box, const std::u16string& text) = 0;
  // Selected state of TagLocation(0), the "Prefix" option.
  virtual bool PrefixSelected() const = 0;
  // Appends one complete line (CR LF included) to the status box. The result must look as if
  // the whole text had been replaced: the view and caret stay where they were.
  virtual void AppendStatusLine(std::u16string_view line) = 0;
  // The line just appended must be on screen before the copy it announces starts.
  virtual void RepaintStatus() = 0;
  // Modal, one OK button, no icon, caption "Ferrowick".
  virtual void ShowMessage(const std::u16string& text) = 0;
  // After the message that lists what the inputs lack: the focus goes where the first fault can
  // be mended, so that a screen reader names it (Step 1's button for the file).
  virtual void FocusOn(Box box) { (void)box; }
  // Called between copies: lets the window breathe. False once the user closed the window (or
  // stopped a console's run), which ends the run after the copy in hand.
  virtual bool KeepRunning() = 0;
};

// Makes one copy. Why a copy was not made is the copier's business (it reports to the user
// itself); the run only counts what was made, and goes on whatever became of a copy.
class FileCopier {
 public:
  virtual ~FileCopier() = default;
  // True when the copy is in place under its name.
  virtual bool CopyOneFile(const std::u16string& source, const std::u16string& target) = 0;
  // Around the copies of one run, however it ends: what the user decided for all of a run's
  // copies holds from the first to the last of them.
  virtual void BeginRun(int count) { (void)count; }
  // False where copies that were made are not confirmed on their device.
  virtual bool EndRun() { return true; }
  // The user stopped the run in one of the copier's questions, or the host stopped it: the run
  // ends after the copy in hand.
  virtual bool Stopped() const { return false; }
};

}  // namespace ferrowick
