#include "design/ControlKinds.h"

#include "host/Controls.h"

namespace {
/// Whether c's class or one of its ancestors has the given name.
bool KindOf(const TControl* c, const char* className) {
    if (!c) return false;
    for (TClass k = c->ClassType(); k; k = k->ClassParent())
        if (k->ClassName() == className) return true;
    return false;
}
} // namespace

namespace ControlKinds {

bool IsBar(const TControl* c) {
    return KindOf(c, "TStatusBar") || KindOf(c, "TToolBar") || KindOf(c, "TCoolBar") ||
           KindOf(c, "TPageScroller");
}
bool IsTabSheet(const TControl* c) { return KindOf(c, "TTabSheet"); }
bool IsPageControl(const TControl* c) { return KindOf(c, "TPageControl"); }
bool IsListView(const TControl* c) { return KindOf(c, "TListView"); }
bool IsGrid(const TControl* c) { return KindOf(c, "TCustomGrid"); }
bool IsGridBusy(const TControl* c) { (void)c; return false; }
bool IsCustomCombo(const TControl* c) { return KindOf(c, "TCustomCombo"); }
bool IsComboBox(const TControl* c) { return KindOf(c, "TComboBox"); }
bool IsCustomListControl(const TControl* c) { return KindOf(c, "TCustomListControl"); }

uint8_t ComboStyle(TControl* c) { return static_cast<uint8_t>(GetOrdProp(c, "Style")); }
void SetComboStyle(TControl* c, uint8_t style) { SetOrdProp(c, "Style", style); }
uint8_t DropDownListStyle() { return 2; }

} // namespace ControlKinds
