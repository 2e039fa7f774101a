#include "display/face_date.h"

#include <cstring>

#include "base/clock_app.h"
#include "base/face_text.h"
#include "resources/resources.h"

namespace {

// A short name is the first three letters, a full one at most ten.
constexpr int kShortNameSize = 4;
constexpr int kFullNameSize = 11;
constexpr int kElementSize = 16;
constexpr int kYearBase = 1900;

void LoadName(UINT id, int size, char* out) {
  if (LoadString(instance, id, out, size) <= 0) out[0] = '\0';
}

void BuildWeekday(const Preferences& p, const ClockDate& date, char* out) {
  out[0] = '\0';
  const UINT id = IDS_SUNDAY + date.weekday;
  if (p.weekdayStyle == kWeekdayShort) LoadName(id, kShortNameSize, out);
  if (p.weekdayStyle == kWeekdayFull) LoadName(id, kFullNameSize, out);
}

void BuildMonth(const Preferences& p, const ClockDate& date, char* out) {
  FaceText text(out, kElementSize);
  const UINT id = IDS_JANUARY + date.month - 1;
  switch (p.monthStyle) {
    case kMonthNumber: text.AppendDecimal(date.month); break;
    case kMonthTwoDigits: text.AppendTwoDigits(date.month); break;
    case kMonthShort: LoadName(id, kShortNameSize, out); break;
    case kMonthFull: LoadName(id, kFullNameSize, out); break;
    default: break;
  }
}

void BuildDay(const Preferences& p, const ClockDate& date, char* out) {
  FaceText text(out, kElementSize);
  if (p.dayStyle == kDayNumber) text.AppendDecimal(date.day);
  if (p.dayStyle == kDayTwoDigits) text.AppendTwoDigits(date.day);
}

void BuildYear(const Preferences& p, const ClockDate& date, char* out) {
  FaceText text(out, kElementSize);
  if (p.yearStyle == kYearShort) text.AppendDecimal(date.year - kYearBase);
  if (p.yearStyle == kYearFull) text.AppendDecimal(date.year);
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

// Pass 1: the first blank stays; every later blank becomes the separator.
void SeparateElements(char* text, char separator) {
  char* firstBlank = std::strchr(text, ' ');
  if (firstBlank == nullptr) return;
  for (char* c = firstBlank + 1; *c != '\0'; ++c) {
    if (*c == ' ') *c = separator;
  }
}

// Pass 2: an empty element leaves two separators side by side; they close to
// one, so that the elements after it are still shown.
void CloseSeparatorRuns(char* text, char separator) {
  char* out = text;
  for (const char* in = text; *in != '\0'; ++in) {
    if (*in == separator && out != text && out[-1] == separator) continue;
    *out++ = *in;
  }
  *out = '\0';
}

// Pass 3: a separator left by empty elements at the end goes.
void DropTrailingSeparator(char* text, char separator) {
  for (char* c = text; *c != '\0'; ++c) {
    if (*c == separator && (c[1] == '\0' || IsControl(c[1]))) {
      *c = '\0';
      return;
    }
  }
}

// Pass 4: a separator left by an empty first element becomes a blank.
void BlankLeadingSeparators(char* text, char separator) {
  for (char* c = text; *c != '\0'; ++c) {
    if (*c == ' ' && c[1] == separator) c[1] = ' ';
  }
}

}  // namespace

char DateSeparatorOf(const Preferences& p) {
  const auto byte = static_cast<unsigned char>(p.separator[0]);
  return byte > 0x20 && byte < 0x7F ? static_cast<char>(byte) : ' ';
}

void PlaceDateSeparators(char* text, char separator) {
  SeparateElements(text, separator);
  CloseSeparatorRuns(text, separator);
  DropTrailingSeparator(text, separator);
  BlankLeadingSeparators(text, separator);
}

void BuildDateText(const Preferences& p, const ClockDate& date, char* text, std::size_t size) {
  char weekday[kElementSize];
  char month[kElementSize];
  char day[kElementSize];
  char year[kElementSize];
  BuildWeekday(p, date, weekday);
  BuildMonth(p, date, month);
  BuildDay(p, date, day);
  BuildYear(p, date, year);

  // A damaged order reads as month, day, year, the default.
  const char* first = month;
  const char* second = day;
  const char* third = year;
  if (p.dateOrder == kDateOrderDmy) {
    first = day;
    second = month;
  } else if (p.dateOrder == kDateOrderYmd) {
    first = year;
    second = month;
    third = day;
  }
  FaceText joined(text, size);
  joined.Append(weekday).Append(' ').Append(first).Append(' ').Append(second).Append(' ').Append(third);
  PlaceDateSeparators(text, DateSeparatorOf(p));
}
