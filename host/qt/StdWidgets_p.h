#pragma once
// What the widgets behind the standard window classes share: notifications to their control,
// silence while a message (rather than the user) changes them, and owner drawing through
// CN_DRAWITEM. Their inner widgets take the mouse through TPartInput (PartInput_p.h).
// Private to host/.

#include <QStyledItemDelegate>
#include <QWidget>

#include <functional>

#include "host/stdctrls/StdCtrls.h"

/// Sends the notification code to the widget's window as CN_COMMAND, unless silenced.
void NotifyControl(QWidget* widget, uint16_t code);

/// Silences a widget's notifications while it changes at a message's request, as the platform's
/// controls notify only of the user's changes.
class TSilence {
public:
    explicit TSilence(QWidget* widget);
    ~TSilence();
    TSilence(const TSilence&) = delete;
    TSilence& operator=(const TSilence&) = delete;
    static bool Silenced(const QWidget* widget);

private:
    // By address, so that the entry goes even if the widget went meanwhile.
    const QWidget* FKey;
};

/// Asks the control of owner's window to draw an item into rect (owner's coordinates) through
/// CN_DRAWITEM; the drawing is then painted at target on painter. Without a control the item
/// is left undrawn.
void DrawOwnerItem(QWidget* owner, QPainter* painter, const QRect& target, const QRect& rect,
                   uint32_t ctlType, int index, uint32_t state, intptr_t data);
/// Asks the control of owner's window for the height of a variable owner-drawn item through
/// CN_MEASUREITEM; fallback when nobody answers.
int MeasureOwnerItem(QWidget* owner, uint32_t ctlType, int index, intptr_t data, int fallback);

/// The rows of list boxes and combo box lists: a set height, and owner drawing when the
/// window's style asks for it.
class TItemDelegate : public QStyledItemDelegate {
public:
    struct TRows {
        /// The widget whose window gets CN_DRAWITEM.
        QWidget* Owner = nullptr;
        uint32_t CtlType = ODT_LISTBOX;
        bool OwnerDraw = false;
        bool Variable = false;
        int Height = 16;
        /// Where the view's viewport lies in Owner, so that items are drawn in Owner's
        /// coordinates.
        QPoint Offset;
    };
    TItemDelegate(QObject* parent, std::function<TRows()> rows);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::function<TRows()> FRows;
};

/// Applies a control's colours to its widget: the background (the Base role of a field, the
/// Window role otherwise) and the text colour.
void ApplyWidgetColors(QWidget* widget, TColor background, TColor text, bool baseRole);
/// An edit's selection is drawn while it has the focus, or always with ES_NOHIDESEL; otherwise
/// the selection stays (EM_GETSEL still answers it) but shows in the field's own colours. Call
/// on focus changes, style changes, selection changes and palette changes (it changes the
/// palette only when the colours differ, so a palette change it makes ends there).
void UpdateSelectionColors(QWidget* edit);
/// Gives a framed widget the window system's border for its styles: the sunken edge of
/// WS_EX_CLIENTEDGE (two pixels), the line of WS_BORDER (one), or none.
void ApplyWindowFrame(class QFrame* frame, uint32_t style, uint32_t exStyle);

/// The styles the window was given, as GetWindowLong(GWL_STYLE) answers them.
uint32_t WindowStyleOf(const QWidget* widget);
