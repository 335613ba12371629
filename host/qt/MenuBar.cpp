// The menu bar of a form's window: a real QMenuBar across the top, rebuilt from the main menu's
// items whenever they change.

#include <QMenuBar>

#include <memory>

#include "host/qt/MenuBuilder_p.h"
#include "host/qt/Menus_p.h"
#include "host/qt/Window_p.h"

namespace {
const char* const BarName = "ZkMainMenuBar";

QMenuBar* BarOf(QWidget* form) {
    return form->findChild<QMenuBar*>(QLatin1String(BarName), Qt::FindDirectChildrenOnly);
}

/// Empties the bar; the menus go later, since one of them may be running the click that
/// changed the menu.
void ClearBar(QMenuBar* bar) {
    for (QAction* action : bar->actions()) {
        bar->removeAction(action);
        if (QMenu* menu = action->menu())
            menu->deleteLater();
        else
            action->deleteLater();
    }
}
} // namespace

void UpdateMenuBar(HWND form, TMainMenu* menu) {
    QWidget* w = WidgetOf(form);
    if (!w) return;
    QMenuBar* bar = BarOf(w);
    if (!menu) {
        if (bar) {
            ClearBar(bar);
            bar->setObjectName(QString());
            bar->hide();
            bar->deleteLater();
        }
        return;
    }
    if (!bar) {
        bar = new QMenuBar(w);
        bar->setObjectName(QLatin1String(BarName));
        bar->setNativeMenuBar(false);
        // A window of its own, so that its input goes through a window procedure too.
        AdoptWidget(bar);
        bar->show();
    }
    ClearBar(bar);
    auto watch = std::shared_ptr<TMenuItemWatch>(new TMenuItemWatch, [](TMenuItemWatch* p) { p->Free(); });
    auto connect = [&](QAction* action, TMenuItem* item) {
        watch->Watch(item);
        QObject::connect(action, &QAction::triggered, action, [watch, item] {
            if (watch->Alive(item)) item->Click();
        });
    };
    const TMenuItem* root = menu->Items();
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        if (!item->Visible() || item->IsLine()) continue;
        QAction* action = nullptr;
        if (item->Count() > 0) {
            auto* sub = new QMenu(MenuItemText(item), bar);
            FillQMenu(sub, item, connect);
            action = bar->addMenu(sub);
        } else {
            action = bar->addAction(MenuItemText(item));
            connect(action, item);
        }
        action->setEnabled(item->Enabled());
    }
    PlaceMenuBar(form);
}

int PlaceMenuBar(HWND form) {
    QWidget* w = WidgetOf(form);
    QMenuBar* bar = w ? BarOf(w) : nullptr;
    if (!bar || bar->isHidden()) return 0;
    const int height = bar->heightForWidth(w->width()) > 0 ? bar->heightForWidth(w->width())
                                                           : bar->sizeHint().height();
    if (HWND wnd = HwndOf(bar))
        ApplyWindowGeometry(wnd, QRect(0, 0, w->width(), height));
    else
        bar->setGeometry(0, 0, w->width(), height);
    bar->raise();
    return height;
}
