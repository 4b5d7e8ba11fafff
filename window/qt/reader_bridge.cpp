// SPDX-License-Identifier: MIT
// What Qt 6.4's bridge to assistive technologies leaves out, answered beside it. A screen reader
// asks a text to scroll a range into view (Text.ScrollSubstringTo) and an object to scroll itself
// into view (Component.ScrollTo) at every line of a Say All; Qt's bridge knows neither and
// answers each with an error, which Orca logs as an exception and which can end its Say All.
//
// Qt hands every message of its bus connections to its own filter, which takes them all, so a
// filter of ours must come first on the connection. Qt adds its filter with libdbus's
// dbus_connection_add_filter; the program exports a function of that name (the link option in
// CMakeLists.txt), which the dynamic linker gives Qt in its place: it adds our filter first, then
// Qt's, through libdbus's own.
#include <dbus/dbus.h>
#include <dlfcn.h>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCoreApplication>
#include <QScrollArea>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace ferrowick {
namespace {

constexpr char kObjects[] = "/org/a11y/atspi/accessible/";

// The accessible a message is for, by the number its path ends in; 0 for none (the root).
QAccessible::Id Target(DBusMessage* message) {
  const char* path = dbus_message_get_path(message);
  if (path == nullptr || std::strncmp(path, kObjects, sizeof kObjects - 1) != 0) return 0;
  char* end = nullptr;
  const unsigned long id = std::strtoul(path + sizeof kObjects - 1, &end, 10);
  return end != nullptr && *end == '\0' ? static_cast<QAccessible::Id>(id) : 0;
}

// Done on the window's thread, where the accessible objects live; the bus thread only asks.
void OnWindowThread(QAccessible::Id id, int start, int end, bool text) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [id, start, end, text] {
        QAccessibleInterface* object = QAccessible::accessibleInterface(id);
        if (object == nullptr) return;
        if (text) {
          if (QAccessibleTextInterface* range = object->textInterface()) {
            range->scrollToSubstring(start, end);
          }
          return;
        }
        // The object itself into the view of the scroll area that holds it, if any does.
        auto* widget = qobject_cast<QWidget*>(object->object());
        for (QWidget* above = widget; above != nullptr; above = above->parentWidget()) {
          if (auto* area = qobject_cast<QScrollArea*>(above); area != nullptr && area != widget) {
            area->ensureWidgetVisible(widget);
            return;
          }
        }
      },
      Qt::QueuedConnection);
}

DBusHandlerResult Scrolls(DBusConnection* connection, DBusMessage* message, void*) {
  const bool substring =
      dbus_message_is_method_call(message, "org.a11y.atspi.Text", "ScrollSubstringTo") != 0;
  const bool object =
      dbus_message_is_method_call(message, "org.a11y.atspi.Component", "ScrollTo") != 0;
  const bool point =
      dbus_message_is_method_call(message, "org.a11y.atspi.Text", "ScrollSubstringToPoint") != 0;
  if (!substring && !object && !point) return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
  const QAccessible::Id id = Target(message);
  dbus_int32_t start = 0;
  dbus_int32_t end = 0;
  dbus_uint32_t how = 0;
  dbus_bool_t done = FALSE;
  if (id != 0 && substring &&
      dbus_message_get_args(message, nullptr, DBUS_TYPE_INT32, &start, DBUS_TYPE_INT32, &end,
                            DBUS_TYPE_UINT32, &how, DBUS_TYPE_INVALID)) {
    OnWindowThread(id, start, end, true);
    done = TRUE;
  } else if (id != 0 && object) {
    OnWindowThread(id, 0, 0, false);
    done = TRUE;
  }
  // A point on the screen is nothing a box of ours scrolls to: no, rather than an error.
  if (DBusMessage* reply = dbus_message_new_method_return(message)) {
    dbus_message_append_args(reply, DBUS_TYPE_BOOLEAN, &done, DBUS_TYPE_INVALID);
    dbus_connection_send(connection, reply, nullptr);
    dbus_message_unref(reply);
  }
  return DBUS_HANDLER_RESULT_HANDLED;
}

using AddFilter = dbus_bool_t (*)(DBusConnection*, DBusHandleMessageFunction, void*,
                                  DBusFreeFunction);

AddFilter Real() {
  static const auto real =
      reinterpret_cast<AddFilter>(dlsym(RTLD_NEXT, "dbus_connection_add_filter"));
  return real;
}

}  // namespace
}  // namespace ferrowick

// In the place of libdbus's, for Qt: ours first on every connection, then the filter asked for.
// Ours takes only the three requests above, which no other connection carries.
extern "C" dbus_bool_t dbus_connection_add_filter(DBusConnection* connection,
                                                  DBusHandleMessageFunction function, void* data,
                                                  DBusFreeFunction free) {
  const ferrowick::AddFilter real = ferrowick::Real();
  if (real == nullptr) return FALSE;
  if (function != ferrowick::Scrolls) real(connection, ferrowick::Scrolls, nullptr, nullptr);
  return real(connection, function, data, free);
}
