// TCustomControl and TGraphicControl: controls that paint themselves on a canvas.

#include "host/controls/Controls.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() {
    if (FCanvas) FCanvas->Free();
}

TCanvas* TCustomControl::Canvas() const {
    if (!FCanvas) FCanvas = new TCanvas;
    return FCanvas;
}

void TCustomControl::Paint() {
    OnPaint(this);
}

void TCustomControl::PaintWindow(HDC) {
    Paint();
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(new TCanvas) {}

TGraphicControl::~TGraphicControl() {
    FCanvas->Free();
}

void TGraphicControl::Paint() {
    OnPaint(this);
}

void TGraphicControl::WMPaint(TWMPaint& Message) {
    // The parent's window binds the canvas at this control's place before sending WM_PAINT.
    if (FCanvas->HandleAllocated()) Paint();
    DefaultHandler(Message);
}
