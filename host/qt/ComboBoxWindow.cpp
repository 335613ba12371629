// The COMBOBOX window class: a QComboBox that answers the combo box messages, switches between
// an edit field over a list that drops down, an edit field over a list always shown
// (CBS_SIMPLE) and a closed list box without losing its items, reports what the user does
// (CBN_*) and, when owner-drawn, has its control draw the rows of the list and the closed box.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>

#include <cstring>

#include "host/qt/LineEdit_p.h"
#include "host/qt/PartInput_p.h"
#include "host/qt/StdWidgets_p.h"
#include "host/qt/Window_p.h"

namespace {
class TComboBoxWidget : public QComboBox {
public:
    explicit TComboBoxWidget(QWidget* parent) : QComboBox(parent), FInner(this) {
        // Enter in the field is the form's, and never adds the text as an item.
        setInsertPolicy(NoInsert);
        setItemDelegate(new TItemDelegate(this, [this] { return Rows(); }));
        connect(this, &QComboBox::activated, this, [this] { NotifyControl(this, CBN_SELCHANGE); });
        connect(this, &QComboBox::currentIndexChanged, this, [this] { FollowCurrent(); });
    }
    ~TComboBoxWidget() override {
        if (FWatching) view()->window()->removeEventFilter(this);
    }
    TComboBoxWidget(const TComboBoxWidget&) = delete;
    TComboBoxWidget& operator=(const TComboBoxWidget&) = delete;

    TItemDelegate::TRows Rows() const {
        TItemDelegate::TRows rows;
        rows.Owner = const_cast<TComboBoxWidget*>(this);
        rows.CtlType = ODT_COMBOBOX;
        rows.OwnerDraw = OwnerDraw();
        rows.Variable = WindowStyleOf(this) & CBS_OWNERDRAWVARIABLE;
        rows.Height = FRowHeight;
        return rows;
    }

    bool OwnerDraw() const {
        return WindowStyleOf(this) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
    }
    bool Simple() const { return (WindowStyleOf(this) & 0x3) == CBS_SIMPLE; }
    /// The list a simple combo box shows under its field, or null.
    QListView* SimpleList() const { return FList; }

    /// Applies the style: an edit field for CBS_DROPDOWN and CBS_SIMPLE, a closed list box for
    /// CBS_DROPDOWNLIST. The items and the current item stay.
    void ApplyStyle() {
        const uint32_t kind = WindowStyleOf(this) & 0x3;
        const bool editable = kind == CBS_DROPDOWN || kind == CBS_SIMPLE;
        if (editable != isEditable()) {
            const TSilence silence(this);
            const int index = currentIndex();
            const QString text = currentText();
            if (editable) {
                auto* field = new TLineEdit(this);
                field->setPalette(palette());
                field->SetLimit(FLimit);
                setLineEdit(field);
                connect(field, &QLineEdit::textEdited, this, [this](const QString& typed) {
                    HighlightTyped(typed);
                    NotifyControl(this, CBN_EDITCHANGE);
                });
                if (index < 0) setEditText(text);
            } else {
                setEditable(false);
            }
            setCurrentIndex(index);
        }
        if (Simple() && !FList) MakeSimpleList();
        if (FList) FList->setVisible(Simple());
        LayOutSimple();
        FInner.Seal();
        update();
    }

    void SetRowHeight(int height) {
        if (height <= 0 || height == FRowHeight) return;
        FRowHeight = height;
        view()->doItemsLayout();
    }
    int RowHeight() const { return FRowHeight; }
    void SetLimit(int limit) {
        FLimit = limit;
        if (Field()) Field()->SetLimit(limit);
    }
    /// The edit field, or null for a closed list box.
    TLineEdit* Field() const { return static_cast<TLineEdit*>(lineEdit()); }
    bool Dropped() const {
        const QWidget* popup = view()->window();
        return popup != window() && popup->isVisible();
    }

