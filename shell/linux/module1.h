#pragma once
// The shell routines on Linux: the copy runs in our own engine, the folder browser is whatever
// folder dialog the window toolkit provides.

#include <string>

#include "copy_engine.h"
#include "window_services.h"

namespace ferrowick {

class FolderDialog {
 public:
  virtual ~FolderDialog() = default;
  // Modal, owned by the main window, existing folders only. "" when cancelled.
  virtual std::u16string ChooseFolder(const std::u16string& title) = 0;
};

class Module1 : public FileCopier {
 public:
  Module1(CopyDelegate& delegate, FolderDialog& folders) : engine_(delegate), folders_(folders) {}

  void CopyOneFile(const std::u16string& source, const std::u16string& target) override;
  std::u16string PickDirectory();

 private:
  CopyEngine engine_;
  FolderDialog& folders_;
};

}  // namespace ferrowick
