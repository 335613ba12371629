// formconv: component stream files between binary and text form, and a damage report.
//
//   formconv totext [--codes] IN OUT
//                              binary stream -> text form; strings keep their UTF-8 text
//                              inside the quotes (tobinary gives the same bytes back), or,
//                              with --codes, print #n codes as other converters do
//   formconv tobinary IN OUT   text form -> binary stream
//   formconv check IN          reads IN as a binary stream (or a text form) without any
//                              class knowledge; prints what is wrong and where
//   formconv --version         prints the project's version

#include <cstdio>
#include <string>

#include "host/core/Stream.h"
#include "host/core/Version.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ObjectText.h"

namespace {
int Usage() {
    std::fprintf(stderr, "usage: formconv totext [--codes] IN OUT\n"
                         "       formconv tobinary IN OUT\n"
                         "       formconv check IN\n"
                         "       formconv --version\n");
    return 2;
}

/// Converts IN into memory first, so that a failed conversion leaves no half-written OUT.
int Convert(bool toText, const std::string& in, const std::string& out,
            TTextStrings strings = TTextStrings::Text) {
    TFileStream input(in, fmOpenRead);
    TMemoryStream result;
    if (toText)
        ObjectBinaryToText(input, result, strings);
    else
        ObjectTextToBinary(input, result);
    result.SaveToFile(out);
    return 0;
}

bool LooksBinary(TStream& stream) {
    char sig[4] = {};
    int64_t n = stream.Read(sig, 4);
    stream.SetPosition(0);
    return n == 4 && std::string(sig, 4) == "TPF0";
}

int Check(const std::string& in) {
    TFileStream input(in, fmOpenRead);
    TMemoryStream sink;
    if (!LooksBinary(input)) {
        // A text form is checked by converting it.
        ObjectTextToBinary(input, sink);
        std::printf("%s: text form OK\n", in.c_str());
        return 0;
    }
    try {
        ObjectBinaryToText(input, sink);
    } catch (const Exception& e) {
        // The reader gave unread bytes back, so the file position is where reading stopped.
        int64_t offset = input.Position();
        std::fprintf(stderr, "%s: %s (at offset %lld, 0x%llX, of %lld bytes)\n", in.c_str(),
                     e.Message().c_str(), static_cast<long long>(offset),
                     static_cast<long long>(offset), static_cast<long long>(input.Size()));
        return 1;
    }
    int64_t end = input.Position();
    if (end != input.Size()) {
        std::fprintf(stderr, "%s: %lld bytes follow the root component (at offset %lld)\n",
                     in.c_str(), static_cast<long long>(input.Size() - end),
                     static_cast<long long>(end));
        return 1;
    }
    std::printf("%s: binary stream OK (%lld bytes)\n", in.c_str(), static_cast<long long>(end));
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("formconv %s\n", ZK_VERSION_STRING);
        return 0;
    }
    if (argc < 3) return Usage();
    std::string cmd = argv[1];
    try {
        if (cmd == "totext" && argc == 4) return Convert(true, argv[2], argv[3]);
        if (cmd == "totext" && argc == 5 && std::string(argv[2]) == "--codes")
            return Convert(true, argv[3], argv[4], TTextStrings::Codes);
        if (cmd == "tobinary" && argc == 4) return Convert(false, argv[2], argv[3]);
        if (cmd == "check" && argc == 3) return Check(argv[2]);
    } catch (const Exception& e) {
        std::fprintf(stderr, "formconv: %s\n", e.Message().c_str());
        return 1;
    }
    return Usage();
}
