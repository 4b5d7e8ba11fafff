// SPDX-License-Identifier: MIT
#include "status_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace ferrowick {
namespace {

// As far from the frame as a plain text box's document keeps its text.
constexpr int kMargin = 4;

// A read-only, multi-line text to an assistive technology, as a plain text box is: its lines by
// offset, the caret's place and the lines selected.
class StatusBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit StatusBoxAccessible(StatusBox* box)
      : QAccessibleWidget(box, QAccessible::EditableText), box_(box) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    state.focusable = true;
    return state;
  }

  // The text interface, by offsets into what the box shows.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !box_->HasSelection()) return;
    const auto [first, last] = std::minmax(box_->CaretLine(), box_->AnchorLine());
    *start = box_->LineStart(first);
    *end = box_->LineEnd(last);
  }
  int selectionCount() const override { return box_->HasSelection() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { box_->MoveCaret(box_->CaretLine(), false); }
  void setSelection(int, int start, int end) override {
    box_->MoveCaret(box_->LineAt(start), false);
    box_->MoveCaret(box_->LineAt(std::max(start, end - 1)), true);
  }
  int cursorPosition() const override { return box_->LineStart(box_->CaretLine()); }
  void setCursorPosition(int position) override { box_->MoveCaret(box_->LineAt(position), false); }
  QString text(int start, int end) const override {
    return box_->toPlainText().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(box_->toPlainText().size()); }
  QRect characterRect(int offset) const override {
    const int line = box_->LineAt(offset);
    const QRect row = box_->LineRect(line);
    if (row.isEmpty()) return {};
    const QString left = box_->Line(line).left(offset - box_->LineStart(line));
    const int x = row.left() + box_->fontMetrics().horizontalAdvance(left);
    const QPoint origin = box_->viewport()->mapToGlobal(QPoint(x, row.top()));
    return {origin, QSize(box_->fontMetrics().averageCharWidth(), row.height())};
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint at = box_->viewport()->mapFromGlobal(point);
    return box_->LineStart(box_->LineAtY(at.y()));
  }
  // Only the view moves: a reader that scrolls ahead of what it reads leaves the caret alone.
  void scrollToSubstring(int start, int end) override {
    box_->ShowLines(box_->LineAt(start), box_->LineAt(std::max(start, end - 1)));
  }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  // A line is found by its start, not by reading the whole log from its beginning.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                       int* end) const override {
    if (type != QAccessible::LineBoundary) {
      return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    }
    return LineText(box_->LineAt(offset), start, end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                           int* end) const override {
    if (type != QAccessible::LineBoundary) {
      return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    }
    const int line = box_->LineAt(offset);
    if (line == 0) {
      *start = *end = 0;
      return {};
    }
    return LineText(line - 1, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                          int* end) const override {
    if (type != QAccessible::LineBoundary) {
      return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    }
    const int line = box_->LineAt(offset);
    if (line + 1 >= box_->LineCount()) {
      *start = *end = characterCount();
      return {};
    }
    return LineText(line + 1, start, end);
  }

 private:
  QString LineText(int line, int* start, int* end) const {
    *start = box_->LineStart(line);
    *end = box_->LineEnd(line);
    return text(*start, *end);
  }

  StatusBox* box_;
};

QAccessibleInterface* StatusBoxFactory(const QString&, QObject* object) {
  auto* box = dynamic_cast<StatusBox*>(object);
  return box != nullptr ? new StatusBoxAccessible(box) : nullptr;
}

}  // namespace

void InstallStatusBoxAccessible() {
  static const bool installed = (QAccessible::installFactory(StatusBoxFactory), true);
  (void)installed;
}

StatusBox::StatusBox(QWidget* parent) : QAbstractScrollArea(parent) {
  InstallStatusBoxAccessible();
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setCursor(Qt::IBeamCursor);
}

std::u16string StatusBox::Lines() const {
  QString text = text_ + QString::fromStdU16String(log_.Pending());
  return text.replace(u'\n', QStringLiteral("\r\n")).toStdU16String();
}

