// The error box of a failed save, seen from the running clock: once until a
// save works again, and never while the clock is ending.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "core/files_temp_folder.h"
#include "support/desk.h"
#include "platform/kernel/file_faults.h"

namespace {

constexpr char kSaveError[] = "Error H1010: Unable to save Horatick configuration file";

std::size_t SaveErrorBoxes(const Desk& desk) {
  std::size_t count = 0;
  for (const auto& box : desk.messageBoxes()) count += box.text == kSaveError ? 1 : 0;
  return count;
}

TEST(ConfigSaveErrors, ShownOnceUntilASaveWorksAgain) {
  Desk desk{Settings()};
  const std::string config = desk.settingsFolder() + "/HORATICK.CFG";
  platform::FailFileCall(platform::FileCall::MoveFileEx, 0, 0, ERROR_ACCESS_DENIED);
  desk.start();  // the save at the window's creation fails
  ASSERT_TRUE(desk.hasMessageBox());
  EXPECT_EQ(desk.messageBox().text(), kSaveError);
  EXPECT_EQ(desk.messageBox().caption(), "Horatick");
  desk.messageBox().ok();
  EXPECT_FALSE(PathExists(config));

  desk.sysCommand(IDM_HOURLYBEEP);  // fails again: no second box
  EXPECT_FALSE(desk.hasMessageBox());
  EXPECT_EQ(SaveErrorBoxes(desk), 1u);

  platform::ClearFileFaults();
  desk.sysCommand(IDM_HOURLYBEEP);  // works
  ASSERT_TRUE(PathExists(config));
  const std::string saved = ReadTextFile(config).value_or("");
  EXPECT_EQ(saved.size(), 3644u);

  platform::FailFileCall(platform::FileCall::WriteFile, 0, 0, ERROR_WRITE_FAULT);
  desk.sysCommand(IDM_HOURLYBEEP);  // fails after a save that worked: the box again
  ASSERT_TRUE(desk.hasMessageBox());
  desk.messageBox().ok();
  EXPECT_EQ(SaveErrorBoxes(desk), 2u);
  EXPECT_EQ(ReadTextFile(config), saved);
  EXPECT_EQ(FolderListing(desk.settingsFolder()).find(".tmp-"), std::string::npos) << "no temporary file is left";
}

TEST(ConfigSaveErrors, AtTheEndTheReportGoesToStandardError) {
  Desk desk{Settings()};
  desk.start();
  platform::FailFileCall(platform::FileCall::CreateFile, 0, 0, ERROR_ACCESS_DENIED);
  desk.sysCommand(IDM_HOURLYBEEP);
  ASSERT_TRUE(desk.hasMessageBox());
  desk.messageBox().ok();

  // The change is still unsaved when the clock ends.
  testing::internal::CaptureStderr();
  desk.close();
  const std::string reported = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(desk.running());
  EXPECT_EQ(SaveErrorBoxes(desk), 1u);
  EXPECT_NE(reported.find(kSaveError), std::string::npos);
}

}  // namespace
