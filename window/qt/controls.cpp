// SPDX-License-Identifier: MIT
#include "controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace ferrowick::controls {
namespace {

// Qt 6.4 gives a line edit's text attributes in runs of no length (each from its offset to the
// same offset), and Orca 43 reads a box's value up to the end of the last run: one character
// short ("report.tx"), and a one-digit number not at all. The window's boxes give their text as
// one run. They take no text from a reader: what goes into a number box is typed, through its
// filter of digits.
class BoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit BoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    return type == QAccessible::Value ? Box()->text() : QAccessibleWidget::text(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Box()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Box()->hasSelectedText()) return;
    *start = Box()->selectionStart();
    *end = *start + static_cast<int>(Box()->selectedText().size());
  }
  int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { Box()->deselect(); }
  void setSelection(int, int start, int end) override { Box()->setSelection(start, end - start); }
  int cursorPosition() const override { return Box()->cursorPosition(); }
  void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
  QString text(int start, int end) const override { return Box()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Box()->text().size()); }
  // From the caret's place, which takes the box's scrolling into account.
  QRect characterRect(int offset) const override {
    const QLineEdit* box = Box();
    const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics = box->fontMetrics();
    const QString text = box->text();
    const int x = caret.left() + metrics.horizontalAdvance(text.left(offset)) -
                  metrics.horizontalAdvance(text.left(box->cursorPosition()));
    const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
    return {box->mapToGlobal(QPoint(x, caret.top())), QSize(width, caret.height())};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int) override { Box()->setCursorPosition(start); }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QLineEdit* Box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* MainWindowAccessible(const QString& key, QObject* object) {
  if (!object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (key == QLatin1String("QLineEdit") && widget->window()->inherits("ferrowick::Form1")) {
    return new BoxAccessible(static_cast<QLineEdit*>(widget));
  }
  if (key == QLatin1String("ferrowick::Form1")) {
    return new QAccessibleWidget(widget, QAccessible::Window);
  }
  if (key == QLatin1String("ferrowick::Announcer")) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  return nullptr;
}

// The largest size, from `points` down, at which `text` fits in `room` pixels.
QFont Fitted(QFont font, qreal points, const QString& text, int room) {
  font.setPointSizeF(points);
  while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 5) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  return font;
}

}  // namespace

void FixBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  for (const QPalette::ColorRole text :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, text, Qt::black);
    palette.setColor(QPalette::Inactive, text, Qt::black);
    palette.setColor(QPalette::Disabled, text, Qt::darkGray);
  }
  widget->setPalette(palette);
}

QString Caption(const char* english) {
  return QCoreApplication::translate("ferrowick::Form1", english);
}

void Place(QWidget* control, const layout::Place& place) {
  control->setGeometry(Px(place.left), Px(place.top), Px(place.width), Px(place.height));
}

QLabel* Band(QWidget* parent, const layout::Place& place) {
  auto* label = Make<QLabel>(parent, place);
  // Children take the window's background role unless they name their own.
  label->setBackgroundRole(QPalette::Window);
  label->setAutoFillBackground(true);
  FixBackground(label, QPalette::Window, kGrey);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QFrame* Rule(QWidget* parent, const layout::Place& place) {
  auto* line = new QFrame(parent);
  Place(line, place);
  line->setAutoFillBackground(true);
  line->setBackgroundRole(QPalette::WindowText);
  return line;
}

QLineEdit* ReadOnlyBox(QWidget* parent, const layout::Place& place) {
  auto* box = Make<QLineEdit>(parent, place);
  box->setReadOnly(true);
  FixBackground(box, QPalette::Base, kGrey);
  return box;
}

QRadioButton* Option(QWidget* parent, const layout::Place& place) {
  auto* option = Make<QRadioButton>(parent, place);
  option->setBackgroundRole(QPalette::Window);
  option->setAutoFillBackground(true);
  FixBackground(option, QPalette::Window, Qt::white);
  // The indicator too is drawn as on a light palette, or it would be a dark hole in white.
  QPalette palette = option->palette();
  palette.setColor(QPalette::Base, Qt::white);
  option->setPalette(palette);
  return option;
}

// The layout was drawn for an 8-point sans serif whose widest one-line caption fills its band.
// Liberation Sans has the metrics it was drawn with; whatever family the system substitutes is
// shrunk until that caption fits. The English captions decide, in every language: a
// translation fits the places as they are, in the same font.
QFont WindowFont() {
  const layout::Place& widest = layout::kWidestOneLine;
  return Fitted(QFont(QStringLiteral("Liberation Sans")), 8.0, QString::fromUtf8(widest.caption),
                Px(widest.width) - 4);
}

QFont GoFont(const QFont& windowFont) {
  QFont font = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                   ? QFont(QStringLiteral("MS Sans Serif"))
                   : windowFont;
  font.setBold(true);
  return Fitted(font, windowFont.pointSizeF() * 8.25 / 8.0,
                QString::fromUtf8(layout::cmdGo.caption).remove('&'), Px(layout::cmdGo.width) - 12);
}

// Tab into a box selects its text, and Qt tells a screen reader of that selection before it
// tells it of the focus: the reader takes it for a move within the box it was in, and says
// nothing of the box or reads its value out of turn. Each box takes the focus as if clicked, and
// selects its text once the focus is told, where it still has the focus.
bool FocusAsTold(QLineEdit* box, const QFocusEvent& focus) {
  const Qt::FocusReason reason = focus.reason();
  if (focus.type() != QEvent::FocusIn ||
      (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
       reason != Qt::ShortcutFocusReason)) {
    return false;
  }
  QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
  box->event(&plain);
  QMetaObject::invokeMethod(
      box,
      [box] {
        if (box->hasFocus()) box->selectAll();
      },
      Qt::QueuedConnection);
  return true;
}

void InstallAccessibleRoles() {
  static const bool installed = (QAccessible::installFactory(MainWindowAccessible), true);
  (void)installed;
}

}  // namespace ferrowick::controls
