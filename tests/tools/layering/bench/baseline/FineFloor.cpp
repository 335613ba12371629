#include <QWidget>
#include "host/controls/Controls.h"
