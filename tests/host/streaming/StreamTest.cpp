// Streams: short reads, exact transfers, copying, memory growth and files.

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "host/core/Stream.h"

namespace {

std::string Bytes(TMemoryStream& s) {
    return std::string(static_cast<const char*>(s.Memory()), size_t(s.Size()));
}

/// A fresh directory for the test's files, removed afterwards.
class StreamFiles : public testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("zk_stream_" + std::to_string(::getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string File(const char* name) const { return (dir / name).string(); }
    std::filesystem::path dir;
};

} // namespace

TEST(Stream, MemoryRead_PastTheEndIsShortThenEmpty) {
    TStringStream s("hello");
    char buf[16] = {};
    s.Seek(3, soBeginning);
    EXPECT_EQ(s.Read(buf, 10), 2);
    EXPECT_EQ(std::string(buf, 2), "lo");
    EXPECT_EQ(s.Read(buf, 10), 0);
    s.SetPosition(100); // allowed past the end
    EXPECT_EQ(s.Read(buf, 1), 0);
    s.SetPosition(0);
    EXPECT_EQ(s.Read(buf, -1), 0); // negative counts move nothing
    EXPECT_EQ(s.Write(buf, -5), 0);
    EXPECT_EQ(s.Position(), 0);
    EXPECT_THROW(s.Seek(-1, soCurrent), EStreamError);
    EXPECT_THROW(s.Seek(INT64_MAX, soEnd), EStreamError);
}

TEST(Stream, MemoryWrite_PastTheEndZeroFillsTheGap) {
    TStringStream s("ab");
    s.Seek(3, soEnd);
    s.WriteString("z");
    s.SetPosition(1);
    s.WriteString("XY"); // overwriting in the middle keeps the tail
    EXPECT_EQ(s.DataString(), std::string("aXY\0\0z", 6));
    s.SetSize(2); // the position follows the end back
    EXPECT_EQ(s.Position(), 2);
    s.SetSize(3);
    EXPECT_EQ(s.DataString(), std::string("aX\0", 3));

    TMemoryStream m; // writing from its own memory while growing
    m.WriteBuffer("q", 1);
    for (int i = 0; i < 12; ++i)
        m.WriteBuffer(m.Memory(), m.Size());
    EXPECT_EQ(Bytes(m), std::string(4096, 'q'));
}

TEST(Stream, ReadBuffer_ShortReadRaisesReadError) {
    TStringStream s("abc");
    char buf[8];
    s.ReadBuffer(buf, 2);
    try {
        s.ReadBuffer(buf, 2);
        FAIL() << "no EReadError";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "流读取错误：第 2 字节处应有 2 字节数据，但流只有 3 字节");
    }
    s.ReadBuffer(buf, 0); // nothing asked, nothing missing
}

TEST(Stream, CopyFrom_CountOrWholeSource) {
    TStringStream source("0123456789"), dest;
    source.SetPosition(7);
    EXPECT_EQ(dest.CopyFrom(&source, 0), 10); // 0: everything, from the start
    source.SetPosition(2);
    EXPECT_EQ(dest.CopyFrom(&source, 3), 3);
    EXPECT_EQ(dest.CopyFrom(&source, -1), 0);
    EXPECT_EQ(dest.DataString(), "0123456789234");
    EXPECT_THROW(dest.CopyFrom(&source, 6), EReadError); // only 5 left

    std::string big(200000, 'x'); // more than one internal buffer
    big[123456] = 'y';
    TStringStream bigSource(big), bigDest;
    EXPECT_EQ(bigDest.CopyFrom(&bigSource, 0), int64_t(big.size()));
    EXPECT_EQ(bigDest.DataString(), big);
}

TEST_F(StreamFiles, MemoryStream_SaveAndLoadRoundTripThroughFile) {
    TMemoryStream out, in;
    std::string data;
    for (int i = 0; i < 70000; ++i)
        data += char(i * 7);
    out.WriteBuffer(data.data(), int64_t(data.size()));
    out.SaveToFile(File("data.bin"));
    in.WriteBuffer("stale contents", 14);
    in.LoadFromFile(File("data.bin"));
    EXPECT_EQ(Bytes(in), data);
    TMemoryStream().SaveToFile(File("empty.bin"));
    in.LoadFromFile(File("empty.bin"));
    EXPECT_EQ(in.Size(), 0);
}

TEST_F(StreamFiles, FileStream_ReadWriteSeekAndSize) {
    {
        TFileStream f(File("f.bin"), fmCreate);
        f.WriteBuffer("hello world", 11);
        EXPECT_EQ(f.Seek(-5, soEnd), 6);
        char buf[8] = {};
        EXPECT_EQ(f.Read(buf, 8), 5); // short at the end
        EXPECT_EQ(std::string(buf, 5), "world");
        f.SetSize(5);
        EXPECT_EQ(f.Position(), 5);
    }
    TFileStream r(File("f.bin"), fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(r.Size(), 5);
    EXPECT_THROW(r.WriteBuffer("x", 1), EWriteError); // opened for reading only
    char buf[8];
    EXPECT_THROW(r.ReadBuffer(buf, 6), EReadError);
    TFileStream rw(File("f.bin"), fmOpenReadWrite);
    rw.Seek(0, soEnd);
    rw.WriteBuffer("!", 1);
    EXPECT_EQ(rw.Size(), 6);
}

TEST_F(StreamFiles, FileStream_FailuresNameTheFileAndTheReason) {
    const std::string missing = File("missing.bin"), inMissingDir = File("nodir/new.bin");
    try {
        TFileStream f(missing, fmOpenRead);
        FAIL() << "no EFOpenError";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "无法打开文件“" + missing + "”：文件或文件夹不存在");
    }
    try {
        TFileStream f(inMissingDir, fmCreate);
        FAIL() << "no EFCreateError";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "无法创建文件“" + inMissingDir + "”：文件或文件夹不存在");
    }
    EXPECT_THROW(TFileStream(dir.string(), fmOpenRead), EFOpenError); // a directory is no file
}
