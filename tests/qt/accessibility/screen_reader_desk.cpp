#include "screen_reader_desk.h"

#include <unistd.h>

#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace qt_test {

namespace {

constexpr char kBusLauncher[] = "/usr/libexec/at-spi-bus-launcher";
constexpr char kPython[] = "/usr/bin/python3";
constexpr char kReader[] = HORATICK_SOURCE_DIR "/tests/qt/accessibility/read_accessible_tree.py";
// A guard against a hang: a test that has not ended by then has failed.
constexpr int kWholeTestLimitMs = 180'000;
// A guard on one answer of the reader's, which gives up on its own after 20 s.
constexpr std::chrono::milliseconds kAnswerGuard{40'000};

}  // namespace

bool Accessible::Has(const std::string& state) const {
  std::stringstream list(states);
  for (std::string one; std::getline(list, one, ',');) {
    if (one == state) return true;
  }
  return false;
}

void ScreenReaderDesk::SetUp() {
  ASSERT_TRUE(std::filesystem::exists(kBusLauncher)) << "the accessibility bus needs at-spi2-core";
  ASSERT_TRUE(std::filesystem::exists("/usr/lib/python3/dist-packages/pyatspi")) << "the reader needs python3-pyatspi";
  x_ = std::make_unique<wm_test::XSession>("openbox");
  ASSERT_TRUE(x_->Ready()) << "no X server with a window manager";
  bus_ = std::make_unique<busfake::PrivateBus>();
  ASSERT_FALSE(bus_->address().empty());
  // Under /tmp: the program's command socket is made in it.
  runtimeFolder_ = std::make_unique<TempFolder>("/tmp");
  const std::pair<const char*, std::string> settings[] = {
      {"DISPLAY", x_->Display()},
      {"DBUS_SESSION_BUS_ADDRESS", bus_->address()},
      {"XDG_RUNTIME_DIR", runtimeFolder_->path()},
      {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"},
  };
  for (const auto& [name, value] : settings) {
    environment_.push_back(std::make_unique<busfake::ScopedBusAddress>(name, value));
  }
  launcher_.Start({kBusLauncher, "--launch-immediately"}, {}, true);
  reader_.Start({kPython, kReader}, {}, true);
  UsePlatform("xcb");
  WholeClockDesk::SetUp();
  QTimer::singleShot(kWholeTestLimitMs, [] {
    std::fputs("the test did not end in time: the reader or the program hangs\n", stderr);
    std::fflush(stderr);
    ::_exit(1);
  });
}

void ScreenReaderDesk::TearDown() {
  WholeClockDesk::TearDown();
  reader_.Stop();
  launcher_.Stop();
  environment_.clear();
  bus_.reset();
  x_.reset();
  runtimeFolder_.reset();
}

void ScreenReaderDesk::Ask(const std::string& command) {
  answer_.clear();
  answered_ = false;
  reader_.Write(command);
}

bool ScreenReaderDesk::Answered() {
  while (!answered_) {
    const std::string line = reader_.Line(0);
    if (line.empty()) break;
    if (line == "end") {
      answered_ = true;
    } else {
      answer_.push_back(line);
    }
  }
  return answered_;
}

std::vector<std::string> ScreenReaderDesk::AskAndWait(const std::string& command) {
  Ask(command);
  Pump([this] { return Answered(); }, kAnswerGuard);
  return answered_ ? answer_ : std::vector<std::string>{};
}

bool ScreenReaderDesk::FindThisProgram() {
  return AskAndWait("find " + std::to_string(::getpid())) == std::vector<std::string>{"found"};
}

std::vector<Accessible> ScreenReaderDesk::Parse(const std::vector<std::string>& lines) {
  std::vector<Accessible> tree;
  for (const std::string& line : lines) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '|');) fields.push_back(field);
    fields.resize(6);
    tree.push_back(Accessible{std::atoi(fields[0].c_str()), fields[1], fields[2], fields[3], fields[4], fields[5]});
  }
  return tree;
}

std::vector<Accessible> ScreenReaderDesk::WindowNamed(const std::vector<Accessible>& tree, const std::string& name) {
  std::vector<Accessible> window;
  for (const Accessible& object : tree) {
    if (object.depth == 0) {
      if (!window.empty()) break;
      if (object.name == name) window.push_back(object);
    } else if (!window.empty()) {
      window.push_back(object);
    }
  }
  return window;
}

}  // namespace qt_test
