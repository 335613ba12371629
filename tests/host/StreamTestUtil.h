#pragma once
// Helpers for stream tests: saving to and loading from bytes, describing a tree as text.

#include <cstdint>
#include <string>

#include "StreamFixtures.h"
#include "host/streaming/ObjectText.h"

/// A short string as the stream holds it: a length byte, then the bytes.
inline std::string S(const std::string& s) {
    return std::string(1, static_cast<char>(s.size())) + s;
}
/// A 32-bit integer as the stream holds it: little-endian.
inline std::string U32(uint32_t n) {
    return {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
            static_cast<char>(n >> 24)};
}

/// The bytes WriteRootComponent gives for root.
std::string SaveToBytes(TComponent* root);
/// Reads bytes with ReadRootComponent (into root when given) and returns the root.
TComponent* LoadFromBytes(const std::string& bytes, TComponent* root = nullptr);
/// Every component the root owns, with owner, parent and every published property (nested
/// objects, string lists and collections included), one line each.
std::string DescribeTree(TComponent* root);
/// A DescribeTree text with the components' blocks sorted: a load creates components in
/// stream (z-) order, which need not be the order in which the original's were made.
std::string InAnyComponentOrder(const std::string& description);
/// Hex of bytes, for readable failure messages.
std::string Hex(const std::string& bytes);
/// Our converters between the binary and the text form.
std::string BinaryToText(const std::string& binary, TTextStrings strings = TTextStrings::Text);
std::string TextToBinary(const std::string& text);
/// Whether the Free Pascal converter (the oracle) was built for this test run.
bool OracleAvailable();
/// Runs the oracle ("totext" or "tobinary") on input; false when it rejects it.
bool RunOracle(const char* mode, const std::string& input, std::string& output);
/// When the oracle is there: it prints binary as our printing with codes does, and converts
/// that text back to the same bytes (failures are the calling test's).
void ExpectOracleReadsAsWeDo(const std::string& binary);
