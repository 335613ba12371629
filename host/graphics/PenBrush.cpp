// TPen and TBrush: pen and brush descriptions that tell their holder of each change.

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

ZK_ENUM_TYPEINFO(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                 "psInsideFrame")
ZK_ENUM_TYPEINFO(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                 "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
                 "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor")
ZK_ENUM_TYPEINFO(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                 "bsBDiagonal", "bsCross", "bsDiagCross")

namespace {

void PublishPen(TPublisher& p) {
    p.Prop("Color", TypeInfos::TColor(), &TPen::Color, &TPen::SetColor).Default(clBlack);
    p.Prop("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    p.Prop("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    p.Prop("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void PublishBrush(TPublisher& p) {
    p.Prop("Color", TypeInfos::TColor(), &TBrush::Color, &TBrush::SetColor).Default(clWhite);
    p.Prop("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

template <class T, class V> bool Change(T& field, V value) {
    if (field == value) return false;
    field = value;
    return true;
}

} // namespace

ZK_IMPLEMENT_CLASS(TPen, TGraphicsObject, PublishPen)
ZK_IMPLEMENT_CLASS(TBrush, TGraphicsObject, PublishBrush)

// ---- TPen ---------------------------------------------------------------------------------

TPen::TPen() = default;
TPen::~TPen() {
    FreeHandle();
}

void TPen::FreeHandle() const {
    if (FHandle) DeleteObject(std::exchange(FHandle, nullptr));
}

void TPen::Assign(TPersistent* source) {
    if (auto* p = Cast<TPen>(source)) {
        if (p == this) return;
        FColor = p->FColor;
        FWidth = p->FWidth;
        FStyle = p->FStyle;
        FMode = p->FMode;
        FreeHandle();
        Changed();
        return;
    }
    inherited::Assign(source);
}

void TPen::SetColor(TColor value) {
    if (!Change(FColor, value)) return;
    FreeHandle();
    Changed();
}

void TPen::SetWidth(int value) {
    if (value < 0 || !Change(FWidth, value)) return;
    FreeHandle();
    Changed();
}

void TPen::SetStyle(TPenStyle value) {
    if (!Change(FStyle, value)) return;
    FreeHandle();
    Changed();
}

void TPen::SetMode(TPenMode value) {
    // The raster mode belongs to the device context, not to the pen object.
    if (Change(FMode, value)) Changed();
}

HPEN TPen::Handle() const {
    if (!FHandle) {
        static const int styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                     PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        FHandle = CreatePen(styles[FStyle], FWidth, COLORREF(ColorToRGB(FColor)));
        SetObjectOwner(FHandle, &FHandle);
    }
    return FHandle;
}

void TPen::SetHandle(HPEN value) {
    EXTLOGPEN lp;
    if (!GetObject(value, &lp) || value == FHandle) return;
    FreeHandle();
    FColor = TColor(lp.elpColor);
    FWidth = int(lp.elpWidth);
    switch (lp.elpPenStyle & PS_STYLE_MASK) {
    case PS_DASH:
        FStyle = psDash;
        break;
    case PS_DOT:
        FStyle = psDot;
        break;
    case PS_DASHDOT:
        FStyle = psDashDot;
        break;
    case PS_DASHDOTDOT:
        FStyle = psDashDotDot;
        break;
    case PS_NULL:
        FStyle = psClear;
        break;
    case PS_INSIDEFRAME:
        FStyle = psInsideFrame;
        break;
    default:
        FStyle = psSolid;
        break;
    }
    // A stock pen is borrowed (Handle makes an equal one); any other is the pen's own now.
    FHandle = value->Stock ? nullptr : value;
    SetObjectOwner(FHandle, &FHandle);
    Changed();
}

// ---- TBrush -------------------------------------------------------------------------------

TBrush::TBrush() = default;
TBrush::~TBrush() {
    FreeHandle();
}

void TBrush::FreeHandle() const {
    if (FHandle) DeleteObject(std::exchange(FHandle, nullptr));
}

void TBrush::Assign(TPersistent* source) {
    if (auto* b = Cast<TBrush>(source)) {
        if (b == this) return;
        FColor = b->FColor;
        FStyle = b->FStyle;
        FreeHandle();
        Changed();
        return;
    }
    inherited::Assign(source);
}

void TBrush::SetColor(TColor value) {
    if (!Change(FColor, value)) return;
    // As on the platform, giving a clear brush a colour makes it solid.
    if (FStyle == bsClear) FStyle = bsSolid;
    FreeHandle();
    Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
    if (!Change(FStyle, value)) return;
    FreeHandle();
    Changed();
}

HBRUSH TBrush::Handle() const {
    if (!FHandle) {
        LOGBRUSH lb;
        lb.lbColor = COLORREF(ColorToRGB(FColor));
        switch (FStyle) {
        case bsSolid:
            lb.lbStyle = BS_SOLID;
            break;
        case bsClear:
            lb.lbStyle = BS_NULL;
            break;
        default:
            lb.lbStyle = BS_HATCHED;
            lb.lbHatch = uintptr_t(FStyle - bsHorizontal);
            break;
        }
        FHandle = CreateBrushIndirect(&lb);
        SetObjectOwner(FHandle, &FHandle);
    }
    return FHandle;
}

void TBrush::SetHandle(HBRUSH value) {
    LOGBRUSH lb;
    if (!GetObject(value, &lb) || value == FHandle) return;
    FreeHandle();
    FColor = TColor(lb.lbColor);
    FStyle = lb.lbStyle == BS_NULL      ? bsClear
             : lb.lbStyle == BS_HATCHED ? TBrushStyle(bsHorizontal + int(lb.lbHatch))
                                        : bsSolid;
    FHandle = value->Stock ? nullptr : value;
    SetObjectOwner(FHandle, &FHandle);
    Changed();
}
