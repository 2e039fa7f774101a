// The arrow keys in a dialog of the whole clock on the desktop: Down and Up on
// a radio button of the Preferences dialog's time format group move the
// toolkit's focus through the group, and the dialog's choice follows.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <ostream>

#include "app/entry.h"
#include "app/main_window.h"
#include "settings/preferences.h"
#include "display/preferences_dialog.h"
#include "whole_clock_fixture.h"

namespace qt_test {
namespace {


constexpr int kTimeFormats[] = {kTimeFormat12hSuffix, kTimeFormat24h, kTimeFormat12h};

// A step that never comes ends the wait after this long instead of hanging
// the test; what was seen by then is what the test checks.
constexpr qint64 kPatienceMs = 5000;

// What a person sees after a key: the button with the focus, the button
// checked, and the dialog's own choice (its working copy).
struct Seen {
  int focus;
  int shown;
  int chosen;
  bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* out) {
  *out << "{focus " << seen.focus << ", shown " << seen.shown << ", chosen " << seen.chosen << "}";
}

class DialogArrowKeysTest : public WholeClockDesk {
 protected:

  static HWND Preferences() {
    for (HWND hwnd : platform::TopLevelWindows()) {
      const platform::WindowSnapshot window = platform::DescribeWindow(hwnd);
      if (window.visible && window.text == "Preferences") return hwnd;
    }
    return nullptr;
  }

  // The time format whose radio button the toolkit shows checked, and the one
  // whose button has the toolkit's focus; 0 for none.
  int ShownChoice() const {
    for (int id : kTimeFormats) {
      if (static_cast<QAbstractButton*>(WidgetOf(GetDlgItem(Preferences(), id)))->isChecked()) return id;
    }
    return 0;
  }
  int ToolkitFocus() const {
    for (int id : kTimeFormats) {
      if (WidgetOf(GetDlgItem(Preferences(), id)) == QApplication::focusWidget()) return id;
    }
    return 0;
  }

  // Ready once the focus and the dialog's choice are on this time format, or
  // once waiting longer makes no sense.
  std::function<bool()> Reached(int id) {
    return [this, id] {
      if (!patience_.isValid()) patience_.start();
      const bool there = ToolkitFocus() == id && dialogTimeFormat == id && ShownChoice() == id;
      if (!there && !patience_.hasExpired(kPatienceMs)) return false;
      patience_.invalidate();
      return true;
    };
  }

  QElapsedTimer patience_;
};

TEST_F(DialogArrowKeysTest, DownAndUpWalkTheTimeFormatGroupAndTheChoiceFollows) {
  std::vector<Seen> seen;
  // Looks, then presses the key where the keyboard is.
  auto lookAndPress = [&](int qtKey) {
    seen.push_back(Seen{ToolkitFocus(), ShownChoice(), dialogTimeFormat});
    QWidget* focus = QApplication::focusWidget();
    Key(focus != nullptr ? focus : WidgetOf(Preferences()), qtKey);
  };

  When([] { return Clock() != nullptr && IsWindowVisible(Clock()); },
       [] { platform::PostToCore(Clock(), WM_SYSCOMMAND, IDM_PREFERENCES, 0); });
  When([this] { return Preferences() != nullptr && QApplication::activeWindow() == WidgetOf(Preferences()); },
       [this] {
         QWidget* first = WidgetOf(GetDlgItem(Preferences(), kTimeFormat12hSuffix));
         Press(first, first->rect().center());
         Release(first, first->rect().center());
       });
  When(Reached(kTimeFormat12hSuffix), [&] { lookAndPress(Qt::Key_Down); });
  When(Reached(kTimeFormat24h), [&] { lookAndPress(Qt::Key_Down); });
  When(Reached(kTimeFormat12h), [&] { lookAndPress(Qt::Key_Down); });
  When(Reached(kTimeFormat12hSuffix), [&] { lookAndPress(Qt::Key_Up); });
  When(Reached(kTimeFormat12h), [&] { lookAndPress(Qt::Key_Return); });
  When([] { return Preferences() == nullptr && IsWindowEnabled(Clock()); },
       [] { platform::PostToCore(Clock(), WM_SYSCOMMAND, SC_CLOSE, 0); });
  char commandLine[] = "";
  EXPECT_EQ(HoratickMain(Instance(), nullptr, commandLine, SW_SHOWNORMAL), 0);

  const std::vector<Seen> expected = {
      {kTimeFormat12hSuffix, kTimeFormat12hSuffix, kTimeFormat12hSuffix},
      {kTimeFormat24h, kTimeFormat24h, kTimeFormat24h},
      {kTimeFormat12h, kTimeFormat12h, kTimeFormat12h},
      {kTimeFormat12hSuffix, kTimeFormat12hSuffix, kTimeFormat12hSuffix},  // Down wrapped around
      {kTimeFormat12h, kTimeFormat12h, kTimeFormat12h},                       // Up wrapped back
  };
  EXPECT_EQ(seen, expected);
  // Enter on the radio button is OK: the last choice is the clock's.
  EXPECT_EQ(prefs->timeFormat, kTimeFormat12h);
}

}  // namespace
}  // namespace qt_test
