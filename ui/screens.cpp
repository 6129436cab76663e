// What the main window paints for each screen state.
#include "platform/dc.h"
#include "run/run_context.h"
#include "scan/code_page.h"
#include "ui/main_frame.h"

namespace {

using vorlane::ScreenState;

constexpr COLORREF kScreenGrey = RGB(204, 204, 204);
constexpr COLORREF kInfoBrown = RGB(181, 118, 0);
constexpr char kFooter[] = "made by the Vorlane team";
constexpr char kHeading[] = "Locate ICAO code:";

constexpr const char* kDescription[] = {
    "The program parses all (new) BGL files from a list ",
    "in text format for a selected ICAO-code. Each line in ",
    "the text file contains exactly one and only one BGL ",
    "file name. Blank lines are skipped",
};

constexpr const char* kInstructions[] = {
    "The program <Vorlane.exe> can be run from any directory or subdirectory.",
    "It reads a pre-prepared textfile,which has to be entered into the Dialog Box",
    "displayed after the menu selection <Start>. If such a textfile is found, the",
    "program asks for a 4-letter ICAO code and the tolerated rounding error, and -",
    "after having run - outputs a new textfile named according to the selected",
    "ICAO code, which contains - if there are any - the locations of the code within the",
    "parsed files.",
    "Each line of the pre-prepared textfile has to consist of exactly one path/name",
    "of a file to be parsed. Parsing skips blank lines as well as a line with the",
    "name of a non-existing file.",
    "Existing files are not modified.",
};

constexpr int kLineSpacing = 40;

}  // namespace

void CMainFrame::OnPaint() {
  CPaintDC dc(this);
  dc.FillSolidRect(m_paintRect, kScreenGrey);
  GetClientRect(&m_clientRect);
  m_clientWidth = m_clientRect.right;
  m_clientHeight = m_clientRect.bottom;
  const int halfWidth = m_clientWidth / 2;
  const int halfHeight = m_clientHeight / 2;

  CFont* defaultFont = dc.SelectObject(&m_bigFont);
  vorlane::RunContext& run = vorlane::CurrentRun();
  switch (run.screenState) {
    case ScreenState::StartScreen:
      dc.TextOut(50, 50, "Vorlane, Vs. 2.1");
      dc.SelectObject(&m_smallFont);
      for (int line = 0; line < 4; ++line) {
        dc.TextOut(halfWidth - 300, halfHeight - 120 + kLineSpacing * line, kDescription[line]);
      }
      break;
    case ScreenState::SelectListScreen:
      dc.SelectObject(&m_smallFont);
      dc.TextOut(50, 50, "Select the List File:");
      break;
    case ScreenState::ResultScreen: {
      run.code = vorlane::UpperCase1252(run.code);
      const CString code(vorlane::Cp1252ToUtf8(run.code));
      dc.TextOut(50, 50, kHeading);
      dc.SelectObject(&m_smallFont);
      dc.TextOut(halfWidth - 260, halfHeight - 60,
                 "Parsing of file " + CString(run.listPath) + " for <" + code + "> performed,");
      const char* written = run.resultComplete ? "Result written to file <"
                                               : "Result could not be written to file <";
      // The file's own name: on a case-sensitive file system the code as typed.
      dc.TextOut(halfWidth - 260, halfHeight - 20,
                 written + CString(run.resultFileName) + "> in selected directory");
      CString count;
      count.Format("%lld", static_cast<long long>(run.fileCount));
      dc.TextOut(50, m_clientHeight - 50, count + " files parsed...");
      break;
    }
    case ScreenState::ListMissingScreen:
      dc.TextOut(50, 50, kHeading);
      dc.SelectObject(&m_smallFont);
      dc.TextOut(halfWidth - 180, halfHeight - 60, "Parsing list file not found!");
      break;
    case ScreenState::InfoScreen: {
      dc.FillSolidRect(m_paintRect, kInfoBrown);
      dc.TextOut(halfWidth - 340, halfHeight - 260, "INFO:");
      dc.SelectObject(&m_smallFont);
      int y = halfHeight - 200;
      for (const char* line : kInstructions) {
        dc.TextOut(halfWidth - 340, y, line);
        y += kLineSpacing;
      }
      break;
    }
    case ScreenState::ParameterScreen:
      dc.TextOut(50, 50, kHeading);
      dc.SelectObject(&m_smallFont);
      break;
  }
  dc.SelectObject(defaultFont);
  dc.TextOut(m_clientWidth - 200, m_clientHeight - 40, kFooter);
}
