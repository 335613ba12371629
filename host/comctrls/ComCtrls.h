#pragma once
// Bars: the status bar with its panels, the tool bar with its buttons, the cool bar with its
// bands, and the page scroller.

#include <string>
#include <vector>

#include "host/controls/Controls.h"
#include "host/core/Collection.h"

// ---- The status bar -----------------------------------------------------------------------------

enum TStatusPanelStyle { psText, psOwnerDraw };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
ZK_DECLARE_TYPEINFO(TStatusPanelStyle)
ZK_DECLARE_TYPEINFO(TStatusPanelBevel)

class TStatusBar;

/// One panel of a status bar: a text in a box of fixed width (the last panel takes the rest).
class TStatusPanel : public TCollectionItem {
    ZK_CLASS(TStatusPanel, TCollectionItem)
    TStatusPanel() = default;
    void Assign(TPersistent* Source) override;
    std::string DisplayName() const override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);
    /// Owner-drawn panels are painted by the bar's OnDrawPanel.
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);

private:
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
    std::string FText;
    int FWidth = 50;
};

/// The panels of a status bar; a change to any of them repaints the bar.
class TStatusPanels : public TCollection {
    ZK_CLASS(TStatusPanels, TCollection)
    explicit TStatusPanels(TStatusBar* StatusBar = nullptr);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const {
        return static_cast<TStatusPanel*>(TCollection::Items(Index));
    }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TStatusBar* FStatusBar;
};

/// The panels' rectangles in a bar's client area: left to right at their widths, the last one
/// reaching the right edge (short of the size grip, when one shows).
std::vector<TRect> LayoutStatusPanels(const std::vector<int>& Widths, const TRect& Client,
                                      int GripWidth);

using TDrawPanelEvent = TEvent<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;
ZK_DECLARE_TYPEINFO(TDrawPanelEvent)

/// A bar of text panels along the bottom of its parent (Align alBottom), or one simple text
/// across it; with SizeGrip, its right corner sizes the form it sits at the bottom of.
class TStatusBar : public TWinControl {
    ZK_CLASS(TStatusBar, TWinControl)
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels; }
    void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }
    /// Shows SimpleText across the bar instead of the panels.
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    /// Whether the grip shows now: wanted, and the bar at the bottom right of a sizeable form.
    bool SizeGripShown() const;
    /// The grip's rectangle in client coordinates; empty when it does not show.
    TRect SizeGripRect() const;
    /// The rectangle of panel Index in client coordinates.
    TRect PanelRect(int Index) const;
    /// The index of the panel at a client point, or -1.
    int PanelAt(TPoint Pos) const;
    TCanvas* Canvas() const { return FCanvas; }
    TCanvas* WindowCanvas() override { return FCanvas; }

    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& Params) override;
    /// Owner-drawn panels, after the bar painted the others.
    void PaintWindow(HDC DC) override;
    void WndProc(TMessage& Message) override;
    void WMNCHitTest(TWMNCHitTest& Message) override;
    void WMSize(TWMSize& Message) override;

private:
    friend class TStatusPanels;
    std::vector<TRect> PanelRects() const;
    TStatusPanels* FPanels;
    TCanvas* FCanvas;
    bool FSimplePanel = false;
    std::string FSimpleText;
    bool FSizeGrip = true;
};

// ---- The tool bar -------------------------------------------------------------------------------

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
ZK_DECLARE_TYPEINFO(TToolButtonStyle)

class TToolBar;
class TCustomImageList;
class TPopupMenu;

/// A button of a tool bar: a command, a check button (alone or in a group of adjacent grouped
/// ones), or a gap (separator) or etched line (divider) between them.
class TToolButton : public TGraphicControl {
    ZK_CLASS(TToolButton, TGraphicControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TToolButton)
    explicit TToolButton(TComponent* AOwner);