    /// Inserts or removes items without the side effects a QComboBox has and a combo box of
    /// the window system has not: the current item and the text of the field stay.
    template <class F> void KeepingSelection(F change, int removed = -1) {
        const TSilence silence(this);
        const int index = currentIndex();
        const QString text = currentText();
        change();
        if (index < 0 || index == removed) {
            setCurrentIndex(-1);
            if (isEditable()) setEditText(text);
        } else {
            setCurrentIndex(removed >= 0 && removed < index ? index - 1 : index);
        }
    }

    void showPopup() override {
        // A simple combo box's list is always there and never drops down.
        if (Simple()) return;
        // Before the list opens, so that OnDropDown may still fill it.
        if (HWND wnd = HwndOf(this)) {
            DeliverMessage(wnd, CN_COMMAND, MakeLong(0, CBN_DROPDOWN),
                           reinterpret_cast<intptr_t>(wnd));
            // The list takes the mouse now, as the window system's drop-down list does.
            if (GetCapture() == wnd) ReleaseCapture();
        }
        QComboBox::showPopup();
        QWidget* popup = view()->window();
        if (popup != window() && !FWatching) {
            popup->installEventFilter(this);
            FWatching = true;
        }
    }

protected:
    bool event(QEvent* e) override {
        if (FInner.Forward(e)) return true;
        if (e->type() == QEvent::ChildPolished) FInner.Seal();
        return QComboBox::event(e);
    }

    void resizeEvent(QResizeEvent* e) override {
        QComboBox::resizeEvent(e);
        LayOutSimple();
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        // Qt lays the field out over the whole box whenever it likes; a simple one keeps it on
        // top.
        if (watched == lineEdit() && (e->type() == QEvent::Move || e->type() == QEvent::Resize))
            LayOutSimple();
        // However the list closes (a pick, Esc, a click elsewhere), the control hears of it.
        if (e->type() == QEvent::Hide && watched == view()->window())
            NotifyControl(this, CBN_CLOSEUP);
        return QComboBox::eventFilter(watched, e);
    }

    void paintEvent(QPaintEvent* e) override {
        if (Simple()) {
            // The field's frame; no button, and the list paints itself below.
            QStylePainter painter(this);
            QStyleOptionFrame frame;
            frame.initFrom(this);
            frame.rect = FieldRect();
            frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
            frame.midLineWidth = 0;
            frame.state |= QStyle::State_Sunken;
            painter.fillRect(rect(), palette().window());
            painter.drawPrimitive(QStyle::PE_PanelLineEdit, frame);
            return;
        }
        if (!OwnerDraw() || isEditable()) {
            QComboBox::paintEvent(e);
            return;
        }
        // The frame and the button as usual; the field is the control's to draw.
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        uint32_t state = ODS_COMBOBOXEDIT;
        if (hasFocus() && !Dropped()) state |= ODS_SELECTED | ODS_FOCUS;
        if (!isEnabled()) state |= ODS_DISABLED;
        const int index = currentIndex();
        const intptr_t data = index >= 0 ? itemData(index).value<qintptr>() : 0;
        DrawOwnerItem(this, &painter, field, field, ODT_COMBOBOX, index, state, data);
    }

private:
    /// The field of a simple combo box: a line of the font and the frame, as a closed box is.
    QRect FieldRect() const {
        return {0, 0, width(), std::min(height(), fontMetrics().height() + 8)};
    }

    void MakeSimpleList() {
        FList = new QListView(this);
        FList->setModel(model());
        FList->setItemDelegate(itemDelegate());
        FList->setUniformItemSizes(true);
        FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
        FList->setSelectionMode(QAbstractItemView::SingleSelection);
        FList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        TPartInput::MakePart(FList);
        // A pick in the list is the user's choice of an item, as one in a dropped list is.
        connect(FList, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
            if (!index.isValid() || index.row() == currentIndex()) return;
            setCurrentIndex(index.row());
            if (lineEdit()) lineEdit()->selectAll();
            NotifyControl(this, CBN_SELCHANGE);
        });
        FollowCurrent();
    }

