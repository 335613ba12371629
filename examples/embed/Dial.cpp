#include "Dial.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "host/controls/WidgetControl.h"
#include "host/qt/QtInterop.h"

namespace {
/// A round dial with a needle at three quarters: the Qt widget a host already has.
class TDialWidget : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(width(), height()) - 4;
        const QRectF face((width() - side) / 2.0, (height() - side) / 2.0, side, side);
        p.setBrush(QColor(250, 245, 230));
        p.setPen(QPen(QColor(90, 90, 90), 2));
        p.drawEllipse(face);
        p.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(face.center(), face.center() + QPointF(side * 0.3, -side * 0.3));
    }
};
} // namespace

//! [widget-class]
TClass DialClass() {
    // The factory makes the widget whenever a TDial control gets its window: when inserted,
    // and again for every control of the class that a loaded form brings.
    static const TClass dial =
        RegisterWidgetClass("TDial", [](QWidget* parent) { return new TDialWidget(parent); });
    return dial;
}
//! [widget-class]

bool ShowsDialWidget(TObject* Control) {
    auto* control = Cast<TWidgetControl>(Control);
    return control && dynamic_cast<TDialWidget*>(ControlWidget(control)) != nullptr;
}
