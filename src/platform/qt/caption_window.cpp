#include "platform/qt/caption_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "platform/kernel/driver.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/caption_layout.h"
#include "platform/qt/caption_painter.h"
#include "platform/qt/program_turn.h"
#include "platform/qt/x11_title.h"
#include "platform/qt/x11_window_manager.h"

namespace platform::qt {

namespace {

// A second covers a window manager's answer even on a loaded machine; a
// person or another program takes longer to react to a window appearing.
constexpr qint64 kPlacementAnswerMs = 1000;

// A window manager that focuses on click sends the activation just before it
// hands the press on.
constexpr int kActivationSettleMs = 150;

// An arrow key of the system menu's Move moves the window this far.
constexpr int kMoveStepPx = 8;

constexpr Qt::WindowFlags kBaseFlags = Qt::Window | Qt::FramelessWindowHint;

POINT ToPoint(QPoint p) { return POINT{p.x(), p.y()}; }

QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

CaptionWindow::CaptionWindow(const WindowSnapshot& window, const QFont& captionFont)
    : MirrorWindow(window.handle, kBaseFlags),
      font_(captionFont),
      glyphs_(QRawFont::fromFont(captionFont)),
      placementAnswerMs_(kPlacementAnswerMs) {
  // The clock is put on screen without taking the focus from the user's work.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  activationReport_.setSingleShot(true);
  activationReport_.setInterval(kActivationSettleMs);
  QObject::connect(&activationReport_, &QTimer::timeout, this, [this] {
    if (isActiveWindow() && isVisible()) PostInput(input::WindowActivated{Handle()});
  });
  Apply(window, ~0u);
}

void CaptionWindow::Apply(const WindowSnapshot& window, unsigned bits) {
  if ((bits & kChangeStyle) != 0 && window.style != style_) {
    style_ = window.style;
    update();
  }
  if ((bits & kChangeText) != 0) {
    const QString text = QString::fromUtf8(window.text.c_str());
    // Retitling costs the X server and every listener a round of events, so
    // only a changed face goes out, and on X11 by the cheapest way there is.
    if (text != title_) {
      title_ = text;
      titleText_ = CaptionTitle(title_, font_, glyphs_);
      SetTitleOnWindow();
      AnnounceNameChange(this);
      update(LayOutCaption(size(), style_).title);
    }
  }
  if ((bits & kChangeRect) != 0) Place(window.rect);
  if ((bits & kChangeTopmost) != 0) ApplyTopmost(window.topmost);
  if ((bits & kChangeEnabled) != 0) setEnabled(window.enabled);
  if ((bits & (kChangeVisible | kChangeMinimized)) != 0) ApplyShown(window.visible, window.minimized);
  if ((bits & kChangeActive) != 0) update();
}

void CaptionWindow::Place(const RECT& rect) {
  const QRect wanted = ToQRect(rect);
  if (wanted == coreRect_ && geometry() == wanted) return;
  coreRect_ = wanted;
  if (geometry() == wanted) return;
  sincePlaced_.start();
  setGeometry(wanted);
}

void CaptionWindow::SetTitleOnWindow() {
  // A window that will not repaint (minimised, hidden) sends its new title
  // at once: nothing else would carry it to the X server.
  const bool repaints = isVisible() && !isMinimized();
  if (!SetX11Title(this, title_.toUtf8(), !repaints)) setWindowTitle(title_);
}

void CaptionWindow::ApplyTopmost(bool topmost) {
  if (topmost != topmost_ || windowHandle() == nullptr) {
    topmost_ = topmost;
    Qt::WindowFlags flags = kBaseFlags;
    if (topmost) flags |= Qt::WindowStaysOnTopHint;
    // Changing the flags through the widget would hide and re-create the
    // window; the window handle changes the stacking state in place.
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle()) handle->setFlags(flags);
  }
  // The core set the state: the window manager hears it again whatever it
  // did with it meanwhile. Before the window is mapped the toolkit writes it
  // into the window's property from the flags.
  if (isVisible() && !isMinimized()) AskToStayOnTop(this, topmost_);
}

void CaptionWindow::Mapped() {
  if (topmost_) AskToStayOnTop(this, true);
}

void CaptionWindow::ApplyShown(bool visible, bool minimized) {
  // Hiding the window the user is in hands the keyboard on, as an unmap
  // would; a show in the same turn does not take it back.
  if (!visible && coreVisible_ && isVisible() && !isMinimized() && isActiveWindow()) hiddenWhileActive_ = true;
  coreVisible_ = visible;
  coreMinimized_ = minimized;
  if (showPending_) return;
  showPending_ = true;
  QPointer<CaptionWindow> self(this);
  WhenProgramWaits([self] {
    if (self != nullptr) self->ShowAsTheCoreSays();
  });
}

void CaptionWindow::ShowAsTheCoreSays() {
  showPending_ = false;
  const bool handBack = hiddenWhileActive_;
  hiddenWhileActive_ = false;
  applyingState_ = true;
  if (coreVisible_ && !coreMinimized_ && (isHidden() || isMinimized())) sinceShown_.start();
  if (!coreVisible_) {
    hide();
  } else if (coreMinimized_) {
    showMinimized();
  } else if (isMinimized()) {
    showNormal();
  } else if (isHidden()) {
    show();
  } else if (handBack) {
    HandFocusBack(this);
  }
  applyingState_ = false;
}

void CaptionWindow::SetMoving(bool moving) {
  moving_ = moving;
  const bool byKeys = moving && !pressedOnCaption_ && (QGuiApplication::mouseButtons() & Qt::LeftButton) == 0;
  if (byKeys == movingByKeys_) return;
  movingByKeys_ = byKeys;
  if (byKeys) {
    moveStartPointer_ = QCursor::pos();
    pressTopLeft_ = coreRect_.topLeft();
    setMouseTracking(true);
    grabKeyboard();
    grabMouse(Qt::SizeAllCursor);
  } else {
    releaseMouse();
    releaseKeyboard();
    setMouseTracking(false);
  }
}

void CaptionWindow::MoveTo(QPoint topLeft) {
  if (topLeft == coreRect_.topLeft()) return;
  coreRect_.moveTopLeft(topLeft);
  move(topLeft);
  PostInput(input::MoveTo{ToPoint(topLeft)});
}

QPoint CaptionWindow::SystemMenuPlace() const {
  const CaptionLayout layout = LayOutCaption(size(), style_);
  return mapToGlobal(QPoint(0, layout.bar.bottom() + 2));
}

void CaptionWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintCaption(painter, LayOutCaption(size(), style_), titleText_, font_,
               CaptionColoursFor(palette(), isActiveWindow()), event->rect());
}

