// Resources as data: menus, dialog templates and icons, each identified by
// number. The program supplies its set by defining ProgramResources(); the
// layer looks resources up there by id.
#pragma once

#include <span>

#include "platform/win_defs.h"

// A menu bar of top-level command items.
struct MenuItemTemplate {
  const char* text;
  UINT commandId;
};

struct MenuTemplate {
  UINT id;
  std::span<const MenuItemTemplate> items;
};

enum class ControlKind { Edit, Button, Static };

// One control of a dialog template; position and size in dialog units.
struct ControlTemplate {
  int id;
  ControlKind kind;
  DWORD style;
  int x, y, cx, cy;
  const char* text;
};

// A dialog template; position and size in dialog units, the size being that
// of the client area. The controls come in tab order.
struct DialogTemplate {
  UINT id;
  DWORD style;
  int x, y, cx, cy;
  const char* caption;
  const char* fontFace;
  int fontPoints;
  std::span<const ControlTemplate> controls;
};

// An icon as an XPM image.
struct IconTemplate {
  UINT id;
  const char* const* xpm;
};

struct ResourceSet {
  std::span<const MenuTemplate> menus;
  std::span<const DialogTemplate> dialogs;
  std::span<const IconTemplate> icons;
};

// Defined by the program's resource module.
const ResourceSet& ProgramResources();

// The resource with the id; the program asking for one it lacks is a fault
// of the program, so these abort.
const MenuTemplate& FindMenu(UINT id);
const DialogTemplate& FindDialogTemplate(UINT id);
const IconTemplate& FindIcon(UINT id);
