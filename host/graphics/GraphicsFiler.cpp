// Graphics in the component stream: a binary "Data" property, so that a button's glyph is
// saved with its form (pictures have theirs in GraphicsStreaming.cpp).

#include "host/core/Stream.h"
#include "host/graphics/Graphics.h"
#include "host/streaming/Filer.h"

namespace {
std::vector<uint8_t> ReadAll(TStream* stream) {
    std::vector<uint8_t> bytes(static_cast<size_t>(stream->Size() - stream->Position()));
    if (!bytes.empty()) stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}
} // namespace

void TGraphic::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* stream) {
            const std::vector<uint8_t> data = ReadAll(stream);
            if (data.size() < 4) throw EInvalidGraphic("图形数据不完整");
            uint32_t n = 0;
            for (int i = 0; i < 4; ++i)
                n |= uint32_t(data[size_t(i)]) << (8 * i);
            if (data.size() - 4 < n) throw EInvalidGraphic("图形数据不完整");
            LoadFromBytes(std::vector<uint8_t>(data.begin() + 4, data.begin() + 4 + ptrdiff_t(n)));
        },
        [this](TStream* stream) {
            const std::vector<uint8_t> bytes = SaveToBytes();
            uint8_t size[4];
            for (int i = 0; i < 4; ++i)
                size[i] = uint8_t(bytes.size() >> (8 * i));
            stream->WriteBuffer(size, 4);
            stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
        },
        !Empty());
}
