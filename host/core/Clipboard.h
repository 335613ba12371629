#pragma once
// The system clipboard's plain text.

#include <string>

/// The system clipboard, shared with every other program: what one copies here, another run of
/// this program (or an editor) can paste, and the other way round.
class TClipboard {
public:
    /// The text on the clipboard, as UTF-8; empty when it holds none.
    std::string AsText() const;
    /// Puts Text on the clipboard in place of whatever it held.
    void SetAsText(const std::string& Text);
    bool HasText() const;
};

/// The one clipboard of the window system.
TClipboard* Clipboard();
