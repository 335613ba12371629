#include "host/core/TypInfo.h"

#include <limits>
#include <memory>
#include <mutex>

#include "host/core/Component.h"

namespace {
/// Owns every type-information record made at run time; they live for the process.
std::vector<std::unique_ptr<TTypeInfo>>& TypeStore() {
    static std::vector<std::unique_ptr<TTypeInfo>> store;
    return store;
}
std::mutex& TypeStoreMutex() {
    static std::mutex m;
    return m;
}

TTypeInfo* NewType(TTypeKind kind, const char* name) {
    auto info = std::make_unique<TTypeInfo>();
    info->Kind = kind;
    info->Name = name;
    std::lock_guard lock(TypeStoreMutex());
    TypeStore().push_back(std::move(info));
    return TypeStore().back().get();
}

const TTypeInfo* OrdType(TTypeKind kind, const char* name, TOrdType ord, int32_t lo, int32_t hi) {
    TTypeInfo* t = NewType(kind, name);
    t->Data.OrdType = ord;
    t->Data.MinValue = lo;
    t->Data.MaxValue = hi;
    return t;
}

const TTypeInfo* BoolType(const char* name, TOrdType ord) {
    TTypeInfo* t = NewType(tkEnumeration, name);
    t->Data.OrdType = ord;
    t->Data.MinValue = 0;
    t->Data.MaxValue = 1;
    t->Data.NameList = {"False", "True"};
    t->Data.BaseType = t;
    return t;
}

const TTypeInfo* FloatType(const char* name, TFloatType ft) {
    TTypeInfo* t = NewType(tkFloat, name);
    t->Data.FloatType = ft;
    return t;
}

[[noreturn]] void UnknownProperty(const std::string& name) {
    throw EPropertyError("属性 " + name + " 不存在");
}

[[noreturn]] void InvalidPropertyType(const TPropInfo* info) {
    throw EPropertyError("无效的属性类型：" + info->PropType->Name);
}

const TPropInfo* Require(const TObject* obj, const std::string& name) {
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p) UnknownProperty(name);
    return p;
}

[[noreturn]] void ReadOnly(const TPropInfo* info) {
    throw EPropertyError("属性 " + info->Name + " 是只读的");
}

bool IsStringKind(TTypeKind k) {
    return k == tkString || k == tkLString || k == tkWString;
}

/// The message of a value outside a property's range: the value as the user gave it (typed text
/// when there is some; a number that did not fit 64 bits has no faithful number) and the range.
std::string OutOfRange(const TPropInfo* info, const std::string& given, int64_t lo, int64_t hi) {
    return "“" + given + "”超出属性 " + info->Name + " 的范围（" + IntToStr(lo) + " 到 " +
           IntToStr(hi) + "）";
}

/// Checks an ordinal against the bounds of its type, as the platform's range checks would.
void CheckRange(const TPropInfo* info, int64_t value, const std::string* typed = nullptr) {
    const TTypeInfo* t = info->PropType;
    if (t->Kind == tkInt64 || t->Kind == tkSet) return;
    const TTypeData& d = t->Data;
    int64_t lo = d.MinValue, hi = d.MaxValue;
    if (d.OrdType == otULong) hi = std::numeric_limits<uint32_t>::max();
    if (value < lo || value > hi)
        throw ERangeError(OutOfRange(info, typed ? *typed : IntToStr(value), lo, hi));
}
} // namespace

// ---- Built-in types -----------------------------------------------------------------------

