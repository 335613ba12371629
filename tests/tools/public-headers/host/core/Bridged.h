#pragma once
// Reaches into the Qt bridge.
#include "host/qt/Window_p.h"
#include "host/core/Fine.h"
