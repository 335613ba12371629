// TReader, value level: buffered input, the value codes, and the generic skipper.

#include <bit>
#include <cstring>

#include "host/core/Collection.h"
#include "host/core/Stream.h"
#include "host/core/TextCodec.h"
#include "host/streaming/Filer.h"

ZK_IMPLEMENT_CLASS(TReader, TFiler, nullptr)

using namespace zk::stream;

namespace {
bool IsIntegerCode(TValueType v) {
    return v == vaInt8 || v == vaInt16 || v == vaInt32 || v == vaInt64;
}
} // namespace

TReader::TReader(TStream* Stream, int BufSize) : TFiler(Stream, BufSize) {}

void TReader::Damaged(const std::string& Expected) const {
    throw EReadError("窗体流已损坏：第 " + IntToStr(Position()) + " 字节处应为" + Expected);
}

void TReader::ReadError(int64_t Count) const {
    throw EReadError("窗体流不完整：第 " + IntToStr(Position()) + " 字节处还应有 " +
                     IntToStr(Count) + " 字节数据，但流只有 " + IntToStr(FStream->Size()) +
                     " 字节");
}

void TReader::InvalidValue(const std::string& Expected) const {
    // The offending byte was read already: report where it began.
    throw EReadError("窗体流已损坏：第 " + IntToStr(std::max<int64_t>(0, Position() - 1)) +
                     " 字节处应为" + Expected);
}

TReader::~TReader() {
    try {
        FlushBuffer();
    } catch (const Exception&) {
        // The stream could not seek back; nothing more can be done here.
    }
}

// ---- Buffer -------------------------------------------------------------------------------

bool TReader::FillBuffer() {
    FBufPos = 0;
    FBufEnd = static_cast<size_t>(
        std::max<int64_t>(0, FStream->Read(FBuffer.data(), static_cast<int64_t>(FBuffer.size()))));
    return FBufEnd > 0;
}

void TReader::Read(void* Buffer, int64_t Count) {
    auto* p = static_cast<unsigned char*>(Buffer);
    while (Count > 0) {
        if (FBufPos == FBufEnd && !FillBuffer()) ReadError(Count);
        size_t n = std::min(FBufEnd - FBufPos, static_cast<size_t>(Count));
        std::memcpy(p, FBuffer.data() + FBufPos, n);
        FBufPos += n;
        p += n;
        Count -= static_cast<int64_t>(n);
    }
}

void TReader::FlushBuffer() {
    if (FBufEnd > FBufPos) FStream->Seek(-static_cast<int64_t>(FBufEnd - FBufPos), soCurrent);
    FBufPos = FBufEnd = 0;
}

int64_t TReader::Position() const {
    return FStream->Position() - static_cast<int64_t>(FBufEnd - FBufPos);
}

void TReader::SetPosition(int64_t Value) {
    int64_t bufStart = FStream->Position() - static_cast<int64_t>(FBufEnd);
    if (Value >= bufStart && Value <= bufStart + static_cast<int64_t>(FBufEnd)) {
        FBufPos = static_cast<size_t>(Value - bufStart);
        return;
    }
    FBufPos = FBufEnd = 0;
    FStream->SetPosition(Value);
}

int64_t TReader::Remaining() const {
    return std::max<int64_t>(0, FStream->Size() - FStream->Position()) +
           static_cast<int64_t>(FBufEnd - FBufPos);
}

uint32_t TReader::ReadLength() {
    unsigned char b[4];
    Read(b, 4);
    uint64_t n = ReadLE(b, 4);
    // Nothing is allocated for more than the stream still holds.
    if (n > INT32_MAX || static_cast<int64_t>(n) > Remaining())
        throw EReadError("窗体流已损坏：第 " + IntToStr(Position() - 4) + " 字节处的长度 " +
                         IntToStr(int64_t(n)) + " 超出流的剩余部分（" + IntToStr(Remaining()) +
                         " 字节）");
    return static_cast<uint32_t>(n);
}

