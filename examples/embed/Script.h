#pragma once
// The example's session without a person, for its test.

#include <string>

class TEmbedForm;

/// Designs form through its own buttons and methods, saves it to FileName, loads it back and
/// checks what came back, printing one line per step. Answers the process's exit status.
int RunScriptedSession(TEmbedForm* form, const std::string& FileName);
