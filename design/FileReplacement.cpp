#include "design/FileReplacement.h"

#include "host/core/Files.h"
#include "host/core/Stream.h"

void SaveReplacingFile(TMemoryStream& Stream, const std::string& FileName) {
    Stream.SetPosition(0);
    const std::string temp = TempFileBeside(FileName);
    try {
        Stream.SaveToFile(temp);
    } catch (const EFCreateError& e) {
        DeleteFile(temp);
        // The file beside FileName is the designer's own: the user hears of the one they chose.
        std::string message = e.Message();
        for (size_t at = message.find(temp); at != std::string::npos; at = message.find(temp))
            message.replace(at, temp.size(), FileName);
        throw EFCreateError(message);
    } catch (...) {
        DeleteFile(temp);
        throw;
    }
    if (!RenameFile(temp, FileName)) {
        DeleteFile(temp);
        throw EFCreateError("无法创建文件“" + FileName + "”：不能替换原有的文件");
    }
}
