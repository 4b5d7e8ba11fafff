// SPDX-License-Identifier: MIT
#pragma once
// The status box: a read-only log of whole lines. A text document pays for every line it takes
// in (a block of its own, and a frame of drawing that grows with them), and a run puts in up to
// 32 766; this box keeps the lines in one string and draws only those in view, so a line costs
// what copying its characters costs. It has a caret on a line that the arrow keys, Page Up and
// Down, Home and End move, Shift with them and the mouse select whole lines, and Ctrl+C copies
// them, as the context menu's Copy does; an assistive technology reads it as a read-only text
// (StatusBoxAccessible), hears each insertion and reads the line under the caret.

#include <QAbstractScrollArea>
#include <QMenu>
#include <QRect>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "form_logic.h"

namespace ferrowick {

class StatusBox : public QAbstractScrollArea {
 public:
  explicit StatusBox(QWidget* parent);

  StatusLog& Log() { return log_; }
  // What it shows and what waits, each line ended in "\r\n".
  std::u16string Lines() const;
  void SetLines(const std::u16string& text);
  // Puts in what waits. The view and the caret stay where they were.
  void Flush();

  // What it shows, as a plain text box gives it: "\n" between lines, and after the last line
  // that ended in one, an empty line.
  const QString& toPlainText() const { return text_; }
  void setPlainText(const QString& text);
  int LineCount() const { return static_cast<int>(starts_.size()); }
  // The caret's line, and the first and last of the lines selected (the caret's alone where
  // none are).
  int CaretLine() const { return caret_; }
  int AnchorLine() const { return anchor_; }
  bool HasSelection() const { return anchor_ != caret_; }
  // Where line `line` starts in toPlainText(), and the line holding `offset`.
  int LineStart(int line) const { return starts_[static_cast<std::size_t>(line)]; }
  // Where line `line` ends, its line break included.
  int LineEnd(int line) const {
    return line + 1 < LineCount() ? LineStart(line + 1) : static_cast<int>(text_.size());
  }
  int LineAt(int offset) const;
  QString Line(int line) const;
  // The line under `y` in the view, and where line `line` is drawn (empty where out of view).
  int LineAtY(int y) const;
  QRect LineRect(int line) const;
  // Moves the caret to `line`, extending the selection from where it was if `extend`.
  void MoveCaret(int line, bool extend);
  // Scrolls as little as brings lines `first` to `last` into view, the first of them where not
  // all fit.
  void ShowLines(int first, int last);
  void SelectAll();
  // What the right button and the menu key open, as a text box's: Copy and Select All.
  std::unique_ptr<QMenu> ContextMenu();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Append(const QString& lines);
  void AdjustScrollBars();
  int Rows() const;  // lines a view holds
  void Copy() const;

  StatusLog log_{u"\n"};
  QString text_;
  std::vector<int> starts_{0};  // where each line starts in text_
  int widest_ = 0;              // the longest line so far, by its characters
  int widestLine_ = 0;
  int widestPixels_ = 0;
  int caret_ = 0;
  int anchor_ = 0;
};

// Installs the accessible interface of every StatusBox: a read-only text whose lines a screen
// reader reads.
void InstallStatusBoxAccessible();

}  // namespace ferrowick
