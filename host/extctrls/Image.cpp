// TImage: a picture shown at its own size, centred, or stretched into the control.

#include "host/extctrls/ExtCtrls.h"

TRect ImageDestRect(int PictureWidth, int PictureHeight, int ClientWidth, int ClientHeight,
                    bool Stretch, bool Proportional, bool Center) {
    int w = PictureWidth;
    int h = PictureHeight;
    const bool fitting = Proportional && (w > ClientWidth || h > ClientHeight);
    if (Stretch || fitting) {
        if (Proportional && w > 0 && h > 0) {
            // The longer side fills the box; the other follows the picture's proportions.
            const double aspect = double(w) / h;
            if (w > h) {
                w = ClientWidth;
                h = int(ClientWidth / aspect);
                if (h > ClientHeight) {
                    h = ClientHeight;
                    w = int(ClientHeight * aspect);
                }
            } else {
                h = ClientHeight;
                w = int(ClientHeight * aspect);
                if (w > ClientWidth) {
                    w = ClientWidth;
                    h = int(ClientWidth / aspect);
                }
            }
        } else {
            w = ClientWidth;
            h = ClientHeight;
        }
    }
    int x = 0;
    int y = 0;
    if (Center) {
        x = (ClientWidth - w) / 2;
        y = (ClientHeight - h) / 2;
    }
    return Bounds(x, y, w, h);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture) {
    FControlStyle.Include(csReplicatable);
    FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
    FPicture->OnChange = nullptr;
    FPicture->Free();
}

TCanvas* TImage::Canvas() {
    TBitmap* bitmap = FPicture->Bitmap();
    // A new drawing surface starts at the control's size.
    if (bitmap->Empty()) bitmap->SetSize(Width(), Height());
    return bitmap->Canvas();
}

void TImage::PictureChanged(TObject*) {
    if (TGraphic* g = FPicture->Graphic()) {
        if (g->Transparent() != FTransparent) g->SetTransparent(FTransparent);
        if (FAutoSize && !g->Empty()) SetBounds(Left(), Top(), g->Width(), g->Height());
    }
    Invalidate();
}

void TImage::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
    if (FCenter == Value) return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetProportional(bool Value) {
    if (FProportional == Value) return;
    FProportional = Value;
    Invalidate();
}

void TImage::SetStretch(bool Value) {
    if (FStretch == Value) return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    PictureChanged(this);
}

TRect TImage::DestRect() const {
    return ImageDestRect(FPicture->Width(), FPicture->Height(), ClientWidth(), ClientHeight(),
                         FStretch, FProportional, FCenter);
}

void TImage::Paint() {
    TCanvas* c = TGraphicControl::Canvas();
    if (ComponentState().Contains(csDesigning)) {
        c->Pen()->SetStyle(psDash);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(0, 0, Width(), Height());
        c->Pen()->SetStyle(psSolid);
        c->Brush()->SetStyle(bsSolid);
    }
    TGraphic* g = FPicture->Graphic();
    if (!g || g->Empty()) return;
    const TRect r = DestRect();
    if (r.Width() == g->Width() && r.Height() == g->Height())
        c->Draw(r.Left, r.Top, g);
    else
        c->StretchDraw(r, g);
}
