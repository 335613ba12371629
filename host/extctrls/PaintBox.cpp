// TPaintBox: a rectangle the application paints in OnPaint.

#include "host/extctrls/ExtCtrls.h"

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
    TCanvas* c = Canvas();
    c->Font()->Assign(Font());
    c->Brush()->SetColor(Color());
    if (ComponentState().Contains(csDesigning)) {
        // At design time the box shows where it is, since it may paint nothing itself.
        c->Pen()->SetStyle(psDash);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(0, 0, Width(), Height());
        c->Pen()->SetStyle(psSolid);
        c->Brush()->SetStyle(bsSolid);
    }
    TGraphicControl::Paint();
}
