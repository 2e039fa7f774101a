// The cost of one face refresh: FormatClockTime then FormatClockFace, as the
// clock window runs them up to twice a second. The refresh must not allocate;
// the global operator new is replaced to count allocations during the runs.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "base/clock_app.h"
#include "app/program_state.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "platform/kernel/driver.h"
#include "platform/headless/headless_driver.h"
#include "resources/resources.h"
#include "timers/timer_engine.h"
#include "support/clock_text.h"

namespace {

std::atomic<std::size_t> allocationCount{0};

void* CountedAllocation(std::size_t size) {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return CountedAllocation(size); }
void* operator new[](std::size_t size) { return CountedAllocation(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {

// The clock's state at 1992-12-07 15:05:09 with the default preferences.
class FaceScene {
 public:
  FaceScene() {
    platform::ResetCore();
    ResetHoratickState();
    platform::InstallDriver(&driver_);
    SetLocalClock(driver_, "1992-12-07 15:05:09");
    instance = RegisterResourceModule(&kHoratickResources);
    SetDefaultPreferences(record_);
    prefs = &record_;
    SetTimersStartState();
  }
  ~FaceScene() {
    platform::InstallDriver(nullptr);
    ResetHoratickState();
    platform::ResetCore();
  }

 private:
  platform::headless::HeadlessDriver driver_;
  Preferences record_{};
};

void RunFaceRefresh(benchmark::State& state) {
  const std::size_t before = allocationCount.load();
  for (auto _ : state) {
    FormatClockTime();
    FormatClockFace(nullptr);
    benchmark::DoNotOptimize(clockText);
  }
  const std::size_t allocations = allocationCount.load() - before;
  state.counters["allocations_per_pair"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
  state.SetLabel(clockText);
}

void BM_FaceWithDefaults(benchmark::State& state) {
  FaceScene scene;
  RunFaceRefresh(state);
}
BENCHMARK(BM_FaceWithDefaults);

void BM_FaceWithTwoTimersRunning(benchmark::State& state) {
  FaceScene scene;
  timers[0].showTime = 1;
  timers[0].showDate = 1;
  StartStopwatch(0);
  StartCountdown(2, 90);
  RunFaceRefresh(state);
}
BENCHMARK(BM_FaceWithTwoTimersRunning);

}  // namespace

BENCHMARK_MAIN();
