// TCustomPanel and TPanel: bevels, border and caption painted on the panel's canvas.

#include "host/containers/Panels.h"

#include "host/qt/ContainerWindows_p.h"
#include "host/qt/WindowState_p.h"

namespace {
void PublishPanel(TPublisher& p) {
    p.Prop("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter);
    p.Prop("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
    p.Prop("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
    p.Prop("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
    p.Prop("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
    p.Prop("BorderStyle", TypeInfos::TBorderStyle(), &TCustomPanel::BorderStyle,
           &TCustomPanel::SetBorderStyle)
        .Default(bsNone);
    p.Prop("Caption", TypeInfos::TCaption(), &TControl::Caption, &TControl::SetCaption);
    p.Prop("Color", TypeInfos::TColor(), &TControl::Color, &TControl::SetColor)
        .Default(clBtnFace)
        .Stored(&TControl::IsColorStored);
    p.Prop("FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint).Default(1);
    p.Prop("ParentBackground", &TCustomPanel::ParentBackground, &TCustomPanel::SetParentBackground)
        .Default(1);
    p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(0);
    p.Prop("OnPaint", &TCustomControl::OnPaint, &TCustomControl::OnPaint);
}

/// The colours of a bevel's top-left and bottom-right edges.
void BevelColors(TPanelBevel bevel, TColor& top, TColor& bottom) {
    top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
}

const bool registered = (RegisterClass(TPanel::StaticClass()), true);
} // namespace

ZK_IMPLEMENT_CLASS(TCustomPanel, TCustomControl, nullptr)
ZK_IMPLEMENT_CLASS(TPanel, TCustomPanel, PublishPanel)

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    (void)registered;
    // Not opaque while the parent's background shows through (the default).
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csSetCaption,      csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.WinClassName = PanelWindowClass();
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

TRect TCustomPanel::ClientRect() const {
    TRect r = TCustomControl::ClientRect();
    InflateRect(r, -BorderEdge(), -BorderEdge());
    return r;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) const {
    InflateRect(Rect, -FBorderWidth, -FBorderWidth);
    int bevel = 0;
    if (FBevelOuter != bvNone) bevel += FBevelWidth;
    if (FBevelInner != bvNone) bevel += FBevelWidth;
    InflateRect(Rect, -bevel, -bevel);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
    if (FBevelInner == Value) return;
    FBevelInner = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
    if (FBevelOuter == Value) return;
    FBevelOuter = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
    Value = std::max(Value, 1);
    if (FBevelWidth == Value) return;
    FBevelWidth = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderWidth(TBorderWidth Value) {
    Value = std::max(Value, 0);
    if (FBorderWidth == Value) return;
    FBorderWidth = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsSingle) Value = bsNone;
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    UpdateClientEdge(Value == bsSingle);
    Realign();
    Invalidate();
}

void TCustomPanel::SetParentBackground(bool Value) {
    if (FParentBackground == Value) return;
    FParentBackground = Value;
    if (Value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    if (HandleAllocated()) SetWindowOpaque(Handle(), !Value);
    Invalidate();
}

void TCustomPanel::WMEraseBkgnd(TWMEraseBkgnd& Message) {
    // What lies beneath is the parent's painting, left as it is.
    if (FParentBackground) {
        Message.Result = 1;
        return;
    }
    TCustomControl::WMEraseBkgnd(Message);
}

void TCustomPanel::WMSize(TWMSize& Message) {
    TCustomControl::WMSize(Message);
    if (FFullRepaint) Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas* c = Canvas();
    TRect r = TCustomControl::ClientRect();
    if (FBorderStyle == bsSingle) {
        DrawSunkenEdge(c, r);
    }
    TColor top, bottom;
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, top, bottom);
        DrawFrame3D(c, r, top, bottom, FBevelWidth);
    }
    // The border width is the panel's face, like the inside.
    if (FParentBackground)
        InflateRect(r, -FBorderWidth, -FBorderWidth);
    else
        DrawFrame3D(c, r, Color(), Color(), FBorderWidth);
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, top, bottom);
        DrawFrame3D(c, r, top, bottom, FBevelWidth);
    }
    if (!FParentBackground) {
        c->Brush()->SetColor(Color());
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(r);
    }
    const std::string caption = Caption();
    if (!caption.empty()) {
        c->Font()->Assign(Font());
        c->Brush()->SetStyle(bsClear);
        const TSize size = c->TextExtent(caption);
        int x = r.Left + (r.Width() - size.cx) / 2;
        if (FAlignment == taLeftJustify) x = r.Left;
        if (FAlignment == taRightJustify) x = r.Right - size.cx;
        const int y = r.Top + (r.Height() - size.cy) / 2;
        c->TextRect(r, x, y, caption);
    }
    TCustomControl::Paint();
}
