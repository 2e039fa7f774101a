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
}

void QtDesk::TearDown() {
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

bool QtDesk::Pump(const std::function<bool()>& done, int limitMessages) {
  const UINT_PTR timer = SetTimer(nullptr, 0, kPumpIntervalMs, nullptr);
  bool reached = done();
  for (int handled = 0; !reached && handled < limitMessages; ++handled) {
    MSG message{};
    if (GetMessage(&message, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&message);
    DispatchMessage(&message);
    reached = done();
  }
  KillTimer(nullptr, timer);
  return reached;
}

void QtDesk::Settle() {
  // Two rounds of the pump's timer: what the toolkit had queued has reached
  // the core, and what the core made of it has come back.
  int ticks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, kPumpIntervalMs, nullptr);
  while (ticks < 3) {
    MSG message{};
    if (GetMessage(&message, nullptr, 0, 0) <= 0) break;
    if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == timer) ++ticks;
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  KillTimer(nullptr, timer);
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
