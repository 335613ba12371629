// The package's units, started in the order popup list, inspector, designer and ended in the
// reverse order, each once per process however often the package is loaded.

#include <iterator>

#include "design/DrawingResources.h"
#include "design/FormDesigner.h"
#include "design/PaletteGlyph.h"
#include "host/core/Package.h"
#include "host/core/Resources.h"

namespace {
const char* const GlyphName = "TZKFORMDESIGNER";

void StartDesignCommon() {
    // A form saved with its designer names the designer's class in the stream.
    RegisterClass(TZkFormDesigner::StaticClass());
    RegisterResource(GlyphName, DesignerPaletteGlyph());
}

void EndDesignCommon() {
    DesignResources::Shutdown();
    UnRegisterResource(GlyphName);
    UnRegisterClass(TZkFormDesigner::StaticClass());
}

// The popup list and the inspector hold no process-wide state that needs making or freeing:
// their units only count.
TPackageUnit Units[] = {
    {"ZkPopupList", nullptr, nullptr},
    {"ObjectInsp", nullptr, nullptr},
    {"DesignCommon", &StartDesignCommon, &EndDesignCommon},
};
} // namespace

/// Run by the framework's LoadPackage and UnloadPackage for each load of the library.
extern "C" __attribute__((visibility("default"))) void ZkPackageInitialize() {
    StartUnits(Units, std::size(Units));
}

extern "C" __attribute__((visibility("default"))) void ZkPackageFinalize() {
    EndUnits(Units, std::size(Units));
}

namespace {
/// The load that linking the package into a program makes, counted when the library comes in
/// with the program. It is never uncounted: such a package goes only with the process, whose
/// end takes the framework's objects down in an order the units' shut-down cannot rely on. A
/// library opened by LoadPackage is counted by LoadPackage instead, since it may stay
/// resident after its last UnloadPackage.
struct TLinkedLoad {
    TLinkedLoad() {
        if (!IsPackageLoading()) ZkPackageInitialize();
    }
} linkedLoad;
} // namespace
