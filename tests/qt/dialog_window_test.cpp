// Dialogs on the desktop: every template of the clock laid out in dialog
// units, the keys and buttons a person uses, and the core keeping the state.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt_fixture.h"
#include "resources/resources.h"

namespace qt_test {
namespace {

constexpr int kNameEdit = 10;
constexpr int kPlainRadio = 20;
constexpr int kAutoRadioA = 21;
constexpr int kAutoRadioB = 22;
constexpr int kHelpButton = 30;
constexpr int kRewriteButton = 31;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
const DialogItemTemplate kTestItems[] = {
    {"STATIC", kChild | SS_LEFT, -1, "&Name:", 8, 8, 30, 10},
    {"EDIT", kChild | WS_BORDER | WS_TABSTOP, kNameEdit, "", 40, 7, 60, 12},
    {"BUTTON", kChild | BS_RADIOBUTTON | WS_TABSTOP | WS_GROUP, kPlainRadio, "Plain", 8, 24, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, kAutoRadioA, "Auto A", 8, 38, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON, kAutoRadioB, "Auto B", 50, 38, 40, 12},
    {"BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "OK", 8, 56, 30, 14},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, "Cancel", 42, 56, 30, 14},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, kHelpButton, "&Help", 76, 56, 30, 14},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, kRewriteButton, "Rewrite", 110, 56, 30, 14},
};
const DialogTemplateResource kTestTemplate = {
    "KEYS", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 10, 10, 150, 80, "Keys", nullptr, 0,
    kTestItems, static_cast<int>(sizeof(kTestItems) / sizeof(kTestItems[0])),
};
constexpr int kNumberRadio = 40;
constexpr int kNameRadio = 41;
constexpr int kYearEdit = 42;
const DialogItemTemplate kGroupItems[] = {
    {"BUTTON", kChild | BS_GROUPBOX, -1, "&Month", 4, 4, 100, 30},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, kNumberRadio, "Number", 8, 14, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON, kNameRadio, "Name", 50, 14, 40, 12},
    {"BUTTON", kChild | BS_GROUPBOX, -1, "Y&ear", 4, 36, 100, 30},
    {"EDIT", kChild | WS_BORDER | WS_TABSTOP | WS_GROUP, kYearEdit, "", 8, 48, 60, 12},
    {"BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "OK", 8, 70, 30, 14},
};
const DialogTemplateResource kGroupTemplate = {
    "GROUPS", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 10, 10, 110, 90, "Groups", nullptr, 0,
    kGroupItems, static_cast<int>(sizeof(kGroupItems) / sizeof(kGroupItems[0])),
};
const DialogTemplateResource* const kTestDialogs[] = {&kTestTemplate, &kGroupTemplate};
const ResourceModule kTestModule = {kTestDialogs, 2, nullptr, 0, nullptr, 0};

struct Command {
  int id;
  int code;
};
std::vector<Command> commands;

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    if (GetDlgItem(dialog, kNameRadio) != nullptr) CheckRadioButton(dialog, kNumberRadio, kNameRadio, kNameRadio);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  commands.push_back(Command{id, HIWORD(wParam)});
  if (id == IDOK || id == IDCANCEL || id == kHelpButton) EndDialog(dialog, id);
  if (id == kRewriteButton) SetDlgItemText(dialog, kNameEdit, "12:00");
  return TRUE;
}

int CountOf(int id, int code) {
  int count = 0;
  for (const Command& c : commands) count += c.id == id && c.code == code ? 1 : 0;
  return count;
}

class DialogWindowTest : public QtDesk {
 protected:
  void SetUp() override {
    QtDesk::SetUp();
    commands.clear();
    testInstance_ = RegisterResourceModule(&kTestModule);
  }

  // The dialog "Keys" is on screen and has the keyboard.
  std::function<bool()> KeysShown() {
    return [this] {
      QWidget* dialog = VisibleWindowTitled("Keys");
      return dialog != nullptr && QApplication::activeWindow() == dialog && QApplication::focusWidget() != nullptr;
    };
  }
  HWND OpenDialog() const {
    for (HWND hwnd : platform::TopLevelWindows()) {
      if (platform::DescribeWindow(hwnd).kind == platform::WindowKind::Dialog) return hwnd;
    }
    return nullptr;
  }
  QWidget* Control(int id) const { return WidgetOf(GetDlgItem(OpenDialog(), id)); }
  INT_PTR RunKeys() { return DialogBoxParam(testInstance_, "Keys", nullptr, TestDialogProc, 0); }
  void Click(QWidget* widget) {
    Press(widget, widget->rect().center());
    Release(widget, widget->rect().center());
  }

