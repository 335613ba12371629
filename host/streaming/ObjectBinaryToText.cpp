// Binary component stream to text form, printed the way the other converters print it.

#include <cstdio>

#include "host/core/Stream.h"
#include "host/core/TextCodec.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ObjectText.h"

namespace {
/// Appends codes as quoted runs of printable ASCII and #n for everything else. With
/// keepBytes the codes are bytes, and those from 128 up stay inside the quotes as they are:
/// converted back, the text then gives the same bytes.
void AppendQuoted(std::string& out, const std::vector<uint32_t>& codes, bool keepBytes = false) {
    if (codes.empty()) {
        out += "''";
        return;
    }
    bool quoted = false;
    for (uint32_t c : codes) {
        if (c >= 32 && (c <= 126 || (keepBytes && c >= 128))) {
            if (!quoted) out += '\'';
            quoted = true;
            out += static_cast<char>(c);
            if (c == '\'') out += '\'';
        } else {
            if (quoted) out += '\'';
            quoted = false;
            out += '#' + std::to_string(c);
        }
    }
    if (quoted) out += '\'';
}

std::vector<uint32_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()),
            reinterpret_cast<const unsigned char*>(s.data()) + s.size()};
}

/// Code points of UTF-8 bytes decoded as the other converters decode them: the lead byte
/// alone picks the length, continuation bytes are not checked, and missing ones count as 0.
std::vector<uint32_t> Utf8Codes(const std::string& s) {
    std::vector<uint32_t> codes;
    auto at = [&](size_t i) -> uint32_t {
        return i < s.size() ? static_cast<unsigned char>(s[i]) & 0x3F : 0;
    };
    for (size_t i = 0; i < s.size();) {
        uint32_t b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            codes.push_back(b);
            i += 1;
        } else if ((b & 0xE0) == 0xC0) {
            codes.push_back(((b & 0x1F) << 6) | at(i + 1));
            i += 2;
        } else if ((b & 0xF0) == 0xE0) {
            codes.push_back(((b & 0x0F) << 12) | (at(i + 1) << 6) | at(i + 2));
            i += 3;
        } else {
            codes.push_back(((b & 0x1F) << 18) | (at(i + 1) << 12) | (at(i + 2) << 6) | at(i + 3));
            i += 4;
        }
    }
    return codes;
}

/// A read error that already names the component and property.
class EValueReadError : public EReadError {
public:
    using EReadError::EReadError;
};

/// Walks the binary form with a reader and prints each part.
class BinaryToText {
public:
    BinaryToText(TReader& reader, TTextStrings strings) : R(reader), FStrings(strings) {}

    void Component(const std::string& indent, int depth) {
        if (depth > TReader::MaxComponentDepth)
            R.Damaged("组件的结束（组件嵌套超过 " + IntToStr(TReader::MaxComponentDepth) + " 层）");
        uint8_t flags;
        int pos;
        R.ReadPrefix(flags, pos);
        std::string cls = R.ReadStr();
        std::string name = R.ReadStr();
        Out += indent;
        Out += (flags & ffInherited) ? "inherited " : (flags & ffInline) ? "inline " : "object ";
        if (!name.empty()) Out += name + ": ";
        Out += cls;
        if (flags & ffChildPos) Out += "[" + std::to_string(pos) + "]";
        Out += '\n';
        std::string savedComponent = FComponent;
        FComponent = name.empty() ? cls : name;
        PropertyList(indent + "  ", 0);
        FComponent = savedComponent;
        while (!R.EndOfList())
            Component(indent + "  ", depth + 1);
        R.ReadListEnd();
        Out += indent + "end\n";
    }

    std::string Out;

private:
    void PropertyList(const std::string& indent, int depth) {
        while (!R.EndOfList()) {
            std::string name = R.ReadStr();
            Out += indent + name + " = ";
            try {
                Value(indent, depth);
            } catch (const EValueReadError&) {
                throw;
            } catch (const EReadError& e) {
                // Damage inside a value is reported with the property it belongs to.
                throw EValueReadError("读取 " + FComponent + "." + name + " 出错：" +
                                      e.Message());
            }
            Out += '\n';
        }
        R.ReadListEnd();
    }

