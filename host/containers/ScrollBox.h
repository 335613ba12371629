#pragma once
// Scrolling containers: a client area larger than the window, scrolled by two scroll bars that
// move the children.

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
using TScrollBarInc = int32_t;

ZK_DECLARE_TYPEINFO(TScrollBarKind)

class TScrollingWinControl;

/// One scroll bar of a scrolling control: the size of the area it scrolls (Range), where the view
/// stands in it (Position), and how far an arrow moves it (Increment). Changing the position
/// moves the control's children.
class TControlScrollBar : public TPersistent {
    ZK_CLASS(TControlScrollBar, TPersistent)
    TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind);

    void Assign(TPersistent* Source) override;
    std::string GetNamePath() const override;

    TScrollBarKind Kind() const { return FKind; }
    /// The step of the arrows, 1 or more.
    TScrollBarInc Increment() const { return FIncrement; }
    void SetIncrement(TScrollBarInc Value);
    /// Space kept after the farthest child when the range is computed.
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    /// Where the view stands, 0 up to Range less the client size; setting it scrolls.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    /// The size of the scrolled area; setting it turns the control's AutoScroll off.
    int Range() const { return FRange; }
    void SetRange(int Value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value) { FSmooth = Value; }
    /// Whether the children follow the thumb while it is dragged, or only when it is released.
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value);
    /// Whether the bar may show; it shows when the range exceeds the client size.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    /// Whether the bar shows now.
    bool IsScrollBarVisible() const { return FShown; }
    /// The client size along the bar, the page one step of the bar's track scrolls.
    int ControlSize() const;
    /// The largest position the range allows.
    int MaxPosition() const { return std::max(FRange - ControlSize(), 0); }

    bool IsRangeStored() const;

private:
    friend class TScrollingWinControl;
    /// Handles a WM_HSCROLL / WM_VSCROLL request from the bar's window.
    void ScrollMessage(TWMScroll& Message);
    /// Scrolls to Value (clamped) and shows the state on the bar's window.
    void MoveTo(int Value);
    void ShowOnWindow();

    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    TScrollBarInc FIncrement = 8;
    int FMargin = 0;
    int FPosition = 0;
    int FRange = 0;
    bool FSmooth = false;
    bool FTracking = false;
    bool FVisible = true;
    bool FShown = false;
    HWND FWindow = nullptr;
};

/// A windowed control whose children may reach beyond its client area, scrolled into view by its
/// horizontal and vertical scroll bars. With AutoScroll the ranges follow the children.
class TScrollingWinControl : public TWinControl {
    ZK_CLASS(TScrollingWinControl, TWinControl)
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
    void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar; }
    void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);

    /// Moves every child by (DeltaX, DeltaY).
    void ScrollBy(int DeltaX, int DeltaY);
    /// Scrolls so that AControl, a child or a deeper descendant, lies inside the client area.
    void ScrollInView(TControl* AControl);
    /// Computes the ranges (with AutoScroll), shows the bars that are needed, keeps the
    /// positions inside the ranges. Answers whether the client area changed.
    bool UpdateScrollBars();

    /// The area inside the border and the bars shown.
    TRect ClientRect() const override;
    /// The whole scrolled area, placed so that the part in view is the client area.
    void AdjustClientRect(TRect& Rect) const override;
    TCanvas* WindowCanvas() override { return FCanvas; }
    /// Takes the scroll requests of the bars' windows.
    void Dispatch(TMessage& Message) override;

protected:
    /// Width of the edge drawn inside the window; 0 without a border.
    virtual int BorderEdge() const { return 0; }
    void CreateWnd() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void PaintWindow(HDC DC) override;
    void WMDestroy(TMessage& Message) override;

private:
    friend class TControlScrollBar;
    /// The extent of the children along a bar, for AutoScroll.
    int CalcAutoRange(TScrollBarKind Kind) const;
    void PlaceScrollBars();

    TControlScrollBar* FHorzScrollBar;
    TControlScrollBar* FVertScrollBar;
    TCanvas* FCanvas;
    /// A child on its way out, which no longer counts for the ranges.
    TControl* FLeaving = nullptr;
    bool FAutoScroll = true;
    bool FUpdatingScrollBars = false;
};

/// A scroll box: a bordered scrolling container for any controls.
class TScrollBox : public TScrollingWinControl {
    ZK_CLASS(TScrollBox, TScrollingWinControl)
    explicit TScrollBox(TComponent* AOwner);

    /// bsSingle (the default) draws a sunken two-pixel edge inside the window.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

protected:
    int BorderEdge() const override { return FBorderStyle == bsSingle ? 2 : 0; }
    void CreateParams(TCreateParams& Params) override;
    void PaintWindow(HDC DC) override;

private:
    TBorderStyle FBorderStyle = bsSingle;
};
