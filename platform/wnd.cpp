#include "platform/wnd.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/widget_link.h"
#include "platform/win_app.h"

CWnd::~CWnd() { delete Detach(); }

bool CWnd::OnMessage(UINT, UINT) { return false; }

void CWnd::Invalidate(BOOL) {
  // The client area paints its whole background itself, so erasing has
  // nothing to add.
  if (client_) client_->update();
}

void CWnd::UpdateWindow() {
  if (client_) client_->repaint();
}

void CWnd::GetClientRect(CRect* rect) const {
  *rect = client_ ? CRect(0, 0, client_->width(), client_->height()) : CRect();
}

BOOL CWnd::ShowWindow(int showCommand) {
  if (!widget_) return FALSE;
  const bool wasVisible = widget_->isVisible();
  if (showCommand == SW_SHOWNORMAL) widget_->showNormal();
  return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow() {
  QWidget* widget = Detach();
  if (!widget) return FALSE;
  widget->hide();
  // The widget may be inside one of its own event handlers right now.
  widget->deleteLater();
  if (CWinApp* app = AfxGetApp()) app->OnWindowDestroyed(this);
  PostNcDestroy();
  return TRUE;
}

int CWnd::MessageBox(const CString& text, const CString& caption, UINT type) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption.str()),
                  QString::fromStdString(text.str()), QMessageBox::NoButton, widget_);
  if (type == MB_OKCANCEL) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}

CFont* CWnd::DefaultFont() {
  if (!defaultFont_) defaultFont_ = std::make_unique<CFont>(client_ ? client_->font() : QFont());
  return defaultFont_.get();
}

void CWnd::Attach(QWidget* widget, QWidget* client) {
  widget_ = widget;
  client_ = client;
  LinkWidget(widget, this);
  if (client != widget) LinkWidget(client, this);
}

QWidget* CWnd::Detach() {
  if (client_) UnlinkWidget(client_);
  if (widget_) UnlinkWidget(widget_);
  QWidget* widget = widget_;
  widget_ = nullptr;
  client_ = nullptr;
  return widget;
}

int GetSystemMetrics(int index) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 0;
  switch (index) {
    case SM_CXSCREEN:
      return screen->geometry().width();
    case SM_CYSCREEN:
      return screen->geometry().height();
    default:
      return 0;
  }
}
