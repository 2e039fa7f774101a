// Moments of the local calendar written as text, "YYYY-MM-DD HH:MM:SS": how
// the command line's --at and --from are given, and how the harness sets the
// clock and shows it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct LocalMoment {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// How much of the time of day a text carries: "HH:MM", "HH:MM:SS", or
// "HH:MM:SS" with an optional ".mmm".
enum class MomentPrecision { Minute, Second, Millisecond };

// A date and time that exist on the calendar, years 1900 to 9999, written
// with every digit ("2026-07-04 09:05"); anything else is empty.
std::optional<LocalMoment> ParseMoment(std::string_view text, MomentPrecision precision);

// "YYYY-MM-DD HH:MM:SS.mmm".
std::string MomentText(const LocalMoment& m);
