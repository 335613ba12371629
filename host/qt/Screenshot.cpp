#include "host/controls/Screenshot.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "host/controls/Controls.h"
#include "host/qt/Window_p.h"

bool SaveWindowImage(TWinControl* control, const std::string& fileName) {
    QWidget* widget = WidgetOf(control->Handle());
    if (!widget) return false;
    // grab() paints the window through its normal paint path, so hooks that draw after
    // the window's own painting (the designer's grid) are in the picture as on the screen.
    return widget->grab().save(QString::fromStdString(fileName));
}
