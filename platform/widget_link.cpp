#include "platform/widget_link.h"

#include <QVariant>

#include "platform/wnd.h"

namespace {

constexpr char kWindowProperty[] = "layerWindow";

}  // namespace

void LinkWidget(QWidget* widget, CWnd* window) {
  widget->setProperty(kWindowProperty, QVariant::fromValue(static_cast<void*>(window)));
}

void UnlinkWidget(QWidget* widget) { widget->setProperty(kWindowProperty, QVariant()); }

CWnd* LinkedWindow(const QWidget* widget) {
  return static_cast<CWnd*>(widget->property(kWindowProperty).value<void*>());
}

void ForwardMessage(const QWidget* widget, UINT message, UINT id) {
  if (CWnd* window = LinkedWindow(widget)) window->OnMessage(message, id);
}
