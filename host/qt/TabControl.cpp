// The tab control's window: a QTabBar part inside a widget that paints the page frame.

#include <QKeyEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include "host/qt/PartInput_p.h"
#include "host/qt/TabControl_p.h"
#include "host/qt/Window_p.h"

namespace {
/// A tab bar with a framed page area below (or beside) it; the tab bar is a part, so clicks
/// reach it only through the window procedure's default handling.
class TTabControlWidget : public QWidget {
public:
    explicit TTabControlWidget(QWidget* parent) : QWidget(parent), FInput(this) {
        FBar = new QTabBar(this);
        FBar->setDrawBase(false);
        FBar->setUsesScrollButtons(true);
        FBar->setExpanding(false);
        TPartInput::MakePart(FBar);
        setFocusPolicy(Qt::StrongFocus);
        QObject::connect(FBar, &QTabBar::currentChanged, this, [this](int) {
            if (!FQuiet) Notify(TCN_SELCHANGE);
        });
    }

    ~TTabControlWidget() override { QObject::disconnect(FBar, nullptr, this, nullptr); }

    QTabBar* Bar() const { return FBar; }
    TTabSide Side = TTabSide::Top;
    TTabLook Look = TTabLook::Tabs;
    bool FQuiet = false;

    void Layout() {
        const QRect bar = BarRect();
        FBar->setGeometry(bar);
        FBar->setShape(Shape());
        update();
    }

    QRect DisplayRect() const {
        QRect r = rect();
        const int row = RowExtent();
        switch (Side) {
        case TTabSide::Top:
            r.setTop(row);
            break;
        case TTabSide::Bottom:
            r.setBottom(r.bottom() - row);
            break;
        case TTabSide::Left:
            r.setLeft(row);
            break;
        case TTabSide::Right:
            r.setRight(r.right() - row);
            break;
        }
        // Buttons have no frame around the pages.
        if (Look == TTabLook::Tabs) r.adjust(4, 4, -4, -4);
        return r;
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Wheel) {
            // The platform's tabs do not change with the wheel.
            e->ignore();
            return true;
        }
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
            auto* me = static_cast<QMouseEvent*>(e);
            const QPoint p = me->position().toPoint();
            const int index = FBar->geometry().contains(p) ? FBar->tabAt(p - FBar->pos()) : -1;
            if (me->button() == Qt::LeftButton && index >= 0 && index != FBar->currentIndex() &&
                Notify(TCN_SELCHANGING) != 0) {
                e->accept();
                return true;
            }
        }
        if (FInput.Forward(e)) return true;
        return QWidget::event(e);
    }

    void keyPressEvent(QKeyEvent* e) override {
        int step = 0;
        if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Up) step = -1;
        if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Down) step = 1;
        const int next = FBar->currentIndex() + step;
        if (step == 0 || next < 0 || next >= FBar->count()) {
            QWidget::keyPressEvent(e);
            return;
        }
        if (Notify(TCN_SELCHANGING) == 0) FBar->setCurrentIndex(next);
        e->accept();
    }

    void resizeEvent(QResizeEvent*) override { Layout(); }
    void changeEvent(QEvent* e) override {
        // A new font changes the depth of the tab row.
        if (e->type() == QEvent::FontChange) Layout();
        QWidget::changeEvent(e);
    }

    void paintEvent(QPaintEvent*) override {
        if (Look != TTabLook::Tabs) return;
        QStylePainter p(this);
        QStyleOptionTabWidgetFrame opt;
        opt.initFrom(this);
        opt.rect = DisplayRect().adjusted(-4, -4, 4, 4);
        opt.shape = Shape();
        opt.tabBarSize = FBar->sizeHint();
        opt.tabBarRect = FBar->geometry();
        if (FBar->currentIndex() >= 0) {
            const QRect tab = FBar->tabRect(FBar->currentIndex());
            opt.selectedTabRect = tab.translated(FBar->pos());
        }
        p.drawPrimitive(QStyle::PE_FrameTabWidget, opt);
    }

