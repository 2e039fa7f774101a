// The desktop driver as a screen reader meets it: an X server of the test's
// own (AT-SPI needs a real display; the offscreen platform has no bridge to
// it), the desktop's accessibility bus started on a private session bus,
// and a reader in another process that asks the program through AT-SPI what
// its windows are, as a screen reader asks.
//
// The program answers the reader only while the toolkit runs, so a test
// asks (Ask) and then waits for the answer inside the program's loop: in a
// When step, or with AskAndWait outside the program's own loops.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "qt/whole_clock_fixture.h"
#include "qt/window_managers/x_session.h"
#include "support/private_bus.h"
#include "support/temp_folder.h"

namespace qt_test {

// One object as the reader read it.
struct Accessible {
  int depth = 0;  // 0 for a top-level window
  std::string role;
  std::string name;
  std::string description;
  std::string states;  // AT-SPI's state names, comma-separated
  std::string labelledBy;  // the names of its labels, comma-separated
  bool Has(const std::string& state) const;
};

class ScreenReaderDesk : public WholeClockDesk {
 public:
  void SetUp() override;
  void TearDown() override;

 protected:
  void Ask(const std::string& command);
  // Whether the whole answer has come; reads what has, never waits.
  bool Answered();
  const std::vector<std::string>& Answer() const { return answer_; }
  std::vector<std::string> AskAndWait(const std::string& command);
  // The reader has found this program on the accessibility bus.
  bool FindThisProgram();

  static std::vector<Accessible> Parse(const std::vector<std::string>& lines);
  // The top-level window with this name and everything in it, the window first.
  static std::vector<Accessible> WindowNamed(const std::vector<Accessible>& tree, const std::string& name);

 private:
  std::unique_ptr<wm_test::XSession> x_;
  std::unique_ptr<busfake::PrivateBus> bus_;
  std::vector<std::unique_ptr<busfake::ScopedBusAddress>> environment_;
  std::unique_ptr<TempFolder> runtimeFolder_;
  busfake::Child launcher_;
  busfake::Child reader_;
  std::vector<std::string> answer_;
  bool answered_ = true;
};

}  // namespace qt_test
