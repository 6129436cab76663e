// The desktop program's resources: the main menu, the parameter dialog and
// the icon.
#include "platform/resources.h"

#include "res/resource.h"

namespace {

#include "res/app_icon.xpm"

constexpr MenuItemTemplate kMainMenuItems[] = {
    {"Start", ID_MENU_START},
    {"Close", ID_MENU_CLOSE},
    {"Info", ID_MENU_INFO},
};

constexpr DWORD kEditStyle = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

constexpr ControlTemplate kParameterControls[] = {
    {IDC_CODE, ControlKind::Edit, kEditStyle, 159, 12, 28, 11, ""},
    {IDC_TOLERANCE, ControlKind::Edit, kEditStyle, 160, 50, 17, 10, ""},
    {IDOK, ControlKind::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 48, 125, 50, 14, "OK"},
    {IDCANCEL, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 114, 125, 50, 14, "Cancel"},
    {IDC_STATIC, ControlKind::Static, SS_LEFT, 20, 12, 116, 10, "Enter ICAO code of Navaid:"},
    {IDC_STATIC, ControlKind::Static, SS_LEFT, 19, 36, 122, 25,
     "Assembling / Disassembling may cause rounding errors - enter maximal tolerable "
     "bit-deviations:"},
    {IDC_STATIC, ControlKind::Static, SS_LEFT, 38, 79, 134, 12,
     "OK -> Parsing in Progress - please wait ..."},
};

constexpr MenuTemplate kMenus[] = {
    {IDR_MAINMENU, kMainMenuItems},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_PARAMETERS, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 218, 153,
     "Vorlane - Parameter", "MS Sans Serif", 8, kParameterControls},
};

constexpr IconTemplate kIcons[] = {
    {IDI_APPICON, kAppIconXpm},
};

constexpr ResourceSet kResources = {kMenus, kDialogs, kIcons};

}  // namespace

const ResourceSet& ProgramResources() { return kResources; }
