// The LISTBOX window class: a QListWidget with rows of a set height that answers the list box
// messages, takes its mouse input through its control's window procedure, reports the user's
// selection changes as LBN_SELCHANGE and has owner-drawn rows drawn by its control.

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

#include <cstring>

#include "host/qt/PartInput_p.h"
#include "host/qt/StdWidgets_p.h"
#include "host/qt/Window_p.h"

namespace {
class TListBoxWidget : public QListWidget {
public:
    explicit TListBoxWidget(QWidget* parent) : QListWidget(parent), FInner(this) {
        setItemDelegate(new TItemDelegate(this, [this] { return Rows(); }));
        setUniformItemSizes(true);
        setSpacing(0);
        setEditTriggers(NoEditTriggers);
        setSelectionMode(SingleSelection);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollMode(ScrollPerItem);
        setResizeMode(Adjust);
        connect(this, &QListWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
        connect(this, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
        connect(this, &QAbstractItemView::doubleClicked, this,
                [this] { NotifyControl(this, LBN_DBLCLK); });
        FInner.Seal();
    }

    TItemDelegate::TRows Rows() const {
        const uint32_t style = WindowStyleOf(this);
        TItemDelegate::TRows rows;
        rows.Owner = const_cast<TListBoxWidget*>(this);
        rows.CtlType = ODT_LISTBOX;
        rows.OwnerDraw = style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
        rows.Variable = style & LBS_OWNERDRAWVARIABLE;
        rows.Height = FRowHeight;
        rows.Offset = viewport()->pos();
        return rows;
    }

    void ApplyStyle() {
        const uint32_t style = WindowStyleOf(this);
        const auto exStyle = static_cast<uint32_t>(GetWindowLong(HwndOf(this), GWL_EXSTYLE));
        const TSilence silence(this);
        setSelectionMode((style & LBS_EXTENDEDSEL)   ? ExtendedSelection
                         : (style & LBS_MULTIPLESEL) ? MultiSelection
                                                     : SingleSelection);
        setUniformItemSizes(!(style & LBS_OWNERDRAWVARIABLE));
        ApplyWindowFrame(this, style, exStyle);
        Relayout();
        FInner.Seal();
    }

    void SetRowHeight(int height) {
        if (height <= 0 || height == FRowHeight) return;
        FRowHeight = height;
        Relayout();
    }
    int RowHeight() const { return FRowHeight; }

    /// The row at a point of the widget, or -1.
    int RowAt(QPoint pos) const {
        const QModelIndex index = indexAt(pos - viewport()->pos());
        return index.isValid() ? index.row() : -1;
    }
    /// Where a row shows, in the widget's coordinates, across the whole width of the list.
    QRect RowRect(int row) const {
        QRect r = visualRect(model()->index(row, 0));
        if (!r.isValid()) return {};
        r.setLeft(0);
        r.setRight(viewport()->width() - 1);
        return r.translated(viewport()->pos());
    }
    int TopRow() const {
        const QModelIndex index = indexAt(QPoint(1, 1));
        return index.isValid() ? index.row() : 0;
    }

protected:
    bool event(QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            return UserInput(e);
        case QEvent::ChildPolished:
            FInner.Seal();
            break;
        default:
            break;
        }
        return QListWidget::event(e);
    }

    void focusInEvent(QFocusEvent* e) override {
        // Qt makes the first row current on entry; the window system selects nothing.
        const TSilence silence(this);
        QListWidget::focusInEvent(e);
    }

private:
    /// Handles input the user gave, and reports the selection change it made (or a press
    /// on an item, which the window system reports even when the selection stays).
    bool UserInput(QEvent* e) {
        FInInput = true;
        FChanged = false;
        bool handled = true;
        bool pressOnItem = false;
        if (e->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(e);
            pressOnItem = me->button() == Qt::LeftButton && RowAt(me->position().toPoint()) >= 0;
        }
        if (e->type() == QEvent::KeyPress || !FInner.Forward(e)) handled = QListWidget::event(e);
        FInInput = false;
        if ((FChanged || pressOnItem) && !TSilence::Silenced(this))
            NotifyControl(this, LBN_SELCHANGE);
        return handled;
    }

    void SelectionChanged() {
        if (TSilence::Silenced(this)) return;
        if (FInInput)
            FChanged = true;
        else
            NotifyControl(this, LBN_SELCHANGE);
    }

    void Relayout() {
        doItemsLayout();
        viewport()->update();
    }

    TPartInput FInner;
    int FRowHeight = 16;
    bool FInInput = false;
    bool FChanged = false;
};

QListWidgetItem* NewItem(intptr_t text) {
    return new QListWidgetItem(text ? QString::fromUtf8(reinterpret_cast<const char*>(text))
                                    : QString());
}

/// The selected row of a single-selection list, or -1.
int CurrentSelection(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

bool ListBoxMessage(QWidget* w, uint32_t msg, intptr_t wp, intptr_t lp, intptr_t& result) {
    auto* list = static_cast<TListBoxWidget*>(w);
    const int count = list->count();
    const auto index = static_cast<int>(wp);
    const bool valid = index >= 0 && index < count;
    const TSilence silence(list);
    switch (msg) {
    case WM_STYLECHANGED:
        list->ApplyStyle();
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTCHARS | DLGC_WANTARROWS;
        return true;
    case LB_RESETCONTENT:
        list->clear();
        return true;
    case LB_ADDSTRING:
        list->addItem(NewItem(lp));
        result = count;
        return true;
    case LB_INSERTSTRING: {
        const int at = index < 0 || index > count ? count : index;
        list->insertItem(at, NewItem(lp));
        result = at;
        return true;
    }
    case LB_DELETESTRING:
        if (!valid) {
            result = LB_ERR;
            return true;
        }
        delete list->takeItem(index);
        result = list->count();
        return true;
    case LB_GETCOUNT:
        result = count;
        return true;
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
        if (!valid) {
            result = LB_ERR;
            return true;
        }
        const QByteArray text = list->item(index)->text().toUtf8();
        if (msg == LB_GETTEXT && lp) {
            std::memcpy(reinterpret_cast<char*>(lp), text.constData(),
                        static_cast<size_t>(text.size()));
            reinterpret_cast<char*>(lp)[text.size()] = 0;
        }
        result = text.size();
        return true;
    }
    case LB_SETITEMDATA:
        if (valid) list->item(index)->setData(Qt::UserRole, QVariant::fromValue<qintptr>(lp));
        result = valid ? 0 : LB_ERR;
        return true;
    case LB_GETITEMDATA:
        result = valid ? list->item(index)->data(Qt::UserRole).value<qintptr>() : LB_ERR;
        return true;
    case LB_SETCURSEL:
        if (!valid) {
            list->clearSelection();
            list->setCurrentRow(-1);
            result = index == -1 ? 0 : LB_ERR;
            return true;
        }
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->item(index));
        result = index;
        return true;
    case LB_GETCURSEL:
        result = CurrentSelection(list);
        return true;
    case LB_SETSEL: {
        // WParam selects or deselects; LParam is the item, -1 for all of them.
        const auto item = static_cast<int>(lp);
        for (int i = 0; i < count; ++i)
            if (item == -1 || item == i) list->item(i)->setSelected(wp != 0);
        result = item == -1 || (item >= 0 && item < count) ? 0 : LB_ERR;
        return true;
    }
    case LB_GETSEL:
        result = valid ? (list->item(index)->isSelected() ? 1 : 0) : LB_ERR;
        return true;
    case LB_GETSELCOUNT:
        result = list->selectionMode() == QAbstractItemView::SingleSelection
                     ? LB_ERR
                     : list->selectedItems().size();
        return true;
    case LB_SETCARETINDEX:
        list->selectionModel()->setCurrentIndex(list->model()->index(index, 0),
                                                QItemSelectionModel::NoUpdate);
        return true;
    case LB_GETCARETINDEX:
        result = list->currentRow();
        return true;
    case LB_SETTOPINDEX:
        if (valid) list->verticalScrollBar()->setValue(index);
        result = valid ? 0 : LB_ERR;
        return true;
    case LB_GETTOPINDEX:
        result = list->TopRow();
        return true;
    case LB_GETITEMRECT: {
        const QRect r = valid ? list->RowRect(index) : QRect();
        if (lp)
            *reinterpret_cast<TRect*>(lp) =
                r.isValid() ? Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height())
                            : TRect{};
        result = r.isValid() ? 1 : LB_ERR;
        return true;
    }
    case LB_ITEMFROMPOINT: {
        const TPoint p = PointFromLParam(lp);
        const int row = list->RowAt(QPoint(p.X, p.Y));
        result = row >= 0 ? MakeLong(row, 0) : MakeLong(std::max(count - 1, 0), 1);
        return true;
    }
    case LB_SETITEMHEIGHT:
        list->SetRowHeight(static_cast<int>(lp));
        return true;
    case LB_GETITEMHEIGHT:
        result = list->RowHeight();
        return true;
    default:
        return false;
    }
}

const bool gListBoxClassRegistered = [] {
    RegisterWindowClass({"LISTBOX", [](QWidget* parent) { return new TListBoxWidget(parent); },
                         nullptr, nullptr, ListBoxMessage});
    return true;
}();
} // namespace
