#include "platform/qt/edit_fit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace platform::qt {

namespace {

// The gap the line editor itself leaves on each side of its text, inside the
// style's contents rectangle.
constexpr int kEditorMargin = 2;
// How much slimmer each inner margin is than the toolkit's.
constexpr int kSlimming = 1;
// The narrower widths tried in turn, in hundredths of the font's own.
constexpr int kNarrower[] = {95, 90, 85, 80, 75};

int RoomForText(const QLineEdit* edit) {
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.rect = edit->rect();
  option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
  const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
  const QMargins margins = edit->textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kEditorMargin;
}

void FitText(QLineEdit* edit) {
  const QFont base = edit->parentWidget() != nullptr ? edit->parentWidget()->font() : edit->font();
  const int room = RoomForText(edit);
  QFont chosen = base;
  for (int stretch : kNarrower) {
    if (QFontMetrics(chosen).horizontalAdvance(edit->text()) <= room) break;
    chosen = base;
    chosen.setStretch(stretch);
  }
  if (edit->font() != chosen) edit->setFont(chosen);
}

// The room changes with the edit's size, which the dialog sets after the text.
class ResizeWatch final : public QObject {
 public:
  explicit ResizeWatch(QLineEdit* edit) : QObject(edit), edit_(edit) { edit->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == edit_ && event->type() == QEvent::Resize) FitText(edit_);
    return false;
  }

 private:
  QLineEdit* edit_;
};

}  // namespace

void KeepEditTextInView(QLineEdit* edit) {
  edit->setTextMargins(-kSlimming, 0, -kSlimming, 0);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { FitText(edit); });
  new ResizeWatch(edit);
  FitText(edit);
}

}  // namespace platform::qt
