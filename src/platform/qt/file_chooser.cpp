#include "platform/qt/file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace platform::qt {

namespace {

bool MeansExecutables(const FileChooserRequest& request) {
  const QString description = QString::fromUtf8(request.filterDescription.c_str());
  const QString patterns = QString::fromUtf8(request.filterPatterns.c_str());
  return description.contains(QStringLiteral("Executable"), Qt::CaseInsensitive) ||
         patterns.compare(QStringLiteral("*.exe"), Qt::CaseInsensitive) == 0;
}

}  // namespace

QStringList FilterPatterns(const FileChooserRequest& request) {
  if (MeansExecutables(request)) return {};
  const QString patterns = QString::fromUtf8(request.filterPatterns.c_str());
  QStringList list = patterns.split(u';', Qt::SkipEmptyParts);
  for (QString& pattern : list) pattern = pattern.trimmed();
  return list;
}

FileChooser::~FileChooser() { Close(); }

void FileChooser::Open(const FileChooserRequest& request, QWidget* owner) {
  Close();
  auto* dialog = new QFileDialog(owner, QString::fromUtf8(request.title.c_str()));
  dialog_ = dialog;
  // The toolkit's own dialog is the one that honours the execute filter.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  QString folder = QString::fromUtf8(request.initialFolder.c_str());
  if (folder.isEmpty()) folder = QDir::homePath();
  dialog->setDirectory(folder);
  if (!request.initialName.empty()) dialog->selectFile(QString::fromUtf8(request.initialName.c_str()));
  const QStringList patterns = FilterPatterns(request);
  if (patterns.isEmpty()) {
    dialog->setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
  } else {
    dialog->setNameFilter(QString::fromUtf8(request.filterDescription.c_str()) + " (" + patterns.join(u' ') + ")");
  }
  QObject::connect(dialog, &QFileDialog::finished, this, [this, dialog](int result) {
    if (closingForCore_ || dialog != dialog_) return;
    const QStringList files = dialog->selectedFiles();
    if (result == QDialog::Accepted && !files.isEmpty()) {
      PostInput(input::FileChosen{true, QFileInfo(files.front()).absoluteFilePath().toStdString()});
    } else {
      PostInput(input::FileChosen{false, {}});
    }
  });
  dialog->open();
}

void FileChooser::Close() {
  if (dialog_ == nullptr) return;
  closingForCore_ = true;
  QFileDialog* dialog = dialog_;
  dialog_ = nullptr;
  dialog->close();
  dialog->deleteLater();
  closingForCore_ = false;
}

}  // namespace platform::qt
