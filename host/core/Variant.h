#pragma once
// The variant type that property values travel in.

#include <cstdint>
#include <string>
#include <variant>

#include "host/core/SysUtils.h"

class TObject;

enum TVarType {
    varEmpty,
    varNull,
    varBoolean,
    varInteger,
    varInt64,
    varDouble,
    varDate,
    varString,
    varObject
};

/// A value of one of a few kinds (empty, null, Boolean, integers, double, date, UTF-8 text,
/// object reference) with the usual conversions between them.
class Variant {
public:
    Variant() = default;
    Variant(bool v) : FValue(v) {}
    Variant(int32_t v) : FValue(v) {}
    Variant(int64_t v) : FValue(v) {}
    Variant(double v) : FValue(v) {}
    Variant(const char* v) : FValue(std::string(v)) {}
    Variant(std::string v) : FValue(std::move(v)) {}
    Variant(TObject* v) : FValue(v) {}
    static Variant Null();
    static Variant FromDate(TDateTime v);

    TVarType VarType() const;
    bool IsEmpty() const { return VarType() == varEmpty; }
    bool IsNull() const { return VarType() == varNull; }
    bool IsNumeric() const;

    /// Text of the value: "True"/"False", decimal numbers, date text; empty and null give "".
    std::string AsString() const;
    /// Integer value; text is parsed (EConvertError), doubles are rounded, empty is 0.
    int64_t AsInt64() const;
    int32_t AsInteger() const;
    double AsDouble() const;
    /// Booleans, numbers (non-zero is true) and the texts "True"/"False" in any case.
    bool AsBoolean() const;
    /// The referenced object; an integer 0 or empty value gives null, other kinds EInvalidCast.
    TObject* AsObject() const;

    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct DateTag {
        double Value;
        bool operator==(const DateTag&) const = default;
    };
    std::variant<std::monostate, NullTag, bool, int32_t, int64_t, double, DateTag, std::string,
                 TObject*>
        FValue;
};

std::string VarToStr(const Variant& v);
TDateTime VarToDateTime(const Variant& v);
inline bool VarIsEmpty(const Variant& v) {
    return v.IsEmpty();
}
inline bool VarIsNull(const Variant& v) {
    return v.IsNull();
}
