// A seeded run of random use through the whole program on the headless
// harness: menu commands, clicks and typing in every dialog, the wall clock
// set both ways, suspends, daylight saving, failing file calls, for a virtual
// month per seed. The seed is printed; HORATICK_SEED=N replays that seed.
//
// What must hold throughout: the program comes back to waiting after every
// step (the desk ends the test otherwise), the face has at most 93
// characters, every saved configuration file holds records inside their
// sets, the scan rings an alarm at most once per local date and minute
// while the wall clock has not moved back by a day or more since that ring,
// never before the wall clock first reaches the minute it rings for, and
// never loses one (LostAlarmCheck says what it owes).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "alarms/alarm_scan.h"
#include "alarms/alarm_scene.h"
#include "alarms/clock_jump.h"
#include "alarms/schedule.h"
#include "app/main_window.h"
#include "base/clock_app.h"
#include "base/time_source.h"
#include "platform/kernel/file_faults.h"
#include "platform/user/inspect.h"
#include "settings/config_image.h"
#include "support/desk.h"

namespace {

using namespace alarm_scene;

constexpr std::int64_t kMinuteMs = 60'000;
constexpr std::int64_t kHourMs = 60 * kMinuteMs;
constexpr std::int64_t kDayMs = 24 * kHourMs;
constexpr std::size_t kLongestFace = 93;

// One ring of an alarm by the scan, as the scan counts it: the local minute it
// was due at (the minute scanned, or the minute a forward jump skipped).
struct Ring {
  int index;
  std::int64_t localMinute;
  std::int64_t utcMs;  // when it rang
};

std::vector<Ring> rings;
const Desk* ringingDesk = nullptr;

// Every ring passes here: the program tells its ring observer of each.
void CountRing(int index) {
  {
    ClockDate today{};
    ClockTime now{};
    GetClockTime(&now, &today);
    // The scan records the minute it rings an alarm for just before the
    // ring: the minute scanned, or the minute a forward jump skipped. That
    // can lie days back: a catch-up waiting behind an open note goes off at
    // the next scan, and the clock may jump again before there is one.
    const std::int64_t scanned = LocalMinuteOf(today, now);
    std::int64_t minute = scanned;
    for (std::int64_t off = 0; off <= 40 * 1440; ++off) {
      if (AlarmRangAt(index, scanned - off) || AlarmRangAt(index, scanned + off)) {
        minute = AlarmRangAt(index, scanned - off) ? scanned - off : scanned + off;
        break;
      }
    }
    const AlarmRecord& r = alarms[index];
    if (std::getenv("HORATICK_RANDOM_VERBOSE") != nullptr) {
      std::printf("  fire %d (alarm %02d:%02d mode %d enabled %d) at %02d:%02d:%02d\n", index + 1, r.hour, r.minute,
                  r.amPmMode, r.enabled, now.hour, now.minute, now.second);
    }
    rings.push_back({index, minute, ringingDesk != nullptr ? ringingDesk->utcNowMs() : 0});
  }
}

class Dice {
 public:
  explicit Dice(std::uint64_t seed) : rng_(seed) {}
  int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::mt19937_64 rng_;
};

class RandomUser {
 public:
  RandomUser(Dice& dice, Desk& desk) : dice_(dice), desk_(desk) {}
  int Below(int n) { return dice_.Below(n); }
  bool Chance(int percent) { return dice_.Chance(percent); }

  std::string Text() {
    static const char* const kPieces[] = {"7",  ":",  "05", "-",    "12", "/",  ".",      "92",         "2026",
                                          "0",  "99", " ", "100:00", "-5", "x",  "\xc3\xa9", "\xe2\x82\xac",
                                          "\xf0\x9f\x98\x80", "\t", "23:59", "9999999999", "4:56", "1-1-1"};
    std::string text;
    const int pieces = Chance(5) ? 80 : Below(5);
    for (int i = 0; i < pieces; ++i) text += kPieces[Below(static_cast<int>(std::size(kPieces)))];
    return text;
  }

