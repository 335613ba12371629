// Feeds arbitrary bytes to the component stream reader and to the converters; anything but a
// framework exception (a crash, a leak, a hang, a sanitizer report) is a bug.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzApplication.h"
#include "tests/host/InputChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!CheckStreamInput(bytes).empty()) __builtin_trap();
    // The same bytes taken for a text form.
    if (!CheckTextFormInput(bytes).empty()) __builtin_trap();
    return 0;
}
