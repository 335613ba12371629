// TCanvas: drawing with a pen, brush and font on a device context.

#include <QFontMetrics>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

ZK_IMPLEMENT_CLASS(TCanvas, TPersistent, nullptr)

namespace {

int Rop2Of(TPenMode mode) {
    static const int rops[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                               R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                               R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                               R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return rops[mode];
}

} // namespace

TCanvas::TCanvas() : FFont(new TFont), FPen(new TPen), FBrush(new TBrush) {
    FFont->SetChangeNotify([](void* c, TObject*) { static_cast<TCanvas*>(c)->FFontValid = false; },
                           this);
    FPen->SetChangeNotify([](void* c, TObject*) { static_cast<TCanvas*>(c)->FPenValid = false; },
                          this);
    FBrush->SetChangeNotify(
        [](void* c, TObject*) { static_cast<TCanvas*>(c)->FBrushValid = false; }, this);
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
    delete FFont;
    delete FPen;
    delete FBrush;
}

HDC TCanvas::Handle() {
    if (!FHandle) CreateHandle();
    return FHandle;
}

void TCanvas::SetHandle(HDC value) {
    if (FHandle == value) return;
    if (FHandle && IsLiveDC(FHandle)) {
        // Hand the old context back with the defaults selected, as it was given.
        SelectObject(FHandle, GetStockObject(BLACK_PEN));
        SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
        SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
    }
    FHandle = value;
    FPenValid = FBrushValid = FFontValid = false;
    if (FHandle) MoveToEx(FHandle, FPenPos.X, FPenPos.Y, nullptr);
}

HDC TCanvas::RequireState(bool pen, bool brush, bool font) {
    HDC dc = Handle();
    if (!dc) throw EInvalidOperation("画布不允许绘图");
    if (pen && !FPenValid) {
        SelectObject(dc, FPen->Handle());
        SetROP2(dc, Rop2Of(FPen->Mode()));
        FPenValid = true;
    }
    if (brush && !FBrushValid) {
        SelectObject(dc, FBrush->Handle());
        SetBkColor(dc, COLORREF(ColorToRGB(FBrush->Color())));
        SetBkMode(dc, FBrush->Style() == bsSolid ? OPAQUE : TRANSPARENT);
        FBrushValid = true;
    }
    if (font && !FFontValid) {
        SelectObject(dc, FFont->Handle());
        SetTextColor(dc, COLORREF(ColorToRGB(FFont->Color())));
        FFontValid = true;
    }
    return dc;
}

void TCanvas::Changing() {
    OnChanging(this);
}
void TCanvas::Changed() {
    OnChange(this);
}

void TCanvas::SetPenPos(TPoint value) {
    MoveTo(value.X, value.Y);
}

TRect TCanvas::ClipRect() {
    TRect r;
    if (HDC dc = Handle()) GetClipBox(dc, &r);
    return r;
}

void TCanvas::MoveTo(int X, int Y) {
    FPenPos = {X, Y};
    if (HDC dc = Handle()) MoveToEx(dc, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
    Changing();
    HDC dc = RequireState(true, true, false);
    MoveToEx(dc, FPenPos.X, FPenPos.Y, nullptr);
    ::LineTo(dc, X, Y);
    FPenPos = {X, Y};
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    Changing();
    ::Polyline(RequireState(true, true, false), points.data(), int(points.size()));
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    Changing();
    ::Polygon(RequireState(true, true, false), points.data(), int(points.size()));
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    Changing();
    ::Rectangle(RequireState(true, true, false), X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    Changing();
    ::RoundRect(RequireState(true, true, false), X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    Changing();
    ::Ellipse(RequireState(true, true, false), X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    Changing();
    HDC dc = RequireState(false, true, false);
    ::FillRect(dc, &r, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& r) {
    Changing();
    HDC dc = RequireState(false, true, false);
    ::FrameRect(dc, &r, FBrush->Handle());
    Changed();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
    Changing();
    HDC dc = RequireState(false, true, true);
    ::TextOut(dc, X, Y, Text);
    FPenPos = {X + TextWidth(Text), Y};
    Changed();
}

void TCanvas::TextRect(const TRect& r, int X, int Y, const std::string& Text) {
    Changing();
    HDC dc = RequireState(false, true, true);
    UINT options = ETO_CLIPPED;
    if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
    ::ExtTextOut(dc, X, Y, options, &r, Text);
    Changed();
}

TSize TCanvas::TextExtent(const std::string& Text) {
    TSize size;
    // Measuring needs no surface: a canvas that cannot draw now can still measure.
    if (Handle()) {
        GetTextExtentPoint32(RequireState(false, false, true), Text, &size);
    } else {
        const QFontMetrics fm(ToQFont(*FFont));
        size = {fm.horizontalAdvance(QString::fromStdString(Text)), fm.height()};
    }
    return size;
}

void TCanvas::Draw(int X, int Y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    graphic->Draw(this, Bounds(X, Y, graphic->Width(), graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    graphic->Draw(this, r);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
    if (!canvas) return;
    Changing();
    HDC dc = RequireState(false, true, true);
    HDC src = canvas->RequireState(false, true, true);
    StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, source.Left, source.Top,
               source.Width(), source.Height(), DWORD(FCopyMode));
    Changed();
}

TColor TCanvas::Pixels(int X, int Y) {
    HDC dc = RequireState(false, false, false);
    // Outside the surface this is CLR_INVALID, i.e. -1, as on the platform.
    return TColor(GetPixel(dc, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor color) {
    Changing();
    SetPixel(RequireState(false, false, false), X, Y, COLORREF(ColorToRGB(color)));
    Changed();
}
