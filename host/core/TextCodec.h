#pragma once
// Text encodings met in component streams: UTF-8, UTF-16 and the GBK code page of older files.

#include <cstdint>
#include <string>
#include <string_view>

namespace zk::text {

bool IsAscii(std::string_view s);
/// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s);
void AppendUtf8(std::string& out, uint32_t codePoint);
/// UTF-8 with every invalid sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view s);
/// UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);
/// UTF-8 to UTF-16 code units (surrogate pairs above U+FFFF); an invalid sequence becomes
/// U+FFFD.
std::u16string Utf8ToUtf16(std::string_view s);
/// GBK bytes to UTF-8; a byte that does not start a GBK character becomes U+FFFD.
std::string GbkToUtf8(std::string_view bytes);
/// An 8-bit string of unknown encoding: kept when it is UTF-8, decoded as GBK otherwise.
std::string Decode8Bit(std::string_view bytes);

} // namespace zk::text
