// Writing profile files: each change touches only its own line, and a write
// that cannot finish leaves the old file as it was.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <string>

#include "files_temp_folder.h"
#include "platform/kernel/file_faults.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

class ProfileWrite : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetSettingsFolder(folder.path().c_str()); }
  void TearDown() override {
    platform::ClearFileFaults();
    platform::ResetSettingsFolder();
  }
  std::string Contents() { return ReadTextFile(folder / "TEST.INI").value_or("<missing>"); }

  TempFolder folder;
};

struct WriteCase {
  const char* name;
  const char* before;  // nullptr: no file
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

const WriteCase kWriteCases[] = {
    {"creates the file and the section", nullptr, "Horatick", "PMPM", "148", "[Horatick]\nPMPM=148\n"},
    {"new section at the end", "[s]\nk=1\n", "t", "j", "2", "[s]\nk=1\n[t]\nj=2\n"},
    {"new key after the section's last key", "[a]\nx=1\n\n[b]\ny=2\n", "A", "z", "3", "[a]\nx=1\nz=3\n\n[b]\ny=2\n"},
    {"new key in an empty section", "[a]\n[b]\ny=2\n", "a", "z", "3", "[a]\nz=3\n[b]\ny=2\n"},
    {"value replaced in place, spelling kept", "[A]\n  Key = old ; c\nz=1\n", "a", "KEY", "new",
     "[A]\n  Key = new\nz=1\n"},
    {"value written as given", "[s]\n", "s", "k", " \"x\" ", "[s]\nk= \"x\" \n"},
    {"only the first duplicate replaced", "[s]\nk=1\nk=2\n", "s", "k", "3", "[s]\nk=3\nk=2\n"},
    {"null value deletes the key", "[s]\nk=1\nj=2\nK=3\n", "s", "k", nullptr, "[s]\nj=2\n"},
    {"null key deletes the section", "[s]\nk=1\n;c\n[t]\nj=2\n[S]\nm=3\n", "s", nullptr, nullptr, "[t]\nj=2\n"},
    {"comments and garbage kept", "; top\ngarbage\n[s]\n;c\nk=1\nnoise\n", "s", "k", "2",
     "; top\ngarbage\n[s]\n;c\nk=2\nnoise\n"},
    {"crlf kept and used for new lines", "[s]\r\nk=1\r\n", "s", "j", "2", "[s]\r\nk=1\r\nj=2\r\n"},
    {"a last line without an end", "[s]\nk=1", "s", "j", "2", "[s]\nk=1\nj=2\n"},
    {"a replaced last line keeps having no end", "[s]\nk=1", "s", "k", "2", "[s]\nk=2"},
    {"keys before the first section untouched", "k=0\n[s]\n", "s", "k", "1", "k=0\n[s]\nk=1\n"},
};

TEST_F(ProfileWrite, Changes) {
  for (const WriteCase& c : kWriteCases) {
    SCOPED_TRACE(c.name);
    std::remove((folder / "TEST.INI").c_str());
    if (c.before != nullptr) WriteTextFile(folder / "TEST.INI", c.before);
    EXPECT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, "TEST.INI"));
    EXPECT_EQ(Contents(), c.after);
  }
  // No temporary file is left behind.
  EXPECT_EQ(FolderListing(folder.path()), "TEST.INI");
}

TEST_F(ProfileWrite, ReadBackAfterWrite) {
  EXPECT_TRUE(WritePrivateProfileString("Horatick", "xPos", "1014", "TEST.INI"));
  EXPECT_EQ(GetPrivateProfileInt("horatick", "XPOS", 0, "TEST.INI"), 1014u);
  EXPECT_TRUE(WritePrivateProfileString("Horatick", "xPos", "-3", "TEST.INI"));
  EXPECT_EQ(static_cast<int>(GetPrivateProfileInt("Horatick", "xPos", 0, "TEST.INI")), -3);
}

TEST_F(ProfileWrite, LineBreaksAreRefused) {
  // A value with a line break would add lines, even sections, to the file.
  WriteTextFile(folder / "TEST.INI", "[s]\nk=1\n");
  EXPECT_FALSE(WritePrivateProfileString("s", "k", "2\n[evil]\nx=1", "TEST.INI"));
  EXPECT_FALSE(WritePrivateProfileString("s", "k\r", "2", "TEST.INI"));
  EXPECT_FALSE(WritePrivateProfileString("s\n", "k", "2", "TEST.INI"));
  EXPECT_EQ(Contents(), "[s]\nk=1\n");
}

