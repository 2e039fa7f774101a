// Fuzzes the program check's reading of a command line as the shell would
// read its first word. Any line is read without a fault; a path that the
// dialog turns into a command line reads back as that same path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "alarms/program_check.h"
#include "fuzz_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool environment = [] {
    // Names a line may expand: set, empty, with blanks, with a tilde.
    setenv("HORATICK_FUZZ_WORD", "/usr/bin/true", 1);
    setenv("HORATICK_FUZZ_EMPTY", "", 1);
    setenv("HORATICK_FUZZ_SPLIT", "two words", 1);
    setenv("HOME", "/home/fuzz", 1);
    return true;
  }();
  (void)environment;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string line = text.substr(0, text.find('\0'));

  const auto word = ProgramWordOf(line.c_str());
  if (word) FUZZ_CHECK(word->find('\0') == std::string::npos);

  // What the file chooser gives: a path without a zero or a line break (a
  // command line is one line). The word the line runs is the path itself.
  if (line.empty() || line.find('\n') != std::string::npos) return 0;
  const std::string command = CommandLineForPath(line.c_str());
  const auto readBack = ProgramWordOf(command.c_str());
  if (!readBack || *readBack != line) {
    std::fprintf(stderr, "path [%s] as [%s] reads back as [%s]\n", line.c_str(), command.c_str(),
                 readBack ? readBack->c_str() : "(unknowable)");
  }
  FUZZ_CHECK(readBack && *readBack == line);
  return 0;
}
