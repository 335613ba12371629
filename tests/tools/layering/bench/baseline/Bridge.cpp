#include <QWidget>
#include "host/qt/Window_p.h"
