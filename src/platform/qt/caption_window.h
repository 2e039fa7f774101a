// A top-level window of the core that is a caption bar alone: the clock.
//
// It is frameless and draws its own caption. The mouse on it becomes the
// non-client button input of the core (with the hit-test code of the part
// under the pointer); a caption drag moves the window while the core tracks
// the move; minimising and restoring by the window manager become the
// SC_MINIMIZE and SC_RESTORE commands; the window manager's close becomes
// SC_CLOSE. A move by the window manager in answer to the window's own
// placement (a panel, a screen edge) is taken quietly; any other move is
// reported to the core as a move by someone else. Activation from the
// keyboard (a window list, Alt+Tab) is reported to the core; activation by a
// press on the window is the press's own business, and activation that
// answers the window's own showing is the window manager's habit, not the
// user's.
#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QPoint>
#include <QRawFont>
#include <QRect>
#include <QTimer>

#include "platform/qt/caption_title.h"
#include "platform/qt/mirror_window.h"

namespace platform::qt {

class CaptionWindow final : public MirrorWindow {
 public:
  CaptionWindow(const WindowSnapshot& window, const QFont& captionFont);

  void Apply(const WindowSnapshot& window, unsigned bits) override;

  // The face the window shows and names itself by.
  QString Title() const { return title_; }
  // The style the core last gave the window, which lays out its caption.
  DWORD Style() const { return style_; }
  // The core began or ended moving this window: a caption drag, or the
  // system menu's Move, which this window runs from the keyboard and the
  // pointer (the arrows move it by a step, the pointer moves it, Enter or a
  // click ends it, Escape puts it back).
  void SetMoving(bool moving);
  // The X server mapped the window: the window manager has taken it on.
  void Mapped();
  // How long after the window placed or showed itself a move or an
  // activation still counts as the window manager's answer to that.
  void SetPlacementAnswerMs(qint64 ms) { placementAnswerMs_ = ms; }
  // An activation waits to be reported until it has settled (the press
  // that caused it may come just after it).
  bool ActivationReportPending() const { return activationReport_.isActive(); }
  // The place of the system-menu box's lower left corner on the screen,
  // where the system menu opens.
  QPoint SystemMenuPlace() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PostButton(UINT message, QMouseEvent* event);
  void Place(const RECT& rect);
  void ApplyTopmost(bool topmost);
  void ApplyShown(bool visible, bool minimized);
  void ShowAsTheCoreSays();
  void MoveTo(QPoint topLeft);
  void SetTitleOnWindow();

  QFont font_;
  QRawFont glyphs_;
  QString title_;
  CaptionTitle titleText_;
  DWORD style_ = 0;
  QRect coreRect_;
  bool coreMinimized_ = false;
  bool applyingState_ = false;
  bool topmost_ = false;

  // The core's showing and hiding, applied when the program next waits, so
  // that a hide and a show in one turn (the layout command, the answer to a
  // keyboard activation) leave the window mapped: an unmap and a map would
  // race the window manager, which may take the window back without its
  // on-top state.
  bool coreVisible_ = false;
  bool showPending_ = false;
  bool hiddenWhileActive_ = false;

  // The system menu's Move: where the pointer and the window were when it
  // began.
  bool movingByKeys_ = false;
  QPoint moveStartPointer_;

  // The caption drag: where the press was and where the window was then.
  bool pressedOnCaption_ = false;
  bool moving_ = false;
  QPoint pressGlobal_;
  QPoint pressTopLeft_;

  // When the window last placed itself; moves soon after are the window
  // manager's answer.
  QElapsedTimer sincePlaced_;
  qint64 placementAnswerMs_;
  // When the program last showed the window, and when the mouse was last
  // pressed on it; an activation soon after either is not the keyboard's.
  QElapsedTimer sinceShown_;
  QElapsedTimer sincePressed_;
  // An activation is reported once it has settled: the press that caused it
  // may arrive just after it.
  QTimer activationReport_;
};

}  // namespace platform::qt