void StatusBox::SetLines(const std::u16string& text) {
  setPlainText(QString::fromStdU16String(text).remove(u'\r'));
  log_.Clear();
}

void StatusBox::setPlainText(const QString& text) {
  const QString before = text_;
  text_.clear();
  starts_.assign(1, 0);
  widest_ = widestPixels_ = 0;
  caret_ = anchor_ = 0;
  Append(text);
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent update(this, 0, before, text_);
    QAccessible::updateAccessibility(&update);
  }
}

void StatusBox::Flush() {
  if (log_.Pending().empty()) return;
  const int position = static_cast<int>(text_.size());
  const int shown = verticalScrollBar()->value() + Rows();
  const bool inView = LineCount() - 1 <= shown;
  const QString lines = QString::fromStdU16String(log_.Take());
  Append(lines);
  if (QAccessible::isActive()) {
    QAccessibleTextInsertEvent inserted(this, position, lines);
    QAccessible::updateAccessibility(&inserted);
  }
  // On screen before the copies they announce go on; lines below the view change nothing in it.
  if (inView) viewport()->repaint();
}

void StatusBox::Append(const QString& lines) {
  const int from = static_cast<int>(text_.size());
  text_ += lines;
  bool wider = false;
  for (int i = from; i < text_.size(); ++i) {
    if (text_[i] != u'\n') continue;
    const int length = i - starts_.back();
    if (length > widest_) {
      widest_ = length;
      widestLine_ = LineCount() - 1;
      wider = true;
    }
    starts_.push_back(i + 1);
  }
  if (const int length = static_cast<int>(text_.size()) - starts_.back(); length > widest_) {
    widest_ = length;
    widestLine_ = LineCount() - 1;
    wider = true;
  }
  if (wider) widestPixels_ = fontMetrics().horizontalAdvance(Line(widestLine_));
  AdjustScrollBars();
}

int StatusBox::LineAt(int offset) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
  return std::max(0, static_cast<int>(after - starts_.begin()) - 1);
}

QString StatusBox::Line(int line) const {
  const int start = LineStart(line);
  const int end = line + 1 < LineCount() ? LineStart(line + 1) - 1 : static_cast<int>(text_.size());
  return text_.mid(start, end - start);
}

int StatusBox::Rows() const {
  return std::max(1, (viewport()->height() - kMargin) / fontMetrics().lineSpacing());
}

int StatusBox::LineAtY(int y) const {
  const int row = std::max(0, y - kMargin) / fontMetrics().lineSpacing();
  return std::min(LineCount() - 1, verticalScrollBar()->value() + row);
}

QRect StatusBox::LineRect(int line) const {
  const int row = line - verticalScrollBar()->value();
  if (row < 0 || row > Rows()) return {};
  const int height = fontMetrics().lineSpacing();
  return {kMargin - horizontalScrollBar()->value(), kMargin + row * height, widestPixels_ + kMargin,
          height};
}

void StatusBox::AdjustScrollBars() {
  QScrollBar* vertical = verticalScrollBar();
  vertical->setRange(0, std::max(0, LineCount() - Rows()));
  vertical->setPageStep(Rows());
  vertical->setSingleStep(1);
  QScrollBar* horizontal = horizontalScrollBar();
  const int width = viewport()->width();
  horizontal->setRange(0, std::max(0, widestPixels_ + 2 * kMargin - width));
  horizontal->setPageStep(width);
  horizontal->setSingleStep(fontMetrics().averageCharWidth() * 2);
}

void StatusBox::ShowLines(int first, int last) {
  QScrollBar* vertical = verticalScrollBar();
  if (last >= vertical->value() + Rows()) vertical->setValue(last - Rows() + 1);
  if (first < vertical->value()) vertical->setValue(first);
}

