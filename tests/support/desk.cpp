// The desk: the program on the headless driver, its clocks and its folder.
#include "support/desk.h"

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/kernel/file_faults.h"
#include "platform/session/settings_folder.h"
#include "support/clock_text.h"
#include "support/temp_folder.h"

namespace desk {

using platform::headless::HeadlessDriver;

namespace {

void ApplyTimeZone(const std::string& tz) {
  setenv("TZ", tz.c_str(), 1);
  tzset();
}

}  // namespace

Desk::Desk(Settings settings)
    : settings_(std::move(settings)),
      driver_(std::make_unique<HeadlessDriver>()),
      trace_(std::make_shared<std::vector<TraceEntry>>()) {
  platform::ResetCore();
  platform::InstallDriver(driver_.get());
  ApplyTimeZone(settings_.timeZone_);
  const bool parsed = settings_.startIsUtc_ ? SetUtcClock(*driver_, settings_.startLocal_.c_str())
                                            : SetLocalClock(*driver_, settings_.startLocal_.c_str());
  if (!parsed) throw DeskError("the start time \"" + settings_.startLocal_ + "\" does not read as YYYY-MM-DD HH:MM:SS");
  driver_->SetMetrics(settings_.metrics_);
  driver_->SetWatchdogSeconds(settings_.stepTimeoutSeconds_);
  prepareFolder();
  platform::ClearFileFaults();
  if (settings_.trace_) {
    auto sink = trace_;
    platform::SetMessageTrace([sink](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
      sink->push_back(TraceEntry{hwnd, message, wParam, lParam});
    });
  }
}

Desk::~Desk() {
  driver_->StopProgram();
  platform::SetMessageTrace({});
  platform::ResetCore();
  platform::InstallDriver(nullptr);
  platform::ClearFileFaults();
  platform::ResetSettingsFolder();
  if (ownsFolder_) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

void Desk::prepareFolder() {
  if (settings_.settingsFolder_) {
    folder_ = *settings_.settingsFolder_;
    std::filesystem::create_directories(folder_);
  } else {
    folder_ = MakeTempFolder();
    ownsFolder_ = true;
  }
  platform::SetSettingsFolder(folder_.c_str());
  for (const auto& [name, contents] : settings_.files_) {
    std::ofstream file(folder_ + "/" + name, std::ios::binary | std::ios::trunc);
    file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!file) throw DeskError("cannot write " + folder_ + "/" + name);
  }
}

void Desk::fail(const std::string& message) const { throw DeskError(message); }

// --- Running -----------------------------------------------------------------

void Desk::start() {
  if (started_) fail("start(): the program was already started");
  if (settings_.entry_ == nullptr) fail("start(): no program to start");
  started_ = true;
  if (settings_.reset_) settings_.reset_();
  HINSTANCE instance = RegisterResourceModule(settings_.resources_);
  // Any non-null handle tells a program that a copy of it already runs.
  HINSTANCE previous = settings_.alreadyRunning_ ? instance : nullptr;
  commandLine_ = settings_.commandLine_;
  const EntryPoint entry = settings_.entry_;
  const int show = settings_.showCommand_;
  driver_->StartProgram([this, entry, instance, previous, show] {
    return entry(instance, previous, commandLine_.data(), show);
  });
  runUntilIdle();
}

bool Desk::running() const { return driver_->ProgramRunning(); }

int Desk::exitCode() const {
  if (!started_) fail("exitCode(): the program was never started");
  if (running()) fail("exitCode(): the program is still running");
  return driver_->ExitCode();
}

void Desk::runUntilIdle(std::optional<std::uint64_t> targetMonotonicMs) {
  if (!started_ || !driver_->ProgramRunning()) {
    if (targetMonotonicMs && *targetMonotonicMs > driver_->MonotonicNowMs()) {
      driver_->Advance(*targetMonotonicMs - driver_->MonotonicNowMs());
    }
    return;
  }
  if (driver_->RunUntilIdle(targetMonotonicMs) == HeadlessDriver::RunResult::Stuck) {
    // The program's thread is still busy: no step can follow, and the test
    // process cannot be unwound safely, so it ends here with the reason.
    std::fprintf(stderr,
                 "\n*** Desk: the program did not come back to wait for input within %d s of real time "
                 "(virtual time %s): it is in an endless loop or waits for something that never comes.\n",
                 settings_.stepTimeoutSeconds_, now().c_str());
    std::fflush(stderr);
    std::abort();
  }
}

void Desk::settle() { runUntilIdle(); }

// --- Time --------------------------------------------------------------------

std::int64_t Desk::utcNowMs() const { return driver_->UtcNowMs(); }

std::uint64_t Desk::tickCount() const { return driver_->MonotonicNowMs(); }

std::string Desk::now() const { return LocalText(driver_->UtcNowMs()); }

void Desk::advance(std::uint64_t ms) { runUntilIdle(driver_->MonotonicNowMs() + ms); }

void Desk::advanceTo(const char* localTime) {
  const auto target = LocalTextMs(localTime);
  if (!target) fail(std::string("advanceTo(\"") + localTime + "\"): not a time YYYY-MM-DD HH:MM:SS");
  const std::int64_t delta = *target - driver_->UtcNowMs();
  if (delta <= 0) {
    settle();
    return;
  }
  advance(static_cast<std::uint64_t>(delta));
}

void Desk::advanceUntil(const std::function<bool()>& condition, std::uint64_t limitMs, const char* what) {
  settle();
  const std::uint64_t limit = driver_->MonotonicNowMs() + limitMs;
  while (!condition()) {
    const std::uint64_t now = driver_->MonotonicNowMs();
    if (now >= limit || !running()) {
      fail(std::string("advanceUntil: ") + what + " did not happen within " + std::to_string(limitMs) +
           " ms (now " + this->now() + (running() ? ")" : ", the program has ended)"));
    }
    const auto deadline = driver_->IdleDeadline();
    runUntilIdle(deadline && *deadline <= limit ? *deadline : limit);
  }
}

void Desk::setClock(const char* localTime) {
  if (!SetLocalClock(*driver_, localTime)) fail(std::string("setClock(\"") + localTime + "\"): not a time");
  settle();
}

void Desk::setClockUtc(const char* utcTime) {
  if (!SetUtcClock(*driver_, utcTime)) fail(std::string("setClockUtc(\"") + utcTime + "\"): not a time");
  settle();
}

void Desk::suspendFor(std::uint64_t ms) {
  driver_->Advance(ms);
  settle();
}

void Desk::advanceTimerClockOnly(std::uint64_t ms) {
  driver_->AdvanceMonotonicOnly(ms);
  settle();
}

void Desk::setTimeZone(const char* tz) {
  settings_.timeZone_ = tz;
  ApplyTimeZone(settings_.timeZone_);
  settle();
}

// --- Records and failures ----------------------------------------------------

const std::vector<BeepRecord>& Desk::beeps() const { return driver_->Beeps(); }

const std::vector<ProgramStart>& Desk::programsStarted() const { return driver_->ProgramStarts(); }

const std::vector<HelpRequest>& Desk::helpRequests() const { return driver_->HelpRequests(); }

const std::vector<MessageBoxRecord>& Desk::messageBoxes() const { return driver_->MessageBoxes(); }

void Desk::recordFrames() { driver_->RecordFrames(); }

std::vector<WindowFrame> Desk::frames(HWND hwnd) const {
  std::vector<WindowFrame> shown;
  for (const WindowFrame& frame : driver_->Frames()) {
    if (frame.hwnd == hwnd) shown.push_back(frame);
  }
  return shown;
}

HCURSOR Desk::cursor() const { return driver_->Cursor(); }

std::vector<TraceEntry> Desk::trace() const { return *trace_; }

std::vector<TraceEntry> Desk::trace(HWND hwnd, std::vector<UINT> messages) const {
  std::vector<TraceEntry> picked;
  for (const TraceEntry& entry : *trace_) {
    if (hwnd != nullptr && entry.hwnd != hwnd) continue;
    if (!messages.empty() && std::find(messages.begin(), messages.end(), entry.message) == messages.end()) continue;
    picked.push_back(entry);
  }
  return picked;
}

void Desk::clearTrace() { trace_->clear(); }

void Desk::refuseTimer(UINT_PTR id, int times) { driver_->RefuseTimer(id, times); }

void Desk::setWinExecResult(UINT result) { driver_->SetWinExecResult(result); }

}  // namespace desk