const TTypeInfo* TypeInfoFor(const int32_t*) {
    static auto t = OrdType(tkInteger, "Integer", otSLong, INT32_MIN, INT32_MAX);
    return t;
}
const TTypeInfo* TypeInfoFor(const uint32_t*) {
    return TypeInfos::Cardinal();
}
const TTypeInfo* TypeInfoFor(const int16_t*) {
    static auto t = OrdType(tkInteger, "SmallInt", otSWord, INT16_MIN, INT16_MAX);
    return t;
}
const TTypeInfo* TypeInfoFor(const uint16_t*) {
    static auto t = OrdType(tkInteger, "Word", otUWord, 0, UINT16_MAX);
    return t;
}
const TTypeInfo* TypeInfoFor(const int8_t*) {
    static auto t = OrdType(tkInteger, "ShortInt", otSByte, INT8_MIN, INT8_MAX);
    return t;
}
const TTypeInfo* TypeInfoFor(const uint8_t*) {
    static auto t = OrdType(tkInteger, "Byte", otUByte, 0, UINT8_MAX);
    return t;
}
const TTypeInfo* TypeInfoFor(const int64_t*) {
    static auto t = [] {
        TTypeInfo* t = NewType(tkInt64, "Int64");
        t->Data.MinInt64Value = INT64_MIN;
        t->Data.MaxInt64Value = INT64_MAX;
        return t;
    }();
    return t;
}
const TTypeInfo* TypeInfoFor(const bool*) {
    static auto t = BoolType("Boolean", otUByte);
    return t;
}
const TTypeInfo* TypeInfoFor(const double*) {
    static auto t = FloatType("Double", ftDouble);
    return t;
}
const TTypeInfo* TypeInfoFor(const float*) {
    static auto t = FloatType("Single", ftSingle);
    return t;
}
const TTypeInfo* TypeInfoFor(const std::string*) {
    static auto t = NewType(tkLString, "String");
    return t;
}
const TTypeInfo* TypeInfoFor(const Variant*) {
    static auto t = NewType(tkVariant, "Variant");
    return t;
}
const TTypeInfo* TypeInfoFor(const TNotifyEvent*) {
    static auto t = NewType(tkMethod, "TNotifyEvent");
    return t;
}

namespace TypeInfos {
const TTypeInfo* WordBool() {
    static auto t = BoolType("WordBool", otUWord);
    return t;
}
const TTypeInfo* Cardinal() {
    static auto t = OrdType(tkInteger, "Cardinal", otULong, 0, -1);
    return t;
}
const TTypeInfo* TColor() {
    static auto t = OrdType(tkInteger, "TColor", otSLong, INT32_MIN, INT32_MAX);
    return t;
}
const TTypeInfo* TCursor() {
    static auto t = OrdType(tkInteger, "TCursor", otSWord, INT16_MIN, INT16_MAX);
    return t;
}
const TTypeInfo* TDateTime() {
    static auto t = FloatType("TDateTime", ftDouble);
    return t;
}
const TTypeInfo* TDate() {
    static auto t = FloatType("TDate", ftDouble);
    return t;
}
const TTypeInfo* TTime() {
    static auto t = FloatType("TTime", ftDouble);
    return t;
}
const TTypeInfo* TFileName() {
    static auto t = NewType(tkLString, "TFileName");
    return t;
}
const TTypeInfo* TCaption() {
    static auto t = NewType(tkLString, "TCaption");
    return t;
}
const TTypeInfo* WideString() {
    static auto t = NewType(tkWString, "WideString");
    return t;
}
const TTypeInfo* Char() {
    static auto t = OrdType(tkChar, "Char", otUByte, 0, 255);
    return t;
}
const TTypeInfo* TImeName() {
    static auto t = NewType(tkLString, "TImeName");
    return t;
}
} // namespace TypeInfos

const TTypeInfo* MakeEnumTypeInfo(const char* name, std::initializer_list<const char*> names) {
    TTypeInfo* t = NewType(tkEnumeration, name);
    for (const char* n : names)
        t->Data.NameList.emplace_back(n);
    t->Data.MinValue = 0;
    t->Data.MaxValue = static_cast<int32_t>(names.size()) - 1;
    t->Data.OrdType = names.size() <= 256 ? otUByte : otUWord;
    t->Data.BaseType = t;
    return t;
}

const TTypeInfo* MakeSetTypeInfo(const char* name, const TTypeInfo* members) {
    TTypeInfo* t = NewType(tkSet, name);
    t->Data.CompType = members;
    t->Data.OrdType = members->Data.MaxValue < 8    ? otUByte
                      : members->Data.MaxValue < 16 ? otUWord
                                                    : otULong;
    return t;
}

const TTypeInfo* MakeTypeInfo(TTypeKind kind, const char* name) {
    return NewType(kind, name);
}

