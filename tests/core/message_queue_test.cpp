// Sending, posting and quitting, and calls with handles that name no window.
#include <gtest/gtest.h>

#include "core/sample_program.h"

namespace {

TEST(MessageQueue, SendCallsAtOncePostWaitsItsTurnInOrder) {
  std::vector<std::pair<UINT, LRESULT>> log;
  sample::TheScript() = sample::Script{};
  sample::TheScript().onStart = [&log](HWND hwnd) {
    PostMessage(hwnd, WM_USER + 1, 0, 0);
    const LRESULT sent = SendMessage(hwnd, WM_USER + 2, 0, 0);
    log.push_back({0, sent});
    PostMessage(hwnd, WM_USER + 3, 0, 0);
  };
  sample::TheScript().onMessage = [&log](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message <= WM_USER) return std::nullopt;
    log.push_back({message, 0});
    return 40 + static_cast<LRESULT>(message - WM_USER);
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  const std::vector<std::pair<UINT, LRESULT>> expected = {
      {WM_USER + 2, 0}, {0, 42}, {WM_USER + 1, 0}, {WM_USER + 3, 0}};
  EXPECT_EQ(log, expected);
}

TEST(MessageQueue, TheQuitMessageEndsTheLoopWithItsCode) {
  sample::TheScript() = sample::Script{};
  sample::TheScript().onMessage = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) PostQuitMessage(31);
    return std::nullopt;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.post(sample::MainWindow(), WM_USER, 0, 0);
  EXPECT_FALSE(desk.running());
  EXPECT_EQ(desk.exitCode(), 31);
}

TEST(MessageQueue, AQuitInsideNestedModalLoopsEndsEveryLoop) {
  std::vector<INT_PTR> results;
  sample::TheScript() = sample::Script{};
  sample::TheScript().onMessage = [&results](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) {
      SetTimer(hwnd, 1, 1000, nullptr);
      results.push_back(DialogBoxParam(sample::Instance(), "SampleDialog", hwnd, sample::SampleDialogProc, 0));
    }
    if (message == WM_TIMER) PostQuitMessage(5);
    return std::nullopt;
  };
  sample::TheScript().onDialog = [&results](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == sample::kNested) {
      results.push_back(MessageBox(dialog, "Go on?", "Question", MB_YESNO));
      return TRUE;
    }
    return FALSE;
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.post(sample::MainWindow(), WM_USER, 0, 0);
  desk.dialog("Sample").click(sample::kNested);
  ASSERT_TRUE(desk.hasMessageBox());
  desk.advance(1000);
  EXPECT_FALSE(desk.running());
  EXPECT_EQ(desk.exitCode(), 5);
  // The message box and the dialog each ended without an answer.
  EXPECT_EQ(results, (std::vector<INT_PTR>{0, 0}));
}

TEST(MessageQueue, APostedQuitMessageEndsTheLoopToo) {
  sample::TheScript() = sample::Script{};
  Desk desk{sample::SampleSettings()};
  desk.start();
  desk.post(nullptr, WM_QUIT, 9, 0);
  EXPECT_FALSE(desk.running());
  EXPECT_EQ(desk.exitCode(), 9);
}

// Every call that takes a window fails in its documented way for a handle
// that names no window: none, -1 (the "no dialog" value), a destroyed one.
TEST(MessageQueue, HandlesThatNameNoWindowFailWithoutHarm) {
  sample::TheScript() = sample::Script{};
  HWND destroyed = nullptr;
  std::vector<std::string> failures;
  sample::TheScript().onStart = [&](HWND owner) {
    destroyed = CreateWindow("Sample", "gone", WS_POPUP, 0, 0, 10, 10, owner, nullptr, sample::Instance(), nullptr);
    DestroyWindow(destroyed);
    for (HWND bad : {HWND(nullptr), reinterpret_cast<HWND>(-1), destroyed, reinterpret_cast<HWND>(0x10002)}) {
      char buffer[8] = "xxxxxxx";
      RECT rect{};
      MSG message{};
      auto expect = [&](bool ok, const char* call) {
        if (!ok) failures.push_back(std::string(call) + " with " + std::to_string(reinterpret_cast<std::uintptr_t>(bad)));
      };
      expect(SendMessage(bad, WM_USER, 0, 0) == 0, "SendMessage");
      if (bad != nullptr) expect(PostMessage(bad, WM_USER, 0, 0) == FALSE, "PostMessage");
      expect(IsWindow(bad) == FALSE, "IsWindow");
      expect(DestroyWindow(bad) == FALSE, "DestroyWindow");
      expect(ShowWindow(bad, SW_SHOW) == FALSE, "ShowWindow");
      expect(MoveWindow(bad, 1, 2, 3, 4, TRUE) == FALSE, "MoveWindow");
      expect(SetWindowPos(bad, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE) == FALSE, "SetWindowPos");
      expect(GetWindowRect(bad, &rect) == FALSE, "GetWindowRect");
      expect(SetWindowText(bad, "x") == FALSE, "SetWindowText");
      expect(GetWindowText(bad, buffer, sizeof buffer) == 0 && buffer[0] == '\0', "GetWindowText");
      expect(GetWindowLong(bad, GWL_STYLE) == 0, "GetWindowLong");
      expect(EnableWindow(bad, FALSE) == FALSE, "EnableWindow");
      expect(SetTimer(bad, 1, 100, nullptr) == 0 || bad == nullptr, "SetTimer");
      expect(KillTimer(bad, 1) == FALSE, "KillTimer");
      expect(GetDlgItem(bad, 1) == nullptr, "GetDlgItem");
      expect(SetDlgItemText(bad, 1, "x") == FALSE, "SetDlgItemText");
      expect(GetDlgItemText(bad, 1, buffer, sizeof buffer) == 0 && buffer[0] == '\0', "GetDlgItemText");
      expect(IsDlgButtonChecked(bad, 1) == 0, "IsDlgButtonChecked");
      expect(CheckDlgButton(bad, 1, BST_CHECKED) == FALSE, "CheckDlgButton");
      expect(EndDialog(bad, 1) == FALSE, "EndDialog");
      expect(GetSystemMenu(bad, FALSE) == nullptr, "GetSystemMenu");
      expect(DefWindowProc(bad, WM_CLOSE, 0, 0) == 0, "DefWindowProc");
      if (bad != nullptr) {
        expect(DialogBoxParam(sample::Instance(), "SampleDialog", bad, sample::SampleDialogProc, 0) == -1, "DialogBoxParam");
        expect(MessageBox(bad, "text", "caption", MB_OK) == 0, "MessageBox");
        expect(GetMessage(&message, bad, 0, 0) == -1, "GetMessage");
      }
    }
  };
  Desk desk{sample::SampleSettings()};
  desk.start();
  EXPECT_TRUE(failures.empty()) << failures.front();
  EXPECT_TRUE(desk.running());
}

}  // namespace
