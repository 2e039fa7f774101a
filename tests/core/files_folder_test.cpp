// The settings folder (GetWindowsDirectory) and OpenFile's lookup.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "files_temp_folder.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

// Sets environment variables for one test and puts them back after it.
class Environment {
 public:
  ~Environment() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
  }
  void Set(const char* name, const char* value) {
    if (saved_.count(name) == 0) {
      const char* old = std::getenv(name);
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

std::string WindowsDirectory() {
  char buffer[MAX_PATH];
  const UINT length = GetWindowsDirectory(buffer, sizeof buffer);
  return std::string(buffer, length);
}

class SettingsFolder : public ::testing::Test {
 protected:
  void TearDown() override { platform::ResetSettingsFolder(); }
  TempFolder folder;
  Environment env;
};

TEST_F(SettingsFolder, ChosenByOverrideThenEnvironment) {
  const struct {
    const char* name;
    const char* override;
    const char* horatickHome;
    const char* xdgConfigHome;
    const char* home;
    std::string expected;
  } cases[] = {
      {"override first", "/o", "/h", "/x", "/home", "/o"},
      {"HORATICK_HOME", nullptr, "/h/", "/x", "/home", "/h"},
      {"XDG_CONFIG_HOME", nullptr, "", "/x", "/home", "/x/horatick"},
      {"relative XDG_CONFIG_HOME ignored", nullptr, nullptr, "rel", "/home", "/home/.config/horatick"},
      {"home", nullptr, nullptr, nullptr, "/home", "/home/.config/horatick"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    env.Set("HORATICK_HOME", c.horatickHome);
    env.Set("XDG_CONFIG_HOME", c.xdgConfigHome);
    env.Set("HOME", c.home);
    platform::SetSettingsFolder(c.override);
    EXPECT_EQ(platform::SettingsFolderPath(), c.expected);
  }
}

TEST_F(SettingsFolder, CreatedOnFirstUseUnlessReadOnly) {
  const std::string wanted = folder / "a/b/horatick";
  env.Set("HORATICK_HOME", wanted.c_str());
  platform::SetSettingsReadOnly(true);
  EXPECT_EQ(WindowsDirectory(), wanted);
  EXPECT_FALSE(PathExists(folder / "a"));

  platform::SetSettingsReadOnly(false);
  EXPECT_EQ(WindowsDirectory(), wanted);
  struct stat info {};
  ASSERT_EQ(::stat(wanted.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(SettingsFolder, RelativeOverrideIsFromTheWorkingFolder) {
  char cwd[MAX_PATH];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  platform::SetSettingsFolder("some/dir/");
  EXPECT_EQ(platform::SettingsFolderPath(), std::string(cwd) + "/some/dir");
}

TEST_F(SettingsFolder, SmallBufferGetsTheSizeItNeeds) {
  platform::SetSettingsFolder(folder.path().c_str());
  char small[4] = "xyz";
  EXPECT_EQ(GetWindowsDirectory(small, sizeof small), folder.path().size() + 1);
  EXPECT_STREQ(small, "xyz");
}

TEST_F(SettingsFolder, OnlyAFolderOthersCannotWriteIsTrusted) {
  const struct {
    const char* name;
    mode_t mode;
    uid_t owner;
    platform::FolderTrust trust;
  } cases[] = {
      {"private", 0700, ::getuid(), platform::FolderTrust::Usable},
      {"the group may write", 0770, ::getuid(), platform::FolderTrust::Usable},
      {"every user may write", 0777, ::getuid(), platform::FolderTrust::WritableByAll},
      {"every user may write, sticky", 01777, ::getuid(), platform::FolderTrust::WritableByAll},
      {"another user's", 0700, 65534, platform::FolderTrust::OwnedByAnother},
  };
  const std::string settings = folder / "settings";
  platform::SetSettingsFolder(settings.c_str());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ::rmdir(settings.c_str());
    ASSERT_EQ(::mkdir(settings.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(settings.c_str(), c.mode), 0);
    ASSERT_EQ(::chown(settings.c_str(), c.owner, static_cast<gid_t>(-1)), 0);
    EXPECT_EQ(platform::CheckSettingsFolderTrust(), c.trust);
  }
}

class OpenFileExist : public ::testing::Test {
 protected:
  TempFolder folder;
  Environment env;
};

TEST_F(OpenFileExist, FindsFilesByPathOrSearchPath) {
  ::mkdir((folder / "bin").c_str(), 0755);
  WriteTextFile(folder / "bin/tool", "#!/bin/sh\n");
  ::mkdir((folder / "bin/dir").c_str(), 0755);
  env.Set("PATH", ("/nonexistent:" + (folder / "bin")).c_str());
  const struct {
    const char* name;
    std::string file;
    bool found;
    std::string pathName;
  } cases[] = {
      {"absolute path", folder / "bin/tool", true, folder / "bin/tool"},
      {"bare name on PATH", "tool", true, folder / "bin/tool"},
      {"missing", "no-such-tool", false, ""},
      {"a folder is not a file", folder / "bin/dir", false, ""},
      {"a folder on PATH is not a file", "dir", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OFSTRUCT info{};
    const HFILE result = OpenFile(c.file.c_str(), &info, OF_EXIST);
    EXPECT_EQ(result != HFILE_ERROR, c.found);
    if (c.found) {
      EXPECT_EQ(std::string(info.szPathName), c.pathName);
    }
  }
}

}  // namespace
