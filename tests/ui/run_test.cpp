// Runs through the menu, the file dialog and the parameter dialog: the result
// file, the result screen, the progress bar and the ways to cancel.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdint>

#include "platform/modal_automation.h"
#include "run/run_context.h"
#include "screen_expectations.h"
#include "ui/widget_text.h"

namespace {

using modal_automation::WhenModal;

constexpr COLORREF kGrey = RGB(204, 204, 204);
constexpr std::uint32_t kEddf = 900199;  // the packed ident of EDDF

std::string LittleEndian(std::uint32_t value) {
  return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
          static_cast<char>(value >> 24)};
}

// Zero bytes with values planted at offsets.
std::string Scenery(std::size_t size, std::initializer_list<std::pair<std::size_t, std::uint32_t>> plants) {
  std::string bytes(size, '\0');
  for (const auto& [offset, value] : plants) bytes.replace(offset, 4, LittleEndian(value));
  return bytes;
}

std::vector<ExpectedText> ResultScreen(const CRect& client, const std::string& listName,
                                       const std::string& code, const std::string& secondLine,
                                       const std::string& files) {
  const int x = client.right / 2 - 260;
  const int y = client.bottom / 2;
  return {{50, 50, "Locate ICAO code:", FontKind::Big},
          {x, y - 60, "Parsing of file " + listName + " for <" + code + "> performed,", FontKind::Small},
          {x, y - 20, secondLine, FontKind::Small},
          {50, client.bottom - 50, files + " files parsed...", FontKind::Small}};
}

std::string Written(const std::string& code) {
  return "Result written to file <" + code + ".txt> in selected directory";
}

class Run : public DesktopProgram {
 protected:
  // A list in a folder of its own naming two scenery files and a missing one.
  void WriteExample() {
    std::filesystem::create_directory(folder() / "scenery");
    WriteFile(folder() / "scenery" / "a.bgl",
              Scenery(64, {{16, kEddf * 32}, {40, kEddf}}));
    WriteFile(folder() / "scenery" / "b.bgl", Scenery(32, {{0, kEddf * 32 + 1}}));
    WriteFile(folder() / "scenery" / "airports.txt", "a.bgl\r\nb.bgl\r\nnone.bgl");
  }
  std::filesystem::path ListPath() const { return folder() / "scenery" / "airports.txt"; }
};

TEST_F(Run, WritesTheResultFileAndShowsTheResultScreen) {
  WriteExample();
  RunThroughMenu(ListPath().string(), "EDDF", "1");

  // The run took place in the list's folder.
  EXPECT_EQ(std::filesystem::current_path(), folder() / "scenery");
  EXPECT_EQ(ReadFile(folder() / "scenery" / "EDDF.txt"),
            "\r\nEDDF found in file a.bgl at position 0x10\r\n\r\n"
            "\r\nILS ID EDDF in Runway-record found in file a.bgl at position 0x28\r\n\r\n"
            "\r\nEDDF found in file b.bgl at position 0x0\r\n\r\n"
            "\r\nFile none.bgl in line 3 of list file not found!\r\n"
            "\r\n\r\n3 occurences of EDDF found ...\r\n");
  EXPECT_EQ(vorlane::CurrentRun().screenState, vorlane::ScreenState::ResultScreen);
  PaintMainWindow();
  ExpectScreen(frame(), painted(), ResultScreen(ClientRect(), "airports.txt", "EDDF", Written("EDDF"), "3"),
               kGrey);
}

TEST_F(Run, TakesTheFirstFourCharactersOfTheCodeAndTheFirstOfTheTolerance) {
  WriteExample();
  // Tolerance 0 would miss b.bgl's value, one above the target.
  RunThroughMenu(ListPath().string(), "eddfx", "12");
  const std::string result = ReadFile(folder() / "scenery" / "eddf.txt");
  EXPECT_NE(result.find("EDDF found in file b.bgl at position 0x0"), std::string::npos) << result;
  EXPECT_NE(result.find("3 occurences of EDDF found"), std::string::npos) << result;
  EXPECT_EQ(vorlane::CurrentRun().toleranceText, "1");
  PaintMainWindow();
  // The code shows in upper case; the file keeps the name it has on disk.
  ExpectScreen(frame(), painted(), ResultScreen(ClientRect(), "airports.txt", "EDDF", Written("eddf"), "3"),
               kGrey);
}

