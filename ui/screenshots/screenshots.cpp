// vorlane-screenshots DIR: writes PNG pictures of the desktop program's six
// screens, its parameter dialog and its two other dialogs into DIR, driving
// the real windows through one run on a small synthetic example. Uses Qt's
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "examples/synthetic_scenery.h"
#include "platform/modal_automation.h"
#include "ui/ident_scan_app.h"

namespace {

using modal_automation::WhenModal;

constexpr std::uint32_t kEddfShifted = 900199u * 32u;
constexpr std::uint32_t kEddfPlain = 900199u;

// Two scenery files with EDDF planted, and a list that also names a missing one.
bool WriteExample(const QString& folder) {
  using vorlane::examples::WriteSyntheticScenery;
  const std::string base = QDir(folder).filePath(QStringLiteral("scenery")).toStdString();
  if (!WriteSyntheticScenery(base + "_a.bgl", 4096, 1, {{16, kEddfShifted}, {700, kEddfPlain}}) ||
      !WriteSyntheticScenery(base + "_b.bgl", 8192, 2, {{3000, kEddfShifted + 1}})) {
    return false;
  }
  std::ofstream list(QDir(folder).filePath(QStringLiteral("airports.txt")).toStdString());
  list << "scenery_a.bgl\nscenery_b.bgl\nmissing.bgl";
  return static_cast<bool>(list);
}

class ScreenshotWriter {
 public:
  explicit ScreenshotWriter(QString folder) : folder_(std::move(folder)) {}

  void Save(QWidget* widget, const char* name) {
    const QString path = QDir(folder_).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
      std::fprintf(stderr, "vorlane-screenshots: cannot write %s\n", path.toLocal8Bit().constData());
      failed_ = true;
    }
  }
  bool failed() const { return failed_; }

 private:
  QString folder_;
  bool failed_ = false;
};

void ClickFileDialogButton(QFileDialog* dialog, QDialogButtonBox::StandardButton which) {
  dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which)->click();
}

void TriggerMenu(QWidget* frame, const QString& text) {
  for (QAction* action : frame->findChild<QMenuBar*>()->actions()) {
    if (action->text() == text) action->trigger();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: vorlane-screenshots DIR\n", stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QString outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  if (!QDir().mkpath(outputFolder)) {
    std::fprintf(stderr, "vorlane-screenshots: cannot create %s\n", argv[1]);
    return 1;
  }
  QTemporaryDir exampleFolder;
  if (!exampleFolder.isValid() || !WriteExample(exampleFolder.path())) {
    std::fputs("vorlane-screenshots: cannot write the example\n", stderr);
    return 1;
  }
  ScreenshotWriter shots(outputFolder);

  CIdentScanApp app;
  app.InitInstance();
  QWidget* frame = app.m_pMainWnd->widget();
  shots.Save(frame, "screen-0-start");

  TriggerMenu(frame, QStringLiteral("Info"));
  shots.Save(frame, "screen-4-info");

  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    shots.Save(frame, "screen-1-select-list");
    shots.Save(dialog, "dialog-open-list");
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QDir(exampleFolder.path()).filePath(QStringLiteral("airports.txt")));
    ClickFileDialogButton(dialog, QDialogButtonBox::Open);
  });
  WhenModal<QDialog>(
      [&](QDialog* dialog) {
        shots.Save(frame, "screen-5-parameters");
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("eddf"));
        shots.Save(dialog, "dialog-parameters");
        dialog->findChild<QPushButton*>()->click();
      },
      QStringLiteral("dialog103"));
  TriggerMenu(frame, QStringLiteral("Start"));
  shots.Save(frame, "screen-2-result");

  WhenModal<QFileDialog>(
      [](QFileDialog* dialog) { ClickFileDialogButton(dialog, QDialogButtonBox::Cancel); });
  TriggerMenu(frame, QStringLiteral("Start"));
  shots.Save(frame, "screen-3-list-missing");

  WhenModal<QMessageBox>([&](QMessageBox* box) {
    shots.Save(box, "dialog-close");
    box->button(QMessageBox::Ok)->click();
  });
  TriggerMenu(frame, QStringLiteral("Close"));
  const int exitCode = app.Run();
  return shots.failed() ? 1 : exitCode;
}
