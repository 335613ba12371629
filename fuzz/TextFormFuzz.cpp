// Feeds arbitrary text to the text-to-binary converter. What it accepts must print back to a
// text that converts to the same bytes, and must load (or be refused with a framework
// exception) like any stream; a crash, a leak, a hang or a changed round trip is a bug.

#include <cstddef>
#include <cstdint>

#include "host/core/Stream.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ObjectText.h"
#include "tests/host/StreamFixtures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (RegisterStreamFixtures(), true);
    (void)registered;
    std::string binary;
    try {
        TStringStream in(std::string(reinterpret_cast<const char*>(data), size)), out;
        ObjectTextToBinary(in, out);
        binary = out.DataString();
    } catch (const Exception&) {
        return 0;
    }
    TStringStream in(binary), text;
    ObjectBinaryToText(in, text);
    TStringStream again(text.DataString()), back;
    ObjectTextToBinary(again, back);
    if (back.DataString() != binary) __builtin_trap();
    try {
        TStringStream stream(binary);
        TReader reader(&stream, 64);
        reader.ReadRootComponent()->Free();
    } catch (const Exception&) {
    }
    return 0;
}
