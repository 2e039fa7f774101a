// The file chooser the program waits on (GetOpenFileName): the toolkit's
// own dialog, whose answer goes back to the core as the chosen path or a
// cancel. The filter "Executables" lists the files a person may run, since
// here a program is known by its execute permission, not by its name.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "platform/kernel/driver.h"

class QWidget;

namespace platform::qt {

// The name patterns of a filter, or empty when the filter means the files
// with the execute permission.
QStringList FilterPatterns(const FileChooserRequest& request);

// The name of the filter that lists folders and the files one may run.
QString ExecutablesFilterName();

class FileChooser final : public QObject {
 public:
  ~FileChooser() override;

  void Open(const FileChooserRequest& request, QWidget* owner);
  void Close();
  QFileDialog* Dialog() const { return dialog_; }

 private:
  QPointer<QFileDialog> dialog_;
  bool closingForCore_ = false;
};

}  // namespace platform::qt
