#pragma once
// The value codes of the binary component stream and the byte encodings that the writer,
// the reader and the text converters share.

#include <cstdint>
#include <string>
#include <string_view>

/// The type code that precedes every value in a component stream; numbered as on the wire.
enum TValueType : uint8_t {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
    vaUString,
    vaQWord,
    vaDouble
};
constexpr TValueType vaMaxValueType = vaDouble;

/// The four bytes that open every stream ("TPF0").
constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};
/// Prefix byte flags of a component record; the high nibble 0xF marks the prefix itself.
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };
/// Longest text a short string (class, component, property and member names) carries.
constexpr size_t MaxShortStr = 255;

namespace zk::stream {

/// The smallest of vaInt8/16/32/64 whose range holds v.
TValueType IntegerCode(int64_t v);

void AppendLE(std::string& out, uint64_t v, int bytes);
uint64_t ReadLE(const unsigned char* p, int bytes);

/// Code and payload of an integer in its smallest encoding.
void AppendInteger(std::string& out, int64_t v);
/// A short string: length byte and at most 255 bytes (longer text is cut).
void AppendShortStr(std::string& out, std::string_view s);
/// An 8-bit string value: vaString up to 255 bytes, vaLString above.
void AppendString8(std::string& out, std::string_view bytes);
/// A UTF-16 value (vaWString) from code units.
void AppendWideString(std::string& out, std::u16string_view units);
/// Text for a string property: plain 8-bit string when ASCII, vaUTF8String otherwise.
void AppendText(std::string& out, std::string_view utf8);
void AppendIdent(std::string& out, std::string_view ident);
void AppendBinary(std::string& out, std::string_view bytes);

} // namespace zk::stream
