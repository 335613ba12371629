#pragma once
// A component tree to and from the bytes of our component stream, for the benchmarks.

#include <string>

#include "host/core/Component.h"
#include "host/core/Stream.h"
#include "host/streaming/Filer.h"

inline std::string SaveToBytes(TComponent* root) {
    TMemoryStream stream;
    TWriter writer(&stream, 4096);
    writer.WriteRootComponent(root);
    writer.FlushBuffer();
    return {static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size())};
}

inline TComponent* LoadFromBytes(const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    TReader reader(&stream, 4096);
    return reader.ReadRootComponent();
}
