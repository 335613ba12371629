#include "host/core/Package.h"

#include <dlfcn.h>

namespace {
std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

bool gLoading = false;

void RunExport(HMODULE Module, const char* Name) {
    if (auto* proc = reinterpret_cast<void (*)()>(GetProcAddress(Module, Name))) proc();
}
} // namespace

HMODULE LoadPackage(const std::string& FileName) {
    gLoading = true;
    HMODULE module = dlopen(FileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    gLoading = false;
    if (!module) {
        const char* why = dlerror();
        throw EPackageError("不能载入包 " + FileName +
                            (why ? std::string(": ") + why : ""));
    }
    try {
        RunExport(module, "ZkPackageInitialize");
    } catch (...) {
        dlclose(module);
        throw;
    }
    return module;
}

void UnloadPackage(HMODULE Module) {
    if (!Module) return;
    RunExport(Module, "ZkPackageFinalize");
    dlclose(Module);
}

bool IsPackageLoading() {
    return gLoading;
}

void* GetProcAddress(HMODULE Module, const std::string& Name) {
    return Module ? dlsym(Module, Name.c_str()) : nullptr;
}

void StartUnits(TPackageUnit* Units, size_t Count) {
    for (size_t i = 0; i < Count; ++i) {
        TPackageUnit& unit = Units[i];
        if (unit.Count++ > 0) continue;
        if (unit.Startup) unit.Startup();
        Log().push_back(std::string("+") + unit.Name);
    }
}

void EndUnits(TPackageUnit* Units, size_t Count) {
    for (size_t i = Count; i-- > 0;) {
        TPackageUnit& unit = Units[i];
        if (unit.Count == 0 || --unit.Count > 0) continue;
        if (unit.Shutdown) unit.Shutdown();
        Log().push_back(std::string("-") + unit.Name);
    }
}

const std::vector<std::string>& UnitLog() {
    return Log();
}
