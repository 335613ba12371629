// The window system's modal move and size loop, started by WM_NCLBUTTONDOWN's default handling.

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>

#include <vector>

#include "host/controls/Forms.h"
#include "host/qt/SizeMoveLoop_p.h"
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
    TSizeMoveFilter(HWND wnd, int hitTest, const TPoint* from, QEventLoop& loop)
        : FWnd(wnd), FHitTest(hitTest), FLoop(loop) {
        if (from)
            FStartPos = *from;
        else
            GetCursorPos(FStartPos);
        FStart = CurrentBounds();
    }

    bool eventFilter(QObject* obj, QEvent* e) override {
        // Mouse input reaches the top-level window first: Qt routes it to a widget from there,
        // and keeps its own account of the pressed button and of the widget under the mouse
        // (which picks the cursor shown) only if it sees it. The loop takes it at the widget.
        if (obj->isWindowType() && IsMouse(e->type())) return false;
        // Input that arrives after the loop ended (Esc, then the release, before the loop
        // returns) is the loop's still, and changes nothing any more.
        if (FDone) return IsMouse(e->type()) || IsKey(e->type());
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
                Quit();
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
                Quit();
            }
            return true;
        default:
            return false;
        }
    }

    void Quit() {
        FDone = true;
        FLoop.quit();
    }
    HWND Window() const { return FWnd; }

private:
    static bool IsMouse(QEvent::Type t) {
        return t == QEvent::MouseMove || t == QEvent::MouseButtonPress ||
               t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick ||
               t == QEvent::Wheel;
    }
    static bool IsKey(QEvent::Type t) {
        return t == QEvent::KeyPress || t == QEvent::KeyRelease || t == QEvent::ShortcutOverride;
    }


    TRect CurrentBounds() const {
        if (TWinControl* c = FindControl(FWnd)) return c->BoundsRect();
        QWidget* w = WidgetOf(FWnd);
        return w ? Bounds(w->x(), w->y(), w->width(), w->height()) : TRect{};
    }

    void Follow(QPoint g) {
        TRect r = DraggedBounds(FStart, FHitTest, g.x() - FStartPos.X, g.y() - FStartPos.Y);
        // The window may adjust the proposed place (a designer snaps it to a grid).
        if (FHitTest == HTCAPTION)
            DeliverMessage(FWnd, WM_MOVING, 0, reinterpret_cast<intptr_t>(&r));
        else
            DeliverMessage(FWnd, WM_SIZING, FHitTest - HTLEFT + WMSZ_LEFT,
                           reinterpret_cast<intptr_t>(&r));
        if (!IsWindow(FWnd)) {
            Quit();
            return;
        }
        Apply(KeepFixedEdges(r));
    }

    /// A size the window changes (its minimum, say) is taken from the dragged edges: the
    /// edges opposite them stay where the drag found them.
    TRect KeepFixedEdges(TRect r) const {
        TWinControl* c = FHitTest == HTCAPTION ? nullptr : FindControl(FWnd);
        if (!c) return r;
        int width = r.Width(), height = r.Height();
        if (!c->CanResize(width, height)) return c->BoundsRect();
        const bool left = FHitTest == HTLEFT || FHitTest == HTTOPLEFT || FHitTest == HTBOTTOMLEFT;
        const bool top = FHitTest == HTTOP || FHitTest == HTTOPLEFT || FHitTest == HTTOPRIGHT;
        if (left) r.Left = r.Right - width;
        r.Right = r.Left + width;
        if (top) r.Top = r.Bottom - height;
        r.Bottom = r.Top + height;
        return r;
    }

    void Apply(const TRect& r) {
        if (!IsWindow(FWnd)) {
            Quit();
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
    bool FDone = false;
};
/// The loop that runs now, innermost first; a loop's window can end it by losing the capture.
std::vector<TSizeMoveFilter*> g_loops;
} // namespace

void EndSizeMoveLoopOf(HWND wnd) {
    for (TSizeMoveFilter* loop : g_loops)
        if (loop->Window() == wnd) loop->Quit();
}

void RunSizeMoveLoop(HWND wnd, int hitTest) {
    RunSizeMoveLoopFrom(wnd, hitTest, 0);
}

void RunSizeMoveLoopFrom(HWND wnd, int hitTest, intptr_t from) {
    if (!qApp || !IsWindow(wnd)) return;
    SetCapture(wnd);
    DeliverMessage(wnd, WM_ENTERSIZEMOVE, 0, 0);
    QEventLoop loop;
    const TPoint start = PointFromLParam(from);
    TSizeMoveFilter filter(wnd, hitTest, from ? &start : nullptr, loop);
    QPointer<QWidget> widget = WidgetOf(wnd);
    QObject::connect(widget, &QObject::destroyed, &loop, &QEventLoop::quit);
    qApp->installEventFilter(&filter);
    g_loops.push_back(&filter);
    loop.exec();
    g_loops.pop_back();
    qApp->removeEventFilter(&filter);
    if (!IsWindow(wnd)) return;
    if (GetCapture() == wnd) ReleaseCapture();
    DeliverMessage(wnd, WM_EXITSIZEMOVE, 0, 0);
}
