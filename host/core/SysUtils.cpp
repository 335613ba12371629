// Numbers, ASCII text helpers, dates and the tick counter. Everything here is locale-free:
// Qt sets the C locale from the environment, so printf/strtod would read and write
// "1,5" on some machines; std::to_chars/from_chars never do.

#include "host/core/SysUtils.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <string_view>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view TrimView(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads [sign](digits | $hex | 0xhex) into an integer of `bits` width. Decimal text must
// fit the signed range; hex text may use the whole unsigned range and gives its bit
// pattern, so "$FFFFFFFF" reads as -1 in 32 bits (colours are written that way).
bool ParseInteger(std::string_view text, int bits, int64_t& out) {
    std::string_view s = TrimView(text);
    bool neg = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        neg = s[0] == '-';
        s.remove_prefix(1);
    }
    bool hex = false;
    if (!s.empty() && s[0] == '$') {
        hex = true;
        s.remove_prefix(1);
    } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        hex = true;
        s.remove_prefix(2);
    }
    if (s.empty()) return false;

    const uint64_t unsignedMax = bits == 64 ? UINT64_MAX : (uint64_t(1) << bits) - 1;
    const uint64_t signedMax = unsignedMax >> 1;
    const uint64_t limit = hex ? unsignedMax : neg ? signedMax + 1 : signedMax;
    const unsigned base = hex ? 16 : 10;
    uint64_t v = 0;
    for (char c : s) {
        int d = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) return false;
        if (v > (limit - unsigned(d)) / base) return false;
        v = v * base + unsigned(d);
    }
    uint64_t r = (neg ? 0 - v : v) & unsignedMax;
    if (r > signedMax) r |= ~unsignedMax; // sign-extend the bit pattern
    out = static_cast<int64_t>(r);
    return true;
}

[[noreturn]] void RaiseNotInteger(const std::string& text) {
    throw EConvertError("“" + text + "”不是有效的整数");
}

// Checks the syntax [sign](digits[.digits] | .digits)[(e|E)[sign]digits] and tells the
// decimal order of magnitude of the value (0 for 1..9.99, -1 for 0.1..0.99, ...), which
// from_chars does not report when it gives up on an out-of-range value.
bool ScanFloat(std::string_view s, bool& isZero, int64_t& order) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    int64_t intDigits = 0, leadingFracZeros = 0;
    bool seenNonZero = false, anyDigit = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        anyDigit = true;
        if (s[i] != '0') seenNonZero = true;
        if (seenNonZero) ++intDigits;
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            anyDigit = true;
            if (s[i] != '0') seenNonZero = true;
            if (!seenNonZero) ++leadingFracZeros;
        }
    }
    if (!anyDigit) return false;
    int64_t exp = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negExp = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negExp = s[i++] == '-';
        if (i == s.size()) return false;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            exp = std::min<int64_t>(exp * 10 + (s[i] - '0'), 1000000); // saturate, stays finite
        if (negExp) exp = -exp;
    }
    if (i != s.size()) return false;
    isZero = !seenNonZero;
    order = (intDigits > 0 ? intDigits - 1 : -(leadingFracZeros + 1)) + exp;
    return true;
}

bool EqualsNoCase(std::string_view a, const char* b) {
    return a.size() == std::strlen(b) && LowerCase(std::string(a)) == b;
}

} // namespace

// ---- Integers -------------------------------------------------------------------------------

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

bool TryStrToInt64(const std::string& text, int64_t& value) {
    return ParseInteger(text, 64, value);
}

int64_t StrToInt64(const std::string& text) {
    int64_t v;
    if (!ParseInteger(text, 64, v)) RaiseNotInteger(text);
    return v;
}

int32_t StrToInt(const std::string& text) {
    int64_t v;
    if (!ParseInteger(text, 32, v)) RaiseNotInteger(text);
    return static_cast<int32_t>(v);
}

// ---- Floats ---------------------------------------------------------------------------------

