// The link from a widget back to the window that its events go to. The link
// is cut when the window is destroyed, so that a widget whose deletion is
// still pending forwards nothing more.
#pragma once

#include <QWidget>

#include "platform/win_defs.h"

class CWnd;

void LinkWidget(QWidget* widget, CWnd* window);
void UnlinkWidget(QWidget* widget);
// Null once unlinked.
CWnd* LinkedWindow(const QWidget* widget);

// Forwards a message to the linked window, if any.
void ForwardMessage(const QWidget* widget, UINT message, UINT id = 0);
