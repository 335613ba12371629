#pragma once
// Tokens of the component stream's text form.

#include <cstdint>
#include <string>
#include <vector>

namespace zk::stream {

enum class TextTokenKind { Eof, Symbol, String, Integer, Float, Char };

/// One piece of a string literal: a byte inside quotes, or a `#n` character code.
struct StringUnit {
    bool Code;
    uint32_t Value;
};

/// A token and where it starts in the text.
struct TextToken {
    TextTokenKind Kind = TextTokenKind::Eof;
    std::string Text;              // symbols, numbers (as written, sign included), chars
    std::vector<StringUnit> Units; // strings
    size_t Offset = 0;
    int Line = 1;
    int Column = 1;
};

/// Splits the text form into tokens; errors are EParserError with line, column and offset.
class TextParser {
public:
    explicit TextParser(std::string text);

    const TextToken& Token() const { return FToken; }
    void Next();
    /// The token after this one, read without moving on.
    TextToken PeekNext();
    bool IsChar(char c) const { return FToken.Kind == TextTokenKind::Char && FToken.Text[0] == c; }
    /// Whether the token is the symbol word (any letter case).
    bool IsSymbol(const char* word) const;
    void CheckChar(char c);
    std::string CheckSymbol();
    /// With the token on '{': the hex bytes up to the closing '}', which is consumed.
    std::string ReadBinary();
    [[noreturn]] void Error(const std::string& message) const { ErrorAt(FToken, message); }
    /// The error placed at an earlier token.
    [[noreturn]] void ErrorAt(const TextToken& at, const std::string& message) const;

private:
    char Peek(size_t ahead = 0) const;
    void Advance();
    void ReadNumber(TextToken& t);
    void ReadString(TextToken& t);

    std::string FText;
    size_t FPos = 0;
    int FLine = 1;
    size_t FLineStart = 0;
    TextToken FToken;
};

} // namespace zk::stream
