// Writes from the inspector as undoable changes: each one records the property's value before
// and after, or the control's bounds for a write of its place or size.

#include <memory>
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
    // What the overlay keeps for its control is read there, as the inspector shows it.
    if (auto* overlay = Cast<TDesignControl>(Control->Parent());
        overlay && overlay->KeptValue(Name, value->Value, false))
        return value;
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
    Variant kept = Value;
    if (auto* overlay = Cast<TDesignControl>(Control->Parent());
        overlay && overlay->KeptValue(Name, kept, true))
        return;
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

void TZkFormDesigner::InspectorWriting(const std::vector<TObject*>& Objects,
                                       const std::string& PropName) {
    FWritesBefore.clear();
    for (TObject* object : Objects) {
        auto* control = Cast<TControl>(object);
        auto* overlay = control ? Cast<TDesignControl>(control->Parent()) : nullptr;
        if (overlay)
            FWritesBefore.push_back(
                {overlay, overlay->ContentBounds(), TPropertyValue::Take(control, PropName)});
    }
}

void TZkFormDesigner::InspectorModified() {
    // A handler of the change may end the session: what it lets go of waits for this call.
    TDesignerScope scope(GetRoolDesigner());
    const std::vector<TWriteBefore> writes = std::move(FWritesBefore);
    FWritesBefore.clear();
    // A bounds edit moves or sizes the control inside its overlay: the overlay takes the new
    // place instead, so the control shows whole and its handles frame it.
    for (TObject* object : FInspector->CurObjects())
        if (auto* control = Cast<TControl>(object))
            if (auto* overlay = Cast<TDesignControl>(control->Parent())) overlay->FitToControl();
    if (!FHistory || writes.empty()) {
        SetIsDirty(true);
        return;
    }
    // Every object written is one entry of the same change.
    auto was = std::make_unique<TOperateRec>();
    auto now = std::make_unique<TOperateRec>();
    for (const TWriteBefore& write : writes) {
        TDesignControl* overlay = write.Overlay;
        if (!overlay->Wrapping() || !overlay->Control() || !write.Value) continue;
        if (IsBoundsProperty(write.Value->Name)) {
            if (overlay->ContentBounds() == write.Bounds) continue;
            was->AddHistory(otBounds, write.Bounds, overlay);
            now->AddHistory(otBounds, overlay->ContentBounds(), overlay);
            continue;
        }
        auto after = TPropertyValue::Take(overlay->Control(), write.Value->Name);
        if (!after || *after == *write.Value) continue;
        if (after->Name == "Name") Renamed(VarToStr(write.Value->Value), overlay->Control()->Name());
        was->AddHistory(otProperty, write.Bounds, overlay)->Property = write.Value;
        now->AddHistory(otProperty, overlay->ContentBounds(), overlay)->Property = after;
    }
    // A write that left everything as it was is no change.
    if (was->Count() == 0) return;
    FHistory->BeginChange(was.release());
    FHistory->EndChange(now.release());
}

void TZkFormDesigner::InspectedChanged() {
    if (FInspector && FInspector->CurObject()) FInspector->RefreshValues();
}
