#include "host/streaming/ValueCodec.h"

#include <algorithm>

#include "host/core/SysUtils.h"
#include "host/core/TextCodec.h"

namespace zk::stream {

TValueType IntegerCode(int64_t v) {
    if (v >= INT8_MIN && v <= INT8_MAX) return vaInt8;
    if (v >= INT16_MIN && v <= INT16_MAX) return vaInt16;
    if (v >= INT32_MIN && v <= INT32_MAX) return vaInt32;
    return vaInt64;
}

void AppendLE(std::string& out, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint64_t ReadLE(const unsigned char* p, int bytes) {
    uint64_t v = 0;
    for (int i = bytes; i-- > 0;)
        v = (v << 8) | p[i];
    return v;
}

void AppendInteger(std::string& out, int64_t v) {
    TValueType code = IntegerCode(v);
    out += static_cast<char>(code);
    static constexpr int widths[] = {0, 0, 1, 2, 4};
    AppendLE(out, static_cast<uint64_t>(v), code == vaInt64 ? 8 : widths[code]);
}

void AppendShortStr(std::string& out, std::string_view s) {
    size_t n = std::min(s.size(), MaxShortStr);
    out += static_cast<char>(n);
    out.append(s.data(), n);
}

void AppendString8(std::string& out, std::string_view bytes) {
    if (bytes.size() <= MaxShortStr) {
        out += static_cast<char>(vaString);
        AppendShortStr(out, bytes);
    } else {
        out += static_cast<char>(vaLString);
        AppendLE(out, bytes.size(), 4);
        out.append(bytes);
    }
}

void AppendWideString(std::string& out, std::u16string_view units) {
    out += static_cast<char>(vaWString);
    AppendLE(out, units.size(), 4);
    for (char16_t u : units)
        AppendLE(out, u, 2);
}

void AppendText(std::string& out, std::string_view utf8) {
    if (zk::text::IsAscii(utf8)) {
        AppendString8(out, utf8);
        return;
    }
    out += static_cast<char>(vaUTF8String);
    AppendLE(out, utf8.size(), 4);
    out.append(utf8);
}

void AppendIdent(std::string& out, std::string_view ident) {
    // The special words travel as their own codes, whatever their letter case.
    std::string s(ident);
    if (SameText(s, "nil"))
        out += static_cast<char>(vaNil);
    else if (SameText(s, "False"))
        out += static_cast<char>(vaFalse);
    else if (SameText(s, "True"))
        out += static_cast<char>(vaTrue);
    else if (SameText(s, "Null"))
        out += static_cast<char>(vaNull);
    else {
        out += static_cast<char>(vaIdent);
        AppendShortStr(out, ident);
    }
}

void AppendBinary(std::string& out, std::string_view bytes) {
    out += static_cast<char>(vaBinary);
    AppendLE(out, bytes.size(), 4);
    out.append(bytes);
}

} // namespace zk::stream
