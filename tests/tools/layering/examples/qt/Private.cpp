// Even a host program does not reach the bridge's private headers.
#include "host/qt/Window_p.h"