// ---- Values -------------------------------------------------------------------------------

void TReader::ReadSignature() {
    char sig[4];
    const char* const NotAForm = "不是窗体流文件：第 0 字节处应为文件头“TPF0”";
    try {
        Read(sig, 4);
    } catch (const EReadError&) {
        throw EReadError(NotAForm);
    }
    if (std::memcmp(sig, FilerSignature, 4) != 0) throw EReadError(NotAForm);
}

TValueType TReader::ReadValue() {
    unsigned char b;
    Read(&b, 1);
    if (b > vaMaxValueType) InvalidValue("值类型代码（0 到 20）");
    return static_cast<TValueType>(b);
}

TValueType TReader::NextValue() {
    if (FBufPos == FBufEnd && !FillBuffer()) ReadError();
    unsigned char b = FBuffer[FBufPos];
    if (b > vaMaxValueType) Damaged("值类型代码（0 到 20）");
    return static_cast<TValueType>(b);
}

bool TReader::EndOfList() {
    if (FBufPos == FBufEnd && !FillBuffer()) ReadError();
    return FBuffer[FBufPos] == vaNull;
}

void TReader::ReadListBegin() {
    if (ReadValue() != vaList) InvalidValue("列表的开始");
}

void TReader::ReadListEnd() {
    if (ReadValue() != vaNull) InvalidValue("列表的结束");
}

void TReader::ReadPrefix(uint8_t& Flags, int& ChildPos) {
    Flags = 0;
    ChildPos = -1;
    if (FBufPos == FBufEnd && !FillBuffer()) ReadError();
    unsigned char b = FBuffer[FBufPos];
    if ((b & 0xF0) != 0xF0) return;
    ++FBufPos;
    Flags = b & 0x0F;
    if (Flags & ffChildPos) {
        TValueType code = ReadValue();
        if (code != vaInt8 && code != vaInt16 && code != vaInt32) InvalidValue();
        unsigned char p[4];
        int width = code == vaInt8 ? 1 : code == vaInt16 ? 2 : 4;
        Read(p, width);
        uint64_t raw = ReadLE(p, width);
        int64_t v = width == 1 ? int8_t(raw) : width == 2 ? int16_t(raw) : int32_t(raw);
        ChildPos = static_cast<int>(v);
    }
}

std::string TReader::ReadStr() {
    unsigned char n;
    Read(&n, 1);
    std::string s(n, '\0');
    Read(s.data(), n);
    return s;
}

int64_t TReader::ReadInt64() {
    TValueType code = ReadValue();
    if (!IsIntegerCode(code)) InvalidValue();
    unsigned char b[8];
    int width = code == vaInt8 ? 1 : code == vaInt16 ? 2 : code == vaInt32 ? 4 : 8;
    Read(b, width);
    uint64_t raw = ReadLE(b, width);
    switch (width) {
    case 1:
        return int8_t(raw);
    case 2:
        return int16_t(raw);
    case 4:
        return int32_t(raw);
    default:
        return static_cast<int64_t>(raw);
    }
}

int32_t TReader::ReadInteger() {
    int64_t v = ReadInt64();
    if (v < INT32_MIN || v > INT32_MAX) InvalidValue();
    return static_cast<int32_t>(v);
}

TExtended80 TReader::ReadRawExtended() {
    unsigned char b[10];
    Read(b, 10);
    return TExtended80::FromBytes(b);
}

double TReader::ReadFloat() {
    TValueType code = NextValue();
    if (IsIntegerCode(code)) return static_cast<double>(ReadInt64());
    ReadValue();
    unsigned char b[8];
    switch (code) {
    case vaExtended:
        return ExtendedToDouble(ReadRawExtended());
    case vaSingle:
        Read(b, 4);
        return std::bit_cast<float>(static_cast<uint32_t>(ReadLE(b, 4)));
    case vaDouble:
    case vaDate:
        Read(b, 8);
        return std::bit_cast<double>(ReadLE(b, 8));
    case vaCurrency:
        Read(b, 8);
        return static_cast<double>(static_cast<int64_t>(ReadLE(b, 8))) / 10000.0;
    default:
        InvalidValue();
    }
}