// The shortest of 15, 16 or 17 significant digits that reads back to the same double.
// Like the platform's general format, the text is plain decimal for decimal exponents
// -4..14 and "d.dddE<exp>" (capital E, no plus sign, no padding) outside them:
// 1.5 -> "1.5", 3 -> "3", 1e20 -> "1E20", 0.00001 -> "1E-5". NaN and infinities are
// written as "NAN", "INF" and "-INF", which StrToFloat reads back.
std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    char buf[64];
    char* end = buf;
    for (int digits = 15; digits <= 17; ++digits) {
        end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1)
                  .ptr;
        double back = 0;
        std::from_chars(buf, end, back);
        if (back == value) break;
    }
    // buf holds "[-]d.ddde[+-]xx"
    std::string_view text(buf, size_t(end - buf));
    std::string result;
    if (text[0] == '-') {
        result = "-";
        text.remove_prefix(1);
    }
    size_t e = text.find('e');
    int exp = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exp);
    std::string mantissa;
    for (char c : text.substr(0, e))
        if (c != '.') mantissa += c;
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    if (exp >= 15 || exp < -4) {
        result += mantissa[0];
        if (mantissa.size() > 1) result += "." + mantissa.substr(1);
        result += "E" + std::to_string(exp);
    } else if (exp < 0) {
        result += "0." + std::string(size_t(-exp - 1), '0') + mantissa;
    } else {
        size_t intLen = size_t(exp) + 1;
        if (mantissa.size() <= intLen) {
            result += mantissa + std::string(intLen - mantissa.size(), '0');
        } else {
            result += mantissa.substr(0, intLen) + "." + mantissa.substr(intLen);
        }
    }
    return result;
}

bool TryStrToFloat(const std::string& text, double& value) {
    std::string_view s = TrimView(text);
    std::string_view unsignedPart = s;
    bool neg = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        neg = s[0] == '-';
        unsignedPart.remove_prefix(1);
    }
    if (EqualsNoCase(unsignedPart, "inf")) {
        value = neg ? -HUGE_VAL : HUGE_VAL;
        return true;
    }
    if (EqualsNoCase(unsignedPart, "nan")) {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    bool isZero = false;
    int64_t order = 0;
    if (!ScanFloat(s, isZero, order)) return false;
    double v = 0;
    auto r = std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), v,
                             std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        if (isZero || order >= 0) return false; // overflow
        v = 0;                                  // underflow: the nearest double is zero
    } else if (r.ec != std::errc() || r.ptr != unsignedPart.data() + unsignedPart.size()) {
        return false;
    }
    value = neg ? -v : v;
    return true;
}

double StrToFloat(const std::string& text) {
    double v;
    if (!TryStrToFloat(text, v))
        throw EConvertError("“" + text + "”不是有效的数");
    return v;
}

// ---- Text -----------------------------------------------------------------------------------

std::string LowerCase(const std::string& text) {
    std::string r = text;
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return r;
}

std::string UpperCase(const std::string& text) {
    std::string r = text;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return r;
}

