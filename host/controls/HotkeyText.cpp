// Captions with an underlined access key, drawn the way the platform's DrawText draws them.

#include "host/controls/HotkeyText.h"

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/menus/Menus.h"

void TextOutWithHotkey(TCanvas* Canvas, int X, int Y, const std::string& Caption) {
    const TSize size = Canvas->TextExtent(StripHotkey(Caption));
    HDC dc = Canvas->Handle();
    SelectObject(dc, Canvas->Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(ColorToRGB(Canvas->Font()->Color())));
    TRect r = Rect(X, Y, X + size.cx, Y + size.cy);
    DrawText(dc, Caption, &r, DT_SINGLELINE | DT_NOCLIP);
}
