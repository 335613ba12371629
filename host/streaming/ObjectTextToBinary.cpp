// Text form to binary component stream, encoded the way the other converters encode it.

#include <cmath>
#include <limits>

#include "host/core/Stream.h"
#include "host/core/TextCodec.h"
#include "host/streaming/Extended.h"
#include "host/streaming/ObjectText.h"
#include "host/streaming/TextParser.h"
#include "host/streaming/ValueCodec.h"

using namespace zk::stream;

namespace {
/// Deepest nesting of objects, and of lists and collections inside one value.
constexpr int MaxDepth = 64;

/// Parses the text form and emits the binary form into Out.
class TextToBinary {
public:
    explicit TextToBinary(std::string text) : P(std::move(text)) {}

    void Root() {
        Out.append(FilerSignature, 4);
        Object(0);
        if (P.Token().Kind != TextTokenKind::Eof) P.Error("End of text expected");
    }

    std::string Out;

private:
    /// A name in the binary form: a length byte and the bytes, so never longer than 255.
    void ShortStr(const std::string& s) {
        if (s.size() > MaxShortStr) P.Error("Identifier too long");
        AppendShortStr(Out, s);
    }

    bool AtObject() const {
        return P.IsSymbol("object") || P.IsSymbol("inherited") || P.IsSymbol("inline");
    }

    void Object(int depth) {
        if (depth > MaxDepth) P.Error("Objects nested too deeply");
        uint8_t flags = P.IsSymbol("inherited") ? ffInherited : P.IsSymbol("inline") ? ffInline : 0;
        if (!AtObject()) P.Error("Wrong token type: object expected");
        P.Next();
        std::string name, cls = P.CheckSymbol();
        if (P.IsChar(':')) {
            P.Next();
            name = cls;
            cls = P.CheckSymbol();
        }
        std::string pos;
        if (P.IsChar('[')) {
            P.Next();
            if (P.Token().Kind != TextTokenKind::Integer) P.Error("Invalid child position");
            pos = IntegerValue(P.Token().Text);
            // The reader takes a position of at most 32 bits; a wider one would be written
            // into a stream that no longer reads.
            if (static_cast<uint8_t>(pos[0]) == vaInt64) P.Error("Invalid child position");
            P.Next();
            P.CheckChar(']');
            flags |= ffChildPos;
        }
        // A class name of 240 bytes or more begins with what reads as a prefix byte: an empty
        // prefix goes before it.
        if (flags || cls.size() >= 0xF0) Out += static_cast<char>(0xF0 | flags);
        Out += pos;
        ShortStr(cls);
        ShortStr(name);
        while (!AtObject() && !P.IsSymbol("end"))
            Property(depth);
        Out += '\0';
        while (AtObject())
            Object(depth + 1);
        Out += '\0';
        if (!P.IsSymbol("end")) P.Error("Wrong token type: end expected");
        P.Next();
    }

    void Property(int depth) {
        std::string name = P.CheckSymbol();
        while (P.IsChar('.')) {
            P.Next();
            name += '.' + P.CheckSymbol();
        }
        ShortStr(name);
        P.CheckChar('=');
        Value(depth);
    }

    /// The integer value code and payload of a decimal or $hex token.
    std::string IntegerValue(const std::string& text) {
        bool negative = text[0] == '-';
        size_t i = negative ? 1 : 0;
        uint64_t v = 0;
        if (text[i] == '$') {
            if (text.size() - i - 1 > 16) P.Error("Invalid integer number: " + text);
            for (++i; i < text.size(); ++i) {
                char c = text[i];
                v = v * 16 + static_cast<uint64_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
            }
        } else {
            for (; i < text.size(); ++i) {
                uint64_t digit = static_cast<uint64_t>(text[i] - '0');
                if (v > (std::numeric_limits<uint64_t>::max() - digit) / 10)
                    P.Error("\"" + text + "\" is an invalid integer");
                v = v * 10 + digit;
            }
            if (negative && v > (uint64_t(1) << 63))
                P.Error("\"" + text + "\" is an invalid integer");
        }
        // Values above the signed range wrap, as the other converters' do.
        std::string out;
        AppendInteger(out, static_cast<int64_t>(negative ? 0 - v : v));
        return out;
    }

    /// With the token on '+' or '-': whether "Inf" follows, making them an infinity.
    bool IsInfinityAhead() {
        const TextToken next = P.PeekNext();
        return next.Kind == TextTokenKind::Symbol && SameTextAscii(next.Text, "Inf");
    }

