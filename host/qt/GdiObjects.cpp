// Pens, brushes, fonts, bitmaps and regions behind the GDI-style handles.

#include <QPainter>

#include <algorithm>
#include <unordered_set>

#include "host/qt/Gdi_p.h"

namespace {

std::unordered_set<TGdiObjectRec*>& LiveObjects() {
    static std::unordered_set<TGdiObjectRec*> live;
    return live;
}

TGdiObjectRec* NewObject(TGdiKind kind) {
    auto* rec = new TGdiObjectRec;
    rec->Kind = kind;
    LiveObjects().insert(rec);
    return rec;
}

QRect RectOf(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}

int RegionType(const QRegion& r) {
    if (r.isEmpty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TGdiObjectRec* MakePen(DWORD style, int width, COLORREF color) {
    TGdiObjectRec* rec = NewObject(TGdiKind::Pen);
    rec->PenStyle = style;
    rec->PenWidth = std::max(width, 1);
    rec->Color = color & 0xFFFFFF;
    return rec;
}

TGdiObjectRec* MakeBrush(UINT style, COLORREF color, int hatch) {
    TGdiObjectRec* rec = NewObject(TGdiKind::Brush);
    rec->BrushStyle = style;
    rec->Color = color & 0xFFFFFF;
    rec->Hatch = hatch;
    return rec;
}

// The built-in cosmetic dash styles, in pixels (on, off, ...).
std::vector<qreal> BuiltinDashes(DWORD style) {
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE:
        return {1, 1};
    default:
        return {};
    }
}

} // namespace

TGdiObjectRec* LiveObject(HGDIOBJ obj, TGdiKind kind) {
    if (!obj || !LiveObjects().count(obj) || obj->Kind != kind) return nullptr;
    return obj;
}

bool IsLiveObject(HGDIOBJ obj) {
    return obj && LiveObjects().count(obj);
}

void SetObjectOwner(HGDIOBJ obj, HGDIOBJ* slot) {
    if (IsLiveObject(obj) && !obj->Stock) obj->OwnerSlot = slot;
}

HBITMAP CreateBitmapObject(const QImage& image, bool monochrome) {
    TGdiObjectRec* rec = NewObject(TGdiKind::Bitmap);
    rec->Image = image;
    rec->Monochrome = monochrome;
    return rec;
}

HRGN CreateRegion(const QRegion& region) {
    TGdiObjectRec* rec = NewObject(TGdiKind::Region);
    rec->Region = region;
    return rec;
}

QRegion RegionOf(HRGN rgn) {
    TGdiObjectRec* rec = LiveObject(rgn, TGdiKind::Region);
    return rec ? rec->Region : QRegion();
}

QPen ToQPen(const TGdiObjectRec* pen) {
    if (!pen) return QPen(Qt::black);
    const DWORD style = pen->PenStyle & PS_STYLE_MASK;
    if (style == PS_NULL) return QPen(Qt::NoPen);
    const bool geometric = (pen->PenStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
    const int width = std::max(pen->PenWidth, 1);
    QPen q(ColorRefToQColor(pen->Color));
    q.setWidth(width);
    q.setCosmetic(width == 1);
    // A cosmetic pen leaves out the last pixel of a line, as the flat cap does.
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::MiterJoin;
    if (geometric) {
        switch (pen->PenStyle & PS_ENDCAP_MASK) {
        case PS_ENDCAP_SQUARE:
            cap = Qt::SquareCap;
            break;
        case PS_ENDCAP_FLAT:
            cap = Qt::FlatCap;
            break;
        default:
            cap = width > 1 ? Qt::RoundCap : Qt::FlatCap;
            break;
        }
        switch (pen->PenStyle & PS_JOIN_MASK) {
        case PS_JOIN_BEVEL:
            join = Qt::BevelJoin;
            break;
        case PS_JOIN_MITER:
            join = Qt::MiterJoin;
            break;
        default:
            join = width > 1 ? Qt::RoundJoin : Qt::MiterJoin;
            break;
        }
    }
    q.setCapStyle(cap);
    q.setJoinStyle(join);
    std::vector<qreal> pixels;
    if (style == PS_USERSTYLE) {
        for (DWORD d : pen->Dashes)
            pixels.push_back(qreal(d));
        // An odd pattern repeats with drawn and skipped lengths swapped.
        if (pixels.size() % 2) pixels.insert(pixels.end(), pixels.begin(), pixels.end());
    } else {
        pixels = BuiltinDashes(style);
    }
    if (!pixels.empty()) {
        QList<qreal> pattern;
        for (qreal p : pixels)
            pattern.append(std::max<qreal>(p, 0.001) / width);
        q.setDashPattern(pattern);
    }
    return q;
}

QBrush ToQBrush(const TGdiObjectRec* brush) {
    if (!brush || brush->BrushStyle == BS_NULL) return QBrush(Qt::NoBrush);
    const QColor c = ColorRefToQColor(brush->Color);
    if (brush->BrushStyle == BS_HATCHED) {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(c, hatches[std::clamp(brush->Hatch, 0, 5)]);
    }
    return QBrush(c);
}

// ---- Regions ------------------------------------------------------------------------------

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return CreateRegion(QRegion(RectOf(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const TRect& r) {
    return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return CreateRegion(QRegion(RectOf(left, top, right, bottom), QRegion::Ellipse));
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
    TGdiObjectRec* d = LiveObject(dst, TGdiKind::Region);
    TGdiObjectRec* ra = LiveObject(a, TGdiKind::Region);
    TGdiObjectRec* rb = LiveObject(b, TGdiKind::Region);
    if (!d || !ra || (mode != RGN_COPY && !rb)) return ERROR;
    switch (mode) {
    case RGN_AND:
        d->Region = ra->Region.intersected(rb->Region);
        break;
    case RGN_OR:
        d->Region = ra->Region.united(rb->Region);
        break;
    case RGN_XOR:
        d->Region = ra->Region.xored(rb->Region);
        break;
    case RGN_DIFF:
        d->Region = ra->Region.subtracted(rb->Region);
        break;
    case RGN_COPY:
        d->Region = ra->Region;
        break;
    default:
        return ERROR;
    }
    return RegionType(d->Region);
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
    TGdiObjectRec* r = LiveObject(rgn, TGdiKind::Region);
    return r && r->Region.contains(QPoint(x, y));
}

BOOL RectInRegion(HRGN rgn, const TRect& rc) {
    TGdiObjectRec* r = LiveObject(rgn, TGdiKind::Region);
    return r && r->Region.intersects(RectOf(rc.Left, rc.Top, rc.Right, rc.Bottom));
}

int GetRgnBox(HRGN rgn, TRect* box) {
    TGdiObjectRec* r = LiveObject(rgn, TGdiKind::Region);
    if (!r) return ERROR;
    if (box) {
        const QRect b = r->Region.boundingRect();
        *box =
            r->Region.isEmpty() ? TRect{} : TRect{b.left(), b.top(), b.right() + 1, b.bottom() + 1};
    }
    return RegionType(r->Region);
}

BOOL EqualRgn(HRGN a, HRGN b) {
    TGdiObjectRec* ra = LiveObject(a, TGdiKind::Region);
    TGdiObjectRec* rb = LiveObject(b, TGdiKind::Region);
    return ra && rb && ra->Region == rb->Region;
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
    TGdiObjectRec* r = LiveObject(rgn, TGdiKind::Region);
    if (!r) return ERROR;
    r->Region.translate(dx, dy);
    return RegionType(r->Region);
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
    TGdiObjectRec* r = LiveObject(rgn, TGdiKind::Region);
    if (!r) return false;
    r->Region = QRegion(RectOf(left, top, right, bottom));
    return true;
}

std::vector<TRect> GetRegionRects(HRGN rgn) {
    std::vector<TRect> out;
    for (const QRect& q : RegionOf(rgn))
        out.push_back({q.left(), q.top(), q.right() + 1, q.bottom() + 1});
    return out;
}

// ---- Pens, brushes, fonts -----------------------------------------------------------------

HGDIOBJ GetStockObject(int index) {
    // Never destroyed: stock objects outlive every context that may still select them.
    static const std::vector<HGDIOBJ>& stock = *[] {
        auto* made = new std::vector<HGDIOBJ>(18, nullptr);
        std::vector<HGDIOBJ>& s = *made;
        s[WHITE_BRUSH] = MakeBrush(BS_SOLID, 0xFFFFFF, 0);
        s[LTGRAY_BRUSH] = MakeBrush(BS_SOLID, 0xC0C0C0, 0);
        s[GRAY_BRUSH] = MakeBrush(BS_SOLID, 0x808080, 0);
        s[DKGRAY_BRUSH] = MakeBrush(BS_SOLID, 0x404040, 0);
        s[BLACK_BRUSH] = MakeBrush(BS_SOLID, 0, 0);
        s[NULL_BRUSH] = MakeBrush(BS_NULL, 0, 0);
        s[WHITE_PEN] = MakePen(PS_SOLID, 1, 0xFFFFFF);
        s[BLACK_PEN] = MakePen(PS_SOLID, 1, 0);
        s[NULL_PEN] = MakePen(PS_NULL, 1, 0);
        LOGFONT lf;
        lf.lfHeight = -12;
        lf.lfFaceName = "MS Sans Serif";
        s[SYSTEM_FONT] = CreateFontIndirect(&lf);
        s[DEFAULT_GUI_FONT] = CreateFontIndirect(&lf);
        for (HGDIOBJ o : s)
            if (o) o->Stock = true;
        return made;
    }();
    if (index < 0 || index >= int(stock.size())) return nullptr;
    return stock[size_t(index)];
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < 0 || DWORD(style) > PS_INSIDEFRAME) return nullptr;
    // A wide pen is geometric; a one-pixel one is cosmetic.
    DWORD word = DWORD(style) | (width > 1 ? PS_GEOMETRIC : PS_COSMETIC);
    return MakePen(word, width, color);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD count,
                  const DWORD* styles) {
    if (!brush) return nullptr;
    const bool user = (style & PS_STYLE_MASK) == PS_USERSTYLE;
    if (user && (count == 0 || count > 16 || !styles)) return nullptr;
    if (!user && count != 0) return nullptr;
    const bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (!geometric && width != 1) return nullptr;
    TGdiObjectRec* rec = MakePen(style, int(width), brush->lbColor);
    if (brush->lbStyle == BS_NULL) rec->PenStyle = (style & ~PS_STYLE_MASK) | PS_NULL;
    if (user) rec->Dashes.assign(styles, styles + count);
    return rec;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return MakeBrush(BS_SOLID, color, 0);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
    return MakeBrush(BS_HATCHED, color, hatch);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush || brush->lbStyle > BS_HATCHED) return nullptr;
    return MakeBrush(brush->lbStyle, brush->lbColor, int(brush->lbHatch));
}

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (!font) return nullptr;
    TGdiObjectRec* rec = NewObject(TGdiKind::Font);
    rec->FontPart.reset(new TGdiObjectRec::TFontPart{*font, LogFontToQFont(*font)});
    return rec;
}

int GetObject(HGDIOBJ obj, EXTLOGPEN* pen) {
    TGdiObjectRec* rec = LiveObject(obj, TGdiKind::Pen);
    if (!rec || !pen) return 0;
    pen->elpPenStyle = rec->PenStyle;
    pen->elpWidth = DWORD(rec->PenWidth);
    pen->elpBrushStyle = BS_SOLID;
    pen->elpColor = rec->Color;
    pen->elpStyleEntry = rec->Dashes;
    return int(sizeof(EXTLOGPEN));
}

int GetObject(HGDIOBJ obj, LOGBRUSH* brush) {
    TGdiObjectRec* rec = LiveObject(obj, TGdiKind::Brush);
    if (!rec || !brush) return 0;
    brush->lbStyle = rec->BrushStyle;
    brush->lbColor = rec->Color;
    brush->lbHatch = uintptr_t(rec->Hatch);
    return int(sizeof(LOGBRUSH));
}

int GetObject(HGDIOBJ obj, LOGFONT* font) {
    TGdiObjectRec* rec = LiveObject(obj, TGdiKind::Font);
    if (!rec || !font) return 0;
    *font = rec->FontPart->LogFont;
    return int(sizeof(LOGFONT));
}

BOOL DeleteObject(HGDIOBJ obj) {
    // A handle already deleted must not be looked into.
    if (!obj || !LiveObjects().count(obj) || obj->Stock) return false;
    // Whatever still has it selected falls back to the defaults rather than dangling.
    DeselectEverywhere(obj);
    if (obj->OwnerSlot && *obj->OwnerSlot == obj) *obj->OwnerSlot = nullptr;
    LiveObjects().erase(obj);
    delete obj;
    return true;
}
