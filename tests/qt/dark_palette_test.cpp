// The dialogs' controls under light and dark colour schemes: an unchecked
// check box or radio button and an edit's frame stand out from the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/qt/desktop_style.h"
#include "qt_fixture.h"

namespace qt_test {
namespace {

QPalette DarkPalette() {
  QPalette dark;
  const QColor window(0x31, 0x36, 0x3b);
  const QColor base(0x23, 0x26, 0x29);
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::Button, window);
  dark.setColor(QPalette::Base, base);
  dark.setColor(QPalette::AlternateBase, window);
  for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(text, QColor(0xfc, 0xfc, 0xfc));
  }
  dark.setColor(QPalette::Light, window.lighter(130));
  dark.setColor(QPalette::Midlight, window.lighter(115));
  dark.setColor(QPalette::Mid, window.darker(110));
  dark.setColor(QPalette::Dark, window.darker(130));
  dark.setColor(QPalette::Shadow, Qt::black);
  return dark;
}

// How far the most different pixel of the area lies from the background, in
// the largest of the three colour channels.
int Contrast(const QImage& image, QRect area, QColor background) {
  int most = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      most = std::max({most, std::abs(c.red() - background.red()), std::abs(c.green() - background.green()),
                       std::abs(c.blue() - background.blue())});
    }
  }
  return most;
}

class DarkPaletteTest : public QtDesk {};

TEST_F(DarkPaletteTest, UncheckedButtonsAndEditFramesStayVisible) {
  // A person tells an outline from its background at about this difference.
  constexpr int kVisible = 60;
  platform::qt::DesktopStyle style;
  struct Scheme {
    const char* name;
    QPalette palette;
  };
  const Scheme schemes[] = {{"light", style.standardPalette()}, {"dark", DarkPalette()}};
  for (const Scheme& scheme : schemes) {
    SCOPED_TRACE(scheme.name);
    QWidget dialog;
    dialog.setStyle(&style);
    dialog.setPalette(scheme.palette);
    auto* layout = new QVBoxLayout(&dialog);
    auto* check = new QCheckBox(QStringLiteral("Display Seconds"));
    auto* radio = new QRadioButton(QStringLiteral("Number"));
    auto* edit = new QLineEdit;
    for (QWidget* control : std::initializer_list<QWidget*>{check, radio, edit}) {
      control->setStyle(&style);
      layout->addWidget(control);
    }
    dialog.resize(200, 100);
    dialog.show();
    Settle();
    const QImage shot = dialog.grab().toImage();
    if (const char* dir = std::getenv("HORATICK_SCREENSHOT_DIR"); dir != nullptr && dir[0] != '\0') {
      shot.save(QString::fromUtf8(dir) + "/controls-" + scheme.name + ".png");
    }
    const QColor background = scheme.palette.color(QPalette::Window);
    QStyleOptionButton option;
    option.initFrom(check);
    const QRect checkMark =
        style.subElementRect(QStyle::SE_CheckBoxIndicator, &option, check).translated(check->pos());
    option.initFrom(radio);
    const QRect radioMark =
        style.subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).translated(radio->pos());
    EXPECT_GE(Contrast(shot, checkMark, background), kVisible) << "check box";
    EXPECT_GE(Contrast(shot, radioMark, background), kVisible) << "radio button";
    // The frame is the outermost ring of the edit.
    const QRect frame = edit->geometry();
    EXPECT_GE(Contrast(shot, QRect(frame.left(), frame.center().y(), 2, 1), background), kVisible) << "edit";
  }
}

}  // namespace
}  // namespace qt_test
