// Class references and published properties of the bars; their registration.

#include "host/comctrls/ComCtrls.h"
#include "host/graphics/ImgList.h"
#include "host/menus/Menus.h"

ZK_ENUM_TYPEINFO(TStatusPanelStyle, "psText", "psOwnerDraw")
ZK_ENUM_TYPEINFO(TStatusPanelBevel, "pbNone", "pbLowered", "pbRaised")
ZK_ENUM_TYPEINFO(TToolButtonStyle, "tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator",
                 "tbsDivider")
ZK_ENUM_TYPEINFO(TPageScrollerOrientation, "soHorizontal", "soVertical")

const TTypeInfo* TypeInfoFor(const TDrawPanelEvent*) {
    static const TTypeInfo* info = MakeTypeInfo(tkMethod, "TDrawPanelEvent");
    return info;
}

namespace {
/// Bars are button-face coloured rather than taking their parent's colour.
void PublishBarLooks(TPublisher& p, TAlign align) {
    p.Prop("Align", &TControl::Align, &TControl::SetAlign).Default(align);
    p.Prop("Color", TypeInfos::TColor(), &TControl::Color, &TControl::SetColor)
        .Default(clBtnFace)
        .Stored(&TControl::IsColorStored);
    p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(0);
}

void PublishStatusPanel(TPublisher& p) {
    p.Prop("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
        .Default(taLeftJustify);
    p.Prop("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
    p.Prop("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
    p.Prop("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    p.Prop("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
}

void PublishStatusBar(TPublisher& p) {
    PublishBarLooks(p, alBottom);
    p.Prop("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    p.Prop("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(0);
    p.Prop("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    p.Prop("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(1);
    p.Prop("OnDrawPanel", &TStatusBar::OnDrawPanel, &TStatusBar::OnDrawPanel);
}

void PublishToolButton(TPublisher& p) {
    p.Prop("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(0);
    p.Prop("Caption", TypeInfos::TCaption(), &TToolButton::Caption, &TToolButton::SetCaption);
    p.Prop("Down", &TToolButton::Down, &TToolButton::SetDown).Default(0);
    p.Prop("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu);
    p.Prop("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(0);
    p.Prop("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1);
    p.Prop("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton);
    p.Prop("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap).Default(0);
}

void PublishToolBar(TPublisher& p) {
    PublishBarLooks(p, alTop);
    p.Prop("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22);
    p.Prop("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23);
    p.Prop("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(0);
    p.Prop("Images", &TToolBar::Images, &TToolBar::SetImages);
    p.Prop("Indent", &TToolBar::Indent, &TToolBar::SetIndent).Default(0);
    p.Prop("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(0);
    p.Prop("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(1);
}

void PublishCoolBand(TPublisher& p) {
    p.Prop("Break", &TCoolBand::Break, &TCoolBand::SetBreak).Default(1);
    p.Prop("Control", &TCoolBand::Control, &TCoolBand::SetControl);
    p.Prop("FixedSize", &TCoolBand::FixedSize, &TCoolBand::SetFixedSize).Default(0);
    p.Prop("MinHeight", &TCoolBand::MinHeight, &TCoolBand::SetMinHeight).Default(25);
    p.Prop("MinWidth", &TCoolBand::MinWidth, &TCoolBand::SetMinWidth).Default(0);
    p.Prop("Text", &TCoolBand::Text, &TCoolBand::SetText);
    p.Prop("Visible", &TCoolBand::Visible, &TCoolBand::SetVisible).Default(1);
    p.Prop("Width", &TCoolBand::Width, &TCoolBand::SetWidth);
}

void PublishCoolBar(TPublisher& p) {
    PublishBarLooks(p, alTop);
    p.Prop("AutoSize", &TCoolBar::AutoSize, &TCoolBar::SetAutoSize).Default(0);
    p.Prop("Bands", &TCoolBar::Bands, &TCoolBar::SetBands);
    p.Prop("FixedSize", &TCoolBar::FixedSize, &TCoolBar::SetFixedSize).Default(0);
    p.Prop("ShowText", &TCoolBar::ShowText, &TCoolBar::SetShowText).Default(1);
}

void PublishPageScroller(TPublisher& p) {
    p.Prop("Color", TypeInfos::TColor(), &TControl::Color, &TControl::SetColor)
        .Default(clBtnFace)
        .Stored(&TControl::IsColorStored);
    p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(0);
    p.Prop("ButtonSize", &TPageScroller::ButtonSize, &TPageScroller::SetButtonSize).Default(12);
    p.Prop("Control", &TPageScroller::Control, &TPageScroller::SetControl);
    p.Prop("Orientation", &TPageScroller::Orientation, &TPageScroller::SetOrientation)
        .Default(soHorizontal);
    p.Prop("Position", &TPageScroller::Position, &TPageScroller::SetPosition).Default(0);
    p.Prop("OnScroll", &TPageScroller::OnScroll, &TPageScroller::OnScroll);
}

// The stream reader finds the bar classes by name.
const bool gComCtrlsRegistered = [] {
    RegisterClasses({TStatusBar::StaticClass(), TToolBar::StaticClass(), TToolButton::StaticClass(),
                     TCoolBar::StaticClass(), TPageScroller::StaticClass()});
    return true;
}();
} // namespace

ZK_IMPLEMENT_CLASS(TStatusPanel, TCollectionItem, PublishStatusPanel)
ZK_IMPLEMENT_CLASS(TStatusPanels, TCollection, nullptr)
ZK_IMPLEMENT_CLASS(TStatusBar, TWinControl, PublishStatusBar)
ZK_IMPLEMENT_CLASS(TToolButton, TGraphicControl, PublishToolButton)
ZK_IMPLEMENT_CLASS(TToolBar, TWinControl, PublishToolBar)
ZK_IMPLEMENT_CLASS(TCoolBand, TCollectionItem, PublishCoolBand)
ZK_IMPLEMENT_CLASS(TCoolBands, TCollection, nullptr)
ZK_IMPLEMENT_CLASS(TCoolBar, TWinControl, PublishCoolBar)
ZK_IMPLEMENT_CLASS(TPageScroller, TWinControl, PublishPageScroller)
