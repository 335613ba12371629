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

std::string Bytes(TStringStream& stream) {
    return stream.DataString();
}

/// Root written as its changes since a fresh sample form.
std::string ChangesOf(TComponent* Root) {
    TFixForm* fresh = MakeSampleForm();
    TStringStream out;
    try {
        TWriter writer(&out, 64);
        writer.WriteDescendent(Root, fresh);
        writer.FlushBuffer();
    } catch (...) {
        fresh->Free();
        throw;
    }
    fresh->Free();
    return Bytes(out);
}

/// Whether a component the form owns should have a parent and has none: no stream holds it
/// (a child the input put under a component that holds no children), so neither can a
/// reference to it come back.
bool HasOrphans(TComponent* Form) {
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (Form->Components(i)->HasParent() && !Form->Components(i)->GetParentComponent())
            return true;
    return false;
}

/// Reads the bytes as changes over a fresh sample form, skipping what does not fit, as a
/// layout load does. What it makes must write as changes that load back without a single
/// skip and, unless the input left a component where no stream holds it, write again as the
/// same bytes.
std::string CheckChanges(const std::string& bytes) {
    TFixForm* form = MakeSampleForm();
    std::string written;
    bool orphans = false;
    try {
        TStringStream in(bytes);
        TReader reader(&in, 64);
        reader.OnError = [](TReader*, const std::string&, bool& Handled) { Handled = true; };
        reader.ReadRootComponent(form);
        orphans = HasOrphans(form);
        written = ChangesOf(form);
    } catch (const Exception&) {
        form->Free();
        return {};
    }
    form->Free();
    TFixForm* again = MakeSampleForm();
    std::string rewritten;
    try {
        TStringStream in(written);
        TReader reader(&in, 64);
        reader.ReadRootComponent(again);
        rewritten = ChangesOf(again);
    } catch (const Exception& e) {
        again->Free();
        return "the written changes do not load back: " + e.Message();
    }
    again->Free();
    if (!orphans && rewritten != written)
        return "the changes load back to a form that writes other changes";
    return {};
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
    if (std::string fault = CheckChanges(bytes); !fault.empty()) return fault;
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