  // One thing the user does to whatever is open on top, or to the clock.
  void Act() {
    if (desk_.fileChooserOpen()) {
      if (Chance(50)) {
        desk_.chooseFile(Chance(50) ? "/bin/true" : "/no such/program");
      } else {
        desk_.cancelFileChooser();
      }
      return;
    }
    if (desk_.hasMessageBox()) {
      AnswerMessageBox();
      return;
    }
    if (!desk_.dialogCaptions().empty()) {
      ActOnDialog(desk_.topDialog());
      return;
    }
    static const UINT kCommands[] = {IDM_ABOUT, IDM_PREFERENCES, IDM_SETDATETIME, IDM_ALARMS,
                                     IDM_HOURLYBEEP, IDM_TIMERS, IDM_HELP};
    switch (Below(8)) {
      case 0: desk_.minimize(); break;
      case 1: desk_.restore(); break;
      case 2: desk_.rightClickCaption(); break;
      case 3: desk_.postSysCommand(IDM_RELAYOUT); break;
      default: desk_.sysCommand(kCommands[Below(static_cast<int>(std::size(kCommands)))]); break;
    }
  }

 private:
  void AnswerMessageBox() {
    MessageBoxView box = desk_.messageBox();
    switch (box.style() & 0x0F) {
      case MB_OKCANCEL: box.answer(Chance(50) ? IDOK : IDCANCEL); break;
      case MB_YESNO: box.answer(Chance(50) ? IDYES : IDNO); break;
      case MB_YESNOCANCEL: box.answer(Chance(50) ? IDYES : (Chance(50) ? IDNO : IDCANCEL)); break;
      default: box.ok(); break;
    }
  }

  void ActOnDialog(DialogView dialog) {
    const platform::WindowSnapshot shot = platform::DescribeWindow(dialog.hwnd());
    if (Chance(12) || shot.children.empty()) {
      Chance(50) ? dialog.enter() : dialog.escape();
      return;
    }
    const auto pick = static_cast<std::size_t>(Below(static_cast<int>(shot.children.size())));
    const platform::WindowSnapshot control = platform::DescribeWindow(shot.children[pick]);
    if (!control.enabled || !control.visible) return;
    if (control.kind == platform::WindowKind::Edit) {
      const std::string text = Text();
      dialog.type(control.id, text.c_str());
    } else if (control.kind == platform::WindowKind::Button && (control.style & 0x0F) != BS_GROUPBOX) {
      dialog.click(control.id);
    }
  }

  Dice& dice_;
  Desk& desk_;
};

std::int64_t LocalMinuteOfInstant(std::int64_t utcMs) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  std::sscanf(LocalText(utcMs).c_str(), "%d-%d-%d %d:%d", &year, &month, &day, &hour, &minute);
  return LocalMinuteAt(year, month, day, hour * 60 + minute);
}

// The first instant the wall clock shows this local minute or a later one: the
// first pass over the hour autumn repeats, the change itself for a minute of
// the hour spring skips.
std::int64_t FirstInstantOfLocalMinute(std::int64_t localMinute) {
  ClockDate d{};
  ClockTime t{};
  SplitLocalMinute(localMinute, &d, &t);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:00", d.year, d.month, d.day, t.hour, t.minute);
  // Some instant within an hour of the minute; the offset from UTC changes by an hour at most.
  std::int64_t at = LocalTextMs(text).value_or(0) - 2 * kHourMs;
  while (LocalMinuteOfInstant(at) < localMinute) at += kMinuteMs;
  return at - at % kMinuteMs;
}

// No lost alarm. The wall clock's path is followed step by step: runs (the
// clock ticking on), jumps (set by hand, a resume) and, inside runs, the local
// clock's own jumps at a change of daylight saving. A local minute the clock
// shows for kScannedMs of running (some scan then sees it) is a stop. An
// alarm owes a ring for a stop it is due at, and for each minute it is due
// at strictly between two consecutive stops when the path between them only
// went forward, by at most kSurelyCaughtUp minutes (a little under the
// catch-up limit: a scan held up by beeps may have started a minute or two
// before the earlier stop). It owes nothing unless it is enabled and its
// record stayed as it was since the clock came to the earlier stop (the scan
// examines each minute once, with the record of that moment); the debt lapses
// when the record changes, or when the local clock goes back behind the minute
// (a catch-up not yet taken then waits for the minute to come again). Any ring
// for that alarm and minute, even an earlier one, pays it; the debt lapses too
// when the clock moves on more than the catch-up limit past the minute (it is
// then too long past to ring for). One still unpaid
// after kRingWithinMs of running (room for every alarm's long beeps; the scans
// go on under an open note or box) is lost. The screen saver never runs here.
class LostAlarmCheck {
 public:
  static constexpr std::int64_t kScannedMs = 3000;
  static constexpr std::int64_t kSurelyCaughtUp = kCatchUpLimitMinutes - 4;
  static constexpr std::int64_t kRingWithinMs = 150'000;

  int debts() const { return debts_; }

  void Start(std::int64_t utcMs) {
    std::memcpy(seen_, alarms, sizeof seen_);
    Enter(LocalMinuteOfInstant(utcMs));
  }

