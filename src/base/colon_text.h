// Reading the "A:B" texts that the dialogs write and read back: a countdown
// length (hours:minutes) and the screen-saver delay (minutes:seconds).
#pragma once

#include <cstddef>

// Reads at most `count` characters of `text` as a decimal number: leading
// blanks, a sign, digits up to the first other character; 0 without digits.
// Numbers too large for a 32-bit field are held at its limits, so that the
// arithmetic that follows cannot overflow.
long long ReadLenientNumber(const char* text, std::size_t count);

struct ColonText {
  bool hasColon;
  long long before;  // the whole text's number when there is no colon
  long long after;
};

// The colon is looked for where the dialogs put it: third character (12:34),
// second (4:56), or after three or more digits (100:00, which the dialogs
// write themselves for large values and must read back the same). Two
// characters after the colon are read.
ColonText ReadColonText(const char* text);
