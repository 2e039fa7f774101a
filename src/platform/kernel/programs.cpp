// Starting programs detached, and OpenFile's test whether a file exists.
#include "platform/kernel/programs.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/kernel/utf8_cut.h"
#include "platform/win32.h"

namespace {

// Runs in the grandchild, between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecShell(const char* commandLine, int reportFd) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (int signalNumber = 1; signalNumber < NSIG; ++signalNumber) sigaction(signalNumber, &defaults, nullptr);
  // No terminal input, and output to the clock's standard error: the standard
  // output of the terminal clock is its stream of faces, which a program's
  // echo must not join, and whose end must not wait on a program still running.
  const int nullFd = open("/dev/null", O_RDWR);
  if (nullFd >= 0 && nullFd != STDIN_FILENO) dup2(nullFd, STDIN_FILENO);
  if (fcntl(STDERR_FILENO, F_GETFD) < 0 && nullFd >= 0) dup2(nullFd, STDERR_FILENO);
  dup2(STDERR_FILENO, STDOUT_FILENO);
  if (nullFd > STDERR_FILENO) close(nullFd);
  // Descriptors the clock holds (its lock, its socket, a driver's) are not the program's business.
  syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC);
  execl("/bin/sh", "sh", "-c", commandLine, static_cast<char*>(nullptr));
  const int error = errno;
  ssize_t ignored = write(reportFd, &error, sizeof error);
  (void)ignored;
  _exit(127);
}

bool IsExistingFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

// Where a name is found: as a path when it holds '/', else in the working
// folder and then along $PATH.
std::string FindFile(const char* name) {
  if (std::strchr(name, '/') != nullptr) return IsExistingFile(name) ? std::string(name) : std::string();
  if (IsExistingFile(name)) return name;
  const char* pathVariable = std::getenv("PATH");
  const std::string searchPath = pathVariable != nullptr ? pathVariable : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = searchPath.find(':', start);
    const std::string folder = searchPath.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    // An empty entry of $PATH means the working folder, as the shell reads it.
    std::string candidate = folder.empty() ? std::string(".") : folder;
    candidate.append("/").append(name);
    if (IsExistingFile(candidate)) return candidate;
    if (colon == std::string::npos) return {};
    start = colon + 1;
  }
}

}  // namespace

namespace platform {

bool SpawnDetached(const char* commandLine) {
  if (commandLine == nullptr) return false;
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    // The middle process starts a session and leaves at once, so the program
    // is adopted by init and never waits on the clock to be reaped.
    ::close(report[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild == 0) ExecShell(commandLine, report[1]);
    _exit(grandchild < 0 ? 1 : 0);
  }
  ::close(report[1]);
  int status = 0;
  pid_t waited;
  do {
    waited = ::waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  // With SIGCHLD ignored the middle process is reaped by the system and waitpid finds none.
  const bool middleOk = (waited == child && WIFEXITED(status) && WEXITSTATUS(status) == 0) ||
                        (waited < 0 && errno == ECHILD);
  int execError = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &execError, sizeof execError);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  return middleOk && got == 0;
}

}  // namespace platform

HFILE OpenFile(LPCSTR fileName, OFSTRUCT* info, UINT style) {
  if (info != nullptr) {
    std::memset(info, 0, sizeof *info);
    info->cBytes = static_cast<BYTE>(sizeof *info);
  }
  if (fileName == nullptr || *fileName == '\0' || (style & OF_EXIST) == 0) {
    if (info != nullptr) info->nErrCode = static_cast<WORD>(ERROR_FILE_NOT_FOUND);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return HFILE_ERROR;
  }
  const std::string found = FindFile(fileName);
  if (found.empty()) {
    if (info != nullptr) info->nErrCode = static_cast<WORD>(ERROR_FILE_NOT_FOUND);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return HFILE_ERROR;
  }
  if (info != nullptr) {
    const std::size_t length = platform::Utf8CutLength(found.data(), found.size(), OFS_MAXPATHNAME - 1);
    std::memcpy(info->szPathName, found.data(), length);
  }
  SetLastError(ERROR_SUCCESS);
  // OF_EXIST opens and closes the file again; what comes back only has to differ from HFILE_ERROR.
  return 1;
}
