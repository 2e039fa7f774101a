// Starting programs detached, and the single running copy with its command socket.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <vector>
#include <string>
#include <thread>

#include "files_temp_folder.h"
#include "platform/core/programs.h"
#include "platform/core/settings_folder.h"
#include "platform/core/single_instance.h"

namespace {

// Waits for something another process does; the limit only keeps a broken run from hanging.
bool EventuallyTrue(const std::function<bool()>& condition) {
  for (int i = 0; i < 1000; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

TEST(SpawnDetached, RunsTheShellAndLeavesNoChild) {
  TempFolder folder;
  const std::string done = folder / "done";
  ASSERT_TRUE(platform::SpawnDetached(("A=1; echo \"$A $$\" > '" + done + "'").c_str()));
  // The only child of ours was the middle process, already reaped.
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  EXPECT_TRUE(EventuallyTrue([&] { return ReadTextFile(done).value_or("").find('\n') != std::string::npos; }));
  EXPECT_EQ(ReadTextFile(done).value_or("").substr(0, 2), "1 ");
}

TEST(SpawnDetached, TheProgramGetsNoneOfOurDescriptors) {
  TempFolder folder;
  const int ours = ::open(folder.path().c_str(), O_RDONLY);  // without O_CLOEXEC on purpose
  ASSERT_GE(ours, 3);
  const std::string report = folder / "fds";
  ASSERT_TRUE(platform::SpawnDetached(
      ("if [ -e /proc/self/fd/" + std::to_string(ours) + " ]; then echo open; else echo closed; fi > '" + report + "'")
          .c_str()));
  EXPECT_TRUE(EventuallyTrue([&] { return ReadTextFile(report).value_or("").find('\n') != std::string::npos; }));
  EXPECT_EQ(ReadTextFile(report).value_or(""), "closed\n");
  ::close(ours);
}

class SingleInstance : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetSettingsFolder(folder.path().c_str()); }
  void TearDown() override {
    platform::ReleaseSingleInstance();
    platform::ResetSettingsFolder();
  }
  TempFolder folder;
};

TEST_F(SingleInstance, AnotherCopyHoldingTheLockRefusesTheStart) {
  // Another copy: the lock file held through a descriptor of its own.
  const int other = ::open((folder / "horatick.lock").c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(platform::AcquireSingleInstance());
  EXPECT_EQ(platform::SingleInstanceSocketFd(), -1);
  ::close(other);
  EXPECT_TRUE(platform::AcquireSingleInstance());
}

TEST_F(SingleInstance, CommandsReachTheRunningCopy) {
  EXPECT_FALSE(platform::SendInstanceCommand("show"));  // nobody runs yet
  ASSERT_TRUE(platform::AcquireSingleInstance());
  ASSERT_GE(platform::SingleInstanceSocketFd(), 0);
  struct stat info {};
  ASSERT_EQ(::stat(platform::InstanceSocketPath().c_str(), &info), 0);
  EXPECT_TRUE(S_ISSOCK(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  bool answered = false;
  std::thread sender([&] { answered = platform::SendInstanceCommand("show"); });
  std::vector<std::string> received;
  EventuallyTrue([&] {
    platform::PollInstanceCommands([&](const std::string& command) { received.push_back(command); });
    return !received.empty();
  });
  sender.join();
  EXPECT_TRUE(answered);
  EXPECT_EQ(received, std::vector<std::string>{"show"});

  platform::ReleaseSingleInstance();
  EXPECT_FALSE(PathExists(platform::InstanceSocketPath()));
  EXPECT_FALSE(platform::SendInstanceCommand("show"));
}

TEST_F(SingleInstance, ALongFolderPutsTheSocketInTheRuntimeFolder) {
  std::string deep = folder.path();
  while (deep.size() < 120) deep += "/abcdefghij";
  platform::SetSettingsFolder(deep.c_str());
  TempFolder runtime;
  const char* old = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = old ? old : "";
  ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
  const std::string socketPath = platform::InstanceSocketPath();
  EXPECT_EQ(socketPath.rfind(runtime.path() + "/horatick-", 0), 0u);
  ASSERT_TRUE(platform::AcquireSingleInstance());
  EXPECT_TRUE(PathExists(socketPath));
  EXPECT_TRUE(PathExists(deep + "/horatick.lock"));
  platform::ReleaseSingleInstance();
  if (old) {
    ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_RUNTIME_DIR");
  }
}

}  // namespace
