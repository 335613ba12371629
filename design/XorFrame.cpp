#include "design/XorFrame.h"

#include "design/DrawingResources.h"
#include "host/controls/Controls.h"
#include "host/graphics/GdiApi.h"

TRect ScreenClientRect(TWinControl* control) {
    TRect r = control->ClientRect();
    const TPoint topLeft = control->ClientToScreen(Point(r.Left, r.Top));
    OffsetRect(r, topLeft.X - r.Left, topLeft.Y - r.Top);
    return r;
}

TXorFrame::TXorFrame(TWinControl* clipTo) {
    FDC = GetDC(nullptr);
    SetROP2(FDC, R2_XORPEN);
    if (clipTo) {
        HRGN clip = CreateRectRgnIndirect(ScreenClientRect(clipTo));
        SelectClipRgn(FDC, clip);
        DeleteObject(clip);
        FClipped = true;
    }
    FOldBrush = SelectObject(FDC, GetStockObject(NULL_BRUSH));
    FOldPen = SelectObject(FDC, DesignResources::SelectionPen());
}

TXorFrame::~TXorFrame() {
    SelectObject(FDC, FOldBrush);
    SelectObject(FDC, FOldPen);
    if (FClipped) SelectClipRgn(FDC, nullptr);
    ReleaseDC(nullptr, FDC);
}

void TXorFrame::Draw(const TRect& r) {
    Rectangle(FDC, r.Left, r.Top, r.Right, r.Bottom);
}
