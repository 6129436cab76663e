// Ending the program: the "Close" question and the title bar's close button.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/modal_automation.h"
#include "run/run_context.h"
#include "screen_expectations.h"

namespace {

using modal_automation::WhenModal;

TEST_F(DesktopProgram, CancelOnTheCloseQuestionChangesNothing) {
  TriggerMenu("Info");
  bool asked = false;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->text(), QStringLiteral("Programm beenden?"));
    EXPECT_EQ(box->windowTitle(), QString());
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
    EXPECT_EQ(box->parentWidget(), frame().widget());
    asked = true;
    box->button(QMessageBox::Cancel)->click();
  });
  TriggerMenu("Close");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  EXPECT_TRUE(asked);
  ASSERT_NE(app_->m_pMainWnd, nullptr);
  EXPECT_TRUE(frame().widget()->isVisible());
  EXPECT_EQ(vorlane::CurrentRun().screenState, vorlane::ScreenState::InfoScreen);
}

TEST_F(DesktopProgram, OkOnTheCloseQuestionEndsTheProgramWithExitCodeZero) {
  QTimer::singleShot(0, [this] {
    WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    TriggerMenu("Close");
  });
  EXPECT_EQ(app_->Run(), 0);
  EXPECT_EQ(app_->m_pMainWnd, nullptr);
}

TEST_F(DesktopProgram, TheCloseButtonEndsTheProgramWithoutAsking) {
  QWidget* window = frame().widget();
  QTimer::singleShot(0, [window] { window->close(); });
  // A question would stop here: nothing answers it.
  EXPECT_EQ(app_->Run(), 0);
  EXPECT_EQ(app_->m_pMainWnd, nullptr);
}

}  // namespace
