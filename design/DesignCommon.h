#pragma once
// The designer's public headers: the designer component, its overlays, selection list,
// history and the geometry they share.

#include "design/AlignGeometry.h"
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignTypes.h"
#include "design/FormDesigner.h"
#include "design/HandleGeometry.h"
#include "design/OperateHistory.h"
#include "design/SelectionRect.h"
