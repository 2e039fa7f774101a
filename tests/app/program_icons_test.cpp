// The program's icons are drawn from shapes when first looked up; each comes
// out as a round face: solid in the middle, clear in the corners (the bell too).
#include <gtest/gtest.h>

#include "platform/win32.h"
#include "resources/resources.h"
#include "platform/user/resource_lookup.h"

namespace {

TEST(ProgramIcons, EachIsDrawnWhenFirstLookedUp) {
  const HINSTANCE instance = RegisterResourceModule(&kHoratickResources);
  for (const char* name : {"Horatick", "HORATICK2", "HORATICK3", "HORATICK4", "BELL"}) {
    SCOPED_TRACE(name);
    const IconResource* icon = FindIconResource(LoadIcon(instance, name));
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(icon->argb, nullptr);
    const int size = icon->width * icon->height;
    int opaque = 0;
    for (int i = 0; i < size; ++i) opaque += (icon->argb[i] >> 24) == 0xFF ? 1 : 0;
    EXPECT_GT(opaque, size / 5);
    EXPECT_EQ(icon->argb[0] >> 24, 0u);
    EXPECT_EQ(icon->argb[size - 1] >> 24, 0u);
  }
}

}  // namespace
