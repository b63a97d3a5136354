// Menus as the program builds them (the window's system menu), shown as Qt
// popups whose choices come back as WM_SYSCOMMAND messages.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/user/winuser.h"

struct MenuItem {
  UINT flags;
  UINT_PTR id;
  std::string text;
};

struct HMENU__ {
  HWND owner = nullptr;
  std::vector<MenuItem> items;
};

// The standard system menu of a dialog window: Restore, Move, Minimize, Close.
void FillSystemMenu(HMENU menu, HWND owner);
// Pops the menu up at the window's top-left corner; a choice posts
// WM_SYSCOMMAND with the item's id to the owner.
void PopUpSystemMenu(HMENU menu);
