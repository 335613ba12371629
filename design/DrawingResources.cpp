#include "design/DrawingResources.h"

#include "host/controls/Forms.h"
#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"

namespace {
HPEN gSelectionPen = nullptr;
HPEN gGridPen = nullptr;
TBitmap* gGridBitmap = nullptr;
/// The grid in the screen's format, already in the colours of the last form painted.
TBitmap* gGridImage = nullptr;
TColor gGridBack = clNone, gGridFore = clNone;
bool gStarted = false;

HPEN MakeDashedPen(COLORREF color, DWORD on, DWORD off) {
    LOGBRUSH brush{BS_SOLID, color, 0};
    const DWORD dashes[2] = {on, off};
    // Geometric, user-styled, flat ends, bevel joins.
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 1, &brush, 2,
                        dashes);
}

TBitmap* MakeGridBitmap(int width, int height, HPEN pen, int pitch) {
    auto* bmp = new TBitmap();
    bmp->SetMonochrome(true);
    bmp->SetWidth(width);
    bmp->SetHeight(height);
    TCanvas* canvas = bmp->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, width, height));
    HDC dc = canvas->Handle();
    HGDIOBJ old = SelectObject(dc, pen);
    for (int y = 0; y < height; y += pitch) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, width, y);
    }
    SelectObject(dc, old);
    return bmp;
}

/// The grid of another pitch than the default, made when a designer first asks for it.
struct TPitchGrid {
    int Pitch = 0;
    TBitmap* Image = nullptr;
    TColor Back = clNone, Fore = clNone;
};
TPitchGrid gOtherGrid;

/// Colours the monochrome bmp into image (made when null), by the same blit that a paint of
/// the monochrome grid would use.
TBitmap* ColourGrid(TBitmap* image, TBitmap* bmp, TColor back, TColor fore) {
    if (!image) image = new TBitmap();
    image->SetWidth(bmp->Width());
    image->SetHeight(bmp->Height());
    TCanvas* canvas = image->Canvas();
    canvas->Brush()->SetColor(back);
    canvas->Font()->SetColor(fore);
    canvas->Draw(0, 0, bmp);
    return image;
}
} // namespace

namespace DesignResources {

void Startup() {
    if (gStarted) return;
    gStarted = true;
    gSelectionPen = MakeDashedPen(RGB(192, 192, 192), 4, 4);
    gGridPen = MakeDashedPen(RGB(0, 0, 0), 1, 7);
    gGridBitmap = MakeGridBitmap(Screen->Width(), Screen->Height(), gGridPen, 8);
}

void Shutdown() {
    if (!gStarted) return;
    gStarted = false;
    if (gSelectionPen) DeleteObject(gSelectionPen);
    if (gGridPen) DeleteObject(gGridPen);
    gSelectionPen = gGridPen = nullptr;
    delete gGridBitmap;
    gGridBitmap = nullptr;
    delete gGridImage;
    gGridImage = nullptr;
    delete gOtherGrid.Image;
    gOtherGrid = TPitchGrid{};
}

HPEN SelectionPen() {
    Startup();
    return gSelectionPen;
}

HPEN GridPen() {
    Startup();
    return gGridPen;
}

TBitmap* GridBitmap() {
    Startup();
    return gGridBitmap;
}

TBitmap* GridImage(TColor back, TColor fore) {
    Startup();
    // Compared as the colours they show, so that a system colour that changed is seen.
    back = ColorToRGB(back);
    fore = ColorToRGB(fore);
    if (gGridImage && gGridBack == back && gGridFore == fore) return gGridImage;
    gGridImage = ColourGrid(gGridImage, gGridBitmap, back, fore);
    gGridBack = back;
    gGridFore = fore;
    return gGridImage;
}

TBitmap* GridImage(TColor back, TColor fore, int pitch) {
    if (pitch == 8) return GridImage(back, fore);
    Startup();
    back = ColorToRGB(back);
    fore = ColorToRGB(fore);
    TPitchGrid& g = gOtherGrid;
    if (g.Image && g.Pitch == pitch && g.Back == back && g.Fore == fore) return g.Image;
    // One other pitch is kept: a form's designers share one grid size.
    HPEN pen = MakeDashedPen(RGB(0, 0, 0), 1, static_cast<DWORD>(pitch - 1));
    TBitmap* bmp = MakeGridBitmap(gGridBitmap->Width(), gGridBitmap->Height(), pen, pitch);
    DeleteObject(pen);
    g.Image = ColourGrid(g.Image, bmp, back, fore);
    delete bmp;
    g.Pitch = pitch;
    g.Back = back;
    g.Fore = fore;
    return g.Image;
}

} // namespace DesignResources
