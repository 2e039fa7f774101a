// Message boxes: the buttons of each MB_ style, the answers, Escape, Enter,
// the owner, and the record the harness keeps.
#include <gtest/gtest.h>

#include "core/sample_program.h"

namespace {

// The program shows a message box of the style in WPARAM on WM_USER and
// writes down the answer.
class MessageBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    sample::TheScript() = sample::Script{};
    sample::TheScript().onMessage = [this](HWND hwnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_USER) return std::nullopt;
      answers_.push_back(MessageBoxEx(hwnd, "Text of the box", "Caption", static_cast<UINT>(wParam), 0));
      return 0;
    };
  }

  std::vector<int> answers_;
};

std::vector<int> ButtonIds(Desk& desk) {
  std::vector<int> ids;
  const auto box = desk.window(desk.messageBox().hwnd());
  for (HWND child : box.children) {
    const auto control = desk.window(child);
    if (control.kind == platform::WindowKind::Button) ids.push_back(control.id);
  }
  return ids;
}

TEST_F(MessageBoxes, EachStyleHasItsButtonsAndAnswersWithTheOnePressed) {
  struct Case {
    UINT style;
    std::vector<int> buttons;
  };
  const std::vector<Case> cases = {
      {MB_OK, {IDOK}},
      {MB_OKCANCEL, {IDOK, IDCANCEL}},
      {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
      {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
      {MB_YESNO, {IDYES, IDNO}},
      {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}},
  };
  for (const Case& c : cases) {
    for (int press : c.buttons) {
      answers_.clear();
      Desk desk{sample::SampleSettings()};
      desk.start();
      desk.post(sample::MainWindow(), WM_USER, c.style | MB_ICONEXCLAMATION, 0);
      ASSERT_TRUE(desk.hasMessageBox());
      EXPECT_EQ(ButtonIds(desk), c.buttons) << "style " << c.style;
      MessageBoxView box = desk.messageBox();
      EXPECT_EQ(box.text(), "Text of the box");
      EXPECT_EQ(box.caption(), "Caption");
      EXPECT_EQ(box.style(), c.style | MB_ICONEXCLAMATION);
      EXPECT_EQ(box.owner(), sample::MainWindow());
      EXPECT_FALSE(desk.window(sample::MainWindow()).enabled);
      box.answer(press);
      EXPECT_EQ(answers_, (std::vector<int>{press})) << "style " << c.style;
      EXPECT_FALSE(desk.hasMessageBox());
      EXPECT_TRUE(desk.window(sample::MainWindow()).enabled);
      ASSERT_EQ(desk.messageBoxes().size(), 1u);
      EXPECT_EQ(desk.messageBoxes()[0].result, press);
      EXPECT_FALSE(desk.messageBoxes()[0].open);
    }
  }
}

TEST_F(MessageBoxes, EscapeAndEnterFollowTheButtons) {
  struct Case {
    UINT style;
    int key;
    std::vector<int> answers;  // empty: the box is still open
  };
  const std::vector<Case> cases = {
      {MB_OK, VK_ESCAPE, {IDOK}},
      {MB_OKCANCEL, VK_ESCAPE, {IDCANCEL}},
      {MB_YESNO, VK_ESCAPE, {}},  // a Yes/No box must be answered
      {MB_YESNOCANCEL, VK_ESCAPE, {IDCANCEL}},
      {MB_YESNO, VK_RETURN, {IDYES}},
      {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, {IDNO}},
      {MB_OKCANCEL | MB_DEFBUTTON2, VK_RETURN, {IDCANCEL}},
  };
  for (const Case& c : cases) {
    answers_.clear();
    Desk desk{sample::SampleSettings()};
    desk.start();
    desk.post(sample::MainWindow(), WM_USER, c.style, 0);
    desk.topDialog().key(c.key);
    EXPECT_EQ(answers_, c.answers) << "style " << c.style << " key " << c.key;
    EXPECT_EQ(desk.hasMessageBox(), c.answers.empty());
  }
}

TEST_F(MessageBoxes, ABoxWithoutOwnerLeavesEveryWindowEnabled) {
  sample::TheScript().onMessage = [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) answers_.push_back(MessageBox(nullptr, "Already running.", "Sample", MB_SYSTEMMODAL | MB_ICONHAND));
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.post(sample::MainWindow(), WM_USER, 0, 0);
  EXPECT_EQ(desk.messageBox().owner(), nullptr);
  EXPECT_TRUE(desk.window(sample::MainWindow()).enabled);
  EXPECT_TRUE(desk.window(desk.messageBox().hwnd()).topmost);
  desk.messageBox().ok();
  EXPECT_EQ(answers_, (std::vector<int>{IDOK}));
}

}  // namespace
