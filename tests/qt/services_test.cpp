// The desktop's services to the program: the tone, help, the file chooser.
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QSortFilterProxyModel>
#include <QObject>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/qt/file_chooser.h"
#include "platform/qt/help_window.h"
#include "platform/session/help_document.h"
#include "qt_fixture.h"
#include "support/temp_folder.h"

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
  void SetUp() override { fs::create_directories(root_ / "bin"); }
  void Touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "<html></html>";
  }
  std::string HelpFile() const { return (root_ / "bin" / "horatick.hlp").string(); }
  TempFolder folder_;
  const fs::path root_ = folder_.path();
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

// Help opens in the clock's own window at the section asked for, and no
// browser is started: Back and Forward go between the sections opened, Find
// finds a word.
TEST_F(WinHelpTest, OpensInTheClocksOwnWindowAtTheSection) {
  HelpOpener opener;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "Open");
  const std::string helpFile = std::string(HORATICK_SOURCE_DIR) + "/build/release/horatick.hlp";
  EXPECT_TRUE(WinHelp(nullptr, helpFile.c_str(), HELP_CONTEXT, 1004));
  EXPECT_FALSE(WinHelp(nullptr, "/nowhere/other.hlp", HELP_INDEX, 0));
  Settle();
  platform::qt::HelpWindow* help = Driver().Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), QStringLiteral("Horatick Help"));
  QTextBrowser* browser = help->Browser();
  EXPECT_EQ(browser->source().fragment(), QStringLiteral("context-1004"));
  EXPECT_TRUE(browser->source().path().endsWith(QStringLiteral("/docs/help.html")));
  auto topLine = [&] { return browser->cursorForPosition(QPoint(8, 8)).block().text(); };
  EXPECT_EQ(topLine(), QStringLiteral("Alarm Settings"));
  if (const char* dir = std::getenv("HORATICK_SCREENSHOT_DIR"); dir != nullptr && dir[0] != '\0') {
    help->grab().save(QString::fromUtf8(dir) + "/help-window.png");
  }

  // The index opens at the top; Back returns to the section before.
  EXPECT_TRUE(WinHelp(nullptr, helpFile.c_str(), HELP_INDEX, 0));
  Settle();
  EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
  QToolButton* back = nullptr;
  for (QToolButton* button : help->findChildren<QToolButton*>()) {
    if (button->text() == QStringLiteral("&Back")) back = button;
  }
  ASSERT_NE(back, nullptr);
  ASSERT_TRUE(back->isEnabled());
  back->click();
  Settle();
  EXPECT_EQ(topLine(), QStringLiteral("Alarm Settings"));

  help->FindField()->setText(QStringLiteral("Countdown From"));
  Key(help->FindField(), Qt::Key_Return);
  Settle();
  EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("Countdown From"));

  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  EXPECT_TRUE(opener.opened.isEmpty());
}

// A request for help where no document exists is answered with a box that
// says so, not with nothing.
TEST_F(WinHelpTest, WithNoDocumentABoxSaysSo) {
  std::string said;
  When([&] { return VisibleWindowTitled("Horatick") != nullptr; },
       [&] {
         QWidget* box = VisibleWindowTitled("Horatick");
         for (QLabel* label : box->findChildren<QLabel*>()) said += label->text().toStdString();
         for (QPushButton* button : box->findChildren<QPushButton*>()) button->click();
       });
  EXPECT_FALSE(WinHelp(nullptr, "/nowhere/at/all/horatick.hlp", HELP_INDEX, 0));
  EXPECT_NE(said.find("No help document"), std::string::npos) << said;
}

class FileChooserTest : public QtDesk {};

// The chooser for a program lists what a person can run or browse into: the
// folders and the executable files, and no other file.
TEST_F(FileChooserTest, ExecutablesListFoldersAndExecutableFilesOnly) {
  const TempFolder made;
  const fs::path folder = made.path();
  fs::create_directories(folder / "tools");
  std::ofstream(folder / "wake.sh") << "#!/bin/sh\n";
  fs::permissions(folder / "wake.sh", fs::perms::owner_all);
  std::ofstream(folder / "notes.txt") << "text\n";
  platform::FileChooserRequest request;
  request.title = "Browse";
  request.filterDescription = "Executables";
  request.filterPatterns = "*.EXE";
  request.initialFolder = folder.string();
  Driver().Chooser().Open(request, nullptr);
  QFileDialog* dialog = Driver().Chooser().Dialog();
  ASSERT_NE(dialog, nullptr);
  auto* files = dialog->findChild<QFileSystemModel*>();
  ASSERT_NE(files, nullptr);
  QAbstractItemModel* shown = dialog->proxyModel();
  ASSERT_NE(shown, nullptr);
  QStringList listed;
  // The folder is read in the background: all three entries are known first.
  const QModelIndex source = files->index(QString::fromStdString(folder.string()));
  ASSERT_TRUE(Pump([&] { return files->rowCount(source) == 3; }));
  const QModelIndex at = dialog->proxyModel()->mapFromSource(source);
  for (int row = 0; row < shown->rowCount(at); ++row) listed << shown->index(row, 0, at).data().toString();
  listed.sort();
  EXPECT_EQ(listed, (QStringList{"tools", "wake.sh"}));
  EXPECT_TRUE(dialog->nameFilters().join(' ').startsWith(QStringLiteral("Executables")));
  Driver().Chooser().Close();
  fs::remove_all(folder);
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
