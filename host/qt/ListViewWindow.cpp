// The list view's window: a tree view (report) and a list view (icons, list) over one model,
// both parts of the window, and a column header that is a raw child window of its own.

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPointer>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>

#include "host/qt/Gdi_p.h"
#include "host/qt/ListViewWindow_p.h"
#include "host/qt/PartInput_p.h"
#include "host/qt/Window_p.h"

namespace {
/// The column header: its viewport is a part, so the header's mouse input arrives through the
/// header's own window procedure and its default handling.
class TListHeader : public QHeaderView {
public:
    explicit TListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent), FInput(this) {
        setHighlightSections(false);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        TPartInput::MakePart(viewport());
    }

protected:
    bool event(QEvent* e) override {
        if (FInput.Forward(e)) return true;
        return QHeaderView::event(e);
    }

private:
    TPartInput FInput;
};

/// The in-place editor of a caption. Its keys reach it through its own window procedure, past
/// the delegate's event filter, so it ends the edit itself.
class TLabelEditor : public QLineEdit {
public:
    TLabelEditor(QWidget* parent, QAbstractItemDelegate* delegate)
        : QLineEdit(parent), FDelegate(delegate) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            Finish(true);
        } else if (e->key() == Qt::Key_Escape) {
            Finish(false);
        } else {
            QLineEdit::keyPressEvent(e);
        }
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        Finish(true);
    }

private:
    void Finish(bool commit) {
        if (FDone || !FDelegate) return;
        FDone = true;
        if (commit) emit FDelegate->commitData(this);
        emit FDelegate->closeEditor(this, QAbstractItemDelegate::NoHint);
    }
    QPointer<QAbstractItemDelegate> FDelegate;
    bool FDone = false;
};

class TListViewWidget;

/// Draws the items as the platform does: the selection only on the caption unless whole rows
/// are selected, and grid lines in the report; edits captions in a raw child window.
class TListDelegate : public QStyledItemDelegate {
public:
    explicit TListDelegate(TListViewWidget* owner);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    TListViewWidget* FOwner;
};

