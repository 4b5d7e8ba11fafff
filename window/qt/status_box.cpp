// SPDX-License-Identifier: MIT
#include "status_box.h"

namespace ferrowick {

StatusBox::StatusBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  // Read-only still takes a caret: the arrow keys, Home and End move it line by line, so that a
  // screen reader reads the line under it, and Shift with them selects lines to copy.
  setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  // A log of tens of thousands of lines must not keep an undo history of itself.
  setUndoRedoEnabled(false);
  ResetEnd();
}

std::u16string StatusBox::Lines() const {
  QString text = toPlainText() + QString::fromStdU16String(log_.Pending());
  return text.replace(u'\n', QStringLiteral("\r\n")).toStdU16String();
}

void StatusBox::SetLines(const std::u16string& text) {
  setPlainText(QString::fromStdU16String(text).remove(u'\r'));
  log_.Clear();
  ResetEnd();
}

void StatusBox::ResetEnd() {
  end_ = QTextCursor(document());
  end_.movePosition(QTextCursor::End);
}

void StatusBox::Flush() {
  if (log_.Pending().empty()) return;
  // Inserting through a cursor of our own leaves the view and the box's caret where they are,
  // as replacing the whole text would.
  const bool first = end_.position() == 0;
  end_.insertText(QString::fromStdU16String(log_.Take()));
  // In an empty box the caret sits where the first line goes in and would be carried along.
  if (first) setTextCursor(QTextCursor(document()));
  viewport()->repaint();
}

}  // namespace ferrowick
