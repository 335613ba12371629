// TGraphicsObject and TFont: a font description that tells its holder of each change.

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

ZK_ENUM_TYPEINFO(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
ZK_SET_TYPEINFO(TFontStyles, TFontStyle)
ZK_ENUM_TYPEINFO(TFontPitch, "fpDefault", "fpVariable", "fpFixed")

namespace TypeInfos {
const TTypeInfo* TFontCharset() {
    static const TTypeInfo* info = [] {
        static TTypeInfo t;
        t.Kind = tkInteger;
        t.Name = "TFontCharset";
        t.Data.OrdType = otUByte;
        t.Data.MinValue = 0;
        t.Data.MaxValue = 255;
        return &t;
    }();
    return info;
}
const TTypeInfo* TFontName() {
    static const TTypeInfo* info = MakeTypeInfo(tkLString, "TFontName");
    return info;
}
} // namespace TypeInfos

namespace {

void PublishFont(TPublisher& p) {
    p.Prop("Charset", TypeInfos::TFontCharset(), &TFont::Charset, &TFont::SetCharset);
    p.Prop("Color", TypeInfos::TColor(), &TFont::Color, &TFont::SetColor);
    p.Prop("Height", &TFont::Height, &TFont::SetHeight);
    p.Prop("Name", TypeInfos::TFontName(), &TFont::Name, &TFont::SetName);
    p.Prop("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    // Height carries the size in streams.
    p.Prop("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    p.Prop("Style", &TFont::Style, &TFont::SetStyle);
}

// Rounds a * b / c half away from zero, as the platform's MulDiv does.
int MulDiv(int a, int b, int c) {
    const int64_t n = int64_t(a) * b;
    const int64_t q = (2 * (n < 0 ? -n : n) + c) / (2 * int64_t(c));
    return int(n < 0 ? -q : q);
}

LOGFONT LogFontOf(const TFont& f) {
    LOGFONT lf;
    lf.lfHeight = f.Height();
    lf.lfWeight = f.Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = f.Style().Contains(fsItalic);
    lf.lfUnderline = f.Style().Contains(fsUnderline);
    lf.lfStrikeOut = f.Style().Contains(fsStrikeOut);
    lf.lfCharSet = f.Charset();
    lf.lfPitchAndFamily = f.Pitch() == fpFixed      ? FIXED_PITCH
                          : f.Pitch() == fpVariable ? VARIABLE_PITCH
                                                    : DEFAULT_PITCH;
    lf.lfFaceName = f.Name();
    return lf;
}

} // namespace

ZK_IMPLEMENT_CLASS(TGraphicsObject, TPersistent, nullptr)
ZK_IMPLEMENT_CLASS(TFont, TGraphicsObject, PublishFont)

void TGraphicsObject::Changed() {
    if (FNotify) FNotify(FNotifyOwner, this);
    OnChange(this);
}

TFont::TFont()
    : FName("MS Sans Serif"), FHeight(-11), FColor(clWindowText), FCharset(DEFAULT_CHARSET),
      FPitch(fpDefault) {}

TFont::~TFont() {
    FreeHandle();
}

void TFont::FreeHandle() const {
    if (FHandle) DeleteObject(std::exchange(FHandle, nullptr));
}

void TFont::Assign(TPersistent* source) {
    if (auto* f = Cast<TFont>(source)) {
        if (f == this) return;
        FName = f->FName;
        FHeight = f->FHeight;
        FStyle = f->FStyle;
        FColor = f->FColor;
        FCharset = f->FCharset;
        FPitch = f->FPitch;
        FreeHandle();
        Changed();
        return;
    }
    inherited::Assign(source);
}

bool TFont::SameAs(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FStyle == other.FStyle &&
           FColor == other.FColor && FCharset == other.FCharset && FPitch == other.FPitch;
}

// Each setter changes nothing and tells nobody when the value is already there.
#define ZK_FONT_SETTER(Setter, Field, Type)                                                        \
    void TFont::Setter(Type value) {                                                               \
        if (Field == value) return;                                                                \
        Field = value;                                                                             \
        FreeHandle();                                                                              \
        Changed();                                                                                 \
    }
ZK_FONT_SETTER(SetName, FName, const TFontName&)
ZK_FONT_SETTER(SetHeight, FHeight, int)
ZK_FONT_SETTER(SetStyle, FStyle, TFontStyles)
ZK_FONT_SETTER(SetCharset, FCharset, TFontCharset)
ZK_FONT_SETTER(SetPitch, FPitch, TFontPitch)
#undef ZK_FONT_SETTER

void TFont::SetColor(TColor value) {
    // The colour is not part of the font object: the handle stays.
    if (FColor == value) return;
    FColor = value;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, PixelsPerInch());
}

void TFont::SetSize(int value) {
    SetHeight(-MulDiv(value, PixelsPerInch(), 72));
}

HFONT TFont::Handle() const {
    if (!FHandle) {
        const LOGFONT lf = LogFontOf(*this);
        FHandle = CreateFontIndirect(&lf);
        SetObjectOwner(FHandle, &FHandle);
    }
    return FHandle;
}

void TFont::SetHandle(HFONT value) {
    LOGFONT lf;
    if (!GetObject(value, &lf) || value == FHandle) return;
    FreeHandle();
    FName = lf.lfFaceName;
    FHeight = lf.lfHeight;
    FStyle = {};
    if (lf.lfWeight >= 600) FStyle.Include(fsBold);
    if (lf.lfItalic) FStyle.Include(fsItalic);
    if (lf.lfUnderline) FStyle.Include(fsUnderline);
    if (lf.lfStrikeOut) FStyle.Include(fsStrikeOut);
    FCharset = lf.lfCharSet;
    FPitch = (lf.lfPitchAndFamily & 3) == FIXED_PITCH      ? fpFixed
             : (lf.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable
                                                           : fpDefault;
    if (!value->Stock) {
        FHandle = value;
        SetObjectOwner(FHandle, &FHandle);
    }
    Changed();
}

QFont ToQFont(const TFont& font) {
    return LogFontToQFont(LogFontOf(font));
}
