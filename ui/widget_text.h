// Text from the widgets (UTF-8) as the Windows-1252 text of a run.
#pragma once

#include <string>

#include "platform/cstring.h"

// A character that the code page lacks becomes '?'.
std::string WidgetTextToCp1252(const CString& text);
