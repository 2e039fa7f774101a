// A desktop driver on the offscreen platform, with small programs of the
// tests' own (a caption window, a dialog) run through the real core, and the
// person at the desk played by synthesised toolkit events.
//
// The core runs on the test's thread. Modal parts of it (a dialog, a menu, a
// caption drag) run their own loops inside a call the test makes, so the
// test says beforehand what to do once something is on screen: When(ready,
// act) is looked at while the toolkit is idle and acts once, in order.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QWidget>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"
#include "platform/qt/qt_driver.h"
#include "platform/win32.h"
#include "support/wait_until.h"

namespace qt_test {

struct Recorded {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class QtDesk : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  platform::qt::QtDriver& Driver() { return *driver_; }
  HINSTANCE Instance() const { return instance_; }

  // A top-level window of the tests' class, whose procedure records every
  // message and passes it on to DefWindowProc; shown without activation.
  HWND CreateCaptionWindow(DWORD style, RECT rect, const char* title);
  // Every message the tests' window procedure saw, oldest first.
  const std::vector<Recorded>& Messages() const;
  // Called for every message the tests' window procedure sees, before it is
  // passed on (a program's own reaction to it).
  static void OnMessage(std::function<void(HWND, UINT, WPARAM, LPARAM)> reaction);
  std::vector<Recorded> MessagesOf(UINT message) const;
  void ClearMessages();

  // Runs the message loop until done() holds; a thread timer brings the loop
  // back to look at it. The guard only keeps a broken run from hanging.
  // true when done.
  bool Pump(const std::function<bool()>& done, std::chrono::milliseconds guard = kWaitGuard);
  // Handles what is queued now and what comes of it: the toolkit's events
  // reach the core, and what the core made of them comes back, until the
  // two have nothing more for each other.
  void Settle();

  // Once ready() holds while the toolkit is idle, act() runs; the steps run
  // in the order they were given, each after the one before.
  void When(std::function<bool()> ready, std::function<void()> act);
  // Where the desk is shown: the offscreen platform, unless a test with a
  // display of its own names another before SetUp.
  void UsePlatform(const char* platform) { platform_ = platform; }

  QWidget* WidgetOf(HWND hwnd) const { return driver_->WidgetOf(hwnd); }
  // The one top-level widget of a visible dialog or message box with this title.
  QWidget* VisibleWindowTitled(const std::string& title) const;

  // Mouse and keys, delivered through the toolkit's event queue as a window
  // system would deliver them.
  void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void Release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void DoubleClick(QWidget* widget, QPoint at);
  // The pointer moves to `to` (widget coordinates) with the left button held.
  void MoveHeld(QWidget* widget, QPoint to);
  void Key(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {});

 private:
  struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
  };
  void RunSteps();
  // One wait of the program's; true when neither the toolkit nor the core
  // had anything to do in it.
  bool QuietRound();

  const char* platform_ = "offscreen";
  int argc_ = 1;
  char name_[16] = "horatick_tests";
  char* argv_[2] = {name_, nullptr};
  platform::qt::QtDriver* driver_ = nullptr;
  HINSTANCE instance_ = nullptr;
  std::vector<Step> steps_;
  class StepTimer;
  StepTimer* stepTimer_ = nullptr;
  class SettleMark;
  SettleMark* settleMark_ = nullptr;
  class Activity;
  Activity* activity_ = nullptr;
};

}  // namespace qt_test
