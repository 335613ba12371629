// Owner drawing: items of list boxes and combo boxes drawn by their control on its canvas, in
// answer to CN_DRAWITEM, into an image the widget then paints.

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>

#include "host/qt/Gdi_p.h"
#include "host/qt/StdWidgets_p.h"
#include "host/qt/Window_p.h"

void DrawOwnerItem(QWidget* owner, QPainter* painter, const QRect& target, const QRect& rect,
                   uint32_t ctlType, int index, uint32_t state, intptr_t data) {
    HWND wnd = HwndOf(owner);
    if (!wnd || rect.isEmpty()) return;
    // The control draws into an image of the item, with the item's own coordinates, so that
    // its canvas never meets the painter the widget paints with.
    QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(owner->palette().color(QPalette::Base));
    HDC dc = CreateDeviceContext(&image, -rect.topLeft());
    TDrawItemStruct item;
    item.CtlType = ctlType;
    item.itemID = index;
    item.itemState = state;
    item.hwndItem = wnd;
    item.hDC = dc;
    item.rcItem =
        Rect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
    item.itemData = data;
    DeliverMessage(wnd, CN_DRAWITEM, 0, reinterpret_cast<intptr_t>(&item));
    DestroyDeviceContext(dc);
    painter->drawImage(target.topLeft(), image);
}

int MeasureOwnerItem(QWidget* owner, uint32_t ctlType, int index, intptr_t data, int fallback) {
    HWND wnd = HwndOf(owner);
    if (!wnd) return fallback;
    TMeasureItemStruct item;
    item.CtlType = ctlType;
    item.itemID = index;
    item.itemHeight = static_cast<uint32_t>(fallback);
    item.itemData = data;
    DeliverMessage(wnd, CN_MEASUREITEM, 0, reinterpret_cast<intptr_t>(&item));
    return static_cast<int>(item.itemHeight);
}

// ---- TItemDelegate ----------------------------------------------------------------------------

TItemDelegate::TItemDelegate(QObject* parent, std::function<TRows()> rows)
    : QStyledItemDelegate(parent), FRows(std::move(rows)) {}

void TItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const TRows rows = FRows();
    if (!rows.OwnerDraw || !rows.Owner) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    uint32_t state = 0;
    if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
    if (!(option.state & QStyle::State_Enabled)) state |= ODS_DISABLED;
    const intptr_t data = index.data(Qt::UserRole).value<qintptr>();
    DrawOwnerItem(rows.Owner, painter, option.rect, option.rect.translated(rows.Offset),
                  rows.CtlType, index.row(), state, data);
}

QSize TItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const TRows rows = FRows();
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    int height = rows.Height;
    if (rows.OwnerDraw && rows.Variable && rows.Owner)
        height = MeasureOwnerItem(rows.Owner, rows.CtlType, index.row(),
                                  index.data(Qt::UserRole).value<qintptr>(), rows.Height);
    size.setHeight(height);
    return size;
}
