#pragma once
// Panels: containers framed by raised or lowered three-dimensional edges, with a caption.

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"

using TPanelBevel = TBevelCut;
using TBevelWidth = int32_t;
using TBorderWidth = int32_t;

/// A panel: a container that paints its bevels, border and caption on its canvas.
class TCustomPanel : public TCustomControl {
    ZK_CLASS(TCustomPanel, TCustomControl)
    explicit TCustomPanel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TBevelWidth BevelWidth() const { return FBevelWidth; }
    /// At least 1.
    void SetBevelWidth(TBevelWidth Value);
    TBorderWidth BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(TBorderWidth Value);
    /// bsSingle puts a sunken two-pixel edge around the client area.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    /// Whether a size change repaints the whole panel (the caption moves with the centre).
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool Value) { FFullRepaint = Value; }
    /// Whether the parent's background (its colour and whatever it paints) shows through the
    /// panel, which then draws only its edges and caption; false fills it with Color.
    bool ParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool Value);

    /// The area inside the border edge.
    TRect ClientRect() const override;
    /// Aligned children go inside the border width and the bevels.
    void AdjustClientRect(TRect& Rect) const override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WMSize(TWMSize& Message) override;
    void WMEraseBkgnd(TWMEraseBkgnd& Message) override;

private:
    int BorderEdge() const { return FBorderStyle == bsSingle ? 2 : 0; }

    TAlignment FAlignment = taCenter;
    TPanelBevel FBevelInner = bvNone;
    TPanelBevel FBevelOuter = bvRaised;
    TBevelWidth FBevelWidth = 1;
    TBorderWidth FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    bool FFullRepaint = true;
    bool FParentBackground = true;
};

/// The panel of the component palette, with its properties published.
class TPanel : public TCustomPanel {
    ZK_CLASS(TPanel, TCustomPanel)
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
