// Loading the configuration file: the version checks, damaged files and the
// repair of values outside their sets.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "settings/config_load.h"
#include "settings/damaged_copies.h"
#include "settings/config_test_support.h"

namespace {

using ConfigLoad = ConfigFilesTest;

// A current file whose time format (106) tells it from the defaults (105).
ConfigImage CustomImage() {
  ConfigImage m = ConfigImage::Defaults(500, 60);
  m.Put16(6, 106);
  return m;
}

TEST_F(ConfigLoad, ProfileVersionRules) {
  const struct {
    const char* name;
    const char* profile;  // nullptr: no profile
    bool fileUsed;
    int mismatch;
  } cases[] = {
      {"no profile", nullptr, true, 0},
      {"no Version key", "[Horatick]\nPMPM=148\n", true, 0},
      {"Version present but empty", "[Horatick]\nVersion=\n", true, 0},
      {"current version", "[Horatick]\nVersion=01.00\n", true, 0},
      {"only five characters compared", "[Horatick]\nVersion=01.00abc\n", true, 0},
      {"another version", "[Horatick]\nVersion=02.00\n", false, 1},
      {"a shorter version", "[Horatick]\nVersion=01.0\n", false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::string& file : {ProfilePath(), ConfigPath(), ProfilePath() + ".bad", ConfigPath() + ".bad"}) {
      std::remove(file.c_str());
    }
    if (c.profile) PutProfile(c.profile);
    PutConfig(CustomImage());
    versionMismatch = 0;
    record = Preferences{};
    LoadConfiguration();
    EXPECT_EQ(versionMismatch, c.mismatch);
    EXPECT_EQ(record.timeFormat, c.fileUsed ? 106 : 105);
    // Settings of another version leave their names, both files, but each is
    // kept with all it holds; otherwise nothing is touched.
    EXPECT_EQ(PathExists(ConfigPath()), c.fileUsed);
    EXPECT_EQ(PathExists(ProfilePath()), c.profile != nullptr && c.fileUsed);
    if (c.fileUsed) {
      EXPECT_EQ(keptFilesNote, "");
      continue;
    }
    EXPECT_EQ(ReadTextFile(ConfigPath() + ".bad"), CustomImage().Text());
    EXPECT_EQ(ReadTextFile(ProfilePath() + ".bad"), c.profile);
    EXPECT_EQ(keptFilesNote, " The file was kept as \"" + ConfigPath() + ".bad\". The profile was kept as \"" +
                                 ProfilePath() + ".bad\".");
  }
}

TEST_F(ConfigLoad, FileStampAndLength) {
  ConfigImage otherStamp = CustomImage();
  otherStamp.PutText(0, "00.99");
  ConfigImage damagedStamp = CustomImage();
  damagedStamp.Put8(1, 0xFF);
  const struct {
    const char* name;
    std::optional<std::string> file;
    bool fileUsed;
    int mismatch;
    bool keptAsBad;
  } cases[] = {
      {"missing file: defaults, silently", std::nullopt, false, 0, false},
      {"current file", CustomImage().Text(), true, 0, false},
      {"longer file: the rest is ignored", CustomImage().Text() + "tail", true, 0, false},
      {"another stamp", otherStamp.Text(), false, 1, true},
      {"a damaged stamp", damagedStamp.Text(), false, 1, true},
      {"one byte short", CustomImage().Text().substr(0, 3643), false, 1, true},
      {"only the stamp", std::string("01.00", 6), false, 1, true},
      {"empty file", std::string(), false, 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(ConfigPath().c_str());
    std::remove((ConfigPath() + ".bad").c_str());
    std::remove((ConfigPath() + ".bad.1").c_str());
    if (c.file) WriteTextFile(ConfigPath(), *c.file);
    // An older kept file moves one generation down.
    WriteTextFile(ConfigPath() + ".bad", "older");
    versionMismatch = 0;
    record = Preferences{};
    LoadConfiguration();
    EXPECT_EQ(versionMismatch, c.mismatch);
    EXPECT_EQ(record.timeFormat, c.fileUsed ? 106 : 105);
    if (c.keptAsBad) {
      EXPECT_FALSE(PathExists(ConfigPath()));
      EXPECT_EQ(ReadTextFile(ConfigPath() + ".bad"), c.file);
      EXPECT_EQ(ReadTextFile(ConfigPath() + ".bad.1"), "older");
      EXPECT_EQ(keptFilesNote, " The file was kept as \"" + ConfigPath() + ".bad\".");
    } else {
      EXPECT_EQ(keptFilesNote, "");
      EXPECT_EQ(ReadTextFile(ConfigPath() + ".bad"), "older");
      if (c.file) {
        EXPECT_EQ(ReadTextFile(ConfigPath()), c.file);
      }
    }
  }
}

// A file the system refuses is not another version's: the notice names the
// file, the system's reason and where the file was kept.
TEST_F(ConfigLoad, AFileThatCannotBeReadIsKeptAsideWithTheReason) {
  const struct {
    const char* name;
    bool folder;  // HORATICK.CFG is a folder
    platform::FileCall failing;
    DWORD error;
    bool keepFails;
    const char* reason;
  } cases[] = {
      {"no permission", false, platform::FileCall::CreateFile, ERROR_ACCESS_DENIED, false, "Permission denied"},
      {"a folder of that name", true, platform::FileCall::DeleteFile, 0, false, "Is a directory"},
      {"an I/O error", false, platform::FileCall::ReadFile, ERROR_READ_FAULT, false, "Input/output error"},
      {"not even kept", false, platform::FileCall::ReadFile, ERROR_READ_FAULT, true, "Input/output error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(ConfigPath());
    std::filesystem::remove_all(ConfigPath() + ".bad");
    if (c.folder) {
      std::filesystem::create_directory(ConfigPath());
    } else {
      PutConfig(CustomImage());
    }
    // The profile is opened first.
    const int before = c.failing == platform::FileCall::CreateFile ? 1 : 0;
    if (c.error != 0) platform::FailFileCall(c.failing, before, 1, c.error);
    // The older kept copies move on first; the file's own move is the last.
    if (c.keepFails) {
      platform::FailFileCall(platform::FileCall::MoveFileEx, kKeptDamagedCopies - 1, 1, ERROR_ACCESS_DENIED);
    }
    versionMismatch = 0;
    record = Preferences{};
    LoadConfiguration();
    EXPECT_EQ(versionMismatch, 0);
    EXPECT_EQ(record.timeFormat, 105);
    std::string expected = "The Horatick configuration file \"" + ConfigPath() + "\" could not be read (" + c.reason +
                           "), so the default settings are used.";
    expected += c.keepFails ? std::string(" The file could not be kept aside (Permission denied).")
                            : " The file was kept as \"" + ConfigPath() + ".bad\".";
    EXPECT_EQ(unreadableConfigNotice, expected);
    EXPECT_EQ(PathExists(ConfigPath() + ".bad"), !c.keepFails);
    if (!c.folder && !c.keepFails) {
      EXPECT_EQ(ReadTextFile(ConfigPath() + ".bad"), CustomImage().Text());
    }
    platform::ClearFileFaults();
  }
}

TEST_F(ConfigLoad, TheUnreadableFileNoticeShowsControlBytesOfThePathEscaped) {
  const std::string settings = folder / "odd\x1b[2J\r";
  std::filesystem::create_directories(settings + "/HORATICK.CFG");
  platform::SetSettingsFolder(settings.c_str());
  testing::internal::CaptureStderr();
  LoadConfiguration();
  const std::string said = testing::internal::GetCapturedStderr();
  const std::string shown = folder / "odd\\x1b[2J /HORATICK.CFG";
  const std::string notice = "The Horatick configuration file \"" + shown +
                             "\" could not be read (Is a directory), so the default settings are used. "
                             "The file was kept as \"" + shown + ".bad\".";
  EXPECT_EQ(unreadableConfigNotice, notice);
  EXPECT_EQ(said, "horatick: " + notice + "\n");
}

TEST_F(ConfigLoad, TheLastFiveDamagedFilesAreKept) {
  for (int i = 1; i <= 7; ++i) {
    WriteTextFile(ConfigPath(), "damaged " + std::to_string(i));
    LoadConfiguration();
  }
  const struct {
    const char* suffix;
    std::optional<std::string> kept;
  } generations[] = {
      {".bad", "damaged 7"},   {".bad.1", "damaged 6"}, {".bad.2", "damaged 5"},
      {".bad.3", "damaged 4"}, {".bad.4", "damaged 3"}, {".bad.5", std::nullopt},
  };
  for (const auto& g : generations) EXPECT_EQ(ReadTextFile(ConfigPath() + g.suffix), g.kept) << g.suffix;
}

TEST_F(ConfigLoad, OldDateModesAreConverted) {
  ConfigImage m = CustomImage();
  const std::int16_t stored[] = {310, 311, 600, 601, 310, 311, 600, 601, 310, 311};
  const std::int16_t loaded[] = {601, 600, 600, 601, 601, 600, 600, 601, 601, 600};
  for (int i = 0; i < 10; ++i) m.Put16(ConfigImage::Alarm(i, 16), stored[i]);
  PutConfig(m);
  LoadConfiguration();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(table[i].dateMode, loaded[i]) << "alarm " << i + 1;
}

TEST_F(ConfigLoad, ValuesOutsideTheirSetsTakeTheirDefaults) {
  const struct {
    const char* name;
    std::size_t offset;
    int width;
    std::int32_t stored;
    std::int32_t loaded;
  } cases[] = {
      {"time format", 6, 2, 108, 105},
      {"weekday style", 10, 2, 204, 205},
      {"month style", 12, 2, 310, 305},
      {"day style", 14, 2, 0, 406},
      {"year style", 16, 2, -1, 505},
      {"date order", 32, 2, 608, 605},
      {"location mode", 34, 2, 707, 705},
      {"screen-saver mode", 64, 4, 904, 905},
      {"a good month style stays", 12, 2, 309, 309},
      {"a flag of 2 stays", 24, 4, 2, 2},
      {"blink colon of 7 stays", 60, 4, 7, 7},
      {"alarm 1 am/pm mode", ConfigImage::Alarm(0, 0), 4, 121, 118},
      {"alarm 2 date mode", ConfigImage::Alarm(1, 16), 2, 602, 600},
      {"alarm 3 action", ConfigImage::Alarm(2, 232), 4, 126, 124},
      {"alarm 4 show mode", ConfigImage::Alarm(3, 236), 4, 126, 129},
      {"alarm 5 beep duration", ConfigImage::Alarm(4, 244), 4, 527, 525},
      {"alarm 6 beep tone", ConfigImage::Alarm(5, 248), 4, 507, 505},
      {"alarm 7 good beep tone stays", ConfigImage::Alarm(6, 248), 4, 506, 506},
      {"alarm 8 enabled of 3 stays", ConfigImage::Alarm(7, 18), 2, 3, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigImage m = CustomImage();
    if (c.width == 2) {
      m.Put16(c.offset, c.stored);
    } else {
      m.Put32(c.offset, c.stored);
    }
    PutConfig(m);
    LoadConfiguration();
    unsigned char image[3644];
    std::memcpy(image, &record, 84);
    std::memcpy(image + 84, table, 3560);
    std::int32_t value = 0;
    if (c.width == 2) {
      std::int16_t v16;
      std::memcpy(&v16, image + c.offset, 2);
      value = v16;
    } else {
      std::memcpy(&value, image + c.offset, 4);
    }
    EXPECT_EQ(value, c.loaded);
  }
}

TEST_F(ConfigLoad, TextsAlwaysEndInAZero) {
  ConfigImage m = CustomImage();
  m.PutText(0, "01.00X");
  m.PutText(40, "-----");
  for (int i = 0; i < 10; ++i) {
    m.PutText(ConfigImage::Alarm(i, 20), std::string(81, 'n'));
    m.PutText(ConfigImage::Alarm(i, 101), std::string(131, 'p'));
  }
  PutConfig(m);
  LoadConfiguration();
  EXPECT_EQ(versionMismatch, 0);
  EXPECT_STREQ(record.version, "01.00");
  EXPECT_STREQ(record.separator, "----");
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(std::strlen(table[i].note), 80u);
    EXPECT_EQ(std::strlen(table[i].program), 130u);
  }
}

}  // namespace
