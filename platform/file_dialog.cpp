#include "platform/file_dialog.h"

#include <unistd.h>

#include <QFileDialog>
#include <QFileInfo>
#include <memory>

namespace {

// Accepts nothing whose folder is missing: the program goes on in that
// folder.
class FileDialogHost : public QFileDialog {
 public:
  explicit FileDialogHost(QWidget* owner) : QFileDialog(owner) {}

  void accept() override {
    const QStringList files = selectedFiles();
    if (!files.isEmpty() && !QFileInfo(QFileInfo(files.first()).absolutePath()).isDir()) return;
    QFileDialog::accept();
  }
};

// "Name|pattern|Name|pattern||" as Qt's "Name (pattern)" filters.
QStringList NameFilters(const CString& filter) {
  const QStringList parts = QString::fromStdString(filter.str()).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
    const QString pattern = QStringLiteral("(") + parts[i + 1] + QStringLiteral(")");
    filters << (parts[i].endsWith(pattern) ? parts[i] : parts[i] + QLatin1Char(' ') + pattern);
  }
  return filters;
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : open_(openFileDialog),
      defaultExtension_(defaultExtension),
      initialFileName_(fileName),
      flags_(flags),
      filter_(filter),
      parent_(parent) {}

INT_PTR CFileDialog::DoModal() {
  auto host = std::make_unique<FileDialogHost>(parent_ ? parent_->widget() : nullptr);
  host->setOption(QFileDialog::DontUseNativeDialog);
  host->setFileMode(QFileDialog::AnyFile);
  host->setAcceptMode(open_ ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  // Qt's dialog has no read-only box to hide; in an open dialog nothing is
  // overwritten, so only a save dialog asks.
  host->setOption(QFileDialog::DontConfirmOverwrite, open_ || !(flags_ & OFN_OVERWRITEPROMPT));
  const QStringList filters = NameFilters(filter_);
  if (!filters.isEmpty()) host->setNameFilters(filters);
  if (!defaultExtension_.IsEmpty()) host->setDefaultSuffix(QString::fromStdString(defaultExtension_.str()));
  if (!initialFileName_.IsEmpty()) host->selectFile(QString::fromStdString(initialFileName_.str()));
  Attach(host.get(), host.get());
  const int result = host->exec();
  Detach();
  if (result != QDialog::Accepted || host->selectedFiles().isEmpty()) return IDCANCEL;

  const QFileInfo chosen(host->selectedFiles().first());
  if (::chdir(QFile::encodeName(chosen.absolutePath()).constData()) != 0) return IDCANCEL;
  pathName_ = CString(chosen.absoluteFilePath().toStdString());
  fileName_ = CString(chosen.fileName().toStdString());
  return IDOK;
}
