// The basic types, message numbers, command results, style bits and options
// of the application layer. The values are this layer's own; code above the
// layer uses only the names.
#pragma once

#include <cstdint>

using BOOL = int;
inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

using UINT = unsigned int;
using DWORD = std::uint32_t;
using INT_PTR = std::intptr_t;

// A colour as red, green and blue, one byte each, red in the low byte.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int red, int green, int blue) {
  return static_cast<COLORREF>(red & 0xFF) | static_cast<COLORREF>(green & 0xFF) << 8 |
         static_cast<COLORREF>(blue & 0xFF) << 16;
}
constexpr int GetRValue(COLORREF colour) { return colour & 0xFF; }
constexpr int GetGValue(COLORREF colour) { return colour >> 8 & 0xFF; }
constexpr int GetBValue(COLORREF colour) { return colour >> 16 & 0xFF; }

// Messages that a message map can route.
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT PBM_STEPIT = 0x0405;

// Command ids of the standard buttons, and the results of a modal dialog.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Show commands.
inline constexpr int SW_SHOWNORMAL = 1;

// Window styles.
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;  // controls only, so it may share a bit
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;

// Dialog, control and window-class styles.
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD PBS_SMOOTH = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_VREDRAW = 0x0001;

// Options of the file dialog.
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;

// Message box buttons.
inline constexpr UINT MB_OKCANCEL = 0x0001;

// The id of a control that no code addresses.
inline constexpr int IDC_STATIC = -1;

// System metrics: the primary screen's size in pixels.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
