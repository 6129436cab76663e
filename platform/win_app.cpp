#include "platform/win_app.h"

#include <QApplication>
#include <cassert>

namespace {

// The framework's one reference to the program's application object.
CWinApp* theApplication = nullptr;

}  // namespace

CWinApp::CWinApp(const char*) {
  assert(theApplication == nullptr);
  theApplication = this;
}

CWinApp::~CWinApp() { theApplication = nullptr; }

int CWinApp::Run() {
  if (m_pMainWnd) QApplication::exec();
  return 0;
}

CString CWinApp::RegisterWindowClass(const WindowClass& windowClass) {
  const std::string name =
      "WindowClass:" + std::to_string(windowClass.style) + ":" +
      std::to_string(static_cast<int>(windowClass.cursor)) + ":" +
      (windowClass.background ? std::to_string(*windowClass.background) : std::string("none")) +
      ":" + std::to_string(windowClass.iconId);
  windowClasses_[name] = windowClass;
  return CString(name);
}

const WindowClass* CWinApp::FindWindowClass(const CString& name) const {
  const auto found = windowClasses_.find(name.str());
  return found == windowClasses_.end() ? nullptr : &found->second;
}

void CWinApp::OnWindowDestroyed(const CWnd* window) {
  if (window != m_pMainWnd) return;
  m_pMainWnd = nullptr;
  QCoreApplication::exit(0);
}

CWinApp* AfxGetApp() { return theApplication; }

CString AfxRegisterWndClass(UINT classStyle, StockCursor cursor,
                            std::optional<COLORREF> background, UINT iconId) {
  return AfxGetApp()->RegisterWindowClass({classStyle, cursor, background, iconId});
}

int AfxWinMain(int& argc, char** argv) {
  QApplication application(argc, argv);
  // The program ends when its main window is destroyed, not when its last
  // window is hidden.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  CWinApp* app = AfxGetApp();
  if (!app || !app->InitInstance()) return 1;
  return app->Run();
}
