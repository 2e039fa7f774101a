#include "platform/qt/x11_window_manager.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform::qt {

namespace {

std::atomic<bool> forgotten{false};

constexpr std::uint32_t kStateRemove = 0;
constexpr std::uint32_t kStateAdd = 1;
// A request "from a pager" is one the window manager follows without its
// focus-stealing rules: the user asked for it by acting on the clock.
constexpr std::uint32_t kSourcePager = 2;
constexpr std::uint32_t kSourceApplication = 1;

xcb_connection_t* Connection() {
  if (forgotten || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  return connection != nullptr && xcb_connection_has_error(connection) == 0 ? connection : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  static std::map<std::string, xcb_atom_t> known;
  static xcb_connection_t* knownOf = nullptr;
  if (knownOf != connection) {
    known.clear();
    knownOf = connection;
  }
  const auto found = known.find(name);
  if (found != known.end()) return found->second;
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(reply);
  known[name] = atom;
  return atom;
}

xcb_window_t RootOf(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
  return screens.rem > 0 ? screens.data->root : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

// The X window there is now for the widget, 0 when it has none yet.
xcb_window_t IdOf(QWidget* window) {
  const QWindow* handle = window != nullptr ? window->windowHandle() : nullptr;
  if (handle == nullptr || handle->handle() == nullptr) return XCB_WINDOW_NONE;
  return static_cast<xcb_window_t>(handle->winId());
}

void SendToRoot(xcb_connection_t* connection, xcb_window_t about, xcb_atom_t type, const std::uint32_t (&data)[5]) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = about;
  event.type = type;
  std::memcpy(event.data.data32, data, sizeof data);
  xcb_send_event(connection, 0, RootOf(connection),
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(connection);
}

std::vector<xcb_atom_t> AtomList(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  std::vector<xcb_atom_t> atoms;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 64), nullptr);
  if (reply != nullptr && reply->format == 32) {
    const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    atoms.assign(values, values + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return atoms;
}

bool Contains(const std::vector<xcb_atom_t>& atoms, xcb_atom_t atom) {
  for (xcb_atom_t a : atoms) {
    if (a == atom) return true;
  }
  return false;
}

// A window the keyboard may go back to: shown, and an ordinary window rather
// than a panel or the desktop.
bool TakesFocusBack(xcb_connection_t* connection, xcb_window_t window) {
  if (Contains(AtomList(connection, window, Atom(connection, "_NET_WM_STATE")),
               Atom(connection, "_NET_WM_STATE_HIDDEN"))) {
    return false;
  }
  const std::vector<xcb_atom_t> types = AtomList(connection, window, Atom(connection, "_NET_WM_WINDOW_TYPE"));
  return !Contains(types, Atom(connection, "_NET_WM_WINDOW_TYPE_DOCK")) &&
         !Contains(types, Atom(connection, "_NET_WM_WINDOW_TYPE_DESKTOP"));
}

class MapFilter final : public QAbstractNativeEventFilter {
 public:
  explicit MapFilter(std::function<void(unsigned long)> mapped) : mapped_(std::move(mapped)) {}

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (forgotten || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
      mapped_(reinterpret_cast<const xcb_map_notify_event_t*>(event)->window);
    }
    return false;
  }

 private:
  std::function<void(unsigned long)> mapped_;
};

}  // namespace

void AskToStayOnTop(QWidget* window, bool above) {
  xcb_connection_t* connection = Connection();
  const xcb_window_t id = IdOf(window);
  if (connection == nullptr || id == XCB_WINDOW_NONE) return;
  const std::uint32_t data[5] = {above ? kStateAdd : kStateRemove, Atom(connection, "_NET_WM_STATE_ABOVE"), 0,
                                 kSourceApplication, 0};
  SendToRoot(connection, id, Atom(connection, "_NET_WM_STATE"), data);
}

void HandFocusBack(QWidget* window) {
  xcb_connection_t* connection = Connection();
  const xcb_window_t own = IdOf(window);
  if (connection == nullptr || own == XCB_WINDOW_NONE) return;
  const xcb_window_t root = RootOf(connection);
  const xcb_atom_t stacking = Atom(connection, "_NET_CLIENT_LIST_STACKING");
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, root, stacking, XCB_ATOM_WINDOW, 0, 1024), nullptr);
  std::vector<xcb_window_t> bottomToTop;
  if (reply != nullptr && reply->format == 32) {
    const auto* values = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
    bottomToTop.assign(values, values + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  for (auto it = bottomToTop.rbegin(); it != bottomToTop.rend(); ++it) {
    if (*it == own || !TakesFocusBack(connection, *it)) continue;
    const std::uint32_t data[5] = {kSourcePager, XCB_CURRENT_TIME, own, 0, 0};
    SendToRoot(connection, *it, Atom(connection, "_NET_ACTIVE_WINDOW"), data);
    return;
  }
  xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, XCB_INPUT_FOCUS_POINTER_ROOT, XCB_CURRENT_TIME);
  xcb_flush(connection);
}

std::unique_ptr<QAbstractNativeEventFilter> WatchMaps(std::function<void(unsigned long id)> mapped) {
  auto filter = std::make_unique<MapFilter>(std::move(mapped));
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->installNativeEventFilter(filter.get());
  return filter;
}

unsigned long X11WindowOf(QWidget* window) { return Connection() != nullptr ? IdOf(window) : 0; }

void ForgetDisplay() { forgotten = true; }

bool DisplayForgotten() { return forgotten; }

}  // namespace platform::qt