TEST_F(Run, TwoRunsInARowShowTheSecondRun) {
  WriteExample();
  RunThroughMenu(ListPath().string(), "EDDF", "0");
  WriteFile(folder() / "scenery" / "second.txt", "a.bgl");
  RunThroughMenu((folder() / "scenery" / "second.txt").string(), "KJFK", "0");

  EXPECT_EQ(ReadFile(folder() / "scenery" / "KJFK.txt"), "\r\n\r\n0 occurences of KJFK found ...\r\n");
  const std::string first = ReadFile(folder() / "scenery" / "EDDF.txt");
  EXPECT_NE(first.find("2 occurences of EDDF found"), std::string::npos) << first;
  PaintMainWindow();
  ExpectScreen(frame(), painted(), ResultScreen(ClientRect(), "second.txt", "KJFK", Written("KJFK"), "1"),
               kGrey);
}

TEST_F(Run, ATypedListNameThatDoesNotExistBecomesAnEmptyList) {
  std::filesystem::current_path(folder());
  RunThroughMenu("new list.txt", "EDDF", "1");

  EXPECT_TRUE(std::filesystem::is_regular_file(folder() / "new list.txt"));
  EXPECT_EQ(std::filesystem::file_size(folder() / "new list.txt"), 0u);
  EXPECT_EQ(ReadFile(folder() / "EDDF.txt"),
            "\r\nFile  in line 1 of list file not found!\r\n"
            "\r\n\r\n0 occurences of EDDF found ...\r\n");
  PaintMainWindow();
  ExpectScreen(frame(), painted(), ResultScreen(ClientRect(), "new list.txt", "EDDF", Written("EDDF"), "1"),
               kGrey);
}

TEST_F(Run, AResultFileThatCannotBeWrittenIsShownAsNotWritten) {
  WriteExample();
  std::filesystem::create_directory(folder() / "scenery" / "EDDF.txt");
  RunThroughMenu(ListPath().string(), "EDDF", "1");
  PaintMainWindow();
  ExpectScreen(frame(), painted(),
               ResultScreen(ClientRect(), "airports.txt", "EDDF",
                            "Result could not be written to file <EDDF.txt> in selected directory", "3"),
               kGrey);
}

TEST_F(Run, TheProgressBarIsRepaintedAtEveryEntry) {
  WriteFile(folder() / "list.txt", "1\n2\n3\n4\n5");
  struct PaintedValues : QObject {
    std::vector<int> values;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Paint) {
        if (auto* bar = qobject_cast<QProgressBar*>(watched)) values.push_back(bar->value());
      }
      return false;
    }
  } painted;
  WhenFileDialogOpens((folder() / "list.txt").string());
  WhenModal<QDialog>(
      [&](QDialog* dialog) {
        auto* bar = dialog->findChild<QProgressBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->geometry(), QRect(40, 160, 240, 20));
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 5);
        bar->installEventFilter(&painted);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      },
      kParameterDialogName);
  TriggerMenu("Start");
  // Each value painted, in order, while the run held the event loop.
  painted.values.erase(std::unique(painted.values.begin(), painted.values.end()), painted.values.end());
  EXPECT_EQ(painted.values, (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(Run, TheProgressRangeTakesTheFullEntryCount) {
  WriteFile(folder() / "list.txt", std::string(70000, '\n'));
  int maximum = 0;
  WhenFileDialogOpens((folder() / "list.txt").string());
  WhenModal<QDialog>(
      [&](QDialog* dialog) {
        maximum = dialog->findChild<QProgressBar*>()->maximum();
        dialog->reject();
      },
      kParameterDialogName);
  TriggerMenu("Start");
  EXPECT_EQ(maximum, 70001);
}

TEST_F(Run, TheParameterDialogOpensAsLaidOut) {
  WriteFile(folder() / "list.txt", "a.bgl");
  WhenFileDialogOpens((folder() / "list.txt").string());
  WhenModal<QDialog>(
      [&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vorlane - Parameter"));
        const QList<QLineEdit*> boxes = dialog->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 2);
        EXPECT_EQ(QApplication::focusWidget(), boxes[0]);
        EXPECT_EQ(boxes[0]->text(), QString());
        EXPECT_EQ(boxes[1]->text(), QStringLiteral("1"));
        for (const QLabel* label : dialog->findChildren<QLabel*>()) EXPECT_TRUE(label->wordWrap());
        // Centred over the main window.
        const QPoint offset = dialog->frameGeometry().center() - frame().widget()->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);
        EXPECT_EQ(vorlane::CurrentRun().fileCount, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      },
      kParameterDialogName);
  TriggerMenu("Start");
}

TEST_F(Run, AListNameInAFolderThatDoesNotExistIsNotAccepted) {
  bool stayedOpen = false;
  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QString::fromStdString((folder() / "no such folder" / "list.txt").string()));
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Open)->click();
    stayedOpen = dialog->isVisible();
    buttons->button(QDialogButtonBox::Cancel)->click();
  });
  TriggerMenu("Start");
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(std::filesystem::current_path(), folder() / "start");
  EXPECT_EQ(vorlane::CurrentRun().screenState, vorlane::ScreenState::ListMissingScreen);
}

