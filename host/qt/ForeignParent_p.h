#pragma once
// Where a control with no parent control shows its window when a Qt widget of the host holds
// it (TControlWidget in host/qt/QtInterop.h). Private to host/ and free of Qt types, so that
// the control logic can ask.

#include "host/controls/WinApi.h"

class TControl;

/// The window of the Qt widget that holds Control, or null when none holds it.
HWND ForeignParentOf(const TControl* Control);
