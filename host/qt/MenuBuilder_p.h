#pragma once
// Builds Qt menus from menu item trees, for popup menus and menu bars. Private to host/.

#include <QMenu>

#include <functional>

#include "host/Menus.h"

/// Called with each command action made and the item it stands for.
using TActionMade = std::function<void(QAction* action, TMenuItem* item)>;

/// The text Qt shows for an item: its caption (with its '&' access key) and, after a tab, its
/// shortcut.
QString MenuItemText(const TMenuItem* item);
/// Fills menu with the visible children of parent, as they are now: separators for "-",
/// submenus for items with children, checkable actions for checked, radio and auto-check
/// items, disabled ones greyed, the default one in bold.
void FillQMenu(QMenu* menu, const TMenuItem* parent, const TActionMade& made);