  HINSTANCE testInstance_ = nullptr;
};

// Each control of every template of the clock sits at its dialog units
// times the base units of the dialog font, from the client area's corner.
TEST_F(DialogWindowTest, EveryTemplateIsLaidOutInDialogUnits) {
  const int baseX = Driver().Metrics().dialogBaseX;
  const int baseY = Driver().Metrics().dialogBaseY;
  for (int t = 0; t < kHoratickResources.dialogCount; ++t) {
    const DialogTemplateResource& source = *kHoratickResources.dialogs[t];
    SCOPED_TRACE(source.name);
    int checked = 0;
    When([&] { return OpenDialog() != nullptr && WidgetOf(OpenDialog()) != nullptr && WidgetOf(OpenDialog())->isVisible(); },
         [&] {
           const HWND dialog = OpenDialog();
           const auto children = platform::DescribeWindow(dialog).children;
           ASSERT_EQ(static_cast<int>(children.size()), source.itemCount);
           EXPECT_EQ(WidgetOf(dialog)->size(), QSize(source.cx * baseX / 4, source.cy * baseY / 8));
           for (int i = 0; i < source.itemCount; ++i) {
             const DialogItemTemplate& item = source.items[i];
             QWidget* widget = WidgetOf(children[i]);
             ASSERT_NE(widget, nullptr) << "item " << i;
             QRect expected(item.x * baseX / 4, item.y * baseY / 8, item.cx * baseX / 4, item.cy * baseY / 8);
             if ((item.style & SS_TYPEMASK) == SS_ICON && std::string(item.className) == "STATIC") {
               expected.setSize(expected.size().expandedTo(QSize(32, 32)));
             }
             // A one-line label may be wider than its units, to show its whole text.
             const bool label = std::string(item.className) == "STATIC" && (item.style & SS_TYPEMASK) <= SS_RIGHT &&
                                expected.height() < 2 * widget->fontMetrics().height();
             if (label && widget->width() > expected.width()) expected.setWidth(widget->width());
             EXPECT_EQ(widget->geometry(), expected) << "item " << i << " id " << item.id << " \"" << item.text << "\"";
             ++checked;
           }
           platform::PostToCore(dialog, WM_COMMAND, IDCANCEL, 0);
         });
    DialogBoxParam(Instance(), source.name, nullptr, TestDialogProc, 0);
    EXPECT_EQ(checked, source.itemCount);
  }
}

TEST_F(DialogWindowTest, EnterEscapeAndTheCloseButtonEndTheDialogAsOnWin32) {
  struct Case {
    const char* what;
    std::function<void(QtDesk&, QWidget*)> act;
    INT_PTR result;
  };
  const Case cases[] = {
      {"Enter in the edit is the default button",
       [](QtDesk& desk, QWidget*) { desk.Key(QApplication::focusWidget(), Qt::Key_Return); }, IDOK},
      {"Escape is Cancel", [](QtDesk& desk, QWidget*) { desk.Key(QApplication::focusWidget(), Qt::Key_Escape); },
       IDCANCEL},
      {"the close button is Cancel", [](QtDesk&, QWidget* dialog) { dialog->close(); }, IDCANCEL},
      {"Alt with a button's mnemonic clicks it",
       [](QtDesk& desk, QWidget*) { desk.Key(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier, "h"); },
       kHelpButton},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    When(KeysShown(), [&] {
      QWidget* dialog = VisibleWindowTitled("Keys");
      EXPECT_EQ(QApplication::focusWidget(), Control(kNameEdit));
      c.act(*this, dialog);
    });
    EXPECT_EQ(RunKeys(), c.result);
  }
}

TEST_F(DialogWindowTest, TabAndAStaticTextsMnemonicMoveTheFocusInTheCoreToo) {
  auto coreFocusOn = [this](int id) {
    return [this, id] { return platform::DescribeWindow(GetDlgItem(OpenDialog(), id)).focused; };
  };
  When(KeysShown(), [&] { Key(QApplication::focusWidget(), Qt::Key_Tab); });
  When(coreFocusOn(kPlainRadio), [&] { Control(IDOK)->setFocus(Qt::TabFocusReason); });
  When(coreFocusOn(IDOK), [&] { Key(Control(IDOK), Qt::Key_N, Qt::AltModifier, "n"); });
  When(coreFocusOn(kNameEdit), [&] { Key(QApplication::focusWidget(), Qt::Key_Escape); });
  EXPECT_EQ(RunKeys(), IDCANCEL);
}

// A group box's mnemonic works as a static text's does: the focus goes to
// the next control that takes it, in a radio group to the checked button.
TEST_F(DialogWindowTest, AGroupBoxsMnemonicMovesTheFocusIntoItsGroup) {
  auto coreFocusOn = [this](int id) {
    return [this, id] { return platform::DescribeWindow(GetDlgItem(OpenDialog(), id)).focused; };
  };
  When([this] { return VisibleWindowTitled("Groups") != nullptr && QApplication::focusWidget() != nullptr; },
       [&] { Key(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier, "e"); });
  When(coreFocusOn(kYearEdit), [&] { Key(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier, "m"); });
  When(coreFocusOn(kNameRadio), [&] { Key(QApplication::focusWidget(), Qt::Key_Escape); });
  EXPECT_EQ(DialogBoxParam(testInstance_, "Groups", nullptr, TestDialogProc, 0), IDCANCEL);
}

// A screen reader hears a group box by the title the program gave it last,
// with the mnemonic of that title.
TEST_F(DialogWindowTest, AReaderHearsAGroupBoxByItsTitleNow) {
  HWND box = nullptr;
  auto heard = [&] {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(WidgetOf(box));
    return reader->text(QAccessible::Name) + " " + reader->text(QAccessible::Accelerator);
  };
  QString before;
  QString after;
  When([this] { return VisibleWindowTitled("Groups") != nullptr; },
       [&] {
         box = platform::DescribeWindow(OpenDialog()).children.front();
         before = heard();
         platform::PostToCore(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("&Week"));
       });
  When([&] { return platform::DescribeWindow(box).text == "&Week"; },
       [&] {
         after = heard();
         platform::PostToCore(OpenDialog(), WM_COMMAND, IDCANCEL, 0);
       });
  DialogBoxParam(testInstance_, "Groups", nullptr, TestDialogProc, 0);
  EXPECT_EQ(before, QStringLiteral("Month Alt+M"));
  EXPECT_EQ(after, QStringLiteral("Week Alt+W"));
}

TEST_F(DialogWindowTest, PlainRadioButtonsDoNotCheckThemselvesAutomaticOnesDo) {
  UINT plainCheck = 99;
  UINT autoCheck = 99;
  bool plainShown = true;
  bool autoShown = false;
  When(KeysShown(), [&] { Click(Control(kPlainRadio)); });
  When([&] { return CountOf(kPlainRadio, BN_CLICKED) == 1; }, [&] { Click(Control(kAutoRadioB)); });
  When([&] { return CountOf(kAutoRadioB, BN_CLICKED) == 1; },
       [&] {
         plainCheck = platform::DescribeWindow(GetDlgItem(OpenDialog(), kPlainRadio)).check;
         autoCheck = platform::DescribeWindow(GetDlgItem(OpenDialog(), kAutoRadioB)).check;
         plainShown = static_cast<QAbstractButton*>(Control(kPlainRadio))->isChecked();
         autoShown = static_cast<QAbstractButton*>(Control(kAutoRadioB))->isChecked();
         Key(QApplication::focusWidget(), Qt::Key_Escape);
       });
  RunKeys();
  EXPECT_EQ(plainCheck, BST_UNCHECKED);
  EXPECT_FALSE(plainShown);
  EXPECT_EQ(autoCheck, BST_CHECKED);
  EXPECT_TRUE(autoShown);
}

TEST_F(DialogWindowTest, TypingReachesTheCoresEditAndTheProgramsTextReachesTheWidget) {
  std::string typed;
  QString rewritten;
  When(KeysShown(), [&] {
    QWidget* edit = Control(kNameEdit);
    for (const char* c : {"7", ":", "0", "5", "9"}) Key(edit, QKeySequence(QString(c))[0].key(), Qt::NoModifier, c);
    Key(edit, Qt::Key_Backspace);
  });
  When([&] { return CountOf(kNameEdit, EN_CHANGE) >= 6; },
       [&] {
         typed = platform::DescribeWindow(GetDlgItem(OpenDialog(), kNameEdit)).text;
         Click(Control(kRewriteButton));
       });
  When([&] { return CountOf(kRewriteButton, BN_CLICKED) == 1; },
       [&] {
         rewritten = static_cast<QLineEdit*>(Control(kNameEdit))->text();
         Key(QApplication::focusWidget(), Qt::Key_Escape);
       });
  RunKeys();
  EXPECT_EQ(typed, "7:05");
  EXPECT_EQ(CountOf(kNameEdit, EN_CHANGE), 6 + 1);  // five characters, a backspace, the program's text
  EXPECT_EQ(rewritten, QStringLiteral("12:00"));
}

TEST_F(DialogWindowTest, AMessageBoxIsAnsweredByItsButtons) {
  bool iconShown = false;
  When([&] { return VisibleWindowTitled("Horatick") != nullptr; },
       [&] {
         QWidget* box = VisibleWindowTitled("Horatick");
         for (QLabel* label : box->findChildren<QLabel*>()) iconShown = iconShown || !label->pixmap().isNull();
         for (QPushButton* button : box->findChildren<QPushButton*>()) {
           if (button->text() == QStringLiteral("&No")) Click(button);
         }
       });
  EXPECT_EQ(MessageBox(nullptr, "Delete the alarm?", "Horatick", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_TRUE(iconShown);
}

TEST_F(DialogWindowTest, TheClockWindowsTimersTickWhileADialogIsOpen) {
  const HWND clock = CreateCaptionWindow(WS_POPUP | WS_CAPTION, RECT{10, 10, 200, 30}, "12:00");
  ASSERT_NE(SetTimer(clock, 1, 20, nullptr), 0u);
  std::size_t ticksAtOpen = 0;
  When(KeysShown(), [&] { ticksAtOpen = MessagesOf(WM_TIMER).size(); });
  When([&] { return MessagesOf(WM_TIMER).size() >= ticksAtOpen + 3; },
       [&] { Key(QApplication::focusWidget(), Qt::Key_Escape); });
  EXPECT_EQ(DialogBoxParam(testInstance_, "Keys", clock, TestDialogProc, 0), IDCANCEL);
  EXPECT_GE(MessagesOf(WM_TIMER).size(), ticksAtOpen + 3);
}

}  // namespace
}  // namespace qt_test
