#include "inspector/ZkPopupList.h"

ZK_IMPLEMENT_CLASS(TPopupListBox, TForm, nullptr)

TPopupListBox::TPopupListBox(TComponent*) : TForm(nullptr) {
    SetBorderStyle(bsNone);
    SetCaption("frPopupListBox");
    SetColor(clBtnFace);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    SetFormStyle(fsStayOnTop);
    SetBounds(188, 107, Width(), Height());
    SetClientSize(115, 63);
    ListBox = new TListBox(this);
    ListBox->SetParent(this);
    ListBox->SetCtl3D(false);
    ListBox->SetIntegralHeight(true);
    ListBox->SetItemHeight(11);
    ListBox->SetSorted(false);
}
