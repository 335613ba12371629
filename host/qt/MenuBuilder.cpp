// Qt menus built from menu item trees.

#include <QActionGroup>

#include <map>

#include "host/qt/MenuBuilder_p.h"

QString MenuItemText(const TMenuItem* item) {
    QString text = QString::fromStdString(item->Caption());
    if (item->ShortCut() != scNone)
        text += QLatin1Char('\t') + QString::fromStdString(ShortCutToText(item->ShortCut()));
    return text;
}

void FillQMenu(QMenu* menu, const TMenuItem* parent, const TActionMade& made) {
    // Radio items of one group index show as one exclusive group.
    std::map<int, QActionGroup*> radioGroups;
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible()) continue;
        if (item->IsLine()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(MenuItemText(item));
            FillQMenu(sub, item, made);
            action = sub->menuAction();
        } else {
            action = menu->addAction(MenuItemText(item));
            if (item->Checked() || item->RadioItem() || item->AutoCheck()) {
                action->setCheckable(true);
                action->setChecked(item->Checked());
            }
            if (item->RadioItem()) {
                QActionGroup*& group = radioGroups[item->GroupIndex()];
                if (!group) {
                    group = new QActionGroup(menu);
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(action);
            }
            made(action, item);
        }
        action->setEnabled(item->Enabled());
        if (!item->Hint().empty()) action->setStatusTip(QString::fromStdString(item->Hint()));
        if (item->Default()) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
    }
}