    void LayOutSimple() {
        if (!Simple() || FLaying) return;
        FLaying = true;
        const QRect field = FieldRect();
        const int inset = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 1;
        if (QLineEdit* edit = lineEdit()) {
            edit->installEventFilter(this);
            const QRect inner = field.adjusted(inset, inset, -inset, -inset);
            if (edit->geometry() != inner) edit->setGeometry(inner);
        }
        if (FList) FList->setGeometry(0, field.bottom() + 1, width(), height() - field.height());
        FLaying = false;
    }

    /// As the user types, a simple combo box's list highlights the first item that starts with
    /// the field's text, whatever the letter case; the current item stays as it is.
    void HighlightTyped(const QString& typed) {
        if (!FList || !Simple()) return;
        int row = -1;
        for (int i = 0; i < count() && !typed.isEmpty() && row < 0; ++i)
            if (itemText(i).startsWith(typed, Qt::CaseInsensitive)) row = i;
        if (row < 0) {
            FList->selectionModel()->clear();
            return;
        }
        const QModelIndex index = model()->index(row, modelColumn());
        FList->setCurrentIndex(index);
        FList->scrollTo(index);
    }

    /// The list's current row is the combo box's current item.
    void FollowCurrent() {
        if (!FList) return;
        const QModelIndex index = model()->index(currentIndex(), modelColumn());
        if (index.isValid())
            FList->setCurrentIndex(index);
        else
            FList->selectionModel()->clear();
    }

    TPartInput FInner;
    QListView* FList = nullptr;
    bool FLaying = false;
    int FRowHeight = 16;
    int FLimit = 0;
    bool FWatching = false;
};

QString TextOf(intptr_t text) {
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString();
}