// ---- Property lists -----------------------------------------------------------------------

bool TPropInfo::IsWritable() const {
    return Access.SetOrd || Access.SetFloat || Access.SetStr || Access.SetObj || Access.SetMethod ||
           Access.SetVar;
}

const TPropList& GetPropList(TClass cls) {
    return cls->PropList();
}
const TPropList& GetPropList(const TObject* obj) {
    return obj->ClassType()->PropList();
}

const TPropInfo* GetPropInfo(TClass cls, const std::string& name) {
    const TPropList& list = cls->PropList();
    // Searched from the end so that a redeclaration in a descendant wins.
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (SameText((*it)->Name, name)) return *it;
    return nullptr;
}

const TPropInfo* GetPropInfo(const TObject* obj, const std::string& name) {
    return GetPropInfo(obj->ClassType(), name);
}

bool IsPublishedProp(const TObject* obj, const std::string& name) {
    return GetPropInfo(obj, name) != nullptr;
}

TTypeKind PropType(const TObject* obj, const std::string& name) {
    return Require(obj, name)->PropType->Kind;
}

bool IsOrdinalKind(TTypeKind k) {
    return k == tkInteger || k == tkChar || k == tkWChar || k == tkEnumeration || k == tkSet ||
           k == tkInt64;
}

bool IsDefaultPropValue(TObject* obj, const TPropInfo* info) {
    TTypeKind k = info->PropType->Kind;
    if (IsOrdinalKind(k)) {
        if (info->Default == NoDefault) return false;
        return GetOrdProp(obj, info) == info->Default;
    }
    if (k == tkFloat) return GetFloatProp(obj, info) == 0;
    if (IsStringKind(k)) return GetStrProp(obj, info).empty();
    if (k == tkMethod) return !info->Access.GetMethod(obj).Assigned();
    if (k == tkVariant) return info->Access.GetVar(obj).IsEmpty();
    if (k == tkClass) return GetObjectProp(obj, info) == nullptr;
    return false;
}

bool IsStoredProp(TObject* obj, const TPropInfo* info) {
    if (info->StoredFn) return info->StoredFn(obj);
    return info->IsStoredConst;
}

// ---- Enumerations and sets ----------------------------------------------------------------

std::string GetEnumName(const TTypeInfo* info, int value) {
    const TTypeData& d = info->Data.BaseType ? info->Data.BaseType->Data : info->Data;
    if (value < d.MinValue || value > d.MaxValue) return {};
    size_t index = static_cast<size_t>(value - d.MinValue);
    return index < d.NameList.size() ? d.NameList[index] : std::string();
}

int GetEnumValue(const TTypeInfo* info, const std::string& name) {
    const TTypeData& d = info->Data.BaseType ? info->Data.BaseType->Data : info->Data;
    for (size_t i = 0; i < d.NameList.size(); ++i)
        if (SameText(d.NameList[i], name)) return d.MinValue + static_cast<int>(i);
    return -1;
}

std::string SetToString(const TTypeInfo* setInfo, int64_t value, bool brackets) {
    const TTypeInfo* members = setInfo->Data.CompType;
    std::string out;
    for (int i = 0; i < 64; ++i) {
        if (!(static_cast<uint64_t>(value) & (uint64_t(1) << i))) continue;
        if (!out.empty()) out += ',';
        std::string n = GetEnumName(members, i);
        out += n.empty() ? IntToStr(i) : n;
    }
    return brackets ? "[" + out + "]" : out;
}

