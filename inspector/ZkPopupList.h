#pragma once
// The value popup of the object inspector: a borderless stay-on-top window with one list.

#include "host/controls/Forms.h"
#include "host/stdctrls/StdCtrls.h"

/// The list of values that the inspector's value-list button opens under the selected row.
class TPopupListBox : public TForm {
    ZK_CLASS(TPopupListBox, TForm)
    /// Made without an owner whatever AOwner is: the inspector frees it itself.
    explicit TPopupListBox(TComponent* AOwner);

    /// The values; flat, of integral height and rows of height 11.
    TListBox* ListBox = nullptr;
};
