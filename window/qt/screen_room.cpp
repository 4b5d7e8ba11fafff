// SPDX-License-Identifier: MIT
#include "screen_room.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

#include "wayland_outputs.h"

namespace ferrowick {
namespace {

// A desktop's panel at the top or bottom of a Wayland screen is at most this high.
constexpr int kPanelRoom = 48;

}  // namespace

int ScreenRoom(QSize reported, int available, qreal ratio, QSize device) {
  if (ratio > 1 && device.isValid() && reported == device) return qFloor(available / ratio);
  return available;
}

int ScreenRooms::On(QScreen* display) {
  int room = display->availableGeometry().height();
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return room;
  if (display->geometry() != modeAsked_) {
    modeAsked_ = display->geometry();
    deviceMode_ = WaylandOutputMode(modeAsked_.topLeft()).value_or(QSize());
  }
  room = ScreenRoom(display->size(), room, display->devicePixelRatio(), deviceMode_);
  // A Wayland compositor tells no program where its panels are: the whole screen is said to be
  // free. Room is left for a panel at the top or bottom.
  return room - kPanelRoom;
}

}  // namespace ferrowick
