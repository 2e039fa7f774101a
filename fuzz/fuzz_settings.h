// What the fuzz targets share: a settings folder of their own, made once per
// run, and the check that the loaded records are inside their sets.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/program_state.h"
#include "base/clock_app.h"
#include "settings/alarm_record.h"
#include "settings/preferences.h"

inline const std::string& FuzzFolder() {
  static const std::string folder = [] {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/horatick-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  static const bool removedAtExit = [] {
    // libFuzzer ends a bounded run through exit(), so the folder goes with it.
    return std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(FuzzFolder(), ignored);
    }) == 0;
  }();
  (void)removedAtExit;
  return folder;
}

// Each input starts from the program's fresh state, its records pointed at
// the target's own, empty ones.
inline void UseFreshRecords(Preferences& record, AlarmRecord* table) {
  ResetHoratickState();
  record = Preferences{};
  for (int i = 0; i < kAlarmCount; ++i) table[i] = AlarmRecord{};
  prefs = &record;
  alarms = table;
  charHeight = 16;
}

inline void WriteFuzzFile(const std::string& name, const unsigned char* data, std::size_t size) {
  const std::string path = FuzzFolder() + "/" + name;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

#define FUZZ_CHECK(condition)                                        \
  do {                                                               \
    if (!(condition)) {                                              \
      std::fprintf(stderr, "fuzz check failed: %s\n", #condition);  \
      std::abort();                                                  \
    }                                                                \
  } while (0)

template <typename T>
bool OneOf(T value, std::initializer_list<int> allowed) {
  for (int a : allowed) {
    if (value == a) return true;
  }
  return false;
}

template <std::size_t N>
bool EndsInZero(const char (&text)[N]) {
  return std::memchr(text, '\0', N) != nullptr;
}

// Every field the clock relies on is inside its set.
inline void CheckLoadedSettings(const Preferences& p, const AlarmRecord* table, std::int16_t pm) {
  FUZZ_CHECK(OneOf(p.timeFormat, {105, 106, 107}));
  FUZZ_CHECK(OneOf(p.weekdayStyle, {205, 206, 207}));
  FUZZ_CHECK(OneOf(p.monthStyle, {305, 306, 307, 308, 309}));
  FUZZ_CHECK(OneOf(p.dayStyle, {405, 406, 407}));
  FUZZ_CHECK(OneOf(p.yearStyle, {505, 506, 507}));
  FUZZ_CHECK(OneOf(p.dateOrder, {605, 606, 607}));
  FUZZ_CHECK(OneOf(p.locationMode, {705, 706}));
  FUZZ_CHECK(OneOf(p.screenSaverMode, {905, 906, 907}));
  FUZZ_CHECK(EndsInZero(p.version));
  FUZZ_CHECK(EndsInZero(p.separator));
  FUZZ_CHECK(OneOf(pm, {148, 149}));
  for (int i = 0; i < kAlarmCount; ++i) {
    const AlarmRecord& r = table[i];
    FUZZ_CHECK(OneOf(r.amPmMode, {118, 119, 120}));
    FUZZ_CHECK(OneOf(r.dateMode, {600, 601}));
    FUZZ_CHECK(OneOf(r.action, {124, 125}));
    FUZZ_CHECK(OneOf(r.showMode, {127, 128, 129}));
    FUZZ_CHECK(OneOf(r.beepDuration, {525, 526}));
    FUZZ_CHECK(OneOf(r.beepTone, {505, 506}));
    FUZZ_CHECK(EndsInZero(r.note));
    FUZZ_CHECK(EndsInZero(r.program));
  }
}
