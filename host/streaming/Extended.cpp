#include "host/streaming/Extended.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

#include "host/streaming/ValueCodec.h"

// Text conversions go through the C library's long double, which is the x87 format here;
// its printf and strtold round exactly, as the other converters of this format do.
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit x87 extended type");

namespace {
constexpr int ExtBias = 16383;
constexpr uint64_t IntegerBit = uint64_t(1) << 63;

/// Runs the C library's number conversions in the "C" locale whatever the process uses.
class CLocaleScope {
public:
    CLocaleScope() : FC(newlocale(LC_ALL_MASK, "C", nullptr)) {
        if (FC) FOld = uselocale(FC);
    }
    ~CLocaleScope() {
        if (FC) {
            uselocale(FOld);
            freelocale(FC);
        }
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t FC;
    locale_t FOld = nullptr;
};

long double ToLongDouble(const TExtended80& v) {
    unsigned char bytes[sizeof(long double)] = {};
    v.ToBytes(bytes);
    long double d;
    std::memcpy(&d, bytes, sizeof d);
    return d;
}

TExtended80 FromLongDouble(long double d) {
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &d, sizeof d);
    return TExtended80::FromBytes(bytes);
}

double SignedDouble(bool negative, double magnitude) {
    return negative ? -magnitude : magnitude;
}

/// The exponent written after the e of a decimal text, or 0. It is kept far beyond any
/// finite extended value but clear of overflow in the sums made with it ("1e99999999999999999999"
/// reads as LONG_MAX).
long WrittenExponent(const std::string& text, size_t e) {
    if (e == std::string::npos) return 0;
    constexpr long limit = 1000000;
    return std::clamp(std::strtol(text.c_str() + e + 1, nullptr, 10), -limit, limit);
}

/// The power of ten of a decimal number's first significant digit (1.5e3 and 1500 give 3).
long DecimalExponent(const std::string& text) {
    size_t e = text.find_first_of("eE");
    long exp10 = WrittenExponent(text, e);
    size_t point = text.find('.');
    long intDigits = 0, leadingZeros = 0;
    bool seen = false;
    for (size_t k = 0; k < text.size() && k < e; ++k) {
        char ch = text[k];
        if (ch < '0' || ch > '9') continue;
        bool inFraction = point != std::string::npos && k > point;
        if (!seen && ch == '0') {
            leadingZeros += inFraction;
            continue;
        }
        seen = true;
        intDigits += !inFraction;
    }
    return intDigits > 0 ? exp10 + intDigits - 1 : exp10 - leadingZeros - 1;
}

/// The number a decimal text stands for, divided by ten.
long double TenthOf(const std::string& text) {
    size_t e = text.find_first_of("eE");
    long exp10 = WrittenExponent(text, e);
    std::string scaled = text.substr(0, e) + "e" + std::to_string(exp10 - 1);
    return std::strtold(scaled.c_str(), nullptr);
}
} // namespace

void TExtended80::ToBytes(unsigned char out[10]) const {
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<unsigned char>(Mantissa >> (8 * i));
    out[8] = static_cast<unsigned char>(SignExp & 0xFF);
    out[9] = static_cast<unsigned char>(SignExp >> 8);
}

TExtended80 TExtended80::FromBytes(const unsigned char in[10]) {
    TExtended80 v;
    v.Mantissa = zk::stream::ReadLE(in, 8);
    v.SignExp = static_cast<uint16_t>(zk::stream::ReadLE(in + 8, 2));
    return v;
}

TExtended80 DoubleToExtended(double value) {
    uint64_t bits = std::bit_cast<uint64_t>(value);
    uint16_t sign = (bits >> 63) ? 0x8000 : 0;
    int exp = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t frac = bits & ((uint64_t(1) << 52) - 1);
    TExtended80 r;
    if (exp == 0x7FF) {
        // Infinity keeps a clear fraction; NaN stays quiet.
        r.Mantissa = IntegerBit | (frac << 11) | (frac ? uint64_t(1) << 62 : 0);
        r.SignExp = sign | 0x7FFF;
    } else if (exp == 0) {
        if (frac == 0) {
            r.SignExp = sign;
        } else {
            int lz = std::countl_zero(frac);
            r.Mantissa = frac << lz;
            r.SignExp = static_cast<uint16_t>(sign | (ExtBias + 63 - lz - 1074));
        }
    } else {
        r.Mantissa = IntegerBit | (frac << 11);
        r.SignExp = static_cast<uint16_t>(sign | (exp - 1023 + ExtBias));
    }
    return r;
}

