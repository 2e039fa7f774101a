#include "x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "support/wait_until.h"

namespace wm_test {

namespace {

pid_t Spawn(const std::vector<std::string>& args, const std::string& display, int keepFd = -1) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  const int quiet = ::open("/dev/null", O_RDWR);
  ::dup2(quiet, STDOUT_FILENO);
  ::dup2(quiet, STDERR_FILENO);
  if (keepFd >= 0) ::fcntl(keepFd, F_SETFD, 0);
  if (!display.empty()) ::setenv("DISPLAY", display.c_str(), 1);
  std::vector<std::string> all = args;
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ::execvp(argv[0], argv.data());
  ::_exit(127);
}

// The display number Xvfb writes to the descriptor once it listens.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < until) {
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 500) <= 0) continue;
    char c = 0;
    if (::read(fd, &c, 1) != 1) break;
    if (c == '\n') return number;
    number += c;
  }
  return {};
}

void Stop(pid_t& pid, int signal) {
  if (pid <= 0) return;
  ::kill(pid, signal);
  if (!WaitUntil([&] { return ::waitpid(pid, nullptr, WNOHANG) != 0; })) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  pid = -1;
}

}  // namespace

bool LooksLikeFace(const std::string& title) { return title.find(':') != std::string::npos; }

XSession::XSession(const std::string& windowManager) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return;
  server_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                  "", fds[1]);
  ::close(fds[1]);
  const std::string number = ReadDisplayNumber(fds[0]);
  ::close(fds[0]);
  if (number.empty()) return;
  display_ = ":" + number;
  connection_ = xcb_connect(display_.c_str(), nullptr);
  if (xcb_connection_has_error(connection_) != 0) return;
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  std::vector<std::string> command = {windowManager, "--sm-disable"};
  manager_ = Spawn(command, display_);
  // A window manager has taken the screen once it names itself on the root.
  const xcb_atom_t check = Atom("_NET_SUPPORTING_WM_CHECK");
  ready_ = WaitFor([&] { return !ListProperty(root_, check, XCB_ATOM_WINDOW).empty(); });
}

XSession::~XSession() {
  if (connection_ != nullptr) xcb_disconnect(connection_);
  Stop(manager_, SIGTERM);
  Stop(server_, SIGTERM);
}

void XSession::KillServer() {
  if (server_ > 0) ::kill(server_, SIGKILL);
}

bool XSession::WaitFor(const std::function<bool()>& condition, int guardMs) {
  return WaitUntil(condition, std::chrono::milliseconds(guardMs));
}

xcb_atom_t XSession::Atom(const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

std::string XSession::AtomName(xcb_atom_t atom) {
  xcb_get_atom_name_reply_t* reply = xcb_get_atom_name_reply(connection_, xcb_get_atom_name(connection_, atom), nullptr);
  std::string name;
  if (reply != nullptr) name.assign(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
  std::free(reply);
  return name;
}

std::vector<std::uint32_t> XSession::ListProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
  std::vector<std::uint32_t> values;
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(connection_, xcb_get_property(connection_, 0, window, property, type, 0, 1024), nullptr);
  if (reply != nullptr && reply->format == 32) {
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return values;
}

std::string XSession::TextProperty(xcb_window_t window, xcb_atom_t property) {
  std::string text;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
  if (reply != nullptr && reply->format == 8) {
    text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  }
  std::free(reply);
  return text;
}

std::optional<xcb_window_t> XSession::ClockWindow() {
  DrainEvents();
  const xcb_atom_t dialog = Atom("_NET_WM_WINDOW_TYPE_DIALOG");
  for (std::uint32_t window : ListProperty(root_, Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW)) {
    const std::string windowClass = TextProperty(window, XCB_ATOM_WM_CLASS);
    if (windowClass.find("horatick") == std::string::npos) continue;
    if (!ListProperty(window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW).empty()) continue;
    bool isDialog = false;
    for (std::uint32_t type : ListProperty(window, Atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM)) {
      if (type == dialog) isDialog = true;
    }
    if (!isDialog) return window;
  }
  return std::nullopt;
}

bool XSession::PopupShown() {
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr);
  if (tree == nullptr) return false;
  bool shown = false;
  const xcb_window_t* children = xcb_query_tree_children(tree);
  for (int i = 0; i < xcb_query_tree_children_length(tree) && !shown; ++i) {
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, children[i]), nullptr);
    if (attributes != nullptr && attributes->override_redirect != 0 && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
        TextProperty(children[i], XCB_ATOM_WM_CLASS).find("horatick") != std::string::npos) {
      shown = true;
    }
    std::free(attributes);
  }
  std::free(tree);
  return shown;
}

bool XSession::Viewable(xcb_window_t window) {
  xcb_get_window_attributes_reply_t* reply =
      xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr);
  const bool viewable = reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
  std::free(reply);
  return viewable;
}

std::vector<std::string> XSession::States(xcb_window_t window) {
  std::vector<std::string> names;
  for (std::uint32_t atom : ListProperty(window, Atom("_NET_WM_STATE"), XCB_ATOM_ATOM)) names.push_back(AtomName(atom));
  return names;
}

bool XSession::HasState(xcb_window_t window, const std::string& state) {
  for (const std::string& name : States(window)) {
    if (name == state) return true;
  }
  return false;
}

std::string XSession::NetTitle(xcb_window_t window) { return TextProperty(window, Atom("_NET_WM_NAME")); }

std::string XSession::OldTitle(xcb_window_t window) { return TextProperty(window, XCB_ATOM_WM_NAME); }

Place XSession::PlaceOf(xcb_window_t window) {
  Place place;
  xcb_get_geometry_reply_t* geometry =
      xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
  xcb_translate_coordinates_reply_t* origin =
      xcb_translate_coordinates_reply(connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr);
  if (geometry != nullptr && origin != nullptr) place = Place{origin->dst_x, origin->dst_y, geometry->width, geometry->height};
  std::free(geometry);
  std::free(origin);
  return place;
}

void XSession::Watch(xcb_window_t window) {
  DrainEvents();
  watched_.clear();
  unmaps_ = 0;
  const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection_);
  watched_.push_back(window);
}

int XSession::Unmaps() {
  // A round trip first: every event the server sent before it has arrived.
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
  DrainEvents();
  return unmaps_;
}

void XSession::DrainEvents() {
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
    if ((event->response_type & 0x7f) == XCB_UNMAP_NOTIFY) {
      const auto* unmap = reinterpret_cast<xcb_unmap_notify_event_t*>(event);
      for (xcb_window_t window : watched_) {
        if (unmap->window == window) ++unmaps_;
      }
    }
    std::free(event);
  }
}

bool XSession::Xdotool(const std::vector<std::string>& args) {
  std::vector<std::string> command = {"xdotool"};
  command.insert(command.end(), args.begin(), args.end());
  const pid_t pid = Spawn(command, display_);
  int status = 0;
  if (pid <= 0 || ::waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace wm_test