bool TReader::ReadBoolean() {
    TValueType code = ReadValue();
    if (code == vaTrue) return true;
    if (code == vaFalse) return false;
    InvalidValue();
}

std::string TReader::ReadIdent() {
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return "False";
    case vaTrue:
        return "True";
    case vaNil:
        return "nil";
    case vaNull:
        return "Null";
    default:
        InvalidValue();
    }
}

std::string TReader::ReadRawString(TValueType Code) {
    uint32_t n;
    if (Code == vaString) {
        unsigned char b;
        Read(&b, 1);
        n = b;
    } else {
        n = ReadLength();
    }
    std::string s(n, '\0');
    Read(s.data(), n);
    return s;
}

std::u16string TReader::ReadRawWideString() {
    uint32_t n = ReadLength();
    if (static_cast<int64_t>(n) * 2 > Remaining()) ReadError();
    std::string bytes(static_cast<size_t>(n) * 2, '\0');
    Read(bytes.data(), static_cast<int64_t>(bytes.size()));
    std::u16string units(n, u'\0');
    for (size_t i = 0; i < n; ++i)
        units[i] = static_cast<char16_t>(
            ReadLE(reinterpret_cast<const unsigned char*>(bytes.data()) + 2 * i, 2));
    return units;
}

std::string TReader::ReadString() {
    TValueType code = ReadValue();
    switch (code) {
    case vaString:
    case vaLString:
        return zk::text::Decode8Bit(ReadRawString(code));
    case vaUTF8String:
        return zk::text::SanitizeUtf8(ReadRawString(code));
    case vaWString:
    case vaUString:
        return zk::text::Utf16ToUtf8(ReadRawWideString());
    default:
        InvalidValue();
    }
}

std::string TReader::ReadBinary() {
    if (ReadValue() != vaBinary) InvalidValue();
    uint32_t n = ReadLength();
    std::string data(n, '\0');
    Read(data.data(), n);
    return data;
}

uint64_t TReader::ReadSet(const TTypeInfo* SetType) {
    if (ReadValue() != vaSet) InvalidValue();
    uint64_t bits = 0;
    bool bad = false;
    // The whole set is consumed before an unknown member is reported.
    for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) {
        int v = GetEnumValue(SetType->Data.CompType, name);
        if (v < 0 || v > 63)
            bad = true;
        else
            bits |= uint64_t(1) << v;
    }
    if (bad) InvalidValue();
    return bits;
}

Variant TReader::ReadVariant() {
    TValueType code = NextValue();
    unsigned char b[8];
    switch (code) {
    case vaNil:
        ReadValue();
        return Variant();
    case vaNull:
        ReadValue();
        return Variant::Null();
    case vaInt8:
    case vaInt16:
    case vaInt32:
        return Variant(ReadInteger());
    case vaInt64:
        return Variant(ReadInt64());
    case vaQWord: {
        ReadValue();
        Read(b, 8);
        uint64_t v = ReadLE(b, 8);
        if (v <= static_cast<uint64_t>(INT64_MAX)) return Variant(static_cast<int64_t>(v));
        return Variant(static_cast<double>(v));
    }
    case vaFalse:
    case vaTrue:
        return Variant(ReadBoolean());
    case vaDate: {
        ReadValue();
        Read(b, 8);
        return Variant::FromDate(std::bit_cast<double>(ReadLE(b, 8)));
    }
    case vaExtended:
    case vaSingle:
    case vaDouble:
    case vaCurrency:
        return Variant(ReadFloat());
    case vaString:
    case vaLString:
    case vaWString:
    case vaUTF8String:
    case vaUString:
        return Variant(ReadString());
    default:
        InvalidValue("属性值（不支持值类型代码 " + IntToStr(static_cast<int>(code)) + "）");
    }
}

