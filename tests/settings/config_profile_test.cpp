// The profile keys at start-up: defaults written on the first run, the
// window place and its repairs, the AM/PM spelling.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include "platform/kernel/profile_text.h"
#include "settings/config_test_support.h"
#include "settings/settings_files.h"

namespace {

using ConfigProfile = ConfigFilesTest;

TEST_F(ConfigProfile, FirstRunWritesEveryKeyInOrder) {
  Load();
  EXPECT_EQ(versionMismatch, 0);
  EXPECT_EQ(ReadTextFile(ProfilePath()),
            "[Horatick]\nPMPM=148\nFlashAlarm=1\nFlashHourly=1\nxPos=1034\nyPos=30\n"
            "xScreen=1024\nyScreen=768\nVersion=01.00\n");
  EXPECT_EQ(pmStyle, 148);
  EXPECT_EQ(flashAlarm, 1);
  EXPECT_EQ(flashHourly, 1);
  EXPECT_EQ(record.xPos, 1014);
  EXPECT_EQ(record.yPos, 30);
  EXPECT_EQ(windowStyleExtra, 0x80000);
  // Loading writes no configuration file; the first save does.
  EXPECT_FALSE(PathExists(ConfigPath()));
}

TEST_F(ConfigProfile, WindowPlace) {
  const struct {
    const char* name;
    const char* keys;
    std::int16_t locationMode;
    std::int16_t xPos;
    std::int16_t yPos;
  } cases[] = {
      {"kept on the same screen", "xPos=500\nyPos=-40\nxScreen=1024\n", 705, 500, -40},
      {"xScreen missing", "xPos=500\nyPos=60\n", 705, 1014, 60},
      {"another screen width", "xPos=500\nyPos=60\nxScreen=800\n", 705, 1014, 60},
      {"beyond the right edge", "xPos=1025\nyPos=60\nxScreen=1024\n", 705, 1014, 60},
      {"at the right edge", "xPos=1024\nyPos=60\nxScreen=1024\n", 705, 1024, 60},
      {"too large for the record", "xPos=99999\nyPos=99999\nxScreen=1024\n", 705, 1014, 32767},
      {"not a number", "xPos=left\nyPos=top\nxScreen=1024\n", 705, 0, 0},
      {"lower right corner ignores the keys", "xPos=500\nyPos=60\nxScreen=1024\n", 706, 1034, 742},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PutProfile(std::string("[Horatick]\n") + c.keys);
    SetDefaultConfiguration();
    record.locationMode = c.locationMode;
    LoadProfileSettings();
    EXPECT_EQ(record.xPos, c.xPos);
    EXPECT_EQ(record.yPos, c.yPos);
  }
}

TEST_F(ConfigProfile, AmPmSpellingAndFlags) {
  const struct {
    const char* name;
    const char* keys;
    std::int16_t pm;
    std::int32_t flash;
  } cases[] = {
      {"lower case", "PMPM=149\nFlashAlarm=0\n", 149, 0},
      {"upper case", "PMPM=148\nFlashAlarm=1\n", 148, 1},
      {"unknown spelling", "PMPM=150\nFlashAlarm=2\n", 148, 2},
      {"not a number", "PMPM=pm\nFlashAlarm=x\n", 148, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PutProfile(std::string("[Horatick]\n") + c.keys);
    SetDefaultConfiguration();
    LoadProfileSettings();
    EXPECT_EQ(pmStyle, c.pm);
    EXPECT_EQ(flashAlarm, c.flash);
  }
}

TEST_F(ConfigProfile, WindowStyleFollowsTheBoxes) {
  const struct {
    std::int32_t systemBox;
    std::int32_t minimizeBox;
    std::int32_t style;
  } cases[] = {{0, 0, 0}, {1, 0, 0x80000}, {0, 1, 0x20000}, {1, 1, 0xA0000}, {2, 1, 0x20000}};
  for (const auto& c : cases) {
    SetDefaultConfiguration();
    record.systemBox = c.systemBox;
    record.minimizeBox = c.minimizeBox;
    LoadProfileSettings();
    EXPECT_EQ(windowStyleExtra, c.style) << c.systemBox << " " << c.minimizeBox;
  }
}

TEST_F(ConfigProfile, KeysOfTheUserAndOtherSectionsStay) {
  PutProfile("; my clock\n[Other]\na=1\n[Horatick]\nPMPM=149\nCustom=yes\n");
  Load();
  EXPECT_EQ(ReadTextFile(ProfilePath()),
            "; my clock\n[Other]\na=1\n[Horatick]\nPMPM=149\nCustom=yes\nFlashAlarm=1\nFlashHourly=1\n"
            "xPos=1034\nyPos=30\nxScreen=1024\nyScreen=768\nVersion=01.00\n");
}

// The message of a profile that cannot be written gives the real reason and
// shows the path's control bytes escaped.
TEST_F(ConfigProfile, AProfileThatCannotBeWrittenIsSaidWithItsReason) {
  enum class Trouble { FullDisk, HugeFile, FolderInItsPlace };
  const struct {
    const char* name;
    Trouble trouble;
    const char* subfolder;
    const char* shownSubfolder;
    const char* reason;
  } cases[] = {
      {"a full disk", Trouble::FullDisk, "full", "full", "No space left on device"},
      {"larger than any profile", Trouble::HugeFile, "huge", "huge", "File too large"},
      {"a control byte in the folder's name", Trouble::FolderInItsPlace, "odd\x1b]0;x\x07", "odd\\x1b]0;x\\x07",
       "Is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string settings = folder / c.subfolder;
    ASSERT_EQ(::mkdir(settings.c_str(), 0700), 0);
    platform::SetSettingsFolder(settings.c_str());
    ResetProfileWriteState();
    const std::string profile = settings + "/HORATICK.INI";
    if (c.trouble == Trouble::FullDisk) platform::FailFileCall(platform::FileCall::WriteFile, 0, 0, ERROR_DISK_FULL);
    if (c.trouble == Trouble::HugeFile) WriteTextFile(profile, std::string((16u << 20) + 1, ';'));
    if (c.trouble == Trouble::FolderInItsPlace) ::mkdir(profile.c_str(), 0700);
    testing::internal::CaptureStderr();
    Load();
    const std::string said = testing::internal::GetCapturedStderr();
    platform::ClearFileFaults();
    EXPECT_EQ(said, "horatick: The Horatick profile \"" + folder.path() + "/" + c.shownSubfolder +
                        "/HORATICK.INI\" could not be written (" + c.reason +
                        "), so the window's place and the settings kept there are not saved.\n");
  }
}

// A profile of 1.5 million lines (15 MB) is read and split once at start-up,
// however many keys start-up looks up; the clock's own write is seen at once.
TEST_F(ConfigProfile, AHugeProfileIsParsedOnceAtStartUp) {
  std::string text = "[Horatick]\nPMPM=149\nFlashAlarm=1\nFlashHourly=1\nxPos=500\nyPos=30\n"
                     "xScreen=1024\nyScreen=768\nVersion=01.00\n[Filler]\n";
  for (int i = 0; i < 1'500'000; ++i) text += "k" + std::to_string(1'000'000 + i).substr(1) + "=1\n";
  PutProfile(text);
  // Last changed a while ago, as a profile is when the clock starts.
  const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, ProfilePath().c_str(), times, 0), 0);
  const long before = platform::profile::ProfileParseCount();
  Load();
  EXPECT_EQ(platform::profile::ProfileParseCount() - before, 1);
  EXPECT_EQ(pmStyle, 149);
  EXPECT_EQ(record.xPos, 500);
  EXPECT_TRUE(ReadTextFile(ProfilePath()) == text) << "nothing needed writing";

  WriteProfileKey("xPos", "600");
  EXPECT_EQ(GetPrivateProfileInt(kProfileSection, "xPos", 0, kProfileFile), 600u);
}

}  // namespace
