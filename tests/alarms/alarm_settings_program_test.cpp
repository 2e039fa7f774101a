// The program check at OK and the file chooser of "List Files".
#include "alarm_settings_fixture.h"

namespace {

using namespace alarm_dialogs;

std::string Warning(int alarm) {
  return "The program you have selected to run in Alarm " + std::to_string(alarm) +
         " does not exist. Are you sure you want to continue with this selection?";
}

void RunsProgram(AlarmRecord& r, const char* commandLine, bool enabled = true) {
  r.action = kAlarmActionProgram;
  r.enabled = enabled ? 1 : 0;
  SetDate(r, 12, 31, 1992);
  std::strncpy(r.program, commandLine, sizeof r.program - 1);
}

TEST(AlarmSettingsProgramCheck, WarnsLowestAlarmFirstAndNoKeepsTheDialogOpenUnsaved) {
  Desk desk{DeskWith([](Preferences&, AlarmRecord* a) {
    RunsProgram(a[1], "/no/such/dir/alarm-program");
    RunsProgram(a[4], "no-such-alarm-program --loud");
    RunsProgram(a[6], "sh -c 'exit 0'");            // found on the search path, arguments and all
    RunsProgram(a[7], "LANG=C '/bin/sh' -c true");  // assignments and quotes as the shell reads them
    RunsProgram(a[8], "/no/such/program", false);   // not enabled: not checked
  })};
  desk.start();
  const std::vector<unsigned char> before = SavedFile(desk);
  auto dlg = OpenAlarmSettings(desk);
  dlg.type(kNote, "changed").click(IDOK);
  auto box = desk.messageBox();
  EXPECT_EQ(box.text(), Warning(2));
  EXPECT_EQ(box.caption(), "Horatick");
  EXPECT_EQ(box.style() & (MB_TYPEMASK | MB_ICONMASK), MB_YESNO | MB_ICONEXCLAMATION);
  EXPECT_EQ(box.owner(), dlg.hwnd());
  box.answer(IDYES);
  EXPECT_EQ(desk.messageBox().text(), Warning(5));
  desk.messageBox().answer(IDNO);
  EXPECT_FALSE(desk.hasMessageBox());
  EXPECT_TRUE(dlg.isOpen());
  EXPECT_STREQ(alarms[0].note, "");
  EXPECT_EQ(SavedFile(desk), before);

  dlg.click(IDOK);
  desk.messageBox().answer(IDYES);
  desk.messageBox().answer(IDYES);
  EXPECT_FALSE(dlg.isOpen());
  EXPECT_STREQ(alarms[0].note, "changed");
  EXPECT_EQ(desk.messageBoxes().size(), 4u);
}

TEST(AlarmSettingsProgramCheck, ChecksTheProgramJustTypedForTheShownAlarm) {
  Desk desk;
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  dlg.click(kEnabled).click(kProgramAction).type(kProgram, "/no/such/program").click(IDOK);
  EXPECT_EQ(desk.messageBox().text(), Warning(1));
  desk.messageBox().answer(IDNO);
  dlg.type(kProgram, "/bin/sh -c 'echo hi'").click(IDOK);
  EXPECT_FALSE(dlg.isOpen());
  EXPECT_STREQ(alarms[0].program, "/bin/sh -c 'echo hi'");
}

TEST(AlarmSettingsListFiles, StartsFromTheStoredProgramAndPutsTheChoiceInTheEdit) {
  Desk desk{DeskWith([](Preferences&, AlarmRecord* a) { std::strcpy(a[0].program, "/usr/bin/stored"); })};
  desk.start();
  auto dlg = OpenAlarmSettings(desk);
  dlg.type(kProgram, "/typed/since").click(kListFiles);
  const auto request = desk.fileChooser().value();
  EXPECT_EQ(request.initialName, "/usr/bin/stored");
  EXPECT_EQ(request.title, "Select Program To Run");
  EXPECT_EQ(request.filterDescription, "Executables (*.EXE)");
  EXPECT_EQ(request.filterPatterns, "*.exe");
  EXPECT_EQ(request.flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST), OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
  EXPECT_EQ(request.owner, dlg.hwnd());
  desk.cancelFileChooser();
  EXPECT_EQ(dlg.text(kProgram), "/typed/since");

  // A path the shell would split is quoted, so that it still names the chosen file.
  dlg.click(kListFiles);
  desk.chooseFile("/bin/sh");
  EXPECT_EQ(dlg.text(kProgram), "/bin/sh");
  dlg.click(kListFiles);
  desk.chooseFile("/opt/My Tools/wake up");
  EXPECT_EQ(dlg.text(kProgram), "'/opt/My Tools/wake up'");
  // A path longer than the record holds is refused rather than cut into another path.
  dlg.click(kListFiles);
  desk.chooseFile(("/opt/" + std::string(124, 'x')).c_str());
  EXPECT_EQ(dlg.text(kProgram), "'/opt/My Tools/wake up'");
  EXPECT_STREQ(alarms[0].program, "/usr/bin/stored");  // nothing stored before OK
}

}  // namespace
