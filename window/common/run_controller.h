// SPDX-License-Identifier: MIT
#pragma once
// What both windows do with a run and with the paths they are handed, without a toolkit: the
// Duplicate click's sequence, the status box paced to the display, how far a long run has come
// and how it ended told to a screen reader, and where a given, dropped or chosen path goes. Each
// Form1 keeps its widgets and dialogs, and maps its events and these requests onto its toolkit.

#include <optional>
#include <string>
#include <vector>

#include "duplicator.h"
#include "form_logic.h"
#include "window_services.h"

namespace ferrowick {

// What the controller asks of the window it serves.
class FormView {
 public:
  virtual ~FormView() = default;
  // The status box's lines on their way to it.
  virtual StatusLog& Log() = 0;
  // Puts the lines that wait into the status box, and the box on screen.
  virtual void ShowStatus() = 0;
  // Lets the events that wait through, as the window's own loop would.
  virtual void LetEventsThrough() = 0;
  // The user closed the window during a run.
  virtual bool Closing() const = 0;
  // Closes the window once the run it waited for is over.
  virtual void Close() = 0;
  // Tells a screen reader, without moving the focus.
  virtual void Announce(const std::u16string& text) = 0;
  // A message box that belongs to the window.
  virtual void Say(const std::u16string& text) = 0;
  // Step 1 (Box::File) or Step 4 (Box::Dir) takes a path.
  virtual void Fill(Box box, const std::u16string& path) = 0;
};

class RunController {
 public:
  // separator: the platform's path separator.
  RunController(WindowServices& window, FormView& view, FileCopier& copier, char16_t separator)
      : view_(view), duplicator_(window, copier, separator) {}

  // The Duplicate button's click. One that comes while a run is in progress is ignored.
  void Click();
  bool Running() const { return duplicator_.Running(); }
  const Duplicator::Tally& Last() const { return duplicator_.Last(); }

  // A status line was appended: it is shown once the next frame is due.
  void Repaint();
  // A frame: the status box on screen, the window's events let through, and every ten seconds
  // of a long run a word of how far it has come.
  void Breathe();

  // Where the names a window was started with or had dropped on it go: the box that takes the
  // path, or why none does. A folder is taken (into Step 4) only from a drop.
  struct Placed {
    Box box = Box::File;
    std::u16string path;     // "" where nothing is taken
    std::u16string refusal;  // "" where nothing is refused
  };
  static Placed Place(std::vector<std::u16string> names, bool drop);
  // Fills the box, or says why not; a drop during a run changes nothing, as the run reads the
  // boxes as it goes.
  void Take(const Placed& placed);
  // The file or folder a dialog gave back, where `before` was in the box: what the box holds
  // now. A name the window cannot take is refused, and the box keeps what it had; "" from a
  // folder dialog is a cancel, which empties Step 4, and nothing is an item that is no folder.
  std::u16string ChoseFile(const std::u16string& before, const std::u16string& chosen);
  std::u16string ChoseFolder(const std::u16string& before,
                             const std::optional<std::u16string>& chosen);

 private:
  // Why a dialog's choice cannot be taken, or "".
  static std::u16string Refusal(const std::u16string& chosen);

  FormView& view_;
  Duplicator duplicator_;
  StatusLog::Clock::time_point nextSpoken_{};  // when a long run next says how far it has come
};

}  // namespace ferrowick
