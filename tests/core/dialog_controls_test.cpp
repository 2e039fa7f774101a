// Controls as the user and the dialog procedure meet them: check boxes,
// radio groups, edits and the cut of texts read back.
#include <gtest/gtest.h>

#include <cstring>

#include "core/sample_program.h"

namespace {

struct Notice {
  int id;
  WORD code;
  bool operator==(const Notice&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Notice& notice) {
  return out << "{" << notice.id << ", 0x" << std::hex << notice.code << std::dec << "}";
}

// The sample dialog, open, with every WM_COMMAND written down; on WM_USER + 1
// the dialog procedure runs `inside`.
class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    sample::TheScript() = sample::Script{};
    sample::TheScript().onMessage = [](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_USER) DialogBoxParam(sample::Instance(), "SampleDialog", hwnd, sample::SampleDialogProc, 0);
      return std::nullopt;
    };
    sample::TheScript().onDialog = [this](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
      if (message == WM_INITDIALOG) {
        dialog_ = dialog;
        if (onInit_) onInit_(dialog);
        return TRUE;
      }
      if (message == WM_COMMAND) notices_.push_back(Notice{LOWORD(wParam), HIWORD(wParam)});
      if (message == WM_USER + 1 && inside_) inside_(dialog);
      return FALSE;
    };
    desk_.start();
    desk_.post(sample::MainWindow(), WM_USER, 0, 0);
  }

  // Runs code as the dialog procedure, on the program's own thread.
  void runInside(std::function<void(HWND)> code) {
    inside_ = std::move(code);
    desk_.post(dialog_, WM_USER + 1, 0, 0);
  }

  DialogView view() { return desk_.dialog("Sample"); }

  Desk desk_{sample::SampleSettings()};
  HWND dialog_ = nullptr;
  std::function<void(HWND)> onInit_;
  std::function<void(HWND)> inside_;
  std::vector<Notice> notices_;
};

TEST_F(Controls, AnAutomaticCheckBoxTogglesAndNotifies) {
  view().click(sample::kCheck);
  EXPECT_TRUE(view().checked(sample::kCheck));
  view().click(sample::kCheck);
  EXPECT_FALSE(view().checked(sample::kCheck));
  EXPECT_EQ(notices_, (std::vector<Notice>{{sample::kCheck, BN_CLICKED}, {sample::kCheck, BN_CLICKED}}));
  EXPECT_EQ(view().focusId(), sample::kCheck);
}

// A group runs from a control marked WS_GROUP to the next one; controls that
// are not radio buttons inside it (an edit here) do not split it.
TEST_F(Controls, AnAutomaticRadioButtonClearsTheRestOfItsGroupOnly) {
  struct Case {
    int click;
    std::vector<int> checked;
  };
  const std::vector<Case> cases = {
      {sample::kAutoRadio1, {sample::kAutoRadio1, sample::kAutoRadio4}},
      {sample::kAutoRadio3, {sample::kAutoRadio3, sample::kAutoRadio4}},
      {sample::kAutoRadio2, {sample::kAutoRadio2, sample::kAutoRadio4}},
  };
  runInside([](HWND dialog) { CheckDlgButton(dialog, sample::kAutoRadio4, BST_CHECKED); });
  for (const Case& c : cases) {
    view().click(c.click);
    std::vector<int> checked;
    for (int id : {sample::kAutoRadio1, sample::kAutoRadio2, sample::kAutoRadio3, sample::kAutoRadio4}) {
      if (view().checked(id)) checked.push_back(id);
    }
    EXPECT_EQ(checked, c.checked) << "after a click on " << c.click;
  }
}

TEST_F(Controls, APlainRadioButtonLeavesItsStateToTheDialog) {
  view().click(sample::kPlainRadio1);
  EXPECT_FALSE(view().checked(sample::kPlainRadio1));
  EXPECT_EQ(notices_, (std::vector<Notice>{{sample::kPlainRadio1, BN_CLICKED}}));
  runInside([](HWND dialog) { CheckRadioButton(dialog, sample::kPlainRadio1, sample::kPlainRadio2, sample::kPlainRadio2); });
  EXPECT_FALSE(view().checked(sample::kPlainRadio1));
  EXPECT_TRUE(view().checked(sample::kPlainRadio2));
}

TEST_F(Controls, ADisabledControlCannotBeClicked) {
  EXPECT_FALSE(view().enabled(sample::kDisabledButton));
  EXPECT_THROW(view().click(sample::kDisabledButton), DeskError);
  EXPECT_TRUE(notices_.empty());
}

