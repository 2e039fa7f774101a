// The date texts of the dialogs: the year window, the separators, and that
// every date written reads back unchanged.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/date_text.h"
#include "settings/preferences.h"

namespace {

TEST(DateTextYear, TypedYearsByTheirNumberOfDigits) {
  const struct {
    int today;
    std::int64_t typed;
    std::int64_t year;
  } cases[] = {
      {2026, 26, 2026},   {2026, 0, 2000},    {2026, 75, 2075},   {2026, 76, 1976},   {2026, 92, 1992},
      {2026, 99, 1999},   {2043, 92, 2092},   {2043, 93, 1993},   {2043, 0, 2000},    {2043, 43, 2043},
      {2000, 49, 2049},   {2000, 50, 1950},   {1992, 41, 2041},   {1992, 42, 1942},
      {2026, 100, 2000},  {2026, 126, 2026},  {2026, 1899, 3799}, {2026, 1900, 1900}, {2026, 1950, 1950},
      {2026, 9999, 9999}, {2026, -5, 2000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FullYearOf(c.typed, c.today), c.year) << c.typed << " in " << c.today;
  }
}

TEST(DateTextReading, SeparatorsOrdersAndMissingNumbers) {
  const struct {
    const char* text;
    int order;
    DialogDate read;
  } cases[] = {
      {"12-25-26", kDateOrderMdy, {12, 25, 2026}},
      {"12/25/26", kDateOrderMdy, {12, 25, 2026}},
      {"12.25.26", kDateOrderMdy, {12, 25, 2026}},
      {"12/25-2026", kDateOrderMdy, {12, 25, 2026}},
      {"25.12.92", kDateOrderDmy, {12, 25, 1992}},
      {"26/12/25", kDateOrderYmd, {12, 25, 2026}},
      {" 12 / 25 / 126", kDateOrderMdy, {12, 25, 2026}},
      {"+12-+25-+26", kDateOrderMdy, {12, 25, 2026}},
      // Numbers that are not there keep the date's own: 3-4-1991.
      {"12/25", kDateOrderMdy, {12, 25, 1991}},
      {"12", kDateOrderDmy, {3, 12, 1991}},
      {"", kDateOrderMdy, {3, 4, 1991}},
      {"12//26", kDateOrderMdy, {12, 4, 1991}},
      {"12 25 26", kDateOrderMdy, {12, 4, 1991}},
      {"12:25:26", kDateOrderMdy, {12, 4, 1991}},
      {"-12-25-26", kDateOrderMdy, {3, 4, 1991}},
      {"1-1-99999999999999999999", kDateOrderMdy, {1, 1, 1'000'000'000'000}},
  };
  for (const auto& c : cases) {
    const DialogDate read = ReadDialogDate(c.text, c.order, {3, 4, 1991}, 2026);
    EXPECT_EQ(read.month, c.read.month) << c.text;
    EXPECT_EQ(read.day, c.read.day) << c.text;
    EXPECT_EQ(read.year, c.read.year) << c.text;
  }
}

TEST(DateTextWriting, YearLessNineteenHundredOnlyWhenItReadsBack) {
  const struct {
    int today;
    int order;
    DialogDate date;
    const char* text;
  } cases[] = {
      {2026, kDateOrderMdy, {12, 25, 2026}, "12-25-126"}, {2026, kDateOrderMdy, {12, 25, 1992}, "12-25-92"},
      {2026, kDateOrderMdy, {12, 25, 1950}, "12-25-1950"}, {2026, kDateOrderDmy, {3, 7, 1976}, "7-3-76"},
      {2026, kDateOrderYmd, {3, 7, 1975}, "1975-3-7"},    {2026, kDateOrderMdy, {1, 1, 3799}, "1-1-1899"},
      {2026, kDateOrderMdy, {1, 1, 3800}, "1-1-3800"},    {1992, kDateOrderMdy, {1, 1, 1943}, "1-1-43"},
      {2043, kDateOrderMdy, {1, 1, 1992}, "1-1-1992"},    {2026, kDateOrderMdy, {1, 1, INT32_MIN}, "1-1--2147483648"},
  };
  for (const auto& c : cases) {
    char text[64];
    FormatDialogDate(text, sizeof text, c.order, c.date, c.today);
    EXPECT_STREQ(text, c.text);
  }
}

TEST(DateTextWriting, EveryYearFrom1900To9999ReadsBackUnchanged) {
  for (const int today : {2026, 2043}) {
    for (const int order : {kDateOrderMdy, kDateOrderDmy, kDateOrderYmd}) {
      for (std::int64_t year = 1900; year <= 9999; ++year) {
        char text[64];
        FormatDialogDate(text, sizeof text, order, {12, 31, year}, today);
        const DialogDate read = ReadDialogDate(text, order, {0, 0, 0}, today);
        ASSERT_EQ(read.year, year) << text << " in " << today;
        ASSERT_EQ(read.month, 12) << text;
        ASSERT_EQ(read.day, 31) << text;
      }
    }
  }
}

}  // namespace
