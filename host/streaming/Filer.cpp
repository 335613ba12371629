// TFiler, and the registries that streams consult: integer constants and global roots.

#include "host/streaming/Filer.h"

#include <map>
#include <mutex>
#include <utility>

#include "host/core/Stream.h"

ZK_IMPLEMENT_CLASS(TFiler, TObject, nullptr)

TFiler::TFiler(TStream* Stream, int BufSize)
    : FStream(Stream), FBuffer(static_cast<size_t>(BufSize > 16 ? BufSize : 16)) {
    if (!Stream) throw EFilerError("读写器需要一个流");
}

TFiler::~TFiler() = default;

// ---- Integer constants --------------------------------------------------------------------

namespace {
struct IntConsts {
    TIdentToInt IdentToInt;
    TIntToIdent IntToIdent;
};
std::mutex& RegistryMutex() {
    static std::mutex m;
    return m;
}
std::map<const TTypeInfo*, IntConsts>& IntConstRegistry() {
    static std::map<const TTypeInfo*, IntConsts> r;
    return r;
}
std::vector<std::pair<void*, TFindGlobalComponent>>& GlobalFinders() {
    // Never destroyed: finders are unregistered by globals that may go at exit, after
    // function-local statics made later than their cleanup was registered.
    static auto* r = new std::vector<std::pair<void*, TFindGlobalComponent>>;
    return *r;
}
} // namespace

void RegisterIntegerConsts(const TTypeInfo* IntegerType, TIdentToInt IdentToInt,
                           TIntToIdent IntToIdent) {
    std::lock_guard lock(RegistryMutex());
    IntConstRegistry()[IntegerType] = {std::move(IdentToInt), std::move(IntToIdent)};
}

void UnregisterIntegerConsts(const TTypeInfo* IntegerType) {
    std::lock_guard lock(RegistryMutex());
    IntConstRegistry().erase(IntegerType);
}

TIdentToInt FindIdentToInt(const TTypeInfo* IntegerType) {
    std::lock_guard lock(RegistryMutex());
    auto it = IntConstRegistry().find(IntegerType);
    return it == IntConstRegistry().end() ? TIdentToInt() : it->second.IdentToInt;
}

TIntToIdent FindIntToIdent(const TTypeInfo* IntegerType) {
    std::lock_guard lock(RegistryMutex());
    auto it = IntConstRegistry().find(IntegerType);
    return it == IntConstRegistry().end() ? TIntToIdent() : it->second.IntToIdent;
}

// ---- Global roots -------------------------------------------------------------------------

void RegisterFindGlobalComponentProc(void* Key, TFindGlobalComponent Proc) {
    std::lock_guard lock(RegistryMutex());
    GlobalFinders().emplace_back(Key, std::move(Proc));
}

void UnregisterFindGlobalComponentProc(void* Key) {
    std::lock_guard lock(RegistryMutex());
    auto& list = GlobalFinders();
    std::erase_if(list, [Key](const auto& entry) { return entry.first == Key; });
}

TComponent* FindGlobalComponent(const std::string& Name) {
    std::vector<TFindGlobalComponent> finders;
    {
        std::lock_guard lock(RegistryMutex());
        for (auto& entry : GlobalFinders())
            finders.push_back(entry.second);
    }
    for (auto& find : finders)
        if (TComponent* c = find(Name)) return c;
    return nullptr;
}