/// The window: the two views are parts that take the whole area, one shown at a time.
class TListViewWidget : public QWidget {
public:
    explicit TListViewWidget(QWidget* parent) : QWidget(parent), FInput(this) {
        setFocusPolicy(Qt::StrongFocus);
        Model = new QStandardItemModel(0, 1, this);
        Report = new QTreeView(this);
        Report->setModel(Model);
        Report->setRootIsDecorated(false);
        Report->setItemsExpandable(false);
        Report->setUniformRowHeights(true);
        Report->setSelectionBehavior(QAbstractItemView::SelectRows);
        Icons = new QListView(this);
        Icons->setModel(Model);
        Icons->setSelectionModel(Report->selectionModel());
        Icons->setWrapping(true);
        Icons->setResizeMode(QListView::Adjust);
        // One delegate per view: a delegate's editor signals reach every view it serves.
        Report->setItemDelegate(new TListDelegate(this));
        Icons->setItemDelegate(new TListDelegate(this));
        for (QAbstractItemView* view :
             {static_cast<QAbstractItemView*>(Report), static_cast<QAbstractItemView*>(Icons)})
            TPartInput::MakePart(view);
        NewHeader();
        QObject::connect(Report->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                         [this](const QItemSelection& on, const QItemSelection& off) {
                             NotifySelection(on, LVIS_SELECTED, 0);
                             NotifySelection(off, 0, LVIS_SELECTED);
                         });
        QObject::connect(
            Model, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
                if (Quiet || item->column() != 0) return;
                NMLVENDEDIT edit{
                    {HwndOf(this), 0, LVN_ENDLABELEDIT}, item->row(), item->text().toStdString()};
                Notify(&edit.hdr);
            });
        ApplyStyle();
    }

    ~TListViewWidget() override {
        // The children go after this part of the object: nothing they signal may reach it.
        Quiet = true;
        QObject::disconnect(Report->selectionModel(), nullptr, this, nullptr);
        QObject::disconnect(Model, nullptr, this, nullptr);
        QObject::disconnect(Report->header(), nullptr, this, nullptr);
    }

    QStandardItemModel* Model;
    QTreeView* Report;
    QListView* Icons;
    TLVStyle Style;
    std::vector<TLVColumnInfo> Columns;
    bool Quiet = false;

    QAbstractItemView* Shown() const {
        return Style.ViewStyle == 3 ? static_cast<QAbstractItemView*>(Report)
                                    : static_cast<QAbstractItemView*>(Icons);
    }
    QHeaderView* Header() const { return Report->header(); }

    /// Whether the focus is on the window or on one of its own children (the caption editor).
    bool HasFocusWithin() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus && (focus == this || isAncestorOf(focus));
    }

    /// A new header in place of the old one, whose window is destroyed.
    void NewHeader() {
        QPointer<QHeaderView> old = Report->header();
        HWND oldWnd = old ? HwndOf(old) : nullptr;
        if (old) {
            // Taken out of the tree view first, which would otherwise delete it unannounced.
            QObject::disconnect(old, nullptr, this, nullptr);
            old->hide();
            old->setParent(this);
        }
        auto* header = new TListHeader(Report);
        Report->setHeader(header);
        // The tree view makes its header's sections unclickable unless it sorts; the
        // platform's headings are buttons that stay where they are.
        header->setSectionsClickable(true);
        header->setSectionsMovable(false);
        header->setStretchLastSection(false);
        QObject::connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
            NMLISTVIEW nm{{HwndOf(this), 0, LVN_COLUMNCLICK}, -1, column, 0, 0};
            Notify(&nm.hdr);
        });
        QObject::connect(header, &QHeaderView::sectionResized, this,
                         [this](int column, int, int size) {
                             if (Quiet) return;
                             NMHEADER nm{{HwndOf(this), 0, HDN_ENDTRACK}, column, size};
                             Notify(&nm.hdr);
                         });
        ApplyColumns();
        ApplyStyle();
        if (oldWnd)
            DestroyWindow(oldWnd);
        else
            delete old.data();
    }

    void ApplyStyle() {
        const bool report = Style.ViewStyle == 3;
        Report->setVisible(report);
        Icons->setVisible(!report);
        Report->setHeaderHidden(!Style.ShowColumnHeaders);
        Report->setAllColumnsShowFocus(Style.RowSelect);
        switch (Style.ViewStyle) {
        case 0:
            Icons->setViewMode(QListView::IconMode);
            Icons->setFlow(QListView::LeftToRight);
            Icons->setGridSize(QSize(76, 52));
            break;
        case 1:
            Icons->setViewMode(QListView::ListMode);
            Icons->setFlow(QListView::LeftToRight);
            Icons->setGridSize(QSize());
            break;
        default:
            Icons->setViewMode(QListView::ListMode);
            Icons->setFlow(QListView::TopToBottom);
            Icons->setGridSize(QSize());
            break;
        }
        Icons->setWrapping(true);
        Icons->setMovement(QListView::Static);
        const auto mode = Style.MultiSelect ? QAbstractItemView::ExtendedSelection
                                            : QAbstractItemView::SingleSelection;
        const auto triggers =
            Style.ReadOnly ? QAbstractItemView::NoEditTriggers
                           : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed;
        for (QAbstractItemView* view :
             {static_cast<QAbstractItemView*>(Report), static_cast<QAbstractItemView*>(Icons)}) {
            view->setSelectionMode(mode);
            view->setEditTriggers(triggers);
            view->setFrameShape(Style.Border ? QFrame::StyledPanel : QFrame::NoFrame);
            view->viewport()->update();
        }
    }

    void ApplyColumns() {
        Quiet = true;
        const int count = std::max(static_cast<int>(Columns.size()), 1);
        Model->setColumnCount(count);
        QHeaderView* header = Header();
        for (int i = 0; i < count; ++i) {
            const TLVColumnInfo info = i < static_cast<int>(Columns.size())
                                           ? Columns[static_cast<size_t>(i)]
                                           : TLVColumnInfo{};
            Model->setHeaderData(i, Qt::Horizontal, QString::fromStdString(info.Caption));
            Model->setHeaderData(i, Qt::Horizontal, static_cast<int>(AlignmentOf(i)),
                                 Qt::TextAlignmentRole);
            header->setSectionResizeMode(i, info.AutoSize ? QHeaderView::Stretch
                                                          : QHeaderView::Interactive);
            if (!info.AutoSize) Report->setColumnWidth(i, info.Width);
            for (int row = 0; row < Model->rowCount(); ++row)
                if (QStandardItem* item = Model->item(row, i))
                    item->setTextAlignment(AlignmentOf(i));
        }
        Quiet = false;
    }

    Qt::Alignment AlignmentOf(int column) const {
        const TAlignment a = column < static_cast<int>(Columns.size())
                                 ? Columns[static_cast<size_t>(column)].Alignment
                                 : taLeftJustify;
        const Qt::Alignment h = a == taRightJustify ? Qt::AlignRight
                                : a == taCenter     ? Qt::AlignHCenter
                                                    : Qt::AlignLeft;
        return h | Qt::AlignVCenter;
    }

    QList<QStandardItem*> MakeRow(const std::vector<std::string>& texts) const {
        QList<QStandardItem*> row;
        for (int i = 0; i < Model->columnCount(); ++i) {
            const std::string text =
                i < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(i)] : std::string();
            auto* item = new QStandardItem(QString::fromStdString(text));
            item->setEditable(i == 0);
            item->setTextAlignment(AlignmentOf(i));
            row.append(item);
        }
        return row;
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            // Straight to the view's own handling: sent as an event, a key the view leaves
            // would travel up to this window again.
            static_cast<QObject*>(Shown())->event(e);
            return true;
        }
        if (FInput.Forward(e)) return true;
        return QWidget::event(e);
    }

    void resizeEvent(QResizeEvent*) override {
        Report->setGeometry(rect());
        Icons->setGeometry(rect());
    }

    // A selection hidden without the focus shows and goes with it.
    void focusInEvent(QFocusEvent* e) override {
        QWidget::focusInEvent(e);
        Shown()->viewport()->update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QWidget::focusOutEvent(e);
        Shown()->viewport()->update();
    }

