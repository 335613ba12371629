// The designer's context menu: undo, redo, the eight alignment commands and, after a
// separator, sizes, centring, stacking, select all, the tab order and locks, then the
// clipboard; opened by a right press
// on the design form or on a designed control.
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "host/core/ComponentRef.h"
#include "host/menus/Menus.h"

namespace {
/// The items in menu order; the tag is the command's ordinal. A null caption is the separator.
struct TMenuEntry {
    const char* Caption;
    TKmAlign Command;
};
/// The separator's tag: no command.
constexpr int SeparatorTag = 0xFF;
constexpr TMenuEntry MenuEntries[] = {{"取消", daUndo},
                                      {"重做", daRedo},
                                      {"左对齐", daLeft},
                                      {"右对齐", daRight},
                                      {"水平中心对齐", daHCenter},
                                      {"水平等距对齐", daHAverage},
                                      {"顶对齐", daTop},
                                      {"底对齐", daBottom},
                                      {"垂直中心对齐", daVCenter},
                                      {"垂直等距对齐", daVAverage},
                                      {nullptr, daUndo},
                                      {"相同宽度", daSameWidth},
                                      {"相同高度", daSameHeight},
                                      {"相同大小", daSameSize},
                                      {"水平居中", daCenterHorz},
                                      {"垂直居中", daCenterVert},
                                      {"置于顶层", daBringToFront},
                                      {"置于底层", daSendToBack},
                                      {"全选", daSelectAll},
                                      {"Tab 顺序", daTabOrder},
                                      {"锁定", daLock},
                                      {"解锁", daUnlock},
                                      {nullptr, daUndo},
                                      {"复制", daCopy},
                                      {"剪切", daCut},
                                      {"粘贴", daPaste},
                                      {"创建副本", daDuplicate}};

bool IsSeparator(const TMenuItem* item) {
    return item->Tag() == SeparatorTag;
}
} // namespace

void TZkFormDesigner::CreatePopupMenu() {
    if (FPopupMenu) return;
    FPopupMenu = new TPopupMenu(nullptr);
    FPopupMenu->OnPopup = [this](TObject* Sender) { OnMenuPopup(Sender); };
    for (const TMenuEntry& entry : MenuEntries) {
        auto* item = new TMenuItem(FPopupMenu);
        item->SetCaption(entry.Caption ? entry.Caption : "-");
        item->SetTag(entry.Caption ? entry.Command : SeparatorTag);
        item->OnClick = [this](TObject* Sender) { OnMenuClick(Sender); };
        FPopupMenu->Items()->Add(item);
    }
}

TPopupMenu* TZkFormDesigner::PopupMenu() {
    CreatePopupMenu();
    return FPopupMenu;
}

void TZkFormDesigner::ShowPopupMenu(const TPoint& P) {
    // The keys go back where they were before the menu opened, whether or not the window
    // system gives the focus back when it closes.
    TWinControl* focused = FindControl(GetFocus());
    TComponentRef<TWinControl> guard(focused);
    PopupMenu()->Popup(P.X, P.Y);
    if (TWinControl* back = guard.Get(); back && !back->Focused() && back->CanFocus())
        back->SetFocus();
}

void TZkFormDesigner::OpenContextMenu(const TPoint& P) {
    ShowPopupMenu(P);
}

void TZkFormDesigner::OnMenuPopup(TObject* Sender) {
    (void)Sender;
    if (!FPopupMenu) return;
    TMenuItem* items = FPopupMenu->Items();
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem* item = items->Items(i);
        if (IsSeparator(item)) continue;
        const auto command = static_cast<TKmAlign>(item->Tag() & 0xFF);
        item->SetEnabled(CommandEnabled(command));
        if (command == daTabOrder) item->SetChecked(InTabOrderMode());
    }
}

void TZkFormDesigner::OnMenuClick(TObject* Sender) {
    // Only a menu item says which command to run; anything else (null included) is a
    // sender of the wrong class.
    if (!Sender) throw EInvalidCast("无效的类型转换：空值不是 TMenuItem");
    auto* item = As<TMenuItem>(Sender);
    TDesignerScope scope(GetRoolDesigner());
    KMAlignControls(static_cast<TKmAlign>(item->Tag() & 0xFF));
}

// ---- Right presses --------------------------------------------------------------------------

void TZkFormDesigner::DoRButtonDown(TMessage& Message) {
    CallOldWindowProc(Message);
    // On an inner design form the press has gone on to the container's overlay, which shows
    // the menu of the designer holding the container.
    if (FIsInner || !FDesignForm) return;
    OpenContextMenu(FDesignForm->ClientToScreen(PointFromLParam(Message.LParam)));
}

void TZkFormDesigner::DoRButtonUp(TMessage& Message) {
    CallOldWindowProc(Message);
}

void TDesignControl::DoRButtonDown(TMessage& Message) {
    // The press is in the covered control's client coordinates (a container's interior
    // included), so its point on the screen is the control's.
    TControl* at = FControl ? FControl : static_cast<TControl*>(this);
    FDesigner->OpenContextMenu(at->ClientToScreen(PointFromLParam(Message.LParam)));
}
