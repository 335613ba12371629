// TSpeedButton: pressing, releasing and group exclusivity, and its face, glyph and caption.

#include "host/buttons/Buttons.h"
#include "host/controls/HotkeyText.h"
#include "host/graphics/GdiApi.h"
#include "host/menus/Menus.h"
#include "host/qt/StyledPaint_p.h"

TButtonLayoutResult CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize,
                                     TButtonLayout Layout, int Margin, int Spacing) {
    const TSize client{Client.Width(), Client.Height()};
    const bool sideBySide = Layout == blGlyphLeft || Layout == blGlyphRight;
    TPoint glyph;
    TPoint text;
    // Across the layout direction both are centred.
    if (sideBySide) {
        glyph.Y = (client.cy - GlyphSize.cy + 1) / 2;
        text.Y = (client.cy - TextSize.cy + 1) / 2;
    } else {
        glyph.X = (client.cx - GlyphSize.cx + 1) / 2;
        text.X = (client.cx - TextSize.cx + 1) / 2;
    }
    if (TextSize.cx == 0 || GlyphSize.cx == 0) Spacing = 0;
    const int room = sideBySide ? client.cx : client.cy;
    const int glyphLength = sideBySide ? GlyphSize.cx : GlyphSize.cy;
    const int textLength = sideBySide ? TextSize.cx : TextSize.cy;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (room - glyphLength - textLength) / 3;
            Spacing = Margin;
        } else {
            Margin = (room - glyphLength - Spacing - textLength + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = (room - Margin - glyphLength - textLength) / 2;
    }
    switch (Layout) {
    case blGlyphLeft:
        glyph.X = Margin;
        text.X = glyph.X + GlyphSize.cx + Spacing;
        break;
    case blGlyphRight:
        glyph.X = client.cx - Margin - GlyphSize.cx;
        text.X = glyph.X - Spacing - TextSize.cx;
        break;
    case blGlyphTop:
        glyph.Y = Margin;
        text.Y = glyph.Y + GlyphSize.cy + Spacing;
        break;
    case blGlyphBottom:
        glyph.Y = client.cy - Margin - GlyphSize.cy;
        text.Y = glyph.Y - Spacing - TextSize.cy;
        break;
    }
    TButtonLayoutResult r;
    r.GlyphPos = {glyph.X + Client.Left, glyph.Y + Client.Top};
    r.TextBounds = Bounds(text.X + Client.Left, text.Y + Client.Top, TextSize.cx, TextSize.cy);
    return r;
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(new TBitmap) {
    // The button clicks on its own release; the framework's click on any release would come
    // for presses that went up outside too.
    FControlStyle = {csCaptureMouse, csDoubleClicks};
    FGlyph->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() {
    FGlyph->OnChange = nullptr;
    FGlyph->Free();
}

void TSpeedButton::GlyphChanged(TObject*) {
    // A glyph made of several images says how many by its proportions.
    if (FGlyph->Width() > 0 && FGlyph->Height() > 0 && FGlyph->Width() % FGlyph->Height() == 0) {
        const int n = FGlyph->Width() / FGlyph->Height();
        if (n >= 1 && n <= 4) FNumGlyphs = n;
    }
    Invalidate();
}

// ---- State --------------------------------------------------------------------------------------

void TSpeedButton::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
    } else {
        FState = bsUp;
        Repaint();
    }
    if (Value) UpdateExclusive();
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
    Value = std::clamp(Value, 1, 4);
    if (FNumGlyphs == Value) return;
    FNumGlyphs = Value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
    Value = std::max(Value, -1);
    if (FMargin == Value) return;
    FMargin = Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent()) return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c != this) c->Perform(CM_BUTTONPRESSED, FGroupIndex, reinterpret_cast<intptr_t>(this));
    }
}

