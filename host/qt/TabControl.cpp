// The tab control's window: a QTabBar part inside a widget that paints the page frame. With
// several rows of tabs (QTabBar has but one) the widget lays out, paints and hit-tests the
// tabs itself and the hidden bar only keeps the tabs and the selection.

#include <QKeyEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include "host/containers/TabRows.h"
#include "host/qt/PartInput_p.h"
#include "host/qt/TabControl_p.h"
#include "host/qt/Window_p.h"

namespace {
/// A tab bar whose captions underline their accelerators but grab no Qt shortcut for them: Qt's
/// would select a tab past the window procedure; the page control answers CM_DIALOGCHAR instead.
class TTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    /// Adds the tab at index, or sets its caption.
    void SetCaption(int index, const QString& caption) {
        // Every '&' doubled: Qt finds no mnemonic to grab in what it keeps.
        const QString kept = QString(caption).replace(u'&', QStringLiteral("&&"));
        if (index < count())
            setTabText(index, kept);
        else
            addTab(kept);
    }
    QString Caption(int index) const {
        return tabText(index).replace(QStringLiteral("&&"), QStringLiteral("&"));
    }

protected:
    void initStyleOption(QStyleOptionTab* option, int index) const override {
        QTabBar::initStyleOption(option, index);
        // Unless the style shortened it.
        if (option->text == tabText(index)) option->text = Caption(index);
    }
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        const int extra = fontMetrics().size(Qt::TextShowMnemonic, tabText(index)).width() -
                          fontMetrics().size(Qt::TextShowMnemonic, Caption(index)).width();
        const bool vertical = shape() == RoundedWest || shape() == RoundedEast;
        (vertical ? size.rheight() : size.rwidth()) -= extra;
        return size;
    }
};

/// A tab bar with a framed page area below (or beside) it; the tab bar is a part, so clicks
/// reach it only through the window procedure's default handling.
class TTabControlWidget : public QWidget {
public:
    explicit TTabControlWidget(QWidget* parent) : QWidget(parent), FInput(this) {
        FBar = new TTabBar(this);
        FBar->setDrawBase(false);
        FBar->setUsesScrollButtons(true);
        FBar->setExpanding(false);
        TPartInput::MakePart(FBar);
        setFocusPolicy(Qt::StrongFocus);
        QObject::connect(FBar, &QTabBar::currentChanged, this, [this](int) {
            // The selected tab's row moves next to the page.
            if (MultiLine) Layout();
            if (!FQuiet) Notify(TCN_SELCHANGE);
        });
    }

    ~TTabControlWidget() override { QObject::disconnect(FBar, nullptr, this, nullptr); }

    TTabBar* Bar() const { return FBar; }
    TTabSide Side = TTabSide::Top;
    TTabLook Look = TTabLook::Tabs;
    bool MultiLine = false;
    bool FQuiet = false;

    void Layout() {
        FBar->setShape(Shape());
        FBar->setVisible(!MultiLine);
        FPlaces.clear();
        if (MultiLine) {
            std::vector<int> lengths;
            FRowDepth = fontMetrics().height() + 10;
            for (int i = 0; i < FBar->count(); ++i) {
                const QSize size = TabSize(i);
                lengths.push_back(Vertical() ? size.height() : size.width());
                FRowDepth = std::max(FRowDepth, Vertical() ? size.width() : size.height());
            }
            const int length = (Vertical() ? height() : width()) - 2 * Inset;
            FPlaces = LayoutTabRows(lengths, std::max(length, 1), FBar->currentIndex());
        }
        FBar->setGeometry(BarRect());
        update();
    }

    int RowCount() const { return MultiLine ? TabRowCount(FPlaces) : 1; }

    /// A tab's rectangle in the widget; empty for no such tab.
    QRect TabRect(int index) const {
        if (index < 0 || index >= FBar->count()) return {};
        if (!MultiLine) return FBar->tabRect(index).translated(FBar->pos());
        const TTabPlace& place = FPlaces[static_cast<size_t>(index)];
        // Rows count outward from the page area; the outermost lies at the window's edge.
        const int across = (RowCount() - 1 - place.Row) * FRowDepth;
        switch (Side) {
        case TTabSide::Bottom:
            return QRect(Inset + place.Start, height() - across - FRowDepth, place.Length,
                         FRowDepth);
        case TTabSide::Left:
            return QRect(across, Inset + place.Start, FRowDepth, place.Length);
        case TTabSide::Right:
            return QRect(width() - across - FRowDepth, Inset + place.Start, FRowDepth,
                         place.Length);
        default:
            return QRect(Inset + place.Start, across, place.Length, FRowDepth);
        }
    }

