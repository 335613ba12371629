// List view items in the component stream: the binary property Items.Data.
//
// Byte layout of Data (all numbers little-endian):
//
//   u32 ItemCount
//   ItemCount times:
//     i32 ImageIndex
//     i32 StateIndex
//     u32 CaptionLength, CaptionLength bytes of UTF-8       the caption
//     u32 SubItemCount
//     SubItemCount times: u32 Length, Length bytes of UTF-8  the texts of the further columns
//
// Nothing follows the last item. Selection and the application's Data pointer are run-time
// state and are not stored.

#include <cstring>

#include "host/comctrls/ListView.h"
#include "host/core/Stream.h"
#include "host/core/UpdateScope.h"
#include "host/streaming/Filer.h"

namespace {
/// What one item holds in the stream.
struct TItemRecord {
    int32_t ImageIndex = -1;
    int32_t StateIndex = -1;
    std::string Caption;
    std::vector<std::string> SubItems;
};

/// The smallest stored item: two indexes, an empty caption and no sub-items.
constexpr size_t MinItemBytes = 16;

void PutU32(TStream* s, uint32_t v) {
    uint8_t b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<uint8_t>(v >> (8 * i));
    s->WriteBuffer(b, 4);
}

void PutText(TStream* s, const std::string& text) {
    PutU32(s, static_cast<uint32_t>(text.size()));
    s->WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

/// Reads the block from memory; every count and length is checked against what is left, so
/// damaged data fails before anything is allocated for it.
class TItemsParser {
public:
    explicit TItemsParser(std::string bytes) : FBytes(std::move(bytes)) {}

    std::vector<TItemRecord> Parse() {
        const uint32_t count = Count(MinItemBytes);
        std::vector<TItemRecord> items(count);
        for (TItemRecord& item : items) {
            item.ImageIndex = static_cast<int32_t>(U32());
            item.StateIndex = static_cast<int32_t>(U32());
            item.Caption = Text();
            item.SubItems.resize(Count(4));
            for (std::string& text : item.SubItems)
                text = Text();
        }
        if (FPos != FBytes.size()) throw EReadError("列表项数据无效");
        return items;
    }

private:
    size_t Left() const { return FBytes.size() - FPos; }

    uint32_t U32() {
        if (Left() < 4) throw EReadError("列表项数据不完整");
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t(static_cast<uint8_t>(FBytes[FPos + size_t(i)])) << (8 * i);
        FPos += 4;
        return v;
    }

    /// A count of entries that take at least EntryBytes each.
    uint32_t Count(size_t EntryBytes) {
        const uint32_t n = U32();
        if (n > Left() / EntryBytes) throw EReadError("列表项数据不完整");
        return n;
    }

    std::string Text() {
        const uint32_t n = Count(1);
        std::string text = FBytes.substr(FPos, n);
        FPos += n;
        return text;
    }

    std::string FBytes;
    size_t FPos = 0;
};

std::string ReadRest(TStream* s) {
    std::string bytes(static_cast<size_t>(std::max<int64_t>(s->Size() - s->Position(), 0)), '\0');
    if (!bytes.empty()) s->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}
} // namespace

void TListItems::DefineProperties(TFiler* Filer) {
    TPersistent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* s) {
            // Parsed whole before the list changes: damaged data leaves the items as they were.
            const std::vector<TItemRecord> records = TItemsParser(ReadRest(s)).Parse();
            TUpdateScope update(this);
            Clear();
            for (const TItemRecord& r : records) {
                TListItem* item = Add();
                item->FCaption = r.Caption;
                item->FImageIndex = r.ImageIndex;
                item->FStateIndex = r.StateIndex;
                for (const std::string& text : r.SubItems)
                    item->FSubItems->Add(text);
            }
        },
        [this](TStream* s) {
            PutU32(s, static_cast<uint32_t>(Count()));
            for (const TListItem* item : FItems) {
                PutU32(s, static_cast<uint32_t>(item->FImageIndex));
                PutU32(s, static_cast<uint32_t>(item->FStateIndex));
                PutText(s, item->FCaption);
                PutU32(s, static_cast<uint32_t>(item->FSubItems->Count()));
                for (int i = 0; i < item->FSubItems->Count(); ++i)
                    PutText(s, item->FSubItems->Strings(i));
            }
        },
        Count() > 0);
}
