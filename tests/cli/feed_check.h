// Status-bar lines read back by a JSON parser of its own (Python's), as the
// bar reads them: each status line decoded, or why the bar would refuse it.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "core/files_temp_folder.h"

// format is "waybar" or "i3bar"; lines as the clock wrote them, without line ends.
inline CliResult CheckFeedLines(const std::string& format, const std::vector<std::string>& lines) {
  TempFolder folder;
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  WriteTextFile(folder / "lines", text);
  return RunProgram("/usr/bin/python3", {HORATICK_SOURCE_DIR "/tests/cli/feed_lines.py", format, folder / "lines"});
}
