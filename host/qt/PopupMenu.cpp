// The default popup menu runner: a real QMenu built from the items, run at a screen point.

#include <QApplication>
#include <QMenu>

#include <map>

#include "host/qt/MenuBuilder_p.h"
#include "host/qt/Menus_p.h"

TMenuItem* RunPopupMenu(TPopupMenu* popup, TPoint pos) {
    if (!qApp) return nullptr;
    QMenu menu;
    menu.setObjectName(QStringLiteral("ZkPopupMenu"));
    TMenuItemWatch watch;
    std::map<QAction*, TMenuItem*> items;
    FillQMenu(&menu, popup->Items(), [&](QAction* action, TMenuItem* item) {
        items[action] = item;
        watch.Watch(item);
    });
    if (menu.isEmpty()) return nullptr;
    QPoint at(pos.X, pos.Y);
    if (popup->Alignment() == paRight)
        at.rx() -= menu.sizeHint().width();
    else if (popup->Alignment() == paCenter)
        at.rx() -= menu.sizeHint().width() / 2;
    QAction* chosen = menu.exec(at);
    auto it = items.find(chosen);
    if (it == items.end() || !watch.Alive(it->second)) return nullptr;
    return it->second;
}
