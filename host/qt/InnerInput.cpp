// TInnerInput: the mouse input of a compound widget reaches its inner widgets only after the
// control's window procedure had it.

#include <QMouseEvent>
#include <QWheelEvent>

#include "host/qt/StdWidgets_p.h"
#include "host/qt/Window_p.h"

TInnerInput::TInnerInput(QWidget* outer, Deliver deliver)
    : FOuter(outer), FDeliver(std::move(deliver)) {}

void TInnerInput::Seal() {
    for (QWidget* w : FOuter->findChildren<QWidget*>()) {
        // Popups of the widget (a combo box's list) are windows of their own, with input of
        // their own, as the window system's drop-down lists are.
        if (w->window() != FOuter->window() || HwndOf(w)) continue;
        w->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    }
}

QWidget* TInnerInput::InnerAt(QPoint pos) const {
    QWidget* found = nullptr;
    QWidget* parent = FOuter;
    QPoint p = pos;
    for (;;) {
        QWidget* hit = nullptr;
        const QObjectList& kids = parent->children();
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            if (!(*it)->isWidgetType()) continue;
            auto* w = static_cast<QWidget*>(*it);
            if (w->isWindow() || !w->isVisible() || HwndOf(w)) continue;
            if (w->geometry().contains(p)) {
                hit = w;
                break;
            }
        }
        if (!hit) return found;
        found = hit;
        p -= hit->pos();
        parent = hit;
    }
}

bool TInnerInput::Route(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        const bool press = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonDblClick;
        // The inner widget that took the press keeps the mouse until the last button is up,
        // as Qt's own implicit grab would.
        QWidget* target = nullptr;
        if (!press && FGrab &&
            (me->buttons() != Qt::NoButton || event->type() == QEvent::MouseButtonRelease))
            target = FGrab;
        else
            target = InnerAt(me->position().toPoint());
        if (press) FGrab = target;
        if (event->type() == QEvent::MouseButtonRelease && me->buttons() == Qt::NoButton)
            FGrab = nullptr;
        if (!target) return false;
        QMouseEvent mapped(event->type(), target->mapFrom(FOuter, me->position()),
                           me->scenePosition(), me->globalPosition(), me->button(), me->buttons(),
                           me->modifiers(), me->pointingDevice());
        mapped.setTimestamp(me->timestamp());
        event->setAccepted(FDeliver(target, &mapped));
        return true;
    }
    case QEvent::Wheel: {
        auto* we = static_cast<QWheelEvent*>(event);
        QWidget* target = InnerAt(we->position().toPoint());
        if (!target) return false;
        QWheelEvent mapped(target->mapFrom(FOuter, we->position()), we->globalPosition(),
                           we->pixelDelta(), we->angleDelta(), we->buttons(), we->modifiers(),
                           we->phase(), we->inverted(), we->source(), we->pointingDevice());
        mapped.setTimestamp(we->timestamp());
        event->setAccepted(FDeliver(target, &mapped));
        return true;
    }
    default:
        return false;
    }
}
