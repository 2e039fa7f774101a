// Window timers on the virtual clock: order, restarts, kills, late ticks,
// and ticks inside modal loops.
#include <gtest/gtest.h>

#include "core/sample_program.h"

namespace {

struct Tick {
  UINT_PTR id;
  std::uint64_t atMs;  // virtual milliseconds since the program started
  bool operator==(const Tick&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Tick& tick) {
  return out << "{timer " << tick.id << " at " << tick.atMs << " ms}";
}

// A program that starts timers 1 (500 ms) and 2 (2000 ms) and writes down
// every tick it gets.
class TwoTimers : public ::testing::Test {
 protected:
  void SetUp() override {
    sample::Script& script = sample::TheScript();
    script = sample::Script{};
    script.onStart = [this](HWND hwnd) {
      startMs_ = GetTickCount64();
      SetTimer(hwnd, 1, 500, nullptr);
      SetTimer(hwnd, 2, 2000, nullptr);
    };
    script.onMessage = [this](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_TIMER) return std::nullopt;
      ticks_.push_back(Tick{wParam, GetTickCount64() - startMs_});
      if (onTick_) onTick_(wParam);
      return 0;
    };
  }

  std::uint64_t startMs_ = 0;
  std::vector<Tick> ticks_;
  std::function<void(UINT_PTR)> onTick_;
};

TEST_F(TwoTimers, TicksArriveAtTheirOwnTimesOldestTimerFirstOnATie) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(4000);
  const std::vector<Tick> expected = {
      {1, 500},  {1, 1000}, {1, 1500}, {1, 2000}, {2, 2000}, {1, 2500},
      {1, 3000}, {1, 3500}, {1, 4000}, {2, 4000},
  };
  EXPECT_EQ(ticks_, expected);
}

TEST_F(TwoTimers, ADayOfVirtualTimeDeliversEveryTick) {
  Desk desk{sample::SampleSettings().trace(false)};
  desk.start();
  desk.advance(24ull * 3600 * 1000);
  EXPECT_EQ(ticks_.size(), 216'000u);
  EXPECT_EQ(desk.now(), "1992-12-08 15:05:09.000");
}

TEST_F(TwoTimers, SettingATimerAgainRestartsItAndKillingItStopsIt) {
  auto counting = sample::TheScript().onMessage;
  sample::TheScript().onMessage = [counting](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_USER) {
      SetTimer(h, 1, 500, nullptr);
      return 0;
    }
    return counting(h, m, w, l);
  };
  onTick_ = [](UINT_PTR id) {
    if (id == 2) KillTimer(sample::MainWindow(), 2);
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(400);
  // Timer 1 set again 400 ms into its first interval: its next tick is 500 ms from then.
  desk.post(sample::MainWindow(), WM_USER, 0, 0);
  desk.advance(4600);
  const std::vector<Tick> expected = {{1, 900},  {1, 1400}, {1, 1900}, {2, 2000}, {1, 2400},
                                      {1, 2900}, {1, 3400}, {1, 3900}, {1, 4400}, {1, 4900}};
  EXPECT_EQ(ticks_, expected);
}

TEST_F(TwoTimers, ALateTimerFiresOnceAndKeepsItsIntervalFromThen) {
  // A 1.7 s beep inside the first tick holds the program while three more
  // ticks of timer 1 come due.
  onTick_ = [this](UINT_PTR) {
    if (ticks_.size() == 1) Beep(200, 1700);
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(3000);
  const std::vector<Tick> expected = {{1, 500}, {1, 2200}, {2, 2200}, {1, 2700}};
  EXPECT_EQ(ticks_, expected);
}

TEST_F(TwoTimers, PostedMessagesComeBeforeADueTimer) {
  std::vector<UINT> order;
  sample::TheScript().onStart = [&order](HWND hwnd) {
    SetTimer(hwnd, 1, 500, nullptr);
    PostMessage(hwnd, WM_USER + 1, 0, 0);
    PostMessage(hwnd, WM_USER + 2, 0, 0);
  };
  sample::TheScript().onMessage = [&order](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_TIMER || message > WM_USER) order.push_back(message);
    if (message == WM_USER + 1) Beep(100, 600);  // the timer is due before WM_USER + 2 is handled
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_TIMER}));
}

TEST_F(TwoTimers, ARefusedTimerReportsZero) {
  UINT_PTR result = 99;
  sample::TheScript().onStart = [&result](HWND hwnd) { result = SetTimer(hwnd, 1, 500, nullptr); };
  Desk desk{sample::SampleSettings()};
  desk.refuseTimer(1);
  desk.start();
  EXPECT_EQ(result, 0u);
  desk.advance(2000);
  EXPECT_TRUE(ticks_.empty());
}

TEST_F(TwoTimers, TimersKeepFiringWhileADialogIsOpen) {
  sample::TheScript().onMessage = [this, inner = sample::TheScript().onMessage](HWND h, UINT m, WPARAM w,
                                                                                  LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_USER) {
      DialogBoxParam(sample::Instance(), "SampleDialog", h, sample::SampleDialogProc, 0);
      return 0;
    }
    return inner(h, m, w, l);
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.post(sample::MainWindow(), WM_USER, 0, 0);
  ASSERT_TRUE(desk.hasDialog("Sample"));
  desk.advance(2000);
  EXPECT_EQ(ticks_.size(), 5u);
  desk.dialog("Sample").click(IDOK);
  EXPECT_FALSE(desk.hasDialog("Sample"));
}

}  // namespace

namespace {

int procTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++procTicks; }

// A timer with its own procedure calls that procedure; a WM_TIMER that
// merely claims a procedure in its lParam calls nothing.
TEST(TimerProcedures, OnlyTheProcedureSetForTheTimerIsCalled) {
  procTicks = 0;
  sample::TheScript() = sample::Script{};
  sample::TheScript().onStart = [](HWND hwnd) { SetTimer(hwnd, 3, 1000, CountTick); };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(3000);
  EXPECT_EQ(procTicks, 3);
  desk.post(sample::MainWindow(), WM_TIMER, 3, 0x1234);  // no procedure there: nothing is called
  desk.post(sample::MainWindow(), WM_TIMER, 9, reinterpret_cast<LPARAM>(&CountTick));  // not that timer's
  EXPECT_EQ(procTicks, 3);
  EXPECT_EQ(desk.trace(sample::MainWindow(), {WM_TIMER}).size(), 0u);
}

}  // namespace
