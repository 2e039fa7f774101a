// One virtual day of the whole clock on the headless driver: the face shows
// seconds (rebuilt every second) and ten enabled repeating alarms are scanned
// on every tick of both timers without ever coming due. 216,000 timer
// messages go through the real window procedure.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/entry.h"
#include "app/main_window_files.h"
#include "app/program_state.h"
#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"
#include "platform/session/settings_folder.h"
#include "platform/headless/headless_driver.h"
#include "resources/resources.h"
#include "support/clock_text.h"

namespace {

constexpr std::uint64_t kDayMs = 24ull * 60 * 60 * 1000;

// Every alarm goes off on Sundays only, at its own time; the day run is a Monday.
std::string SundayAlarmsWithSeconds() {
  clock_files::Configuration files;
  files.preferences.displaySeconds = 1;
  for (int i = 0; i < kAlarmCount; ++i) {
    AlarmRecord& alarm = files.alarms[i];
    alarm.enabled = 1;
    alarm.dateMode = kAlarmEnhanced;
    alarm.amPmMode = kAlarm24h;
    alarm.hour = static_cast<std::uint8_t>(7 + i);
    alarm.minute = 30;
    alarm.year = 1992;
    alarm.month = 12;
    alarm.day = 6;
    alarm.weekday[0] = 1;
    alarm.everyWeek = 1;
  }
  return files.Image();
}

std::string ClockTitle() {
  for (HWND hwnd : platform::TopLevelWindows()) {
    const platform::WindowSnapshot shot = platform::DescribeWindow(hwnd);
    if (shot.className == "Horatick") return shot.text;
  }
  return {};
}

void BM_WholeDay(benchmark::State& state) {
  setenv("TZ", "UTC", 1);
  tzset();
  const std::string image = SundayAlarmsWithSeconds();
  for (auto _ : state) {
    std::string folder = (std::filesystem::temp_directory_path() / "horatick-day-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
      state.SkipWithError("no settings folder");
      return;
    }
    std::ofstream(folder + "/HORATICK.CFG", std::ios::binary) << image;

    platform::ResetCore();
    platform::headless::HeadlessDriver driver;
    platform::InstallDriver(&driver);
    SetLocalClock(driver, "1992-12-07 00:00:00");
    platform::SetSettingsFolder(folder.c_str());
    ResetHoratickState();
    HINSTANCE instance = RegisterResourceModule(&kHoratickResources);
    driver.StartProgram([instance] {
      char commandLine[] = "";
      return HoratickMain(instance, nullptr, commandLine, SW_SHOWNORMAL);
    });
    driver.RunUntilIdle();

    const auto begin = std::chrono::steady_clock::now();
    const auto result = driver.RunUntilIdle(driver.MonotonicNowMs() + kDayMs);
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
    if (result != platform::headless::HeadlessDriver::RunResult::Idle || !driver.Beeps().empty() ||
        ClockTitle() != "12:00:00 AM  Tue 12/08/92 ") {
      state.SkipWithError("the day did not run through quietly to the next midnight");
    }

    driver.StopProgram();
    platform::InstallDriver(nullptr);
    platform::ResetCore();
    platform::ResetSettingsFolder();
    std::filesystem::remove_all(folder);
  }
}
BENCHMARK(BM_WholeDay)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
