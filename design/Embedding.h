#pragma once
// The one header a host includes for the common case: the application and its forms, every
// stock control, the common dialogs and message boxes, the designer and the object inspector.
// Less common needs have headers of their own (docs/embedding.md lists them).

#include "design/DesignCommon.h"
#include "design/Registration.h"
#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/comctrls/ListView.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/controls/Forms.h"
#include "host/controls/WidgetControl.h"
#include "host/core/Stream.h"
#include "host/core/SysUtils.h"
#include "host/dialogs/Dialogs.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/grids/Grids.h"
#include "host/menus/Menus.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"
