// The clock's own help window: the help document in a text browser, opened
// at the section a help request asks for, with Back, Forward and Find. It
// needs no web browser and opens at once; links inside the document are
// followed in the window itself.
#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace platform::qt {

class HelpWindow final : public QWidget {
 public:
  HelpWindow();

  // Shows the document at address (a file address, with "#anchor" for a
  // section), raised above the other windows. False when the document
  // cannot be read.
  bool Open(const QUrl& address);

  QTextBrowser* Browser() const { return browser_; }
  QLineEdit* FindField() const { return findField_; }

  // Looks for the find field's text after the selection (before it when
  // backwards), going round the document once; says when there is none.
  void FindNext(bool backwards = false);

 private:
  QTextBrowser* browser_;
  QToolButton* back_;
  QToolButton* forward_;
  QLineEdit* findField_;
  QLabel* findResult_;
};

}  // namespace platform::qt
