// The window system's modal move and size loop, started by WM_NCLBUTTONDOWN's default handling.

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>

#include "host/controls/Forms.h"
#include "host/qt/Window_p.h"

namespace {
/// The bounds after dragging by (dx, dy) the part of start that hitTest names; an edge
/// never passes the opposite one.
TRect DraggedBounds(const TRect& start, int hitTest, int dx, int dy) {
    TRect r = start;
    if (hitTest == HTCAPTION) {
        OffsetRect(r, dx, dy);
        return r;
    }
    const bool left = hitTest == HTLEFT || hitTest == HTTOPLEFT || hitTest == HTBOTTOMLEFT;
    const bool right = hitTest == HTRIGHT || hitTest == HTTOPRIGHT || hitTest == HTBOTTOMRIGHT;
    const bool top = hitTest == HTTOP || hitTest == HTTOPLEFT || hitTest == HTTOPRIGHT;
    const bool bottom = hitTest == HTBOTTOM || hitTest == HTBOTTOMLEFT || hitTest == HTBOTTOMRIGHT;
    if (left) r.Left = std::min(start.Left + dx, start.Right);
    if (right) r.Right = std::max(start.Right + dx, start.Left);
    if (top) r.Top = std::min(start.Top + dy, start.Bottom);
    if (bottom) r.Bottom = std::max(start.Bottom + dy, start.Top);
    return r;
}

/// Takes every mouse and key event while the loop runs, so that nothing else sees the drag.
class TSizeMoveFilter : public QObject {
public:
    TSizeMoveFilter(HWND wnd, int hitTest, QEventLoop& loop)
        : FWnd(wnd), FHitTest(hitTest), FLoop(loop) {
        GetCursorPos(FStartPos);
        FStart = CurrentBounds();
    }

    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(e);
            QPoint g = ClampToClip(me->globalPosition().toPoint());
            RecordInput(g, me->buttons(), me->modifiers());
            Follow(g);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(e);
            QPoint g = ClampToClip(me->globalPosition().toPoint());
            RecordInput(g, me->buttons(), me->modifiers());
            if (me->button() == Qt::LeftButton) {
                Follow(g);
                FLoop.quit();
            }
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            return true;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                Apply(FStart);
                FLoop.quit();
            }
            return true;
        default:
            return false;
        }
    }

private:
    TRect CurrentBounds() const {
        if (TWinControl* c = FindControl(FWnd)) return c->BoundsRect();
        QWidget* w = WidgetOf(FWnd);
        return w ? Bounds(w->x(), w->y(), w->width(), w->height()) : TRect{};
    }

    void Follow(QPoint g) {
        Apply(DraggedBounds(FStart, FHitTest, g.x() - FStartPos.X, g.y() - FStartPos.Y));
    }

    void Apply(const TRect& r) {
        if (!IsWindow(FWnd)) {
            FLoop.quit();
            return;
        }
        try {
            if (TWinControl* c = FindControl(FWnd))
                c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
            else
                SetWindowPos(FWnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER);
        } catch (...) {
            Application->HandleException(FindControl(FWnd));
        }
    }

    HWND FWnd;
    int FHitTest;
    QEventLoop& FLoop;
    TPoint FStartPos;
    TRect FStart;
};
} // namespace

void RunSizeMoveLoop(HWND wnd, int hitTest) {
    if (!qApp || !IsWindow(wnd)) return;
    SetCapture(wnd);
    DeliverMessage(wnd, WM_ENTERSIZEMOVE, 0, 0);
    QEventLoop loop;
    TSizeMoveFilter filter(wnd, hitTest, loop);
    QPointer<QWidget> widget = WidgetOf(wnd);
    QObject::connect(widget, &QObject::destroyed, &loop, &QEventLoop::quit);
    qApp->installEventFilter(&filter);
    loop.exec();
    qApp->removeEventFilter(&filter);
    if (!IsWindow(wnd)) return;
    if (GetCapture() == wnd) ReleaseCapture();
    DeliverMessage(wnd, WM_EXITSIZEMOVE, 0, 0);
}
