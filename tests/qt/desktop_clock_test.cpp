// The whole clock on the desktop driver: started through its entry point,
// each dialog opened from the system menu as a person would, each window
// drawn. With HORATICK_SCREENSHOT_DIR set, the pictures are kept there (the
// documentation's screenshots are made so).
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>
#include <set>

#include "app/entry.h"
#include "app/main_window.h"
#include "whole_clock_fixture.h"

namespace qt_test {
namespace {


// How many colours a picture has, up to a few: a window that drew nothing
// but its background has one.
int ColoursIn(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height() && colours.size() < 8; y += 2) {
    for (int x = 0; x < image.width() && colours.size() < 8; x += 2) colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

class DesktopClockTest : public WholeClockDesk {
 protected:

  // Keeps a picture of the window; true when it shows something.
  bool Shoot(QWidget* window, const char* name) {
    const QImage image = window->grab().toImage();
    if (const char* dir = std::getenv("HORATICK_SCREENSHOT_DIR"); dir != nullptr && dir[0] != '\0') {
      image.save(QString::fromUtf8(dir) + "/" + name + ".png");
    }
    return !image.isNull() && ColoursIn(image) > 2;
  }

  // The dialog with this title is up and has the keyboard.
  std::function<bool()> Up(const char* title) {
    return [this, title] {
      QWidget* window = VisibleWindowTitled(title);
      return window != nullptr && QApplication::activeWindow() == window;
    };
  }

};

TEST_F(DesktopClockTest, TheClockAndEachOfItsDialogsAreDrawn) {
  struct Shot {
    UINT command;
    const char* title;
    const char* file;
  };
  const Shot shots[] = {
      {IDM_ALARMS, "Alarm Settings", "alarm-settings"}, {IDM_TIMERS, "Timers", "timers"},
      {IDM_PREFERENCES, "Preferences", "preferences"},  {IDM_SETDATETIME, "Time and Date", "time-and-date"},
      {IDM_ABOUT, "About", "about"},
  };
  std::vector<std::string> drawn;
  auto shoot = [&](const char* title, const char* file) {
    if (Shoot(VisibleWindowTitled(title), file)) drawn.push_back(file);
  };
  auto next = [&](std::size_t i) {
    platform::PostToCore(Clock(), WM_SYSCOMMAND, i < std::size(shots) ? shots[i].command : SC_CLOSE, 0);
  };
  auto closed = [&](const char* title) {
    return [this, title] { return VisibleWindowTitled(title) == nullptr && IsWindowEnabled(Clock()); };
  };
  When([&] { return Clock() != nullptr && WidgetOf(Clock()) != nullptr && WidgetOf(Clock())->isVisible(); },
       [&] {
         if (Shoot(WidgetOf(Clock()), "clock")) drawn.push_back("clock");
         next(0);
       });
  // Alarm Settings, and Enhanced Alarms opened from it.
  When(Up("Alarm Settings"), [&] {
    shoot("Alarm Settings", "alarm-settings");
    QWidget* enhanced = nullptr;
    for (HWND hwnd : platform::TopLevelWindows()) {
      if (platform::DescribeWindow(hwnd).text == "Alarm Settings") enhanced = WidgetOf(GetDlgItem(hwnd, 601));
    }
    ASSERT_NE(enhanced, nullptr);
    Press(enhanced, QPoint(4, 4));
    Release(enhanced, QPoint(4, 4));
  });
  When(Up("Enhanced Alarms"), [&] {
    shoot("Enhanced Alarms", "enhanced-alarms");
    VisibleWindowTitled("Enhanced Alarms")->close();
  });
  When(Up("Alarm Settings"), [&] { VisibleWindowTitled("Alarm Settings")->close(); });
  When(closed("Alarm Settings"), [&] { next(1); });
  for (std::size_t i = 1; i < std::size(shots); ++i) {
    When(Up(shots[i].title), [&, i] {
      shoot(shots[i].title, shots[i].file);
      VisibleWindowTitled(shots[i].title)->close();
    });
    When(closed(shots[i].title), [&, i] { next(i + 1); });
  }
  char commandLine[] = "";
  EXPECT_EQ(HoratickMain(Instance(), nullptr, commandLine, SW_SHOWNORMAL), 0);
  const std::vector<std::string> expected = {"clock",       "alarm-settings", "enhanced-alarms", "timers",
                                             "preferences", "time-and-date",  "about"};
  EXPECT_EQ(drawn, expected);
}

}  // namespace
}  // namespace qt_test
