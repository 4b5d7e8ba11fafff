// SPDX-License-Identifier: MIT
#include "wayland_outputs.h"

#include <wayland-client.h>

#include <cstring>
#include <vector>

namespace ferrowick {
namespace {

struct Output {
  wl_output* proxy = nullptr;
  QPoint position;
  QSize mode;
};

void Geometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char*,
              const char*, int32_t) {
  static_cast<Output*>(data)->position = QPoint(x, y);
}

void Mode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
  if ((flags & WL_OUTPUT_MODE_CURRENT) != 0)
    static_cast<Output*>(data)->mode = QSize(width, height);
}

void Ignore(void*, wl_output*) {}
void Scale(void*, wl_output*, int32_t) {}

// Bound at version 2, an output sends no name or description.
constexpr wl_output_listener kOutputListener = {Geometry, Mode, Ignore, Scale, nullptr, nullptr};

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t version) {
  if (std::strcmp(interface, wl_output_interface.name) != 0) return;
  auto& outputs = *static_cast<std::vector<Output>*>(data);
  // Version 2 has the mode and the scale; nothing later is needed.
  outputs.push_back({static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface,
                                                              version < 2 ? version : 2)),
                     {},
                     {}});
}

void GlobalRemove(void*, wl_registry*, uint32_t) {}

constexpr wl_registry_listener kRegistryListener = {Global, GlobalRemove};

}  // namespace

std::optional<QSize> WaylandOutputMode(QPoint position) {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return std::nullopt;
  // Filled in place once every output is known: nothing moves them while listeners hold them.
  std::vector<Output> outputs;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, &outputs);
  std::optional<QSize> mode;
  if (wl_display_roundtrip(display) >= 0) {
    for (Output& output : outputs) wl_output_add_listener(output.proxy, &kOutputListener, &output);
    if (wl_display_roundtrip(display) >= 0) {
      for (const Output& output : outputs) {
        if (output.mode.isValid() && (outputs.size() == 1 || output.position == position)) {
          mode = output.mode;
        }
      }
    }
  }
  for (const Output& output : outputs) wl_output_destroy(output.proxy);
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return mode;
}

}  // namespace ferrowick
