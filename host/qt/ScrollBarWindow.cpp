// Scroll bar controls on QScrollBar: the platform's scroll requests from Qt's slider actions.

#include <QApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include "host/qt/PartInput_p.h"
#include "host/qt/ScrollBarWindow_p.h"
#include "host/qt/Window_p.h"

namespace {
/// Sends the bar's parent the scroll request; exceptions go to the error report, since the
/// request may come from the bar's auto-repeat timer rather than from a message.
void Request(QScrollBar* bar, int code, int pos) {
    HWND self = HwndOf(bar);
    HWND parent = GetParent(self);
    if (!parent) return;
    const uint32_t msg = bar->orientation() == Qt::Vertical ? WM_VSCROLL : WM_HSCROLL;
    DeliverMessage(parent, msg, MakeLong(code, pos), reinterpret_cast<intptr_t>(self));
}

int CodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    default:
        return -1;
    }
}
} // namespace

HWND CreateScrollBarWindow(HWND parent, bool vertical) {
    QWidget* host = WidgetOf(parent);
    if (!host) return nullptr;
    auto* bar = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, host);
    bar->hide();
    bar->setRange(0, 0);
    // The parent decides every position: a step asks it, and what it answers (through
    // SetScrollBarInfo, inside this signal) is where Qt's own step ends.
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
        const int code = CodeOf(action);
        if (code >= 0) Request(bar, code, bar->sliderPosition());
    });
    QObject::connect(bar, &QAbstractSlider::sliderMoved, bar,
                     [bar](int pos) { Request(bar, SB_THUMBTRACK, pos); });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [bar] {
        Request(bar, SB_THUMBPOSITION, bar->sliderPosition());
        Request(bar, SB_ENDSCROLL, bar->sliderPosition());
    });
    HWND wnd = AdoptWidget(bar);
    KeepOnTop(bar);
    return wnd;
}

void SetScrollBarInfo(HWND bar, const TScrollBarInfo& info) {
    auto* w = qobject_cast<QScrollBar*>(WidgetOf(bar));
    if (!w) return;
    const QSignalBlocker quiet(w);
    w->setRange(0, std::max(info.Max, 0));
    w->setPageStep(std::max(info.Page, 1));
    w->setSingleStep(std::max(info.Line, 1));
    w->setTracking(info.Tracking);
    // While the thumb is dragged without tracking, it stays under the mouse.
    if (w->isSliderDown() && !info.Tracking) return;
    w->setSliderPosition(info.Pos);
    w->setValue(info.Pos);
}

int ScrollBarExtent() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}
