// TCustomLabel: a caption painted on the parent's window, sized to its text when AutoSize.

#include <algorithm>

#include "host/graphics/GdiApi.h"
#include "host/stdctrls/StdCtrls.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
}

uint32_t TCustomLabel::DrawFlags() const {
    static const uint32_t alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    uint32_t flags = alignments[FAlignment];
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DoDrawText(HDC DC, TRect& Rect, uint32_t Flags) {
    std::string text = Caption();
    // An empty caption still measures one line high, so that an empty label does not vanish.
    if ((Flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += " ";
    Canvas()->Font()->Assign(Font());
    SelectObject(DC, Canvas()->Font()->Handle());
    SetBkMode(DC, TRANSPARENT);
    if (!Enabled() && !(Flags & DT_CALCRECT)) {
        // Disabled text is embossed: a highlight one pixel down and right, the shadow over it.
        OffsetRect(Rect, 1, 1);
        SetTextColor(DC, COLORREF(ColorToRGB(clBtnHighlight)));
        DrawText(DC, text, &Rect, Flags);
        OffsetRect(Rect, -1, -1);
        SetTextColor(DC, COLORREF(ColorToRGB(clBtnShadow)));
        DrawText(DC, text, &Rect, Flags);
        return;
    }
    SetTextColor(DC, COLORREF(ColorToRGB(Font()->Color())));
    DrawText(DC, text, &Rect, Flags);
}

void TCustomLabel::Paint() {
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(client);
    }
    canvas->Brush()->SetStyle(bsClear);
    HDC dc = canvas->Handle();
    TRect r = client;
    const uint32_t flags = DrawFlags();
    if (FLayout != tlTop) {
        TRect calc = client;
        DoDrawText(dc, calc, flags | DT_CALCRECT);
        const int spare = client.Height() - calc.Height();
        OffsetRect(r, 0, FLayout == tlBottom ? spare : spare / 2);
    }
    DoDrawText(dc, r, flags);
}

void TCustomLabel::AdjustBounds() {
    // Every change that may alter the measure comes through here: the last fit holds no more.
    FFitValid = false;
    if (FAdjusting || !FAutoSize || ComponentState().Contains(csLoading)) return;
    HDC dc = CreateCompatibleDC(nullptr);
    TRect r = ClientRect();
    // Without word wrap the text decides the width too; with it, the width stays.
    if (!FWordWrap) r.Right = r.Left;
    DoDrawText(dc, r, DrawFlags() | DT_CALCRECT);
    DeleteDC(dc);
    // Wrapped lines keep the width they were wrapped to, as the platform measures them.
    if (FWordWrap) r.Right = std::max(r.Right, Width());
    FitTo(r.Right, r.Bottom);
}

void TCustomLabel::FitTo(int width, int height) {
    int left = Left();
    if (FAlignment == taRightJustify) left += Width() - width;
    FAdjusting = true;
    try {
        SetBounds(left, Top(), width, height);
    } catch (...) {
        FAdjusting = false;
        throw;
    }
    FAdjusting = false;
    FFitValid = true;
    FTextWidth = width;
    FTextHeight = height;
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    if (Value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (FShowAccelChar == Value) return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
    if (FFocusControl == Value) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::CMTextChanged(TMessage& Message) {
    TGraphicControl::CMTextChanged(Message);
    AdjustBounds();
}

void TCustomLabel::CMParentFontChanged(TMessage& Message) {
    // A label that follows its parent's font fits its text again on a move, also to a parent
    // whose font is the one it has already, where no font change tells it to.
    const bool unchanged = ParentFont() && Parent() && Font()->SameAs(*Parent()->Font());
    TGraphicControl::CMParentFontChanged(Message);
    if (!unchanged) return;
    // With nothing changed since the last fit, the text measures as it did then (wrapped
    // text only at the width it was wrapped to): the label takes that size again.
    if (FFitValid && FAutoSize && !FAdjusting && !ComponentState().Contains(csLoading) &&
        (!FWordWrap || Width() == FTextWidth)) {
        FitTo(FTextWidth, FTextHeight);
        return;
    }
    AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message) {
    TGraphicControl::CMFontChanged(Message);
    AdjustBounds();
}

void TCustomLabel::CMDialogChar(TWMKey& Message) {
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(Message.CharCode, Caption()) &&
        FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
        return;
    }
    TGraphicControl::CMDialogChar(Message);
}

void TCustomLabel::CMEnabledChanged(TMessage& Message) {
    TGraphicControl::CMEnabledChanged(Message);
    Invalidate();
}
