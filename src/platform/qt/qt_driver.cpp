#include "platform/qt/qt_driver.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QUrl>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "platform/user/inspect.h"
#include "platform/session/single_instance.h"
#include "platform/sound/alsa_beep.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/caption_window.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/file_chooser.h"
#include "platform/session/help_document.h"
#include "platform/qt/help_window.h"
#include "platform/qt/icon_image.h"
#include "platform/qt/key_router.h"
#include "platform/qt/message_box_window.h"
#include "platform/qt/program_turn.h"
#include "platform/qt/system_menu_popup.h"
#include "platform/qt/x11_window_manager.h"

namespace platform::qt {

namespace {

QtDriver* installedDriver = nullptr;

// The toolkit calls exit() from inside its event processing when the X
// connection breaks (the server was killed, XWayland restarted), so no turn
// of the program's loop follows. This runs then: the session ends as it does
// at a log-off (the settings are saved), the core's loop runs to its end
// without the display, the socket and the lock go, and the process leaves
// without running the toolkit's destructors into the dead connection.
void EndSessionWithoutDisplay() {
  QtDriver* driver = installedDriver;
  if (driver == nullptr || !driver->Waiting()) return;
  driver->LoseDisplay();
  PostInput(input::EndSession{});
  MSG message{};
  while (GetMessage(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  ReleaseSingleInstance();
  std::fputs("horatick: the X display is gone; the settings were saved and the clock has ended\n", stderr);
  std::fflush(stderr);
  _exit(1);
}

// Exit handlers run in the reverse order of their registration, and the
// objects the program made as it started are destroyed in the same order
// with them: registered at the program's first wait, the handler runs while
// everything the start made is still there.
void WatchForExitOnce() {
  static bool watched = false;
  if (watched) return;
  watched = true;
  std::atexit(EndSessionWithoutDisplay);
}

// Once the display is gone the program has this long to save and end; a
// dialog or box that waits for an answer no one can give does not hold it.
constexpr std::uint64_t kEndWithoutDisplayMs = 5000;

constexpr char kNoHelpText[] =
    "No help document was found: help.html is neither beside the program, nor where it is installed, "
    "nor in the source folder it was built from.";

bool IsControl(WindowKind kind) {
  return kind == WindowKind::Button || kind == WindowKind::Edit || kind == WindowKind::Static;
}

// A dialog's or a message box's controls in template order, each described
// once for the window that is being made.
std::vector<WindowSnapshot> DescribeControls(const WindowSnapshot& window) {
  std::vector<WindowSnapshot> controls;
  controls.reserve(window.children.size());
  for (HWND child : window.children) controls.push_back(DescribeWindow(child));
  return controls;
}

}  // namespace

QtDriver* InstalledQtDriver() { return installedDriver; }

QtDriver::QtDriver()
    : fonts_(LoadDesktopFonts()),
      keys_(std::make_unique<KeyRouter>([this](QWidget* widget) { return FindMirror(widget); },
                                        [this] { return systemMenu_ != nullptr && systemMenu_->IsOpen(); })),
      systemMenu_(std::make_unique<SystemMenuPopup>()),
      fileChooser_(std::make_unique<FileChooser>()) {
  MeasureFonts(fonts_, metrics_);
  MeasureScreens(metrics_);
  deadline_.setSingleShot(true);
  deadline_.setTimerType(Qt::PreciseTimer);
  qApp->installEventFilter(keys_.get());
  auto remeasure = [this] { MeasureScreens(metrics_); };
  QObject::connect(qApp, &QGuiApplication::screenAdded, keys_.get(), remeasure);
  QObject::connect(qApp, &QGuiApplication::screenRemoved, keys_.get(), remeasure);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QObject::connect(screen, &QScreen::virtualGeometryChanged, keys_.get(), remeasure);
  }
  // The desktop session is ending: the program saves and ends as it does
  // when the session of its own system ends.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, keys_.get(),
                   [](QSessionManager&) { PostInput(input::EndSession{}); });
  screenSaver_ = std::make_unique<bus::ScreenSaverWatch>();
  mapWatch_ = WatchMaps([this](unsigned long id) { WindowMapped(id); });
  InstallAccessibility();
  installedDriver = this;
}

QtDriver::~QtDriver() {
  if (installedDriver == this) installedDriver = nullptr;
  mapWatch_.reset();
  qApp->removeEventFilter(keys_.get());
  watch_.reset();
  screenSaver_.reset();
  fileChooser_.reset();
  help_.reset();
  systemMenu_.reset();
  windows_.clear();
  if (waitCursorShown_) QGuiApplication::restoreOverrideCursor();
}

// --- Waiting ----------------------------------------------------------------

void QtDriver::WaitForInput(std::optional<std::uint64_t> deadlineMs) {
  if (lost_) {
    WaitWithoutDisplay(deadlineMs);
    return;
  }
  if (QGuiApplication::platformName() == QLatin1String("xcb")) WatchForExitOnce();
  keys_->ProgramWaits();
  RunProgramWaitWork();
  FollowInstanceSocket();
  busWatch_.Follow();
  while (!woken_.exchange(false)) {
    if (deadlineMs) {
      const std::uint64_t now = MonotonicNowMs();
      if (now >= *deadlineMs) break;
      // The toolkit's clock and the core's may tick apart by a fraction of a
      // millisecond; one more keeps the timer from firing just before the
      // deadline and costing a second wakeup to reach it.
      const std::uint64_t remaining = *deadlineMs - now + 1;
      deadline_.start(static_cast<int>(remaining < INT_MAX ? remaining : INT_MAX));
    }
    waiting_ = true;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    waiting_ = false;
    // Objects the toolkit let go of (a closed menu, a file chooser) are
    // deleted here, as an event loop of its own would do.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  deadline_.stop();
}

void QtDriver::LoseDisplay() {
  if (lost_) return;
  lost_ = true;
  lostAtMs_ = MonotonicNowMs();
  ForgetDisplay();
}

void QtDriver::WaitWithoutDisplay(std::optional<std::uint64_t> deadlineMs) {
  const std::uint64_t now = MonotonicNowMs();
  if (now - lostAtMs_ > kEndWithoutDisplayMs) {
    std::fputs("horatick: the X display is gone, and the clock could not end in time\n", stderr);
    _exit(1);
  }
  // Short sleeps, so a wakeup (a signal's end of the session) is not missed.
  std::uint64_t sleepMs = 50;
  if (deadlineMs) sleepMs = *deadlineMs > now ? std::min<std::uint64_t>(*deadlineMs - now, sleepMs) : 0;
  if (!woken_.exchange(false) && sleepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
}

void QtDriver::WakeUp() {
  woken_ = true;
  if (lost_) return;
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(qApp->thread())) {
    dispatcher->wakeUp();
  }
}

void QtDriver::WatchInstanceSocket(std::function<void()> onCommandWaiting) {
  onInstanceCommand_ = std::move(onCommandWaiting);
  FollowInstanceSocket();
}

void QtDriver::FollowInstanceSocket() {
  const int fd = onInstanceCommand_ ? SingleInstanceSocketFd() : -1;
  if (fd == watchedFd_) return;
  watch_.reset();
  watchedFd_ = fd;
  if (fd < 0) return;
  watch_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(watch_.get(), &QSocketNotifier::activated, watch_.get(), [this] {
    if (onInstanceCommand_) onInstanceCommand_();
  });
}

// --- The window mirror --------------------------------------------------------

MirrorWindow* QtDriver::TopLevelOf(HWND hwnd) const {
  const auto found = windows_.find(hwnd);
  return found != windows_.end() ? found->second.get() : nullptr;
}

MirrorWindow* QtDriver::FindMirror(QWidget* topLevel) const {
  for (const auto& [handle, window] : windows_) {
    if (window.get() == topLevel) return window.get();
  }
  return nullptr;
}

QWidget* QtDriver::WidgetOf(HWND hwnd) const {
  if (MirrorWindow* window = TopLevelOf(hwnd)) return window;
  const auto owner = controlOwners_.find(hwnd);
  if (owner == controlOwners_.end()) return nullptr;
  MirrorWindow* window = TopLevelOf(owner->second);
  return window != nullptr ? window->ControlWidget(hwnd) : nullptr;
}

void QtDriver::WindowCreated(HWND hwnd) {
  if (!lost_) Mirror(DescribeWindow(hwnd));
}

void QtDriver::Mirror(const WindowSnapshot& window) {
  const HWND hwnd = window.handle;
  if (!window.exists || windows_.count(hwnd) != 0 || controlOwners_.count(hwnd) != 0) return;
  if (IsControl(window.kind)) {
    if (MirrorWindow* dialog = TopLevelOf(window.parent)) {
      controlOwners_[hwnd] = window.parent;
      dialog->AddControl(window);
    }
    return;
  }
  QWidget* owner = TopLevelOf(window.owner);
  std::unique_ptr<MirrorWindow> mirror;
  switch (window.kind) {
    case WindowKind::Dialog:
      mirror = std::make_unique<DialogWindow>(window, DescribeControls(window), fonts_.dialog, owner,
                                              metrics_.captionHeight);
      break;
    case WindowKind::MessageBox:
      mirror = std::make_unique<MessageBoxWindow>(window, DescribeControls(window), fonts_.dialog, owner);
      break;
    default:
      SetWindowIconFromProgram();
      mirror = std::make_unique<CaptionWindow>(window, fonts_.caption);
      break;
  }
  windows_[hwnd] = std::move(mirror);
  for (HWND child : window.children) controlOwners_[child] = hwnd;
}

void QtDriver::WindowChanged(HWND hwnd, unsigned bits) {
  if (lost_) return;
  if (MirrorWindow* window = TopLevelOf(hwnd)) {
    window->Apply(DescribeWindow(hwnd), bits);
    return;
  }
  const auto owner = controlOwners_.find(hwnd);
  if (owner == controlOwners_.end()) {
    WindowCreated(hwnd);
    return;
  }
  if (MirrorWindow* window = TopLevelOf(owner->second)) window->ApplyControl(DescribeWindow(hwnd), bits);
}

void QtDriver::WindowDestroyed(HWND hwnd) {
  if (hwnd == moving_) moving_ = nullptr;
  // The widgets stay: deleting one would talk to the server that is gone.
  if (lost_) return;
  const auto owner = controlOwners_.find(hwnd);
  if (owner != controlOwners_.end()) {
    if (MirrorWindow* window = TopLevelOf(owner->second)) window->RemoveControl(hwnd);
    controlOwners_.erase(owner);
    return;
  }
  const auto found = windows_.find(hwnd);
  if (found == windows_.end()) return;
  // The widget leaves the map before it is deleted: what its going away sets
  // off (the keyboard's focus moving on) finds no mirror of a window that is gone.
  const std::unique_ptr<MirrorWindow> window = std::move(found->second);
  windows_.erase(found);
  for (auto it = controlOwners_.begin(); it != controlOwners_.end();) {
    it = it->second == hwnd ? controlOwners_.erase(it) : std::next(it);
  }
}

void QtDriver::Repaint(HWND hwnd) {
  if (lost_) return;
  if (QWidget* widget = WidgetOf(hwnd)) widget->update();
}

void QtDriver::MessageBoxOpened(HWND box) {
  if (lost_) return;
  // The box is mirrored with its buttons as the core made it, or was already.
  WindowSnapshot shown = DescribeWindow(box);
  Mirror(shown);
  MirrorWindow* window = TopLevelOf(box);
  if (window == nullptr) return;
  // A message box is on screen from the moment it opens.
  shown.visible = true;
  window->Apply(shown, ~0u);
}

void QtDriver::WindowMapped(unsigned long id) {
  for (const auto& [handle, window] : windows_) {
    auto* caption = dynamic_cast<CaptionWindow*>(window.get());
    if (caption != nullptr && X11WindowOf(caption) == id) {
      caption->Mapped();
    }
  }
}

void QtDriver::SetWindowIconFromProgram() {
  if (iconSet_) return;
  iconSet_ = true;
  QIcon icon = QIcon::fromTheme(QStringLiteral("horatick"));
  const QImage drawn = IconImage(LoadIcon(nullptr, "Horatick"));
  if (!drawn.isNull()) icon.addPixmap(QPixmap::fromImage(drawn));
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

// --- Menus, moves, the file chooser, the cursor ---------------------------------

void QtDriver::MenuOpened(HWND owner, HMENU menu) {
  if (lost_) return;
  QPoint at = QCursor::pos();
  if (auto* caption = dynamic_cast<CaptionWindow*>(TopLevelOf(owner))) at = caption->SystemMenuPlace();
  systemMenu_->Open(menu, at);
}

void QtDriver::MenuHighlightChanged(HMENU, UINT id) {
  if (!lost_) systemMenu_->Highlight(id);
}

void QtDriver::MenuClosed(HWND, HMENU) {
  if (!lost_) systemMenu_->Close();
}

void QtDriver::FileChooserOpened(const FileChooserRequest& request) {
  if (lost_) return;
  fileChooser_->Open(request, TopLevelOf(request.owner));
}

void QtDriver::FileChooserClosed() {
  if (!lost_) fileChooser_->Close();
}

void QtDriver::MoveStarted(HWND hwnd) {
  if (lost_) return;
  moving_ = hwnd;
  if (auto* caption = dynamic_cast<CaptionWindow*>(TopLevelOf(hwnd))) caption->SetMoving(true);
}

void QtDriver::MoveEnded(HWND hwnd) {
  if (lost_) return;
  if (moving_ == hwnd) moving_ = nullptr;
  if (auto* caption = dynamic_cast<CaptionWindow*>(TopLevelOf(hwnd))) caption->SetMoving(false);
}

void QtDriver::CursorChanged(HCURSOR cursor) {
  if (lost_) return;
  if (waitCursor_ == nullptr) waitCursor_ = LoadCursor(nullptr, IDC_WAIT);
  const bool wait = cursor != nullptr && cursor == waitCursor_;
  if (wait && !waitCursorShown_) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursorShown_ = true;
  } else if (!wait && waitCursorShown_) {
    QGuiApplication::restoreOverrideCursor();
    waitCursorShown_ = false;
  }
}

// --- Services -------------------------------------------------------------------

BOOL QtDriver::Beep(DWORD frequencyHz, DWORD durationMs) {
  if (sound::PlayTone(frequencyHz, durationMs, nullptr)) return TRUE;
  // No sound device: the display bell marks the moment and the program is
  // held for the tone's length all the same, as its beeps are counted in time.
  ++bellsRung_;
  if (!lost_) QApplication::beep();
  std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
  return TRUE;
}

// The help is shown in the clock's own window, never handed to a browser:
// a desktop without one, or whose file handler is an editor, would show the
// page's source or nothing at all.
BOOL QtDriver::WinHelp(HWND hwnd, const char* helpFile, UINT command, UINT_PTR data) {
  if (command == HELP_QUIT) {
    if (help_ != nullptr && !lost_) help_->close();
    return TRUE;
  }
  if (lost_ || !help::IsClockHelpFile(helpFile)) return FALSE;
  const auto document = help::FindHelpDocument(helpFile);
  const auto address = document ? help::HelpAddress(*document, command, data) : std::nullopt;
  if (document && !address) return FALSE;
  if (address) {
    if (help_ == nullptr) help_ = std::make_unique<HelpWindow>();
    if (help_->Open(QUrl(QString::fromStdString(*address)))) return TRUE;
  }
  // A request for help is never met with nothing at all.
  const std::string text = document ? "The help document could not be read:\n" + *document
                                    : std::string(kNoHelpText);
  MessageBoxEx(hwnd, text.c_str(), "Horatick", MB_OK | MB_ICONINFORMATION, 0);
  return FALSE;
}

SHORT QtDriver::KeyState(int virtualKey) { return keys_->KeyState(virtualKey); }

}  // namespace platform::qt
