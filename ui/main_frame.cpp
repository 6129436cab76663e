#include "ui/main_frame.h"

#include "platform/file_dialog.h"
#include "res/resource.h"
#include "run/run_context.h"
#include "ui/param_dialog.h"

namespace {

using vorlane::CurrentRun;
using vorlane::ScreenState;

constexpr char kFontFace[] = "Arial Black Kursiv";
constexpr int kBigFontTenths = 200;
constexpr int kSmallFontTenths = 120;
constexpr char kListFileFilter[] = "TextFiles (*.txt)|*.txt||";

}  // namespace

const MessageMapEntry<CMainFrame> CMainFrame::kMessageMap[] = {
    {WM_PAINT, 0, &CMainFrame::OnPaint},
    {WM_COMMAND, ID_MENU_START, &CMainFrame::OnMenuStart},
    {WM_COMMAND, ID_MENU_CLOSE, &CMainFrame::OnMenuClose},
    {WM_COMMAND, ID_MENU_INFO, &CMainFrame::OnMenuInfo},
};

CMainFrame::CMainFrame(const CString& className)
    : m_createRect(0, 0, 800, 600),
      m_paintRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)) {
  m_bigFont.CreatePointFont(kBigFontTenths, kFontFace);
  m_smallFont.CreatePointFont(kSmallFontTenths, kFontFace);
  Create(className, "Vorlane", WS_OVERLAPPEDWINDOW, m_createRect, nullptr, IDR_MAINMENU,
         WS_EX_CLIENTEDGE);
}

bool CMainFrame::OnMessage(UINT message, UINT id) {
  return RouteThroughMap(kMessageMap, *this, message, id) || CFrameWnd::OnMessage(message, id);
}

void CMainFrame::OnMenuStart() {
  vorlane::RunContext& run = CurrentRun();
  run.screenState = ScreenState::SelectListScreen;
  Invalidate();

  CFileDialog listDialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         kListFileFilter, this);
  if (listDialog.DoModal() != IDOK) {
    run.screenState = ScreenState::ListMissingScreen;
    Invalidate();
    return;
  }
  run.listPath = listDialog.GetFileName().str();
  run.screenState = ScreenState::ParameterScreen;
  Invalidate();

  CParamDialog parameters(this);
  run.screenState =
      parameters.DoModal() == IDOK ? ScreenState::ResultScreen : ScreenState::ListMissingScreen;
  Invalidate();
}

void CMainFrame::OnMenuClose() {
  if (MessageBox("Programm beenden?", "", MB_OKCANCEL) == IDOK) DestroyWindow();
}

void CMainFrame::OnMenuInfo() {
  CurrentRun().screenState = ScreenState::InfoScreen;
  Invalidate();
}
