// The desktop's services to the program: the tone, help, the file chooser.
#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/qt/file_chooser.h"
#include "platform/core/help_document.h"
#include "qt_fixture.h"

namespace qt_test {
namespace {

namespace fs = std::filesystem;

class BeepTest : public QtDesk {};

TEST_F(BeepTest, WithoutASoundDeviceTheBellRingsInstead) {
  setenv("HORATICK_SOUND_DEVICE", "null", 1);
  EXPECT_TRUE(Beep(200, 20));
  EXPECT_EQ(Driver().BellsRung(), 0);
  setenv("HORATICK_SOUND_DEVICE", "no_such_device_here", 1);
  EXPECT_TRUE(Beep(200, 20));
  EXPECT_EQ(Driver().BellsRung(), 1);
  unsetenv("HORATICK_SOUND_DEVICE");
}

// A folder tree made for one test, removed after it.
class HelpFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("horatick-help-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
  }
  void TearDown() override { fs::remove_all(root_); }
  void Touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "<html></html>";
  }
  std::string HelpFile() const { return (root_ / "bin" / "horatick.hlp").string(); }
  fs::path root_;
};

TEST_F(HelpFolders, TheDocumentIsFoundBesideThenInstalledThenInTheSourceTree) {
  EXPECT_FALSE(platform::help::FindHelpDocument(HelpFile().c_str()));
  Touch(root_ / "docs" / "help.html");
  EXPECT_EQ(platform::help::FindHelpDocument(HelpFile().c_str()), (root_ / "docs" / "help.html").string());
  Touch(root_ / "share" / "horatick" / "help.html");
  EXPECT_EQ(platform::help::FindHelpDocument(HelpFile().c_str()),
            (root_ / "share" / "horatick" / "help.html").string());
  Touch(root_ / "bin" / "help.html");
  EXPECT_EQ(platform::help::FindHelpDocument(HelpFile().c_str()), (root_ / "bin" / "help.html").string());
}

TEST_F(HelpFolders, OnlyTheClocksHelpFileStandsForTheDocument) {
  Touch(root_ / "bin" / "help.html");
  const struct {
    std::string file;
    bool found;
  } cases[] = {
      {HelpFile(), true},
      {(root_ / "bin" / "HORATICK.HLP").string(), true},
      {(root_ / "bin" / "other.hlp").string(), false},
      {(root_ / "bin" / "myhoratick.hlp").string(), false},
      {(root_ / "bin" / "?").string(), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::help::FindHelpDocument(c.file.c_str()).has_value(), c.found) << c.file;
  }
  EXPECT_FALSE(platform::help::FindHelpDocument(nullptr));
}

TEST(HelpAddressTest, ContextsBecomeAnchorsAndPathsAreEscaped) {
  const struct {
    UINT command;
    UINT_PTR data;
    const char* address;
  } cases[] = {
      {HELP_INDEX, 0, "file:///opt/my%20clock/help.html"},
      {HELP_CONTEXT, 1004, "file:///opt/my%20clock/help.html#context-1004"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::help::HelpAddress("/opt/my clock/help.html", c.command, c.data), c.address);
  }
  EXPECT_FALSE(platform::help::HelpAddress("/opt/help.html", HELP_QUIT, 0));
}

class HelpOpener : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

class WinHelpTest : public QtDesk {};

TEST_F(WinHelpTest, OpensTheDocumentAtTheContextsAnchorInTheBrowser) {
  HelpOpener opener;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "Open");
  const std::string source = HORATICK_SOURCE_DIR;
  const std::string helpFile = source + "/build/release/horatick.hlp";
  EXPECT_TRUE(WinHelp(nullptr, helpFile.c_str(), HELP_CONTEXT, 1004));
  EXPECT_FALSE(WinHelp(nullptr, "/nowhere/other.hlp", HELP_INDEX, 0));
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  ASSERT_EQ(opener.opened.size(), 1);
  EXPECT_EQ(opener.opened.front().fragment(), QStringLiteral("context-1004"));
  EXPECT_TRUE(opener.opened.front().path().endsWith(QStringLiteral("/docs/help.html")));
}

TEST(FileChooserFilterTest, ExecutablesMeanTheExecutePermissionOtherFiltersTheirPatterns) {
  platform::FileChooserRequest request;
  request.filterDescription = "Executables (*.EXE)";
  request.filterPatterns = "*.EXE";
  EXPECT_TRUE(platform::qt::FilterPatterns(request).isEmpty());
  request.filterDescription = "Notes";
  request.filterPatterns = "*.txt; *.log";
  EXPECT_EQ(platform::qt::FilterPatterns(request), (QStringList{"*.txt", "*.log"}));
}

}  // namespace
}  // namespace qt_test

#include "services_test.moc"
