// Three-dimensional frames drawn with a canvas's pen: bevels and sunken borders.
#include <algorithm>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"

void DrawFrame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    // Lines leave out their end point, so each side reaches the next corner exactly.
    --Rect.Bottom;
    --Rect.Right;
    for (; Width > 0; --Width) {
        if (Rect.Left > Rect.Right || Rect.Top > Rect.Bottom) {
            // Nothing left to draw on: a huge width (a bevel width typed into the inspector)
            // only deflates the rectangle, at once, bounded so that it cannot overflow.
            const int rest = std::min(Width, 1 << 24);
            InflateRect(Rect, -rest, -rest);
            break;
        }
        Canvas->Pen()->SetColor(TopColor);
        Canvas->Polyline({{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}});
        Canvas->Pen()->SetColor(BottomColor);
        Canvas->Polyline(
            {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}});
        InflateRect(Rect, -1, -1);
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

void DrawSunkenEdge(TCanvas* Canvas, TRect& Rect) {
    DrawFrame3D(Canvas, Rect, clBtnShadow, clBtnHighlight, 1);
    DrawFrame3D(Canvas, Rect, cl3DDkShadow, cl3DLight, 1);
}
