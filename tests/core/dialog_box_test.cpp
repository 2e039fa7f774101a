// Modal dialogs: templates, the start message, the owner, the dialog keys,
// nesting, and dialogs opened by a timer.
#include <gtest/gtest.h>

#include "core/sample_program.h"

namespace {

using sample::MainWindow;

// The program opens the sample dialog (by the name given) on WM_USER and
// writes down what DialogBoxParam returned.
class DialogBox : public ::testing::Test {
 protected:
  void SetUp() override {
    sample::TheScript() = sample::Script{};
    sample::TheScript().onMessage = [this](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_USER) return std::nullopt;
      ownerEnabledInside_ = -1;
      results_.push_back(DialogBoxParam(sample::Instance(), name_, hwnd, sample::SampleDialogProc, 77));
      return 0;
    };
  }

  void open(Desk& desk) { desk.post(MainWindow(), WM_USER, 0, 0); }

  const char* name_ = "SampleDialog";
  std::vector<INT_PTR> results_;
  int ownerEnabledInside_ = -1;
};

TEST_F(DialogBox, TemplateNamesMatchWithoutRegardToCase) {
  for (const char* name : {"SampleDialog", "SAMPLEDIALOG", "sampledialog"}) {
    name_ = name;
    Desk desk{sample::SampleSettings()};
    desk.start();
    open(desk);
    ASSERT_TRUE(desk.hasDialog("Sample")) << name;
    EXPECT_EQ(desk.dialog("Sample").templateName(), "SAMPLEDIALOG");
    desk.dialog("Sample").click(IDOK);
    EXPECT_EQ(results_, (std::vector<INT_PTR>{10}));
    results_.clear();
  }
}

TEST_F(DialogBox, AMissingTemplateGivesMinusOneAndOpensNothing) {
  name_ = "NoSuchDialog";
  Desk desk{sample::SampleSettings()};
  desk.start();
  open(desk);
  EXPECT_EQ(results_, (std::vector<INT_PTR>{-1}));
  EXPECT_TRUE(desk.dialogCaptions().empty());
  EXPECT_TRUE(IsWindowEnabled(MainWindow()));
}

TEST_F(DialogBox, TheStartMessageComesWithTheParameterAndTrueFocusesTheFirstTabStop) {
  LPARAM seen = 0;
  HWND firstTabStop = nullptr;
  sample::TheScript().onDialog = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message != WM_INITDIALOG) return FALSE;
    seen = lParam;
    firstTabStop = reinterpret_cast<HWND>(wParam);
    return TRUE;
    (void)dialog;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  open(desk);
  DialogView dialog = desk.dialog("Sample");
  EXPECT_EQ(seen, 77);
  EXPECT_EQ(firstTabStop, dialog.control(sample::kEdit));
  EXPECT_EQ(dialog.focusId(), sample::kEdit);
}

TEST_F(DialogBox, TheOwnerIsDisabledWhileTheDialogRunsAndEnabledAfter) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  open(desk);
  EXPECT_FALSE(desk.window(MainWindow()).enabled);
  desk.dialog("Sample").click(IDCANCEL);
  EXPECT_TRUE(desk.window(MainWindow()).enabled);
  EXPECT_EQ(results_, (std::vector<INT_PTR>{20}));
}

// Enter is the default button's command (or the focused push button's);
// Escape is IDCANCEL whether or not the dialog has such a button.
TEST_F(DialogBox, EnterAndEscapeCarryTheDialogKeys) {
  struct Case {
    const char* name;
    std::function<void(DialogView&)> act;
    std::vector<WPARAM> commands;
  };
  const std::vector<Case> cases = {
      {"Enter in the edit", [](DialogView& d) { d.enter(); }, {MAKEWPARAM(IDOK, BN_CLICKED)}},
      {"Escape", [](DialogView& d) { d.escape(); }, {MAKEWPARAM(IDCANCEL, BN_CLICKED)}},
      {"Enter on a focused push button",
       [](DialogView& d) { d.focus(sample::kNested).enter(); },
       {MAKEWPARAM(sample::kNested, BN_CLICKED)}},
      {"Enter on a check box",
       [](DialogView& d) { d.focus(sample::kCheck).enter(); },
       {MAKEWPARAM(IDOK, BN_CLICKED)}},
  };
  for (const Case& c : cases) {
    std::vector<WPARAM> commands;
    sample::TheScript().onDialog = [&commands](HWND, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
      if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) commands.push_back(wParam);
      return message == WM_INITDIALOG ? TRUE : FALSE;
    };
    Desk desk{sample::SampleSettings()};
    desk.start();
    open(desk);
    DialogView dialog = desk.dialog("Sample");
    c.act(dialog);
    EXPECT_EQ(commands, c.commands) << c.name;
  }
}

