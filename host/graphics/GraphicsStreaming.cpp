// Graphics in component streams: colour and character set names, pictures as Picture.Data.

#include "host/graphics/Graphics.h"
#include "host/streaming/Filer.h"

namespace {
// Colour properties store well-known colours by name (clRed), as streams written by other
// implementations do, and read either form.
const bool ColorNamesRegistered =
    (RegisterIntegerConsts(TypeInfos::TColor(), IdentToColor, ColorToIdent), true);

struct CharsetName {
    TFontCharset Value;
    const char* Name;
};
constexpr CharsetName CharsetNames[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};

bool IdentToCharset(const std::string& ident, int32_t& value) {
    for (const CharsetName& c : CharsetNames)
        if (SameText(ident, c.Name)) {
            value = c.Value;
            return true;
        }
    return false;
}

bool CharsetToIdent(int32_t value, std::string& ident) {
    for (const CharsetName& c : CharsetNames)
        if (value == c.Value) {
            ident = c.Name;
            return true;
        }
    return false;
}

// Font character sets go by name too (Font.Charset = DEFAULT_CHARSET), as in other writers'
// form files.
const bool CharsetNamesRegistered =
    (RegisterIntegerConsts(TypeInfos::TFontCharset(), IdentToCharset, CharsetToIdent), true);
} // namespace

void TPicture::DefineProperties(TFiler* Filer) {
    TPersistent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); },
        Graphic() != nullptr);
}