  // After each step: the alarms it changed (at any moment of it, for all we
  // know), the path (from fromUtc, a jump if it made one, then ranMs of
  // running up to toUtc) and the debts then overdue; rung holds every ring so far.
  void Step(std::int64_t fromUtc, std::optional<std::int64_t> jumpTo, std::int64_t ranMs, std::int64_t toUtc,
            const std::set<std::pair<int, std::int64_t>>& rung, int step) {
    for (int i = 0; i < kAlarmCount; ++i) {
      if (std::memcmp(&seen_[i], &alarms[i], sizeof seen_[i]) != 0) changedRunMs_[i] = runMs_ + ranMs;
      seen_[i] = alarms[i];
    }
    if (jumpTo) {
      Move(LocalMinuteOfInstant(*jumpTo));
      fromUtc = *jumpTo;
    }
    if (ranMs < 0 || toUtc - fromUtc != ranMs) {
      // The wall clock moved in a way the step does not tell: start afresh.
      owed_.clear();
      hasStop_ = false;
      Enter(LocalMinuteOfInstant(toUtc));
    } else {
      Run(fromUtc, toUtc);
    }
    for (auto it = owed_.begin(); it != owed_.end();) {
      const bool paid = rung.count({it->index, it->localMinute}) != 0;
      const bool changed = std::memcmp(&it->record, &alarms[it->index], sizeof it->record) != 0;
      if (!paid && !changed && runMs_ - it->sinceRunMs >= kRingWithinMs) {
        ClockDate d{};
        ClockTime t{};
        SplitLocalMinute(it->localMinute, &d, &t);
        ADD_FAILURE() << "alarm " << it->index + 1 << " never rang for " << d.year << "-" << d.month << "-" << d.day
                      << " " << t.hour << ":" << t.minute << " (step " << step << ")";
      }
      it = paid || changed || runMs_ - it->sinceRunMs >= kRingWithinMs ? owed_.erase(it) : std::next(it);
    }
  }

 private:
  void Run(std::int64_t fromUtc, std::int64_t toUtc) {
    while (fromUtc < toUtc) {
      const std::int64_t boundary = (fromUtc / kMinuteMs + 1) * kMinuteMs;
      const std::int64_t until = std::min(boundary, toUtc);
      runMs_ += until - fromUtc;
      if (!stopped_ && runMs_ - enteredRunMs_ >= kScannedMs) Stop();
      if (until == boundary) Move(LocalMinuteOfInstant(boundary));
      fromUtc = until;
    }
  }

  struct Debt {
    int index;
    std::int64_t localMinute;
    std::int64_t sinceRunMs;
    AlarmRecord record;
  };

  void Enter(std::int64_t localMinute) {
    minute_ = localMinute;
    enteredRunMs_ = runMs_;
    stopped_ = false;
  }

  void Move(std::int64_t localMinute) {
    if (localMinute == minute_) return;
    if (localMinute < minute_) {
      forwardOnly_ = false;
      std::erase_if(owed_, [&](const Debt& d) { return d.localMinute > localMinute; });
    }
    std::erase_if(owed_, [&](const Debt& d) { return localMinute - d.localMinute > kCatchUpLimitMinutes; });
    Enter(localMinute);
  }

  void Stop() {
    stopped_ = true;
    if (hasStop_) {
      if (forwardOnly_ && minute_ - lastStop_ <= kSurelyCaughtUp) {
        for (std::int64_t m = lastStop_ + 1; m < minute_; ++m) Owe(m);
      }
      Owe(minute_);
    }
    hasStop_ = true;
    lastStop_ = minute_;
    lastStopRunMs_ = enteredRunMs_;
    forwardOnly_ = true;
  }

  void Owe(std::int64_t localMinute) {
    ClockDate d{};
    ClockTime t{};
    SplitLocalMinute(localMinute, &d, &t);
    for (int i = 0; i < kAlarmCount; ++i) {
      const AlarmRecord& r = alarms[i];
      if (changedRunMs_[i] >= lastStopRunMs_ || r.enabled != 1 || IsAlarmDueAt(r, d, t, 1) == 0) continue;
      owed_.push_back({i, localMinute, runMs_, r});
      ++debts_;
    }
  }

