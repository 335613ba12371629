#pragma once
// Group boxes: a titled frame around related controls.

#include "host/controls/Controls.h"

/// A group box: a container whose window is a native group box that draws the frame and the
/// caption as its title; aligned children go inside the frame, below the title.
class TCustomGroupBox : public TCustomControl {
    ZK_CLASS(TCustomGroupBox, TCustomControl)
    explicit TCustomGroupBox(TComponent* AOwner);

    /// Below the title (one line of the font) and inside the two-pixel frame.
    void AdjustClientRect(TRect& Rect) const override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void CMFontChanged(TMessage& Message) override;
    /// Its caption's accelerator focuses its first child in the tab order.
    void CMDialogChar(TWMKey& Message) override;

private:
    /// The title's height, measured once per font: every alignment of the children asks.
    mutable int FTitleHeight = -1;
};

/// The group box of the component palette, with its properties published.
class TGroupBox : public TCustomGroupBox {
    ZK_CLASS(TGroupBox, TCustomGroupBox)
    explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};
