// How a component reads and writes itself through the filer: its state and the design
// position of components without bounds of their own.
#include "host/core/Component.h"
#include "host/streaming/Filer.h"

void TComponent::ReadState(TReader* Reader) {
    Reader->ReadData(this);
}

void TComponent::DefineProperties(TFiler* Filer) {
    TPersistent::DefineProperties(Filer);
    // The design position of a component without bounds of its own; controls publish
    // Left and Top, which the reader finds before these.
    auto left = [this] { return static_cast<int16_t>(FDesignInfo & 0xFFFF); };
    auto top = [this] { return static_cast<int16_t>(static_cast<uint32_t>(FDesignInfo) >> 16); };
    auto pack = [](int l, int t) {
        return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(t)) << 16) |
                                    static_cast<uint16_t>(l));
    };
    Filer->DefineProperty(
        "Left", [this, top, pack](TReader* r) { FDesignInfo = pack(r->ReadInteger(), top()); },
        [left](TWriter* w) { w->WriteInteger(left()); }, left() != 0);
    Filer->DefineProperty(
        "Top", [this, left, pack](TReader* r) { FDesignInfo = pack(left(), r->ReadInteger()); },
        [top](TWriter* w) { w->WriteInteger(top()); }, top() != 0);
}

void TComponent::WriteState(TWriter* Writer) {
    Writer->WriteData(this);
}
