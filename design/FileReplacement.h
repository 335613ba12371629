#pragma once
// Writing a file so that a failed write leaves the previous one as it was.

#include <string>

class TMemoryStream;

/// Saves Stream whole into a file beside FileName first and then renames it over FileName.
/// Errors name FileName, never the file beside it.
void SaveReplacingFile(TMemoryStream& Stream, const std::string& FileName);
