// TCustomForm's main menu: the menu bar it shows, and the room the bar takes from alignment.

#include "host/controls/Forms.h"
#include "host/menus/Menus.h"
#include "host/qt/Menus_p.h"

void TCustomForm::SetMenu(TMainMenu* value) {
    if (FMenu == value) return;
    if (FMenu) {
        FMenu->SetWindowHandle(nullptr);
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = value;
    if (value) {
        value->FreeNotification(this);
        AttachMenu();
    }
    Realign();
}

void TCustomForm::AttachMenu() {
    if (!FMenu || !HandleAllocated()) return;
    // A menu shows on one form at a time.
    if (HWND other = FMenu->WindowHandle())
        if (other != Handle())
            if (auto* form = Cast<TCustomForm>(FindControl(other))) form->FMenu = nullptr;
    FMenu->SetWindowHandle(Handle());
}

bool TCustomForm::IsShortCut(TWMKey& Message) {
    if (!FMenu || !HandleAllocated() || FMenu->WindowHandle() != Handle()) return false;
    const TShortCut key = ShortCut(Message.CharCode, KeyDataToShiftState(Message.KeyData));
    return key != scNone && FMenu->IsShortCut(key);
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
    if (FMenu && HandleAllocated() && FMenu->WindowHandle() == Handle())
        Rect.Top += PlaceMenuBar(Handle());
    TWinControl::AlignControls(AControl, Rect);
}
