// What the core's message machinery costs: a day of window-timer ticks on the
// virtual clock, and one posted message on its way to its procedure.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "platform/kernel/driver.h"
#include "platform/headless/headless_driver.h"
#include "platform/win32.h"
#include "support/clock_text.h"

namespace {

using platform::headless::HeadlessDriver;

constexpr std::uint64_t kDayMs = 24ull * 3600 * 1000;

std::uint64_t dispatched = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER || message == WM_USER) {
    ++dispatched;
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

const ResourceModule kNoResources = {nullptr, 0, nullptr, 0, nullptr, 0};

HWND MakeWindow() {
  WNDCLASS windowClass{};
  windowClass.lpfnWndProc = CountingProc;
  windowClass.lpszClassName = "Bench";
  windowClass.hInstance = RegisterResourceModule(&kNoResources);
  RegisterClass(&windowClass);
  return CreateWindow("Bench", "", WS_POPUP | WS_CAPTION, 0, 0, 200, 20, nullptr, nullptr, windowClass.hInstance,
                      nullptr);
}

int TwoTimerProgram() {
  HWND hwnd = MakeWindow();
  SetTimer(hwnd, 1, 500, nullptr);
  SetTimer(hwnd, 2, 2000, nullptr);
  MSG message{};
  while (GetMessage(&message, nullptr, 0, 0) > 0) DispatchMessage(&message);
  return 0;
}

// 216,000 WM_TIMER dispatches: a 500 ms and a 2000 ms timer for 24 hours.
void DayOfTwoTimers(benchmark::State& state) {
  HeadlessDriver driver;
  platform::ResetCore();
  platform::InstallDriver(&driver);
  SetUtcClock(driver, "1992-12-07 15:05:09");
  driver.StartProgram(TwoTimerProgram);
  driver.RunUntilIdle();
  std::uint64_t ticks = 0;
  for (auto _ : state) {
    dispatched = 0;
    driver.RunUntilIdle(driver.MonotonicNowMs() + kDayMs);
    ticks = dispatched;
  }
  state.counters["dispatches"] = static_cast<double>(ticks);
  driver.StopProgram();
  platform::ResetCore();
  platform::InstallDriver(nullptr);
}
BENCHMARK(DayOfTwoTimers)->Unit(benchmark::kMillisecond);

// PostMessage, GetMessage, DispatchMessage: one message to its procedure.
void PostedMessageToProcedure(benchmark::State& state) {
  HeadlessDriver driver;
  platform::ResetCore();
  platform::InstallDriver(&driver);
  HWND hwnd = MakeWindow();
  MSG message{};
  for (auto _ : state) {
    PostMessage(hwnd, WM_USER, 1, 2);
    GetMessage(&message, nullptr, 0, 0);
    DispatchMessage(&message);
  }
  benchmark::DoNotOptimize(dispatched);
  platform::ResetCore();
  platform::InstallDriver(nullptr);
}
BENCHMARK(PostedMessageToProcedure);

}  // namespace

BENCHMARK_MAIN();
