// Feeds arbitrary text to the text-to-binary converter. What it accepts must print back to a
// text that converts to the same bytes, and must load or be refused with a framework
// exception; a crash, a leak, a hang or a changed round trip is a bug.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzApplication.h"
#include "tests/host/InputChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!CheckTextFormInput(std::string(reinterpret_cast<const char*>(data), size)).empty())
        __builtin_trap();
    return 0;
}
