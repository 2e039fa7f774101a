// The preferences record's defaults and the window style bits derived from it.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "settings/preferences.h"

namespace {

template <typename T>
T FieldAt(const unsigned char* image, std::size_t offset) {
  T value;
  std::memcpy(&value, image + offset, sizeof value);
  return value;
}

// Read back at the record's offsets, so a field moved or given the wrong
// default shows here.
TEST(Preferences, DefaultsAtTheirOffsetsLeaveTheOtherBytesAlone) {
  unsigned char image[sizeof(Preferences)];
  std::memset(image, 0xAB, sizeof image);
  Preferences p;
  std::memcpy(&p, image, sizeof p);
  SetDefaultPreferences(p);
  std::memcpy(image, &p, sizeof p);

  EXPECT_EQ(std::memcmp(image, "01.00\0", 6), 0);
  struct Field16 {
    std::size_t offset;
    std::int16_t value;
  };
  const Field16 fields16[] = {{6, 105},  {8, 0},   {10, 205}, {12, 305}, {14, 406}, {16, 505}, {32, 605},
                              {34, 705}, {56, 0},  {58, 1},   {68, 296}, {70, 4}};
  for (const Field16& field : fields16) {
    EXPECT_EQ(FieldAt<std::int16_t>(image, field.offset), field.value) << "offset " << field.offset;
  }
  struct Field32 {
    std::size_t offset;
    std::int32_t value;
  };
  const Field32 fields32[] = {{20, 1}, {24, 1}, {28, 0}, {48, 1}, {52, 0}, {60, 0}, {64, 905}, {72, 0}, {80, 0}};
  for (const Field32& field : fields32) {
    EXPECT_EQ(FieldAt<std::int32_t>(image, field.offset), field.value) << "offset " << field.offset;
  }
  EXPECT_EQ(std::memcmp(image + 40, "/\0\0\0\0", 5), 0);
  // No default: the place (36-39), the time-entry mode (76-77) and the reserved bytes.
  for (std::size_t offset : {18u, 19u, 36u, 37u, 38u, 39u, 45u, 46u, 47u, 76u, 77u, 78u, 79u}) {
    EXPECT_EQ(image[offset], 0xAB) << "offset " << offset;
  }
}

TEST(Preferences, WindowStyleBitsCountOnlyFlagsEqualToOne) {
  struct Row {
    std::int32_t systemBox;
    std::int32_t minimizeBox;
    std::int32_t style;
  };
  const Row rows[] = {{0, 0, 0},       {1, 0, 0x80000}, {0, 1, 0x20000}, {1, 1, 0xA0000},
                      {2, 0, 0},       {1, 2, 0x80000}, {-1, 1, 0x20000}};
  for (const Row& row : rows) {
    Preferences p{};
    p.systemBox = row.systemBox;
    p.minimizeBox = row.minimizeBox;
    EXPECT_EQ(WindowStyleExtraFor(p), row.style) << row.systemBox << " " << row.minimizeBox;
  }
}

}  // namespace
