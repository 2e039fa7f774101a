// The harness's clock texts, "YYYY-MM-DD HH:MM:SS" with an optional ".mmm",
// read and shown by the terminal clock's own rules for --at.
#pragma once

#include <time.h>

#include <cstdint>
#include <optional>
#include <string>

#include "moments/local_time.h"
#include "moments/moment_text.h"
#include "platform/headless/headless_driver.h"

// The instant of a local moment in the TZ in force.
inline std::optional<std::int64_t> LocalTextMs(const char* text) {
  const auto moment = ParseMoment(text, MomentPrecision::Millisecond);
  return moment ? UtcMsOfLocal(*moment) : std::nullopt;
}

// The instant of a moment of universal time.
inline std::optional<std::int64_t> UtcTextMs(const char* text) {
  const auto m = ParseMoment(text, MomentPrecision::Millisecond);
  if (!m) return std::nullopt;
  tm parts{};
  parts.tm_year = m->year - 1900;
  parts.tm_mon = m->month - 1;
  parts.tm_mday = m->day;
  parts.tm_hour = m->hour;
  parts.tm_min = m->minute;
  parts.tm_sec = m->second;
  return static_cast<std::int64_t>(timegm(&parts)) * 1000 + m->millisecond;
}

// "YYYY-MM-DD HH:MM:SS.mmm" of an instant, as the local clock shows it.
inline std::string LocalText(std::int64_t utcMs) { return MomentText(LocalMomentOfUtcMs(utcMs)); }

// The driver's wall clock set from a text; false, and the clock untouched,
// for a text that is not a moment.
inline bool SetLocalClock(platform::headless::HeadlessDriver& driver, const char* text) {
  const auto utcMs = LocalTextMs(text);
  if (utcMs) driver.SetUtc(*utcMs);
  return utcMs.has_value();
}

inline bool SetUtcClock(platform::headless::HeadlessDriver& driver, const char* text) {
  const auto utcMs = UtcTextMs(text);
  if (utcMs) driver.SetUtc(*utcMs);
  return utcMs.has_value();
}