bool ComboBoxMessage(QWidget* w, uint32_t msg, intptr_t wp, intptr_t lp, intptr_t& result) {
    auto* combo = static_cast<TComboBoxWidget*>(w);
    const int count = combo->count();
    const auto index = static_cast<int>(wp);
    const bool valid = index >= 0 && index < count;
    switch (msg) {
    case WM_STYLECHANGED:
        combo->ApplyStyle();
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTCHARS | DLGC_WANTARROWS;
        return true;
    case CB_RESETCONTENT:
        combo->KeepingSelection([combo] { combo->clear(); });
        return true;
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
        const int at = msg == CB_ADDSTRING || index < 0 || index > count ? count : index;
        combo->KeepingSelection([&] { combo->insertItem(at, TextOf(lp)); });
        result = at;
        return true;
    }
    case CB_DELETESTRING:
        if (!valid) {
            result = CB_ERR;
            return true;
        }
        combo->KeepingSelection([&] { combo->removeItem(index); }, index);
        result = combo->count();
        return true;
    case CB_GETCOUNT:
        result = count;
        return true;
    case CB_GETLBTEXTLEN:
    case CB_GETLBTEXT: {
        if (!valid) {
            result = CB_ERR;
            return true;
        }
        const QByteArray text = combo->itemText(index).toUtf8();
        if (msg == CB_GETLBTEXT && lp) {
            std::memcpy(reinterpret_cast<char*>(lp), text.constData(),
                        static_cast<size_t>(text.size()));
            reinterpret_cast<char*>(lp)[text.size()] = 0;
        }
        result = text.size();
        return true;
    }
    case CB_SETITEMDATA:
        if (valid) combo->setItemData(index, QVariant::fromValue<qintptr>(lp), Qt::UserRole);
        result = valid ? 0 : CB_ERR;
        return true;
    case CB_GETITEMDATA:
        result = valid ? combo->itemData(index, Qt::UserRole).value<qintptr>() : CB_ERR;
        return true;
    case CB_SETCURSEL: {
        const TSilence silence(combo);
        combo->setCurrentIndex(valid ? index : -1);
        result = valid ? index : CB_ERR;
        return true;
    }
    case CB_GETCURSEL:
        result = combo->currentIndex();
        return true;
    case CB_SHOWDROPDOWN:
        if (wp && !combo->Dropped())
            combo->showPopup();
        else if (!wp && combo->Dropped())
            combo->hidePopup();
        result = 1;
        return true;
    case CB_GETDROPPEDSTATE:
        result = combo->Dropped();
        return true;
    case CB_SETMINVISIBLE:
        combo->setMaxVisibleItems(std::max(index, 1));
        result = 1;
        return true;
    case CB_GETMINVISIBLE:
        result = combo->maxVisibleItems();
        return true;
    case CB_SETITEMHEIGHT:
        // The field's height (WParam -1) is the widget's own business.
        if (index >= 0) combo->SetRowHeight(static_cast<int>(lp));
        return true;
    case CB_GETITEMHEIGHT:
        result = combo->RowHeight();
        return true;
    case CB_LIMITTEXT:
        combo->SetLimit(index);
        result = 1;
        return true;
    case CB_GETEDITSEL: {
        QLineEdit* edit = combo->lineEdit();
        const int start = !edit                     ? 0
                          : edit->hasSelectedText() ? edit->selectionStart()
                                                    : edit->cursorPosition();
        const int end = !edit                     ? 0
                        : edit->hasSelectedText() ? edit->selectionEnd()
                                                  : edit->cursorPosition();
        if (wp) *reinterpret_cast<int*>(wp) = start;
        if (lp) *reinterpret_cast<int*>(lp) = end;
        result = MakeLong(start, end);
        return true;
    }
    case CB_SETEDITSEL: {
        QLineEdit* edit = combo->lineEdit();
        result = edit ? 1 : CB_ERR;
        if (!edit) return true;
        const auto start = static_cast<int16_t>(LoWord(lp));
        const auto end = static_cast<int16_t>(HiWord(lp));
        const int length = static_cast<int>(edit->text().size());
        if (start < 0) {
            edit->deselect();
            return true;
        }
        const int to = end < 0 || end > length ? length : end;
        edit->setSelection(std::min<int>(start, length), to - std::min<int>(start, length));
        return true;
    }
    case EM_GETSELTEXT: {
        const QByteArray text =
            combo->lineEdit() ? combo->lineEdit()->selectedText().toUtf8() : QByteArray();
        if (lp) {
            std::memcpy(reinterpret_cast<char*>(lp), text.constData(),
                        static_cast<size_t>(text.size()));
            reinterpret_cast<char*>(lp)[text.size()] = 0;
        }
        result = text.size();
        return true;
    }
    case EM_REPLACESEL:
        if (combo->Field()) {
            const TSilence silence(combo);
            combo->Field()->InsertAsTyped(TextOf(lp));
        }
        return true;
    // The clipboard messages are the field's.
    case WM_CUT:
        if (combo->Field()) combo->Field()->cut();
        return true;
    case WM_COPY:
        if (combo->Field()) combo->Field()->copy();
        return true;
    case WM_PASTE:
        if (combo->Field()) combo->Field()->PasteClipboard();
        return true;
    case WM_CLEAR:
        if (combo->Field()) combo->Field()->InsertAsTyped(QString());
        return true;
    default:
        return false;
    }
}

void SetComboText(QWidget* w, const QString& text) {
    auto* combo = static_cast<TComboBoxWidget*>(w);
    const TSilence silence(combo);
    if (combo->isEditable()) {
        combo->setEditText(text);
        return;
    }
    // A closed list box shows an item or nothing: the text picks the item.
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
}

const bool gComboBoxClassRegistered = [] {
    RegisterWindowClass(
        {"COMBOBOX", [](QWidget* parent) { return new TComboBoxWidget(parent); }, SetComboText,
         [](const QWidget* w) { return static_cast<const QComboBox*>(w)->currentText(); },
         ComboBoxMessage});
    return true;
}();
} // namespace
