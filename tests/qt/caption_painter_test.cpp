// The caption bar as drawn: the face text, the boxes the style asks for, the
// parts the mouse can hit.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <cmath>
#include <cstdlib>

#include "platform/qt/caption_layout.h"
#include "platform/qt/caption_painter.h"
#include "platform/qt/caption_title.h"
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
    platform::qt::PaintCaption(painter, layout, platform::qt::CaptionTitle(QString::fromUtf8(title), font, QRawFont::fromFont(font)), font,
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

  // Repainting just the title over the old caption gives the new one whole.
  QImage updated = before;
  QPainter painter(&updated);
  const QFont& font = Driver().Fonts().caption;
  const QString face = QString::fromUtf8(" 3:06 PM  Mon 12/07/92 ");
  painter.setClipRect(layout.title);
  platform::qt::PaintCaption(painter, layout, platform::qt::CaptionTitle(face, font, QRawFont::fromFont(font)), font,
                             platform::qt::CaptionColoursFor(QApplication::palette(), true), layout.title);
  painter.end();
  EXPECT_EQ(updated, after);
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

// On a screen of any pixel ratio the caption covers every pixel of its
// window: none is left as it was before the paint (a stray last row or
// column shows whatever was there before).
TEST_F(CaptionPainterTest, EveryDevicePixelIsPainted) {
  struct Case {
    QSize size;
    qreal ratio;
  };
  for (const Case& c : {Case{kBar, 1.0}, Case{kBar, 2.0}, Case{QSize(241, 21), 1.5}, Case{QSize(241, 21), 2.0}}) {
    SCOPED_TRACE(c.ratio);
    const QSize pixels(static_cast<int>(std::ceil(c.size.width() * c.ratio)),
                       static_cast<int>(std::ceil(c.size.height() * c.ratio)));
    QImage image(pixels, QImage::Format_ARGB32);
    image.setDevicePixelRatio(c.ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    const QFont& font = Driver().Fonts().caption;
    platform::qt::PaintCaption(painter, platform::qt::LayOutCaption(c.size, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
                               platform::qt::CaptionTitle(QStringLiteral(" 3:05 PM "), font, QRawFont::fromFont(font)),
                               font, platform::qt::CaptionColoursFor(QApplication::palette(), false));
    painter.end();
    int stray = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) stray += image.pixel(x, y) == QColor(Qt::magenta).rgb() ? 1 : 0;
    }
    EXPECT_EQ(stray, 0);
    if (c.ratio == 2.0 && c.size == kBar) {
      if (const char* dir = std::getenv("HORATICK_SCREENSHOT_DIR"); dir != nullptr && dir[0] != '\0') {
        image.save(QString::fromUtf8(dir) + "/caption-at-2x.png");
      }
    }
  }
}

// Where the text left ink on a plain background: the box around every pixel
// that is not the background.
QRect InkBox(const QImage& image) {
  const QRgb background = image.pixel(0, 0);
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

QImage DrawTitle(const platform::qt::CaptionTitle& title, const QFont& font) {
  QImage image(QSize(300, 30), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  title.Draw(painter, QPointF(10, 5));
  return image;
}

// A face set from the font's glyph table stands where the full text layout
// would put it: same size, same ink within a pixel.
TEST_F(CaptionPainterTest, GlyphTableFacesMatchTheFullLayout) {
  const QFont& font = Driver().Fonts().caption;
  const QRawFont glyphs = QRawFont::fromFont(font);
  for (const char* face : {" 3:05 PM  Mon 12/07/92 ", "12:00", " 23:59:59  Tue 08.12.2026 ", "AVAWAT.,;|"}) {
    SCOPED_TRACE(face);
    const platform::qt::CaptionTitle fast(QString::fromUtf8(face), font, glyphs);
    const platform::qt::CaptionTitle shaped(QString::fromUtf8(face), font, QRawFont());
    ASSERT_FALSE(fast.Shaped());
    ASSERT_TRUE(shaped.Shaped());
    EXPECT_NEAR(fast.Size().width(), shaped.Size().width(), 1.0);
    EXPECT_NEAR(fast.Size().height(), shaped.Size().height(), 1.0);
    const QRect a = InkBox(DrawTitle(fast, font));
    const QRect b = InkBox(DrawTitle(shaped, font));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_LE(std::abs(a.left() - b.left()), 1);
    EXPECT_LE(std::abs(a.right() - b.right()), 1);
    EXPECT_LE(std::abs(a.top() - b.top()), 1);
    EXPECT_LE(std::abs(a.bottom() - b.bottom()), 1);
  }
}

// Text the glyph table cannot set alone still shows: other scripts, control
// characters, nothing at all.
TEST_F(CaptionPainterTest, OtherTextTakesTheFullLayout) {
  const QFont& font = Driver().Fonts().caption;
  const QRawFont glyphs = QRawFont::fromFont(font);
  for (const char* face : {" 3:05 \xe5\x8d\x88\xe5\xbe\x8c ", " 3:05 p.m. \xc3\xa9t\xc3\xa9 ", "3:05\tPM"}) {
    SCOPED_TRACE(face);
    const platform::qt::CaptionTitle title(QString::fromUtf8(face), font, glyphs);
    EXPECT_TRUE(title.Shaped());
    EXPECT_FALSE(InkBox(DrawTitle(title, font)).isEmpty());
  }
  const platform::qt::CaptionTitle empty(QString(), font, glyphs);
  EXPECT_TRUE(InkBox(DrawTitle(empty, font)).isEmpty());
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
