// TProp: one property of the inspected object, read and written as display text.

#include <memory>

#include "host/controls/Controls.h"
#include "host/core/TextCodec.h"
#include "inspector/ObjectInspector.h"

const char* const CursorNames[CursorNameCount] = {
    "crDefault",  "crNone",     "crArrow",    "crCross",     "crIBeam",     "crSize",
    "crSizeNESW", "crSizeNS",   "crSizeNWSE", "crSizeWE",    "crUpArrow",   "crHourGlass",
    "crDrag",     "crNoDrop",   "crHSplit",   "crVSplit",    "crMultiDrag", "crSQLWait",
    "crNo",       "crAppStart", "crHelp",     "crHandPoint", "crSizeAll"};

std::string CursorValueText(int64_t value) {
    if (value <= 0 && value > -CursorNameCount) return CursorNames[-value];
    return IntToStr(value);
}

std::string CharValueText(int64_t code) {
    // A lone blank or an invisible code could not be told apart from nothing in the grid.
    if (code > ' ' && code < 127) return std::string(1, char(code));
    return "#" + IntToStr(code);
}

bool CharTextCode(const std::string& text, int64_t Max, int64_t& code) {
    if (text.empty()) {
        code = 0;
        return true;
    }
    if (text.size() > 1 && text[0] == '#') {
        const std::string digits = text.substr(1);
        if (digits.find_first_not_of("0123456789") != std::string::npos) return false;
        if (digits.size() > 9 || !TryStrToInt64(digits, code)) return false;
        return code <= Max;
    }
    // One character, however many bytes it takes; a surrogate pair is two codes, not one.
    if (!zk::text::IsValidUtf8(text)) return false;
    const std::u16string units = zk::text::Utf8ToUtf16(text);
    if (units.size() != 1) return false;
    code = units[0];
    return code <= Max;
}

namespace {
/// A character's code as its type counts it: a getter of a signed char gives the codes past
/// 127 as negative numbers.
int64_t CharCode(int64_t ordinal, const TTypeData* data) {
    if (data->OrdType == otUByte) return ordinal & 0xFF;
    if (data->OrdType == otUWord) return ordinal & 0xFFFF;
    return ordinal;
}
} // namespace

ZK_IMPLEMENT_CLASS(TProp, TObject, nullptr)

TProp::TProp(TObject* AObject, const TPropInfo& APropInfo, TObjectInspForm* AForm)
    : FForm(AForm), FPropInfo(APropInfo), FObject(AObject) {
    if (Kind() != tkEnumeration || LowerTypeName() == "boolean") return;
    const TTypeData* data = GetTypeData(FPropInfo.PropType);
    if (data->BaseType && data->BaseType != FPropInfo.PropType) data = GetTypeData(data->BaseType);
    FEnumNames = new TStringList;
    FMinValue = data->MinValue;
    // The names stored are those of MinValue..MaxValue; never more than the list holds.
    const int64_t count = int64_t(data->MaxValue) - data->MinValue + 1;
    for (int64_t i = 0; i < count && i < int64_t(data->NameList.size()); ++i)
        FEnumNames->Add(data->NameList[size_t(i)]);
}

TProp::~TProp() {
    delete FEnumNames;
}

int64_t TProp::PlaceOffset() const {
    auto* control = Cast<TControl>(FObject);
    if (!control || !FForm || Kind() != tkInteger) return 0;
    const bool left = SameText(PropName(), "Left");
    if (!left && !SameText(PropName(), "Top")) return 0;
    const TPoint origin = FForm->ControlOrigin(control);
    return left ? origin.X : origin.Y;
}

bool TProp::EnumOrdinal(const std::string& Name, int32_t& Ordinal) const {
    if (!FEnumNames) return false;
    for (int i = 0; i < FEnumNames->Count(); ++i)
        if (FEnumNames->Strings(i) == Name) {
            Ordinal = FMinValue + i;
            return true;
        }
    return false;
}

Variant TProp::GetValueDirect() {
    if (Kind() == tkClass) return Variant(GetObjectProp(FObject, &FPropInfo));
    return ::GetPropValue(FObject, &FPropInfo, true);
}

