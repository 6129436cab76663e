// CWinApp: the one application object. The layer's entry point builds the Qt
// application, calls InitInstance, and runs the event loop until the main
// window is destroyed.
#pragma once

#include <map>
#include <string>

#include "platform/window_class.h"
#include "platform/wnd.h"

class CWinApp {
 public:
  // Becomes the application object; there is one at a time.
  explicit CWinApp(const char* appName = nullptr);
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // Creates and shows the main window; FALSE ends the program at once.
  virtual BOOL InitInstance() = 0;

  // Runs the event loop until the main window is destroyed; returns the
  // exit code 0.
  int Run();

  CString RegisterWindowClass(const WindowClass& windowClass);
  // Null for a name that was not registered.
  const WindowClass* FindWindowClass(const CString& name) const;

  // Told by every window that is destroyed; the main window's end ends Run.
  void OnWindowDestroyed(const CWnd* window);

  CWnd* m_pMainWnd = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;  // this platform starts every program normally

 private:
  std::map<std::string, WindowClass> windowClasses_;
};

CWinApp* AfxGetApp();

// The body of main.
int AfxWinMain(int& argc, char** argv);
