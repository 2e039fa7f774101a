// The terminal clock (horatick --follow) as a child process of a test: its
// lines as they come, signals, and its end.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "support/wait_until.h"

class FollowProcess {
 public:
  // Starts `horatick --settings-dir folder <args>`; stdout is read line by line.
  // inChild runs in the child just before the program starts; false ends the
  // child with 126.
  FollowProcess(const std::string& folder, std::vector<std::string> args,
                const std::map<std::string, std::string>& env = {}, const std::function<bool()>& inChild = {}) {
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(outPipe[1], STDOUT_FILENO);
      ::dup2(errPipe[1], STDERR_FILENO);
      for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
      if (inChild && !inChild()) ::_exit(126);
      std::vector<std::string> all = {HORATICK_BINARY, "--settings-dir", folder};
      all.insert(all.end(), args.begin(), args.end());
      std::vector<char*> argv;
      for (std::string& arg : all) argv.push_back(arg.data());
      argv.push_back(nullptr);
      ::execv(HORATICK_BINARY, argv.data());
      ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    out_ = outPipe[0];
    err_ = errPipe[0];
  }

  ~FollowProcess() {
    if (pid_ > 0 && !exitStatus_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
    if (err_ >= 0) ::close(err_);
  }

  FollowProcess(const FollowProcess&) = delete;
  FollowProcess& operator=(const FollowProcess&) = delete;

  // The next line on standard output, waiting at most timeoutMs; nothing at
  // the end of the output or when the time is up.
  std::optional<std::string> NextLine(int timeoutMs = 10'000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
      const std::size_t end = pending_.find('\n');
      if (end != std::string::npos) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return line;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
      if (left.count() <= 0 || out_ < 0) return std::nullopt;
      pollfd entry{out_, POLLIN, 0};
      if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0) continue;
      char buffer[1024];
      const ssize_t got = ::read(out_, buffer, sizeof buffer);
      if (got <= 0) {
        ::close(out_);
        out_ = -1;
        continue;
      }
      pending_.append(buffer, static_cast<std::size_t>(got));
    }
  }

  // The next line that is not a face: the minute may turn, and print a new
  // face, while the clock is busy with something else.
  std::optional<std::string> NextLineBesidesFaces(int timeoutMs = 10'000) {
    for (;;) {
      std::optional<std::string> line = NextLine(timeoutMs);
      if (!line || !LooksLikeDefaultFace(*line)) return line;
    }
  }

  // The default face, whatever the moment: " 3:05 PM  Mon 12/07/92 ".
  static bool LooksLikeDefaultFace(const std::string& line) {
    static const std::regex face(R"(^[ 1]\d:\d\d [AP]M  [A-Z][a-z]{2} \d\d?/\d\d/\d\d\d? $)");
    return std::regex_match(line, face);
  }

  // The reader goes away: nothing reads the clock's lines any more.
  void CloseOutput() {
    if (out_ >= 0) ::close(out_);
    out_ = -1;
  }

  bool Signal(int signal) { return pid_ > 0 && ::kill(pid_, signal) == 0; }

  pid_t pid() const { return pid_; }

  bool StillRunning() {
    if (exitStatus_) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      exitStatus_ = status;
      return false;
    }
    return true;
  }

  // The exit code once the process has ended within timeoutMs; -1 when it
  // was ended by a signal or did not end in time.
  int WaitForExit(int timeoutMs = 10'000) {
    if (!WaitUntil([this] { return !StillRunning(); }, std::chrono::milliseconds(timeoutMs))) return -1;
    return WIFEXITED(*exitStatus_) ? WEXITSTATUS(*exitStatus_) : -1;
  }

  // What the process wrote on standard error, once it has ended.
  std::string ErrorText() {
    std::string text = errorsSeen_;
    char buffer[1024];
    ssize_t got;
    while (err_ >= 0 && (got = ::read(err_, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
    return text;
  }

  // Waits at most timeoutMs until standard error holds text.
  bool WaitForErrorText(const std::string& text, int timeoutMs = 10'000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (errorsSeen_.find(text) == std::string::npos) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
      pollfd entry{err_, POLLIN, 0};
      if (left.count() <= 0 || err_ < 0 || ::poll(&entry, 1, static_cast<int>(left.count())) <= 0) return false;
      char buffer[1024];
      const ssize_t got = ::read(err_, buffer, sizeof buffer);
      if (got <= 0) return false;
      errorsSeen_.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  std::string pending_;
  std::string errorsSeen_;
  std::optional<int> exitStatus_;
};
