#pragma once
// A right header: standard library and installed headers only.
#include <string>
#include "host/core/Bridged.h"
