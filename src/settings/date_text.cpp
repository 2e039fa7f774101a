#include "settings/date_text.h"

#include <cstdio>

#include "base/time_source.h"
#include "settings/preferences.h"

namespace {

// Large enough for any field, small enough that no sum below overflows.
constexpr std::int64_t kNumberBound = 1'000'000'000'000LL;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSeparator(char c) { return c == '-' || c == '/' || c == '.'; }

// "%u" as the dialogs use it: blanks, an optional plus, digits. A minus is a
// separator, never a sign.
bool ReadUnsigned(const char*& p, std::int64_t& value) {
  const char* q = p;
  while (IsBlank(*q)) ++q;
  if (*q == '+') ++q;
  if (!IsDigit(*q)) return false;
  value = 0;
  while (IsDigit(*q)) {
    if (value < kNumberBound) value = value * 10 + (*q - '0');
    ++q;
  }
  if (value > kNumberBound) value = kNumberBound;
  p = q;
  return true;
}

// The fields of a date text in the order they are written.
struct Positions {
  std::int64_t DialogDate::*field[3];
};

Positions PositionsOf(int dateOrder) {
  switch (dateOrder) {
    case kDateOrderDmy: return {{&DialogDate::day, &DialogDate::month, &DialogDate::year}};
    case kDateOrderYmd: return {{&DialogDate::year, &DialogDate::month, &DialogDate::day}};
    default: return {{&DialogDate::month, &DialogDate::day, &DialogDate::year}};
  }
}

std::int64_t WrittenYear(std::int64_t year, int todayYear) {
  const std::int64_t shortYear = year - 1900;
  return shortYear >= 0 && FullYearOf(shortYear, todayYear) == year ? shortYear : year;
}

}  // namespace

int TodayYear() {
  ClockDate today{};
  GetClockTime(nullptr, &today);
  return today.year;
}

std::int64_t FullYearOf(std::int64_t typed, int todayYear) {
  if (typed < 0) typed = 0;
  if (typed >= 1900) return typed;
  if (typed >= 100) return typed + 1900;
  // The window runs from 50 years before today's year to 49 after it.
  const std::int64_t today = todayYear;
  std::int64_t year = today - today % 100 + typed;
  if (year > today + 49) year -= 100;
  if (year < today - 50) year += 100;
  return year;
}

DialogDate ReadDialogDate(const char* text, int dateOrder, DialogDate date, int todayYear) {
  const Positions positions = PositionsOf(dateOrder);
  const char* p = text;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      while (IsBlank(*p)) ++p;
      if (!IsSeparator(*p)) break;
      ++p;
    }
    std::int64_t number = 0;
    if (!ReadUnsigned(p, number)) break;
    std::int64_t DialogDate::*field = positions.field[i];
    date.*field = field == &DialogDate::year ? FullYearOf(number, todayYear) : number;
  }
  return date;
}

void FormatDialogDate(char* buffer, std::size_t size, int dateOrder, const DialogDate& date, int todayYear) {
  DialogDate written = date;
  written.year = WrittenYear(date.year, todayYear);
  const Positions positions = PositionsOf(dateOrder);
  std::snprintf(buffer, size, "%lld-%lld-%lld", static_cast<long long>(written.*positions.field[0]),
                static_cast<long long>(written.*positions.field[1]),
                static_cast<long long>(written.*positions.field[2]));
}
