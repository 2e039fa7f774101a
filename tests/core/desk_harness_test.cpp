// The harness itself: the same scenario gives the same trace, a step that
// waits for what never comes fails with a reason, desks follow one another
// in one process, and the clocks move as a test says.
#include <gtest/gtest.h>

#include "core/sample_program.h"

namespace {

// Ticks, a dialog opened by a tick, typing and a message box: the trace of
// all of it, with handles and parameters.
std::vector<TraceEntry> BusyScenario() {
  sample::TheScript() = sample::Script{};
  sample::TheScript().onStart = [](HWND hwnd) {
    SetTimer(hwnd, 1, 500, nullptr);
    SetTimer(hwnd, 2, 2000, nullptr);
  };
  sample::TheScript().onMessage = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_TIMER && wParam == 2 && IsWindowEnabled(hwnd)) {
      DialogBoxParam(sample::Instance(), "SampleDialog", hwnd, sample::SampleDialogProc, 0);
      MessageBox(hwnd, "Done", "Sample", MB_OKCANCEL);
    }
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(2500);
  desk.dialog("Sample").type(sample::kEdit, "abc").click(sample::kCheck).click(sample::kAutoRadio2);
  desk.advance(1200);
  desk.dialog("Sample").enter();
  desk.advance(700);
  desk.messageBox().answer(IDCANCEL);
  desk.advance(900);
  return desk.trace();
}

TEST(DeskHarness, TheSameScenarioGivesTheSameTraceEveryTime) {
  const std::vector<TraceEntry> first = BusyScenario();
  const std::vector<TraceEntry> second = BusyScenario();
  EXPECT_GT(first.size(), 40u);
  EXPECT_EQ(first, second);
}

