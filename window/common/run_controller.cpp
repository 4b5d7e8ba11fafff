// SPDX-License-Identifier: MIT
#include "run_controller.h"

#include "path_kind.h"
#include "words.h"

namespace ferrowick {

void RunController::Click() {
  if (duplicator_.Running()) return;
  view_.Log().Start();
  nextSpoken_ = StatusLog::Clock::now() + kProgressSpokenEvery;
  duplicator_.Run();
  view_.ShowStatus();
  // The window was closed while the run kept it: it goes now, with nothing more to say.
  if (view_.Closing()) return view_.Close();
  // Said without moving the focus: the status box's last line is no news to a reader.
  if (const Duplicator::Tally& run = duplicator_.Last(); run.count > 0) {
    view_.Announce(words::Said(RunEnded(run.count, run.tried, run.made, run.folder)));
  }
}

void RunController::Repaint() {
  if (view_.Log().Due(StatusLog::Clock::now())) Breathe();
}

void RunController::Breathe() {
  const auto start = StatusLog::Clock::now();
  view_.ShowStatus();
  if (duplicator_.Running() && start >= nextSpoken_) {
    nextSpoken_ = start + kProgressSpokenEvery;
    const Duplicator::Tally& run = duplicator_.Last();
    view_.Announce(words::Said(RunSoFar(run.made, run.count)));
  }
  view_.LetEventsThrough();
  view_.Log().Framed(start, StatusLog::Clock::now());
}

RunController::Placed RunController::Place(std::vector<std::u16string> names, bool drop) {
  Placed placed;
  const Given given = OneGiven(names);
  if (given == Given::Several) placed.refusal = words::Refused(Refusal::OneAtATime);
  if (given != Given::One) return placed;
  const PathLook look = LookAt(names.front());
  const std::u16string shown = words::Shown(look.full);
  switch (look.kind) {
    case PathLook::Kind::File:
      placed.path = look.full;
      break;
    case PathLook::Kind::Folder:
      if (drop) {
        placed.box = Box::Dir;
        placed.path = look.full;
      } else {
        placed.refusal = words::Refused(Refusal::Folder, shown);
      }
      break;
    case PathLook::Kind::Missing:
      placed.refusal = words::Refused(Refusal::Missing, shown);
      break;
    case PathLook::Kind::Special:
      placed.refusal = words::NotRegular(shown, look.special);
      break;
    case PathLook::Kind::NotText:
      placed.refusal = words::NotText(shown);
      break;
    case PathLook::Kind::Device:
      // As given, rather than as the system's full form of a device's name.
      placed.refusal = words::Device(words::Shown(names.front()), look.device);
      break;
  }
  return placed;
}

void RunController::Take(const Placed& placed) {
  if (duplicator_.Running()) return;
  if (!placed.refusal.empty()) return view_.Say(placed.refusal);
  if (!placed.path.empty()) view_.Fill(placed.box, placed.path);
}

std::u16string RunController::Refusal(const std::u16string& chosen) {
  const PathLook look = LookAt(chosen);
  if (look.kind == PathLook::Kind::NotText) return words::NotText(words::Shown(look.full));
  if (look.kind == PathLook::Kind::Device) return words::Device(words::Shown(chosen), look.device);
  return {};
}

std::u16string RunController::ChoseFile(const std::u16string& before,
                                        const std::u16string& chosen) {
  if (chosen == before || chosen.empty()) return chosen;
  if (const std::u16string refusal = Refusal(chosen); !refusal.empty()) {
    view_.Say(refusal);
    return before;
  }
  return chosen;
}

std::u16string RunController::ChoseFolder(const std::u16string& before,
                                          const std::optional<std::u16string>& chosen) {
  if (!chosen) {
    view_.Say(words::NoFolderOnDisk());
    return before;
  }
  if (chosen->empty()) return {};
  if (const std::u16string refusal = Refusal(*chosen); !refusal.empty()) {
    view_.Say(refusal);
    return before;
  }
  return *chosen;
}

}  // namespace ferrowick
