#pragma once
// Includes Qt and a header that was not installed.
#include <QtCore/QString>
#include "design/DrawingResources.h"
#include "host/core/Fine.h"