  std::int64_t runMs_ = 0;  // the wall clock's running time, jumps left out
  std::int64_t minute_ = 0;
  std::int64_t enteredRunMs_ = 0;
  bool stopped_ = false;
  bool hasStop_ = false;
  std::int64_t lastStop_ = 0;
  std::int64_t lastStopRunMs_ = 0;
  bool forwardOnly_ = true;
  AlarmRecord seen_[kAlarmCount]{};
  std::int64_t changedRunMs_[kAlarmCount] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  std::vector<Debt> owed_;
  int debts_ = 0;
};

std::uint64_t SeedForThisRun() {
  if (const char* given = std::getenv("HORATICK_SEED"); given != nullptr && *given != '\0') {
    return std::strtoull(given, nullptr, 10);
  }
  return std::random_device{}() * 0x100000000ull + std::random_device{}();
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A saved file needs no repair: loading it changes nothing.
void ExpectSavedFileInsideItsSets(const std::string& bytes) {
  if (bytes.size() != kConfigFileBytes) return;  // a failed save leaves the old file; damaged ones are kept aside
  Preferences p{};
  AlarmRecord table[kAlarmCount];
  SplitConfigImage(reinterpret_cast<const unsigned char*>(bytes.data()), p, table);
  Preferences repaired = p;
  AlarmRecord repairedTable[kAlarmCount];
  std::memcpy(repairedTable, table, sizeof table);
  RepairConfiguration(repaired, repairedTable);
  EXPECT_EQ(std::memcmp(&repaired, &p, sizeof p), 0) << "the saved preferences hold a value outside its set";
  EXPECT_EQ(std::memcmp(repairedTable, table, sizeof table), 0) << "a saved alarm holds a value outside its set";
}

// The settings a run starts from: alarms that go off every day at random
// times, with notes, programs and beeps. No start-up reminder: its rings come
// from outside the scan and may repeat a minute the scan rang.
std::string StartingFile(Dice& user) {
  return ConfigFile([&user](AlarmRecord* a) {
    for (int i = 0; i < kAlarmCount; ++i) {
      if (!user.Chance(70)) continue;
      Daily(a[i], user.Below(24), user.Chance(50) ? 0 : user.Below(60));
      if (user.Chance(50)) {
        Note(a[i], "random");
      } else {
        Program(a[i], "true");
      }
      if (user.Chance(30)) Beeping(a[i]);
    }
  });
}

// A start on a random day of March or October, so the month crosses a change of daylight saving.
std::string StartingMoment(Dice& user) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", 1995 + user.Below(40), user.Chance(50) ? 3 : 10,
                1 + user.Below(28), user.Below(24), user.Below(60), user.Below(60));
  return text;
}