Variant TProp::OwnValue() {
    Variant value;
    switch (Kind()) {
    case tkClass: {
        TObject* ref = GetObjectProp(FObject, &FPropInfo);
        if (auto* component = Cast<TComponent>(ref))
            value = component->Name();
        else
            value = PropName();
        break;
    }
    case tkRecord:
    case tkInterface:
        value = TypeName();
        break;
    case tkWString:
        value = GetWideStrProp(FObject, PropName());
        break;
    case tkChar:
    case tkWChar:
        value = CharValueText(
            CharCode(GetOrdProp(FObject, &FPropInfo), GetTypeData(FPropInfo.PropType)));
        break;
    default:
        if (Variant kept; FForm && FForm->KeptValue(FObject, PropName(), kept, false))
            value = Kind() == tkEnumeration && !kept.IsEmpty() && kept.VarType() != varBoolean
                        ? Variant(GetEnumName(FPropInfo.PropType, kept.AsInteger()))
                        : kept;
        else
            value = ::GetPropValue(FObject, &FPropInfo, true);
        if (const int64_t offset = PlaceOffset()) value = Variant(value.AsInt64() + offset);
    }
    const std::string type = LowerTypeName();
    if (type == "boolean" || type == "wordbool")
        value = LowerCase(VarToStr(value)) == "true" ? BoolTrueText : BoolFalseText;
    else if (type == "tcursor")
        value = CursorValueText(value.AsInt64());
    else if (type == "tdatetime")
        value = DateTimeToStr(VarToDateTime(value));
    else if (type == "tdate")
        value = DateToStr(VarToDateTime(value));
    return value;
}

void TProp::SetOwnValue(const Variant& Value) {
    const std::string type = LowerTypeName();
    const std::string text = VarToStr(Value);
    if (Kind() == tkEnumeration && type != "boolean") {
        // A value that is not among the names, or that the property refuses, is dropped.
        try {
            int32_t ordinal = 0;
            if (EnumOrdinal(text, ordinal)) Put(Variant(ordinal));
        } catch (const Exception&) {
        }
        return;
    }
    if (Kind() == tkChar || Kind() == tkWChar) {
        // A number handed in by the host is the code itself; text is read as it is shown.
        int64_t code = 0;
        if (Value.IsNumeric())
            code = Value.AsInt64();
        else if (!CharTextCode(text, GetTypeData(FPropInfo.PropType)->MaxValue, code))
            throw EPropertyConvertError("无效的属性值：" + text);
        ::SetOrdProp(FObject, &FPropInfo, code);
        return;
    }
    Variant value = Value;
    if (type == "boolean") {
        value = Variant(text == BoolTrueText);
    } else if (type == "tcursor") {
        for (int p = 0; p < CursorNameCount; ++p)
            if (text == CursorNames[p]) {
                ::SetPropValue(FObject, &FPropInfo, Variant(int32_t(-p)));
                return;
            }
    } else if (type == "tdatetime") {
        value = Variant::FromDate(StrToDateTime(text));
    } else if (type == "tdate") {
        value = Variant::FromDate(StrToDate(text));
    } else if (const int64_t offset = PlaceOffset()) {
        value = Variant(Value.AsInt64() - offset);
    }
    Put(value);
}

void TProp::Put(Variant Value) {
    if (!FForm || !FForm->KeptValue(FObject, PropName(), Value, true))
        ::SetPropValue(FObject, &FPropInfo, Value);
}

bool TProp::IsClassProp() const {
    switch (Kind()) {
    case tkClass:
    case tkArray:
    case tkRecord:
    case tkInterface:
    case tkDynArray:
        return true;
    default: {
        const std::string type = LowerTypeName();
        return type == "tcolor" || type == "tfilename";
    }
    }
}

bool TProp::IsListProp() const {
    const std::string type = LowerTypeName();
    return Kind() == tkEnumeration || type == "boolean" || type == "tcursor";
}

bool TProp::IsEnumNull() const {
    return Kind() == tkEnumeration;
}

std::unique_ptr<TProp> TProp::OnOther(TObject* Other) const {
    // The other object's own entry: a property of the same name and type may be declared by
    // another class, whose accessors this entry's are not.
    const TPropInfo* info = ::GetPropInfo(Other, PropName());
    if (!info || info->PropType != FPropInfo.PropType) return nullptr;
    return std::make_unique<TProp>(Other, *info, FForm);
}

Variant TProp::GetValue() {
    Variant value = OwnValue();
    // Several objects show their value where they all agree, and nothing where they differ.
    for (TObject* other : FOthers) {
        std::unique_ptr<TProp> theirs = OnOther(other);
        if (!theirs || VarToStr(theirs->OwnValue()) != VarToStr(value)) return Variant(std::string());
    }
    return value;
}

void TProp::SetValue(const Variant& Value) {
    SetOwnValue(Value);
    for (TObject* other : FOthers)
        if (std::unique_ptr<TProp> theirs = OnOther(other)) theirs->SetOwnValue(Value);
}

void TProp::CopyToOthers() {
    if (Kind() != tkClass || FOthers.empty()) return;
    // Objects the property holds (a font); a reference to a component is no value to copy.
    TObject* value = GetObjectProp(FObject, &FPropInfo);
    auto* own = Cast<TPersistent>(value);
    if (!own || Cast<TComponent>(value)) return;
    for (TObject* other : FOthers)
        if (std::unique_ptr<TProp> theirs = OnOther(other))
            if (auto* object = Cast<TPersistent>(GetObjectProp(other, &theirs->PropInfo())))
                object->Assign(own);
}
