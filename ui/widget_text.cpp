#include "ui/widget_text.h"

#include "scan/code_page.h"

std::string WidgetTextToCp1252(const CString& text) { return vorlane::Utf8ToCp1252Replacing(text.str(), '?'); }
