// SPDX-License-Identifier: MIT
#include "screen_room.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <QtMath>

#include "controls.h"
#include "wayland_outputs.h"

namespace ferrowick {
namespace {

// A desktop's panel at the top or bottom of a Wayland screen is at most this high.
constexpr int kPanelRoom = 48;

}  // namespace

std::pair<QScrollArea*, QWidget*> ScrollingClient(QWidget* window, QSize size) {
  auto* scroller = new QScrollArea(window);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* client = new QWidget;
  client->setFixedSize(size);
  scroller->setWidget(client);
  // The window's own background shows through.
  for (QWidget* layer : {static_cast<QWidget*>(scroller), scroller->viewport(), client}) {
    layer->setAutoFillBackground(false);
  }
  auto* frame = new QVBoxLayout(window);
  frame->setContentsMargins(0, 0, 0, 0);
  frame->addWidget(scroller);
  return {scroller, client};
}

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

void FitWindow(const Fitting& parts, int room, int frame, int shortest) {
  using controls::Px;
  const int width = Px(layout::kClientWidth);
  // Two lines of the log stay in view, however small the screen.
  const int keep = 2 * parts.status->fontMetrics().lineSpacing() +
                   parts.status->horizontalScrollBar()->sizeHint().height() + 4;
  const layout::Fit fit = layout::FitIn(Px(layout::kClientHeight), frame, room,
                                        Px(layout::txtStatus.height), keep, shortest);
  parts.status->resize(parts.status->width(), fit.status);
  parts.client->setFixedSize(width, fit.client);
  // Shorter still, the client area scrolls; the title bar stays on the screen.
  const int bar =
      fit.shown < fit.client ? parts.scroller->verticalScrollBar()->sizeHint().width() : 0;
  parts.window->setFixedSize(width + bar, fit.shown);
}

int FrameHeight(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  const QMargins margins = handle != nullptr ? handle->frameMargins() : QMargins();
  const int frame = margins.top() + margins.bottom();
  return frame > 0 ? frame : window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
}

}  // namespace ferrowick
