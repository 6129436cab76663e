// CWnd: a window of the layer, the C++ side of one Qt widget. Events of the
// widget arrive as messages in OnMessage, which each window class routes
// through its message map.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/cstring.h"
#include "platform/font.h"
#include "platform/message_map.h"
#include "platform/rect.h"
#include "platform/win_defs.h"

struct PaintRecorder;

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  // Routes a message through the message maps; false when no entry takes it.
  // The handler may destroy the window, so nothing may touch it afterwards.
  virtual bool OnMessage(UINT message, UINT id);
  void SendMessage(UINT message, UINT id = 0) { OnMessage(message, id); }

  // Marks the whole client area for repainting at the next paint.
  void Invalidate(BOOL erase = TRUE);
  // Paints what is marked at once.
  void UpdateWindow();
  // The client area in client coordinates: left and top are 0.
  void GetClientRect(CRect* rect) const;
  virtual BOOL ShowWindow(int showCommand);
  // Hides the window, lets go of its widget and ends with PostNcDestroy.
  virtual BOOL DestroyWindow();

  // A modal message box owned by this window; returns IDOK or IDCANCEL.
  int MessageBox(const CString& text, const CString& caption, UINT type);

  // The font that a device context of this window starts with.
  CFont* DefaultFont();

  // While set, every device context of this window also records into it.
  void SetPaintRecorder(PaintRecorder* recorder) { paintRecorder_ = recorder; }
  PaintRecorder* paintRecorder() const { return paintRecorder_; }

  // The widget of the window, null before it is created and once destroyed.
  QWidget* widget() const { return widget_; }
  // The widget that the window paints on: its client area.
  QWidget* clientWidget() const { return client_; }

 protected:
  // Takes ownership of the widget; client is the widget or one of its
  // descendants.
  void Attach(QWidget* widget, QWidget* client);
  // Cuts the links to the widget and hands it back to the caller.
  QWidget* Detach();
  // Called last when the window is destroyed; a window that owns itself
  // deletes itself here.
  virtual void PostNcDestroy() {}

 private:
  QPointer<QWidget> widget_;
  QPointer<QWidget> client_;
  std::unique_ptr<CFont> defaultFont_;
  PaintRecorder* paintRecorder_ = nullptr;
};

// The primary screen's width (SM_CXSCREEN) or height (SM_CYSCREEN) in
// pixels; 0 for any other index.
int GetSystemMetrics(int index);
