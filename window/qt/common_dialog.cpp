// SPDX-License-Identifier: MIT
#include "common_dialog.h"

#include <QFileDialog>

namespace ferrowick {

void CommonDialog::ShowOpen() {
  QFileDialog dialog(owner_, DialogTitle);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (run_(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    FileName = dialog.selectedFiles().constFirst();
  }
}

}  // namespace ferrowick
