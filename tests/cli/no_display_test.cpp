// The desktop clock where no X display can be opened: it says so and ends,
// and leaves nothing behind that would stop the next start.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/follow_process.h"

TEST(NoDisplay, TheClockSaysSoAndEndsWithoutTakingTheLock) {
  const char* displays[] = {"", ":4093", "nowhere.invalid:0"};
  for (const char* display : displays) {
    SCOPED_TRACE(std::string("DISPLAY=") + display);
    TempFolder folder;
    FollowProcess clock(folder.path(), {},
                        {{"DISPLAY", display}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    EXPECT_EQ(clock.WaitForExit(30'000), 1);
    const std::string said = clock.ErrorText();
    EXPECT_NE(said.find("no X display"), std::string::npos) << said;
    EXPECT_NE(said.find("--follow"), std::string::npos) << said;
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  }
}
