// SPDX-License-Identifier: MIT
#pragma once
// The status box: a read-only log whose new lines wait for the next frame and then go in at
// once, at the cost of the new lines rather than of the whole log.

#include <QPlainTextEdit>
#include <QTextCursor>
#include <string>
#include <string_view>

#include "form_logic.h"

namespace ferrowick {

class StatusBox : public QPlainTextEdit {
 public:
  explicit StatusBox(QWidget* parent);

  StatusLog& Log() { return log_; }
  // What it shows and what waits, each line ended in "\r\n".
  std::u16string Lines() const;
  void SetLines(const std::u16string& text);
  // Puts in what waits.
  void Flush();

 private:
  void ResetEnd();

  StatusLog log_{u"\n"};
  QTextCursor end_;  // where the next lines go in
};

}  // namespace ferrowick
