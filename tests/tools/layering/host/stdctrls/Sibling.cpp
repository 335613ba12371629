#include "host/controls/Controls.h"
#include "host/grids/Grids.h"