TEST_F(DialogBox, DialogsNestAndEachReturnsItsOwnResult) {
  sample::TheScript().onDialog = [this](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wParam) == sample::kNested) {
      ownerEnabledInside_ = IsWindowEnabled(dialog);
      results_.push_back(DialogBoxParam(sample::Instance(), "Inner", dialog, [](HWND inner, UINT m, WPARAM w, LPARAM) -> INT_PTR {
        if (m == WM_COMMAND && LOWORD(w) == IDOK) EndDialog(inner, 3);
        return m == WM_INITDIALOG ? TRUE : FALSE;
      }, 0));
      return TRUE;
    }
    if (LOWORD(wParam) == IDOK) EndDialog(dialog, 4);
    return TRUE;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  open(desk);
  desk.dialog("Sample").click(sample::kNested);
  EXPECT_EQ(desk.dialogCaptions(), (std::vector<std::string>{"Sample", "Inner"}));
  EXPECT_FALSE(desk.dialog("Sample").isOpen() && desk.window(desk.dialog("Sample").hwnd()).enabled);
  EXPECT_THROW(desk.dialog("Sample").click(IDOK), DeskError);  // behind the inner dialog
  desk.dialog("Inner").enter();
  EXPECT_TRUE(desk.window(desk.dialog("Sample").hwnd()).enabled);
  desk.dialog("Sample").click(IDOK);
  EXPECT_EQ(results_, (std::vector<INT_PTR>{3, 4}));
  EXPECT_TRUE(desk.dialogCaptions().empty());
}

TEST_F(DialogBox, ADialogOpenedByATimerTickRunsWhileTicksGoOn) {
  int ticks = 0;
  sample::TheScript().onStart = [](HWND hwnd) { SetTimer(hwnd, 1, 500, nullptr); };
  sample::TheScript().onMessage = [&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_TIMER) return std::nullopt;
    if (++ticks == 2) results_.push_back(DialogBoxParam(sample::Instance(), "Inner", hwnd, sample::SampleDialogProc, 0));
    return 0;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(1000);
  ASSERT_TRUE(desk.hasDialog("Inner"));
  desk.advance(1500);
  EXPECT_EQ(ticks, 5);  // three more ticks came in while the dialog was open
  desk.dialog("Inner").click(IDOK);
  EXPECT_EQ(results_, (std::vector<INT_PTR>{10}));
}

// Two dialogs of one owner, the second opened by a tick while the first runs
// (two alarm notes, say): closing the second leaves the owner held by the
// first, and the keyboard goes back to the first.
TEST_F(DialogBox, ClosingTheLaterOfTwoDialogsOfOneOwnerHandsTheKeysToTheFirst) {
  int ticks = 0;
  sample::TheScript().onStart = [](HWND hwnd) { SetTimer(hwnd, 1, 500, nullptr); };
  sample::TheScript().onMessage = [&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_TIMER) return std::nullopt;
    const int tick = ++ticks;  // the nested tick counts on while the first dialog runs
    if (tick == 1) results_.push_back(DialogBoxParam(sample::Instance(), "SampleDialog", hwnd, sample::SampleDialogProc, 0));
    if (tick == 2) results_.push_back(DialogBoxParam(sample::Instance(), "Inner", hwnd, sample::SampleDialogProc, 0));
    return 0;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.advance(1000);
  ASSERT_EQ(desk.dialogCaptions(), (std::vector<std::string>{"Sample", "Inner"}));
  desk.dialog("Inner").enter();
  EXPECT_FALSE(desk.window(MainWindow()).enabled);
  desk.key(VK_ESCAPE);
  EXPECT_TRUE(desk.dialogCaptions().empty());
  EXPECT_TRUE(desk.window(MainWindow()).enabled);
  EXPECT_EQ(results_, (std::vector<INT_PTR>{10, 20}));
}

TEST_F(DialogBox, EndDialogFromTheStartMessageNeverShowsTheDialog) {
  sample::TheScript().onDialog = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) EndDialog(dialog, 6);
    return TRUE;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  open(desk);
  EXPECT_EQ(results_, (std::vector<INT_PTR>{6}));
  EXPECT_TRUE(desk.dialogCaptions().empty());
  EXPECT_TRUE(desk.window(MainWindow()).enabled);
}

TEST_F(DialogBox, ADialogIsPlacedFromItsOwnersClientAreaInDialogUnits) {
  Desk desk{sample::SampleSettings()};
  desk.start();
  open(desk);
  // The owner's client area starts at (101, 70); 20 x 10 dialog units are 40 x 20 pixels
  // with the headless 8 x 16 dialog font, and 170 x 100 units are 340 x 200.
  const RECT rect = desk.dialog("Sample").rect();
  EXPECT_EQ(rect.left, 141);
  EXPECT_EQ(rect.top, 90);
  EXPECT_EQ(rect.right - rect.left, 342);
  EXPECT_EQ(rect.bottom - rect.top, 200 + 20 + 1);
}

}  // namespace
