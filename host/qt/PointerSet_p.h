#pragma once
// An open-addressed set of pointers, for the registry of live window records. Private to host/.

#include <cstddef>
#include <cstdint>
#include <vector>

/// A set of pointers in one open-addressed table. A lookup is a multiplication and, nearly
/// always, a single probe into contiguous memory; the live window records are looked up
/// this way on every message, where a node-based set cost a cache miss or two each time.
class TPointerSet {
    static_assert(sizeof(uintptr_t) == 8, "the hash multiplies 64-bit addresses");

public:
    bool Contains(const void* p) const {
        if (!p || FCount == 0) return false;
        for (size_t i = Home(p);; i = (i + 1) & Mask()) {
            if (FSlots[i] == p) return true;
            if (!FSlots[i]) return false;
        }
    }

    /// False when the pointer was there already. A null pointer is never held.
    bool Insert(const void* p) {
        if (!p) return false;
        // At most half full, so that runs of occupied slots stay short.
        if ((FCount + 1) * 2 > FSlots.size()) Grow();
        size_t i = Home(p);
        for (; FSlots[i]; i = (i + 1) & Mask())
            if (FSlots[i] == p) return false;
        FSlots[i] = p;
        ++FCount;
        return true;
    }

    /// False when the pointer was not there.
    bool Erase(const void* p) {
        if (!p || FCount == 0) return false;
        size_t i = Home(p);
        for (; FSlots[i] != p; i = (i + 1) & Mask())
            if (!FSlots[i]) return false;
        // Entries after the hole that probed past it move back into it, so that no lookup
        // stops early at the hole; no marker for removed entries is needed.
        for (size_t j = (i + 1) & Mask(); FSlots[j]; j = (j + 1) & Mask()) {
            const size_t home = Home(FSlots[j]);
            // The entry at j may fill the hole at i when its home is not within (i, j].
            const bool reachable = i <= j ? (home <= i || home > j) : (home <= i && home > j);
            if (reachable) {
                FSlots[i] = FSlots[j];
                i = j;
            }
        }
        FSlots[i] = nullptr;
        --FCount;
        return true;
    }

    size_t Size() const { return FCount; }

private:
    size_t Mask() const { return FSlots.size() - 1; }

    /// Fibonacci hashing: the high bits of the product spread aligned addresses evenly.
    size_t Home(const void* p) const {
        return static_cast<size_t>((reinterpret_cast<uintptr_t>(p) * 0x9E3779B97F4A7C15ull) >>
                                   FShift);
    }

    void Grow() {
        std::vector<const void*> old = std::move(FSlots);
        const size_t size = old.empty() ? 64 : old.size() * 2;
        FSlots.assign(size, nullptr);
        FShift = 64;
        for (size_t s = size; s > 1; s >>= 1)
            --FShift;
        FCount = 0;
        for (const void* p : old)
            if (p) Insert(p);
    }

    std::vector<const void*> FSlots;
    size_t FCount = 0;
    unsigned FShift = 64;
};
