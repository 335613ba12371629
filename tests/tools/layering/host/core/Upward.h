#pragma once
#include "host/controls/Controls.h"
