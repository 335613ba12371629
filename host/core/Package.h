#pragma once
// Packages: shared libraries of components loaded at run time, and the units inside them,
// each started by the first load of its package and ended by the last unload.

#include <cstddef>
#include <string>
#include <vector>

#include "host/core/SysUtils.h"

class EPackageError : public Exception {
public:
    using Exception::Exception;
};

/// A loaded package; null is no package.
using HMODULE = void*;

/// Opens the shared library FileName and runs its ZkPackageInitialize export when it has one.
/// A package loaded again is the same module: the loader counts the loads. EPackageError when
/// the library cannot be opened.
HMODULE LoadPackage(const std::string& FileName);
/// Runs Module's ZkPackageFinalize export when it has one, then closes one load of it.
void UnloadPackage(HMODULE Module);
/// Whether a LoadPackage is opening a library now: a package's static start-up, which also runs
/// when the package is linked into the program, leaves the counting to LoadPackage then.
bool IsPackageLoading();
/// The address of Module's export Name, or null.
void* GetProcAddress(HMODULE Module, const std::string& Name);

/// One unit of a package. Its start-up runs when the count goes from 0 to 1, its shut-down when
/// it comes back to 0, so that each runs once however often the package is loaded.
struct TPackageUnit {
    const char* Name;
    void (*Startup)();
    void (*Shutdown)();
    int Count = 0;
};

/// Counts one load of every unit, in order, starting those loaded for the first time.
void StartUnits(TPackageUnit* Units, size_t Count);
/// Counts one unload of every unit, in reverse order, ending those unloaded for the last time.
void EndUnits(TPackageUnit* Units, size_t Count);
/// What units started and ended in this process, in order: "+Name" for a start-up, "-Name"
/// for a shut-down.
const std::vector<std::string>& UnitLog();
