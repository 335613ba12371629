// Shortcut keys: packing a key with its modifiers, and the text menus show for it.

#include <cctype>

#include "host/menus/Menus.h"

namespace {
struct TKeyName {
    uint16_t Key;
    const char* Name;
};
// Names of the keys that are neither letters, digits nor function keys.
const TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyName(uint16_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + IntToStr(key - VK_F1 + 1);
    for (const TKeyName& k : KeyNames)
        if (k.Key == key) return k.Name;
    return {};
}

uint16_t KeyOfName(const std::string& name) {
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return static_cast<uint16_t>(c);
    }
    for (uint16_t key = VK_F1; key <= VK_F12; ++key)
        if (SameText(KeyName(key), name)) return key;
    for (const TKeyName& k : KeyNames)
        if (SameText(k.Name, name)) return k.Key;
    return 0;
}

struct TModifierName {
    TShortCut Flag;
    const char* Prefix;
};
const TModifierName ModifierNames[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};
} // namespace

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
    if (Key & 0xFF00) return scNone;
    TShortCut result = Key;
    if (Shift.Contains(ssShift)) result |= scShift;
    if (Shift.Contains(ssCtrl)) result |= scCtrl;
    if (Shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift) {
    Key = ShortCut & 0xFF;
    Shift = {};
    if (ShortCut & scShift) Shift.Include(ssShift);
    if (ShortCut & scCtrl) Shift.Include(ssCtrl);
    if (ShortCut & scAlt) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut ShortCut) {
    const std::string name = KeyName(ShortCut & 0xFF);
    if (name.empty()) return {};
    std::string text;
    for (const TModifierName& m : ModifierNames)
        if (ShortCut & m.Flag) text += m.Prefix;
    return text + name;
}

TShortCut TextToShortCut(const std::string& Text) {
    std::string rest = Text;
    TShortCut flags = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifierName& m : ModifierNames) {
            const std::string prefix = m.Prefix;
            if (rest.size() > prefix.size() && SameText(rest.substr(0, prefix.size()), prefix)) {
                flags |= m.Flag;
                rest = rest.substr(prefix.size());
                found = true;
            }
        }
    }
    const uint16_t key = KeyOfName(rest);
    return key ? static_cast<TShortCut>(key | flags) : scNone;
}

namespace TypeInfos {
const TTypeInfo* TShortCut() {
    static const TTypeInfo* info = [] {
        auto* t = const_cast<TTypeInfo*>(MakeTypeInfo(tkInteger, "TShortCut"));
        t->Data.OrdType = otUWord;
        t->Data.MinValue = 0;
        t->Data.MaxValue = 0xFFFF;
        return t;
    }();
    return info;
}
} // namespace TypeInfos