int64_t StringToSet(const TTypeInfo* setInfo, const std::string& value) {
    std::string s = Trim(value);
    if (!s.empty() && s.front() == '[') {
        if (s.back() != ']') throw EPropertyConvertError("无效的属性元素：" + value);
        s = s.substr(1, s.size() - 2);
    }
    uint64_t bits = 0;
    size_t start = 0;
    while (start <= s.size()) {
        size_t comma = s.find(',', start);
        std::string item =
            Trim(s.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!item.empty()) {
            int v = GetEnumValue(setInfo->Data.CompType, item);
            if (v < 0 || v > 63) throw EPropertyConvertError("无效的属性元素：" + item);
            bits |= uint64_t(1) << v;
        } else if (comma != std::string::npos) {
            throw EPropertyConvertError("无效的属性元素：" + value);
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return static_cast<int64_t>(bits);
}

// ---- Typed accessors ----------------------------------------------------------------------

int64_t GetOrdProp(TObject* obj, const TPropInfo* info) {
    if (!info->Access.GetOrd) InvalidPropertyType(info);
    return info->Access.GetOrd(obj);
}
void SetOrdProp(TObject* obj, const TPropInfo* info, int64_t value) {
    if (!info->Access.GetOrd) InvalidPropertyType(info);
    if (!info->Access.SetOrd) ReadOnly(info);
    CheckRange(info, value);
    info->Access.SetOrd(obj, value);
}
int64_t GetOrdProp(TObject* obj, const std::string& name) {
    return GetOrdProp(obj, Require(obj, name));
}
void SetOrdProp(TObject* obj, const std::string& name, int64_t value) {
    SetOrdProp(obj, Require(obj, name), value);
}

std::string GetEnumProp(TObject* obj, const std::string& name) {
    const TPropInfo* p = Require(obj, name);
    return GetEnumName(p->PropType, static_cast<int>(GetOrdProp(obj, p)));
}
void SetEnumProp(TObject* obj, const std::string& name, const std::string& value) {
    const TPropInfo* p = Require(obj, name);
    int v = GetEnumValue(p->PropType, value);
    if (v < 0 && !SameText(value, GetEnumName(p->PropType, v)))
        throw EPropertyConvertError("无效的属性元素：" + value);
    SetOrdProp(obj, p, v);
}

std::string GetSetProp(TObject* obj, const std::string& name, bool brackets) {
    const TPropInfo* p = Require(obj, name);
    return SetToString(p->PropType, GetOrdProp(obj, p), brackets);
}
void SetSetProp(TObject* obj, const std::string& name, const std::string& value) {
    const TPropInfo* p = Require(obj, name);
    SetOrdProp(obj, p, StringToSet(p->PropType, value));
}

std::string GetStrProp(TObject* obj, const TPropInfo* info) {
    if (!info->Access.GetStr) InvalidPropertyType(info);
    return info->Access.GetStr(obj);
}
void SetStrProp(TObject* obj, const TPropInfo* info, const std::string& value) {
    if (!info->Access.GetStr) InvalidPropertyType(info);
    if (!info->Access.SetStr) ReadOnly(info);
    info->Access.SetStr(obj, value);
}
std::string GetStrProp(TObject* obj, const std::string& name) {
    return GetStrProp(obj, Require(obj, name));
}
void SetStrProp(TObject* obj, const std::string& name, const std::string& value) {
    SetStrProp(obj, Require(obj, name), value);
}
std::string GetWideStrProp(TObject* obj, const std::string& name) {
    return GetStrProp(obj, name);
}
void SetWideStrProp(TObject* obj, const std::string& name, const std::string& value) {
    SetStrProp(obj, name, value);
}

double GetFloatProp(TObject* obj, const TPropInfo* info) {
    if (!info->Access.GetFloat) InvalidPropertyType(info);
    return info->Access.GetFloat(obj);
}
void SetFloatProp(TObject* obj, const TPropInfo* info, double value) {
    if (!info->Access.GetFloat) InvalidPropertyType(info);
    if (!info->Access.SetFloat) ReadOnly(info);
    info->Access.SetFloat(obj, value);
}
double GetFloatProp(TObject* obj, const std::string& name) {
    return GetFloatProp(obj, Require(obj, name));
}
void SetFloatProp(TObject* obj, const std::string& name, double value) {
    SetFloatProp(obj, Require(obj, name), value);
}

int64_t GetInt64Prop(TObject* obj, const std::string& name) {
    return GetOrdProp(obj, name);
}
void SetInt64Prop(TObject* obj, const std::string& name, int64_t value) {
    SetOrdProp(obj, name, value);
}

TObject* GetObjectProp(TObject* obj, const TPropInfo* info) {
    if (!info->Access.GetObj) InvalidPropertyType(info);
    return info->Access.GetObj(obj);
}
void SetObjectProp(TObject* obj, const TPropInfo* info, TObject* value) {
    if (!info->Access.GetObj) InvalidPropertyType(info);
    if (!info->Access.SetObj) ReadOnly(info);
    TClass want = info->PropType->Data.ClassType;
    if (value && want && !value->InheritsFrom(want)) RaiseInvalidCast(value, want);
    info->Access.SetObj(obj, value);
}
TObject* GetObjectProp(TObject* obj, const std::string& name) {
    return GetObjectProp(obj, Require(obj, name));
}
void SetObjectProp(TObject* obj, const std::string& name, TObject* value) {
    SetObjectProp(obj, Require(obj, name), value);
}

TMethod GetMethodProp(TObject* obj, const std::string& name) {
    const TPropInfo* p = Require(obj, name);
    if (!p->Access.GetMethod) InvalidPropertyType(p);
    return p->Access.GetMethod(obj);
}
void SetMethodProp(TObject* obj, const std::string& name, const TMethod& value) {
    const TPropInfo* p = Require(obj, name);
    if (!p->Access.GetMethod) InvalidPropertyType(p);
    if (!p->Access.SetMethod) ReadOnly(p);
    if (!p->Access.SetMethod(obj, value))
        throw EInvalidCast("方法 " + value.Name + " 与事件 " + p->Name + " 的类型不符");
}

Variant GetVariantProp(TObject* obj, const std::string& name) {
    const TPropInfo* p = Require(obj, name);
    if (!p->Access.GetVar) InvalidPropertyType(p);
    return p->Access.GetVar(obj);
}
void SetVariantProp(TObject* obj, const std::string& name, const Variant& value) {
    const TPropInfo* p = Require(obj, name);
    if (!p->Access.GetVar) InvalidPropertyType(p);
    if (!p->Access.SetVar) ReadOnly(p);
    p->Access.SetVar(obj, value);
}

// ---- Variant access -----------------------------------------------------------------------

Variant GetPropValue(TObject* obj, const TPropInfo* info, bool preferStrings) {
    const TTypeInfo* t = info->PropType;
    switch (t->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
        return Variant(static_cast<int32_t>(GetOrdProp(obj, info)));
    case tkEnumeration: {
        int64_t v = GetOrdProp(obj, info);
        if (preferStrings) return Variant(GetEnumName(t, static_cast<int>(v)));
        if (t->Data.BaseType == TypeInfoOf<bool>()) return Variant(v != 0);
        return Variant(static_cast<int32_t>(v));
    }
    case tkSet: {
        int64_t v = GetOrdProp(obj, info);
        if (preferStrings) return Variant(SetToString(t, v));
        return Variant(v);
    }
    case tkInt64:
        return Variant(GetOrdProp(obj, info));
    case tkFloat: {
        double d = GetFloatProp(obj, info);
        if (SameText(t->Name, "TDateTime") || SameText(t->Name, "TDate") ||
            SameText(t->Name, "TTime"))
            return Variant::FromDate(d);
        return Variant(d);
    }
    case tkString:
    case tkLString:
    case tkWString:
        return Variant(GetStrProp(obj, info));
    case tkClass:
        return Variant(GetObjectProp(obj, info));
    case tkVariant:
        return info->Access.GetVar(obj);
    default:
        InvalidPropertyType(info);
    }
}

Variant GetPropValue(TObject* obj, const std::string& name, bool preferStrings) {
    return GetPropValue(obj, Require(obj, name), preferStrings);
}

void SetPropValue(TObject* obj, const TPropInfo* info, const Variant& value) {
    const TTypeInfo* t = info->PropType;
    switch (t->Kind) {
    case tkInteger:
    case tkInt64:
        if (value.VarType() == varString) {
            // Typed text: a range error repeats it as typed, which may not fit 64 bits.
            const std::string typed = Trim(value.AsString());
            int64_t v = 0;
            if (!TryStrToInt64(typed, v)) {
                const size_t digits = typed.find_first_not_of("+-") == 1 ? 1 : 0;
                if (typed.size() > digits &&
                    typed.find_first_not_of("0123456789", digits) == std::string::npos) {
                    const TTypeData& td = t->Data;
                    throw ERangeError(OutOfRange(info, typed, td.MinValue,
                                                 td.OrdType == otULong ? int64_t(UINT32_MAX)
                                                                       : td.MaxValue));
                }
                value.AsInt64(); // raises the conversion error
            }
            if (!info->Access.GetOrd) InvalidPropertyType(info);
            if (!info->Access.SetOrd) ReadOnly(info);
            CheckRange(info, v, &typed);
            info->Access.SetOrd(obj, v);
        } else {
            SetOrdProp(obj, info, value.AsInt64());
        }
        break;
    case tkChar:
    case tkWChar:
        if (value.VarType() == varString) {
            const std::string s = value.AsString();
            if (s.size() != 1) throw EPropertyConvertError("无效的属性值：" + s);
            SetOrdProp(obj, info, static_cast<unsigned char>(s[0]));
        } else {
            SetOrdProp(obj, info, value.AsInt64());
        }
        break;
    case tkEnumeration:
        if (value.VarType() == varString) {
            const std::string s = Trim(value.AsString());
            int v = GetEnumValue(t, s);
            if (v < 0) {
                int64_t ordinal;
                if (!TryStrToInt64(s, ordinal))
                    throw EPropertyConvertError("无效的属性元素：" + s);
                v = static_cast<int>(ordinal);
                if (v != ordinal)
                    throw ERangeError(OutOfRange(info, s, t->Data.MinValue, t->Data.MaxValue));
            }
            SetOrdProp(obj, info, v);
        } else if (value.VarType() == varBoolean) {
            SetOrdProp(obj, info, value.AsBoolean() ? 1 : 0);
        } else {
            SetOrdProp(obj, info, value.AsInt64());
        }
        break;
    case tkSet:
        if (value.VarType() == varString)
            SetOrdProp(obj, info, StringToSet(t, value.AsString()));
        else
            SetOrdProp(obj, info, value.AsInt64());
        break;
    case tkFloat:
        if (value.VarType() == varString &&
            (SameText(t->Name, "TDateTime") || SameText(t->Name, "TDate"))) {
            double d;
            SetFloatProp(obj, info,
                         TryStrToFloat(value.AsString(), d) ? d : StrToDateTime(value.AsString()));
        } else {
            SetFloatProp(obj, info, value.AsDouble());
        }
        break;
    case tkString:
    case tkLString:
    case tkWString:
        SetStrProp(obj, info, value.AsString());
        break;
    case tkClass:
        SetObjectProp(obj, info, value.AsObject());
        break;
    case tkVariant:
        if (!info->Access.SetVar) ReadOnly(info);
        info->Access.SetVar(obj, value);
        break;
    default:
        InvalidPropertyType(info);
    }
}

void SetPropValue(TObject* obj, const std::string& name, const Variant& value) {
    SetPropValue(obj, Require(obj, name), value);
}

// ---- Publishing ---------------------------------------------------------------------------

TPropInfo& TPublisher::Add(const char* name, const TTypeInfo* type) {
    TPropInfo& p = FProps.emplace_back();
    p.Name = name;
    p.PropType = type;
    p.DeclaringClass = FClass;
    return p;
}

TPublisher& TPublisher::Redeclare(const char* name) {
    const TPropInfo* inherited =
        FClass->ClassParent() ? GetPropInfo(FClass->ClassParent(), name) : nullptr;
    if (!inherited) UnknownProperty(name);
    TPropInfo& p = FProps.emplace_back(*inherited);
    p.DeclaringClass = FClass;
    return *this;
}

TPublisher& TPublisher::Default(int64_t value) {
    FProps.back().Default = static_cast<int32_t>(value);
    return *this;
}

TPublisher& TPublisher::NoDefault() {
    FProps.back().Default = ::NoDefault;
    return *this;
}

TPublisher& TPublisher::Stored(bool stored) {
    FProps.back().IsStoredConst = stored;
    FProps.back().StoredFn = nullptr;
    return *this;
}
