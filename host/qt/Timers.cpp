// Window timers: a QTimer per window and id, a child of the window's widget so that it ends
// with the window, delivering WM_TIMER through the window procedure.

#include <QTimer>

#include "host/controls/Messages.h"
#include "host/qt/Window_p.h"

namespace {
/// A live timer is named after its id; a killed one loses its name until it is deleted.
QString TimerName(uintptr_t id) {
    return QStringLiteral("zkTimer:") + QString::number(static_cast<qulonglong>(id));
}

QTimer* FindTimer(QWidget* w, uintptr_t id) {
    return w->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
}
} // namespace

bool SetTimer(HWND wnd, uintptr_t id, unsigned elapse) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    QTimer* timer = FindTimer(w, id);
    if (!timer) {
        timer = new QTimer(w);
        timer->setObjectName(TimerName(id));
        QObject::connect(timer, &QTimer::timeout, w, [wnd, id] {
            if (IsWindow(wnd)) DeliverMessage(wnd, WM_TIMER, static_cast<intptr_t>(id), 0);
        });
    }
    timer->start(static_cast<int>(std::max(elapse, 1u)));
    return true;
}

bool KillTimer(HWND wnd, uintptr_t id) {
    QWidget* w = WidgetOf(wnd);
    QTimer* timer = w ? FindTimer(w, id) : nullptr;
    if (!timer) return false;
    // Killed from its own WM_TIMER, the timer is still emitting: it goes once that is over.
    timer->stop();
    timer->setObjectName(QString());
    timer->deleteLater();
    return true;
}
