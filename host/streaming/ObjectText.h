#pragma once
// The text form of component streams (`object Name: TClass ... end`), both directions.

class TStream;

/// Converts one binary component stream at In's position to its text form, written to Out.
/// The input is checked as the reader checks it (EReadError on damage); the text is the one
/// other converters of this format print for the same bytes.
void ObjectBinaryToText(TStream& In, TStream& Out);
/// Converts the text form at In's position to a binary component stream written to Out;
/// EParserError names the line, column and offset of a syntax error.
void ObjectTextToBinary(TStream& In, TStream& Out);
