#pragma once
// A widget of the application's own, painted with Qt, that stands on the designed form as a
// control of the class TDial.

#include "host/core/Object.h"

/// The class of the dial controls, registered under the name TDial the first time it is asked
/// for: the palette inserts it, and the stream reader makes it again when a form loads.
TClass DialClass();

/// Whether Control's window is a dial widget that the factory made.
bool ShowsDialWidget(TObject* Control);