void CaptionWindow::PostButton(UINT message, QMouseEvent* event) {
  const WPARAM hit = CaptionHitTest(LayOutCaption(size(), style_), event->position().toPoint());
  PostInput(input::NcMouse{Handle(), message, hit, ToPoint(event->globalPosition().toPoint())});
}

void CaptionWindow::mousePressEvent(QMouseEvent* event) {
  if (movingByKeys_) {
    // A click ends the system menu's Move where the window is.
    PostInput(input::MoveEnd{});
    return;
  }
  sincePressed_.start();
  activationReport_.stop();
  if (event->button() == Qt::LeftButton) {
    const WPARAM hit = CaptionHitTest(LayOutCaption(size(), style_), event->position().toPoint());
    pressedOnCaption_ = hit == HTCAPTION;
    pressGlobal_ = event->globalPosition().toPoint();
    pressTopLeft_ = geometry().topLeft();
    PostButton(WM_NCLBUTTONDOWN, event);
  } else if (event->button() == Qt::RightButton) {
    PostButton(WM_NCRBUTTONDOWN, event);
  }
}

void CaptionWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (movingByKeys_) return;
  if (event->button() == Qt::LeftButton) {
    pressedOnCaption_ = false;
    // During a move this ends it; the core does not pass it on then.
    PostButton(WM_NCLBUTTONUP, event);
  } else if (event->button() == Qt::RightButton) {
    PostButton(WM_NCRBUTTONUP, event);
  }
}

void CaptionWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressedOnCaption_ = false;
  PostButton(WM_NCLBUTTONDBLCLK, event);
}