void TSpeedButton::ButtonPressed(int Group, TSpeedButton* Sender) {
    if (Group != FGroupIndex || !Sender) return;
    if (Sender->FDown && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = Sender->FAllowAllUp;
}

void TSpeedButton::WndProc(TMessage& Message) {
    if (Message.Msg == CM_BUTTONPRESSED) {
        auto* sender = reinterpret_cast<TObject*>(Message.LParam);
        ButtonPressed(static_cast<int>(Message.WParam), Cast<TSpeedButton>(sender));
        return;
    }
    TGraphicControl::WndProc(Message);
}

void TSpeedButton::CMEnabledChanged(TMessage& Message) {
    FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
    TGraphicControl::CMEnabledChanged(Message);
}

void TSpeedButton::CMDialogChar(TWMKey& Message) {
    if (Enabled() && Visible() && Parent() && Parent()->Showing() &&
        IsAccel(Message.CharCode, Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    TGraphicControl::CMDialogChar(Message);
}

// ---- Mouse --------------------------------------------------------------------------------------

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    // The face follows the cursor in and out while the button is held.
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (PtInRect(ClientRect(), {X, Y})) state = FDown ? bsExclusive : bsDown;
    if (state != FState) {
        FState = state;
        Repaint();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    const bool clicked = PtInRect(ClientRect(), {X, Y});
    if (FGroupIndex == 0) {
        FState = bsUp;
        Repaint();
    } else if (clicked) {
        SetDown(!FDown);
        FState = FDown ? bsExclusive : bsUp;
        Repaint();
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Repaint();
    }
    if (clicked) Click();
}

// ---- Painting -----------------------------------------------------------------------------------

void TSpeedButton::DrawGlyph(TCanvas* canvas, TPoint pos) {
    if (FGlyph->Empty()) return;
    const int w = FGlyph->Width() / FNumGlyphs;
    const int h = FGlyph->Height();
    int index = 0;
    switch (FState) {
    case bsDisabled:
        index = 1;
        break;
    case bsDown:
        index = 2;
        break;
    case bsExclusive:
        index = 3;
        break;
    default:
        break;
    }
    if (index >= FNumGlyphs) index = 0;
    // One image out of the strip, drawn with the strip's transparent colour left out.
    TBitmap image;
    image.SetSize(w, h);
    image.Canvas()->CopyRect(Rect(0, 0, w, h), FGlyph->Canvas(), Bounds(index * w, 0, w, h));
    image.SetTransparentColor(FGlyph->TransparentColor());
    image.SetTransparent(true);
    canvas->Draw(pos.X, pos.Y, &image);
}

void TSpeedButton::Paint() {
    TCanvas* c = Canvas();
    if (!Enabled())
        FState = bsDisabled;
    else if (FState == bsDisabled)
        FState = FDown ? bsExclusive : bsUp;
    const bool pressed = FState == bsDown || FState == bsExclusive;
    TRect face = ClientRect();
    DrawButtonFace(c, face, {pressed, FFlat, Enabled(), true});
    TRect client = face;
    InflateRect(client, -1, -1);
    if (pressed) OffsetRect(client, 1, 1);

    c->Font()->Assign(Font());
    const std::string caption = StripHotkey(Caption());
    const TSize textSize = caption.empty() ? TSize{} : c->TextExtent(caption);
    const TSize glyphSize =
        FGlyph->Empty() ? TSize{} : TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    const TButtonLayoutResult layout =
        CalcButtonLayout(client, glyphSize, textSize, FLayout, FMargin, FSpacing);
    DrawGlyph(c, layout.GlyphPos);
    if (!caption.empty()) {
        c->Brush()->SetStyle(bsClear);
        if (!Enabled()) {
            c->Font()->SetColor(clBtnHighlight);
            TextOutWithHotkey(c, layout.TextBounds.Left + 1, layout.TextBounds.Top + 1, Caption());
            c->Font()->SetColor(clBtnShadow);
        }
        TextOutWithHotkey(c, layout.TextBounds.Left, layout.TextBounds.Top, Caption());
        c->Brush()->SetStyle(bsSolid);
    }
}