    void StringValue() {
        std::vector<StringUnit> units = P.Token().Units;
        P.Next();
        // A '+' joins the next string; in a list, "+Inf" after a string is the next item.
        while (P.IsChar('+') && !IsInfinityAhead()) {
            P.Next();
            if (P.Token().Kind != TextTokenKind::String)
                P.Error("Wrong token type: String expected");
            units.insert(units.end(), P.Token().Units.begin(), P.Token().Units.end());
            P.Next();
        }
        // A character code above 127 makes the whole string UTF-16. Quoted text is then
        // decoded as UTF-8 where it is UTF-8, and widened byte by byte where it is not.
        bool wide = false;
        for (const StringUnit& u : units)
            if (u.Code && (u.Value & 0xFFFF) > 127) wide = true;
        if (wide) {
            std::u16string s;
            std::string quoted;
            auto flushQuoted = [&] {
                if (zk::text::IsValidUtf8(quoted))
                    s += zk::text::Utf8ToUtf16(quoted);
                else
                    for (char c : quoted)
                        s += static_cast<char16_t>(static_cast<unsigned char>(c));
                quoted.clear();
            };
            for (const StringUnit& u : units) {
                if (!u.Code) {
                    quoted += static_cast<char>(u.Value & 0xFF);
                    continue;
                }
                flushQuoted();
                s += static_cast<char16_t>(u.Value & 0xFFFF);
            }
            flushQuoted();
            AppendWideString(Out, s);
        } else {
            std::string s;
            for (const StringUnit& u : units)
                s += static_cast<char>(u.Value & 0xFF);
            AppendString8(Out, s);
        }
    }

    void Value(int depth) {
        if (depth > MaxDepth) P.Error("Values nested too deeply");
        const TextToken& t = P.Token();
        switch (t.Kind) {
        case TextTokenKind::String:
            StringValue();
            return;
        case TextTokenKind::Integer:
            Out += IntegerValue(t.Text);
            P.Next();
            return;
        case TextTokenKind::Float: {
            TExtended80 e;
            if (!TextToExtended(t.Text, e)) P.Error("Invalid floating point number: " + t.Text);
            unsigned char bytes[10];
            e.ToBytes(bytes);
            Out += static_cast<char>(vaExtended);
            Out.append(reinterpret_cast<const char*>(bytes), 10);
            P.Next();
            return;
        }
        case TextTokenKind::Symbol: {
            std::string ident = P.CheckSymbol();
            if (SameTextAscii(ident, "True"))
                Out += static_cast<char>(vaTrue);
            else if (SameTextAscii(ident, "False"))
                Out += static_cast<char>(vaFalse);
            else if (SameTextAscii(ident, "nil"))
                Out += static_cast<char>(vaNil);
            else {
                while (P.IsChar('.')) {
                    P.Next();
                    ident += '.' + P.CheckSymbol();
                }
                Out += static_cast<char>(vaIdent);
                ShortStr(ident);
            }
            return;
        }
        case TextTokenKind::Char:
            break;
        case TextTokenKind::Eof:
            P.Error("Invalid property value");
        }
        if (P.IsChar('+') || P.IsChar('-')) {
            // An infinity as floats print it ("+Inf", "-Inf"), so that it reads back.
            const TextToken sign = P.Token();
            P.Next();
            if (P.Token().Kind != TextTokenKind::Symbol || !SameTextAscii(P.Token().Text, "Inf"))
                P.ErrorAt(sign, "Invalid property value");
            const bool negative = sign.Text[0] == '-';
            P.Next();
            unsigned char bytes[10];
            DoubleToExtended(negative ? -HUGE_VAL : HUGE_VAL).ToBytes(bytes);
            Out += static_cast<char>(vaExtended);
            Out.append(reinterpret_cast<const char*>(bytes), 10);
            return;
        }
        if (P.IsChar('[')) {
            P.Next();
            Out += static_cast<char>(vaSet);
            if (!P.IsChar(']')) {
                for (;;) {
                    ShortStr(P.CheckSymbol());
                    if (P.IsChar(']')) break;
                    P.CheckChar(',');
                }
            }
            P.Next();
            Out += '\0';
        } else if (P.IsChar('(')) {
            P.Next();
            Out += static_cast<char>(vaList);
            while (!P.IsChar(')'))
                Value(depth + 1);
            P.Next();
            Out += '\0';
        } else if (P.IsChar('{')) {
            AppendBinary(Out, P.ReadBinary());
        } else if (P.IsChar('<')) {
            P.Next();
            Out += static_cast<char>(vaCollection);
            while (!P.IsChar('>')) {
                if (!P.IsSymbol("item")) P.Error("Wrong token type: item expected");
                P.Next();
                if (P.IsChar('[')) {
                    P.Next();
                    if (P.Token().Kind != TextTokenKind::Integer) P.Error("Invalid item order");
                    Out += IntegerValue(P.Token().Text);
                    P.Next();
                    P.CheckChar(']');
                }
                Out += static_cast<char>(vaList);
                while (!P.IsSymbol("end"))
                    Property(depth + 1);
                P.Next();
                Out += '\0';
            }
            P.Next();
            Out += '\0';
        } else {
            P.Error("Invalid property value");
        }
    }

    static bool SameTextAscii(const std::string& a, const char* b) {
        size_t n = std::char_traits<char>::length(b);
        if (a.size() != n) return false;
        for (size_t i = 0; i < n; ++i)
            if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
        return true;
    }

    TextParser P;
};
} // namespace

void ObjectTextToBinary(TStream& In, TStream& Out) {
    int64_t size = In.Size() - In.Position();
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    In.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
    TextToBinary converter(std::move(text));
    converter.Root();
    Out.WriteBuffer(converter.Out.data(), static_cast<int64_t>(converter.Out.size()));
}
