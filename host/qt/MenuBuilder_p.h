#pragma once
// Builds Qt menus from menu item trees, for popup menus and menu bars. Private to host/.

#include <QMenu>

#include <functional>
#include <set>

#include "host/menus/Menus.h"

/// Keeps track of which menu items are still alive, so that a click arriving after its item was
/// freed (while a menu shows, or before a bar is rebuilt) is ignored instead of answered.
class TMenuItemWatch : public TComponent {
public:
    TMenuItemWatch() : TComponent(nullptr) {}
    void Watch(TMenuItem* item) {
        FAlive.insert(item);
        item->FreeNotification(this);
    }
    bool Alive(TMenuItem* item) const { return FAlive.count(item) != 0; }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) FAlive.erase(static_cast<TMenuItem*>(AComponent));
    }

private:
    std::set<TMenuItem*> FAlive;
};

/// Called with each command action made and the item it stands for.
using TActionMade = std::function<void(QAction* action, TMenuItem* item)>;

/// The text Qt shows for an item: its caption (with its '&' access key) and, after a tab, its
/// shortcut.
QString MenuItemText(const TMenuItem* item);
/// Fills menu with the visible children of parent, as they are now: separators for "-",
/// submenus for items with children, checkable actions for checked, radio and auto-check
/// items, disabled ones greyed, the default one in bold.
void FillQMenu(QMenu* menu, const TMenuItem* parent, const TActionMade& made);
