#include "InputChecks.h"

#include "host/core/Stream.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ObjectText.h"
#include "tests/host/StreamFixtures.h"

namespace {
void RegisterOnce() {
    static const bool registered = (RegisterStreamFixtures(), true);
    (void)registered;
}

/// Loads the bytes as a root component and frees it; refusals are sound.
void Load(const std::string& bytes) {
    try {
        TStringStream in(bytes);
        TReader reader(&in, 64);
        reader.ReadRootComponent()->Free();
    } catch (const Exception&) {
    }
}
} // namespace

std::string CheckStreamInput(const std::string& bytes) {
    RegisterOnce();
    Load(bytes);
    std::string text;
    try {
        TStringStream in(bytes), out;
        ObjectBinaryToText(in, out);
        text = out.DataString();
    } catch (const Exception&) {
        return {};
    }
    // Names in damaged bytes need not be identifiers, so the printed text may be refused;
    // whatever it is, it is text input like any other.
    return CheckTextFormInput(text);
}

std::string CheckTextFormInput(const std::string& text) {
    RegisterOnce();
    std::string binary;
    try {
        TStringStream in(text), out;
        ObjectTextToBinary(in, out);
        binary = out.DataString();
    } catch (const Exception&) {
        return {};
    }
    std::string back;
    try {
        TStringStream in(binary), printed;
        ObjectBinaryToText(in, printed);
        TStringStream again(printed.DataString()), out;
        ObjectTextToBinary(again, out);
        back = out.DataString();
    } catch (const Exception& e) {
        return "the accepted text does not convert back: " + e.Message();
    }
    if (back != binary) return "the accepted text converts back to other bytes";
    Load(binary);
    return {};
}
