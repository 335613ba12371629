#include "host/core/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

bool FileExists(const std::string& FileName) {
    struct stat st;
    return ::stat(FileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DeleteFile(const std::string& FileName) {
    return FileExists(FileName) && ::unlink(FileName.c_str()) == 0;
}

bool RenameFile(const std::string& OldName, const std::string& NewName) {
    return std::rename(OldName.c_str(), NewName.c_str()) == 0;
}

std::string TempFileBeside(const std::string& FileName) {
    static std::atomic<unsigned> counter{0};
    for (;;) {
        std::string name =
            FileName + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        if (::access(name.c_str(), F_OK) != 0) return name;
    }
}
