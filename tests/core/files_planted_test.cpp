// The file calls against what others can plant in a settings folder: special
// files, links, and the leftovers of saves that were killed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "files_temp_folder.h"
#include "platform/win32.h"

namespace {

constexpr uid_t kOtherUser = 65534;

HANDLE Open(const std::string& path, DWORD access, DWORD creation) {
  return CreateFile(path.c_str(), access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

// A process number that no process has any more.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(PlantedFiles, OnlyRegularFilesAreOpenedAndNothingIsWaitedOn) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  // Each is refused with a reason that says what stands there.
  const struct {
    std::string path;
    DWORD access;
    DWORD creation;
    DWORD error;
  } cases[] = {
      {folder / "fifo", GENERIC_READ, OPEN_EXISTING, ERROR_BAD_FILE_TYPE},
      {folder / "fifo", GENERIC_WRITE, OPEN_EXISTING, ERROR_BAD_FILE_TYPE},
      {folder / "fifo", GENERIC_WRITE, CREATE_ALWAYS, ERROR_BAD_FILE_TYPE},
      {"/dev/null", GENERIC_READ, OPEN_EXISTING, ERROR_BAD_FILE_TYPE},
      {folder.path(), GENERIC_WRITE, OPEN_ALWAYS, ERROR_DIRECTORY_NOT_SUPPORTED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(Open(c.path, c.access, c.creation), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), c.error);
  }
  // The profile reads such a file as unreadable: every key has its default.
  EXPECT_EQ(GetPrivateProfileInt("Horatick", "xPos", 7, (folder / "fifo").c_str()), 7u);
}

TEST(PlantedFiles, ANewFileIsNeverALinkSomeonePlanted) {
  TempFolder folder;
  WriteTextFile(folder / "victim", "secret");
  ::chmod((folder / "victim").c_str(), 0600);
  ASSERT_EQ(::symlink((folder / "victim").c_str(), (folder / "new").c_str()), 0);
  EXPECT_EQ(Open(folder / "new", GENERIC_WRITE, CREATE_NEW), INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadTextFile(folder / "victim"), "secret");
  EXPECT_EQ(ModeOf(folder / "victim") & 0777, 0600u);
}

TEST(PlantedFiles, AReplaceWritesThroughOnlyTheUsersOwnLinks) {
  TempFolder folder;
  TempFolder elsewhere;
  // Another file system, where the replacement cannot simply be renamed to.
  TempFolder otherDisk("/dev/shm");
  const struct {
    const char* name;
    std::string target;
    uid_t linkOwner;
    bool targetExists;
    bool followed;
  } cases[] = {
      {"own link", elsewhere / "dotfile", ::getuid(), true, true},
      {"own link to another file system", otherDisk / "dotfile", ::getuid(), true, true},
      {"own link to a file not there yet", elsewhere / "fresh", ::getuid(), false, true},
      {"another user's link", elsewhere / "victim", kOtherUser, true, false},
  };
  const std::string settings = folder / "HORATICK.INI";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(settings.c_str());
    if (c.targetExists) {
      WriteTextFile(c.target, "old");
      ::chmod(c.target.c_str(), 0640);
    }
    ASSERT_EQ(::symlink(c.target.c_str(), settings.c_str()), 0);
    ASSERT_EQ(::lchown(settings.c_str(), c.linkOwner, static_cast<gid_t>(-1)), 0);
    WriteTextFile(folder / "replacement", "new");

    EXPECT_TRUE(MoveFileEx((folder / "replacement").c_str(), settings.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(S_ISLNK(ModeOf(settings)), c.followed);
    EXPECT_EQ(ReadTextFile(settings), "new");
    EXPECT_EQ(ReadTextFile(c.target), c.followed ? "new" : "old");
    if (c.targetExists) {
      EXPECT_EQ(ModeOf(c.target) & 0777, 0640u) << "the target keeps its permissions";
    }
    EXPECT_EQ(FolderListing(folder.path()), "HORATICK.INI");
    EXPECT_EQ(FolderListing(c.target.substr(0, c.target.rfind('/'))).find(".tmp-"), std::string::npos);
    std::remove(c.target.c_str());
  }
}

TEST(PlantedFiles, TemporariesOfEndedSavesGoAtTheNextReplace) {
  TempFolder folder;
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(::getppid());
  const struct {
    std::string name;
    bool kept;
  } leftovers[] = {
      {".HORATICK.INI.tmp-" + ended + "-3", false},
      {".HORATICK.INI.tmp-" + running + "-1", true},  // a save still under way
      {".HORATICK.CFG.tmp-" + ended + "-1", true},    // another file's
      {".HORATICK.INI.tmp-" + ended + "-x", true},    // not a name the saves make
  };
  for (const auto& l : leftovers) WriteTextFile(folder / l.name, "left over");
  WriteTextFile(folder / "replacement", "new");
  ASSERT_TRUE(MoveFileEx((folder / "replacement").c_str(), (folder / "HORATICK.INI").c_str(),
                         MOVEFILE_REPLACE_EXISTING));
  for (const auto& l : leftovers) EXPECT_EQ(PathExists(folder / l.name), l.kept) << l.name;
}

}  // namespace
