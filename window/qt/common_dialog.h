// SPDX-License-Identifier: MIT
#pragma once
// The file-open dialog, with the three members the window uses.

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace ferrowick {

class CommonDialog {
 public:
  CommonDialog(QWidget* owner, std::function<int(QDialog&)> run)
      : owner_(owner), run_(std::move(run)) {}

  QString DialogTitle;
  // Keeps its last value when the user cancels.
  QString FileName;
  // Lets the user pick one existing file.
  void ShowOpen();

 private:
  QWidget* owner_;
  std::function<int(QDialog&)> run_;
};

}  // namespace ferrowick
