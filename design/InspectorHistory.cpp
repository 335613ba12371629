// Writes from the inspector as undoable changes: each one records the property's value before
// and after, or the control's bounds for a write of its place or size.

#include <utility>

#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "host/core/Stream.h"
#include "host/core/Strings.h"
#include "host/core/TypInfo.h"
#include "host/streaming/Filer.h"
#include "inspector/ObjectInspector.h"

namespace {
bool IsBoundsProperty(const std::string& Name) {
    return Name == "Left" || Name == "Top" || Name == "Width" || Name == "Height";
}

/// The published values of Object as the stream writes them: two objects that write the same
/// bytes hold the same values.
std::string Stored(TPersistent* Object) {
    TMemoryStream stream;
    {
        TWriter writer(&stream, 4096);
        writer.WriteProperties(Object);
        writer.FlushBuffer();
    }
    const auto* p = static_cast<const char*>(stream.Memory());
    return std::string(p, p + stream.Size());
}
} // namespace

std::shared_ptr<const TPropertyValue> TPropertyValue::Take(TControl* Control,
                                                           const std::string& Name) {
    auto value = std::make_shared<TPropertyValue>();
    value->Name = Name;
    // Null where the value cannot be kept: such a write is a change that cannot be undone.
    // The inspector gives a designed control's alignment to its overlay.
    if (Name == "Align") {
        auto* overlay = Cast<TDesignControl>(Control->Parent());
        value->Value = Variant(int32_t(overlay ? overlay->Align() : Control->Align()));
        return value;
    }
    const TPropInfo* info = GetPropInfo(Control, Name);
    if (!info) return nullptr;
    if (info->PropType->Kind == tkClass) {
        TObject* object = GetObjectProp(Control, info);
        if (auto* persistent = Cast<TPersistent>(object); persistent && !Cast<TComponent>(object)) {
            // A font or a list of lines is changed in place: a copy keeps what it held. Lines
            // of any kind copy into a plain list.
            TClass copyClass = Cast<TStrings>(object) ? TStringList::StaticClass()
                                                      : object->ClassType();
            if (copyClass->IsAbstract()) return nullptr;
            if (auto* copy = Cast<TPersistent>(copyClass->Create(nullptr))) {
                value->Object.reset(copy, [](TPersistent* p) { p->Free(); });
                copy->Assign(persistent);
                return value;
            }
            return nullptr;
        }
    }
    value->Value = GetPropValue(Control, info, false);
    return value;
}

void TPropertyValue::Put(TControl* Control) const {
    if (Name == "Align") {
        const auto align = static_cast<TAlign>(Value.AsInteger());
        if (auto* overlay = Cast<TDesignControl>(Control->Parent()))
            overlay->SetAlign(align);
        else
            Control->SetAlign(align);
        return;
    }
    const TPropInfo* info = GetPropInfo(Control, Name);
    if (!info) return;
    if (Object) {
        if (auto* target = Cast<TPersistent>(GetObjectProp(Control, info))) target->Assign(Object.get());
        return;
    }
    SetPropValue(Control, info, Value);
}

bool TPropertyValue::operator==(const TPropertyValue& Other) const {
    if (Name != Other.Name) return false;
    if (Object || Other.Object)
        return Object && Other.Object && Stored(Object.get()) == Stored(Other.Object.get());
    return Value == Other.Value;
}

void TZkFormDesigner::InspectorWriting(TObject* Object, const std::string& PropName) {
    FWriteBefore.reset();
    auto* control = Cast<TControl>(Object);
    auto* overlay = control ? Cast<TDesignControl>(control->Parent()) : nullptr;
    if (!overlay) return;
    FWriteOverlay = overlay;
    FWriteBounds = overlay->ContentBounds();
    FWriteBefore = TPropertyValue::Take(control, PropName);
}

void TZkFormDesigner::InspectorModified() {
    // A bounds edit moves or sizes the control inside its overlay: the overlay takes the new
    // place instead, so the control shows whole and its handles frame it.
    auto* control = Cast<TControl>(FInspector->CurObject());
    if (auto* overlay = control ? Cast<TDesignControl>(control->Parent()) : nullptr)
        overlay->FitToControl();
    const std::shared_ptr<const TPropertyValue> before = std::move(FWriteBefore);
    TDesignControl* overlay = std::exchange(FWriteOverlay, nullptr);
    if (!before || !FHistory || !overlay || !overlay->Wrapping() || overlay->Control() != control) {
        SetIsDirty(true);
        return;
    }
    auto* was = new TOperateRec();
    auto* now = new TOperateRec();
    if (IsBoundsProperty(before->Name)) {
        was->AddHistory(otBounds, FWriteBounds, overlay);
        now->AddHistory(otBounds, overlay->ContentBounds(), overlay);
    } else {
        auto after = TPropertyValue::Take(control, before->Name);
        if (after && !(*after == *before)) {
            was->AddHistory(otProperty, FWriteBounds, overlay)->Property = before;
            now->AddHistory(otProperty, overlay->ContentBounds(), overlay)->Property = after;
        }
    }
    // A write that left everything as it was is no change.
    const bool unchanged = was->Count() == 0 || (now->Item(0)->OpType == otBounds &&
                                                 was->Item(0)->Rect == now->Item(0)->Rect);
    if (unchanged) {
        was->Free();
        now->Free();
        return;
    }
    FHistory->BeginChange(was);
    FHistory->EndChange(now);
}

void TZkFormDesigner::InspectedChanged() {
    if (FInspector && FInspector->CurObject()) FInspector->RefreshValues();
}