void RunVirtualMonth(std::uint64_t seed) {
  std::printf("random desk: seed %llu (replay with HORATICK_SEED=%llu)\n", static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(seed));
  std::fflush(stdout);
  SCOPED_TRACE("HORATICK_SEED=" + std::to_string(seed));
  rings.clear();
  Dice dice(seed);
  const std::string start = StartingMoment(dice);
  Desk desk{Settings().timeZone("Europe/Berlin").at(start.c_str()).trace(false).settingsFile(
      "HORATICK.CFG", StartingFile(dice))};
  RandomUser user(dice, desk);
  ringingDesk = &desk;
  alarmRingObserver = CountRing;
  struct ForgetDesk {
    ~ForgetDesk() {
      ringingDesk = nullptr;
      alarmRingObserver = nullptr;
    }
  } forgetDesk;
  desk.start();

  const std::int64_t endUtc = desk.utcNowMs() + 30 * kDayMs;
  // Each alarm's rings by local minute, with the latest the wall clock has
  // been since and whether it has since gone back a day or more from there:
  // a second ring is a fault unless it has, or the alarm was changed meanwhile.
  struct SinceRing {
    std::int64_t latestUtc;
    bool wentBackADay;
  };
  std::map<std::pair<int, std::int64_t>, SinceRing> rung;
  std::size_t ringsSeen = 0;
  std::set<std::pair<int, std::int64_t>> everRung;
  LostAlarmCheck lost;
  lost.Start(desk.utcNowMs());
  AlarmRecord before[kAlarmCount];
  std::string lastSaved;
  // HORATICK_RANDOM_VERBOSE=1 lists the steps and the rings of a replay.
  const bool verbose = std::getenv("HORATICK_RANDOM_VERBOSE") != nullptr;
  int steps = 0;
  while (desk.utcNowMs() < endUtc && desk.running() && !::testing::Test::HasFailure()) {
    ++steps;
    std::memcpy(before, alarms, sizeof before);
    const int kind = user.Below(20);
    if (verbose) std::printf("step %d kind %d at %s\n", steps, kind, desk.now().c_str());
    const std::int64_t utcBefore = desk.utcNowMs();
    const std::int64_t ticksBefore = static_cast<std::int64_t>(desk.tickCount());
    std::optional<std::int64_t> jumpTo;
    std::int64_t suspendedMs = 0;
    try {
      switch (kind) {
        case 0: jumpTo = desk.utcNowMs() + user.Below(72 * 60) * kMinuteMs; break;
        case 1: jumpTo = desk.utcNowMs() - (1 + user.Below(24 * 60 - 1)) * kMinuteMs; break;
        case 2:
          suspendedMs = (user.Below(14 * 60) + 1) * kMinuteMs;
          jumpTo = desk.utcNowMs() + suspendedMs;
          desk.suspendFor(static_cast<std::uint64_t>(suspendedMs));
          break;
        case 3: jumpTo = desk.utcNowMs() + user.Below(24) * kHourMs; break;
        case 4:
          platform::FailFileCall(static_cast<platform::FileCall>(user.Below(8)), user.Below(4), 1 + user.Below(3));
          break;
        case 5: platform::ClearFileFaults(); break;
        case 6: case 7: case 8: case 9: case 10: case 11:
          desk.advance(static_cast<std::uint64_t>(user.Below(20 * 60)) * 1000);
          break;
        default: user.Act(); break;
      }
      if (jumpTo && suspendedMs == 0) {
        desk.driver().SetUtc(*jumpTo);
        desk.settle();
      }
    } catch (const DeskError&) {
      // The step did not fit what is on the screen (a menu while a dialog is
      // open, a control that went away): the user does something else.
    }

    ASSERT_TRUE(desk.running()) << "the clock ended at step " << steps;
    const std::string face = desk.clockTitle();
    EXPECT_LE(face.size(), kLongestFace) << "face \"" << face << "\" at step " << steps;
    const std::string saved = FileBytes(desk.settingsFolder() + "/HORATICK.CFG");
    if (saved != lastSaved) ExpectSavedFileInsideItsSets(saved);
    lastSaved = saved;

    for (int i = 0; i < kAlarmCount; ++i) {
      if (std::memcmp(&before[i], &alarms[i], sizeof before[i]) == 0) continue;
      for (auto it = rung.begin(); it != rung.end();) it = it->first.first == i ? rung.erase(it) : std::next(it);
    }
    for (; ringsSeen < rings.size(); ++ringsSeen) {
      const Ring& ring = rings[ringsSeen];
      const auto key = std::make_pair(ring.index, ring.localMinute);
      const auto earlier = rung.find(key);
      if (earlier != rung.end()) {
        EXPECT_TRUE(earlier->second.wentBackADay)
            << "alarm " << ring.index + 1 << " rang twice for one local minute, at step " << steps << ", now "
            << desk.now();
      }
      if (verbose) {
        ClockDate d{};
        ClockTime t{};
        SplitLocalMinute(ring.localMinute, &d, &t);
        std::printf("step %d ring alarm %d for %04d-%02d-%02d %02d:%02d, now %s\n", steps, ring.index + 1, d.year,
                    d.month, d.day, t.hour, t.minute, desk.now().c_str());
      }
      const std::int64_t due = FirstInstantOfLocalMinute(ring.localMinute);
      EXPECT_GE(ring.utcMs, due) << "alarm " << ring.index + 1 << " rang at " << LocalText(ring.utcMs)
                                 << ", before its minute " << LocalText(due) << ", at step " << steps;
      rung[key] = {desk.utcNowMs(), false};
      everRung.insert(key);
    }
    lost.Step(utcBefore, jumpTo, static_cast<std::int64_t>(desk.tickCount()) - ticksBefore - suspendedMs,
              desk.utcNowMs(), everRung, steps);
    for (auto& [key, since] : rung) {
      since.latestUtc = std::max(since.latestUtc, desk.utcNowMs());
      since.wentBackADay = since.wentBackADay || desk.utcNowMs() <= since.latestUtc - kDayMs;
    }
  }
  std::printf("random desk: seed %llu: %d steps, %zu rings (%d owed), ended at %s\n",
              static_cast<unsigned long long>(seed), steps, rings.size(), lost.debts(), desk.now().c_str());
}

TEST(RandomDesk, AVirtualMonthOfRandomUseKeepsTheInvariants) {
  const char* given = std::getenv("HORATICK_SEED");
  const int runs = given != nullptr && *given != '\0' ? 1 : 4;
  for (int run = 0; run < runs && !::testing::Test::HasFailure(); ++run) RunVirtualMonth(SeedForThisRun());
}

}  // namespace