TEST_F(ProfileWrite, MissingFolderIsAFailure) {
  platform::SetSettingsFolder((folder / "not-there").c_str());
  EXPECT_FALSE(WritePrivateProfileString("s", "k", "1", "TEST.INI"));
  EXPECT_FALSE(PathExists(folder / "not-there"));
}

TEST_F(ProfileWrite, ReadOnlyModeWritesNothing) {
  platform::SetSettingsReadOnly(true);
  EXPECT_FALSE(WritePrivateProfileString("s", "k", "1", "TEST.INI"));
  EXPECT_EQ(FolderListing(folder.path()), "");
}

TEST_F(ProfileWrite, EveryFailingStepLeavesTheOldFileWhole) {
  // Each step's own reason is what the caller hears, not that of a later step.
  const struct {
    const char* name;
    platform::FileCall call;
    DWORD error;
  } steps[] = {
      {"create", platform::FileCall::CreateFile, ERROR_ACCESS_DENIED},
      {"write on a full disk", platform::FileCall::WriteFile, ERROR_DISK_FULL},
      {"flush", platform::FileCall::FlushFileBuffers, ERROR_WRITE_FAULT},
      {"close", platform::FileCall::CloseHandle, ERROR_WRITE_FAULT},
      {"rename", platform::FileCall::MoveFileEx, ERROR_ACCESS_DENIED},
  };
  const std::string before = "; mine\n[s]\nk=1\n";
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    WriteTextFile(folder / "TEST.INI", before);
    // The read of the old file opens and closes it once before the new file is made.
    const int earlier = step.call == platform::FileCall::CreateFile || step.call == platform::FileCall::CloseHandle;
    platform::FailFileCall(step.call, earlier, 1, step.error);
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "2", "TEST.INI"));
    EXPECT_EQ(GetLastError(), step.error);
    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(FolderListing(folder.path()), "TEST.INI");
    platform::ClearFileFaults();
    EXPECT_TRUE(WritePrivateProfileString("s", "k", "2", "TEST.INI"));
    EXPECT_EQ(Contents(), "; mine\n[s]\nk=2\n");
  }
}

TEST_F(ProfileWrite, AFileThatCannotBeReadIsNotReplacedAndSaysWhy) {
  const std::string huge = "[s]\n" + std::string((16u << 20) - 3, ';');
  const struct {
    const char* name;
    std::string before;
    bool readFails;
    DWORD error;
  } cases[] = {
      {"a failing read", "[s]\nk=1\n", true, ERROR_READ_FAULT},
      {"larger than any profile", huge, false, ERROR_FILE_TOO_LARGE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteTextFile(folder / "TEST.INI", c.before);
    if (c.readFails) platform::FailFileCall(platform::FileCall::ReadFile, 0, 1, ERROR_READ_FAULT);
    EXPECT_FALSE(WritePrivateProfileString("s", "j", "2", "TEST.INI"));
    EXPECT_EQ(GetLastError(), c.error);
    EXPECT_TRUE(Contents() == c.before);
    platform::ClearFileFaults();
  }
}

// A disk that really fills up: the profile's folder on a small file system of
// its own, filled before the write. Needs the right to mount one.
TEST_F(ProfileWrite, AFullDiskIsReportedAsOne) {
  const std::string small = folder / "small";
  ::mkdir(small.c_str(), 0700);
  if (::mount("horatick-test", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "no small file system can be mounted here";
  }
  WriteTextFile(small + "/TEST.INI", "[s]\nk=1\n");
  WriteTextFile(small + "/filler", std::string(1 << 20, 'x'));
  platform::SetSettingsFolder(small.c_str());
  EXPECT_FALSE(WritePrivateProfileString("s", "k", std::string(8192, '2').c_str(), "TEST.INI"));
  const DWORD error = GetLastError();
  const std::string contents = ReadTextFile(small + "/TEST.INI").value_or("<missing>");
  const std::string listing = FolderListing(small);
  ::umount2(small.c_str(), MNT_DETACH);
  EXPECT_EQ(error, ERROR_DISK_FULL);
  EXPECT_EQ(contents, "[s]\nk=1\n");
  EXPECT_EQ(listing, "TEST.INI filler") << "no temporary file is left";
}

}  // namespace