private:
    intptr_t Notify(int code) {
        HWND self = HwndOf(this);
        NMHDR hdr{self, 0, code};
        return DeliverMessage(self, CN_NOTIFY, 0, reinterpret_cast<intptr_t>(&hdr));
    }

    QTabBar::Shape Shape() const {
        switch (Side) {
        case TTabSide::Bottom:
            return QTabBar::RoundedSouth;
        case TTabSide::Left:
            return QTabBar::RoundedWest;
        case TTabSide::Right:
            return QTabBar::RoundedEast;
        default:
            return QTabBar::RoundedNorth;
        }
    }

    bool Vertical() const { return Side == TTabSide::Left || Side == TTabSide::Right; }

    /// The depth of the tab row; kept when there are no tabs, so the page area stays put.
    int RowExtent() const {
        const QSize hint = FBar->sizeHint();
        const int depth = Vertical() ? hint.width() : hint.height();
        const int empty = fontMetrics().height() + 10;
        return FBar->count() > 0 ? std::max(depth, empty) : empty;
    }

    QRect BarRect() const {
        const int row = RowExtent();
        const int inset = 2;
        switch (Side) {
        case TTabSide::Bottom:
            return QRect(inset, height() - row, std::max(width() - 2 * inset, 0), row);
        case TTabSide::Left:
            return QRect(0, inset, row, std::max(height() - 2 * inset, 0));
        case TTabSide::Right:
            return QRect(width() - row, inset, row, std::max(height() - 2 * inset, 0));
        default:
            return QRect(inset, 0, std::max(width() - 2 * inset, 0), row);
        }
    }

    QTabBar* FBar;
    TPartInput FInput;
};

TTabControlWidget* WidgetFor(HWND wnd) {
    return dynamic_cast<TTabControlWidget*>(WidgetOf(wnd));
}

/// Changes the tabs without telling the control.
struct TQuiet {
    explicit TQuiet(TTabControlWidget* w) : W(w) { W->FQuiet = true; }
    ~TQuiet() { W->FQuiet = false; }
    TQuiet(const TQuiet&) = delete;
    TQuiet& operator=(const TQuiet&) = delete;
    TTabControlWidget* W;
};
} // namespace

const char* TabControlWindowClass() {
    static const char* name = [] {
        RegisterWindowClass({"ZkTabControl",
                             [](QWidget* parent) { return new TTabControlWidget(parent); }, nullptr,
                             nullptr, &WantsCharacters});
        return "ZkTabControl";
    }();
    return name;
}

void TabCtrlSetTabs(HWND wnd, const std::vector<std::string>& captions, int index) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    QTabBar* bar = w->Bar();
    while (bar->count() > static_cast<int>(captions.size()))
        bar->removeTab(bar->count() - 1);
    for (size_t i = 0; i < captions.size(); ++i) {
        const QString text = QString::fromStdString(captions[i]);
        const int at = static_cast<int>(i);
        if (at < bar->count())
            bar->setTabText(at, text);
        else
            bar->addTab(text);
    }
    bar->setCurrentIndex(index);
    w->Layout();
}

void TabCtrlSetCurSel(HWND wnd, int index) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    w->Bar()->setCurrentIndex(index);
    w->update();
}

int TabCtrlGetCurSel(HWND wnd) {
    TTabControlWidget* w = WidgetFor(wnd);
    return w ? w->Bar()->currentIndex() : -1;
}

void TabCtrlSetLook(HWND wnd, TTabSide side, TTabLook look) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w) return;
    w->Side = side;
    w->Look = look;
    w->Bar()->setDocumentMode(look == TTabLook::FlatButtons);
    w->Layout();
}

TRect TabCtrlDisplayRect(HWND wnd) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w) return {};
    const QRect r = w->DisplayRect();
    return Rect(r.left(), r.top(), r.left() + std::max(r.width(), 0),
                r.top() + std::max(r.height(), 0));
}

int TabCtrlHitTest(HWND wnd, TPoint point) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w) return -1;
    const QPoint p(point.X, point.Y);
    if (!w->Bar()->geometry().contains(p)) return -1;
    return w->Bar()->tabAt(p - w->Bar()->pos());
}

TRect TabCtrlItemRect(HWND wnd, int index) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w || index < 0 || index >= w->Bar()->count()) return {};
    const QRect r = w->Bar()->tabRect(index).translated(w->Bar()->pos());
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}
