// The arrow keys inside a group of dialog controls: the focus walks the
// group's usable buttons with wrap-around, and an unchecked radio button
// reached so is chosen as a click would choose it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/sample_program.h"
#include "platform/user/arrow_keys.h"

namespace {

using platform::kVkDown;
using platform::kVkLeft;
using platform::kVkRight;
using platform::kVkUp;

// Control ids of the two dialogs.
enum : int {
  kEdit = 10,
  kPlain1 = 21,  // plain radio buttons: the procedure checks them
  kPlain2 = 22,
  kPlain3 = 23,
  kAuto1 = 31,   // automatic radio buttons, with a label and an edit among them
  kAuto2 = 32,
  kAutoLabel = 35,
  kAutoEdit = 36,
  kAuto3 = 33,
  kCheck1 = 41,
  kCheck2 = 42,
  kRunA1 = 51,   // in the dialog that marks no group: two runs of radio buttons
  kRunA2 = 52,
  kRunCheck = 55,
  kRunB1 = 61,
  kRunB2 = 62,
  kRunB3 = 63,
  kRunC1 = 71,   // straight after the B run in template order, but up and to the left of it
  kRunC2 = 72,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kStarts = WS_GROUP | WS_TABSTOP;

const DialogItemTemplate kGroupedItems[] = {
    {"EDIT", kChild | WS_BORDER | kStarts, kEdit, "start", 10, 6, 60, 12},
    {"BUTTON", kChild | BS_RADIOBUTTON | kStarts, kPlain1, "Plain 1", 10, 20, 40, 12},
    {"BUTTON", kChild | BS_RADIOBUTTON, kPlain2, "Plain 2", 50, 20, 40, 12},
    {"BUTTON", kChild | BS_RADIOBUTTON, kPlain3, "Plain 3", 90, 20, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | kStarts, kAuto1, "Auto 1", 10, 34, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON, kAuto2, "Auto 2", 50, 34, 40, 12},
    {"STATIC", kChild | SS_LEFT, kAutoLabel, "Date:", 90, 36, 20, 8},
    {"EDIT", kChild | WS_BORDER | WS_TABSTOP, kAutoEdit, "", 110, 34, 30, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON, kAuto3, "Auto 3", 10, 48, 40, 12},
    {"BUTTON", kChild | BS_AUTOCHECKBOX | kStarts, kCheck1, "Check 1", 10, 62, 40, 12},
    {"BUTTON", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, kCheck2, "Check 2", 50, 62, 40, 12},
    {"BUTTON", kChild | BS_DEFPUSHBUTTON | kStarts, IDOK, "OK", 10, 78, 40, 14},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, "Cancel", 60, 78, 40, 14},
};

// As the Preferences and Timers dialogs are: no control marks a group.
const DialogItemTemplate kUnmarkedItems[] = {
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, kRunA1, "A1", 10, 6, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, kRunA2, "A2", 10, 18, 40, 12},
    {"BUTTON", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, kRunCheck, "Check", 10, 30, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, kRunB1, "B1", 60, 40, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, kRunB2, "B2", 60, 52, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, kRunB3, "B3", 60, 64, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, kRunC1, "C1", 10, 50, 20, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, kRunC2, "C2", 30, 50, 20, 12},
    {"BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "OK", 10, 78, 40, 14},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, "Cancel", 60, 78, 40, 14},
};

const DialogTemplateResource kGrouped = {
    "GROUPED", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 20, 10, 150, 100, "Grouped", nullptr, 8,
    kGroupedItems, static_cast<int>(std::size(kGroupedItems)),
};
const DialogTemplateResource kUnmarked = {
    "UNMARKED", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 20, 10, 150, 100, "Unmarked", nullptr, 8,
    kUnmarkedItems, static_cast<int>(std::size(kUnmarkedItems)),
};
const DialogTemplateResource* const kDialogs[] = {&kGrouped, &kUnmarked};
const ResourceModule kModule = {kDialogs, 2, nullptr, 0, nullptr, 0};

// The code the test runs as the dialog procedure, on the program's thread.
std::function<void(HWND)> inside;

// Checks the first plain and automatic radio buttons at the start, and each
// plain radio button the user chooses, as the clock's dialogs do.
INT_PTR CALLBACK GroupsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CheckRadioButton(dialog, kPlain1, kPlain3, kPlain1);
      CheckRadioButton(dialog, kAuto1, kAuto3, kAuto1);
      CheckRadioButton(dialog, kRunA1, kRunA2, kRunA1);
      CheckRadioButton(dialog, kRunB1, kRunB3, kRunB1);
      CheckRadioButton(dialog, kRunC1, kRunC2, kRunC1);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) == BN_CLICKED && id >= kPlain1 && id <= kPlain3) {
        CheckRadioButton(dialog, kPlain1, kPlain3, id);
      }
      if (id == IDOK || id == IDCANCEL) EndDialog(dialog, id);
      return TRUE;
    }
    case WM_USER + 1:
      if (inside) inside(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

class ArrowKeys : public ::testing::Test {
 protected:
  // A fresh desk whose program opens the dialog of this template on WM_USER.
  DialogView open(const char* name, const char* caption) {
    sample::TheScript() = sample::Script{};
    sample::TheScript().onMessage = [name](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_USER) return std::nullopt;
      DialogBoxParam(RegisterResourceModule(&kModule), name, hwnd, GroupsProc, 0);
      return 0;
    };
    inside = nullptr;
    // One desk at a time: the one before ends before the next one starts.
    desk_.reset();
    desk_ = std::make_unique<Desk>(sample::SampleSettings());
    desk_->start();
    desk_->post(sample::MainWindow(), WM_USER, 0, 0);
    dialog_ = desk_->dialog(caption).hwnd();
    return desk_->dialog(caption);
  }

  void runInside(std::function<void(HWND)> code) {
    inside = std::move(code);
    desk_->post(dialog_, WM_USER + 1, 0, 0);
  }

  // The ids of the BN_CLICKED notifications the dialog heard since the trace was cleared.
  std::vector<int> clicked() const {
    std::vector<int> ids;
    for (const TraceEntry& entry : desk_->trace(dialog_, {WM_COMMAND})) {
      if (HIWORD(entry.wParam) == BN_CLICKED) ids.push_back(LOWORD(entry.wParam));
    }
    return ids;
  }

  std::unique_ptr<Desk> desk_;
  HWND dialog_ = nullptr;
};

