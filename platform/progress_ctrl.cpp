#include "platform/progress_ctrl.h"

#include <QProgressBar>
#include <algorithm>

namespace {

QProgressBar* BarOf(const CWnd& window) { return static_cast<QProgressBar*>(window.widget()); }

}  // namespace

const MessageMapEntry<CProgressCtrl> CProgressCtrl::kMessageMap[] = {
    {PBM_STEPIT, 0, &CProgressCtrl::OnStepIt},
};

bool CProgressCtrl::OnMessage(UINT message, UINT id) {
  return RouteThroughMap(kMessageMap, *this, message, id) || CWnd::OnMessage(message, id);
}

BOOL CProgressCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!parent || !parent->widget()) return FALSE;
  auto* bar = new QProgressBar(parent->widget());
  bar->setObjectName(QStringLiteral("control%1").arg(id));
  bar->setTextVisible(false);
  bar->setRange(0, 100);
  bar->setValue(0);
  QString look = (style & WS_BORDER) ? QStringLiteral("QProgressBar { border: 1px solid #808080; }")
                                     : QStringLiteral("QProgressBar { border: none; }");
  look += (style & PBS_SMOOTH)
              ? QStringLiteral("QProgressBar::chunk { background: #000080; }")
              : QStringLiteral("QProgressBar::chunk { background: #000080; width: 8px; margin: 2px; }");
  bar->setStyleSheet(look);
  bar->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  bar->setVisible(style & WS_VISIBLE);
  Attach(bar, bar);
  return TRUE;
}

void CProgressCtrl::SetRange32(int lower, int upper) {
  if (QProgressBar* bar = BarOf(*this)) {
    // An empty range would turn the bar into a busy indicator; it stays an
    // empty bar instead.
    bar->setRange(lower, std::max(upper, lower + 1));
    bar->setValue(lower);
  }
}

int CProgressCtrl::SetStep(int step) { return std::exchange(step_, step); }

int CProgressCtrl::StepIt() {
  QProgressBar* bar = BarOf(*this);
  if (!bar) return 0;
  const int before = bar->value();
  const long long next = static_cast<long long>(before) + step_;
  bar->setValue(static_cast<int>(std::clamp<long long>(next, bar->minimum(), bar->maximum())));
  bar->repaint();
  return before;
}

int CProgressCtrl::GetPos() const {
  const QProgressBar* bar = BarOf(*this);
  return bar ? bar->value() : 0;
}
