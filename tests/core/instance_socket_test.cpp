// The single running copy: its lock and command socket in the runtime folder,
// peers that are slow, silent or another user's, and squatted folders.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "files_temp_folder.h"
#include "platform/session/runtime_folder.h"
#include "platform/session/settings_folder.h"
#include "platform/session/single_instance.h"
#include "support/unix_socket.h"
#include "support/wait_until.h"

namespace {

constexpr uid_t kOtherUser = 65534;

// Sets an environment variable for one test and puts it back after it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Whether the running copy has closed this connection (a read sees its end).
bool ClosedByPeer(int fd) {
  pollfd entry{fd, POLLIN, 0};
  char c;
  return fd >= 0 && ::poll(&entry, 1, 0) > 0 && ::recv(fd, &c, 1, MSG_DONTWAIT) <= 0;
}

class SingleInstance : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetSettingsFolder(settings.path().c_str()); }
  void TearDown() override {
    platform::ReleaseSingleInstance();
    platform::ResetSettingsFolder();
  }
  // Serves the socket the way a driver does, until done(); each turn waits
  // for a peer at most as long as the clock waits for its timer, then
  // runs between() (what a peer does meanwhile).
  bool ServeUntil(const std::function<bool()>& done, std::vector<std::string>& received,
                  const std::function<void()>& between = [] {}) {
    return WaitUntil(done, [&] {
      pollfd entry{platform::SingleInstanceSocketFd(), POLLIN, 0};
      ::poll(&entry, 1, 20);
      platform::PollInstanceCommands([&](const std::string& command) { received.push_back(command); });
      between();
    });
  }

  TempFolder settings;
  TempFolder runtime;
  ScopedEnv runtimeEnv{"XDG_RUNTIME_DIR", runtime.path().c_str()};
};

TEST_F(SingleInstance, OneLockPerRealFolderInTheRuntimeFolder) {
  TempFolder links;
  const std::string otherName = links / "settings-link";
  ASSERT_EQ(::symlink(settings.path().c_str(), otherName.c_str()), 0);
  const std::string lockPath = platform::InstanceLockPath();
  EXPECT_EQ(lockPath.rfind(runtime.path() + "/horatick-", 0), 0u);

  // Another copy, started on the other name of the folder, holds the lock.
  platform::SetSettingsFolder(otherName.c_str());
  EXPECT_EQ(platform::InstanceLockPath(), lockPath);
  const int other = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  platform::SetSettingsFolder(settings.path().c_str());
  EXPECT_EQ(platform::AcquireSingleInstance(), platform::InstanceStart::AnotherRuns);
  EXPECT_EQ(platform::SingleInstanceSocketFd(), -1);
  ::close(other);

  EXPECT_EQ(platform::AcquireSingleInstance(), platform::InstanceStart::Alone);
  EXPECT_EQ(FolderListing(settings.path()), "") << "nothing of the lock is in the settings folder";
}

