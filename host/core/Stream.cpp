// TStream, TMemoryStream and TStringStream; the file stream is in FileStream.cpp.

#include "host/core/Stream.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

#include "host/core/SysUtils.h"

ZK_IMPLEMENT_CLASS(TStream, TObject, nullptr)
ZK_IMPLEMENT_CLASS(TMemoryStream, TStream, nullptr)
ZK_IMPLEMENT_CLASS(TStringStream, TMemoryStream, nullptr)

// ---- TStream --------------------------------------------------------------------------------

int64_t TStream::Size() {
    int64_t pos = Seek(0, soCurrent);
    int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
    const int64_t at = Position();
    if (Count > 0 && Read(Buffer, Count) != Count)
        throw EReadError("流读取错误：第 " + std::to_string(at) + " 字节处应有 " +
                         std::to_string(Count) + " 字节数据，但流只有 " + std::to_string(Size()) +
                         " 字节");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
    if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError("流写入错误");
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count) {
    if (Count < 0) return 0;
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    constexpr int64_t MaxBufSize = 0xF000;
    std::vector<char> buffer(size_t(std::min(Count, MaxBufSize)));
    for (int64_t left = Count; left > 0;) {
        int64_t n = std::min(left, MaxBufSize);
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return Count;
}

// ---- TMemoryStream --------------------------------------------------------------------------

void TMemoryStream::Reserve(int64_t NewSize) {
    try {
        FData.resize(size_t(NewSize));
    } catch (const std::bad_alloc&) {
        throw EStreamError("扩充内存流时内存不足");
    } catch (const std::length_error&) {
        throw EStreamError("扩充内存流时内存不足");
    }
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
    if (Count <= 0 || FPosition >= Size()) return 0;
    int64_t n = std::min(Count, Size() - FPosition);
    std::memmove(Buffer, FData.data() + FPosition, size_t(n));
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    int64_t end;
    if (__builtin_add_overflow(FPosition, Count, &end)) return 0;
    const char* src = static_cast<const char*>(Buffer);
    if (end > Size()) {
        // The source may be this stream's own memory, which growing can move.
        const char* base = FData.data();
        bool inside = std::less_equal<>()(base, src) && std::less<>()(src, base + FData.size());
        size_t offset = size_t(src - base);
        Reserve(end);
        if (inside) src = FData.data() + offset;
    }
    std::memmove(FData.data() + FPosition, src, size_t(Count));
    FPosition = end;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : Size();
    int64_t pos;
    if (__builtin_add_overflow(base, Offset, &pos) || pos < 0)
        throw EStreamError("流位置无效");
    FPosition = pos;
    return pos;
}

void TMemoryStream::SetSize(int64_t NewSize) {
    NewSize = std::max<int64_t>(NewSize, 0);
    Reserve(NewSize);
    FPosition = std::min(FPosition, NewSize);
}

void TMemoryStream::Clear() {
    std::string().swap(FData);
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
    if (Stream == this) return;
    Stream->SetPosition(0);
    int64_t count = Stream->Size();
    SetSize(count);
    Stream->ReadBuffer(FData.data(), count);
}

void TMemoryStream::SaveToStream(TStream* Stream) const {
    if (Stream == this) {
        std::string copy = FData; // writing may grow, and so move, FData
        Stream->WriteBuffer(copy.data(), int64_t(copy.size()));
        return;
    }
    Stream->WriteBuffer(FData.data(), int64_t(FData.size()));
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TMemoryStream::SaveToFile(const std::string& FileName) const {
    TFileStream stream(FileName, fmCreate);
    SaveToStream(&stream);
}

// ---- TStringStream --------------------------------------------------------------------------

TStringStream::TStringStream(const std::string& AString) {
    WriteString(AString);
    SetPosition(0);
}

std::string TStringStream::ReadString(int64_t Count) {
    int64_t available = std::max<int64_t>(Size() - Position(), 0);
    std::string s(size_t(std::clamp<int64_t>(Count, 0, available)), '\0');
    s.resize(size_t(Read(s.data(), int64_t(s.size()))));
    return s;
}

void TStringStream::WriteString(const std::string& AString) {
    WriteBuffer(AString.data(), int64_t(AString.size()));
}
