// TCustomListControl: what list boxes and combo boxes share, owner drawing among it.

#include "StdCtrls.h"

intptr_t TCustomListControl::SendToWindow(uint32_t Msg, intptr_t WParam, intptr_t LParam) const {
    if (!HandleAllocated()) return 0;
    return SendMessage(const_cast<TCustomListControl*>(this)->Handle(), Msg, WParam, LParam);
}

void TCustomListControl::MoveSelection(TCustomListControl* Destination) {
    CopySelection(Destination);
    DeleteSelected();
}

void TCustomListControl::PaintOwnerDrawItem(TMessage& Message, TCanvas* Canvas) {
    auto* item = reinterpret_cast<TDrawItemStruct*>(Message.LParam);
    if (!item || !item->hDC) return;
    const TOwnerDrawState state = TOwnerDrawState::FromBits(item->itemState);
    Canvas->SetHandle(item->hDC);
    try {
        Canvas->Font()->Assign(Font());
        Canvas->Brush()->Assign(Brush());
        if (state.Contains(odSelected)) {
            Canvas->Brush()->SetColor(clHighlight);
            Canvas->Font()->SetColor(clHighlightText);
        }
        if (item->itemID >= 0)
            DrawItem(item->itemID, item->rcItem, state);
        else
            Canvas->FillRect(item->rcItem);
    } catch (...) {
        Canvas->SetHandle(nullptr);
        throw;
    }
    Canvas->SetHandle(nullptr);
    // The canvas keeps the control's font for measuring between drawings.
    Canvas->Font()->Assign(Font());
    Message.Result = 1;
}