// Folds to upper case, as the platform does: that decides where '_' and the other
// characters between 'Z' and 'a' sort against letters.
int CompareText(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
        if (x != y) return int(x) - int(y);
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string Trim(const std::string& text) {
    return std::string(TrimView(text));
}

bool IsValidIdent(const std::string& ident) {
    auto alpha = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (ident.empty() || !alpha(ident[0])) return false;
    for (char c : ident)
        if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

// ---- Dates ----------------------------------------------------------------------------------

namespace {

constexpr int64_t MSecsPerDay = 86400000;
constexpr int64_t UnixEpochDay = 25569; // 1970-01-01 counted from 1899-12-30
// The calendar covers years 1..9999: 0001-01-01 and 10000-01-01 as day numbers.
constexpr int64_t FirstDay = -693593;
constexpr int64_t EndDay = 2958466;

bool IsLeapYear(int y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int DaysInMonth(int y, int m) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

bool ValidDate(int y, int m, int d) {
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

bool ValidTime(int h, int n, int s, int ms) {
    return h >= 0 && h < 24 && n >= 0 && n < 60 && s >= 0 && s < 60 && ms >= 0 && ms < 1000;
}

// Proleptic Gregorian day arithmetic (Howard Hinnant's civil calendar algorithms).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(int64_t(yoe) + era * 400 + (m <= 2));
}

// Splits a date-time into its calendar day number and the milliseconds of its day. Before
// 1899-12-30 the value is negative but its fraction still counts forward from midnight
// (-1.25 is 1899-12-29 06:00), so the day is the truncated value and the time the
// magnitude of the fraction. A time that rounds to a full day moves on to the next day.
void SplitDateTime(TDateTime dt, int64_t& day, int64_t& msOfDay) {
    if (!std::isfinite(dt) || dt <= double(FirstDay - 1) || dt >= double(EndDay))
        throw EConvertError("无效的日期值 " + FloatToStr(dt));
    double whole = std::trunc(dt);
    day = static_cast<int64_t>(whole);
    msOfDay = std::llround(std::fabs(dt - whole) * MSecsPerDay);
    if (msOfDay >= MSecsPerDay) {
        ++day;
        msOfDay = 0;
    }
    if (day < FirstDay || day >= EndDay)
        throw EConvertError("无效的日期值 " + FloatToStr(dt));
}

TDateTime CombineDateTime(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

std::string Pad(int v, int width) {
    std::string s = std::to_string(v);
    return std::string(size_t(std::max(0, width - int(s.size()))), '0') + s;
}

// Reads 1..maxDigits decimal digits at s[i].
bool ReadNumber(std::string_view s, size_t& i, size_t minDigits, size_t maxDigits, int& out) {
    size_t start = i;
    out = 0;
    while (i < s.size() && i - start < maxDigits && s[i] >= '0' && s[i] <= '9')
        out = out * 10 + (s[i++] - '0');
    return i - start >= minDigits;
}

// Parses "yyyy-mm-dd" (or with '/'), followed, when allowTime, optionally by blanks and
// "hh:nn" or "hh:nn:ss". Fails on anything else or on a date or time that does not exist.
bool ParseDateTime(const std::string& text, bool allowTime, TDateTime& out) {
    std::string_view s = TrimView(text);
    size_t i = 0;
    int y, m, d, h = 0, n = 0, sec = 0;
    if (!ReadNumber(s, i, 1, 4, y) || i >= s.size()) return false;
    char sep = s[i];
    if (sep != '-' && sep != '/') return false;
    ++i;
    if (!ReadNumber(s, i, 1, 2, m) || i >= s.size() || s[i++] != sep) return false;
    if (!ReadNumber(s, i, 1, 2, d)) return false;
    if (i < s.size()) {
        if (!allowTime || !IsBlank(s[i])) return false;
        while (i < s.size() && IsBlank(s[i]))
            ++i;
        if (!ReadNumber(s, i, 1, 2, h) || i >= s.size() || s[i++] != ':') return false;
        if (!ReadNumber(s, i, 2, 2, n)) return false;
        if (i < s.size() && (s[i++] != ':' || !ReadNumber(s, i, 2, 2, sec))) return false;
        if (i != s.size()) return false;
    }
    if (!ValidDate(y, m, d) || !ValidTime(h, n, sec, 0)) return false;
    out = CombineDateTime(EncodeDate(y, m, d), EncodeTime(h, n, sec, 0));
    return true;
}

} // namespace

TDateTime EncodeDate(int year, int month, int day) {
    if (!ValidDate(year, month, day)) throw EConvertError("日期的年、月、日无效");
    return double(DaysFromCivil(year, unsigned(month), unsigned(day)) + UnixEpochDay);
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    if (!ValidTime(hour, min, sec, msec)) throw EConvertError("时间的时、分、秒无效");
    return double(((hour * 60 + min) * 60 + sec) * 1000 + msec) / double(MSecsPerDay);
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day) {
    int64_t days, ms;
    SplitDateTime(dt, days, ms);
    CivilFromDays(days - UnixEpochDay, year, month, day);
}

void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec) {
    int64_t days, ms;
    SplitDateTime(dt, days, ms);
    msec = int(ms % 1000);
    sec = int(ms / 1000 % 60);
    min = int(ms / 60000 % 60);
    hour = int(ms / 3600000);
}

std::string DateToStr(TDateTime dt) {
    int y, m, d;
    DecodeDate(dt, y, m, d);
    return Pad(y, 4) + "-" + Pad(m, 2) + "-" + Pad(d, 2);
}

// Seconds are truncated, not rounded: the text never names a later second than the value.
std::string TimeToStr(TDateTime dt) {
    int h, n, s, ms;
    DecodeTime(dt, h, n, s, ms);
    return Pad(h, 2) + ":" + Pad(n, 2) + ":" + Pad(s, 2);
}

std::string DateTimeToStr(TDateTime dt) {
    int64_t days, ms;
    SplitDateTime(dt, days, ms);
    return ms == 0 ? DateToStr(dt) : DateToStr(dt) + " " + TimeToStr(dt);
}

TDateTime StrToDateTime(const std::string& text) {
    TDateTime v;
    if (!ParseDateTime(text, true, v))
        throw EConvertError("“" + text + "”不是有效的日期时间");
    return v;
}

TDateTime StrToDate(const std::string& text) {
    TDateTime v;
    if (!ParseDateTime(text, false, v)) throw EConvertError("“" + text + "”不是有效的日期");
    return v;
}

TDateTime Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const int ms = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return CombineDateTime(
        EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
        EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), ms < 0 ? 0 : ms));
}

uint32_t GetTickCount() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}
