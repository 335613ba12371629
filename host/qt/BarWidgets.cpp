// The Qt widgets behind the bars: a QStatusBar that paints its control's panels and grip, a
// QToolBar, and frames for the cool bar and the page scroller. Registered as the window classes
// the bars' CreateParams name.

#include <QLayout>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <qdrawutil.h>

#include "host/comctrls/ComCtrls.h"
#include "host/qt/DeviceContext_p.h"
#include "host/qt/Window_p.h"

namespace {
/// A status bar that shows its control's panels (or simple text) and size grip. Its own
/// layout and grip stay unused: the control owns the geometry.
class TStatusBarWidget : public QStatusBar {
public:
    explicit TStatusBarWidget(QWidget* parent) : QStatusBar(parent) {
        setSizeGripEnabled(false);
        if (layout()) layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        auto* bar = Cast<TStatusBar>(FindControl(HwndOf(this)));
        if (!bar) return;
        QPainter p(this);
        p.setFont(font());
        p.setPen(ToQColor(bar->Font()->Color()));
        const QRect grip = QRectOf(bar->SizeGripRect());
        if (bar->SimplePanel()) {
            QRect r = rect().adjusted(4, 2, -4, 0);
            if (!grip.isEmpty()) r.setRight(grip.left() - 2);
            DrawText(p, r, Qt::AlignLeft, bar->SimpleText());
        } else {
            for (int i = 0; i < bar->Panels()->Count(); ++i) {
                TStatusPanel* panel = bar->Panels()->Items(i);
                const QRect r = QRectOf(bar->PanelRect(i));
                if (r.isEmpty()) continue;
                if (panel->Bevel() != pbNone)
                    qDrawShadePanel(&p, r.adjusted(0, 0, -2, 0), palette(),
                                    panel->Bevel() == pbLowered, 1);
                if (panel->Style() == psText) {
                    static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignRight,
                                                           Qt::AlignHCenter};
                    DrawText(p, r.adjusted(3, 1, -5, -1), aligns[panel->Alignment()],
                             panel->Text());
                }
            }
        }
        if (!grip.isEmpty()) {
            QStyleOptionSizeGrip opt;
            opt.initFrom(this);
            opt.rect = grip;
            opt.corner = Qt::BottomRightCorner;
            style()->drawControl(QStyle::CE_SizeGrip, &opt, &p, this);
        }
    }

private:
    static void DrawText(QPainter& p, const QRect& r, Qt::Alignment align,
                         const std::string& text) {
        const QString elided =
            p.fontMetrics().elidedText(QString::fromStdString(text), Qt::ElideRight, r.width());
        p.drawText(r, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), elided);
    }
};

/// A tool bar whose buttons are the control's children; its own layout stays empty.
class TToolBarWidget : public QToolBar {
public:
    explicit TToolBarWidget(QWidget* parent) : QToolBar(parent) {
        setMovable(false);
        setFloatable(false);
        if (layout()) layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
    }
};

QWidget* MakeFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

const bool gBarClassesRegistered = [] {
    RegisterWindowClass({"msctls_statusbar32",
                         [](QWidget* parent) -> QWidget* { return new TStatusBarWidget(parent); },
                         nullptr, nullptr});
    RegisterWindowClass({"ToolbarWindow32",
                         [](QWidget* parent) -> QWidget* { return new TToolBarWidget(parent); },
                         nullptr, nullptr});
    RegisterWindowClass({"ReBarWindow32", &MakeFrame, nullptr, nullptr});
    RegisterWindowClass({"SysPager", &MakeFrame, nullptr, nullptr});
    return true;
}();
} // namespace
