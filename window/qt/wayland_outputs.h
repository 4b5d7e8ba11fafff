// SPDX-License-Identifier: MIT
#pragma once
// What a Wayland compositor itself says of its outputs, asked on a connection of our own: Qt
// keeps the figures it was sent to itself, and gives a screen only the logical size it was told.

#include <QPoint>
#include <QSize>
#include <optional>

namespace ferrowick {

// The current mode of the output at `position` of the compositor's layout (the only one, where
// there is one), in device pixels; nothing where no compositor answers.
std::optional<QSize> WaylandOutputMode(QPoint position);

}  // namespace ferrowick
