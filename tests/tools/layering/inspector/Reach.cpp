#include "design/FormDesigner.h"
