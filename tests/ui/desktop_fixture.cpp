#include "desktop_fixture.h"

#include <unistd.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest/QTest>
#include <fstream>
#include <sstream>

#include "platform/modal_automation.h"
#include "run/run_context.h"

using modal_automation::WhenModal;

void DesktopProgram::SetUp() {
  startFolder_ = std::filesystem::current_path();
  char pattern[] = "/tmp/vorlane-ui-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  folder_ = pattern;
  // The program starts elsewhere than in the list's folder.
  std::filesystem::create_directory(folder_ / "start");
  std::filesystem::current_path(folder_ / "start");
  vorlane::CurrentRun() = vorlane::RunContext{};
  app_ = std::make_unique<CIdentScanApp>();
  ASSERT_TRUE(app_->InitInstance());
  frame().SetPaintRecorder(&recorder_);
}

void DesktopProgram::TearDown() {
  if (app_->m_pMainWnd) app_->m_pMainWnd->DestroyWindow();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  app_.reset();
  std::filesystem::current_path(startFolder_);
  std::filesystem::remove_all(folder_);
}

QImage DesktopProgram::PaintMainWindow() {
  recorder_.Clear();
  image_ = frame().clientWidget()->grab().toImage();
  return image_;
}

QColor DesktopProgram::ClientPixel(int x, int y) const { return image_.pixelColor(x, y); }

CRect DesktopProgram::ClientRect() {
  CRect rect;
  frame().GetClientRect(&rect);
  return rect;
}

void DesktopProgram::TriggerMenu(const char* text) {
  for (QAction* action : frame().widget()->findChild<QMenuBar*>()->actions()) {
    if (action->text() == QString::fromUtf8(text)) {
      action->trigger();
      return;
    }
  }
  ADD_FAILURE() << "no menu command " << text;
}

void DesktopProgram::WhenFileDialogOpens(const std::string& typedName) {
  WhenModal<QFileDialog>([typedName](QFileDialog* dialog) {
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    nameBox->setText(QString::fromStdString(typedName));
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Open)
        ->click();
  });
}

void DesktopProgram::WhenFileDialogOpensCancel() {
  WhenModal<QFileDialog>([](QFileDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Cancel)
        ->click();
  });
}

void DesktopProgram::WhenParameterDialogOpensType(const QString& code, const QString& tolerance) {
  WhenModal<QDialog>(
      [code, tolerance](QDialog*) {
        QTest::keyClicks(QApplication::focusWidget(), code);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), tolerance);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      },
      QString::fromUtf8(kParameterDialogName));
}

void DesktopProgram::RunThroughMenu(const std::string& listPath, const QString& code,
                                    const QString& tolerance) {
  WhenFileDialogOpens(listPath);
  WhenParameterDialogOpensType(code, tolerance);
  TriggerMenu("Start");
}

void DesktopProgram::WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
  ASSERT_TRUE(file.good()) << path;
}

std::string DesktopProgram::ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}
