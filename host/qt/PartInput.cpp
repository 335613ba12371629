// Forwarding a composite window's input to its parts, and children kept on top.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include "host/qt/PartInput_p.h"
#include "host/qt/Window_p.h"

namespace {
/// The deepest visible descendant of w at pos (w's coordinates) that is not a window of its
/// own; w itself when no such child is there.
QWidget* DeepestAt(QWidget* w, QPoint pos) {
    const QObjectList& kids = w->children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        if (!(*it)->isWidgetType()) continue;
        auto* child = static_cast<QWidget*>(*it);
        if (child->isWindow() || child->isHidden() || HwndOf(child)) continue;
        if (child->geometry().contains(pos)) return DeepestAt(child, pos - child->pos());
    }
    return w;
}

bool IsMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

/// Keeps its registered children above their siblings; lives as a child object of the parent.
class TOnTopKeeper : public QObject {
public:
    static constexpr const char* Name = "zkOnTopKeeper";
    explicit TOnTopKeeper(QWidget* parent) : QObject(parent), FParent(parent) {
        setObjectName(Name);
        parent->installEventFilter(this);
        for (QObject* o : parent->children())
            if (o->isWidgetType()) o->installEventFilter(this);
    }
    void Add(QWidget* w) {
        FTop.push_back(w);
        Raise();
    }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (obj == FParent && e->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(e)->child();
            if (child->isWidgetType()) {
                child->installEventFilter(this);
                Raise();
            }
        } else if (obj != FParent && e->type() == QEvent::ZOrderChange) {
            // A child that moved to another parent is no longer this keeper's concern.
            if (obj->parent() == FParent)
                Raise();
            else
                obj->removeEventFilter(this);
        }
        return false;
    }

private:
    void Raise() {
        if (FRaising) return;
        FRaising = true;
        for (const QPointer<QWidget>& w : FTop)
            if (w) w->raise();
        FRaising = false;
    }
    QWidget* FParent;
    std::vector<QPointer<QWidget>> FTop;
    bool FRaising = false;
};

/// Out of Qt's mouse picking; an event a part leaves unaccepted must not travel up to the
/// window, whose events are the bridge's: it would arrive as a second message.
void Unpick(QWidget* part) {
    part->setAttribute(Qt::WA_TransparentForMouseEvents);
    part->setAttribute(Qt::WA_NoMousePropagation);
}
} // namespace

void TPartInput::MakePart(QWidget* part) {
    Unpick(part);
    part->setFocusPolicy(Qt::NoFocus);
}

void TPartInput::Seal() {
    for (QWidget* w : FWindow->findChildren<QWidget*>()) {
        if (w->window() != FWindow->window() || HwndOf(w)) continue;
        Unpick(w);
    }
}

QWidget* TPartInput::PartAt(QPoint pos) const {
    QWidget* w = DeepestAt(FWindow, pos);
    return w == FWindow ? nullptr : w;
}

bool TPartInput::Forward(QEvent* e) {
    if (e->type() == QEvent::Wheel) {
        auto* we = static_cast<QWheelEvent*>(e);
        QWidget* target = PartAt(we->position().toPoint());
        if (!target) return false;
        QWheelEvent mapped(target->mapFrom(FWindow, we->position()), we->globalPosition(),
                           we->pixelDelta(), we->angleDelta(), we->buttons(), we->modifiers(),
                           we->phase(), we->inverted(), we->source(), we->pointingDevice());
        mapped.setTimestamp(we->timestamp());
        QCoreApplication::sendEvent(target, &mapped);
        e->setAccepted(mapped.isAccepted());
        return true;
    }
    if (!IsMouse(e->type())) return false;
    auto* me = static_cast<QMouseEvent*>(e);
    const QPointF pos = me->position();
    const bool press =
        e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
    if (press && (!FGrab || me->buttons() == me->button())) FGrab = PartAt(pos.toPoint());
    QWidget* target = FGrab ? FGrab.data() : PartAt(pos.toPoint());
    if (e->type() == QEvent::MouseButtonRelease && me->buttons() == Qt::NoButton) FGrab = nullptr;
    if (!target) return false;
    QMouseEvent mapped(e->type(), target->mapFrom(FWindow, pos), me->scenePosition(),
                       me->globalPosition(), me->button(), me->buttons(), me->modifiers(),
                       me->pointingDevice());
    mapped.setTimestamp(me->timestamp());
    QCoreApplication::sendEvent(target, &mapped);
    e->setAccepted(mapped.isAccepted());
    return true;
}

void KeepOnTop(QWidget* child) {
    QWidget* parent = child->parentWidget();
    if (!parent) return;
    // Found by name: the keeper has no meta-object of its own for a typed search.
    auto* keeper = static_cast<TOnTopKeeper*>(
        parent->findChild<QObject*>(TOnTopKeeper::Name, Qt::FindDirectChildrenOnly));
    if (!keeper) keeper = new TOnTopKeeper(parent);
    keeper->Add(child);
}
