// Class references and published properties of the menu classes; their registration.

#include "host/menus/Menus.h"

ZK_ENUM_TYPEINFO(TPopupAlignment, "paLeft", "paRight", "paCenter")

const TTypeInfo* TypeInfoFor(const TMenuChangeEvent*) {
    static const TTypeInfo* info = MakeTypeInfo(tkMethod, "TMenuChangeEvent");
    return info;
}

namespace {
void PublishMenuItem(TPublisher& p) {
    p.Prop("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(0);
    p.Prop("Caption", TypeInfos::TCaption(), &TMenuItem::Caption, &TMenuItem::SetCaption);
    p.Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(0);
    p.Prop("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(0);
    p.Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(1);
    p.Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    p.Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    p.Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(0);
    p.Prop("ShortCut", TypeInfos::TShortCut(), &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
        .Default(0);
    p.Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(1);
    p.Prop("OnClick", &TMenuItem::OnClick, &TMenuItem::OnClick);
}

void PublishMainMenu(TPublisher& p) {
    p.Prop("OnChange", &TMainMenu::OnChange, &TMainMenu::OnChange);
}

void PublishPopupMenu(TPublisher& p) {
    p.Prop("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    p.Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(1);
    p.Prop("OnChange", &TPopupMenu::OnChange, &TPopupMenu::OnChange);
    p.Prop("OnClose", &TPopupMenu::OnClose, &TPopupMenu::OnClose);
    p.Prop("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::OnPopup);
}

// The stream reader finds the menu classes by name.
const bool gMenuClassesRegistered = [] {
    RegisterClasses(
        {TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()});
    return true;
}();
} // namespace

ZK_IMPLEMENT_CLASS(TMenuItem, TComponent, PublishMenuItem)
ZK_IMPLEMENT_CLASS(TMenu, TComponent, nullptr)
ZK_IMPLEMENT_CLASS(TMainMenu, TMenu, PublishMainMenu)
ZK_IMPLEMENT_CLASS(TPopupMenu, TMenu, PublishPopupMenu)
