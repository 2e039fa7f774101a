// Starting at login: --autostart on|off makes and removes the user's XDG
// autostart entry, and the entry starts this program with its settings.
#include <gtest/gtest.h>
#include <unistd.h>

#include "cli/cli_run.h"
#include "core/files_temp_folder.h"

namespace {

class CliAutostart : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* dir : {"config", "system", "bin", "other"}) ::mkdir((root / dir).c_str(), 0700);
  }
  CliResult Run(std::vector<std::string> args, const std::string& path, const std::string& home = "") {
    return RunHoratick(args, {{"XDG_CONFIG_HOME", root / "config"},
                              {"XDG_CONFIG_DIRS", root / "system"},
                              {"PATH", path},
                              {"HORATICK_HOME", home}});
  }
  std::string Entry() const { return root / "config/autostart/horatick.desktop"; }
  std::string ExecLine() const {
    const std::string text = ReadTextFile(Entry()).value_or("");
    const std::size_t start = text.find("\nExec=");
    return start == std::string::npos ? "" : text.substr(start + 1, text.find('\n', start + 1) - start - 1);
  }

  TempFolder root;
};

TEST_F(CliAutostart, OnMakesTheEntryOffRemovesItAndAloneSays) {
  const std::string path = root / "bin";
  const std::vector<std::pair<std::vector<std::string>, bool>> steps = {
      {{"--autostart"}, false}, {{"--autostart", "on"}, true}, {{"--autostart"}, true},
      {{"--autostart=on"}, true}, {{"--autostart=off"}, false}, {{"--autostart", "off"}, false},
  };
  for (const auto& [args, on] : steps) {
    SCOPED_TRACE(args.back());
    const CliResult r = Run(args, path);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind(on ? "autostart is on" : "autostart is off", 0), 0u) << r.out;
    EXPECT_EQ(ReadTextFile(Entry()).has_value(), on);
  }
}

TEST_F(CliAutostart, TheEntryStartsThisProgramWithTheSettingsInForce) {
  ::symlink(HORATICK_BINARY, (root / "bin/horatick").c_str());
  WriteTextFile(root / "other/horatick", "#!/bin/sh\n");
  ::chmod((root / "other/horatick").c_str(), 0755);
  const std::string onPath = root / "bin";
  const std::string elsewhere = root / "other:" + root / "bin";
  const std::string odd = root.path() + "/my $HOME 100% \"x\" a\\b";
  const std::string oddExec = "\"" + root.path() + "/my \\\\$HOME 100%% \\\\\"x\\\\\" a\\\\\\\\b\"";
  struct Case {
    const char* name;
    std::string path;
    std::vector<std::string> extra;
    std::string home;
    std::string exec;
  };
  const Case cases[] = {
      {"the name on PATH is this program", onPath, {}, "", "Exec=horatick"},
      {"the name on PATH is another program", elsewhere, {}, "", std::string("Exec=") + HORATICK_BINARY},
      {"the name is not on PATH", root / "config", {}, "", std::string("Exec=") + HORATICK_BINARY},
      {"HORATICK_HOME", onPath, {}, root / "clock", "Exec=horatick --settings-dir " + root / "clock"},
      {"--settings-dir wins", onPath, {"--settings-dir", root / "mine/"}, root / "clock",
       "Exec=horatick --settings-dir " + root / "mine"},
      {"quoted for the launcher", onPath, {"--settings-dir", odd}, "", "Exec=horatick --settings-dir " + oddExec},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = c.extra;
    args.insert(args.end(), {"--autostart", "on"});
    const CliResult r = Run(args, c.path, c.home);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ExecLine(), c.exec);
  }
}

TEST_F(CliAutostart, OffHidesAnEntryTheSystemGives) {
  ::mkdir((root / "system/autostart").c_str(), 0700);
  WriteTextFile(root / "system/autostart/horatick.desktop", "[Desktop Entry]\nType=Application\nExec=horatick\n");
  const std::string path = root / "bin";
  EXPECT_NE(Run({"--autostart"}, path).out.find(root / "system/autostart/horatick.desktop"), std::string::npos);
  EXPECT_EQ(Run({"--autostart", "off"}, path).out.rfind("autostart is off", 0), 0u);
  EXPECT_NE(ReadTextFile(Entry()).value_or("").find("\nHidden=true\n"), std::string::npos);
  EXPECT_EQ(Run({"--autostart"}, path).out.rfind("autostart is off", 0), 0u);
  EXPECT_EQ(Run({"--autostart", "on"}, path).out.rfind("autostart is on", 0), 0u);
  EXPECT_EQ(ReadTextFile(Entry()).value_or("").find("Hidden"), std::string::npos);
}

TEST_F(CliAutostart, AnEntryThatCannotBeWrittenFailsWithAReason) {
  WriteTextFile(root / "config/autostart", "a file where the folder goes");
  const CliResult r = Run({"--autostart", "on"}, root / "bin");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.rfind("horatick: cannot write ", 0), 0u) << r.err;
  EXPECT_EQ(r.out, "");
}

// A desktop skips an entry that is not UTF-8 text or whose Exec line breaks:
// such a folder is refused rather than written into an entry that never runs.
TEST_F(CliAutostart, AFolderNameNoEntryCanCarryIsRefused) {
  const struct {
    const char* name;
    std::string folder;
  } cases[] = {
      {"a line break", "a\nb"},
      {"bytes that are not UTF-8", "\xff\xfe"},
      {"a Latin-1 letter", "caf\xe9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliResult r = Run({"--settings-dir", root / c.folder, "--autostart", "on"}, root / "bin");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("horatick: a login entry cannot name a path with", 0), 0u) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(ReadTextFile(Entry()).has_value());
  }
}

// The entry is written beside its place under a name nobody can plant: a
// link that waits under a name the entry could have been written through is
// left alone, and so is the file it points to.
TEST_F(CliAutostart, ALinkPlantedBesideTheEntryIsNotFollowed) {
  ::mkdir((root / "config/autostart").c_str(), 0700);
  WriteTextFile(root / "other/victim", "untouched");
  ASSERT_EQ(::symlink((root / "other/victim").c_str(), (root / "config/autostart/horatick.desktop.new").c_str()), 0);
  const CliResult r = Run({"--autostart", "on"}, root / "bin");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ReadTextFile(root / "other/victim"), "untouched");
  EXPECT_NE(ReadTextFile(Entry()).value_or("").find("\nExec="), std::string::npos);
  EXPECT_EQ(FolderListing(root / "config/autostart"), "horatick.desktop horatick.desktop.new");
}

}  // namespace
