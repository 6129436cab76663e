// Resource and control ids of the desktop program.
#pragma once

inline constexpr unsigned IDR_MAINMENU = 101;
inline constexpr unsigned IDI_APPICON = 102;
inline constexpr unsigned IDD_PARAMETERS = 103;

inline constexpr int IDC_PROGRESS = 103;
inline constexpr int IDC_CODE = 1000;
inline constexpr int IDC_TOLERANCE = 1001;

inline constexpr unsigned ID_MENU_START = 40001;
inline constexpr unsigned ID_MENU_CLOSE = 40002;
inline constexpr unsigned ID_MENU_INFO = 40003;