TEST(DeskHarness, AStepThatWaitsForWhatNeverComesFailsWithItsReason) {
  sample::TheScript() = sample::Script{};
  Desk desk{sample::SampleSettings()};
  desk.start();
  try {
    desk.advanceUntil([] { return false; }, 60'000, "a dialog");
    FAIL() << "advanceUntil came back";
  } catch (const DeskError& error) {
    EXPECT_NE(std::string(error.what()).find("a dialog did not happen within 60000 ms"), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(desk.now(), "1992-12-07 15:06:09.000");
  try {
    desk.dialog("Alarm Settings");
    FAIL() << "a dialog that is not open was found";
  } catch (const DeskError& error) {
    EXPECT_STREQ(error.what(), "no open dialog with the caption \"Alarm Settings\" (open: none)");
  }
  EXPECT_THROW(desk.messageBox(), DeskError);
  EXPECT_THROW(desk.chooseFile("/bin/true"), DeskError);
  EXPECT_THROW(desk.advanceTo("tomorrow"), DeskError);
}

TEST(DeskHarness, DesksFollowOneAnotherInOneProcessFromAFreshCore) {
  for (int round = 0; round < 3; ++round) {
    sample::TheScript() = sample::Script{};
    sample::TheScript().exitCode = round;
    Desk desk{sample::SampleSettings()};
    desk.start();
    EXPECT_EQ(desk.topLevelWindows().size(), 1u);
    EXPECT_EQ(desk.trace().size(), 2u);  // WM_CREATE, WM_MOVE: nothing left from the round before
    desk.close();
    EXPECT_EQ(desk.exitCode(), round);
  }
}

TEST(DeskHarness, ADeskLeftRunningIsStoppedWhenItGoes) {
  sample::TheScript() = sample::Script{};
  sample::TheScript().onMessage = [](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) DialogBoxParam(sample::Instance(), "SampleDialog", hwnd, sample::SampleDialogProc, 0);
    return std::nullopt;
  };
  {
    Desk desk{sample::SampleSettings()};
    desk.start();
    desk.post(sample::MainWindow(), WM_USER, 0, 0);
    ASSERT_TRUE(desk.hasDialog("Sample"));
  }
  Desk next{sample::SampleSettings()};
  next.start();
  EXPECT_TRUE(next.dialogCaptions().empty());
}

// The program reads both clocks on every tick.
struct Reading {
  std::string local;
  std::uint64_t tickMs;
};

class Clocks : public ::testing::Test {
 protected:
  void SetUp() override {
    sample::TheScript() = sample::Script{};
    sample::TheScript().onStart = [](HWND hwnd) { SetTimer(hwnd, 1, 1000, nullptr); };
    sample::TheScript().onMessage = [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_TIMER) return std::nullopt;
      SYSTEMTIME now{};
      GetLocalTime(&now);
      char text[32];
      std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
      readings_.push_back(Reading{text, GetTickCount64()});
      return 0;
    };
  }

  std::vector<std::string> locals() const {
    std::vector<std::string> out;
    for (const Reading& r : readings_) out.push_back(r.local);
    return out;
  }

  std::vector<Reading> readings_;
};

TEST_F(Clocks, ADaylightSavingChangeMovesTheLocalClockAndNotTheTimerClock) {
  Desk desk{sample::SampleSettings().timeZone("EST5EDT,M3.2.0,M11.1.0").at("1993-03-14 01:59:58")};
  desk.start();
  desk.advance(3000);
  EXPECT_EQ(locals(), (std::vector<std::string>{"01:59:59", "03:00:00", "03:00:01"}));
  EXPECT_EQ(readings_[2].tickMs - readings_[0].tickMs, 2000u);
}

TEST_F(Clocks, AClockSetByHandJumpsTheWallClockOnly) {
  Desk desk{sample::SampleSettings().at("1992-12-07 15:05:09")};
  desk.start();
  desk.advance(1000);
  desk.setClock("1992-12-07 09:00:00");
  desk.advance(1000);
  EXPECT_EQ(locals(), (std::vector<std::string>{"15:05:10", "09:00:01"}));
  EXPECT_EQ(readings_[1].tickMs - readings_[0].tickMs, 1000u);
}

TEST_F(Clocks, AResumeJumpsBothClocksAndALateTimerFiresOnce) {
  Desk desk{sample::SampleSettings().at("1992-12-07 15:05:09")};
  desk.start();
  desk.suspendFor(3'600'000);
  EXPECT_EQ(locals(), (std::vector<std::string>{"16:05:09"}));
  desk.advanceTimerClockOnly(5000);  // time the wall clock did not see
  EXPECT_EQ(locals(), (std::vector<std::string>{"16:05:09", "16:05:09"}));
  EXPECT_EQ(readings_[1].tickMs - readings_[0].tickMs, 5000u);
}

TEST_F(Clocks, TheTimeZoneCanChangeWhileTheProgramRuns) {
  Desk desk{sample::SampleSettings().at("1992-12-07 15:05:09")};
  desk.start();
  desk.advance(1000);
  desk.setTimeZone("JST-9");
  desk.advance(1000);
  EXPECT_EQ(locals(), (std::vector<std::string>{"15:05:10", "00:05:11"}));
  EXPECT_EQ(desk.now(), "1992-12-08 00:05:11.000");
}

}  // namespace

namespace {

// A program that spins on the clock never waits for input: on the virtual
// clock it would spin for ever, so the step gives up with a reason.
TEST(DeskHarnessDeathTest, AProgramThatNeverWaitsEndsTheTestWithAReason) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  sample::TheScript() = sample::Script{};
  sample::TheScript().onMessage = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) {
      const std::uint64_t until = GetTickCount64() + 1000;
      while (GetTickCount64() < until) {
      }
    }
    return std::nullopt;
  };
  EXPECT_DEATH(
      {
        Desk desk{sample::SampleSettings().stepTimeoutSeconds(1)};
        desk.start();
        desk.post(sample::MainWindow(), WM_USER, 0, 0);
      },
      "did not come back to wait for input");
}

}  // namespace