    int TabAt(QPoint p) const {
        if (!MultiLine) return FBar->geometry().contains(p) ? FBar->tabAt(p - FBar->pos()) : -1;
        for (int i = 0; i < FBar->count(); ++i)
            if (TabRect(i).contains(p)) return i;
        return -1;
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
            const int index = TabAt(me->position().toPoint());
            if (me->button() == Qt::LeftButton && index >= 0 && index != FBar->currentIndex() &&
                Notify(TCN_SELCHANGING) != 0) {
                e->accept();
                return true;
            }
            // The rows are the widget's own: it selects the tab the press is on.
            if (MultiLine && me->button() == Qt::LeftButton) {
                if (index >= 0) FBar->setCurrentIndex(index);
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
        QStylePainter p(this);
        if (Look == TTabLook::Tabs) {
            QStyleOptionTabWidgetFrame opt;
            opt.initFrom(this);
            opt.rect = DisplayRect().adjusted(-4, -4, 4, 4);
            opt.shape = Shape();
            opt.tabBarSize = FBar->sizeHint();
            opt.tabBarRect = BarRect();
            if (FBar->currentIndex() >= 0) opt.selectedTabRect = TabRect(FBar->currentIndex());
            p.drawPrimitive(QStyle::PE_FrameTabWidget, opt);
        }
        if (MultiLine) PaintRows(p);
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

    /// A tab's size as the style draws it, as QTabBar would size it.
    QSize TabSize(int index) const {
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.shape = Shape();
        opt.text = FBar->Caption(index);
        const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
        const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
        QSize size(fontMetrics().size(Qt::TextShowMnemonic, opt.text).width() + hspace,
                   fontMetrics().height() + vspace);
        if (Vertical()) size.transpose();
        return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, size, this);
    }

    /// The selected tab last, so that it lies over its neighbours as a raised tab does.
    void PaintRows(QStylePainter& p) {
        const int current = FBar->currentIndex();
        std::vector<int> order;
        for (int i = 0; i < FBar->count(); ++i)
            if (i != current) order.push_back(i);
        if (current >= 0) order.push_back(current);
        for (int i : order) {
            QStyleOptionTab opt;
            opt.initFrom(this);
            opt.shape = Shape();
            opt.text = FBar->Caption(i);
            opt.rect = TabRect(i);
            opt.row = FPlaces[static_cast<size_t>(i)].Row;
            opt.position = QStyleOptionTab::Middle;
            if (i == current) opt.state |= QStyle::State_Selected;
            if (i == current && hasFocus()) opt.state |= QStyle::State_HasFocus;
            p.drawControl(QStyle::CE_TabBarTab, opt);
        }
    }

    /// The depth of the tab rows; kept when there are no tabs, so the page area stays put.
    int RowExtent() const {
        if (MultiLine) return RowCount() * FRowDepth;
        const QSize hint = FBar->sizeHint();
        const int depth = Vertical() ? hint.width() : hint.height();
        const int empty = fontMetrics().height() + 10;
        return FBar->count() > 0 ? std::max(depth, empty) : empty;
    }

    /// Where the tabs lie: the bar's place, or the rows'.
    QRect BarRect() const {
        const int row = RowExtent();
        const int inset = Inset;
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

    /// The space kept free at both ends of the tab rows.
    static constexpr int Inset = 2;

    TTabBar* FBar;
    TPartInput FInput;
    std::vector<TTabPlace> FPlaces;
    int FRowDepth = 0;
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

void TabCtrlSetMultiLine(HWND wnd, bool multiLine) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w || w->MultiLine == multiLine) return;
    w->MultiLine = multiLine;
    w->Layout();
}

int TabCtrlGetRowCount(HWND wnd) {
    TTabControlWidget* w = WidgetFor(wnd);
    return w ? w->RowCount() : 0;
}

void TabCtrlSetTabs(HWND wnd, const std::vector<std::string>& captions, int index) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    TTabBar* bar = w->Bar();
    while (bar->count() > static_cast<int>(captions.size()))
        bar->removeTab(bar->count() - 1);
    for (size_t i = 0; i < captions.size(); ++i)
        bar->SetCaption(static_cast<int>(i), QString::fromStdString(captions[i]));
    bar->setCurrentIndex(index);
    w->Layout();
}

void TabCtrlSetCurSel(HWND wnd, int index) {
    TTabControlWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    w->Bar()->setCurrentIndex(index);
    w->Layout();
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
    return w->TabAt(QPoint(point.X, point.Y));
}

TRect TabCtrlItemRect(HWND wnd, int index) {
    TTabControlWidget* w = WidgetFor(wnd);
    const QRect r = w ? w->TabRect(index) : QRect();
    if (r.isEmpty()) return {};
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}
