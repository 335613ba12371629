// TShape and TBevel: figures drawn with a pen and brush, and 3-D boxes and lines.

#include "host/extctrls/ExtCtrls.h"

// ---- TShape ------------------------------------------------------------------------------------

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner), FPen(new TPen), FBrush(new TBrush) {
    FControlStyle.Include(csReplicatable);
    FPen->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
    FBrush->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
    SetBounds(0, 0, 65, 65);
}

TShape::~TShape() {
    FPen->Free();
    FBrush->Free();
}

void TShape::StyleChanged(TObject*) {
    Invalidate();
}

void TShape::SetShape(TShapeType Value) {
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

TRect TShape::ShapeRect() const {
    // The outline stays inside the control whatever the pen's width.
    const int penWidth = FPen->Width();
    int x = penWidth / 2;
    int y = x;
    int w = Width() - penWidth + 1;
    int h = Height() - penWidth + 1;
    if (penWidth == 0) {
        --w;
        --h;
    }
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        const int s = std::min(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    return Bounds(x, y, w, h);
}

void TShape::Paint() {
    TCanvas* c = Canvas();
    c->Pen()->Assign(FPen);
    c->Brush()->Assign(FBrush);
    const TRect r = ShapeRect();
    const int corner = std::min(r.Width(), r.Height()) / 4;
    switch (FShape) {
    case stRectangle:
    case stSquare:
        c->Rectangle(r);
        break;
    case stRoundRect:
    case stRoundSquare:
        c->RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
        break;
    case stEllipse:
    case stCircle:
        c->Ellipse(r);
        break;
    }
}

// ---- TBevel -------------------------------------------------------------------------------------

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas* c = Canvas();
    // Lowered: the shadow comes first (top and left), the light after; raised the other way.
    TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width();
    const int h = Height();
    auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
        c->Pen()->SetColor(color);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    auto box = [c](TColor topLeft, TColor bottomRight, const TRect& r) {
        c->Pen()->SetColor(topLeft);
        c->Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
        c->Pen()->SetColor(bottomRight);
        c->Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
    };
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    switch (FShape) {
    case bsBox:
        box(first, second, Rect(0, 0, w - 1, h - 1));
        break;
    case bsFrame:
        // Two boxes one pixel apart make an etched (or embossed) frame.
        box(second, second, Rect(1, 1, w - 1, h - 1));
        box(first, first, Rect(0, 0, w - 2, h - 2));
        break;
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        if (ComponentState().Contains(csDesigning)) {
            c->Pen()->SetStyle(psDot);
            c->Pen()->SetColor(clBlack);
            c->Brush()->SetStyle(bsClear);
            c->Rectangle(0, 0, w, h);
        }
        break;
    }
}