TEST_F(Controls, TypingReplacesTheSelectionRespectsTheLimitAndNotifiesEachChange) {
  runInside([](HWND dialog) { SendDlgItemMessage(dialog, sample::kEdit, EM_LIMITTEXT, 4, 0); });
  notices_.clear();
  view().type(sample::kEdit, "7:05x");
  EXPECT_EQ(view().text(sample::kEdit), "7:05");
  EXPECT_EQ(std::count(notices_.begin(), notices_.end(), Notice{sample::kEdit, EN_CHANGE}), 4);
  EXPECT_EQ(view().selection(sample::kEdit), (std::pair<DWORD, DWORD>{4, 4}));
  view().typeMore(sample::kEdit, "\b\b15");
  EXPECT_EQ(view().text(sample::kEdit), "7:15");
}

TEST_F(Controls, SelectionCallsFollowWin32) {
  struct Case {
    WPARAM start;
    LPARAM end;
    DWORD wantStart;
    DWORD wantEnd;
  };
  // The edit holds "start" (5 bytes).
  const std::vector<Case> cases = {
      {0, -1, 0, 5}, {1, 3, 1, 3}, {4, 2, 2, 4}, {2, 99, 2, 5}, {static_cast<WPARAM>(-1), 0, 5, 5},
  };
  for (const Case& c : cases) {
    DWORD start = 77;
    DWORD end = 77;
    LRESULT packed = 0;
    runInside([&](HWND dialog) {
      SendDlgItemMessage(dialog, sample::kEdit, EM_SETSEL, c.start, c.end);
      packed = SendDlgItemMessage(dialog, sample::kEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                  reinterpret_cast<LPARAM>(&end));
    });
    EXPECT_EQ(start, c.wantStart) << c.start << ".." << c.end;
    EXPECT_EQ(end, c.wantEnd) << c.start << ".." << c.end;
    EXPECT_EQ(packed, MAKELONG(static_cast<WORD>(c.wantStart), static_cast<WORD>(c.wantEnd)));
  }
}

// Reading a text into a buffer cuts it at size - 1 on a character boundary
// and always ends it with a zero.
TEST_F(Controls, TextsReadIntoABufferAreCutWholeAndEndInAZero) {
  struct Case {
    const char* text;
    int size;
    const char* want;
  };
  const std::vector<Case> cases = {
      {"7:05", 10, "7:05"},
      {"7:05", 4, "7:0"},
      {"7:05", 1, ""},
      {"h\xC3\xA9llo", 3, "h"},          // é would be split: it stays out
      {"h\xC3\xA9llo", 4, "h\xC3\xA9"},
      {"\xE2\x82\xAC" "5", 3, ""},        // € takes three bytes
  };
  for (const Case& c : cases) {
    char buffer[16];
    std::memset(buffer, 'z', sizeof buffer);
    UINT length = 0;
    runInside([&](HWND dialog) {
      SetDlgItemText(dialog, sample::kEdit, c.text);
      length = GetDlgItemText(dialog, sample::kEdit, buffer, c.size);
    });
    EXPECT_STREQ(buffer, c.want) << c.text << " in " << c.size;
    EXPECT_EQ(length, std::strlen(c.want));
  }
}

TEST_F(Controls, SettingAnEditsTextNotifiesAndPutsTheCaretAtTheStart) {
  notices_.clear();
  runInside([](HWND dialog) { SetDlgItemText(dialog, sample::kEdit, "12-8-92"); });
  EXPECT_EQ(notices_, (std::vector<Notice>{{sample::kEdit, EN_CHANGE}}));
  EXPECT_EQ(view().selection(sample::kEdit), (std::pair<DWORD, DWORD>{0, 0}));
}

TEST_F(Controls, TabMovesTheFocusAlongTheTabStopsAndSelectsAnEditsText) {
  std::vector<int> focus;
  for (int i = 0; i < 6; ++i) {
    view().key(VK_TAB);
    focus.push_back(view().focusId());
  }
  // The disabled button and the controls without WS_TABSTOP are passed over.
  EXPECT_EQ(focus, (std::vector<int>{sample::kCheck, sample::kAutoRadio1, sample::kPlainRadio1, IDOK, IDCANCEL,
                                     sample::kNested}));
  view().key(VK_TAB);
  EXPECT_EQ(view().focusId(), sample::kEdit);
  EXPECT_EQ(view().selection(sample::kEdit), (std::pair<DWORD, DWORD>{0, 5}));
}

}  // namespace
