// The terminal clock on a machine whose time zone changes while it runs (a
// laptop carried across zones): the face follows the machine's zone file.
// The zone file is swapped in a private mount namespace, so the test needs
// root and is skipped without it.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli/follow_process.h"

namespace {

constexpr char kZones[] = "/usr/share/zoneinfo/";

// The file's bytes written over the target in place: a bind mount keeps the
// inode, and a new time stamp (in whole seconds) tells the C library it changed.
void WriteZoneOver(const std::string& zone, const std::string& target, time_t stampOffset) {
  std::ifstream in(kZones + zone, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::ofstream(target, std::ios::binary | std::ios::trunc) << bytes;
  const timespec stamp[2] = {{::time(nullptr) + stampOffset, 0}, {::time(nullptr) + stampOffset, 0}};
  ::utimensat(AT_FDCWD, target.c_str(), stamp, 0);
}

// In the clock's process: its own view of /etc/localtime, showing `zoneFile`,
// and no TZ, so the machine's zone is the one in force.
bool SeeZoneFileAsTheMachines(const std::string& zoneFile) {
  ::unsetenv("TZ");
  return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount(zoneFile.c_str(), "/etc/localtime", nullptr, MS_BIND, nullptr) == 0;
}

bool CanMountPrivately() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(::unshare(CLONE_NEWNS) == 0 ? 0 : 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// " 5:59 PM" as the default face starts, in the zone named, at an instant.
std::string FaceTimeIn(const char* zone, time_t at) {
  ::setenv("TZ", zone, 1);
  ::tzset();
  tm fields{};
  ::localtime_r(&at, &fields);
  const int hour = fields.tm_hour % 12 == 0 ? 12 : fields.tm_hour % 12;
  char text[16];
  std::snprintf(text, sizeof text, "%2d:%02d %s", hour, fields.tm_min, fields.tm_hour < 12 ? "AM" : "PM");
  return text;
}

bool ShowsTimeIn(const std::string& face, const char* zone) {
  const time_t now = ::time(nullptr);
  // The face may have been made in the second before it was read.
  return face.rfind(FaceTimeIn(zone, now), 0) == 0 || face.rfind(FaceTimeIn(zone, now - 2), 0) == 0;
}

}  // namespace

TEST(FollowZone, TheFaceFollowsTheMachinesZoneWhenItChanges) {
  if (!CanMountPrivately()) GTEST_SKIP() << "no private mount namespace here (it needs root)";
  if (!std::filesystem::exists(std::string(kZones) + "Asia/Tokyo") || !std::filesystem::exists("/etc/localtime")) {
    GTEST_SKIP() << "no zone files";
  }
  TempFolder folder;
  TempFolder zones;
  const std::string zoneFile = zones.path() + "/localtime";
  WriteZoneOver("Etc/UTC", zoneFile, -60);
  FollowProcess clock(folder.path(), {"--follow"}, {}, [&] { return SeeZoneFileAsTheMachines(zoneFile); });
  const auto first = clock.NextLine();
  ASSERT_TRUE(first.has_value()) << clock.ErrorText();
  EXPECT_TRUE(ShowsTimeIn(*first, "UTC")) << *first;

  // A zone whole hours off: the face changes before its minute does.
  WriteZoneOver("Asia/Tokyo", zoneFile, 0);
  std::optional<std::string> face;
  do {
    face = clock.NextLine(5'000);
  } while (face && !ShowsTimeIn(*face, "Asia/Tokyo"));
  ASSERT_TRUE(face.has_value()) << "the face kept the old zone";
}
