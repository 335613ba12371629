#include "design/Registration.h"

#include "design/FormDesigner.h"
#include "host/core/ComponentPalette.h"

void Register() {
    RegisterComponents(DesignerPalettePage, {TZkFormDesigner::StaticClass()});
}