std::vector<int> CheckedOf(DialogView& view, const std::vector<int>& ids) {
  std::vector<int> checked;
  for (int id : ids) {
    if (view.checked(id)) checked.push_back(id);
  }
  return checked;
}

TEST_F(ArrowKeys, WalkTheGroupOfTheFocusedButtonAndChooseAsAClickDoes) {
  struct Walk {
    const char* what;
    std::function<void(HWND)> before;  // run as the procedure before the walk
    int from;
    std::vector<int> keys;
    std::vector<int> focus;    // the focus after each key
    std::vector<int> clicks;   // the BN_CLICKED the dialog heard, in order
    std::vector<int> group;
    std::vector<int> checked;  // those of the group checked at the end
  };
  const std::vector<int> plain = {kPlain1, kPlain2, kPlain3};
  const std::vector<int> automatic = {kAuto1, kAuto2, kAuto3};
  const std::vector<int> checks = {kCheck1, kCheck2};
  const Walk walks[] = {
      {"plain radio buttons wrap both ways; the procedure checks each one reached", nullptr, kPlain1,
       {kVkDown, kVkDown, kVkDown, kVkUp, kVkLeft, kVkRight},
       {kPlain2, kPlain3, kPlain1, kPlain3, kPlain2, kPlain3},
       {kPlain2, kPlain3, kPlain1, kPlain3, kPlain2, kPlain3}, plain, {kPlain3}},
      {"automatic radio buttons check themselves; the label and the edit among them are passed over", nullptr,
       kAuto1, {kVkDown, kVkDown, kVkDown, kVkUp}, {kAuto2, kAuto3, kAuto1, kAuto3},
       {kAuto2, kAuto3, kAuto1, kAuto3}, automatic, {kAuto3}},
      {"a disabled radio button is passed over",
       [](HWND dialog) { EnableWindow(GetDlgItem(dialog, kAuto2), FALSE); }, kAuto1, {kVkRight, kVkRight},
       {kAuto3, kAuto1}, {kAuto3, kAuto1}, automatic, {kAuto1}},
      {"a hidden radio button is passed over", [](HWND dialog) { ShowWindow(GetDlgItem(dialog, kPlain2), SW_HIDE); },
       kPlain1, {kVkDown, kVkUp}, {kPlain3, kPlain1}, {kPlain3, kPlain1}, plain, {kPlain1}},
      {"a radio button already checked only takes the focus",
       [](HWND dialog) { CheckDlgButton(dialog, kPlain2, BST_CHECKED); }, kPlain1, {kVkDown}, {kPlain2}, {}, plain,
       {kPlain1, kPlain2}},
      {"check boxes take the focus and keep their marks", nullptr, kCheck1, {kVkRight, kVkRight, kVkUp},
       {kCheck2, kCheck1, kCheck2}, {}, checks, {}},
      {"push buttons take the focus and are not pressed", nullptr, IDOK, {kVkDown, kVkUp}, {IDCANCEL, IDOK}, {}, {},
       {}},
      {"the only usable button of a group keeps the focus",
       [](HWND dialog) {
         EnableWindow(GetDlgItem(dialog, kAuto2), FALSE);
         EnableWindow(GetDlgItem(dialog, kAuto3), FALSE);
       },
       kAuto1, {kVkDown, kVkUp}, {kAuto1, kAuto1}, {}, automatic, {kAuto1}},
  };
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.what);
    DialogView view = open("GROUPED", "Grouped");
    if (walk.before) runInside(walk.before);
    view.focus(walk.from);
    desk_->clearTrace();
    std::vector<int> focus;
    for (int key : walk.keys) focus.push_back(view.key(key).focusId());
    EXPECT_EQ(focus, walk.focus);
    EXPECT_EQ(clicked(), walk.clicks);
    EXPECT_EQ(CheckedOf(view, walk.group), walk.checked);
    EXPECT_TRUE(view.isOpen());
  }
}

