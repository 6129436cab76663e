// The application object of the desktop program.
#pragma once

#include "platform/win_app.h"

class CIdentScanApp : public CWinApp {
 public:
  CIdentScanApp() : CWinApp(nullptr) {}

  // Creates the main window and shows it with the start screen.
  BOOL InitInstance() override;
};