// Every way out of either dialog that is not OK leads to the list-missing
// screen and writes nothing.
struct CancelCase {
  const char* name;
  bool inFileDialog;
  std::function<void(QDialog*)> cancel;
};

void PrintTo(const CancelCase& how, std::ostream* out) { *out << how.name; }

class Cancel : public Run, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(Cancel, ShowsTheListMissingScreenAndWritesNoResult) {
  WriteExample();
  const CancelCase& how = GetParam();
  if (how.inFileDialog) {
    WhenModal<QFileDialog>([&](QFileDialog* dialog) { how.cancel(dialog); });
  } else {
    WhenFileDialogOpens(ListPath().string());
    WhenModal<QDialog>([&](QDialog* dialog) {
      QTest::keyClicks(QApplication::focusWidget(), "EDDF");
      how.cancel(dialog);
    }, kParameterDialogName);
  }
  TriggerMenu("Start");
  EXPECT_EQ(vorlane::CurrentRun().screenState, vorlane::ScreenState::ListMissingScreen);
  EXPECT_FALSE(std::filesystem::exists(folder() / "scenery" / "EDDF.txt"));
  EXPECT_FALSE(std::filesystem::exists(folder() / "start" / "EDDF.txt"));
  PaintMainWindow();
  const CRect client = ClientRect();
  ExpectScreen(frame(), painted(),
               {{50, 50, "Locate ICAO code:", FontKind::Big},
                {client.right / 2 - 180, client.bottom / 2 - 60, "Parsing list file not found!",
                 FontKind::Small}},
               kGrey);
}

QPushButton* ButtonLabelled(QDialog* dialog, const QString& text) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (button->text().remove(QLatin1Char('&')) == text) return button;
  }
  return nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, Cancel,
    ::testing::Values(
        CancelCase{"FileDialogCancelButton", true,
                   [](QDialog* dialog) { ButtonLabelled(dialog, "Cancel")->click(); }},
        CancelCase{"ParameterCancelButton", false,
                   [](QDialog* dialog) { ButtonLabelled(dialog, "Cancel")->click(); }},
        CancelCase{"ParameterEscKey", false,
                   [](QDialog*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        CancelCase{"ParameterCloseBox", false, [](QDialog* dialog) { dialog->close(); }}),
    [](const ::testing::TestParamInfo<CancelCase>& info) { return std::string(info.param.name); });

TEST(WidgetText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(WidgetTextToCp1252(CString("EDDF")), "EDDF");
  EXPECT_EQ(WidgetTextToCp1252(CString("\xC3\xA4\xE2\x82\xAC")), "\xE4\x80");  // "ä€"
  EXPECT_EQ(WidgetTextToCp1252(CString("a\xD0\x96" "b\xF0\x9F\x9B\xAB")), "a?b?");  // "aЖb🛫"
}

}  // namespace
