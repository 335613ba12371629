// Colours: names, text conversion and resolution of system colours.

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"

const std::vector<TIdentMapEntry>& ColorIdents() {
    // The standard colours first, then the system colours by name, then the special values:
    // the order an inspector's drop-down list shows.
    static const std::vector<TIdentMapEntry> table = {
        {clBlack, "clBlack"},
        {clMaroon, "clMaroon"},
        {clGreen, "clGreen"},
        {clOlive, "clOlive"},
        {clNavy, "clNavy"},
        {clPurple, "clPurple"},
        {clTeal, "clTeal"},
        {clGray, "clGray"},
        {clSilver, "clSilver"},
        {clRed, "clRed"},
        {clLime, "clLime"},
        {clYellow, "clYellow"},
        {clBlue, "clBlue"},
        {clFuchsia, "clFuchsia"},
        {clAqua, "clAqua"},
        {clWhite, "clWhite"},
        {clMoneyGreen, "clMoneyGreen"},
        {clSkyBlue, "clSkyBlue"},
        {clCream, "clCream"},
        {clMedGray, "clMedGray"},
        {clActiveBorder, "clActiveBorder"},
        {clActiveCaption, "clActiveCaption"},
        {clAppWorkSpace, "clAppWorkSpace"},
        {clBackground, "clBackground"},
        {clBtnFace, "clBtnFace"},
        {clBtnHighlight, "clBtnHighlight"},
        {clBtnShadow, "clBtnShadow"},
        {clBtnText, "clBtnText"},
        {clCaptionText, "clCaptionText"},
        {clGradientActiveCaption, "clGradientActiveCaption"},
        {clGradientInactiveCaption, "clGradientInactiveCaption"},
        {clGrayText, "clGrayText"},
        {clHighlight, "clHighlight"},
        {clHighlightText, "clHighlightText"},
        {clHotLight, "clHotLight"},
        {clInactiveBorder, "clInactiveBorder"},
        {clInactiveCaption, "clInactiveCaption"},
        {clInactiveCaptionText, "clInactiveCaptionText"},
        {clInfoBk, "clInfoBk"},
        {clInfoText, "clInfoText"},
        {clMenu, "clMenu"},
        {clMenuBar, "clMenuBar"},
        {clMenuHighlight, "clMenuHighlight"},
        {clMenuText, "clMenuText"},
        {clScrollBar, "clScrollBar"},
        {cl3DDkShadow, "cl3DDkShadow"},
        {cl3DLight, "cl3DLight"},
        {clWindow, "clWindow"},
        {clWindowFrame, "clWindowFrame"},
        {clWindowText, "clWindowText"},
        {clNone, "clNone"},
        {clDefault, "clDefault"},
    };
    return table;
}

int32_t ColorToRGB(TColor color) {
    if (color < 0) return static_cast<int32_t>(GetSysColor(color & 0xFF));
    return color;
}

bool ColorToIdent(int32_t color, std::string& ident) {
    for (const TIdentMapEntry& e : ColorIdents())
        if (e.Value == color) {
            ident = e.Name;
            return true;
        }
    return false;
}

bool IdentToColor(const std::string& ident, int32_t& color) {
    for (const TIdentMapEntry& e : ColorIdents())
        if (SameText(ident, e.Name)) {
            color = e.Value;
            return true;
        }
    return false;
}

std::string ColorToString(TColor color) {
    std::string ident;
    if (ColorToIdent(color, ident)) return ident;
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "$";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += digits[(static_cast<uint32_t>(color) >> shift) & 0xF];
    return text;
}

TColor StringToColor(const std::string& text) {
    int32_t color = 0;
    if (IdentToColor(Trim(text), color)) return color;
    int64_t value = 0;
    if (!TryStrToInt64(Trim(text), value) || value < INT32_MIN || value > UINT32_MAX)
        throw EConvertError("“" + text + "”不是有效的颜色");
    return static_cast<TColor>(static_cast<uint32_t>(value));
}

void GetColorValues(const std::function<void(const std::string&)>& proc) {
    for (const TIdentMapEntry& e : ColorIdents())
        proc(e.Name);
}