    /// A check button that is checked; a grouped one releases the others of its group.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    /// With the adjacent grouped check buttons, at most one is down.
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value);
    /// Whether the grouped check button that is down goes up when clicked again.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value);
    /// The image of the tool bar's Images shown on the button; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    /// The next button starts a new row.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value);
    /// The menu a drop-down button shows below itself when its arrow is clicked.
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);
    /// The arrow part of a drop-down button, in client coordinates; empty for other styles.
    TRect DropDownRect() const;
    /// The tool bar the button is on, or null.
    TToolBar* ToolBar() const;
    /// Position among the tool bar's buttons; -1 off a tool bar.
    int Index() const;
    bool IsSeparator() const { return FStyle == tbsSeparator || FStyle == tbsDivider; }
    /// Whether the button shows pressed now (held by the mouse, or down).
    bool Pressed() const { return FPressed || FDown; }

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMTextChanged(TMessage& Message) override;
    /// The caption's accelerator clicks the button.
    void CMDialogChar(TWMKey& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TToolBar;
    /// The grouped check buttons next to this one, itself included.
    std::vector<TToolButton*> Group() const;
    void Changed() override;

    bool FDown = false;
    bool FGrouped = false;
    bool FAllowAllUp = false;
    bool FPressed = false;
    bool FWrap = false;
    TToolButtonStyle FStyle = tbsButton;
    int FImageIndex = -1;
    TPopupMenu* FDropdownMenu = nullptr;
};

/// One item a tool bar lays out: its size, whether it is a gap, and whether a row ends after it.
struct TToolBarItem {
    int Width = 0;
    int Height = 0;
    bool Wrap = false;
};
/// Places the items left to right from Indent, starting a new row after an item that wraps,
/// and, when Wrapable, before one that would cross ClientWidth; rows are RowHeight apart.
std::vector<TPoint> LayoutToolBarItems(const std::vector<TToolBarItem>& Items, int ClientWidth,
                                       int Indent, int RowHeight, bool Wrapable);

/// A bar of tool buttons (and other controls) laid out left to right, in rows when wrapping,
/// across the top of its parent (Align alTop).
class TToolBar : public TWinControl {
    ZK_CLASS(TToolBar, TWinControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TToolBar)
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    /// The tool buttons in their order on the bar.
    TToolButton* Buttons(int Index) const;
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    bool Wrapable() const { return FWrapable; }
    void SetWrapable(bool Value);
    int Indent() const { return FIndent; }
    void SetIndent(int Value);
    /// The images the buttons show by ImageIndex; optional.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    /// The size the buttons have now: ButtonWidth and ButtonHeight, grown to fit the captions
    /// when they show.
    TSize ButtonSize();
    /// Lays the buttons out again.
    void LayoutButtons();

protected:
    void CreateParams(TCreateParams& Params) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    friend class TToolButton;
    void InsertButton(TToolButton* Button);
    void RemoveButton(TToolButton* Button);

    std::vector<TToolButton*> FButtons;
    int FButtonWidth = 23;
    int FButtonHeight = 22;
    bool FFlat = false;
    bool FShowCaptions = false;
    bool FWrapable = true;
    int FIndent = 0;
    TCustomImageList* FImages = nullptr;
    bool FLayingOut = false;
};

// ---- The cool bar -------------------------------------------------------------------------------

class TCoolBar;

/// One band of a cool bar: a grip, a text, and the control it holds.
class TCoolBand : public TCollectionItem {
    ZK_CLASS(TCoolBand, TCollectionItem)
    TCoolBand() = default;
    ~TCoolBand() override;
    void Assign(TPersistent* Source) override;
    std::string DisplayName() const override;

