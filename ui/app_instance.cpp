// The desktop program's one application object.
#include "ui/ident_scan_app.h"

CIdentScanApp theApp;
