// Message maps: each window class keeps a static table that maps a message,
// and for WM_COMMAND a command id, to one of its On... members. The layer
// turns the widgets' events into messages; a window's OnMessage looks them up
// in its own table first and then hands them to its base class.
#pragma once

#include <cstddef>

#include "platform/win_defs.h"

template <class Window>
struct MessageMapEntry {
  UINT message;
  UINT id;  // the command id for WM_COMMAND; 0 for other messages
  void (Window::*handler)();
};

// Calls the handler of the first matching entry; false when none matches.
template <class Window, std::size_t N>
bool RouteThroughMap(const MessageMapEntry<Window> (&map)[N], Window& window, UINT message,
                     UINT id) {
  for (const MessageMapEntry<Window>& entry : map) {
    if (entry.message == message && entry.id == id) {
      (window.*entry.handler)();
      return true;
    }
  }
  return false;
}
