// TCustomTabControl: the tab row's window, its selection and its notifications.

#include "host/containers/PageControl.h"
#include "host/qt/TabControl_p.h"

ZK_ENUM_TYPEINFO(TTabPosition, "tpTop", "tpBottom", "tpLeft", "tpRight")
ZK_ENUM_TYPEINFO(TTabStyle, "tsTabs", "tsButtons", "tsFlatButtons")
const TTypeInfo* TypeInfos::TTabChangingEvent() {
    static const TTypeInfo* info = MakeTypeInfo(tkMethod, "TTabChangingEvent");
    return info;
}

ZK_IMPLEMENT_CLASS(TCustomTabControl, TWinControl, nullptr)

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

void TCustomTabControl::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = TabControlWindowClass();
}

void TCustomTabControl::CreateWnd() {
    TWinControl::CreateWnd();
    TabCtrlSetLook(Handle(), static_cast<TTabSide>(FTabPosition), static_cast<TTabLook>(FStyle));
    TabCtrlSetMultiLine(Handle(), FMultiLine);
    UpdateTabs();
}

void TCustomTabControl::SetMultiLine(bool Value) {
    if (FMultiLine == Value) return;
    FMultiLine = Value;
    if (HandleAllocated()) TabCtrlSetMultiLine(Handle(), Value);
    Realign();
}

int TCustomTabControl::RowCount() {
    return HandleAllocated() ? TabCtrlGetRowCount(Handle()) : 1;
}

void TCustomTabControl::UpdateTabs() {
    if (HandleAllocated()) TabCtrlSetTabs(Handle(), TabCaptions(), FTabIndex);
    // The first tab, or the last one going, moves the page area.
    Realign();
}

void TCustomTabControl::SetTabIndex(int Value) {
    Value = std::clamp(Value, -1, TabCount() - 1);
    if (FTabIndex == Value) return;
    FTabIndex = Value;
    if (HandleAllocated()) TabCtrlSetCurSel(Handle(), Value);
}

void TCustomTabControl::SetTabPosition(TTabPosition Value) {
    if (FTabPosition == Value) return;
    FTabPosition = Value;
    if (HandleAllocated())
        TabCtrlSetLook(Handle(), static_cast<TTabSide>(Value), static_cast<TTabLook>(FStyle));
    Realign();
}

void TCustomTabControl::SetStyle(TTabStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    if (HandleAllocated())
        TabCtrlSetLook(Handle(), static_cast<TTabSide>(FTabPosition), static_cast<TTabLook>(Value));
    Realign();
}

TRect TCustomTabControl::DisplayRect() const {
    if (HandleAllocated())
        return TabCtrlDisplayRect(const_cast<TCustomTabControl*>(this)->Handle());
    // Before the window exists: a one-line row of tabs at the top, as the window will have.
    TRect r = ClientRect();
    r.Top += 24;
    InflateRect(r, -4, -4);
    return r;
}

void TCustomTabControl::AdjustClientRect(TRect& Rect) const {
    Rect = DisplayRect();
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) {
    return HandleAllocated() ? TabCtrlHitTest(Handle(), {X, Y}) : -1;
}

TRect TCustomTabControl::TabRect(int Index) {
    return HandleAllocated() ? TabCtrlItemRect(Handle(), Index) : TRect{};
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() {
    OnChange(this);
}

void TCustomTabControl::Dispatch(TMessage& Message) {
    if (Message.Msg == CN_NOTIFY) {
        TWMNotify notify(Message);
        CNNotify(notify);
        return;
    }
    TWinControl::Dispatch(Message);
}

void TCustomTabControl::CNNotify(TWMNotify& Message) {
    const NMHDR* hdr = Message.NMHdr();
    if (!hdr) return;
    switch (hdr->code) {
    case TCN_SELCHANGING:
        Message.Result = CanChange() ? 0 : 1;
        break;
    case TCN_SELCHANGE:
        FTabIndex = TabCtrlGetCurSel(Handle());
        Change();
        break;
    default:
        break;
    }
}

void TCustomTabControl::WMSize(TWMSize& Message) {
    // The window lays its rows out for the new size before the page area is asked for.
    TWinControl::WMSize(Message);
    Invalidate();
}

void TCustomTabControl::CMFontChanged(TMessage& Message) {
    TWinControl::CMFontChanged(Message);
    Realign();
}