double ExtendedToDouble(const TExtended80& v) {
    bool neg = v.Negative();
    int e = v.Exponent();
    uint64_t m = v.Mantissa;
    if (e == 0x7FFF) {
        if ((m << 1) == 0) return SignedDouble(neg, HUGE_VAL);
        return std::nan("");
    }
    if (e != 0 && !(m & IntegerBit)) return std::nan(""); // unnormal: no valid value
    if (m == 0) return SignedDouble(neg, 0.0);
    // value = m * 2^(e' - 16383 - 63), with denormals using exponent 1.
    int lz = std::countl_zero(m);
    m <<= lz;
    int x = (e == 0 ? 1 : e) - ExtBias - lz; // unbiased exponent of the leading bit
    if (x > 1023) return SignedDouble(neg, DBL_MAX);
    uint64_t bits;
    if (x >= -1022) {
        uint64_t mant = m >> 11;
        uint64_t rest = m & 0x7FF;
        if (rest > 0x400 || (rest == 0x400 && (mant & 1))) ++mant;
        if (mant >> 53) {
            mant >>= 1;
            ++x;
            if (x > 1023) return SignedDouble(neg, DBL_MAX);
        }
        bits = (uint64_t(x + 1023) << 52) | (mant & ((uint64_t(1) << 52) - 1));
    } else {
        int shift = 11 + (-1022 - x);
        if (shift > 64) return SignedDouble(neg, 0.0);
        uint64_t mant = shift == 64 ? 0 : m >> shift;
        uint64_t half = uint64_t(1) << (shift - 1);
        uint64_t rest = shift == 64 ? m : m & ((half << 1) - 1);
        if (rest > half || (rest == half && (mant & 1))) ++mant;
        bits = mant; // a carry into bit 52 yields the smallest normal, as it should
    }
    return SignedDouble(neg, std::bit_cast<double>(bits));
}

std::string ExtendedToText(const TExtended80& value) {
    TExtended80 v = value;
    int e = v.Exponent();
    bool special = e == 0x7FFF || (e != 0 && !(v.Mantissa & IntegerBit));
    if (special) {
        const char* word = "Nan";
        if (e == 0x7FFF && v.Mantissa == IntegerBit) word = v.Negative() ? "-Inf" : "+Inf";
        char buf[40];
        std::snprintf(buf, sizeof buf, "%29s", word);
        return buf;
    }
    // A pseudo-denormal has the same value with the smallest normal exponent.
    if (e == 0 && (v.Mantissa & IntegerBit)) v.SignExp |= 1;
    char buf[64];
    {
        CLocaleScope c;
        std::snprintf(buf, sizeof buf, "%.20Le", ToLongDouble(v));
    }
    std::string s(buf);
    std::string out = s[0] == '-' ? "-" : " ";
    if (s[0] == '-') s.erase(0, 1);
    size_t epos = s.find('e');
    out += s.substr(0, epos);
    out += 'E';
    out += s[epos + 1];
    std::string digits = s.substr(epos + 2);
    while (digits.size() < 4)
        digits.insert(0, "0");
    return out + digits;
}

bool TextToExtended(const std::string& text, TExtended80& value) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++digits;
    }
    if (!digits) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++expDigits;
        if (!expDigits) return false;
    }
    if (i != text.size()) return false;
    CLocaleScope c;
    long double d = std::strtold(text.c_str(), nullptr);
    // Past the largest extended the other converters give infinity up to 2^16385, a signed
    // zero from there to 1e4996, and infinity again above; the same values are encoded here.
    if (std::isinf(d) && DecimalExponent(text) < 4996) {
        long double tenth = TenthOf(text);
        if (std::isinf(tenth) || std::fabs(tenth) >= std::ldexp(1.6L, 16381))
            d = std::copysign(0.0L, d);
    }
    value = FromLongDouble(d);
    return true;
}
