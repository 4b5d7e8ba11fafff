// SPDX-License-Identifier: MIT
#pragma once
// The shell routines on Linux: the copy runs in our own engine, the folder browser is whatever
// folder dialog the window toolkit provides.

#include <cstdint>
#include <string>

#include "copy_engine.h"
#include "run_answers.h"
#include "window_services.h"

namespace ferrowick {

class FolderDialog {
 public:
  virtual ~FolderDialog() = default;
  // Modal, owned by the main window, existing folders only, titled as asking for the copies'
  // folder. "" when cancelled.
  virtual std::u16string ChooseFolder() = 0;
};

class Module1 : public FileCopier {
 public:
  Module1(RunHost& host, FolderDialog& folders,
          const CopyEngine::Tuning& tuning = CopyEngine::Tuning{})
      : answers_(host, tuning.progressAfter), engine_(answers_, tuning), folders_(folders) {}

  bool CopyOneFile(const std::u16string& source, const std::u16string& target) override;
  void BeginRun(int count) override;
  // The run is over only once its copies are on the device, however it ended.
  bool EndRun() override;
  std::u16string PickDirectory();

  // The user chose Stop in one of the run's dialogs.
  bool Stopped() const override { return answers_.Stopped(); }

 private:
  RunAnswers answers_;
  CopyEngine engine_;
  FolderDialog& folders_;
  std::uint64_t sourceSize_ = 0;  // of the run's first copy
  bool sized_ = false;
};

}  // namespace ferrowick
