#include "platform/dialog.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "platform/dialog_units.h"
#include "platform/resources.h"
#include "platform/widget_link.h"

namespace {

// The dialog widget: Esc and the close box arrive as the Cancel command.
class DialogHost : public QDialog {
 public:
  explicit DialogHost(QWidget* owner) : QDialog(owner) {}

  void reject() override { ForwardMessage(this, WM_COMMAND, IDCANCEL); }
};

QWidget* CreateControl(const ControlTemplate& control, DialogHost* host) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(text, host);
      edit->setFrame(control.style & WS_BORDER);
      return edit;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(text, host);
      button->setDefault(control.style & BS_DEFPUSHBUTTON);
      const int id = control.id;
      QObject::connect(button, &QPushButton::clicked, host,
                       [host, id] { ForwardMessage(host, WM_COMMAND, static_cast<UINT>(id)); });
      return button;
    }
    case ControlKind::Static: {
      auto* label = new QLabel(text, host);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      return label;
    }
  }
  return nullptr;
}

// Dialog fonts are given in whole points: the pixel height is rounded.
int PointsToPixels(int points, const QWidget* widget) {
  return (points * widget->logicalDpiY() + 36) / 72;
}

}  // namespace

const MessageMapEntry<CDialog> CDialog::kMessageMap[] = {
    {WM_COMMAND, IDOK, &CDialog::OnOK},
    {WM_COMMAND, IDCANCEL, &CDialog::OnCancel},
};

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

bool CDialog::OnMessage(UINT message, UINT id) {
  return RouteThroughMap(kMessageMap, *this, message, id) || CWnd::OnMessage(message, id);
}

INT_PTR CDialog::DoModal() {
  const DialogTemplate& dialog = FindDialogTemplate(templateId_);
  auto* host = new DialogHost(parent_ ? parent_->widget() : nullptr);
  host->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       ((dialog.style & WS_SYSMENU) ? Qt::WindowCloseButtonHint : Qt::WindowFlags()));
  host->setObjectName(QStringLiteral("dialog%1").arg(templateId_));
  host->setWindowTitle(QString::fromUtf8(dialog.caption));
  host->setFont(MatchFace(dialog.fontFace, PointsToPixels(dialog.fontPoints, host)));
  const DialogUnits units(host->font());
  host->setFixedSize(units.ToPixelsX(dialog.cx), units.ToPixelsY(dialog.cy));

  controls_.clear();
  firstTabStop_ = nullptr;
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = CreateControl(control, host);
    widget->setGeometry(units.ToPixelsX(control.x), units.ToPixelsY(control.y),
                        units.ToPixelsX(control.cx), units.ToPixelsY(control.cy));
    widget->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    if (!firstTabStop_ && (control.style & WS_TABSTOP)) firstTabStop_ = widget;
    if (control.id != IDC_STATIC) controls_[control.id] = widget;
  }
  Attach(host, host);

  if (OnInitDialog() && firstTabStop_) firstTabStop_->setFocus();
  const int result = host->exec();
  delete Detach();
  controls_.clear();
  return result;
}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
  if (auto* host = qobject_cast<QDialog*>(widget())) host->done(result);
}

QWidget* CDialog::GetDlgItem(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second.data();
}

void CDialog::SetDlgItemText(int id, const CString& text) {
  const QString qtext = QString::fromStdString(text.str());
  QWidget* control = GetDlgItem(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(qtext);
  } else if (auto* button = qobject_cast<QPushButton*>(control)) {
    button->setText(qtext);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(qtext);
  }
}

CString CDialog::GetDlgItemText(int id, int bufferSize) const {
  QString text;
  QWidget* control = GetDlgItem(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    text = edit->text();
  } else if (auto* button = qobject_cast<QPushButton*>(control)) {
    text = button->text();
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    text = label->text();
  }
  // Characters, not UTF-16 units: a character outside the basic plane
  // counts once.
  qsizetype units = 0;
  for (int kept = 0; kept < bufferSize - 1 && units < text.size(); ++kept) {
    units += text[units].isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
  }
  return CString(text.left(units).toStdString());
}
