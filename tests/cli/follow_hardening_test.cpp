// The terminal clock against what others can do to it: planted special files,
// a settings folder others may write, notes with escape sequences, and peers
// on its command socket that are slow, silent or many.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <thread>

#include "app/main_window_files.h"
#include "cli/follow_process.h"
#include "cli/cli_run.h"
#include "cli/reminder_today.h"
#include "support/unix_socket.h"
#include "support/wait_until.h"

namespace {

using clock_files::ReadConfiguration;
using clock_files::WriteWholeFile;

// The clock's socket in a runtime folder of the test's own, once it is there.
std::string SocketIn(const std::string& runtime) {
  std::string found;
  WaitUntil([&] {
    for (const auto& entry : std::filesystem::directory_iterator(runtime)) {
      if (entry.path().extension() == ".sock") found = entry.path().string();
    }
    return !found.empty();
  });
  return found;
}

TEST(FollowHardening, PeersOnTheSocketNeverHoldUpTheFaces) {
  TempFolder folder;
  TempFolder runtime;
  clock_files::Configuration files;
  files.preferences.displaySeconds = 1;  // a new face every second
  WriteWholeFile(folder.path() + "/HORATICK.CFG", files.Image());
  FollowProcess clock(folder.path(), {"--follow"}, {{"XDG_RUNTIME_DIR", runtime.path()}});
  ASSERT_TRUE(clock.NextLine().has_value()) << clock.ErrorText();
  const std::string socketPath = SocketIn(runtime.path());
  ASSERT_FALSE(socketPath.empty());

  // A peer trickling a byte with every face without ever ending its line,
  // and 200 that connect and say nothing. They connect on a thread of their
  // own: a full backlog holds a connecting peer until the clock accepts it.
  std::atomic<int> trickler{-1};
  std::vector<int> peers;
  std::thread connecting([&] {
    trickler = Connect(socketPath);
    for (int i = 0; i < 200; ++i) peers.push_back(Connect(socketPath));
  });
  std::string last;
  bool stopped = false;
  for (int i = 0; i < 5 && !stopped; ++i) {
    const auto face = clock.NextLine(5'000);
    stopped = !face.has_value();
    EXPECT_TRUE(face.has_value()) << "the faces stopped after " << i;
    EXPECT_NE(face.value_or(last), last);
    last = face.value_or(last);
    if (trickler >= 0) ::send(trickler, "s", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
  }
  connecting.join();
  ::close(trickler);
  for (int fd : peers) ::close(fd);
  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
}

TEST(FollowHardening, ASpecialFileInPlaceOfASettingsFileIsUnreadableNotAWait) {
  for (const char* name : {"HORATICK.CFG", "HORATICK.INI"}) {
    SCOPED_TRACE(name);
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder.path() + "/" + name).c_str(), 0600), 0);
    FollowProcess view(folder.path(), {"--print-face", "--at", "1992-12-07 15:05:09"});
    EXPECT_EQ(view.WaitForExit(), 0);
    EXPECT_EQ(view.NextLine(), " 3:05 PM  Mon 12/07/92 ");
    FollowProcess clock(folder.path(), {"--follow"});
    EXPECT_TRUE(clock.NextLine().has_value());
  }
}

