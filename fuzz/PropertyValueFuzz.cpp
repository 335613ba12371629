// Writes arbitrary text into the published properties of the stock controls the way the object
// inspector does (TProp::SetValue), then reads every property back as the inspector's rows do
// and paints the controls; anything but a framework exception is a bug.
//
// An input is a run of records: a class byte, a property byte, a length byte and that many
// bytes of text. The class and property bytes pick modulo the lists below, so every input
// means something.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fuzz/FuzzApplication.h"
#include "inspector/ObjectInspector.h"

namespace {

const char* const StockClassNames[] = {
    "TButton",       "TCheckBox",    "TRadioButton", "TLabel",    "TEdit",       "TMemo",
    "TListBox",      "TComboBox",    "TPanel",       "TGroupBox", "TScrollBox",  "TPageControl",
    "TTabSheet",     "TSpeedButton", "TStatusBar",   "TToolBar",  "TToolButton", "TCoolBar",
    "TPageScroller", "TSplitter",    "TPaintBox",    "TImage",    "TShape",      "TBevel",
    "TDrawGrid",     "TStringGrid",  "TListView",    "TMainMenu", "TPopupMenu",  "TMenuItem"};
constexpr size_t StockClassCount = sizeof(StockClassNames) / sizeof(StockClassNames[0]);

/// One writable property: the object that carries it (the control or a persistent object it
/// publishes, such as its font) and its information.
struct TTarget {
    TObject* Object;
    const TPropInfo* Info;
};

/// The control's own published properties, then those of the persistent objects it publishes
/// (Font.Size, Pen.Width, ...), which the inspector's dialogs write.
std::vector<TTarget> TargetsOf(TObject* object) {
    std::vector<TTarget> targets;
    for (const TPropInfo* info : GetPropList(object)) {
        targets.push_back({object, info});
        if (info->PropType->Kind != tkClass) continue;
        TObject* nested = GetObjectProp(object, info);
        if (!nested || Cast<TComponent>(nested)) continue;
        for (const TPropInfo* inner : GetPropList(nested))
            targets.push_back({nested, inner});
    }
    return targets;
}

TForm* HostForm() {
    static TForm* form = [] {
        auto* f = new TForm(nullptr);
        f->SetBounds(0, 0, 400, 300);
        f->Show();
        return f;
    }();
    return form;
}

/// Reads every row back as the inspector does after an edit.
void ReadBack(TObject* object) {
    for (const TTarget& target : TargetsOf(object)) {
        TProp prop(target.Object, *target.Info, nullptr);
        try {
            (void)prop.GetValue();
        } catch (const Exception&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TForm* form = HostForm();
    std::map<size_t, TComponent*> made;
    size_t at = 0;
    while (at + 3 <= size) {
        const size_t classIndex = data[at] % StockClassCount;
        const uint8_t propIndex = data[at + 1];
        const size_t length = std::min<size_t>(data[at + 2], size - at - 3);
        const std::string text(reinterpret_cast<const char*>(data + at + 3), length);
        at += 3 + length;

        TComponent*& component = made[classIndex];
        if (!component) {
            TClass cls = GetClass(StockClassNames[classIndex]);
            if (!cls) __builtin_trap(); // a stock class left the registry
            component = static_cast<TComponent*>(cls->Create(nullptr));
            if (auto* control = Cast<TControl>(component)) control->SetParent(form);
        }
        const std::vector<TTarget> targets = TargetsOf(component);
        if (targets.empty()) continue;
        const TTarget& target = targets[propIndex % targets.size()];
        TProp prop(target.Object, *target.Info, nullptr);
        try {
            prop.SetValue(Variant(text));
        } catch (const Exception&) {
        }
    }
    for (auto& [index, component] : made) {
        ReadBack(component);
        if (auto* control = Cast<TControl>(component)) control->Repaint();
    }
    Application->ProcessMessages();
    for (auto& [index, component] : made)
        component->Free();
    return 0;
}
