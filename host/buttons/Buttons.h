#pragma once
// Speed buttons: buttons without windows, with a glyph and caption, that can stay down as a
// group.

#include "host/controls/Controls.h"
#include "host/graphics/Graphics.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
ZK_DECLARE_TYPEINFO(TButtonLayout)
ZK_DECLARE_TYPEINFO(TButtonState)

/// Where a button's glyph and caption go in its client rectangle.
struct TButtonLayoutResult {
    TPoint GlyphPos;
    TRect TextBounds;
    bool operator==(const TButtonLayoutResult&) const = default;
};
/// Lays a glyph of GlyphSize and a caption of TextSize out in Client: the glyph on the side
/// Layout names, Margin pixels from the edge (-1: the pair centred), Spacing pixels between
/// them (-1: as much as the margin, or the room left split evenly).
TButtonLayoutResult CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize,
                                     TButtonLayout Layout, int Margin, int Spacing);

/// A button without a window that shows a glyph and a caption. With a GroupIndex it stays down
/// once clicked, and the speed buttons of the same group under the same parent release it.
class TSpeedButton : public TGraphicControl {
    ZK_CLASS(TSpeedButton, TGraphicControl)
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    /// Whether the button of a group can be released by clicking it again, leaving the group
    /// with no button down. Applies to the whole group.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    /// Down stays only in a group; a button that is down and cannot go up without AllowAllUp
    /// stays down. Going down releases the other buttons of the group.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    /// The glyph: NumGlyphs images side by side, for the up, disabled, down and held states.
    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    /// How the button looks now: up, pressed, or held down.
    TButtonState State() const { return FState; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    /// The caption's accelerator clicks the button.
    void CMDialogChar(TWMKey& Message) override;

private:
    /// Tells the buttons of the group under the same parent that this one went down (or that
    /// AllowAllUp changed).
    void UpdateExclusive();
    void ButtonPressed(int Group, TSpeedButton* Sender);
    void GlyphChanged(TObject* Sender);
    void DrawGlyph(TCanvas* Canvas, TPoint Pos);

    bool FAllowAllUp = false;
    bool FDown = false;
    bool FFlat = false;
    bool FDragging = false;
    int FGroupIndex = 0;
    TBitmap* FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonState FState = bsUp;
};
