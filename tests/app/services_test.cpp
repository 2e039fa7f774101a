// The small services: the width correction, the help path and the font.
#include <cstring>
#include <string>

#include "app/main_window.h"
#include "display/face_fixture.h"

namespace {

using ServicesTest = FaceFixture;

TEST_F(ServicesTest, WidthCorrectionForTheBoxesAndWideScreens) {
  struct Row {
    std::int32_t systemBox;
    int screenWidth;
    std::int32_t widthChars;  // from 25
  };
  const Row rows[] = {
      {1, 1024, 28}, {1, 641, 28}, {1, 640, 26}, {0, 1024, 25},
      {0, 640, 23},  {2, 1024, 28}, {-1, 640, 26},  // any non-zero value counts as a box here
  };
  for (const Row& row : rows) {
    platform::DisplayMetrics metrics;
    metrics.screenWidth = row.screenWidth;
    driver.SetMetrics(metrics);
    record.systemBox = row.systemBox;
    clockWidthChars = 25;
    AdjustClockWidth();
    EXPECT_EQ(clockWidthChars, row.widthChars) << row.systemBox << " " << row.screenWidth;
  }
}

// With no system box on a 640-pixel screen the window is as wide as the face.
TEST_F(ServicesTest, NarrowScreenWithoutBoxFitsTheFaceExactly) {
  platform::DisplayMetrics metrics;
  metrics.screenWidth = 640;
  driver.SetMetrics(metrics);
  record.systemBox = 0;
  Face();
  AdjustClockWidth();
  EXPECT_EQ(clockWidthChars, static_cast<std::int32_t>(std::strlen(clockText)));
}

TEST(HelpPath, HelpFileTakesThePlaceOfTheProgramsName) {
  struct Row {
    const char* modulePath;
    std::size_t size;
    const char* helpPath;
  };
  const std::string folder115(114, 'd');
  const std::string long115 = "/" + folder115 + "/horatick";  // the separator at 115
  const std::string long115Unknown = "/" + folder115 + "/?";
  const std::string long115Help = "/" + folder115 + "/horatick.hlp";
  const Row rows[] = {
      {"/usr/bin/horatick", 4096, "/usr/bin/horatick.hlp"},
      {"/opt/horatick/bin/horatick", 4096, "/opt/horatick/bin/horatick.hlp"},
      {"/horatick", 4096, "/horatick.hlp"},         // a program in the root folder
      {"horatick", 4096, "horatick.hlp"},           // no folder: the working folder
      {"/a/b:c/horatick", 4096, "/a/b:c/horatick.hlp"},  // a colon is part of a name here
      {"/usr/bin/horatick", 22, "/usr/bin/horatick.hlp"},  // just fits
      {"/usr/bin/horatick", 21, "/usr/bin/?"},
      {long115.c_str(), 128, long115Unknown.c_str()},
      {long115.c_str(), 129, long115Help.c_str()},
  };
  for (const Row& row : rows) {
    char buffer[4096];
    std::strcpy(buffer, row.modulePath);
    PlaceHelpFileName(buffer, row.size);
    EXPECT_STREQ(buffer, row.helpPath) << row.modulePath << " in " << row.size;
  }
}

TEST(HelpPath, BuiltBesideTheRunningProgram) {
  char module[MAX_PATH];
  const DWORD length = GetModuleFileName(nullptr, module, sizeof module);
  ASSERT_GT(length, 0u);
  const std::string folder = std::string(module, length).substr(0, std::string(module).rfind('/') + 1);

  BuildHelpPath(helpPath, sizeof helpPath);
  EXPECT_EQ(std::string(helpPath), folder + "horatick.hlp");

  // A buffer too small for the program's own path: no wrong folder, only "?".
  char small[8];
  BuildHelpPath(small, sizeof small);
  EXPECT_STREQ(small, "?");
}

TEST_F(ServicesTest, DisplayFontMetrics) {
  platform::DisplayMetrics metrics;
  metrics.fontAverageWidth = 7;
  metrics.fontHeight = 15;
  driver.SetMetrics(metrics);
  MeasureDisplayFont();
  EXPECT_EQ(avgCharWidth, 7);
  EXPECT_EQ(charHeight, 15);
}

}  // namespace
