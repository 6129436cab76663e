// The main window: how it opens, and what the start, info, select-list and
// parameter screens paint.
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "platform/modal_automation.h"
#include "run/run_context.h"
#include "screen_expectations.h"

namespace {

using modal_automation::WhenModal;

constexpr COLORREF kGrey = RGB(204, 204, 204);
constexpr COLORREF kInfoBrown = RGB(181, 118, 0);

QColor ToQColor(COLORREF colour) {
  return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

TEST_F(DesktopProgram, OpensAtTheTopLeftWithTitleMenuAndIcon) {
  auto* window = qobject_cast<QMainWindow*>(frame().widget());
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane"));
  EXPECT_EQ(window->frameGeometry(), QRect(0, 0, 800, 600));
  EXPECT_FALSE(window->windowIcon().isNull());

  QStringList commands;
  for (QAction* action : window->menuBar()->actions()) {
    commands << action->text();
    EXPECT_EQ(action->menu(), nullptr) << "a command, not a pop-up";
  }
  EXPECT_EQ(commands, (QStringList{"Start", "Close", "Info"}));

  // The client area lies below the menu bar, inside a sunken edge.
  const QWidget* client = frame().clientWidget();
  EXPECT_GE(client->mapTo(window, QPoint(0, 0)).y(), window->menuBar()->height());
  EXPECT_LT(client->width(), window->width());
  EXPECT_TRUE(client->testAttribute(Qt::WA_OpaquePaintEvent));
  EXPECT_TRUE(client->testAttribute(Qt::WA_StaticContents));
}

TEST_F(DesktopProgram, StartScreenShowsTitleAndDescription) {
  PaintMainWindow();
  const CRect client = ClientRect();
  const int x = client.right / 2 - 300;
  const int y = client.bottom / 2;
  ExpectScreen(frame(), painted(),
               {{50, 50, "Vorlane, Vs. 2.1", FontKind::Big},
                {x, y - 120, "The program parses all (new) BGL files from a list ", FontKind::Small},
                {x, y - 80, "in text format for a selected ICAO-code. Each line in ", FontKind::Small},
                {x, y - 40, "the text file contains exactly one and only one BGL ", FontKind::Small},
                {x, y, "file name. Blank lines are skipped", FontKind::Small}},
               kGrey);
  EXPECT_EQ(ClientPixel(client.right - 2, client.bottom - 2), ToQColor(kGrey));
}

TEST_F(DesktopProgram, InfoShowsTheInstructionsOnBrown) {
  TriggerMenu("Info");
  EXPECT_EQ(vorlane::CurrentRun().screenState, vorlane::ScreenState::InfoScreen);
  PaintMainWindow();
  const CRect client = ClientRect();
  const int x = client.right / 2 - 340;
  const int y = client.bottom / 2;
  ExpectScreen(
      frame(), painted(),
      {{x, y - 260, "INFO:", FontKind::Big},
       {x, y - 200, "The program <Vorlane.exe> can be run from any directory or subdirectory.",
        FontKind::Small},
       {x, y - 160, "It reads a pre-prepared textfile,which has to be entered into the Dialog Box",
        FontKind::Small},
       {x, y - 120, "displayed after the menu selection <Start>. If such a textfile is found, the",
        FontKind::Small},
       {x, y - 80, "program asks for a 4-letter ICAO code and the tolerated rounding error, and -",
        FontKind::Small},
       {x, y - 40, "after having run - outputs a new textfile named according to the selected",
        FontKind::Small},
       {x, y,
        "ICAO code, which contains - if there are any - the locations of the code within the",
        FontKind::Small},
       {x, y + 40, "parsed files.", FontKind::Small},
       {x, y + 80, "Each line of the pre-prepared textfile has to consist of exactly one path/name",
        FontKind::Small},
       {x, y + 120, "of a file to be parsed. Parsing skips blank lines as well as a line with the",
        FontKind::Small},
       {x, y + 160, "name of a non-existing file.", FontKind::Small},
       {x, y + 200, "Existing files are not modified.", FontKind::Small}},
      kInfoBrown);
  ASSERT_EQ(painted().fills.size(), 2u);
  EXPECT_EQ(painted().fills[0].colour, kGrey);
  EXPECT_EQ(ClientPixel(client.right - 2, client.bottom - 2), ToQColor(kInfoBrown));
  EXPECT_EQ(ClientPixel(2, 2), ToQColor(kInfoBrown));
}

TEST_F(DesktopProgram, InfoThenStartShowsTheSelectListScreenWhileTheFileDialogIsOpen) {
  TriggerMenu("Info");
  bool checked = false;
  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(vorlane::CurrentRun().screenState, vorlane::ScreenState::SelectListScreen);
    PaintMainWindow();
    ExpectScreen(frame(), painted(), {{50, 50, "Select the List File:", FontKind::Small}}, kGrey);
    EXPECT_EQ(ClientPixel(2, 2), ToQColor(kGrey));
    // The open-file dialog: Qt's own widget, its filter, owned by the window.
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"TextFiles (*.txt)"});
    EXPECT_EQ(dialog->parentWidget(), frame().widget());
    checked = true;
    dialog->reject();
  });
  TriggerMenu("Start");
  EXPECT_TRUE(checked);
}

TEST_F(DesktopProgram, ParameterScreenShowsOnlyTheHeadingWhileTheDialogIsOpen) {
  WriteFile(folder() / "list.txt", "a.bgl");
  bool checked = false;
  WhenFileDialogOpens((folder() / "list.txt").string());
  WhenModal<QDialog>(
      [&](QDialog* dialog) {
        EXPECT_EQ(vorlane::CurrentRun().screenState, vorlane::ScreenState::ParameterScreen);
        PaintMainWindow();
        ExpectScreen(frame(), painted(), {{50, 50, "Locate ICAO code:", FontKind::Big}}, kGrey);
        checked = true;
        dialog->reject();
      },
      kParameterDialogName);
  TriggerMenu("Start");
  EXPECT_TRUE(checked);
}

}  // namespace