    void Value(const std::string& indent, int depth) {
        if (depth > TReader::MaxValueDepth)
            R.Damaged("属性值的结束（值嵌套超过 " + IntToStr(TReader::MaxValueDepth) + " 层）");
        TValueType code = R.NextValue();
        switch (code) {
        case vaList: {
            R.ReadValue();
            Out += '(';
            bool any = false;
            while (!R.EndOfList()) {
                if (!any) Out += '\n';
                any = true;
                Out += indent + "  ";
                Value(indent + "  ", depth + 1);
                Out += '\n';
            }
            R.ReadListEnd();
            Out += indent + ")";
            break;
        }
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            Out += std::to_string(R.ReadInt64());
            break;
        case vaExtended:
            R.ReadValue();
            Out += ExtendedToText(R.ReadRawExtended());
            break;
        case vaSingle:
        case vaDouble:
        case vaCurrency:
        case vaDate: {
            // Not printed by the other converters; shown as floats with the suffix that
            // names the kind (the text form reads them back as extended values).
            double d = R.ReadFloat();
            Out += ExtendedToText(DoubleToExtended(d));
            if (code == vaSingle) Out += 's';
            if (code == vaCurrency) Out += 'c';
            if (code == vaDate) Out += 'd';
            break;
        }
        case vaQWord: {
            R.ReadValue();
            unsigned char b[8];
            R.Read(b, 8);
            Out += std::to_string(zk::stream::ReadLE(b, 8));
            break;
        }
        case vaString:
        case vaLString: {
            R.ReadValue();
            AppendQuoted(Out, Bytes(R.ReadRawString(code)), FStrings == TTextStrings::Text);
            break;
        }
        case vaUTF8String: {
            R.ReadValue();
            std::string bytes = R.ReadRawString(code);
            // Valid UTF-8 comes back as a single-byte string with the same bytes, which
            // reads as the same text.
            if (FStrings == TTextStrings::Text && zk::text::IsValidUtf8(bytes))
                AppendQuoted(Out, Bytes(bytes), true);
            else
                AppendQuoted(Out, Utf8Codes(bytes));
            break;
        }
        case vaWString:
        case vaUString: {
            R.ReadValue();
            std::u16string units = R.ReadRawWideString();
            AppendQuoted(Out, std::vector<uint32_t>(units.begin(), units.end()));
            break;
        }
        case vaIdent:
            R.ReadValue();
            Out += R.ReadStr();
            break;
        case vaFalse:
        case vaTrue:
        case vaNil:
        case vaNull:
            Out += R.ReadIdent();
            break;
        case vaBinary: {
            std::string data = R.ReadBinary();
            static const char* hex = "0123456789ABCDEF";
            Out += '{';
            for (size_t i = 0; i < data.size(); i += 32) {
                Out += '\n' + indent + "  ";
                for (size_t k = i; k < data.size() && k < i + 32; ++k) {
                    auto b = static_cast<unsigned char>(data[k]);
                    Out += hex[b >> 4];
                    Out += hex[b & 15];
                }
            }
            Out += '\n' + indent + "}";
            break;
        }
        case vaSet: {
            R.ReadValue();
            Out += '[';
            bool first = true;
            for (std::string member = R.ReadStr(); !member.empty(); member = R.ReadStr()) {
                if (!first) Out += ", ";
                first = false;
                Out += member;
            }
            Out += ']';
            break;
        }
        case vaCollection: {
            R.ReadValue();
            Out += '<';
            while (!R.EndOfList()) {
                Out += indent + "\n" + indent + "  item";
                TValueType next = R.NextValue();
                if (next == vaInt8 || next == vaInt16 || next == vaInt32 || next == vaInt64)
                    Out += "[" + std::to_string(R.ReadInt64()) + "]";
                Out += '\n';
                R.ReadListBegin();
                PropertyList(indent + "    ", depth + 1);
                Out += indent + "  end";
            }
            R.ReadListEnd();
            Out += '>';
            break;
        }
        }
    }

    TReader& R;
    TTextStrings FStrings;
    std::string FComponent;
};
} // namespace

void ObjectBinaryToText(TStream& In, TStream& Out, TTextStrings Strings) {
    std::string text;
    {
        // The reader gives unread bytes back to In when it goes.
        TReader reader(&In, 4096);
        reader.ReadSignature();
        BinaryToText converter(reader, Strings);
        converter.Component("", 0);
        text = std::move(converter.Out);
    }
    Out.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}
