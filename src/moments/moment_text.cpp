#include "moments/moment_text.h"

#include <cstdio>

#include "alarms/calendar.h"

namespace {

// Exactly `width` digits at text[pos].
bool Digits(std::string_view text, std::size_t pos, std::size_t width, int& value) {
  if (pos + width > text.size()) return false;
  value = 0;
  for (std::size_t i = pos; i < pos + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// The length of the text at each precision: minutes, seconds, milliseconds.
constexpr std::size_t kMinuteLength = 16;
constexpr std::size_t kSecondLength = 19;
constexpr std::size_t kMillisecondLength = 23;

bool LengthFits(std::size_t length, MomentPrecision precision) {
  switch (precision) {
    case MomentPrecision::Minute: return length == kMinuteLength;
    case MomentPrecision::Second: return length == kSecondLength;
    case MomentPrecision::Millisecond: return length == kSecondLength || length == kMillisecondLength;
  }
  return false;
}

}  // namespace

std::optional<LocalMoment> ParseMoment(std::string_view text, MomentPrecision precision) {
  if (!LengthFits(text.size(), precision) || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':') {
    return std::nullopt;
  }
  LocalMoment m;
  if (!Digits(text, 0, 4, m.year) || !Digits(text, 5, 2, m.month) || !Digits(text, 8, 2, m.day) ||
      !Digits(text, 11, 2, m.hour) || !Digits(text, 14, 2, m.minute)) {
    return std::nullopt;
  }
  if (text.size() >= kSecondLength && (text[16] != ':' || !Digits(text, 17, 2, m.second))) return std::nullopt;
  if (text.size() == kMillisecondLength && (text[19] != '.' || !Digits(text, 20, 3, m.millisecond))) {
    return std::nullopt;
  }
  if (m.year < 1900 || m.month < 1 || m.month > 12 || m.day < 1 || m.day > DaysInMonth(m.year, m.month) ||
      m.hour > 23 || m.minute > 59 || m.second > 59) {
    return std::nullopt;
  }
  return m;
}

std::string MomentText(const LocalMoment& m) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", m.year, m.month, m.day, m.hour, m.minute,
                m.second, m.millisecond);
  return text;
}