private:
    void Notify(NMHDR* hdr) {
        DeliverMessage(hdr->hwndFrom, CN_NOTIFY, 0, reinterpret_cast<intptr_t>(hdr));
    }

    void NotifySelection(const QItemSelection& selection, uint32_t now, uint32_t before) {
        if (Quiet) return;
        std::vector<int> rows;
        for (const QModelIndex& index : selection.indexes())
            if (index.column() == 0) rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        for (int row : rows) {
            NMLISTVIEW nm{{HwndOf(this), 0, LVN_ITEMCHANGED}, row, 0, now, before};
            Notify(&nm.hdr);
        }
    }

    TPartInput FInput;
};

TListDelegate::TListDelegate(TListViewWidget* owner) : QStyledItemDelegate(owner), FOwner(owner) {}

void TListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    const bool report = FOwner->Style.ViewStyle == 3;
    if (report && !FOwner->Style.RowSelect && index.column() > 0)
        opt.state &= ~QStyle::State_Selected;
    // Without the focus the selection is not shown, unless the view keeps it shown.
    if (FOwner->Style.HideSelection && !FOwner->HasFocusWithin())
        opt.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, opt, index);
    if (report && FOwner->Style.GridLines) {
        painter->save();
        painter->setPen(QColor(0xC0, 0xC0, 0xC0));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
}

QWidget* TListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    if (index.column() != 0) return nullptr;
    auto* editor = new TLabelEditor(parent, const_cast<TListDelegate*>(this));
    editor->setFrame(true);
    // A child window like the platform's edit box, announced to the list view.
    AdoptWidget(editor);
    return editor;
}

TListViewWidget* WidgetFor(HWND wnd) {
    return dynamic_cast<TListViewWidget*>(WidgetOf(wnd));
}

struct TQuiet {
    explicit TQuiet(TListViewWidget* w) : W(w), Was(w->Quiet) { W->Quiet = true; }
    ~TQuiet() { W->Quiet = Was; }
    TQuiet(const TQuiet&) = delete;
    TQuiet& operator=(const TQuiet&) = delete;
    TListViewWidget* W;
    bool Was;
};

TRect ToRect(const QRect& r) {
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}
} // namespace

const char* ListViewWindowClass() {
    static const char* name = [] {
        RegisterWindowClass({"ZkListView",
                             [](QWidget* parent) { return new TListViewWidget(parent); }, nullptr,
                             nullptr, &WantsCharacters});
        return "ZkListView";
    }();
    return name;
}

void ListViewCreateHeader(HWND wnd) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w) return;
    if (HwndOf(w->Header())) w->NewHeader();
    AdoptWidget(w->Header());
}

