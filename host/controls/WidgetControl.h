#pragma once
// TWidgetControl: a control whose window is a widget of the host application's own.

#include "host/controls/Controls.h"

/// A windowed control whose window is a host's own Qt widget, made by the factory the host
/// registered under the control's class name (RegisterWidgetClass, host/qt/QtInterop.h). Each
/// registered name is a class of its own: the palette offers it, the stream writes the name
/// with the control's name and bounds, and reading the stream makes the control of that class
/// again, whose window the factory makes anew.
class TWidgetControl : public TWinControl {
public:
    using inherited = TWinControl;
    static TClass StaticClass();
    TClass ClassType() const override { return FClass; }

    explicit TWidgetControl(TComponent* AOwner);
    /// A control of a class that RegisterWidgetClass made.
    TWidgetControl(TComponent* AOwner, TClass AClass);

private:
    TClass FClass;
};
