// The bridge's public header is for host programs, not for the project's own layers.
#include "host/qt/QtInterop.h"
