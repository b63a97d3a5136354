// Dialog templates as the resource compiler would give them: the window's
// caption, styles, font and size, and its controls in tab order. Positions and
// sizes are in dialog units.
#pragma once

#include <span>

#include "platform/win32/user/winuser.h"

enum class ControlKind { PushButton, Static, Edit, Icon };

struct DialogControl {
  ControlKind kind;
  int id;            // -1 for a static without an id
  const char* text;  // for an icon: unused (the icon comes from `iconId`)
  short x, y, cx, cy;
  DWORD style;
  int iconId = 0;
};

struct DialogTemplate {
  int id;
  const char* caption;
  DWORD style;
  DWORD exStyle;
  const char* fontFace;
  int pointSize;
  short cx, cy;
  std::span<const DialogControl> controls;
};

// The font the templates name ("MS Shell Dlg") is the desktop's sans-serif
// font here; dialog units come from its average character width and height.
struct DialogBaseUnits {
  int x;  // pixels in four horizontal dialog units
  int y;  // pixels in eight vertical dialog units
};
DialogBaseUnits BaseUnitsOf(const class QFont& font);
int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);