HWND ListViewHeader(HWND wnd) {
    TListViewWidget* w = WidgetFor(wnd);
    return w ? HwndOf(w->Header()) : nullptr;
}

void ListViewSetStyle(HWND wnd, const TLVStyle& style) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    w->Style = style;
    w->ApplyStyle();
}

void ListViewSetColors(HWND wnd, TColor color, TColor textColor) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w) return;
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(w->Report), static_cast<QAbstractItemView*>(w->Icons)}) {
        QPalette pal = view->palette();
        pal.setColor(QPalette::Base, ToQColor(color));
        pal.setColor(QPalette::Text, ToQColor(textColor));
        view->setPalette(pal);
    }
}

void ListViewSetColumns(HWND wnd, const std::vector<TLVColumnInfo>& columns) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    const int before = w->Model->columnCount();
    w->Columns = columns;
    const int after = std::max(static_cast<int>(columns.size()), 1);
    if (after > before) {
        // New columns get editable-free empty cells in every row.
        w->Model->setColumnCount(after);
        for (int row = 0; row < w->Model->rowCount(); ++row)
            for (int col = before; col < after; ++col) {
                auto* item = new QStandardItem;
                item->setEditable(false);
                w->Model->setItem(row, col, item);
            }
    }
    w->ApplyColumns();
}

void ListViewInsertItem(HWND wnd, int index, const std::vector<std::string>& texts) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    w->Model->insertRow(index, w->MakeRow(texts));
}

void ListViewSetItem(HWND wnd, int index, const std::vector<std::string>& texts) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w || index < 0 || index >= w->Model->rowCount()) return;
    TQuiet quiet(w);
    for (int col = 0; col < w->Model->columnCount(); ++col) {
        const std::string text =
            col < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(col)] : std::string();
        if (QStandardItem* item = w->Model->item(index, col))
            item->setText(QString::fromStdString(text));
    }
}

void ListViewDeleteItem(HWND wnd, int index) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w || index < 0 || index >= w->Model->rowCount()) return;
    TQuiet quiet(w);
    w->Model->removeRow(index);
}

void ListViewClear(HWND wnd) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w) return;
    TQuiet quiet(w);
    w->Model->removeRows(0, w->Model->rowCount());
}

void ListViewSetSelected(HWND wnd, int index, bool selected) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w || index < 0 || index >= w->Model->rowCount()) return;
    TQuiet quiet(w);
    QItemSelectionModel* sel = w->Report->selectionModel();
    const QModelIndex item = w->Model->index(index, 0);
    const auto rows = QItemSelectionModel::Rows;
    if (selected) {
        sel->select(item, QItemSelectionModel::Select | rows);
        sel->setCurrentIndex(item, QItemSelectionModel::NoUpdate);
    } else {
        sel->select(item, QItemSelectionModel::Deselect | rows);
    }
}

void ListViewEditCaption(HWND wnd, int index) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w || index < 0 || index >= w->Model->rowCount() || w->Style.ReadOnly) return;
    QAbstractItemView* view = w->Shown();
    const QModelIndex item = w->Model->index(index, 0);
    view->setCurrentIndex(item);
    view->edit(item);
}

int ListViewItemAt(HWND wnd, TPoint point) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w) return -1;
    QAbstractItemView* view = w->Shown();
    const QPoint p = view->viewport()->mapFrom(w, QPoint(point.X, point.Y));
    if (!view->viewport()->rect().contains(p)) return -1;
    const QModelIndex index = view->indexAt(p);
    return index.isValid() ? index.row() : -1;
}

TRect ListViewItemRect(HWND wnd, int index) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w || index < 0 || index >= w->Model->rowCount()) return {};
    QAbstractItemView* view = w->Shown();
    QRect r = view->visualRect(w->Model->index(index, 0));
    r = r.intersected(view->viewport()->rect());
    if (r.isEmpty()) return {};
    return ToRect(QRect(view->viewport()->mapTo(w, r.topLeft()), r.size()));
}

TRect ListViewHeaderRect(HWND wnd, int column) {
    TListViewWidget* w = WidgetFor(wnd);
    if (!w || w->Style.ViewStyle != 3 || w->Report->isHeaderHidden()) return {};
    QHeaderView* header = w->Header();
    if (column < 0 || column >= header->count()) return {};
    const QRect r(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                  header->height());
    return ToRect(QRect(header->viewport()->mapTo(w, r.topLeft()), r.size()));
}
