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
#include "platform/kernel/programs.h"
#include "platform/session/settings_folder.h"
#include "support/wait_until.h"

namespace {

// Everything until the end of the pipe.
std::string ReadAll(int fd) {
  std::string text;
  char buffer[256];
  ssize_t got;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
  return text;
}

TEST(SpawnDetached, RunsTheShellAndLeavesNoChild) {
  TempFolder folder;
  const std::string done = folder / "done";
  ASSERT_TRUE(platform::SpawnDetached(("A=1; echo \"$A $$\" > '" + done + "'").c_str()));
  // The only child of ours was the middle process, already reaped.
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  EXPECT_TRUE(WaitUntil([&] { return ReadTextFile(done).value_or("").find('\n') != std::string::npos; }));
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
  EXPECT_TRUE(WaitUntil([&] { return ReadTextFile(report).value_or("").find('\n') != std::string::npos; }));
  EXPECT_EQ(ReadTextFile(report).value_or(""), "closed\n");
  ::close(ours);
}

TEST(SpawnDetached, TheProgramReadsNothingAndWritesToOurStandardError) {
  // A stand-in for the clock whose standard output and error are pipes of ours.
  int out[2];
  int err[2];
  ASSERT_EQ(::pipe(out), 0);
  ASSERT_EQ(::pipe(err), 0);
  const pid_t clock = ::fork();
  if (clock == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    for (int fd : {out[0], out[1], err[0], err[1]}) ::close(fd);
    ::_exit(platform::SpawnDetached("read line; echo \"out:$line\"; echo err >&2") ? 0 : 1);
  }
  ::close(out[1]);
  ::close(err[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(clock, &status, 0), clock);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The output ends with the clock, whatever the program still does.
  EXPECT_EQ(ReadAll(out[0]), "");
  EXPECT_EQ(ReadAll(err[0]), "out:\nerr\n");
  ::close(out[0]);
  ::close(err[0]);
}

}  // namespace
