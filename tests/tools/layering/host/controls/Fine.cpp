#include "host/core/Object.h"
#include "host/menus/Menus.h"
#include "host/qt/Window_p.h"
