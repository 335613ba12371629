// TWidgetControl: the framework's side of a control that a host's widget shows.

#include "host/controls/WidgetControl.h"

ZK_IMPLEMENT_CLASS(TWidgetControl, TWinControl, nullptr)

TWidgetControl::TWidgetControl(TComponent* AOwner) : TWidgetControl(AOwner, StaticClass()) {}

TWidgetControl::TWidgetControl(TComponent* AOwner, TClass AClass)
    : TWinControl(AOwner), FClass(AClass) {
    // The widget shows what it shows: no caption taken from the name.
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
    FWidth = 100;
    FHeight = 60;
}
