// The steps that the Windows clock is put through under Wine
// (tests/windows/same_steps.txt), taken here on the Linux clock: the
// configuration file they leave must be tests/windows/same_steps.cfg, which
// the Windows clock's is compared with byte for byte. Set
// HORATICK_WRITE_SAME_STEPS to write that file anew after a deliberate change
// of the file's layout or of the steps.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/main_window_files.h"
#include "support/desk.h"

namespace {

const std::string kStepsFile = std::string(HORATICK_SOURCE_DIR) + "/tests/windows/same_steps.txt";
const std::string kExpectedFile = std::string(HORATICK_SOURCE_DIR) + "/tests/windows/same_steps.cfg";

// The words of the steps file, comments left out.
std::vector<std::string> StepWords() {
  std::ifstream file(kStepsFile);
  std::vector<std::string> words;
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream stream(line.substr(0, line.find('#')));
    for (std::string word; stream >> word;) words.push_back(word);
  }
  return words;
}

}  // namespace

TEST(SameSteps, LeaveTheConfigurationFileThatTheWindowsClockMustWrite) {
  Desk desk{Settings().screen(1024, 768)};
  desk.start();
  const std::vector<std::string> words = StepWords();
  ASSERT_FALSE(words.empty()) << kStepsFile;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& action = words[i];
    auto value = [&]() { return i + 1 < words.size() ? words[++i] : std::string(); };
    if (action == "menu") {
      desk.sysCommand(static_cast<UINT>(std::stoi(value())));
    } else if (action == "click") {
      desk.topDialog().click(std::stoi(value()));
    } else if (action == "type") {
      const int id = std::stoi(value());
      desk.topDialog().type(id, value().c_str());
    } else if (action == "ok") {
      desk.topDialog().click(IDOK);
    } else {
      FAIL() << "no step " << action;
    }
  }
  desk.close();
  const auto written = clock_files::ReadWholeFile(desk.settingsFolder() + "/HORATICK.CFG");
  ASSERT_TRUE(written.has_value());
  if (std::getenv("HORATICK_WRITE_SAME_STEPS") != nullptr) {
    std::ofstream(kExpectedFile, std::ios::binary) << *written;
  }
  const auto expected = clock_files::ReadWholeFile(kExpectedFile);
  ASSERT_TRUE(expected.has_value()) << kExpectedFile;
  EXPECT_EQ(*written, *expected);
}

// The control each dialog opens with the focus on, as the Windows clock's
// dialog manager chose it under Wine (tests/windows/dialog_focus.txt, which
// the Wine check compares the Windows clock with).
TEST(SameSteps, EachDialogOpensWithTheFocusWhereWindowsPutsIt) {
  std::ifstream file(std::string(HORATICK_SOURCE_DIR) + "/tests/windows/dialog_focus.txt");
  int checked = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string opener;
    int focus = 0;
    words >> opener >> focus;
    Desk desk{Settings().screen(1024, 768)};
    desk.start();
    // "4+601": the dialog opened by control 601 of the dialog of command 4.
    const std::size_t plus = opener.find('+');
    desk.sysCommand(static_cast<UINT>(std::stoi(opener.substr(0, plus))));
    if (plus != std::string::npos) desk.topDialog().click(std::stoi(opener.substr(plus + 1)));
    EXPECT_EQ(desk.topDialog().focusId(), focus) << desk.topDialog().caption();
    ++checked;
  }
  EXPECT_EQ(checked, 6);
}
