// A host program is a Qt application: Qt and the bridge's one public header are allowed.
#include <QMainWindow>
#include "host/qt/QtInterop.h"
