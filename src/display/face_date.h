// The date text of the clock face: day name, month, day and year in the chosen
// order and styles, joined by the separator.
#pragma once

#include <cstddef>

#include "base/time_source.h"
#include "settings/preferences.h"

// The room a date text needs: the longest is 27 characters, a year of five
// digits makes 28; the rest is margin.
constexpr std::size_t kDateTextSize = 48;

// The separator character of the face: the first byte of the field; a byte
// that is not a printable ASCII character counts as a blank.
char DateSeparatorOf(const Preferences& p);

// Composes the date into text (at least kDateTextSize bytes).
void BuildDateText(const Preferences& p, const ClockDate& date, char* text, std::size_t size);

// The four passes over the joined date "<day name> <a> <b> <c>" that place the
// separator: later blanks become separators, a run of separators closes to one,
// a trailing separator goes, and a separator after a blank becomes a blank.
void PlaceDateSeparators(char* text, char separator);
