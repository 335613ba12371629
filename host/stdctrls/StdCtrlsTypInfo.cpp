// Class references, published properties and registration of the standard controls.

#include "host/stdctrls/StdCtrls.h"

ZK_ENUM_TYPEINFO(TTextLayout, "tlTop", "tlCenter", "tlBottom")
ZK_ENUM_TYPEINFO(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase")
ZK_ENUM_TYPEINFO(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")
ZK_ENUM_TYPEINFO(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable")
ZK_ENUM_TYPEINFO(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                 "csOwnerDrawVariable")
ZK_ENUM_TYPEINFO(TOwnerDrawStateFlag, "odSelected", "odGrayed", "odDisabled", "odChecked",
                 "odFocused", "odDefault", "odHotLight", "odInactive", "odNoAccel", "odNoFocusRect",
                 "odReserved1", "odReserved2", "odComboBoxEdit")
ZK_SET_TYPEINFO(TOwnerDrawState, TOwnerDrawStateFlag)

ZK_METHOD_TYPEINFO(TDrawItemEvent)
ZK_METHOD_TYPEINFO(TMeasureItemEvent)

namespace {
/// Controls that take the focus by Tab: the window colour, and a tab stop by default.
void PublishInputDefaults(TPublisher& p) {
    p.Redeclare("ParentColor").Default(0);
    p.Redeclare("TabStop").Default(1);
}

void PublishButton(TPublisher& p) {
    p.Redeclare("TabStop").Default(1);
    p.Prop("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(0);
    p.Prop("Caption", TypeInfos::TCaption(), &TButton::Caption, &TButton::SetCaption);
    p.Prop("Default", &TButton::Default, &TButton::SetDefault).Default(0);
    p.Prop("ModalResult", TypeInfos::TModalResult(), &TButton::ModalResult,
           &TButton::SetModalResult)
        .Default(mrNone);
}

void PublishCheckBox(TPublisher& p) {
    p.Redeclare("TabStop").Default(1);
    p.Prop("Alignment", TypeInfos::TLeftRight(), &TCheckBox::Alignment, &TCheckBox::SetAlignment)
        .Default(taRightJustify);
    p.Prop("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(0);
    p.Prop("Caption", TypeInfos::TCaption(), &TCheckBox::Caption, &TCheckBox::SetCaption);
    p.Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(0);
    p.Prop("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked);
}

void PublishRadioButton(TPublisher& p) {
    p.Prop("Alignment", TypeInfos::TLeftRight(), &TRadioButton::Alignment,
           &TRadioButton::SetAlignment)
        .Default(taRightJustify);
    p.Prop("Caption", TypeInfos::TCaption(), &TRadioButton::Caption, &TRadioButton::SetCaption);
    p.Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(0);
}

void PublishLabel(TPublisher& p) {
    p.Prop("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
    p.Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(1);
    p.Prop("Caption", TypeInfos::TCaption(), &TLabel::Caption, &TLabel::SetCaption);
    p.Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    p.Prop("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
    p.Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(1);
    p.Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(0);
    p.Prop("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(0);
}

/// What single- and multi-line edits both publish.
void PublishEditCommon(TPublisher& p) {
    PublishInputDefaults(p);
    p.Prop("BorderStyle", TypeInfos::TBorderStyle(), &TCustomEdit::BorderStyle,
           &TCustomEdit::SetBorderStyle)
        .Default(bsSingle);
    p.Prop("Ctl3D", &TCustomEdit::Ctl3D, &TCustomEdit::SetCtl3D).Default(1);
    p.Prop("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(1);
    p.Prop("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    p.Prop("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(0);
    p.Prop("OnChange", &TCustomEdit::OnChange, &TCustomEdit::OnChange);
}

void PublishEdit(TPublisher& p) {
    PublishEditCommon(p);
    p.Prop("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(1);
    p.Prop("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize).Default(1);
    p.Prop("CharCase", &TEdit::CharCase, &TEdit::SetCharCase).Default(ecNormal);
    p.Prop("PasswordChar", TypeInfos::Char(), &TEdit::PasswordChar, &TEdit::SetPasswordChar)
        .Default(0);
    p.Prop("Text", TypeInfos::TCaption(), &TEdit::Text, &TEdit::SetTextProp);
}

void PublishMemo(TPublisher& p) {
    PublishEditCommon(p);
    p.Prop("Alignment", &TMemo::Alignment, &TMemo::SetAlignment).Default(taLeftJustify);
    p.Prop("Lines", &TMemo::Lines, &TMemo::SetLines);
    p.Prop("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone);
    p.Prop("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(1);
    p.Prop("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(0);
    p.Prop("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(1);
}

void PublishListBox(TPublisher& p) {
    PublishInputDefaults(p);
    p.Prop("BorderStyle", TypeInfos::TBorderStyle(), &TListBox::BorderStyle,
           &TListBox::SetBorderStyle)
        .Default(bsSingle);
    p.Prop("Ctl3D", &TListBox::Ctl3D, &TListBox::SetCtl3D).Default(1);
    p.Prop("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(1);
    p.Prop("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight).Default(0);
    p.Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
        .Default(16)
        .Stored(&TListBox::ItemHeightStored);
    p.Prop("Items", &TListBox::Items, &TListBox::SetItems);
    p.Prop("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex).Default(-1);
    p.Prop("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(0);
    p.Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(0);
    p.Prop("Style", &TListBox::Style, &TListBox::SetStyle).Default(lbStandard);
    p.Prop("OnDrawItem", &TListBox::OnDrawItem, &TListBox::OnDrawItem);
    p.Prop("OnMeasureItem", &TListBox::OnMeasureItem, &TListBox::OnMeasureItem);
}

void PublishComboBox(TPublisher& p) {
    PublishInputDefaults(p);
    p.Prop("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown);
    p.Prop("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8);
    p.Prop("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight)
        .Default(16)
        .Stored(&TComboBox::ItemHeightStored);
    p.Prop("Items", &TComboBox::Items, &TComboBox::SetItems);
    p.Prop("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).Default(-1);
    p.Prop("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).Default(0);
    p.Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(0);
    p.Prop("Text", TypeInfos::TCaption(), &TComboBox::Text, &TComboBox::SetTextProp);
    p.Prop("OnChange", &TComboBox::OnChange, &TComboBox::OnChange);
    p.Prop("OnCloseUp", &TComboBox::OnCloseUp, &TComboBox::OnCloseUp);
    p.Prop("OnDrawItem", &TComboBox::OnDrawItem, &TComboBox::OnDrawItem);
    p.Prop("OnDropDown", &TComboBox::OnDropDown, &TComboBox::OnDropDown);
    p.Prop("OnMeasureItem", &TComboBox::OnMeasureItem, &TComboBox::OnMeasureItem);
    p.Prop("OnSelect", &TComboBox::OnSelect, &TComboBox::OnSelect);
}
} // namespace

ZK_IMPLEMENT_CLASS(TButtonControl, TWinControl, nullptr)
ZK_IMPLEMENT_CLASS(TButton, TButtonControl, PublishButton)
ZK_IMPLEMENT_CLASS(TCustomCheckBox, TButtonControl, nullptr)
ZK_IMPLEMENT_CLASS(TCheckBox, TCustomCheckBox, PublishCheckBox)
ZK_IMPLEMENT_CLASS(TRadioButton, TButtonControl, PublishRadioButton)
ZK_IMPLEMENT_CLASS(TCustomLabel, TGraphicControl, nullptr)
ZK_IMPLEMENT_CLASS(TLabel, TCustomLabel, PublishLabel)
ZK_IMPLEMENT_CLASS(TCustomEdit, TWinControl, nullptr)
ZK_IMPLEMENT_CLASS(TEdit, TCustomEdit, PublishEdit)
ZK_IMPLEMENT_CLASS(TMemoStrings, TStrings, nullptr)
ZK_IMPLEMENT_CLASS(TCustomMemo, TCustomEdit, nullptr)
ZK_IMPLEMENT_CLASS(TMemo, TCustomMemo, PublishMemo)
ZK_IMPLEMENT_CLASS(TCustomListControl, TWinControl, nullptr)
ZK_IMPLEMENT_CLASS(TListControlItems, TStrings, nullptr)
ZK_IMPLEMENT_CLASS(TCustomListBox, TCustomListControl, nullptr)
ZK_IMPLEMENT_CLASS(TListBox, TCustomListBox, PublishListBox)
ZK_IMPLEMENT_CLASS(TCustomCombo, TCustomListControl, nullptr)
ZK_IMPLEMENT_CLASS(TCustomComboBox, TCustomCombo, nullptr)
ZK_IMPLEMENT_CLASS(TComboBox, TCustomComboBox, PublishComboBox)

namespace {
// The stream reader finds the standard controls by name.
const bool gStdControlsRegistered = [] {
    RegisterClasses({TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
                     TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
                     TListBox::StaticClass(), TComboBox::StaticClass()});
    return true;
}();
} // namespace
