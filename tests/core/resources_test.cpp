// Resource lookups and the cut of texts at a character boundary.
#include <gtest/gtest.h>

#include <cstring>

#include "core/sample_program.h"
#include "platform/kernel/utf8_cut.h"
#include "platform/user/resource_lookup.h"

namespace {

TEST(Utf8Cut, NeverSplitsACharacter) {
  struct Case {
    const char* text;
    std::size_t max;
    std::size_t want;
  };
  const std::vector<Case> cases = {
      {"abc", 5, 3},
      {"abc", 2, 2},
      {"a\xC3\xA9", 2, 1},              // é cut in half: left out
      {"a\xC3\xA9", 3, 3},
      {"\xE2\x82\xAC\xE2\x82\xAC", 4, 3},  // € €: the second one does not fit
      {"\xF0\x9F\x95\x90x", 3, 0},      // a four-byte clock face
      {"\xF0\x9F\x95\x90x", 4, 4},
      {"a\x80\x80\x80\x80z", 3, 3},     // stray continuation bytes (not UTF-8) are kept as they are
      {"a\xE9z", 2, 2},                 // a Latin-1 byte of an old file stands for itself
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::Utf8CutLength(c.text, std::strlen(c.text), c.max), c.want) << c.text << " / " << c.max;
  }
}

// The program's own copies go through lstrcpyn: the same cut, and nothing
// written where there is no room.
TEST(Utf8Cut, LstrcpynCutsAsTheLayerDoes) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(lstrcpyn(buffer, "a\xE2\x82\xAC", 4), buffer);
  EXPECT_STREQ(buffer, "a");
  EXPECT_EQ(lstrcpyn(buffer, nullptr, 4), buffer);
  EXPECT_STREQ(buffer, "");
  buffer[0] = 'x';
  EXPECT_EQ(lstrcpyn(buffer, "abc", 0), nullptr);
  EXPECT_EQ(buffer[0], 'x');
}

class Resources : public ::testing::Test {
 protected:
  void SetUp() override {
    sample::TheScript() = sample::Script{};
    desk_.start();
  }
  Desk desk_{sample::SampleSettings()};
};

TEST_F(Resources, LoadStringCutsAtSizeMinusOneOnACharacterBoundary) {
  struct Case {
    UINT id;
    int size;
    const char* want;
    int length;
  };
  const std::vector<Case> cases = {
      {1, 16, "Hello", 5}, {1, 3, "He", 2}, {2, 3, "h", 1}, {2, 4, "h\xC3\xA9", 3}, {9, 16, "", 0},
  };
  for (const Case& c : cases) {
    char buffer[16];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(LoadString(sample::Instance(), c.id, buffer, c.size), c.length) << c.id << " / " << c.size;
    EXPECT_STREQ(buffer, c.want);
  }
}

TEST_F(Resources, IconsAndTemplatesAreFoundByNameWithoutRegardToCase) {
  const HICON bell = LoadIcon(sample::Instance(), "Bell");
  ASSERT_NE(bell, nullptr);
  ASSERT_NE(FindIconResource(bell), nullptr);
  EXPECT_EQ(FindIconResource(bell)->width, 2);
  EXPECT_EQ(LoadIcon(sample::Instance(), "Horatick"), nullptr);
  const HICON stock = LoadIcon(nullptr, IDI_APPLICATION);
  EXPECT_NE(stock, nullptr);
  EXPECT_EQ(FindIconResource(stock), nullptr);
  EXPECT_NE(FindDialogTemplate(sample::Instance(), "inner"), nullptr);
  EXPECT_EQ(FindDialogTemplate(sample::Instance(), "outer"), nullptr);
  EXPECT_EQ(FindDialogTemplate(reinterpret_cast<HINSTANCE>(0x1234), "inner"), nullptr);
}