// In a dialog that marks no group, a radio button's group is the run of
// radio buttons around it, and other buttons stay where they are. A radio
// button that starts over up and to the left of the one before it starts a
// new run, as the AM/PM pair after the screen-saver choices does.
TEST_F(ArrowKeys, WithoutMarkedGroupsTheArrowsKeepToARunOfRadioButtons) {
  struct Case {
    int from;
    int key;
    int focus;
  };
  const Case cases[] = {
      {kRunA2, kVkDown, kRunA1}, {kRunA1, kVkUp, kRunA2},           {kRunB3, kVkDown, kRunB1},
      {kRunB1, kVkUp, kRunB3},   {kRunCheck, kVkDown, kRunCheck}, {IDOK, kVkRight, IDOK},
      {kRunC1, kVkUp, kRunC2},   {kRunC2, kVkDown, kRunC1},
  };
  DialogView view = open("UNMARKED", "Unmarked");
  for (const Case& c : cases) {
    view.focus(c.from).key(c.key);
    EXPECT_EQ(view.focusId(), c.focus) << "from " << c.from << " key " << c.key;
  }
  EXPECT_EQ(CheckedOf(view, {kRunA1, kRunA2, kRunCheck, kRunB1, kRunB2, kRunB3, kRunC1, kRunC2}),
            (std::vector<int>{kRunA2, kRunB3, kRunC1}));
}

// In an edit the arrows move the caret: the dialog moves no focus and hears
// nothing, and the edit gets each key.
TEST_F(ArrowKeys, InAnEditTheArrowsStayTheEdits) {
  DialogView view = open("GROUPED", "Grouped");
  view.focus(kAutoEdit);
  desk_->clearTrace();
  for (int key : {kVkDown, kVkUp, kVkLeft, kVkRight}) view.key(key);
  EXPECT_EQ(view.focusId(), kAutoEdit);
  EXPECT_TRUE(clicked().empty());
  std::vector<WPARAM> keys;
  for (const TraceEntry& entry : desk_->trace(view.control(kAutoEdit), {WM_KEYDOWN})) keys.push_back(entry.wParam);
  EXPECT_EQ(keys, (std::vector<WPARAM>{kVkDown, kVkUp, kVkLeft, kVkRight}));
  EXPECT_EQ(CheckedOf(view, {kAuto1, kAuto2, kAuto3}), (std::vector<int>{kAuto1}));
}

}  // namespace
