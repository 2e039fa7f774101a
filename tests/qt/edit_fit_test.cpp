// The date edits of the alarm dialogs are 32 dialog units wide, and the
// dialogs write dates of up to nine characters into them: the whole date must
// be in view, at the template's size, on a screen of scale 1 and of scale 2.
// With HORATICK_SCREENSHOT_DIR set, the edits' pictures are kept there.
#include <QImage>
#include <QLineEdit>
#include <cstdlib>
#include <cstring>

#include "qt_fixture.h"
#include "resources/control_ids.h"
#include "resources/resources.h"

namespace qt_test {
namespace {

constexpr char kLongestDate[] = "11-27-126";

INT_PTR CALLBACK QuietDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
  return message == WM_COMMAND ? TRUE : FALSE;
}

HWND OpenDialog() {
  for (HWND hwnd : platform::TopLevelWindows()) {
    if (platform::DescribeWindow(hwnd).kind == platform::WindowKind::Dialog) return hwnd;
  }
  return nullptr;
}

class DateEditInView : public QtDesk, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    setenv("QT_SCALE_FACTOR", GetParam(), 1);
    QtDesk::SetUp();
  }
  void TearDown() override {
    QtDesk::TearDown();
    unsetenv("QT_SCALE_FACTOR");
  }
};

// The caret at the end of the text, and the first character still at the
// left edge: the editor did not have to scroll to show the end.
TEST_P(DateEditInView, TheLongestWrittenDateShowsWholeAtTheTemplatesSize) {
  const int baseX = Driver().Metrics().dialogBaseX;
  for (const char* name : {"SETALARM", "DATEOPTIONS"}) {
    SCOPED_TRACE(name);
    When([&] { return OpenDialog() != nullptr && WidgetOf(OpenDialog()) != nullptr && WidgetOf(OpenDialog())->isVisible(); },
         [&] {
           const HWND dialog = OpenDialog();
           SetDlgItemText(dialog, IDC_ALARM_DATE, kLongestDate);
           Settle();
           auto* edit = qobject_cast<QLineEdit*>(WidgetOf(GetDlgItem(dialog, IDC_ALARM_DATE)));
           EXPECT_NE(edit, nullptr);
           if (edit == nullptr) return platform::PostToCore(dialog, WM_COMMAND, IDCANCEL, 0);
           EXPECT_EQ(edit->width(), 32 * baseX / 4);
           EXPECT_EQ(edit->text(), QString::fromLatin1(kLongestDate));
           edit->setCursorPosition(static_cast<int>(std::strlen(kLongestDate)));
           Settle();
           const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
           EXPECT_LE(caret.right(), edit->width()) << "the caret is past the edit";
           EXPECT_EQ(edit->cursorPositionAt(QPoint(3, edit->height() / 2)), 0) << "the start scrolled out of view";
           if (const char* dir = std::getenv("HORATICK_SCREENSHOT_DIR"); dir != nullptr && dir[0] != '\0') {
             edit->grab().toImage().save(QString::fromUtf8(dir) + "/date-edit-" + name + "-scale-" + GetParam() +
                                         ".png");
           }
           platform::PostToCore(dialog, WM_COMMAND, IDCANCEL, 0);
         });
    DialogBoxParam(Instance(), name, nullptr, QuietDialogProc, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, DateEditInView, ::testing::Values("1", "2"));

}  // namespace
}  // namespace qt_test
