#include "platform/qt/desktop_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <cmath>

namespace platform::qt {

namespace {

constexpr char kFamily[] = "DejaVu Sans";
constexpr char kFontFolder[] = "/usr/share/fonts/truetype/dejavu/";
// The sizes of the classic desktop's dialog and caption fonts.
constexpr int kDialogPixels = 11;
constexpr int kCaptionPixels = 12;
// A caption is its font's height with room above and below.
constexpr int kCaptionPadding = 6;
// A face the clock shows often; the caption font's average width is taken
// from it, because the window is sized in average widths of its face.
constexpr char kSampleFace[] = "12:59:59 PM  Wed 12/31/92";

// Fontconfig normally knows the family; registering the files as well keeps
// the layout when it does not (a bare container).
void RegisterDejaVu() {
  static const bool registered = [] {
    if (!QFontDatabase::families().contains(kFamily)) {
      QFontDatabase::addApplicationFont(QString(kFontFolder) + "DejaVuSans.ttf");
      QFontDatabase::addApplicationFont(QString(kFontFolder) + "DejaVuSans-Bold.ttf");
    }
    return true;
  }();
  (void)registered;
}

QFont MakeFont(int pixels, bool bold) {
  QFont font(kFamily);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace

DesktopFonts LoadDesktopFonts() {
  RegisterDejaVu();
  return DesktopFonts{MakeFont(kCaptionPixels, true), MakeFont(kDialogPixels, false)};
}

void MeasureFonts(const DesktopFonts& fonts, DisplayMetrics& metrics) {
  const QFontMetrics caption(fonts.caption);
  const QString sample = QString::fromLatin1(kSampleFace);
  metrics.fontAverageWidth = static_cast<int>(
      std::ceil(static_cast<double>(caption.horizontalAdvance(sample)) / static_cast<double>(sample.size())));
  metrics.fontHeight = caption.height();
  metrics.fontAscent = caption.ascent();
  metrics.fontMaxWidth = caption.maxWidth();
  metrics.captionHeight = caption.height() + kCaptionPadding;

  // The dialog base units as the dialog manager defines them: the average
  // width of the 52 letters, rounded, and the font's height.
  const QFontMetrics dialog(fonts.dialog);
  const int letters = dialog.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  metrics.dialogBaseX = (letters / 26 + 1) / 2;
  metrics.dialogBaseY = dialog.height();
}

void MeasureScreens(DisplayMetrics& metrics) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect desktop = screen->virtualGeometry();
  metrics.screenWidth = desktop.x() + desktop.width();
  metrics.screenHeight = desktop.y() + desktop.height();
}

}  // namespace platform::qt
