// The terminal clock tells the desktop's notification service of an alarm's
// note, on a private session bus with a fake service, and goes on without one.
#include <gtest/gtest.h>

#include "app/main_window_files.h"
#include "cli/desktop_notice.h"
#include "cli/follow_process.h"
#include "cli/reminder_today.h"
#include "support/private_bus.h"

namespace {

using clock_files::WriteWholeFile;

class FollowNotify : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteWholeFile(folder.path() + "/HORATICK.CFG", WithReminderToday("Water <the> plants & \xFF more").Image());
  }
  std::unique_ptr<FollowProcess> Start() {
    return std::make_unique<FollowProcess>(
        folder.path(), std::vector<std::string>{"--follow"},
        std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", runtime.path()},
                                           {"DBUS_SESSION_BUS_ADDRESS", session.address()}});
  }

  TempFolder folder;
  TempFolder runtime;
  busfake::PrivateBus session;
};

TEST_F(FollowNotify, AnAlarmsNoteIsAnUrgentNotificationThatWantsNoReply) {
  busfake::FakeService notifications(session, {"notifications"});
  ASSERT_TRUE(notifications.ready());
  auto clock = Start();
  const auto note = clock->NextLineBesidesFaces();
  ASSERT_TRUE(note.has_value()) << clock->ErrorText();
  EXPECT_EQ(*note, "Alarm 1 - 7:05  (One Date): Water <the> plants & \\xff more");
  EXPECT_EQ(notifications.nextCall(),
            "Notify Horatick|0|horatick|Alarm 1 - 7:05  (One Date)|Water &lt;the&gt; plants &amp; \xEF\xBF\xBD more||"
            "urgency=2|-1|no-reply");
  EXPECT_TRUE(clock->StillRunning());
}

TEST_F(FollowNotify, WithoutANotificationServiceTheLineIsAll) {
  auto clock = Start();
  const auto note = clock->NextLineBesidesFaces();
  ASSERT_TRUE(note.has_value()) << clock->ErrorText();
  EXPECT_EQ(*note, "Alarm 1 - 7:05  (One Date): Water <the> plants & \\xff more");
  EXPECT_TRUE(clock->StillRunning());
}

TEST(DesktopNotice, OnlyAlarmNotesAndCountdownNoticesAreTold) {
  platform::WindowSnapshot note;
  note.kind = platform::WindowKind::Dialog;
  note.templateName = "ShowAlarmMessage";
  note.text = "Alarm 2 - 6:30  12-9-126";
  platform::WindowSnapshot countdown;
  countdown.kind = platform::WindowKind::MessageBox;
  countdown.text = "Horatick";
  countdown.messageBoxText = "Countdown timer 2 finished.";
  platform::WindowSnapshot error = countdown;
  error.messageBoxText = "The Horatick configuration file could not be saved.";
  platform::WindowSnapshot otherDialog = note;
  otherDialog.templateName = "DateOptions";

  const auto told = cli::NoticeOf(note, "Tea\x01time");
  ASSERT_TRUE(told.has_value());
  EXPECT_EQ(told->summary, note.text);
  EXPECT_EQ(told->body, "Tea time");
  EXPECT_TRUE(told->alarm);
  const auto finished = cli::NoticeOf(countdown, countdown.messageBoxText);
  ASSERT_TRUE(finished.has_value());
  EXPECT_EQ(finished->body, "Countdown timer 2 finished.");
  EXPECT_FALSE(finished->alarm);
  EXPECT_FALSE(cli::NoticeOf(error, error.messageBoxText).has_value());
  EXPECT_FALSE(cli::NoticeOf(otherDialog, "").has_value());
}

}  // namespace
