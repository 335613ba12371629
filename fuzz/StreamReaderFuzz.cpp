// Feeds arbitrary bytes to the component stream reader and to the binary-to-text converter;
// anything but a framework exception (a crash, a leak, a hang, a sanitizer report) is a bug.

#include <cstddef>
#include <cstdint>

#include "host/core/Stream.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ObjectText.h"
#include "tests/host/StreamFixtures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (RegisterStreamFixtures(), true);
    (void)registered;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        TStringStream in(bytes);
        TReader reader(&in, 64);
        reader.ReadRootComponent()->Free();
    } catch (const Exception&) {
    }
    try {
        TStringStream in(bytes), out;
        ObjectBinaryToText(in, out);
        // What the converter prints must parse back.
        TStringStream text(out.DataString()), binary;
        ObjectTextToBinary(text, binary);
    } catch (const Exception&) {
    }
    try {
        TStringStream in(bytes), out;
        ObjectTextToBinary(in, out);
    } catch (const Exception&) {
    }
    return 0;
}
