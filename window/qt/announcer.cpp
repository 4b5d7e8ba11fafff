// SPDX-License-Identifier: MIT
#include "announcer.h"

namespace ferrowick {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  resize(0, 0);
  hide();
}

void Announcer::Say(const QString& sentence) {
  // A reader speaks a notification when it comes into view, not when its words change.
  hide();
  setAccessibleName(sentence);
  show();
}

}  // namespace ferrowick
