// Notes and captions printed by the terminal clock: no control character of
// a settings file reaches the terminal.
#include <gtest/gtest.h>

#include "base/terminal_text.h"

TEST(TerminalLine, ControlsAreShownEscapedAndEverythingElseAsItIs) {
  const struct {
    const char* name;
    std::string text;
    std::string shown;
  } cases[] = {
      {"plain text", "Water the plants", "Water the plants"},
      {"an escape sequence", "\x1b[2J\x1b]0;title\x07", "\\x1b[2J\\x1b]0;title\\x07"},
      {"line ends are blanks", "one\r\ntwo", "one  two"},
      {"tab, zero byte and DEL", std::string("a\tb\0c\x7f", 6), "a\\x09b\\x00c\\x7f"},
      {"C1 controls as their code points", "\xc2\x9b" "31m\xc2\x80", "\\x9b31m\\x80"},
      {"letters beside C1", "\xc2\xa0\xc3\xa9\xe2\x80\x94\xf0\x9f\x94\x94", "\xc2\xa0\xc3\xa9\xe2\x80\x94\xf0\x9f\x94\x94"},
      {"bytes that are no character", "\x9b" "2J \xc2 \xe2\x80 \xc0\xaf", "\\x9b2J \\xc2 \\xe2\\x80 \\xc0\\xaf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TerminalLine(c.text), c.shown);
  }
}
