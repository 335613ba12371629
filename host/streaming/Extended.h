#pragma once
// The 10-byte x87 extended float that component streams carry, and its conversions.

#include <cstdint>
#include <string>

/// An 80-bit extended value as stored: significand with explicit integer bit (bit 63), then
/// sign (bit 15) and exponent biased by 16383 (bits 0-14).
struct TExtended80 {
    uint64_t Mantissa = 0;
    uint16_t SignExp = 0;

    bool Negative() const { return (SignExp & 0x8000) != 0; }
    int Exponent() const { return SignExp & 0x7FFF; }
    /// The ten little-endian bytes of the wire form.
    void ToBytes(unsigned char out[10]) const;
    static TExtended80 FromBytes(const unsigned char in[10]);
    bool operator==(const TExtended80&) const = default;
};

/// Exact: every double has an extended twin; subnormals are normalised.
TExtended80 DoubleToExtended(double value);
/// Rounds to nearest (ties to even); finite values beyond the double range saturate to
/// the largest double, and exponent 0x7FFF is infinity or NaN whatever the integer bit.
double ExtendedToDouble(const TExtended80& value);
/// The text form's float: sign column, 21 significant digits and a four-digit exponent
/// (" 1.50000000000000000000E+0000"); infinities and NaN right-aligned in the same width.
std::string ExtendedToText(const TExtended80& value);
/// Parses a decimal number (digits, optional fraction and exponent, leading '-') into the
/// nearest extended value; false when the text is not such a number.
bool TextToExtended(const std::string& text, TExtended80& value);