void CaptionWindow::mouseMoveEvent(QMouseEvent* event) {
  if (movingByKeys_) {
    MoveTo(pressTopLeft_ + (event->globalPosition().toPoint() - moveStartPointer_));
    return;
  }
  // Motion before the core has begun the move is skipped: the next motion
  // after it puts the window where the pointer says, from the press onwards.
  if (!moving_ || !pressedOnCaption_ || (event->buttons() & Qt::LeftButton) == 0) return;
  MoveTo(pressTopLeft_ + (event->globalPosition().toPoint() - pressGlobal_));
}

void CaptionWindow::keyPressEvent(QKeyEvent* event) {
  if (!movingByKeys_) {
    QWidget::keyPressEvent(event);
    return;
  }
  QPoint step;
  switch (event->key()) {
    case Qt::Key_Left: step = QPoint(-kMoveStepPx, 0); break;
    case Qt::Key_Right: step = QPoint(kMoveStepPx, 0); break;
    case Qt::Key_Up: step = QPoint(0, -kMoveStepPx); break;
    case Qt::Key_Down: step = QPoint(0, kMoveStepPx); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      PostInput(input::Key{VK_RETURN, true});
      return;
    case Qt::Key_Escape:
      // The core puts the window back where the move began.
      PostInput(input::Key{VK_ESCAPE, true});
      return;
    default:
      return;
  }
  // The pointer's next motion counts from the window's new place.
  pressTopLeft_ += step;
  MoveTo(coreRect_.topLeft() + step);
}

void CaptionWindow::keyReleaseEvent(QKeyEvent* event) {
  if (!movingByKeys_) QWidget::keyReleaseEvent(event);
}

bool CaptionWindow::event(QEvent* event) {
  if (event->type() == QEvent::WinIdChange) {
    if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
    if (!title_.isEmpty()) SetTitleOnWindow();
  }
  return MirrorWindow::event(event);
}

bool CaptionWindow::eventFilter(QObject* watched, QEvent* event) {
  // The toolkit made a new X window for this widget (it may, when the window
  // is shown again with other flags): it gets the face as its title, not the
  // title the toolkit last heard of, once it is complete.
  if (watched == windowHandle() && event->type() == QEvent::PlatformSurface &&
      static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated) {
    QPointer<CaptionWindow> self(this);
    QTimer::singleShot(0, this, [self] {
      if (self != nullptr && !self->title_.isEmpty()) self->SetTitleOnWindow();
    });
  }
  return MirrorWindow::eventFilter(watched, event);
}

void CaptionWindow::moveEvent(QMoveEvent*) {
  if (!isVisible() || isMinimized()) return;
  const QPoint at = geometry().topLeft();
  if (at == coreRect_.topLeft() || moving_ || pressedOnCaption_) return;
  if (sincePlaced_.isValid() && sincePlaced_.elapsed() < placementAnswerMs_) return;
  coreRect_.moveTopLeft(at);
  PostInput(input::WindowMoved{Handle(), ToPoint(at)});
}

void CaptionWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    update();
    const bool answersShow = sinceShown_.isValid() && sinceShown_.elapsed() < placementAnswerMs_;
    const bool byPress = sincePressed_.isValid() && sincePressed_.elapsed() < kActivationSettleMs;
    if (isActiveWindow() && !answersShow && !byPress) {
      activationReport_.start();
    } else {
      activationReport_.stop();
    }
  } else if (event->type() == QEvent::WindowStateChange && !applyingState_ && isVisible()) {
    // The window manager (a taskbar click, a key of its own) minimised or
    // restored the window: the program does that through its commands.
    const bool minimized = isMinimized();
    if (minimized != coreMinimized_) {
      coreMinimized_ = minimized;
      PostToCore(Handle(), WM_SYSCOMMAND, minimized ? SC_MINIMIZE : SC_RESTORE, 0);
    }
  }
  QWidget::changeEvent(event);
}

void CaptionWindow::closeEvent(QCloseEvent* event) {
  // The window goes when the program destroys it, not before.
  event->ignore();
  PostToCore(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace platform::qt
