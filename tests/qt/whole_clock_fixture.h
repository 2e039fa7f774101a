// The whole clock on the desktop driver, with a settings folder of its own
// that starts empty and goes with the test.
#pragma once

#include <memory>

#include "qt_fixture.h"
#include "support/temp_folder.h"

namespace qt_test {

class WholeClockDesk : public QtDesk {
 public:
  void SetUp() override;
  void TearDown() override;

  // The clock's main window; nullptr before it is made.
  static HWND Clock();

 private:
  std::unique_ptr<TempFolder> folder_;
};

}  // namespace qt_test
