#include "platform/qt/help_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace platform::qt {

namespace {

constexpr QSize kStartSize(640, 720);

QToolButton* NewButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text, const QString& tip) {
  auto* button = new QToolButton(parent);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setText(text);
  button->setToolTip(tip);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
  setWindowTitle(QStringLiteral("Horatick Help"));
  setObjectName(QStringLiteral("HelpWindow"));

  back_ = NewButton(this, QStyle::SP_ArrowBack, QStringLiteral("&Back"), QStringLiteral("Back (Alt+Left)"));
  forward_ = NewButton(this, QStyle::SP_ArrowForward, QStringLiteral("&Forward"), QStringLiteral("Forward (Alt+Right)"));
  back_->setEnabled(false);
  forward_->setEnabled(false);
  auto* findLabel = new QLabel(QStringLiteral("F&ind:"), this);
  findField_ = new QLineEdit(this);
  findField_->setClearButtonEnabled(true);
  findField_->setPlaceholderText(QStringLiteral("Ctrl+F"));
  findLabel->setBuddy(findField_);
  auto* findNext = NewButton(this, QStyle::SP_ArrowDown, QStringLiteral("&Next"), QStringLiteral("Find next (F3)"));
  auto* findPrevious =
      NewButton(this, QStyle::SP_ArrowUp, QStringLiteral("&Previous"), QStringLiteral("Find previous (Shift+F3)"));
  findResult_ = new QLabel(this);

  browser_ = new QTextBrowser(this);
  // Links are followed here and nowhere else: the help never starts another program.
  browser_->setOpenLinks(false);
  browser_->setOpenExternalLinks(false);

  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addStretch(1);
  bar->addWidget(findLabel);
  bar->addWidget(findField_, 2);
  bar->addWidget(findPrevious);
  bar->addWidget(findNext);
  bar->addWidget(findResult_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addLayout(bar);
  column->addWidget(browser_, 1);

  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile()) browser_->setSource(target);
  });
  connect(findField_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
  connect(findField_, &QLineEdit::textChanged, this, [this] { findResult_->clear(); });
  connect(findNext, &QToolButton::clicked, this, [this] { FindNext(); });
  connect(findPrevious, &QToolButton::clicked, this, [this] { FindNext(true); });

  auto shortcut = [this](QKeySequence keys, auto action) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
  };
  shortcut(QKeySequence::Find, [this] {
    findField_->setFocus(Qt::ShortcutFocusReason);
    findField_->selectAll();
  });
  shortcut(QKeySequence::FindNext, [this] { FindNext(); });
  shortcut(QKeySequence::FindPrevious, [this] { FindNext(true); });
  shortcut(QKeySequence::Back, [this] { browser_->backward(); });
  shortcut(QKeySequence::Forward, [this] { browser_->forward(); });
  shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });

  QSize size = kStartSize;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  }
  resize(size);
}

bool HelpWindow::Open(const QUrl& address) {
  QFile document(address.toLocalFile());
  if (!document.open(QIODevice::ReadOnly)) return false;
  document.close();
  browser_->setSource(address);
  if (isMinimized()) {
    showNormal();
  } else {
    show();
  }
  raise();
  activateWindow();
  return true;
}

void HelpWindow::FindNext(bool backwards) {
  const QString text = findField_->text();
  if (text.isEmpty()) return;
  const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (browser_->find(text, flags)) {
    findResult_->clear();
    return;
  }
  // Round once from the other end of the document.
  const QTextCursor kept = browser_->textCursor();
  QTextCursor from(browser_->document());
  from.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
  browser_->setTextCursor(from);
  if (browser_->find(text, flags)) {
    findResult_->clear();
    return;
  }
  browser_->setTextCursor(kept);
  findResult_->setText(QStringLiteral("Not found"));
}

}  // namespace platform::qt