void StatusBox::MoveCaret(int line, bool extend) {
  line = std::clamp(line, 0, LineCount() - 1);
  const bool selected = HasSelection() || (extend && line != anchor_);
  caret_ = line;
  if (!extend) anchor_ = line;
  ShowLines(line, line);
  viewport()->update();
  if (!QAccessible::isActive()) return;
  QAccessibleTextCursorEvent moved(this, LineStart(caret_));
  QAccessible::updateAccessibility(&moved);
  if (selected) {
    const auto [first, last] = std::minmax(caret_, anchor_);
    QAccessibleTextSelectionEvent selection(this, HasSelection() ? LineStart(first) : -1,
                                            HasSelection() ? LineEnd(last) : -1);
    QAccessible::updateAccessibility(&selection);
  }
}

void StatusBox::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QFontMetrics metrics = fontMetrics();
  const int height = metrics.lineSpacing();
  const int left = kMargin - horizontalScrollBar()->value();
  const int first = verticalScrollBar()->value();
  const auto [low, high] = std::minmax(caret_, anchor_);
  const QPalette& colours = palette();
  for (int row = 0; row <= Rows() && first + row < LineCount(); ++row) {
    const int line = first + row;
    const QRect place(0, kMargin + row * height, viewport()->width(), height);
    const bool selected = HasSelection() && line >= low && line <= high;
    if (selected) painter.fillRect(place, colours.brush(QPalette::Highlight));
    painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(QPoint(left, place.top() + metrics.ascent()), Line(line));
    if (line == caret_ && hasFocus()) {
      painter.fillRect(QRect(left, place.top(), 1, height), colours.color(QPalette::Text));
    }
  }
}

void StatusBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  AdjustScrollBars();
}

void StatusBox::scrollContentsBy(int, int) { viewport()->update(); }

void StatusBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) return Copy();
  if (event->matches(QKeySequence::SelectAll)) return SelectAll();
  const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
  const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
  switch (event->key()) {
    case Qt::Key_Up:
      return MoveCaret(caret_ - 1, extend);
    case Qt::Key_Down:
      return MoveCaret(caret_ + 1, extend);
    case Qt::Key_PageUp:
      return MoveCaret(caret_ - Rows(), extend);
    case Qt::Key_PageDown:
      return MoveCaret(caret_ + Rows(), extend);
    case Qt::Key_Home:
      return MoveCaret(control ? 0 : caret_, extend);
    case Qt::Key_End:
      return MoveCaret(control ? LineCount() - 1 : caret_, extend);
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

void StatusBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  MoveCaret(LineAtY(event->position().toPoint().y()),
            (event->modifiers() & Qt::ShiftModifier) != 0);
}

void StatusBox::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) == 0) return QAbstractScrollArea::mouseMoveEvent(event);
  MoveCaret(LineAtY(event->position().toPoint().y()), true);
}

void StatusBox::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void StatusBox::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void StatusBox::SelectAll() {
  MoveCaret(0, false);
  MoveCaret(LineCount() - 1, true);
}

std::unique_ptr<QMenu> StatusBox::ContextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  QAction* copy = menu->addAction(QCoreApplication::translate("ferrowick::StatusBox", "&Copy"),
                                  this, [this] { Copy(); });
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(HasSelection());
  QAction* all = menu->addAction(QCoreApplication::translate("ferrowick::StatusBox", "Select &All"),
                                 this, [this] { SelectAll(); });
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(!text_.isEmpty());
  return menu;
}

// From the keyboard (the menu key, Shift+F10), at the caret's line.
void StatusBox::contextMenuEvent(QContextMenuEvent* event) {
  QPoint at = event->globalPos();
  if (event->reason() == QContextMenuEvent::Keyboard) {
    const QRect line = LineRect(caret_);
    at = viewport()->mapToGlobal(line.isEmpty() ? QPoint(kMargin, kMargin) : line.bottomLeft());
  }
  ContextMenu()->exec(at);
}

void StatusBox::Copy() const {
  if (!HasSelection()) return;
  const auto [first, last] = std::minmax(caret_, anchor_);
  QGuiApplication::clipboard()->setText(
      text_.mid(LineStart(first), LineEnd(last) - LineStart(first)));
}

}  // namespace ferrowick
