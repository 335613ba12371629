// Window state, coordinates, painting requests and focus, on the widgets behind the handles.

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QWidget>

#include "host/controls/Controls.h"
#include "host/qt/Gdi_p.h"
#include "host/qt/Window_p.h"

namespace {
QPoint Q(TPoint p) {
    return {p.X, p.Y};
}
TPoint T(QPoint p) {
    return {p.x(), p.y()};
}
} // namespace

void ApplyWindowGeometry(HWND wnd, const QRect& rect) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec || !rec->Widget) return;
    QRect r(rect.topLeft(), QSize(std::max(rect.width(), 0), std::max(rect.height(), 0)));
    if (rec->Widget->geometry() == r) return;
    ++rec->ApplyingGeometry;
    rec->Widget->setGeometry(r);
    --rec->ApplyingGeometry;
}

// ---- Visibility and state ---------------------------------------------------------------------

bool ShowWindow(HWND wnd, int cmdShow) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    bool wasVisible = !w->isHidden();
    switch (cmdShow) {
    case SW_HIDE:
        w->hide();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        w->showMinimized();
        break;
    case SW_SHOWMAXIMIZED:
        w->showMaximized();
        break;
    case SW_RESTORE:
        w->showNormal();
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        w->setAttribute(Qt::WA_ShowWithoutActivating, true);
        w->show();
        w->setAttribute(Qt::WA_ShowWithoutActivating, false);
        break;
    default:
        w->show();
        break;
    }
    if (TWindowRec* rec = RecOf(wnd)) {
        if (w->isHidden())
            rec->Style &= ~WS_VISIBLE;
        else
            rec->Style |= WS_VISIBLE;
    }
    return wasVisible;
}

bool IsWindowVisible(HWND wnd) {
    QWidget* w = WidgetOf(wnd);
    return w && w->isVisible();
}

bool EnableWindow(HWND wnd, bool enable) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    bool wasDisabled = !w->isEnabled();
    if (w->isEnabledTo(w->parentWidget()) != enable) {
        w->setEnabled(enable);
        SendMessage(wnd, WM_ENABLE, enable ? 1 : 0, 0);
    }
    return wasDisabled;
}

bool IsWindowEnabled(HWND wnd) {
    QWidget* w = WidgetOf(wnd);
    return w && w->isEnabled();
}

bool SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, uint32_t flags) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec || !rec->Widget) return false;
    QWidget* w = rec->Widget;
    // The offscreen platform cannot restack top-level windows and says so on every try.
    const bool stackable = !w->isWindow() || QGuiApplication::platformName() != "offscreen";
    if (!(flags & SWP_NOZORDER) && stackable) {
        if (insertAfter == HWND_TOP)
            w->raise();
        else if (insertAfter == HWND_BOTTOM)
            w->lower();
        else if (QWidget* above = WidgetOf(insertAfter))
            w->stackUnder(above);
    }
    QRect old = w->geometry();
    QRect g = old;
    if (!(flags & SWP_NOMOVE)) g.moveTo(x, y);
    if (!(flags & SWP_NOSIZE)) g.setSize(QSize(std::max(cx, 0), std::max(cy, 0)));
    ApplyWindowGeometry(wnd, g);
    if (flags & SWP_SHOWWINDOW) ShowWindow(wnd, SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(wnd, SW_HIDE);
    if (g != old) {
        uint32_t f = flags | SWP_NOZORDER;
        if (g.topLeft() == old.topLeft()) f |= SWP_NOMOVE;
        if (g.size() == old.size()) f |= SWP_NOSIZE;
        TWindowPos pos{wnd, insertAfter, g.x(), g.y(), g.width(), g.height(), f};
        SendMessage(wnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<intptr_t>(&pos));
    }
    return true;
}

bool MoveWindow(HWND wnd, int x, int y, int width, int height, bool repaint) {
    return SetWindowPos(wnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | (repaint ? 0 : SWP_NOREDRAW));
}

HWND SetParent(HWND child, HWND newParent) {
    TWindowRec* rec = RecOf(child);
    if (!rec || !rec->Widget) return nullptr;
    QWidget* w = rec->Widget;
    HWND old = GetParent(child);
    QWidget* np = WidgetOf(newParent);
    // Already a child of that window: nothing moves. Qt would take the widget out and put it
    // back, hiding it and everything inside it and resolving their palettes again.
    if (np && !w->isWindow() && w->parentWidget() == np) return old;
    const bool shown = !w->isHidden();
    const QRect g = w->geometry();
    // The window it leaves keeps no focus inside it: Qt remembers each window's focused
    // widget and would go on pointing at this one after it moved, or was freed elsewhere.
    if (QWidget* top = w->window(); top != w) {
        QWidget* focused = top->focusWidget();
        if (focused && (focused == w || w->isAncestorOf(focused))) focused->clearFocus();
    }
    ++rec->ApplyingGeometry;
    if (np) {
        rec->Style = (rec->Style & ~WS_POPUP) | WS_CHILD;
        w->setParent(np, Qt::Widget);
    } else {
        rec->Style &= ~WS_CHILD;
        w->setParent(nullptr, Qt::Window);
        SetWindowLong(child, GWL_STYLE, rec->Style);
    }
    w->setGeometry(g);
    --rec->ApplyingGeometry;
    if (shown) w->show();
    return old;
}

