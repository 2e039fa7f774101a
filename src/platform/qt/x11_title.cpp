#include "platform/qt/x11_title.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>

#include "platform/qt/x11_window_manager.h"

namespace platform::qt {

namespace {

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  xcb_atom_t atom = XCB_ATOM_NONE;
  if (reply != nullptr) atom = reply->atom;
  std::free(reply);
  return atom;
}

// WM_NAME is Latin-1 text by its old convention; a face with other
// characters (an AM/PM word of another script) is written as UTF-8, which
// every reader of today takes.
bool IsLatin1(const QByteArray& utf8) {
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0x80) != 0) return false;
  }
  return true;
}

// The events this program selected on the window, asked for once per window:
// the toolkit sets them when it makes the window and leaves them so.
std::optional<std::uint32_t> OwnEventMask(xcb_connection_t* connection, xcb_window_t id) {
  static std::map<xcb_window_t, std::optional<std::uint32_t>> known;
  static xcb_connection_t* knownOf = nullptr;
  if (knownOf != connection) {
    known.clear();
    knownOf = connection;
  }
  const auto found = known.find(id);
  if (found != known.end()) return found->second;
  std::optional<std::uint32_t> mask;
  xcb_get_window_attributes_reply_t* reply =
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
  if (reply != nullptr) mask = reply->your_event_mask;
  std::free(reply);
  known[id] = mask;
  return mask;
}

}  // namespace

bool SetX11Title(QWidget* window, const QByteArray& utf8, bool flushNow) {
  if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->testAttribute(Qt::WA_WState_Created) ||
      DisplayForgotten()) {
    return false;
  }
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  // Atoms never change for a connection; they are asked for once.
  static xcb_connection_t* atomsOf = nullptr;
  static xcb_atom_t netWmName = XCB_ATOM_NONE;
  static xcb_atom_t utf8String = XCB_ATOM_NONE;
  if (atomsOf != connection) {
    netWmName = InternAtom(connection, "_NET_WM_NAME");
    utf8String = InternAtom(connection, "UTF8_STRING");
    atomsOf = connection;
  }
  if (netWmName == XCB_ATOM_NONE || utf8String == XCB_ATOM_NONE) return false;
  // The window handle's id is the X window there is now; the widget's own
  // may still name one the toolkit has replaced.
  const QWindow* handle = window->windowHandle();
  if (handle == nullptr || handle->handle() == nullptr) return false;
  const auto id = static_cast<xcb_window_t>(handle->winId());
  const std::optional<std::uint32_t> mask = OwnEventMask(connection, id);
  const auto length = static_cast<std::uint32_t>(utf8.size());
  const xcb_atom_t wmNameType = IsLatin1(utf8) ? static_cast<xcb_atom_t>(XCB_ATOM_STRING) : utf8String;
  // The clock listens to its own window's property changes (the window
  // manager's minimise state comes that way), so each retitle would come
  // back to it as two events and wake it twice more a second. It stops
  // listening just for the retitle; the server is held for those few
  // requests so that no other program's change can fall between them unheard.
  const bool quiet = mask.has_value() && (*mask & XCB_EVENT_MASK_PROPERTY_CHANGE) != 0;
  if (quiet) {
    const std::uint32_t without = *mask & ~static_cast<std::uint32_t>(XCB_EVENT_MASK_PROPERTY_CHANGE);
    xcb_grab_server(connection);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &without);
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmName, utf8String, 8, length, utf8.constData());
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, wmNameType, 8, length,
                      utf8.constData());
  if (quiet) {
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &*mask);
    xcb_ungrab_server(connection);
  }
  if (flushNow) xcb_flush(connection);
  // Otherwise not flushed here: the toolkit flushes the connection on its next pass,
  // which sends the new title in one write with the repaint of the face, so
  // the X server and this program wake once for both instead of twice.
  return true;
}

}  // namespace platform::qt
