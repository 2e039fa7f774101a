#include "platform/qt/file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace platform::qt {

namespace {

bool MeansExecutables(const FileChooserRequest& request) {
  const QString description = QString::fromUtf8(request.filterDescription.c_str());
  const QString patterns = QString::fromUtf8(request.filterPatterns.c_str());
  return description.contains(QStringLiteral("Executable"), Qt::CaseInsensitive) ||
         patterns.compare(QStringLiteral("*.exe"), Qt::CaseInsensitive) == 0;
}

// Folders, to browse through, and the files this user may run. The
// toolkit's own execute filter applies to folders too and hides readable
// files it should not, so the dialog's list is filtered here instead.
class ExecutablesAndFolders final : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr) return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || (info.isFile() && info.isExecutable());
  }
};

}  // namespace

QString ExecutablesFilterName() { return QStringLiteral("Executables (*)"); }

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
  // The toolkit's own dialog is the one whose list can be filtered.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  QString folder = QString::fromUtf8(request.initialFolder.c_str());
  if (folder.isEmpty()) folder = QDir::homePath();
  dialog->setDirectory(folder);
  if (!request.initialName.empty()) dialog->selectFile(QString::fromUtf8(request.initialName.c_str()));
  const QStringList patterns = FilterPatterns(request);
  if (patterns.isEmpty()) {
    dialog->setProxyModel(new ExecutablesAndFolders(dialog));
    dialog->setNameFilter(ExecutablesFilterName());
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
