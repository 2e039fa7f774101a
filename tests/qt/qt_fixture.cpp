#include "qt_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <cstdlib>

#include "platform/qt/desktop_driver.h"
#include "resources/resources.h"

namespace qt_test {

namespace {

constexpr char kTestClass[] = "QtDeskWindow";
constexpr UINT kPumpIntervalMs = 10;
// What the settle mark posts to the core's queue once the toolkit reached it.
constexpr UINT kSettledMessage = WM_USER + 0x3e7;
const QEvent::Type kSettleMarkEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

std::vector<Recorded>& Recording() {
  static std::vector<Recorded> recorded;
  return recorded;
}

std::function<void(HWND, UINT, WPARAM, LPARAM)>& Reaction() {
  static std::function<void(HWND, UINT, WPARAM, LPARAM)> reaction;
  return reaction;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Recording().push_back(Recorded{hwnd, message, wParam, lParam});
  if (Reaction()) Reaction()(hwnd, message, wParam, lParam);
  return DefWindowProc(hwnd, message, wParam, lParam);
}

void PostMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  const QPointF local(at);
  const QPointF global(widget->mapToGlobal(at));
  QCoreApplication::postEvent(widget, new QMouseEvent(type, local, global, button, held, Qt::NoModifier));
}

}  // namespace

class QtDesk::StepTimer : public QTimer {};

// Stands at the end of the toolkit's queue: once it is delivered, so is
// everything posted before it, and it wakes the core's loop with a message.
class QtDesk::SettleMark : public QObject {
 public:
  explicit SettleMark(platform::qt::QtDriver& driver) : driver_(driver) {}
  bool event(QEvent* event) override {
    if (event->type() != kSettleMarkEvent) return QObject::event(event);
    PostMessage(nullptr, kSettledMessage, 0, 0);
    driver_.WakeUp();
    return true;
  }

 private:
  platform::qt::QtDriver& driver_;
};

// Counts every event the toolkit delivers to anything but the settle mark
// and the steps' timer, which are the desk's own.
class QtDesk::Activity : public QObject {
 public:
  Activity(const QObject* mark, const QObject* stepTimer) : mark_(mark), stepTimer_(stepTimer) {}
  bool eventFilter(QObject* watched, QEvent*) override {
    if (watched != mark_ && watched != stepTimer_) ++count;
    return false;
  }
  long long count = 0;

 private:
  const QObject* mark_;
  const QObject* stepTimer_;
};

void QtDesk::SetUp() {
  setenv("QT_QPA_PLATFORM", platform_, 1);
  platform::ResetCore();
  Recording().clear();
  Reaction() = nullptr;
  ASSERT_TRUE(platform::qt::InstallDesktopDriver(argc_, argv_));
  driver_ = platform::qt::InstalledQtDriver();
  ASSERT_NE(driver_, nullptr);
  instance_ = RegisterResourceModule(&kHoratickResources);
  WNDCLASS wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = instance_;
  wc.lpszClassName = kTestClass;
  ASSERT_NE(RegisterClass(&wc), 0);
  stepTimer_ = new StepTimer;
  stepTimer_->setInterval(2);
  QObject::connect(stepTimer_, &QTimer::timeout, [this] { RunSteps(); });
  stepTimer_->start();
  settleMark_ = new SettleMark(*driver_);
  activity_ = new Activity(settleMark_, stepTimer_);
  qApp->installEventFilter(activity_);
}

void QtDesk::TearDown() {
  if (activity_ != nullptr) qApp->removeEventFilter(activity_);
  delete activity_;
  activity_ = nullptr;
  delete settleMark_;
  settleMark_ = nullptr;
  delete stepTimer_;
  stepTimer_ = nullptr;
  for (HWND hwnd : platform::TopLevelWindows()) DestroyWindow(hwnd);
  platform::qt::RemoveDesktopDriver();
  platform::ResetCore();
}

HWND QtDesk::CreateCaptionWindow(DWORD style, RECT rect, const char* title) {
  const HWND hwnd = CreateWindowEx(0, kTestClass, title, style, rect.left, rect.top, rect.right - rect.left,
                                   rect.bottom - rect.top, nullptr, nullptr, instance_, nullptr);
  if (hwnd != nullptr) ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  Settle();
  return hwnd;
}

const std::vector<Recorded>& QtDesk::Messages() const { return Recording(); }

std::vector<Recorded> QtDesk::MessagesOf(UINT message) const {
  std::vector<Recorded> found;
  for (const Recorded& entry : Recording()) {
    if (entry.message == message) found.push_back(entry);
  }
  return found;
}

void QtDesk::ClearMessages() { Recording().clear(); }

void QtDesk::OnMessage(std::function<void(HWND, UINT, WPARAM, LPARAM)> reaction) {
  Reaction() = std::move(reaction);
}

bool QtDesk::Pump(const std::function<bool()>& done, std::chrono::milliseconds guard) {
  const UINT_PTR timer = SetTimer(nullptr, 0, kPumpIntervalMs, nullptr);
  bool ended = false;
  WaitUntil([&] { return ended || done(); },
            [&] {
              MSG message{};
              if (GetMessage(&message, nullptr, 0, 0) <= 0) {
                ended = true;
                return;
              }
              TranslateMessage(&message);
              DispatchMessage(&message);
            },
            guard);
  KillTimer(nullptr, timer);
  return done();
}

void QtDesk::Settle() {
  if (!WaitUntil([this] { return QuietRound(); }, [] {})) ADD_FAILURE() << "the desk never came to rest";
}

bool QtDesk::QuietRound() {
  const long long before = activity_->count;
  bool handled = false;
  QCoreApplication::postEvent(settleMark_, new QEvent(kSettleMarkEvent));
  for (;;) {
    MSG message{};
    // The program was asked to end: nothing more comes.
    if (GetMessage(&message, nullptr, 0, 0) <= 0) return true;
    if (message.hwnd == nullptr && message.message == kSettledMessage) break;
    TranslateMessage(&message);
    DispatchMessage(&message);
    handled = true;
  }
  return !handled && activity_->count == before;
}

void QtDesk::When(std::function<bool()> ready, std::function<void()> act) {
  steps_.push_back(Step{std::move(ready), std::move(act)});
}

void QtDesk::RunSteps() {
  if (steps_.empty() || !steps_.front().ready()) return;
  const Step step = steps_.front();
  steps_.erase(steps_.begin());
  step.act();
}

QWidget* QtDesk::VisibleWindowTitled(const std::string& title) const {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == QString::fromStdString(title)) return widget;
  }
  return nullptr;
}

void QtDesk::Press(QWidget* widget, QPoint at, Qt::MouseButton button) {
  PostMouse(widget, QEvent::MouseButtonPress, at, button, button);
}

void QtDesk::Release(QWidget* widget, QPoint at, Qt::MouseButton button) {
  PostMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void QtDesk::DoubleClick(QWidget* widget, QPoint at) {
  Press(widget, at);
  Release(widget, at);
  PostMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
  Release(widget, at);
}

void QtDesk::MoveHeld(QWidget* widget, QPoint to) {
  PostMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
}

void QtDesk::Key(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, qtKey, modifiers, text));
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, qtKey, modifiers, text));
}

}  // namespace qt_test
