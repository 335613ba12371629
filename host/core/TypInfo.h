#pragma once
// Run-time type information: type kinds, type data, published properties, and the
// generic property accessors that work on any framework object.

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "host/core/Event.h"
#include "host/core/Object.h"
#include "host/core/Set.h"
#include "host/core/Variant.h"

// Numbered as the platform numbers them; streams and the inspector depend on the values.
enum TTypeKind : uint8_t {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkArray,
    tkRecord,
    tkInterface,
    tkInt64,
    tkDynArray
};
enum TOrdType : uint8_t { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType : uint8_t { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

/// Kind-specific facts about a type.
struct TTypeData {
    TOrdType OrdType = otSLong;          // ordinal kinds
    int32_t MinValue = 0;                // ordinal kinds
    int32_t MaxValue = 0;                // ordinal kinds
    const TTypeInfo* BaseType = nullptr; // enumerations: the base enumeration (itself for a base)
    std::vector<std::string> NameList;   // enumerations: names of MinValue..MaxValue
    const TTypeInfo* CompType = nullptr; // sets: the member enumeration
    TFloatType FloatType = ftDouble;     // tkFloat
    int64_t MinInt64Value = 0;           // tkInt64
    int64_t MaxInt64Value = 0;
    TClass ClassType = nullptr; // tkClass
};

/// A type's kind, name and type data.
struct TTypeInfo {
    TTypeKind Kind = tkUnknown;
    std::string Name;
    TTypeData Data;
};

inline const TTypeData* GetTypeData(const TTypeInfo* info) {
    return &info->Data;
}

constexpr int32_t NoDefault = INT32_MIN;

/// How a property's value is read and written; only the pair of the property's kind is set.
struct TPropAccess {
    std::function<int64_t(TObject*)> GetOrd;
    std::function<void(TObject*, int64_t)> SetOrd;
    std::function<double(TObject*)> GetFloat;
    std::function<void(TObject*, double)> SetFloat;
    std::function<std::string(TObject*)> GetStr;
    std::function<void(TObject*, const std::string&)> SetStr;
    std::function<TObject*(TObject*)> GetObj;
    std::function<void(TObject*, TObject*)> SetObj;
    std::function<TMethod(TObject*)> GetMethod;
    std::function<bool(TObject*, const TMethod&)> SetMethod;
    std::function<Variant(TObject*)> GetVar;
    std::function<void(TObject*, const Variant&)> SetVar;
};

/// One published property: its type, name, accessors, default and stored specifier.
struct TPropInfo {
    const TTypeInfo* PropType = nullptr;
    std::string Name;
    TPropAccess Access;
    int32_t Index = NoDefault;
    /// Ordinal default; NoDefault when the property has none and is always stored.
    int32_t Default = NoDefault;
    int16_t NameIndex = 0;
    /// Whether the value is worth storing now; empty means always.
    std::function<bool(TObject*)> StoredFn;
    bool IsStoredConst = true;
    bool IsWritable() const;
    TClass DeclaringClass = nullptr;
};

using TPropList = std::vector<const TPropInfo*>;

/// A published method: handlers that streams bind to event properties by name.
struct TMethodInfo {
    std::string Name;
    /// Makes the event value that calls this method on instance.
    std::function<TMethod(TObject* instance)> Bind;
};

// ---- Type information of the built-in and framework types ---------------------------------

const TTypeInfo* TypeInfoFor(const int32_t*);
const TTypeInfo* TypeInfoFor(const uint32_t*);
const TTypeInfo* TypeInfoFor(const int16_t*);
const TTypeInfo* TypeInfoFor(const uint16_t*);
const TTypeInfo* TypeInfoFor(const int8_t*);
const TTypeInfo* TypeInfoFor(const uint8_t*);
const TTypeInfo* TypeInfoFor(const int64_t*);
const TTypeInfo* TypeInfoFor(const bool*);
const TTypeInfo* TypeInfoFor(const double*);
const TTypeInfo* TypeInfoFor(const float*);
const TTypeInfo* TypeInfoFor(const std::string*);
const TTypeInfo* TypeInfoFor(const Variant*);
const TTypeInfo* TypeInfoFor(const TNotifyEvent*);
template <class T>
requires std::is_base_of_v<TObject, T>
const TTypeInfo* TypeInfoFor(T* const*) {
    return T::StaticClass()->ClassInfo();
}

/// Named aliases of built-in types, which cannot be told apart by their C++ type.
namespace TypeInfos {
const TTypeInfo* WordBool();
const TTypeInfo* Cardinal();
const TTypeInfo* TColor();
const TTypeInfo* TCursor();
const TTypeInfo* TDateTime();
const TTypeInfo* TDate();
const TTypeInfo* TTime();
const TTypeInfo* TFileName();
const TTypeInfo* TCaption();
const TTypeInfo* WideString();
const TTypeInfo* Char();
const TTypeInfo* TImeName();
} // namespace TypeInfos

/// Makes the type information of an enumeration from its value names.
const TTypeInfo* MakeEnumTypeInfo(const char* name, std::initializer_list<const char*> names);
/// Makes the type information of a set of the given member enumeration.
const TTypeInfo* MakeSetTypeInfo(const char* name, const TTypeInfo* members);
/// Makes type information of any other kind, e.g. a record or method type name.
const TTypeInfo* MakeTypeInfo(TTypeKind kind, const char* name);

/// Declares the type information of enumeration E, defined with ZK_ENUM_TYPEINFO in a .cpp.
#define ZK_DECLARE_TYPEINFO(T) const TTypeInfo* TypeInfoFor(const T*);
#define ZK_ENUM_TYPEINFO(E, ...)                                                                   \
    const TTypeInfo* TypeInfoFor(const E*) {                                                       \
        static const TTypeInfo* info = MakeEnumTypeInfo(#E, {__VA_ARGS__});                        \
        return info;                                                                               \
    }
#define ZK_SET_TYPEINFO(S, E)                                                                      \
    const TTypeInfo* TypeInfoFor(const S*) {                                                       \
        static const TTypeInfo* info = MakeSetTypeInfo(#S, TypeInfoFor(static_cast<const E*>(0))); \
        return info;                                                                               \
    }

/// Defines the type information of an event type (kind tkMethod) named after it.
#define ZK_METHOD_TYPEINFO(T)                                                                      \
    const TTypeInfo* TypeInfoFor(const T*) {                                                       \
        static const TTypeInfo* info = MakeTypeInfo(tkMethod, #T);                                 \
        return info;                                                                               \
    }

template <class T> const TTypeInfo* TypeInfoOf() {
    return TypeInfoFor(static_cast<const T*>(nullptr));
}

// ---- Property lists and generic access ----------------------------------------------------

/// Published properties in declaration order, ancestors first.
const TPropList& GetPropList(const TObject* obj);
const TPropList& GetPropList(TClass cls);
/// The property of that name (any letter case), or null.
const TPropInfo* GetPropInfo(const TObject* obj, const std::string& name);
const TPropInfo* GetPropInfo(TClass cls, const std::string& name);
bool IsPublishedProp(const TObject* obj, const std::string& name);
TTypeKind PropType(const TObject* obj, const std::string& name);
/// Whether a writer stores the property now: its stored specifier, then its default.
bool IsStoredProp(TObject* obj, const TPropInfo* info);
bool IsDefaultPropValue(TObject* obj, const TPropInfo* info);
/// Integers, characters, enumerations and sets: the kinds read as one integer.
bool IsOrdinalKind(TTypeKind k);

/// Reads any property as a variant; with strings preferred, enumerations come back as
/// their names and sets as comma-separated member names. EPropertyError when unknown.
Variant GetPropValue(TObject* obj, const std::string& name, bool preferStrings = true);
Variant GetPropValue(TObject* obj, const TPropInfo* info, bool preferStrings = true);
/// Writes a variant into any property, converting text or numbers to the property's type.
void SetPropValue(TObject* obj, const std::string& name, const Variant& value);
void SetPropValue(TObject* obj, const TPropInfo* info, const Variant& value);

int64_t GetOrdProp(TObject* obj, const TPropInfo* info);
void SetOrdProp(TObject* obj, const TPropInfo* info, int64_t value);
int64_t GetOrdProp(TObject* obj, const std::string& name);
void SetOrdProp(TObject* obj, const std::string& name, int64_t value);
std::string GetEnumProp(TObject* obj, const std::string& name);
void SetEnumProp(TObject* obj, const std::string& name, const std::string& value);
std::string GetSetProp(TObject* obj, const std::string& name, bool brackets = false);
void SetSetProp(TObject* obj, const std::string& name, const std::string& value);
std::string GetStrProp(TObject* obj, const TPropInfo* info);
void SetStrProp(TObject* obj, const TPropInfo* info, const std::string& value);
std::string GetStrProp(TObject* obj, const std::string& name);
void SetStrProp(TObject* obj, const std::string& name, const std::string& value);
std::string GetWideStrProp(TObject* obj, const std::string& name);
void SetWideStrProp(TObject* obj, const std::string& name, const std::string& value);
double GetFloatProp(TObject* obj, const TPropInfo* info);
void SetFloatProp(TObject* obj, const TPropInfo* info, double value);
double GetFloatProp(TObject* obj, const std::string& name);
void SetFloatProp(TObject* obj, const std::string& name, double value);
int64_t GetInt64Prop(TObject* obj, const std::string& name);
void SetInt64Prop(TObject* obj, const std::string& name, int64_t value);
TObject* GetObjectProp(TObject* obj, const TPropInfo* info);
void SetObjectProp(TObject* obj, const TPropInfo* info, TObject* value);
TObject* GetObjectProp(TObject* obj, const std::string& name);
void SetObjectProp(TObject* obj, const std::string& name, TObject* value);
TMethod GetMethodProp(TObject* obj, const std::string& name);
void SetMethodProp(TObject* obj, const std::string& name, const TMethod& value);
Variant GetVariantProp(TObject* obj, const std::string& name);
void SetVariantProp(TObject* obj, const std::string& name, const Variant& value);

/// Name of an enumeration value; "" outside the type's range.
std::string GetEnumName(const TTypeInfo* info, int value);
/// Ordinal of an enumeration name (any letter case), or -1.
int GetEnumValue(const TTypeInfo* info, const std::string& name);
/// "a,b" (or "[a,b]") for the members of a set value.
std::string SetToString(const TTypeInfo* setInfo, int64_t value, bool brackets = false);
/// Parses "a,b" or "[a, b]"; EPropertyConvertError names an unknown member.
int64_t StringToSet(const TTypeInfo* setInfo, const std::string& value);

// ---- Publishing ---------------------------------------------------------------------------

namespace zk::detail {
template <class T> struct MemberTraits;
template <class C, class R> struct MemberTraits<R (C::*)() const> {
    using Class = C;
    using Value = std::decay_t<R>;
};
template <class C, class R> struct MemberTraits<R (C::*)()> {
    using Class = C;
    using Value = std::decay_t<R>;
};
template <class C, class V> struct MemberTraits<V C::*> {
    using Class = C;
    using Value = V;
};

template <class M, class C> decltype(auto) ReadMember(M member, C* self) {
    if constexpr (std::is_member_function_pointer_v<M>)
        return (self->*member)();
    else
        return (self->*member);
}
template <class M, class C, class V> void WriteMember(M member, C* self, V&& value) {
    if constexpr (std::is_member_function_pointer_v<M>)
        (self->*member)(std::forward<V>(value));
    else
        self->*member = std::forward<V>(value);
}
template <class T> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type {};
template <class T> struct IsEvent : std::false_type {};
template <class S> struct IsEvent<TEvent<S>> : std::true_type {};
} // namespace zk::detail

/// Builds a class's published property list; the chained calls set default and storage.
class TPublisher {
public:
    TPublisher(TClass cls, std::vector<TPropInfo>& props,
               std::vector<TMethodInfo>* methods = nullptr)
        : FClass(cls), FProps(props), FMethods(methods) {}

    /// Publishes a property read by `get` and written by `set` (member functions or a data
    /// member; set may be nullptr for a read-only property), typed after the getter.
    template <class G, class S> TPublisher& Prop(const char* name, G get, S set) {
        using V = typename zk::detail::MemberTraits<G>::Value;
        return Prop(name, TypeInfoOf<V>(), get, set);
    }
    /// Same, with explicit type information for a named alias (TColor, TCaption, ...).
    template <class G, class S>
    TPublisher& Prop(const char* name, const TTypeInfo* type, G get, S set);

    /// Redeclares an inherited property, as a descendant does to give it its own default or
    /// storage: the chained calls that follow change the copy, which keeps the ancestor's place
    /// in the property list. EPropertyError when no ancestor publishes the name.
    TPublisher& Redeclare(const char* name);

    TPublisher& Default(int64_t value);
    TPublisher& NoDefault();
    TPublisher& Stored(bool stored);
    template <class F> TPublisher& Stored(F fn) {
        auto& p = FProps.back();
        using C = typename zk::detail::MemberTraits<F>::Class;
        p.StoredFn = [fn](TObject* o) { return (static_cast<C*>(o)->*fn)(); };
        return *this;
    }

    /// Publishes a method as an event handler that streams can name (`Button1Click`).
    template <class C, class R, class... A> TPublisher& Method(const char* name, R (C::*fn)(A...)) {
        if (!FMethods) return *this;
        std::string n = name;
        FMethods->push_back({n, [n, fn](TObject* o) {
                                 TMethod m;
                                 m.Name = n;
                                 m.Data = o;
                                 C* self = static_cast<C*>(o);
                                 m.Code = std::function<R(A...)>(
                                     [self, fn](A... args) -> R { return (self->*fn)(args...); });
                                 return m;
                             }});
        return *this;
    }

private:
    TPropInfo& Add(const char* name, const TTypeInfo* type);
    TClass FClass;
    std::vector<TPropInfo>& FProps;
    std::vector<TMethodInfo>* FMethods;
};

template <class G, class S>
TPublisher& TPublisher::Prop(const char* name, const TTypeInfo* type, G get, S set) {
    using C = typename zk::detail::MemberTraits<G>::Class;
    using V = typename zk::detail::MemberTraits<G>::Value;
    TPropInfo& p = Add(name, type);
    auto self = [](TObject* o) { return static_cast<C*>(o); };
    constexpr bool writable = !std::is_same_v<S, std::nullptr_t>;
    TPropAccess& a = p.Access;
    if constexpr (std::is_same_v<V, std::string>) {
        a.GetStr = [get, self](TObject* o) {
            return std::string(zk::detail::ReadMember(get, self(o)));
        };
        if constexpr (writable)
            a.SetStr = [set, self](TObject* o, const std::string& v) {
                zk::detail::WriteMember(set, self(o), v);
            };
    } else if constexpr (std::is_floating_point_v<V>) {
        a.GetFloat = [get, self](TObject* o) {
            return double(zk::detail::ReadMember(get, self(o)));
        };
        if constexpr (writable)
            a.SetFloat = [set, self](TObject* o, double v) {
                zk::detail::WriteMember(set, self(o), V(v));
            };
    } else if constexpr (zk::detail::IsSet<V>::value) {
        a.GetOrd = [get, self](TObject* o) {
            return int64_t(zk::detail::ReadMember(get, self(o)).Bits());
        };
        if constexpr (writable)
            a.SetOrd = [set, self](TObject* o, int64_t v) {
                zk::detail::WriteMember(set, self(o), V::FromBits(uint64_t(v)));
            };
    } else if constexpr (std::is_integral_v<V> || std::is_enum_v<V>) {
        a.GetOrd = [get, self](TObject* o) {
            return int64_t(zk::detail::ReadMember(get, self(o)));
        };
        if constexpr (writable)
            a.SetOrd = [set, self](TObject* o, int64_t v) {
                zk::detail::WriteMember(set, self(o), V(v));
            };
    } else if constexpr (std::is_pointer_v<V>) {
        a.GetObj = [get, self](TObject* o) -> TObject* {
            return zk::detail::ReadMember(get, self(o));
        };
        if constexpr (writable)
            a.SetObj = [set, self](TObject* o, TObject* v) {
                using P = std::remove_pointer_t<V>;
                zk::detail::WriteMember(set, self(o), As<P>(v));
            };
    } else if constexpr (zk::detail::IsEvent<V>::value) {
        a.GetMethod = [get, self](TObject* o) {
            return zk::detail::ReadMember(get, self(o)).AsMethod();
        };
        if constexpr (writable)
            a.SetMethod = [set, self](TObject* o, const TMethod& m) {
                V ev;
                if (!ev.Assign(m)) return false;
                zk::detail::WriteMember(set, self(o), ev);
                return true;
            };
    } else if constexpr (std::is_same_v<V, Variant>) {
        a.GetVar = [get, self](TObject* o) {
            return Variant(zk::detail::ReadMember(get, self(o)));
        };
        if constexpr (writable)
            a.SetVar = [set, self](TObject* o, const Variant& v) {
                zk::detail::WriteMember(set, self(o), v);
            };
    } else {
        static_assert(sizeof(V) == 0, "unsupported published property type");
    }
    return *this;
}
