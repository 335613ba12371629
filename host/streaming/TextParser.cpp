#include "host/streaming/TextParser.h"

#include <cstdio>

#include "host/core/SysUtils.h"

namespace zk::stream {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsIdentStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || IsDigit(c);
}
int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}
const char* KindName(TextTokenKind k) {
    switch (k) {
    case TextTokenKind::Eof:
        return "end of text";
    case TextTokenKind::Symbol:
        return "Symbol";
    case TextTokenKind::String:
        return "String";
    case TextTokenKind::Integer:
        return "Integer";
    case TextTokenKind::Float:
        return "Float";
    case TextTokenKind::Char:
        return "Char";
    }
    return "";
}
} // namespace

TextParser::TextParser(std::string text) : FText(std::move(text)) {
    // A UTF-8 byte order mark is not part of the text.
    if (FText.compare(0, 3, "\xEF\xBB\xBF") == 0) FPos = 3, FLineStart = 3;
    Next();
}

char TextParser::Peek(size_t ahead) const {
    return FPos + ahead < FText.size() ? FText[FPos + ahead] : '\0';
}

void TextParser::Advance() {
    if (FText[FPos] == '\n') {
        ++FLine;
        FLineStart = FPos + 1;
    }
    ++FPos;
}

void TextParser::ErrorAt(const TextToken& at, const std::string& message) const {
    char where[80];
    std::snprintf(where, sizeof where, " (at %d,%d, stream offset %08zX)", at.Line, at.Column,
                  at.Offset);
    throw EParserError(message + where);
}

TextToken TextParser::PeekNext() {
    const size_t pos = FPos, lineStart = FLineStart;
    const int line = FLine;
    TextToken current = FToken;
    Next();
    TextToken next = std::move(FToken);
    FToken = std::move(current);
    FPos = pos;
    FLine = line;
    FLineStart = lineStart;
    return next;
}

void TextParser::Next() {
    while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ')
        Advance();
    TextToken t;
    t.Offset = FPos;
    t.Line = FLine;
    t.Column = static_cast<int>(FPos - FLineStart) + 1;
    FToken = t;
    if (FPos >= FText.size()) return;
    char c = FText[FPos];
    if (IsIdentStart(c)) {
        FToken.Kind = TextTokenKind::Symbol;
        while (FPos < FText.size() && IsIdentChar(FText[FPos]))
            FToken.Text += FText[FPos++];
    } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
        ReadNumber(FToken);
    } else if (c == '\'' || c == '#') {
        ReadString(FToken);
    } else {
        FToken.Kind = TextTokenKind::Char;
        FToken.Text = std::string(1, c);
        Advance();
    }
}

void TextParser::ReadNumber(TextToken& t) {
    t.Kind = TextTokenKind::Integer;
    if (Peek() == '-') t.Text += FText[FPos++];
    if (Peek() == '$') {
        t.Text += FText[FPos++];
        while (IsHexDigit(Peek()))
            t.Text += FText[FPos++];
        if (t.Text.back() == '$' || t.Text[0] == '-') Error("Invalid integer number: " + t.Text);
        return;
    }
    while (IsDigit(Peek()))
        t.Text += FText[FPos++];
    if (Peek() == '.' && Peek(1) != '.') {
        t.Kind = TextTokenKind::Float;
        t.Text += FText[FPos++];
        while (IsDigit(Peek()))
            t.Text += FText[FPos++];
    }
    if (Peek() == 'e' || Peek() == 'E') {
        t.Kind = TextTokenKind::Float;
        t.Text += FText[FPos++];
        if (Peek() == '+' || Peek() == '-') t.Text += FText[FPos++];
        if (!IsDigit(Peek())) Error("Invalid floating point number: " + t.Text);
        while (IsDigit(Peek()))
            t.Text += FText[FPos++];
    }
    // A float may name its intended precision; the binary form has one float type.
    if (t.Kind == TextTokenKind::Float && (Peek() == 's' || Peek() == 'c' || Peek() == 'd' ||
                                           Peek() == 'S' || Peek() == 'C' || Peek() == 'D'))
        ++FPos;
}

void TextParser::ReadString(TextToken& t) {
    t.Kind = TextTokenKind::String;
    for (;;) {
        if (Peek() == '\'') {
            ++FPos;
            for (;;) {
                if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
                    Error("Unterminated string");
                char c = FText[FPos++];
                if (c == '\'') {
                    if (Peek() != '\'') break;
                    ++FPos;
                }
                t.Units.push_back({false, static_cast<unsigned char>(c)});
            }
        } else if (Peek() == '#') {
            ++FPos;
            if (!IsDigit(Peek())) Error("Invalid character code");
            uint64_t n = 0;
            while (IsDigit(Peek())) {
                n = n * 10 + static_cast<uint64_t>(FText[FPos++] - '0');
                if (n > 0xFFFFFFFF) Error("Invalid character code");
            }
            t.Units.push_back({true, static_cast<uint32_t>(n)});
        } else {
            return;
        }
    }
}

bool TextParser::IsSymbol(const char* word) const {
    return FToken.Kind == TextTokenKind::Symbol && SameText(FToken.Text, word);
}

void TextParser::CheckChar(char c) {
    if (!IsChar(c))
        Error(std::string("Wrong token type: ") + c + " expected but " +
              (FToken.Kind == TextTokenKind::Char ? FToken.Text : KindName(FToken.Kind)) +
              " found");
    Next();
}

std::string TextParser::CheckSymbol() {
    if (FToken.Kind != TextTokenKind::Symbol)
        Error(std::string("Wrong token type: Symbol expected but ") +
              (FToken.Kind == TextTokenKind::Char ? FToken.Text : KindName(FToken.Kind)) +
              " found");
    std::string s = FToken.Text;
    Next();
    return s;
}

std::string TextParser::ReadBinary() {
    if (!IsChar('{')) Error("Wrong token type: { expected");
    std::string data;
    for (;;) {
        while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ')
            Advance();
        if (FPos >= FText.size()) Error("Unterminated byte value");
        if (FText[FPos] == '}') {
            ++FPos;
            break;
        }
        if (!IsHexDigit(Peek()) || !IsHexDigit(Peek(1))) Error("Unterminated byte value");
        data += static_cast<char>(HexValue(Peek()) * 16 + HexValue(Peek(1)));
        FPos += 2;
    }
    Next();
    return data;
}

} // namespace zk::stream