TEST_F(Resources, TheCursorAndTheMetricsComeFromTheDriver) {
  const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  EXPECT_NE(wait, arrow);
  EXPECT_EQ(SetCursor(wait), nullptr);
  EXPECT_EQ(desk_.cursor(), wait);
  EXPECT_EQ(SetCursor(arrow), wait);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  // The desktop is the screen here; the program keeps its place by the desktop.
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 768);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 20);
  HDC display = CreateIC("DISPLAY", nullptr, nullptr, nullptr);
  TEXTMETRIC metrics{};
  ASSERT_TRUE(GetTextMetrics(display, &metrics));
  EXPECT_EQ(metrics.tmAveCharWidth, 8);
  EXPECT_EQ(metrics.tmHeight, 16);
  EXPECT_TRUE(DeleteDC(display));
}

TEST(Services, BeepsProgramsAndHelpAreRecorded) {
  sample::TheScript() = sample::Script{};
  sample::TheScript().onStart = [](HWND hwnd) {
    Beep(200, 100);
    Beep(440, 250);
    WinExec("xclock -digital", SW_SHOWMINIMIZED);
    WinHelp(hwnd, "/opt/horatick.hlp", HELP_CONTEXT, 1004);
  };
  Desk desk{sample::SampleSettings().at("1992-12-07 15:05:09")};
  desk.start();
  ASSERT_EQ(desk.beeps().size(), 2u);
  EXPECT_EQ(desk.beeps()[1].frequencyHz, 440u);
  EXPECT_EQ(desk.beeps()[1].durationMs, 250u);
  EXPECT_EQ(desk.beeps()[1].utcMs - desk.beeps()[0].utcMs, 100);  // a beep takes its time
  ASSERT_EQ(desk.programsStarted().size(), 1u);
  EXPECT_EQ(desk.programsStarted()[0].commandLine, "xclock -digital");
  EXPECT_EQ(desk.programsStarted()[0].showCommand, static_cast<UINT>(SW_SHOWMINIMIZED));
  ASSERT_EQ(desk.helpRequests().size(), 1u);
  EXPECT_EQ(desk.helpRequests()[0].command, HELP_CONTEXT);
  EXPECT_EQ(desk.helpRequests()[0].data, 1004u);
}

TEST(Services, TheFileChooserWaitsForItsAnswer) {
  struct Case {
    const char* answer;  // nullptr: cancelled
    DWORD bufferSize;
    BOOL result;
    const char* path;
  };
  const std::vector<Case> cases = {
      {"/usr/bin/xclock", 64, TRUE, "/usr/bin/xclock"},
      {nullptr, 64, FALSE, "start"},
      {"/usr/bin/xclock", 8, FALSE, "start"},  // a path that does not fit is refused, not cut
  };
  for (const Case& c : cases) {
    BOOL result = -1;
    char path[64] = "start";
    WORD offset = 0;
    sample::TheScript() = sample::Script{};
    sample::TheScript().onMessage = [&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_USER) return std::nullopt;
      OPENFILENAME ofn{};
      ofn.hwndOwner = hwnd;
      ofn.lpstrFilter = "Executables (*.EXE)\0*.EXE\0";
      ofn.nFilterIndex = 1;
      ofn.lpstrFile = path;
      ofn.nMaxFile = c.bufferSize;
      result = GetOpenFileName(&ofn);
      offset = ofn.nFileOffset;
      return 0;
    };
    Desk desk{sample::SampleSettings()};
    desk.start();
    desk.post(sample::MainWindow(), WM_USER, 0, 0);
    ASSERT_TRUE(desk.fileChooserOpen());
    EXPECT_EQ(desk.fileChooser()->filterDescription, "Executables (*.EXE)");
    EXPECT_EQ(desk.fileChooser()->initialName, "start");
    EXPECT_FALSE(desk.window(sample::MainWindow()).enabled);
    if (c.answer != nullptr) {
      desk.chooseFile(c.answer);
    } else {
      desk.cancelFileChooser();
    }
    EXPECT_EQ(result, c.result);
    EXPECT_STREQ(path, c.path);
    if (c.result) {
      EXPECT_EQ(offset, 9);
    }
    EXPECT_TRUE(desk.window(sample::MainWindow()).enabled);
  }
}

}  // namespace