// Refused at start with exit 1, the folder named as the command line names
// what it quotes: its control bytes escaped.
TEST(FollowHardening, ASettingsFolderOthersMayWriteOrThatIsNoFolderIsRefused) {
  const struct {
    const char* name;
    const char* inside;  // "": the folder itself
    bool file;           // a regular file in place of the folder
    mode_t mode;
    uid_t owner;
    const char* reason;
    const char* shownInside;
  } cases[] = {
      {"every user may write", "", false, 0777, ::getuid(), "Every user may write the settings folder ", ""},
      {"another user's", "", false, 0700, 65534, " belongs to another user", ""},
      {"a control byte in its name", "/odd\x1b[2J", false, 0777, ::getuid(), "Every user may write ", "/odd\\x1b[2J"},
      {"a regular file", "/file", true, 0600, ::getuid(), " is not a folder", "/file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder parent;
    const std::string settings = parent.path() + c.inside;
    if (c.file) {
      WriteWholeFile(settings, "not a folder");
    } else if (*c.inside != '\0') {
      ASSERT_EQ(::mkdir(settings.c_str(), 0700), 0);
    }
    ASSERT_EQ(::chmod(settings.c_str(), c.mode), 0);
    ASSERT_EQ(::chown(settings.c_str(), c.owner, static_cast<gid_t>(-1)), 0);
    FollowProcess clock(settings, {"--follow"});
    // A clock that runs instead would never close its standard error.
    ASSERT_EQ(clock.WaitForExit(), 1);
    const std::string said = clock.ErrorText();
    EXPECT_NE(said.find(c.reason), std::string::npos) << said;
    EXPECT_NE(said.find(parent.path() + c.shownInside), std::string::npos) << said;
    EXPECT_EQ(said.find('\x1b'), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(settings + "/HORATICK.CFG")) << "nothing is written there";
    if (c.file) {
      EXPECT_EQ(clock_files::ReadWholeFile(settings), "not a folder");
    }
  }
}

TEST(FollowHardening, EscapeSequencesOfANoteAreShownNotSent) {
  TempFolder folder;
  WriteWholeFile(folder.path() + "/HORATICK.CFG", WithReminderToday("\x1b[2J\xc2\x9b" "31mred").Image());
  FollowProcess clock(folder.path(), {"--follow"});
  EXPECT_EQ(clock.NextLineBesidesFaces(), "Alarm 1 - 7:05  (One Date): \\x1b[2J\\x9b31mred");
}

TEST(FollowHardening, ShowSaysPermissionDeniedWhenTheRuntimeFolderIsAnotherUsers) {
  TempFolder folder;
  TempFolder temporary;
  const std::string squatted = temporary.path() + "/horatick-" + std::to_string(::getuid());
  ASSERT_EQ(::mkdir(squatted.c_str(), 0700), 0);
  ASSERT_EQ(::chown(squatted.c_str(), 65534, 65534), 0);
  FollowProcess show(folder.path(), {"--show"}, {{"XDG_RUNTIME_DIR", ""}, {"TMPDIR", temporary.path()}});
  EXPECT_EQ(show.WaitForExit(), 1);
  EXPECT_NE(show.ErrorText().find("permission denied"), std::string::npos);
}

// A reader that never reads: the pipe is shrunk to one page and filled before
// the clock writes anything, on standard output and error (where a profile
// that cannot be written is reported). Its alarm still goes off (a program
// that leaves a file), --show is answered, and SIGTERM ends it with its
// settings saved; the pipe's own flags, which the reader shares, stay as
// they were.
TEST(FollowHardening, AReaderThatNeverReadsHoldsNothingUp) {
  TempFolder folder;
  TempFolder runtime;
  const std::string rang = folder.path() + "/rang";
  clock_files::Configuration files = WithReminderToday("");
  files.preferences.displaySeconds = 1;  // a face every second, each one more that cannot be written
  files.alarms[0].action = kAlarmActionProgram;
  std::snprintf(files.alarms[0].program, sizeof files.alarms[0].program, "/usr/bin/touch %s", rang.c_str());
  WriteWholeFile(folder.path() + "/HORATICK.CFG", files.Image());
  std::filesystem::create_directory(folder.path() + "/HORATICK.INI");

  int full[2];
  ASSERT_EQ(::pipe2(full, O_CLOEXEC), 0);
  ASSERT_GT(::fcntl(full[1], F_SETPIPE_SZ, 4096), 0);
  const int flags = ::fcntl(full[1], F_GETFL);
  ASSERT_EQ(::fcntl(full[1], F_SETFL, flags | O_NONBLOCK), 0);
  const std::string filler(4096, '.');
  while (::write(full[1], filler.data(), filler.size()) > 0) {
  }
  ASSERT_EQ(errno, EAGAIN);
  ASSERT_EQ(::fcntl(full[1], F_SETFL, flags), 0);

  FollowProcess clock(folder.path(), {"--follow"}, {{"XDG_RUNTIME_DIR", runtime.path()}}, [&] {
    return ::dup2(full[1], STDOUT_FILENO) >= 0 && ::dup2(full[1], STDERR_FILENO) >= 0;
  });
  EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(rang); })) << "the alarm's program ran";
  EXPECT_EQ(RunHoratick({"--settings-dir", folder.path(), "--show"}, {{"XDG_RUNTIME_DIR", runtime.path()}}).exitCode, 0);
  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
  const auto saved = ReadConfiguration(folder.path());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->alarms[0].enabled, 0) << "the alarm rang and was retired";
  EXPECT_EQ(::fcntl(full[1], F_GETFL) & O_NONBLOCK, 0) << "the shared pipe's flags were changed";
  ::close(full[0]);
  ::close(full[1]);
}

// Started with standard input, output and error closed: each is /dev/null,
// so neither the lock file nor the socket gets descriptor 1 or 2, and the
// faces and the note go nowhere.
TEST(FollowHardening, ClosedStandardDescriptorsAreOpenedOnDevNull) {
  TempFolder folder;
  TempFolder runtime;
  WriteWholeFile(folder.path() + "/HORATICK.CFG", WithReminderToday("Water the plants").Image());
  FollowProcess clock(folder.path(), {"--follow"}, {{"XDG_RUNTIME_DIR", runtime.path()}}, [] {
    return ::close(STDIN_FILENO) == 0 && ::close(STDOUT_FILENO) == 0 && ::close(STDERR_FILENO) == 0;
  });
  ASSERT_FALSE(SocketIn(runtime.path()).empty());
  // Answered: the clock is past its start, the first face and the note said.
  EXPECT_EQ(RunHoratick({"--settings-dir", folder.path(), "--show"}, {{"XDG_RUNTIME_DIR", runtime.path()}}).exitCode, 0);
  for (int fd = 0; fd <= 2; ++fd) {
    const std::string link = "/proc/" + std::to_string(clock.pid()) + "/fd/" + std::to_string(fd);
    std::error_code error;
    EXPECT_EQ(std::filesystem::read_symlink(link, error), "/dev/null") << link;
  }
  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
  for (const auto& entry : std::filesystem::directory_iterator(runtime.path())) {
    if (entry.path().extension() == ".lock") {
      EXPECT_EQ(entry.file_size(), 0u) << entry.path();
    }
  }
}

}  // namespace