void TReader::ReadCollection(TCollection* Collection) {
    if (ReadValue() != vaCollection) InvalidValue();
    if (EndOfList()) {
        // An empty collection leaves the existing items alone.
        ReadListEnd();
        return;
    }
    if (++FValueDepth > MaxValueDepth) {
        --FValueDepth;
        InvalidValue();
    }
    std::string savedPath = FErrorPath;
    Collection->BeginUpdate();
    try {
        Collection->Clear();
        while (!EndOfList()) {
            // Some producers put an order value before the item; it carries nothing we use.
            if (IsIntegerCode(NextValue())) ReadInt64();
            ReadListBegin();
            TCollectionItem* item = Collection->Add();
            FErrorPath = savedPath + "[" + IntToStr(item->Index()) + "]";
            ReadProperties(item);
        }
        ReadListEnd();
    } catch (...) {
        FErrorPath = savedPath;
        Collection->EndUpdate();
        --FValueDepth;
        throw;
    }
    FErrorPath = savedPath;
    Collection->EndUpdate();
    --FValueDepth;
}

// ---- Skipping -----------------------------------------------------------------------------

void TReader::SkipValue() {
    SkipValueAt(0);
}

void TReader::SkipValueAt(int depth) {
    if (depth > MaxValueDepth) InvalidValue();
    TValueType code = ReadValue();
    unsigned char b[10];
    auto skipBytes = [this](int64_t n) {
        if (n > Remaining()) ReadError();
        char chunk[256];
        while (n > 0) {
            int64_t k = std::min<int64_t>(n, sizeof chunk);
            Read(chunk, k);
            n -= k;
        }
    };
    switch (code) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        break;
    case vaList:
        while (!EndOfList())
            SkipValueAt(depth + 1);
        ReadListEnd();
        break;
    case vaInt8:
        Read(b, 1);
        break;
    case vaInt16:
        Read(b, 2);
        break;
    case vaInt32:
    case vaSingle:
        Read(b, 4);
        break;
    case vaInt64:
    case vaCurrency:
    case vaDate:
    case vaQWord:
    case vaDouble:
        Read(b, 8);
        break;
    case vaExtended:
        Read(b, 10);
        break;
    case vaString:
    case vaIdent: {
        unsigned char n;
        Read(&n, 1);
        skipBytes(n);
        break;
    }
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        skipBytes(ReadLength());
        break;
    case vaWString:
    case vaUString:
        skipBytes(int64_t(ReadLength()) * 2);
        break;
    case vaSet:
        while (!ReadStr().empty()) {
        }
        break;
    case vaCollection:
        while (!EndOfList()) {
            if (IsIntegerCode(NextValue())) SkipValueAt(depth + 1);
            ReadListBegin();
            SkipPropertyList(depth + 1);
        }
        ReadListEnd();
        break;
    }
}

void TReader::SkipPropertyList(int depth) {
    while (!EndOfList()) {
        ReadStr();
        SkipValueAt(depth);
    }
    ReadListEnd();
}

void TReader::SkipComponent(bool SkipHeader) {
    SkipComponentAt(SkipHeader, FComponentDepth);
}

void TReader::SkipComponentAt(bool skipHeader, int depth) {
    if (depth > MaxComponentDepth)
        Damaged("组件的结束（组件嵌套超过 " + IntToStr(MaxComponentDepth) + " 层）");
    if (skipHeader) {
        uint8_t flags;
        int pos;
        ReadPrefix(flags, pos);
        ReadStr();
        ReadStr();
    }
    SkipPropertyList(0);
    while (!EndOfList())
        SkipComponentAt(true, depth + 1);
    ReadListEnd();
}
