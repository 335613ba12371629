#pragma once
// File-system helpers: existence, deletion and renaming of files by name.

#include <string>

bool FileExists(const std::string& FileName);
/// Removes the file; false when it could not (missing, a directory, no permission).
bool DeleteFile(const std::string& FileName);
/// Gives OldName the name NewName, replacing a file of that name in one step (readers see the
/// old file or the new one, never a mix); false when it could not.
bool RenameFile(const std::string& OldName, const std::string& NewName);
/// FileName with a suffix that no other file beside it has, for writing a replacement first.
std::string TempFileBeside(const std::string& FileName);
