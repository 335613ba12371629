// Graphics in component streams: colour names for TColor values, pictures as Picture.Data.

#include "Filer.h"
#include "Graphics.h"

namespace {
// Colour properties store well-known colours by name (clRed), as streams written by other
// implementations do, and read either form.
const bool ColorNamesRegistered =
    (RegisterIntegerConsts(TypeInfos::TColor(), IdentToColor, ColorToIdent), true);
} // namespace

void TPicture::DefineProperties(TFiler* Filer) {
    TPersistent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); },
        Graphic() != nullptr);
}
