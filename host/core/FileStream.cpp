// TFileStream over a POSIX file descriptor.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "host/core/Stream.h"
#include "host/core/SysUtils.h"

ZK_IMPLEMENT_CLASS(TFileStream, TStream, nullptr)

namespace {

/// Why a file operation failed, in words a user reads; rarer causes keep the system's own.
std::string Reason(int err) {
    static const std::pair<int, const char*> reasons[] = {
        {ENOENT, "文件或文件夹不存在"},     {EACCES, "没有访问权限"},
        {EPERM, "不允许此操作"},            {EISDIR, "这是一个文件夹，不是文件"},
        {ENOTDIR, "路径中有一段不是文件夹"}, {ENOSPC, "磁盘空间不足"},
        {EROFS, "文件系统是只读的"},        {ENAMETOOLONG, "文件名太长"},
        {EMFILE, "打开的文件太多"},         {EIO, "读写设备出错"},
    };
    for (auto [code, text] : reasons)
        if (code == err) return text;
    return "系统错误 " + std::to_string(err) + "：" + std::generic_category().message(err);
}

// One read or write call moves at most this much; larger counts loop.
constexpr int64_t MaxChunk = int64_t(1) << 30;

} // namespace

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode) : FFileName(FileName) {
    const bool create = (Mode & fmCreate) == fmCreate;
    int flags = O_CLOEXEC;
    if (create)
        flags |= O_RDWR | O_CREAT | O_TRUNC;
    else if ((Mode & 3) == fmOpenWrite)
        flags |= O_WRONLY;
    else if ((Mode & 3) == fmOpenReadWrite)
        flags |= O_RDWR;
    else
        flags |= O_RDONLY;

    do {
        FHandle = ::open(FileName.c_str(), flags, 0666);
    } while (FHandle < 0 && errno == EINTR);
    int err = FHandle < 0 ? errno : 0;
    struct stat st;
    // A directory opens fine for reading but is no file to stream.
    if (FHandle >= 0 && ::fstat(FHandle, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(FHandle);
        FHandle = -1;
        err = EISDIR;
    }
    if (err == 0) return;
    if (create) throw EFCreateError("无法创建文件“" + FileName + "”：" + Reason(err));
    throw EFOpenError("无法打开文件“" + FileName + "”：" + Reason(err));
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
    char* p = static_cast<char*>(Buffer);
    int64_t done = 0;
    while (done < Count) {
        ssize_t n = ::read(FHandle, p + done, size_t(std::min(Count - done, MaxChunk)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
    const char* p = static_cast<const char*>(Buffer);
    int64_t done = 0;
    while (done < Count) {
        ssize_t n = ::write(FHandle, p + done, size_t(std::min(Count - done, MaxChunk)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    off_t pos = ::lseek(FHandle, off_t(Offset), whence);
    if (pos < 0)
        throw EStreamError("文件“" + FFileName + "”中的位置无效：" + Reason(errno));
    return int64_t(pos);
}

int64_t TFileStream::Size() {
    struct stat st;
    if (::fstat(FHandle, &st) != 0)
        throw EStreamError("无法取得文件“" + FFileName + "”的大小：" + Reason(errno));
    return int64_t(st.st_size);
}

// Like the memory stream, a position past the new end moves back to it.
void TFileStream::SetSize(int64_t NewSize) {
    NewSize = std::max<int64_t>(NewSize, 0);
    if (::ftruncate(FHandle, off_t(NewSize)) != 0)
        throw EStreamError("无法设置文件“" + FFileName + "”的大小：" + Reason(errno));
    if (Position() > NewSize) SetPosition(NewSize);
}
