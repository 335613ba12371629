// The default popup menu runner: a real QMenu built from the items, run at a screen point.

#include <QApplication>
#include <QMenu>

#include <map>
#include <set>

#include "host/qt/MenuBuilder_p.h"
#include "host/qt/Menus_p.h"

namespace {
/// Forgets the items freed while the menu shows, so that none is answered once gone.
class TItemWatch : public TComponent {
public:
    TItemWatch() : TComponent(nullptr) {}
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
} // namespace

TMenuItem* RunPopupMenu(TPopupMenu* popup, TPoint pos) {
    if (!qApp) return nullptr;
    QMenu menu;
    menu.setObjectName(QStringLiteral("ZkPopupMenu"));
    TItemWatch watch;
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
