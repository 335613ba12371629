#pragma once
// What must hold for any bytes read as a component stream and any text read as its text form.
// The fuzz targets run these on generated inputs; the tests replay the inputs kept in
// fuzz/found/ through them.

#include <string>

/// Reads the bytes as a stream (with the stream fixtures and the stock controls registered),
/// then as changes over a fresh sample form (what that makes must write as changes that load
/// back without a skip and write again as the same bytes), and converts them to text, which
/// then goes through CheckTextFormInput; a framework exception is a sound refusal. Returns
/// what went wrong, or an empty string.
std::string CheckStreamInput(const std::string& bytes);
/// Converts the text to binary; what it accepts must print back to a text that converts to
/// the same bytes, and must load or be refused with a framework exception. Returns what went
/// wrong, or an empty string.
std::string CheckTextFormInput(const std::string& text);