    /// The band starts a new row.
    bool Break() const { return FBreak; }
    void SetBreak(bool Value);
    TWinControl* Control() const { return FControl; }
    void SetControl(TWinControl* Value);
    bool FixedSize() const { return FFixedSize; }
    void SetFixedSize(bool Value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    /// The band's width; the last band of a row takes what its row leaves.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    /// The band's rectangle as last laid out, in the bar's client coordinates.
    TRect BandRect() const { return FRect; }

    TCoolBar* CoolBar() const;

private:
    friend class TCoolBar;
    void ControlGone();
    bool FBreak = true;
    TWinControl* FControl = nullptr;
    bool FFixedSize = false;
    int FMinHeight = 25;
    int FMinWidth = 0;
    std::string FText;
    bool FVisible = true;
    int FWidth = 0;
    TRect FRect;
};

/// The bands of a cool bar.
class TCoolBands : public TCollection {
    ZK_CLASS(TCoolBands, TCollection)
    explicit TCoolBands(TCoolBar* CoolBar = nullptr);
    TCoolBand* Add() { return static_cast<TCoolBand*>(TCollection::Add()); }
    TCoolBand* Items(int Index) const { return static_cast<TCoolBand*>(TCollection::Items(Index)); }
    TCoolBar* CoolBar() const { return FCoolBar; }
    /// The band holding Control, or null.
    TCoolBand* FindBand(const TControl* Control) const;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TCoolBar* FCoolBar;
};

/// A bar of bands, each with a grip, a text and one control, laid out in rows across the top of
/// its parent. A control put on the bar gets a band of its own.
class TCoolBar : public TWinControl {
    ZK_CLASS(TCoolBar, TWinControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TCoolBar)
    explicit TCoolBar(TComponent* AOwner);
    ~TCoolBar() override;

    TCoolBands* Bands() const { return FBands; }
    void SetBands(TCoolBands* Value) { FBands->Assign(Value); }
    /// The bar's height follows its rows.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    bool FixedSize() const { return FFixedSize; }
    void SetFixedSize(bool Value);
    /// The room a band takes before its control: the grip and, with ShowText, its text.
    int BandHeaderWidth(const TCoolBand* Band);
    /// Lays the bands out again.
    void LayoutBands();
    TCanvas* Canvas() const { return FCanvas; }
    TCanvas* WindowCanvas() override { return FCanvas; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void PaintWindow(HDC DC) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    friend class TCoolBand;
    TCoolBands* FBands;
    TCanvas* FCanvas;
    bool FAutoSize = false;
    bool FShowText = true;
    bool FFixedSize = false;
    bool FLayingOut = false;
};

// ---- The page scroller --------------------------------------------------------------------------

enum TPageScrollerOrientation { soHorizontal, soVertical };
enum TPageScrollerButton { sbFirst, sbLast };
ZK_DECLARE_TYPEINFO(TPageScrollerOrientation)

/// Shows one control longer than itself, scrolled along Orientation by arrow buttons at its
/// two ends; a button shows only while there is more to see that way.
class TPageScroller : public TWinControl {
    ZK_CLASS(TPageScroller, TWinControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TPageScroller)
    explicit TPageScroller(TComponent* AOwner);
    ~TPageScroller() override;

    TWinControl* Control() const { return FControl; }
    void SetControl(TWinControl* Value);
    TPageScrollerOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TPageScrollerOrientation Value);
    /// How far the control is scrolled, 0 ... MaxPosition().
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int ButtonSize() const { return FButtonSize; }
    void SetButtonSize(int Value);
    /// Pixels one click on an arrow scrolls.
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = std::max(Value, 1); }
    /// The largest Position: the control's length beyond the room the scroller shows.
    int MaxPosition() const;
    bool ButtonVisible(TPageScrollerButton Button) const;
    /// The arrow button's rectangle in client coordinates (empty when it does not show).
    TRect ButtonRect(TPageScrollerButton Button) const;
    /// Which arrow is held down by the mouse now, or -1.
    int PressedButton() const { return FPressed; }
    TCanvas* Canvas() const { return FCanvas; }
    TCanvas* WindowCanvas() override { return FCanvas; }

    TNotifyEvent OnScroll;

protected:
    void CreateParams(TCreateParams& Params) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    /// The arrow buttons.
    void PaintWindow(HDC DC) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void PlaceControl();
    bool Horizontal() const { return FOrientation == soHorizontal; }

    TCanvas* FCanvas;
    TWinControl* FControl = nullptr;
    TPageScrollerOrientation FOrientation = soHorizontal;
    int FPosition = 0;
    int FButtonSize = 12;
    int FIncrement = 12;
    int FPressed = -1;
    bool FPlacing = false;
};
