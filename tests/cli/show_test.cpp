// horatick --show: the command reaches the running copy through its socket.
#include <gtest/gtest.h>

#include "cli/follow_process.h"

TEST(Show, WithNoRunningCopyItSaysSoAndFails) {
  TempFolder folder;
  FollowProcess show(folder.path(), {"--show"});
  EXPECT_EQ(show.WaitForExit(), 1);
  EXPECT_NE(show.ErrorText().find("no running clock"), std::string::npos);
}

TEST(Show, TheRunningCopyTakesTheCommand) {
  TempFolder folder;
  FollowProcess clock(folder.path(), {"--follow"});
  ASSERT_TRUE(clock.NextLine().has_value());

  // The show command is answered only by a copy that took it from its socket.
  for (int i = 0; i < 2; ++i) {
    FollowProcess show(folder.path(), {"--show"});
    EXPECT_EQ(show.WaitForExit(), 0) << show.ErrorText();
  }
  EXPECT_TRUE(clock.StillRunning());

  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
}
