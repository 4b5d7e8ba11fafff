// SPDX-License-Identifier: MIT
#pragma once
// The layout's parts as Qt draws them: each control where the design puts it, with its caption
// in the user's language, and the colours and fonts the design was drawn with.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <type_traits>

#include "form_layout.h"

class QFocusEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace ferrowick::controls {

// The layout is drawn in twips; at 96 dots per inch 15 of them make a pixel. Qt scales logical
// pixels for higher densities by itself.
constexpr int Px(int twips) { return (twips + 7) / 15; }

// A caption in the user's language; the layout's English where the catalogue has none.
QString Caption(const char* english);

void Place(QWidget* control, const layout::Place& place);

template <typename Control>
Control* Make(QWidget* parent, const layout::Place& place) {
  auto* control = new Control(parent);
  Place(control, place);
  if (place.caption != nullptr) control->setText(Caption(place.caption));
  return control;
}

QLabel* Band(QWidget* parent, const layout::Place& place);
QFrame* Rule(QWidget* parent, const layout::Place& place);
QLineEdit* ReadOnlyBox(QWidget* parent, const layout::Place& place);
QRadioButton* Option(QWidget* parent, const layout::Place& place);

// A control whose background the layout fixes keeps dark text on it, as on the platform the
// layout was drawn for: a dark palette's light text would vanish on the light grey. Everything
// else follows the palette.
void FixBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
inline const QColor kGrey = QColor::fromRgb(layout::kGrey);

QFont WindowFont();
QFont GoFont(const QFont& windowFont);

// Screen readers announce the main window as a window (a frame), as they do every other
// application's, rather than as a plain container, and the announcer as a notification.
void InstallAccessibleRoles();

// A box taking the focus, as a screen reader should hear it; true where it was taken so.
bool FocusAsTold(QLineEdit* box, const QFocusEvent& focus);

}  // namespace ferrowick::controls
