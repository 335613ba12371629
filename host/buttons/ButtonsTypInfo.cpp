// Class reference and published properties of the speed button; its registration.

#include "host/buttons/Buttons.h"

ZK_ENUM_TYPEINFO(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")
ZK_ENUM_TYPEINFO(TButtonState, "bsUp", "bsDisabled", "bsDown", "bsExclusive")

namespace {
void PublishSpeedButton(TPublisher& p) {
    p.Prop("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(0);
    p.Prop("Caption", TypeInfos::TCaption(), &TSpeedButton::Caption, &TSpeedButton::SetCaption);
    // GroupIndex before Down: a button outside a group cannot be down, so a stream read in
    // this order must give the group first.
    p.Prop("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    p.Prop("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(0);
    p.Prop("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(0);
    p.Prop("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    p.Prop("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
    p.Prop("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    p.Prop("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    p.Prop("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
}

// The stream reader finds the class by name.
const bool gButtonsRegistered = [] {
    RegisterClass(TSpeedButton::StaticClass());
    return true;
}();
} // namespace

ZK_IMPLEMENT_CLASS(TSpeedButton, TGraphicControl, PublishSpeedButton)
