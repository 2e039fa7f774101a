// Saving: only when something changed, never losing the old file, and trying
// again after a failure.
#include <cstring>

#include "settings/config_test_support.h"

namespace {

class ConfigSave : public ConfigFilesTest {
 protected:
  void SetUp() override {
    ConfigFilesTest::SetUp();
    Load();
    ASSERT_EQ(SaveConfiguration(nullptr), 1);
    savedImage = ConfigOnDisk();
  }
  std::string savedImage;
};

TEST_F(ConfigSave, NothingChangedWritesNothing) {
  std::remove(ConfigPath().c_str());
  EXPECT_EQ(SaveConfiguration(nullptr), 0);
  EXPECT_FALSE(PathExists(ConfigPath()));
}

TEST_F(ConfigSave, AnySingleByteChangeIsWritten) {
  const std::size_t offsets[] = {0, 19, 45, 83, 84 + 6, 84 + 100, 84 + 9 * 356 + 330, 3643};
  for (std::size_t offset : offsets) {
    SCOPED_TRACE(offset);
    unsigned char* byte = offset < 84 ? reinterpret_cast<unsigned char*>(&record) + offset
                                      : reinterpret_cast<unsigned char*>(table) + (offset - 84);
    *byte ^= 0x5A;
    EXPECT_EQ(SaveConfiguration(nullptr), 1);
    const std::string onDisk = ConfigOnDisk();
    ASSERT_EQ(onDisk.size(), 3644u);
    EXPECT_EQ(static_cast<unsigned char>(onDisk[offset]), *byte);
    EXPECT_EQ(SaveConfiguration(nullptr), 0);
  }
}

TEST_F(ConfigSave, AFailedStepKeepsTheOldFileAndTheNextSaveTriesAgain) {
  const struct {
    const char* name;
    platform::FileCall call;
    DWORD error;
  } steps[] = {
      {"folder not writable", platform::FileCall::CreateFile, ERROR_ACCESS_DENIED},
      {"write fails half-way", platform::FileCall::WriteFile, ERROR_WRITE_FAULT},
      {"flush fails", platform::FileCall::FlushFileBuffers, ERROR_WRITE_FAULT},
      {"close fails", platform::FileCall::CloseHandle, ERROR_WRITE_FAULT},
      {"rename fails", platform::FileCall::MoveFileEx, ERROR_ACCESS_DENIED},
  };
  // At the end of the program the report goes to standard error, not into a box.
  programEnding = 1;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    record.timeFormat = record.timeFormat == 106 ? 107 : 106;
    const std::string before = ConfigOnDisk();
    platform::FailFileCall(step.call, 0, 1, step.error);
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveConfiguration(nullptr), 0);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("Error H1010: Unable to save Horatick configuration file"), std::string::npos);
    EXPECT_EQ(ConfigOnDisk(), before);
    EXPECT_EQ(FolderListing(folder.path()), "HORATICK.CFG HORATICK.INI");
    // Nothing changed since, yet the next save writes: the last one did not.
    EXPECT_EQ(SaveConfiguration(nullptr), 1);
    EXPECT_NE(ConfigOnDisk(), before);
    EXPECT_EQ(SaveConfiguration(nullptr), 0);
  }
}

TEST_F(ConfigSave, ReadOnlyLoadChangesNothingOnDisk) {
  const struct {
    const char* name;
    std::string profile;
    std::string config;
    std::int16_t timeFormat;
    std::int16_t pm;
  } cases[] = {
      {"current settings", "[Horatick]\nPMPM=149\nVersion=01.00\n", ConfigImage::Defaults(1, 2).Text(), 105, 149},
      {"profile of another version", "[Horatick]\nPMPM=149\nVersion=00.50\n", ConfigImage::Defaults(1, 2).Text(),
       105, 148},
      {"short configuration file", "[Horatick]\nPMPM=149\n", std::string(100, 'x'), 105, 149},
      {"damaged header", "[Horatick]\nPMPM=149\n", "0X" + ConfigImage::Defaults(1, 2).Text().substr(2), 105, 149},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PutProfile(c.profile);
    WriteTextFile(ConfigPath(), c.config);
    platform::SetSettingsReadOnly(true);
    record = Preferences{};
    pmStyle = 148;
    LoadSettingsReadOnly();
    platform::SetSettingsReadOnly(false);
    EXPECT_EQ(record.timeFormat, c.timeFormat);
    EXPECT_EQ(pmStyle, c.pm);
    EXPECT_EQ(ReadTextFile(ProfilePath()), c.profile);
    EXPECT_EQ(ReadTextFile(ConfigPath()), c.config);
    EXPECT_EQ(FolderListing(folder.path()), "HORATICK.CFG HORATICK.INI");
  }
}

TEST_F(ConfigSave, ReadOnlyLoadCreatesNoFolder) {
  platform::SetSettingsFolder((folder / "fresh").c_str());
  platform::SetSettingsReadOnly(true);
  LoadSettingsReadOnly();
  EXPECT_EQ(record.timeFormat, 105);
  EXPECT_FALSE(PathExists(folder / "fresh"));
}

}  // namespace