HWND GetParent(HWND wnd) {
    QWidget* w = WidgetOf(wnd);
    if (!w || w->isWindow()) return nullptr;
    return HwndAt(w->parentWidget());
}

int SetWindowRgn(HWND wnd, HRGN rgn, bool redraw) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec || !rec->Widget) return 0;
    // A handle already given away (and so deleted) is refused, not read as an empty region.
    if (rgn && !IsLiveObject(rgn)) return 0;
    if (!rgn) {
        rec->Widget->clearMask();
    } else {
        QRegion region = RegionOf(rgn);
        // The window owns the region from here on: its shape lives on as the widget's mask,
        // so the region object goes now rather than sit beside every shaped window.
        DeleteObject(rgn);
        // An empty region hides the whole window; Qt reads an empty mask as no mask.
        rec->Widget->setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
    }
    if (redraw) rec->Widget->update();
    return 1;
}

// ---- Coordinates ------------------------------------------------------------------------------

bool GetWindowRect(HWND wnd, TRect& rect) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    QPoint tl = w->mapToGlobal(QPoint(0, 0));
    rect = Bounds(tl.x(), tl.y(), w->width(), w->height());
    return true;
}

bool GetClientRect(HWND wnd, TRect& rect) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    rect = Rect(0, 0, w->width(), w->height());
    return true;
}

bool ClientToScreen(HWND wnd, TPoint& point) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    point = T(w->mapToGlobal(Q(point)));
    return true;
}

bool ScreenToClient(HWND wnd, TPoint& point) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    point = T(w->mapFromGlobal(Q(point)));
    return true;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, unsigned count) {
    QWidget* f = WidgetOf(from);
    QWidget* t = WidgetOf(to);
    QPoint origin;
    if (f) origin += f->mapToGlobal(QPoint(0, 0));
    if (t) origin -= t->mapToGlobal(QPoint(0, 0));
    for (unsigned i = 0; i < count; ++i) {
        points[i].X += origin.x();
        points[i].Y += origin.y();
    }
    return MakeLong(origin.x(), origin.y());
}

HWND WindowFromPoint(TPoint point) {
    return WindowAtPoint(Q(point));
}

// ---- Painting ---------------------------------------------------------------------------------

bool InvalidateRect(HWND wnd, const TRect* rect, bool) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    if (rect)
        w->update(QRect(rect->Left, rect->Top, rect->Width(), rect->Height()));
    else
        w->update();
    return true;
}

bool UpdateWindow(HWND wnd) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return false;
    if (w->isVisible()) w->repaint();
    return true;
}

// ---- Focus and activation ---------------------------------------------------------------------

HWND GetFocus() {
    return HwndAt(QApplication::focusWidget());
}

HWND SetFocus(HWND wnd) {
    HWND old = GetFocus();
    QWidget* w = WidgetOf(wnd);
    if (!w) {
        if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
        return old;
    }
    if (!w->isEnabled()) return old;
    QWidget* top = w->window();
    // Focus goes to a window of the active form; giving it elsewhere activates that form
    // first, as the window system does for windows of the same application.
    if (top->isVisible() && !top->isActiveWindow()) SetActiveWindow(HwndAt(top));
    w->setFocus(Qt::OtherFocusReason);
    return old;
}

HWND GetActiveWindow() {
    return HwndAt(QApplication::activeWindow());
}

HWND SetActiveWindow(HWND wnd) {
    HWND old = GetActiveWindow();
    QWidget* w = WidgetOf(wnd);
    if (!w) return old;
    QWidget* top = w->window();
    top->activateWindow();
    // The platform may report the activation later; the application learns it now so
    // that focus changes made right after it take effect at once.
    QApplication::setActiveWindow(top);
    return old;
}

// ---- Cursor -----------------------------------------------------------------------------------

HCURSOR SetCursor(HCURSOR cursor) {
    static HCURSOR current = nullptr;
    HCURSOR old = current;
    current = cursor;
    if (QWidget* w = WidgetOf(LastMouseWindow())) {
        int index = CursorIndexOf(cursor);
        if (!cursor)
            w->setCursor(Qt::BlankCursor);
        else
            w->setCursor(CursorShapeOf(index));
    }
    return old;
}
