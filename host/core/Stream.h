#pragma once
// Byte streams: the abstract TStream and the memory, string and file streams.
// Counts and positions are 64-bit and signed; a negative count transfers nothing.

#include <cstdint>
#include <string>

#include "host/core/Object.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// File stream modes: one access mode, or fmCreate; either may be or-ed with a share
// mode, which is accepted for compatibility and has no effect on POSIX systems.
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;
/// Creates the file, or empties an existing one, and opens it for reading and writing.
constexpr uint16_t fmCreate = 0xFF00;

/// A sequence of bytes with a position: descendants read, write and seek; this class adds
/// the exact-count transfers and copying between streams.
class TStream : public TObject {
    ZK_CLASS(TStream, TObject)
    /// Reads up to Count bytes at the position; returns how many it read (0 at the end).
    virtual int64_t Read(void* Buffer, int64_t Count) = 0;
    /// Writes up to Count bytes at the position; returns how many it wrote.
    virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
    /// Moves the position and returns it; EStreamError for a position before the start.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
    virtual int64_t Size();
    /// Grows or truncates the stream; a stream that cannot does nothing.
    virtual void SetSize(int64_t NewSize) { (void)NewSize; }

    /// Reads exactly Count bytes, or raises EReadError.
    void ReadBuffer(void* Buffer, int64_t Count);
    /// Writes exactly Count bytes, or raises EWriteError.
    void WriteBuffer(const void* Buffer, int64_t Count);
    /// Copies Count bytes from Source's position; Count 0 copies all of Source from its
    /// start. Returns the bytes copied; EReadError when Source runs short.
    int64_t CopyFrom(TStream* Source, int64_t Count);
};

/// A stream kept in memory; the position may lie past the end, and a write there
/// zero-fills the gap.
class TMemoryStream : public TStream {
    ZK_CLASS(TMemoryStream, TStream)
    TMemoryStream() = default;

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return static_cast<int64_t>(FData.size()); }
    /// New bytes are zero; a position past the new end moves back to it.
    void SetSize(int64_t NewSize) override;

    void* Memory() { return FData.data(); }
    const void* Memory() const { return FData.data(); }
    /// Empties the stream and releases its memory.
    void Clear();
    /// Replaces the contents with the whole of Stream (read from its start).
    void LoadFromStream(TStream* Stream);
    /// Writes the whole contents to Stream at its position.
    void SaveToStream(TStream* Stream) const;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

protected:
    const std::string& Data() const { return FData; }

private:
    void Reserve(int64_t NewSize);

    std::string FData;
    int64_t FPosition = 0;
};

/// A memory stream over text: starts with the given bytes at position 0.
class TStringStream : public TMemoryStream {
    ZK_CLASS(TStringStream, TMemoryStream)
    explicit TStringStream(const std::string& AString = std::string());
    /// All the bytes of the stream as a string.
    const std::string& DataString() const { return Data(); }
    /// Reads up to Count bytes as text.
    std::string ReadString(int64_t Count);
    void WriteString(const std::string& AString);
};

/// A stream over a file, opened or created by name (POSIX file descriptors).
class TFileStream : public TStream {
    ZK_CLASS(TFileStream, TStream)
    /// EFOpenError, or EFCreateError for fmCreate, naming the file and the system's reason.
    TFileStream(const std::string& FileName, uint16_t Mode);
    ~TFileStream() override;

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override;
    void SetSize(int64_t NewSize) override;

    const std::string& FileName() const { return FFileName; }
    int Handle() const { return FHandle; }

private:
    std::string FFileName;
    int FHandle = -1;
};