TEST_F(SingleInstance, CommandsReachTheRunningCopy) {
  EXPECT_EQ(platform::SendInstanceCommand("show"), platform::SendResult::NoClock);
  ASSERT_EQ(platform::AcquireSingleInstance(), platform::InstanceStart::Alone);
  ASSERT_GE(platform::SingleInstanceSocketFd(), 0);
  struct stat info {};
  ASSERT_EQ(::stat(platform::InstanceSocketPath().c_str(), &info), 0);
  EXPECT_TRUE(S_ISSOCK(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  std::atomic<platform::SendResult> result{platform::SendResult::NoClock};
  std::thread sender([&] { result = platform::SendInstanceCommand("show"); });
  std::vector<std::string> received;
  ServeUntil([&] { return !received.empty(); }, received);
  sender.join();
  EXPECT_EQ(result, platform::SendResult::Answered);
  EXPECT_EQ(received, std::vector<std::string>{"show"});

  platform::ReleaseSingleInstance();
  EXPECT_FALSE(PathExists(platform::InstanceSocketPath()));
  EXPECT_EQ(platform::SendInstanceCommand("show"), platform::SendResult::NoClock);
}

TEST_F(SingleInstance, SlowSilentAndManyPeersAreDroppedWhileCommandsGetThrough) {
  ASSERT_EQ(platform::AcquireSingleInstance(), platform::InstanceStart::Alone);
  const std::string path = platform::InstanceSocketPath();
  // More silent peers than the clock keeps at once, and one that trickles a
  // byte at a time and never ends its line. They connect while the clock
  // serves, as a full backlog holds a connecting peer until it is accepted.
  std::vector<int> silent(60, -1);
  int trickler = -1;
  std::atomic<bool> connected{false};
  std::thread peers([&] {
    trickler = Connect(path);
    for (int& fd : silent) fd = Connect(path);
    connected = true;
  });
  std::atomic<platform::SendResult> result{platform::SendResult::NoClock};
  std::thread sender([&] { result = platform::SendInstanceCommand("show"); });

  std::vector<std::string> received;
  const bool allDropped = ServeUntil(
      [&] {
        if (!connected || received.empty() || !ClosedByPeer(trickler)) return false;
        for (int fd : silent) {
          if (!ClosedByPeer(fd)) return false;
        }
        return true;
      },
      received,
      // A byte each turn the clock serves, never a whole line.
      [&] {
        if (connected) ::send(trickler, "s", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
      });
  sender.join();
  peers.join();
  int kept = 0;
  for (int fd : silent) kept += ClosedByPeer(fd) ? 0 : 1;
  EXPECT_TRUE(allDropped) << kept << " silent peers kept, the trickler " << (ClosedByPeer(trickler) ? "dropped" : "kept")
                          << " (descriptor " << trickler << ")";
  EXPECT_EQ(result, platform::SendResult::Answered);
  EXPECT_EQ(received, std::vector<std::string>{"show"});
  for (int fd : silent) ::close(fd);
  ::close(trickler);
}

TEST_F(SingleInstance, ASocketOfAnotherUserIsNotOurClock) {
  const std::string path = platform::InstanceSocketPath();
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t squatter = ::fork();
  if (squatter == 0) {
    // Bound here, but listening (and so answering) as another user.
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) ::_exit(1);
    if (::setresuid(kOtherUser, kOtherUser, kOtherUser) != 0 || ::listen(fd, 4) != 0) ::_exit(1);
    if (::write(ready[1], "r", 1) != 1) ::_exit(1);
    for (;;) {
      const int peer = ::accept(fd, nullptr, nullptr);
      ::send(peer, "ok\n", 3, MSG_NOSIGNAL);
      ::close(peer);
    }
  }
  char c;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  EXPECT_EQ(platform::SendInstanceCommand("show"), platform::SendResult::PermissionDenied);
  ::kill(squatter, SIGKILL);
  ::waitpid(squatter, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST(RuntimeFolder, OnlyAPrivateFolderOfTheUsersIsUsed) {
  TempFolder temporary;
  ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
  ScopedEnv tmpdir("TMPDIR", temporary.path().c_str());
  const std::string expected = temporary / ("horatick-" + std::to_string(::getuid()));
  TempFolder privateElsewhere;
  const struct {
    const char* name;
    std::function<void()> plant;
    bool usable;
  } cases[] = {
      {"made when missing", [] {}, true},
      {"another user's",
       [&] { ASSERT_TRUE(::mkdir(expected.c_str(), 0700) == 0 && ::chown(expected.c_str(), kOtherUser, kOtherUser) == 0); },
       false},
      {"others may enter",
       [&] { ASSERT_TRUE(::mkdir(expected.c_str(), 0700) == 0 && ::chmod(expected.c_str(), 0755) == 0); }, false},
      {"a link to a private folder",
       [&] { ASSERT_EQ(::symlink(privateElsewhere.path().c_str(), expected.c_str()), 0); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(expected);
    c.plant();
    std::string problem;
    const auto folder = platform::RuntimeFolder(&problem);
    EXPECT_EQ(folder.has_value(), c.usable);
    if (c.usable) {
      EXPECT_EQ(folder, expected);
      EXPECT_TRUE(platform::IsPrivateFolder(expected, ::getuid()));
    } else {
      EXPECT_NE(problem.find(expected), std::string::npos) << problem;
      // The clock does not run without its lock, and --show says why it cannot reach one.
      platform::SetSettingsFolder(temporary.path().c_str());
      EXPECT_EQ(platform::AcquireSingleInstance(), platform::InstanceStart::NoLock);
      EXPECT_EQ(platform::SendInstanceCommand("show"), platform::SendResult::PermissionDenied);
      platform::ResetSettingsFolder();
    }
  }
}

}  // namespace
