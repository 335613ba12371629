// The bridge's window-state services for the framework's control logic.

#include <QToolTip>

#include "host/qt/Gdi_p.h"
#include "host/qt/WindowState_p.h"
#include "host/qt/Window_p.h"

void PlaceWindow(HWND wnd, const TRect& bounds) {
    ApplyWindowGeometry(wnd, QRect(bounds.Left, bounds.Top, bounds.Width(), bounds.Height()));
}

bool MarkDestroySent(HWND wnd) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec || rec->DestroySent) return false;
    rec->DestroySent = true;
    return true;
}

void SetWindowFont(HWND wnd, const TFont& font) {
    if (QWidget* w = WidgetOf(wnd)) w->setFont(ToQFont(font));
}

void SetWindowCursor(HWND wnd, int cursorIndex) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return;
    if (cursorIndex == 0)
        w->unsetCursor();
    else
        w->setCursor(CursorShapeOf(cursorIndex));
}

void SetWindowToolTip(HWND wnd, const std::string& text) {
    if (QWidget* w = WidgetOf(wnd)) w->setToolTip(QString::fromStdString(text));
}

void SetWindowOpaque(HWND wnd, bool opaque) {
    QWidget* w = WidgetOf(wnd);
    // A plain widget (or one of its subclasses without a meta-object of their own) paints
    // nothing by itself: its erase and paint messages draw all there is.
    if (w && w->metaObject() == &QWidget::staticMetaObject)
        w->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void BindWindowCanvas(TCanvas* canvas, HWND wnd, TPoint origin, const TRect& clip) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return;
    FlushPaintingOn(w);
    BindCanvas(canvas, w, QPoint(origin.X, origin.Y),
               QRegion(clip.Left, clip.Top, clip.Width(), clip.Height()));
}

void UnbindWindowCanvas(TCanvas* canvas) {
    UnbindCanvas(canvas);
}
