#include "platform/frame_wnd.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/resources.h"
#include "platform/widget_link.h"
#include "platform/win_app.h"

namespace {

// The top-level widget: hands its close box to the frame.
class FrameHost : public QMainWindow {
 public:
  FrameHost() : QMainWindow(nullptr) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();  // the frame decides, and destroys the widget itself
    ForwardMessage(this, WM_CLOSE);
  }
};

// The client area: the frame paints all of it in WM_PAINT.
class PaintSurface : public QWidget {
 public:
  PaintSurface() = default;

 protected:
  void paintEvent(QPaintEvent*) override { ForwardMessage(this, WM_PAINT); }
};

Qt::WindowFlags FlagsForStyle(DWORD style) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  if (style & WS_CAPTION) flags |= Qt::WindowTitleHint;
  if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

void BuildMenuBar(QMainWindow* host, UINT menuId) {
  QMenuBar* bar = host->menuBar();
  for (const MenuItemTemplate& item : FindMenu(menuId).items) {
    QAction* action = bar->addAction(QString::fromUtf8(item.text));
    const UINT commandId = item.commandId;
    QObject::connect(action, &QAction::triggered, host,
                     [host, commandId] { ForwardMessage(host, WM_COMMAND, commandId); });
  }
}

}  // namespace

const MessageMapEntry<CFrameWnd> CFrameWnd::kMessageMap[] = {
    {WM_CLOSE, 0, &CFrameWnd::OnClose},
};

bool CFrameWnd::OnMessage(UINT message, UINT id) {
  return RouteThroughMap(kMessageMap, *this, message, id) || CWnd::OnMessage(message, id);
}

BOOL CFrameWnd::Create(const CString& className, const CString& title, DWORD style,
                       const CRect& rect, CWnd* parent, UINT menuId, DWORD exStyle) {
  const WindowClass* windowClass = AfxGetApp()->FindWindowClass(className);
  if (!windowClass || parent) return FALSE;  // frames here are always top-level

  auto* host = new FrameHost;
  host->setWindowFlags(FlagsForStyle(style));
  host->setWindowTitle(QString::fromStdString(title.str()));
  if (windowClass->iconId != 0) {
    host->setWindowIcon(QIcon(QPixmap(FindIcon(windowClass->iconId).xpm)));
  }
  BuildMenuBar(host, menuId);

  auto* surface = new PaintSurface;
  if (!(windowClass->style & (CS_HREDRAW | CS_VREDRAW))) {
    // A resize repaints only the part that it uncovers.
    surface->setAttribute(Qt::WA_StaticContents);
  }
  if (windowClass->background) {
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window,
                     QColor(GetRValue(*windowClass->background), GetGValue(*windowClass->background),
                            GetBValue(*windowClass->background)));
    surface->setPalette(palette);
    surface->setAutoFillBackground(true);
  } else {
    surface->setAttribute(Qt::WA_OpaquePaintEvent);
  }
  surface->setCursor(Qt::ArrowCursor);

  if (exStyle & WS_EX_CLIENTEDGE) {
    auto* edge = new QFrame;
    edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    edge->setLineWidth(2);
    auto* layout = new QVBoxLayout(edge);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface);
    host->setCentralWidget(edge);
  } else {
    host->setCentralWidget(surface);
  }
  // The rectangle is the outer frame; ShowWindow corrects the size once the
  // window system has put its frame around the window.
  host->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  outerRect_ = rect;
  Attach(host, surface);
  return TRUE;
}

BOOL CFrameWnd::ShowWindow(int showCommand) {
  const BOOL wasVisible = CWnd::ShowWindow(showCommand);
  if (QWidget* host = widget(); host && !wasVisible) {
    const QSize frameExtra = host->frameGeometry().size() - host->geometry().size();
    host->resize(outerRect_.Width() - frameExtra.width(), outerRect_.Height() - frameExtra.height());
    host->move(outerRect_.left, outerRect_.top);
  }
  return wasVisible;
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::PostNcDestroy() { delete this; }
