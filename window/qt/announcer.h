// SPDX-License-Identifier: MIT
#pragma once
// Tells a screen reader a sentence without the focus moving and without anything to see: a
// notification of no size, shown afresh for each sentence, which an AT-SPI reader speaks as it
// appears.

#include <QWidget>

namespace ferrowick {

class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);
  void Say(const QString& sentence);
};

}  // namespace ferrowick
