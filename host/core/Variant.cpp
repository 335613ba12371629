#include "host/core/Variant.h"

#include <cmath>
#include <limits>

#include "host/core/Object.h"

Variant Variant::Null() {
    Variant v;
    v.FValue = NullTag{};
    return v;
}

Variant Variant::FromDate(TDateTime value) {
    Variant v;
    v.FValue = DateTag{value};
    return v;
}

TVarType Variant::VarType() const {
    static constexpr TVarType types[] = {varEmpty,  varNull, varBoolean, varInteger, varInt64,
                                         varDouble, varDate, varString,  varObject};
    return types[FValue.index()];
}

bool Variant::IsNumeric() const {
    TVarType t = VarType();
    return t == varInteger || t == varInt64 || t == varDouble || t == varDate;
}

std::string Variant::AsString() const {
    switch (VarType()) {
    case varEmpty:
    case varNull:
        return {};
    case varBoolean:
        return std::get<bool>(FValue) ? "True" : "False";
    case varInteger:
        return IntToStr(std::get<int32_t>(FValue));
    case varInt64:
        return IntToStr(std::get<int64_t>(FValue));
    case varDouble:
        return FloatToStr(std::get<double>(FValue));
    case varDate:
        return DateTimeToStr(std::get<DateTag>(FValue).Value);
    case varString:
        return std::get<std::string>(FValue);
    case varObject:
        return IntToStr(
            static_cast<int64_t>(reinterpret_cast<intptr_t>(std::get<TObject*>(FValue))));
    }
    return {};
}

int64_t Variant::AsInt64() const {
    switch (VarType()) {
    case varEmpty:
        return 0;
    case varNull:
        throw EInvalidCast("不能把空值转换为整数");
    case varBoolean:
        return std::get<bool>(FValue) ? -1 : 0;
    case varInteger:
        return std::get<int32_t>(FValue);
    case varInt64:
        return std::get<int64_t>(FValue);
    case varDouble:
    case varDate: {
        double d = AsDouble();
        if (!std::isfinite(d) || d >= 9.2233720368547758e18 || d < -9.2233720368547758e18)
            throw EInvalidCast("不能把该浮点数转换为整数");
        return static_cast<int64_t>(std::llround(d));
    }
    case varString: {
        int64_t v;
        if (TryStrToInt64(std::get<std::string>(FValue), v)) return v;
        double d;
        if (TryStrToFloat(std::get<std::string>(FValue), d)) return Variant(d).AsInt64();
        throw EConvertError("“" + std::get<std::string>(FValue) + "”不是有效的整数");
    }
    case varObject:
        return static_cast<int64_t>(reinterpret_cast<intptr_t>(std::get<TObject*>(FValue)));
    }
    return 0;
}

int32_t Variant::AsInteger() const {
    int64_t v = AsInt64();
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        throw ERangeError("范围检查错误：" + IntToStr(v) + " 超出 32 位整数的范围（" +
                          IntToStr(std::numeric_limits<int32_t>::min()) + " 到 " +
                          IntToStr(std::numeric_limits<int32_t>::max()) + "）");
    return static_cast<int32_t>(v);
}

double Variant::AsDouble() const {
    switch (VarType()) {
    case varDouble:
        return std::get<double>(FValue);
    case varDate:
        return std::get<DateTag>(FValue).Value;
    case varString:
        return StrToFloat(std::get<std::string>(FValue));
    default:
        return static_cast<double>(AsInt64());
    }
}

bool Variant::AsBoolean() const {
    switch (VarType()) {
    case varBoolean:
        return std::get<bool>(FValue);
    case varString: {
        const std::string& s = std::get<std::string>(FValue);
        if (SameText(s, "True")) return true;
        if (SameText(s, "False")) return false;
        return AsDouble() != 0;
    }
    case varDouble:
    case varDate:
        return AsDouble() != 0;
    default:
        return AsInt64() != 0;
    }
}

TObject* Variant::AsObject() const {
    if (VarType() == varObject) return std::get<TObject*>(FValue);
    if (VarType() == varEmpty || (IsNumeric() && AsDouble() == 0)) return nullptr;
    throw EInvalidCast("不能把该值转换为对象引用");
}

bool Variant::operator==(const Variant& other) const {
    return FValue == other.FValue;
}

std::string VarToStr(const Variant& v) {
    return v.AsString();
}

TDateTime VarToDateTime(const Variant& v) {
    if (v.VarType() == varString) return StrToDateTime(v.AsString());
    return v.AsDouble();
}
