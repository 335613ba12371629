#include "design/ControlKinds.h"

#include "host/comctrls/ComCtrls.h"
#include "host/comctrls/ListView.h"
#include "host/containers/PageControl.h"
#include "host/grids/Grids.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
template <class T> bool Is(const TControl* c) {
    return c && c->Is<T>();
}
} // namespace

namespace ControlKinds {

bool IsBar(const TControl* c) {
    return Is<TStatusBar>(c) || Is<TToolBar>(c) || Is<TCoolBar>(c) || Is<TPageScroller>(c);
}
bool IsTabSheet(const TControl* c) {
    return Is<TTabSheet>(c);
}
bool IsPageControl(const TControl* c) {
    return Is<TPageControl>(c);
}
bool IsListView(const TControl* c) {
    return Is<TCustomListView>(c);
}
bool IsGrid(const TControl* c) {
    return Is<TCustomGrid>(c);
}
bool IsGridBusy(const TControl* c) {
    return Is<TCustomGrid>(c) && static_cast<const TCustomGrid*>(c)->GridState() != gsNormal;
}
bool IsCustomCombo(const TControl* c) {
    return Is<TCustomCombo>(c);
}
bool IsComboBox(const TControl* c) {
    return Is<TComboBox>(c);
}
bool IsCustomListControl(const TControl* c) {
    return Is<TCustomListControl>(c);
}

uint8_t ComboStyle(TControl* c) {
    return static_cast<uint8_t>(As<TCustomCombo>(c)->Style());
}
void SetComboStyle(TControl* c, uint8_t style) {
    As<TCustomCombo>(c)->SetStyle(static_cast<TComboBoxStyle>(style));
}
uint8_t DropDownListStyle() {
    return csDropDownList;
}

} // namespace ControlKinds
