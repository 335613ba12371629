// TStatusBar and its panels: layout, the size grip, and owner-drawn panels.

#include "host/comctrls/ComCtrls.h"
#include "host/controls/Forms.h"

// ---- Panels -------------------------------------------------------------------------------------

void TStatusPanel::Assign(TPersistent* Source) {
    auto* other = Cast<TStatusPanel>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    FAlignment = other->FAlignment;
    FBevel = other->FBevel;
    FStyle = other->FStyle;
    FText = other->FText;
    FWidth = other->FWidth;
    Changed(false);
}

std::string TStatusPanel::DisplayName() const {
    return FText.empty() ? TCollectionItem::DisplayName() : FText;
}

void TStatusPanel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
    if (FBevel == Value) return;
    FBevel = Value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed(false);
}

void TStatusPanel::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    // Every panel after this one moves.
    Changed(true);
}

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(TStatusPanel::StaticClass(), StatusBar), FStatusBar(StatusBar) {
    SetPropName("Panels");
}

void TStatusPanels::Update(TCollectionItem*) {
    if (FStatusBar) FStatusBar->Invalidate();
}

std::vector<TRect> LayoutStatusPanels(const std::vector<int>& Widths, const TRect& Client,
                                      int GripWidth) {
    std::vector<TRect> rects;
    int x = Client.Left;
    const int right = std::max(Client.Right - GripWidth, Client.Left);
    for (size_t i = 0; i < Widths.size(); ++i) {
        const bool last = i + 1 == Widths.size();
        const int edge = last ? std::max(right, x) : x + std::max(Widths[i], 0);
        rects.push_back({x, Client.Top, edge, Client.Bottom});
        x = edge;
    }
    return rects;
}

// ---- The bar ------------------------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* AOwner)
    : TWinControl(AOwner), FPanels(new TStatusPanels(this)), FCanvas(new TCanvas) {
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {
    FPanels->Free();
    FCanvas->Free();
}

void TStatusBar::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = "msctls_statusbar32";
}

void TStatusBar::SetSimplePanel(bool Value) {
    if (FSimplePanel == Value) return;
    FSimplePanel = Value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& Value) {
    if (FSimpleText == Value) return;
    FSimpleText = Value;
    if (FSimplePanel) Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value) {
    if (FSizeGrip == Value) return;
    FSizeGrip = Value;
    Invalidate();
}

bool TStatusBar::SizeGripShown() const {
    if (!FSizeGrip) return false;
    // Only a bar in the bottom right corner of a sizeable window can size it.
    auto* form = Cast<TCustomForm>(Parent());
    if (!form || form->Parent()) return false;
    if (form->BorderStyle() != bsSizeable && form->BorderStyle() != bsSizeToolWin) return false;
    return Left() + Width() == form->ClientWidth() && Top() + Height() == form->ClientHeight();
}

TRect TStatusBar::SizeGripRect() const {
    if (!SizeGripShown()) return {};
    const int size = std::min(16, Height());
    return Rect(Width() - size, Height() - size, Width(), Height());
}

std::vector<TRect> TStatusBar::PanelRects() const {
    std::vector<int> widths;
    for (int i = 0; i < FPanels->Count(); ++i)
        widths.push_back(FPanels->Items(i)->Width());
    TRect client = ClientRect();
    // The panels stand a little below the bar's top edge, as the bar's own border.
    client.Top = std::min(client.Top + 2, client.Bottom);
    return LayoutStatusPanels(widths, client, SizeGripRect().Width());
}

TRect TStatusBar::PanelRect(int Index) const {
    std::vector<TRect> rects = PanelRects();
    if (Index < 0 || Index >= static_cast<int>(rects.size()))
        throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    return rects[static_cast<size_t>(Index)];
}

int TStatusBar::PanelAt(TPoint Pos) const {
    if (FSimplePanel) return -1;
    std::vector<TRect> rects = PanelRects();
    for (size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(rects[i], Pos)) return static_cast<int>(i);
    return -1;
}

void TStatusBar::PaintWindow(HDC) {
    if (FSimplePanel || !OnDrawPanel) return;
    std::vector<TRect> rects = PanelRects();
    for (int i = 0; i < FPanels->Count() && i < static_cast<int>(rects.size()); ++i) {
        TStatusPanel* panel = FPanels->Items(i);
        if (panel->Style() != psOwnerDraw) continue;
        TRect r = rects[static_cast<size_t>(i)];
        InflateRect(r, -1, -1);
        FCanvas->Font()->Assign(Font());
        FCanvas->Brush()->SetColor(Color());
        OnDrawPanel(this, panel, r);
    }
}

void TStatusBar::WMNCHitTest(TWMNCHitTest& Message) {
    DefaultHandler(Message);
    const TPoint p = ScreenToClient({Message.XPos, Message.YPos});
    if (PtInRect(SizeGripRect(), p)) Message.Result = HTBOTTOMRIGHT;
}

void TStatusBar::WndProc(TMessage& Message) {
    // A press on the grip sizes the form, not the bar: the form runs the sizing loop.
    if (Message.Msg == WM_NCLBUTTONDOWN && Message.WParam == HTBOTTOMRIGHT && SizeGripShown()) {
        Message.Result = Parent()->Perform(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, Message.LParam);
        return;
    }
    TWinControl::WndProc(Message);
}

void TStatusBar::WMSize(TWMSize& Message) {
    TWinControl::WMSize(Message);
    // The last panel and the grip follow the right edge.
    Invalidate();
}
