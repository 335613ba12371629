#include "design/DrawingResources.h"

#include "host/controls/Forms.h"
#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"

namespace {
HPEN gSelectionPen = nullptr;
HPEN gGridPen = nullptr;
TBitmap* gGridBitmap = nullptr;
bool gStarted = false;

HPEN MakeDashedPen(COLORREF color, DWORD on, DWORD off) {
    LOGBRUSH brush{BS_SOLID, color, 0};
    const DWORD dashes[2] = {on, off};
    // Geometric, user-styled, flat ends, bevel joins.
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 1, &brush, 2,
                        dashes);
}

TBitmap* MakeGridBitmap(int width, int height) {
    auto* bmp = new TBitmap();
    bmp->SetMonochrome(true);
    bmp->SetWidth(width);
    bmp->SetHeight(height);
    TCanvas* canvas = bmp->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, width, height));
    HDC dc = canvas->Handle();
    HGDIOBJ old = SelectObject(dc, gGridPen);
    for (int y = 0; y < height; y += 8) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, width, y);
    }
    SelectObject(dc, old);
    return bmp;
}
} // namespace

namespace DesignResources {

void Startup() {
    if (gStarted) return;
    gStarted = true;
    gSelectionPen = MakeDashedPen(RGB(192, 192, 192), 4, 4);
    gGridPen = MakeDashedPen(RGB(0, 0, 0), 1, 7);
    gGridBitmap = MakeGridBitmap(Screen->Width(), Screen->Height());
}

void Shutdown() {
    if (!gStarted) return;
    gStarted = false;
    if (gSelectionPen) DeleteObject(gSelectionPen);
    if (gGridPen) DeleteObject(gGridPen);
    gSelectionPen = gGridPen = nullptr;
    delete gGridBitmap;
    gGridBitmap = nullptr;
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

} // namespace DesignResources
