#pragma once
// The text form of component streams (`object Name: TClass ... end`), both directions.

class TStream;

/// How the text form prints the characters of strings outside printable ASCII.
enum class TTextStrings {
    /// Single-byte and UTF-8 strings keep their bytes inside the quotes, so that Chinese text
    /// stays readable and converting the text back gives the same bytes; wide strings print
    /// such characters as #n, which keeps them wide.
    Text,
    /// Every such character as #n (byte by byte for single-byte strings), as the other
    /// converters of this format print it.
    Codes,
};

/// Converts one binary component stream at In's position to its text form, written to Out.
/// The input is checked as the reader checks it (EReadError on damage); with
/// TTextStrings::Codes the text is the one other converters of this format print for the
/// same bytes.
void ObjectBinaryToText(TStream& In, TStream& Out, TTextStrings Strings = TTextStrings::Text);
/// Converts the text form at In's position to a binary component stream written to Out;
/// EParserError names the line, column and offset of a syntax error.
void ObjectTextToBinary(TStream& In, TStream& Out);
