#include "ui/param_dialog.h"

#include <algorithm>
#include <climits>

#include "res/resource.h"
#include "run/list_file.h"
#include "run/run_context.h"
#include "run/scan_run.h"
#include "ui/widget_text.h"

namespace {

// Buffers of the code and the tolerance, terminator included: the run takes
// the first four characters of the code and the first of the tolerance.
constexpr int kCodeBuffer = 5;
constexpr int kToleranceBuffer = 2;

const CRect kProgressRect(40, 160, 280, 180);

}  // namespace

const MessageMapEntry<CParamDialog> CParamDialog::kMessageMap[] = {
    {WM_COMMAND, IDOK, &CParamDialog::OnOK},
};

CParamDialog::CParamDialog(CWnd* parent) : CDialog(IDD_PARAMETERS, parent) {}

bool CParamDialog::OnMessage(UINT message, UINT id) {
  return RouteThroughMap(kMessageMap, *this, message, id) || CDialog::OnMessage(message, id);
}

BOOL CParamDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_CODE, "");
  SetDlgItemText(IDC_TOLERANCE, "1");
  m_progress.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, kProgressRect, this, IDC_PROGRESS);

  vorlane::RunContext& run = vorlane::CurrentRun();
  run.fileCount = vorlane::CountListEntries(run.listPath);
  m_progress.SetRange32(0, static_cast<int>(std::min<std::int64_t>(run.fileCount, INT_MAX)));
  m_progress.SetStep(1);
  return TRUE;
}

void CParamDialog::OnOK() {
  const std::string code = WidgetTextToCp1252(GetDlgItemText(IDC_CODE, kCodeBuffer));
  const std::string tolerance = WidgetTextToCp1252(GetDlgItemText(IDC_TOLERANCE, kToleranceBuffer));
  vorlane::RunScan(code, tolerance, [this] { m_progress.SendMessage(PBM_STEPIT); });
  vorlane::CurrentRun().screenState = vorlane::ScreenState::ResultScreen;
  EndDialog(IDOK);
}
