// The caption bar as drawn: the face text, the boxes the style asks for, the
// parts the mouse can hit.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/qt/caption_layout.h"
#include "platform/qt/caption_painter.h"
#include "qt_fixture.h"

namespace qt_test {
namespace {

constexpr QSize kBar(240, 20);

class CaptionPainterTest : public QtDesk {
 protected:
  QImage Draw(DWORD style, const char* title, bool active = true) {
    QImage image(kBar, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    const auto layout = platform::qt::LayOutCaption(kBar, style);
    const QFont& font = Driver().Fonts().caption;
    platform::qt::PaintCaption(painter, layout, platform::qt::PrepareTitle(QString::fromUtf8(title), font), font,
                               platform::qt::CaptionColoursFor(QApplication::palette(), active));
    return image;
  }

  // Whether any pixel inside rect differs between the two images.
  static bool Differs(const QImage& a, const QImage& b, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        if (a.pixel(x, y) != b.pixel(x, y)) return true;
      }
    }
    return false;
  }
};

TEST_F(CaptionPainterTest, OnlyTheTitleChangesWithTheFace) {
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  const QImage before = Draw(style, " 3:05 PM  Mon 12/07/92 ");
  const QImage after = Draw(style, " 3:06 PM  Mon 12/07/92 ");
  const auto layout = platform::qt::LayOutCaption(kBar, style);
  EXPECT_TRUE(Differs(before, after, layout.title));
  EXPECT_FALSE(Differs(before, after, layout.systemBox));
  EXPECT_FALSE(Differs(before, after, layout.minimizeBox));
  EXPECT_EQ(before, Draw(style, " 3:05 PM  Mon 12/07/92 "));
}

TEST_F(CaptionPainterTest, BoxesAppearWithTheirStyleBits) {
  const QImage plain = Draw(WS_CAPTION, "12:00");
  const QImage system = Draw(WS_CAPTION | WS_SYSMENU, "12:00");
  const QImage minimize = Draw(WS_CAPTION | WS_MINIMIZEBOX, "12:00");
  const QRect left(1, 1, kBar.height() - 2, kBar.height() - 2);
  const QRect right(kBar.width() - kBar.height() + 1, 1, kBar.height() - 2, kBar.height() - 2);
  EXPECT_TRUE(Differs(plain, system, left));
  EXPECT_FALSE(Differs(plain, system, right));
  EXPECT_TRUE(Differs(plain, minimize, right));
  EXPECT_FALSE(Differs(plain, minimize, left));
}

TEST_F(CaptionPainterTest, ActiveAndInactiveCaptionsLookDifferent) {
  const DWORD style = WS_CAPTION | WS_SYSMENU;
  const QImage active = Draw(style, "12:00", true);
  const QImage inactive = Draw(style, "12:00", false);
  const auto layout = platform::qt::LayOutCaption(kBar, style);
  EXPECT_NE(active.pixel(layout.title.center()), inactive.pixel(layout.title.center()));
}

TEST(CaptionLayoutTest, HitTestsFindTheBoxesOnlyWhereTheStyleHasThem) {
  struct Case {
    DWORD style;
    QPoint point;
    WPARAM hit;
  };
  const QSize size(200, 20);
  const Case cases[] = {
      {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {5, 10}, HTSYSMENU},
      {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {100, 10}, HTCAPTION},
      {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {195, 10}, HTMINBUTTON},
      {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {0, 0}, HTCAPTION},  // the border
      {WS_CAPTION, {5, 10}, HTCAPTION},
      {WS_CAPTION, {195, 10}, HTCAPTION},
      {WS_CAPTION | WS_MINIMIZEBOX, {5, 10}, HTCAPTION},
      {WS_CAPTION | WS_MINIMIZEBOX, {195, 10}, HTMINBUTTON},
      // WS_MINIMIZEBOX is WS_GROUP's bit: without a caption it is no box.
      {WS_POPUP | WS_BORDER | WS_MINIMIZEBOX, {195, 10}, HTCAPTION},
  };
  for (const Case& c : cases) {
    const auto layout = platform::qt::LayOutCaption(size, c.style);
    EXPECT_EQ(platform::qt::CaptionHitTest(layout, c.point), c.hit)
        << "style " << std::hex << c.style << std::dec << " at " << c.point.x() << "," << c.point.y();
  }
}

}  // namespace
}  // namespace qt_test
