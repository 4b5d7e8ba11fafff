// SPDX-License-Identifier: MIT
#pragma once
// How high a window may be on the screen it is on.

#include <QRect>
#include <QSize>
#include <utility>

class QAbstractScrollArea;
class QScreen;
class QScrollArea;
class QWidget;

namespace ferrowick {

// The height a screen has for windows, in their pixels: its available height as Qt gives it,
// unless its compositor's own figures contradict Qt's. A compositor that lays out whole scales
// in device pixels (mutter) reports the device pixels as the screen's logical size, and Qt takes
// them for logical ones: a 2560x1440 screen at 200 % becomes 2560x1440 logical pixels at a ratio
// of 2, twice its height. `device` is the output's mode where the compositor gave it.
int ScreenRoom(QSize reported, int available, qreal ratio, QSize device);

// The room for a window on each screen it is shown on; the compositor is asked again only of
// another screen, or of one that changed.
class ScreenRooms {
 public:
  int On(QScreen* display);

 private:
  QSize deviceMode_;  // of the output the window was last on
  QRect modeAsked_;   // the screen it was asked for
};

// The controls' area of the designed `size`, in an area that fills `window` and scrolls them
// where a screen cannot hold even the shortest window (a small screen at a large scale).
std::pair<QScrollArea*, QWidget*> ScrollingClient(QWidget* window, QSize size);

// The parts of a window that give way to a low screen: the window, the area its controls scroll
// in, the controls' area of the designed size and the status box, which alone gives up height.
struct Fitting {
  QWidget* window;
  QScrollArea* scroller;
  QWidget* client;
  QAbstractScrollArea* status;
};
// Where the screen's work area, `room` pixels high, cannot take the designed window and its
// `frame`, the status box alone is made shorter until it can, down to two lines; below that the
// controls scroll in a window of the room there is, never below `shortest`. Otherwise the design
// holds.
void FitWindow(const Fitting& parts, int room, int frame, int shortest);

// The frame the window system draws around `window`, or on Wayland the title bar Qt draws
// itself; before the window is framed, a title bar's height stands in for it.
int FrameHeight(const QWidget& window);

}  // namespace ferrowick
