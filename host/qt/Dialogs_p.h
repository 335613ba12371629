#pragma once
// The real message box behind ShowMessageBox. Private to host/, and free of Qt types.

#include "host/dialogs/Dialogs.h"

/// Shows the request as a real QMessageBox and answers the mr* value of the button chosen.
TModalResult RunNativeMessageBox(const TMessageBoxRequest& request);
