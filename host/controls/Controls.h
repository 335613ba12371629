#pragma once
// Controls: the non-windowed base, windowed controls backed by real Qt widgets, custom
// (self-painting) and graphic controls. Everything a control does arrives as a message
// through its replaceable WindowProc.

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/Messages.h"
#include "host/controls/WinApi.h"
#include "host/core/Component.h"
#include "host/core/Event.h"
#include "host/core/TypInfo.h"
#include "host/graphics/Graphics.h"

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
using TAlignSet = TSet<TAlign>;
/// Horizontal placement of text in its box.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
/// Which scroll bars a control shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
/// The side a check box shows its caption on: TAlignment without taCenter (type TLeftRight).
using TLeftRight = TAlignment;
/// The cut of a three-dimensional edge.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TControlStyleFlag {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking
};
using TControlState = TSet<TControlStateFlag>;

/// A cursor index: crDefault (0) follows the parent, the negative ones are the standard shapes.
using TCursor = int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crSize = crSizeAll;

using TCaption = std::string;

/// What a modal form or dialog answers: which button closed it.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

using TMouseEvent =
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;

ZK_DECLARE_TYPEINFO(TAlign)
ZK_DECLARE_TYPEINFO(TAlignment)
ZK_DECLARE_TYPEINFO(TScrollStyle)
namespace TypeInfos {
/// taLeftJustify..taRightJustify, the type of a check box's Alignment.
const TTypeInfo* TLeftRight();
/// The integer type of ModalResult properties.
const TTypeInfo* TModalResult();
} // namespace TypeInfos
ZK_DECLARE_TYPEINFO(TBevelCut)
ZK_DECLARE_TYPEINFO(TMouseButton)
ZK_DECLARE_TYPEINFO(TShiftStateFlag)
ZK_DECLARE_TYPEINFO(TShiftState)
ZK_DECLARE_TYPEINFO(TMouseEvent)
ZK_DECLARE_TYPEINFO(TMouseMoveEvent)
ZK_DECLARE_TYPEINFO(TKeyEvent)
ZK_DECLARE_TYPEINFO(TKeyPressEvent)

/// What CreateWnd passes to CreateWindowEx: class, caption, styles, bounds and parent.
struct TCreateParams {
    std::string Caption;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    /// The registered window class; an unregistered name makes a plain window.
    std::string WinClassName;
};

/// The base of every control: a component with a parent, bounds, visibility and a window
/// procedure. A TControl itself has no window; its parent's window shows it.
/// The largest width or height of a control: sizes travel in 16-bit halves of WM_SIZE.
constexpr int MaxControlExtent = 32767;
/// The farthest a control's left or top may lie from its parent's origin, so that
/// left + width stays far from overflow.
constexpr int MaxControlPosition = 1 << 24;

class TControl : public TComponent {
    ZK_CLASS(TControl, TComponent)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TControl)
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    void BeforeDestruction() override;

    /// Where every message to this control goes first; starts as WndProc. Replace it to see
    /// messages before the control does, and store the saved value back to undo.
    TWndMethod WindowProc;
    /// Calls WindowProc synchronously and answers the message's Result.
    intptr_t Perform(uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

    // Streaming: a control is written inside its parent's record and read back into it.
    /// Always true: a control belongs inside a parent's record, even while it has none.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    /// Makes Value the parent when it is a windowed control.
    void SetParentComponent(TComponent* Value) override;
    /// Takes the reader's parent before any property is read, then reads the record.
    void ReadState(TReader* Reader) override;
    /// Lays out again what waited for the end of loading.
    void Loaded() override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    /// Asks CanResize when the size changes, then delivers WM_WINDOWPOSCHANGED (and, when the
    /// size changed, WM_SIZE) through WindowProc before it returns.
    /// Sizes are kept within 0..MaxControlExtent and positions within
    /// ±MaxControlPosition, whatever is asked (a width typed into the inspector, say).
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    void SetClientSize(int width, int height);
    /// The screen position of the client area's origin.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show();
    void Hide();
    /// Whether the control is shown on the screen now (itself and every parent visible).
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return FFont; }
    void SetFont(TFont* value) { FFont->Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    /// The shortcut menu shown on a right click (when its AutoPopup is set).
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    TCaption Caption() const { return GetText(); }
    void SetCaption(const TCaption& value) { SetText(value); }
    TCaption Text() const { return GetText(); }
    void SetTextProp(const TCaption& value) { SetText(value); }
    int32_t HelpContext() const { return FHelpContext; }
    void SetHelpContext(int32_t value) { FHelpContext = value; }
    bool IsColorStored() const { return !FParentColor; }
    bool IsFontStored() const { return !FParentFont; }

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    /// Whether mouse messages go to this control whatever lies under the cursor.
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool TopMost);
    /// Moves the control to Position (clamped) among its parent's children of its kind,
    /// windowed or not, bottom first.
    virtual void SetZOrderPosition(int Position);

    /// Asks whether the control may take the new size; may adjust it. False keeps the bounds.
    virtual bool CanResize(int& NewWidth, int& NewHeight);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;

    /// The message handlers; each calls DefaultHandler for what it does not consume.
    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    virtual void Click();
    virtual void DblClick();

protected:
    virtual TCaption GetText() const;
    virtual void SetText(const TCaption& value);
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Resize();
    /// Asks the parent to lay its aligned children out again after this one changed. A
    /// control that takes no part in its parent's layout may skip it.
    virtual void RequestAlign();
    /// Puts the control's window (or its picture on the parent) at the new bounds before the
    /// position messages tell the control of them.
    virtual void UpdateWindowBounds(const TRect& NewBounds);
    virtual void Changed() {}
    virtual void FontChanged(TObject* Sender);

    // Message handlers.
    virtual void WMWindowPosChanged(TWMWindowPosChanged& Message);
    virtual void WMMove(TWMMove& Message);
    virtual void WMSize(TWMSize& Message);
    virtual void WMMouseMove(TWMMouse& Message);
    virtual void WMLButtonDown(TWMMouse& Message);
    virtual void WMLButtonUp(TWMMouse& Message);
    virtual void WMLButtonDblClk(TWMMouse& Message);
    virtual void WMRButtonDown(TWMMouse& Message);
    virtual void WMRButtonUp(TWMMouse& Message);
    virtual void WMRButtonDblClk(TWMMouse& Message);
    virtual void WMMButtonDown(TWMMouse& Message);
    virtual void WMMButtonUp(TWMMouse& Message);
    virtual void WMMButtonDblClk(TWMMouse& Message);
    virtual void WMCancelMode(TMessage& Message);
    virtual void WMCaptureChanged(TMessage& Message);
    virtual void WMPaint(TWMPaint& Message);
    virtual void WMEraseBkgnd(TWMEraseBkgnd& Message);
    virtual void WMSetFocus(TWMSetFocus& Message);
    virtual void WMKillFocus(TWMKillFocus& Message);
    virtual void WMNCHitTest(TWMNCHitTest& Message);
    virtual void WMSetCursor(TWMSetCursor& Message);
    virtual void WMKeyDown(TWMKey& Message);
    virtual void WMKeyUp(TWMKey& Message);
    virtual void WMChar(TWMKey& Message);
    virtual void WMSysKeyDown(TWMKey& Message);
    virtual void CNKeyDown(TWMKey& Message);
    virtual void CNChar(TWMKey& Message);
    virtual void WMClose(TMessage& Message);
    virtual void WMDestroy(TMessage& Message);
    virtual void WMShowWindow(TMessage& Message);
    virtual void WMNextDlgCtl(TMessage& Message);
    virtual void WMContextMenu(TMessage& Message);
    virtual void WMActivate(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMTextChanged(TMessage& Message);
    virtual void CMCursorChanged(TMessage& Message);
    virtual void CMHintShowChanged(TMessage& Message);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void CMDialogKey(TWMKey& Message);
    /// An accelerator character (CharCode) offered to the form's controls; a control whose
    /// caption marks it acts and answers 1.
    virtual void CMDialogChar(TWMKey& Message);
    virtual void CMRelease(TMessage& Message);

    void Notification(TComponent* AComponent, TOperation Operation) override;

    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    TControlStyle FControlStyle;
    TControlState FControlState;

private:
    friend class TWinControl;
    void DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TWMMouse& Message, TMouseButton Button);
    void ParentChanged(TWinControl* oldParent);

    TWinControl* FParent = nullptr;
    bool FEnabled = true;
    TAlign FAlign = alNone;
    TCursor FCursor = crDefault;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TFont* FFont;
    bool FParentFont = true;
    std::string FHint;
    bool FShowHint = false;
    TPopupMenu* FPopupMenu = nullptr;
    TCaption FText;
    int32_t FHelpContext = 0;
};

/// A control with its own window: a real Qt widget behind an HWND. It holds child controls
/// (in z-order), lays out the aligned ones, keeps the tab order, and takes the focus and keys.
class TWinControl : public TControl {
    ZK_CLASS(TWinControl, TControl)
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    /// The window, made now if it does not exist yet.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }

    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    /// Child controls in z-order, bottom first: non-windowed ones below windowed ones.
    TControl* Controls(int index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(TControl* Control) const;
    /// The topmost visible child at Pos (client coordinates); disabled children only when
    /// allowed, windowed children only when allowed.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;

    int TabOrder() const;
    /// Moves the control in its parent's tab list; clamped to the list, so -1 moves it first.
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    /// Windowed children and their descendants in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    /// The next (or previous) control after CurControl in this control's tab order that can
    /// take the focus; null when there is none.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    void DisableAlign();
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return FAlignLevel != 0; }

    /// Lists the child controls that Root owns, in z-order (Controls order).
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    /// Order counts as in GetChildren: non-windowed children first, then windowed ones.
    void SetChildOrder(TComponent* Child, int Order) override;
    /// Reads the record with alignment held back, then restores the tab order read.
    void ReadState(TReader* Reader) override;
    void Loaded() override;
    void SetZOrderPosition(int Position) override;

    bool Showing() const override;
    void SetParent(TWinControl* AParent) override;
    void Invalidate() override;
    void Update() override;
    void SetZOrder(bool TopMost) override;
    void SetEnabled(bool value) override;
    TBrush* Brush() const { return FBrush; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    /// Where the window's procedure delivers: WindowProc, with exceptions reported.
    void MainWndProc(TMessage& Message);
    void DefaultHandler(TMessage& Message) override;
    /// The canvas bound to the window while it paints, if the control draws on one.
    virtual TCanvas* WindowCanvas() { return nullptr; }
    /// Paints the non-windowed children, each with its canvas bound at its place.
    void PaintControls();

protected:
    virtual void CreateParams(TCreateParams& Params);
    /// Gives the window, if it exists, the sunken client edge of a single border or takes it away.
    void UpdateClientEdge(bool Sunken);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    void CreateHandle();
    void DestroyHandle();
    /// Lays the aligned children out in Rect, in the order top, bottom, left, right, client.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    /// Narrows the client rectangle to where aligned children go (inside a frame or bevel).
    virtual void AdjustClientRect(TRect& Rect) const { (void)Rect; }
    void AlignControl(TControl* AControl);
    /// Drawing of the window itself after the native painting; TCustomControl calls Paint.
    virtual void PaintWindow(HDC DC);
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    /// Whether the control handles this key itself, so that the form does not navigate with it.
    virtual bool WantsKey(uint16_t Key) { return Key != VK_TAB; }
    TCaption GetText() const override;
    void SetText(const TCaption& value) override;

    void WMWindowPosChanged(TWMWindowPosChanged& Message) override;
    void WMSize(TWMSize& Message) override;
    void WMPaint(TWMPaint& Message) override;
    void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
    void WMSetFocus(TWMSetFocus& Message) override;
    void WMKillFocus(TWMKillFocus& Message) override;
    void WMSetCursor(TWMSetCursor& Message) override;
    void WMKeyDown(TWMKey& Message) override;
    void WMKeyUp(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMSysKeyDown(TWMKey& Message) override;
    void CNKeyDown(TWMKey& Message) override;
    /// Offers the dialog key to each child in turn (the default and cancel buttons take Enter
    /// and Esc this way) until one answers it.
    void CMDialogKey(TWMKey& Message) override;
    /// Offers the accelerator to each child in turn, windowed or not, until one answers it.
    void CMDialogChar(TWMKey& Message) override;
    void WMDestroy(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMCursorChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMHintShowChanged(TMessage& Message) override;
    void WMContextMenu(TMessage& Message) override;
    void WndProc(TMessage& Message) override;

private:
    friend class TControl;
    bool IsControlMouseMsg(TWMMouse& Message);
    bool DoKeyDown(TWMKey& Message);
    bool DoKeyUp(TWMKey& Message);
    bool DoKeyPress(TWMKey& Message);
    void UpdateWindowBounds(const TRect& NewBounds) override;
    void Insert(TControl* AControl);
    void Remove(TControl* AControl);
    void NotifySendDestroy();
    void ApplyFont();
    /// Puts the windowed children in the tab order their TabOrder values, read from a
    /// stream, asked for.
    void FixupTabList();

    HWND FHandle = nullptr;
    WNDPROC FObjectInstance = nullptr;
    WNDPROC FDefWndProc = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    /// TabOrder read from a stream, applied once every sibling has been read.
    int FReadTabOrder = -1;
    int FAlignLevel = 0;
    TBrush* FBrush;
};

/// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
    ZK_CLASS(TCustomControl, TWinControl)
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    /// The drawing surface, made on first use: a control that never paints (an overlay that
    /// is never selected) never pays for one.
    TCanvas* Canvas() const;
    TCanvas* WindowCanvas() override { return Canvas(); }
    TNotifyEvent OnPaint;

protected:
    virtual void Paint();
    void PaintWindow(HDC DC) override;
    bool HasCanvas() const { return FCanvas != nullptr; }

private:
    mutable TCanvas* FCanvas = nullptr;
};

/// A control without a window, painted by its parent's window on its own Canvas.
class TGraphicControl : public TControl {
    ZK_CLASS(TGraphicControl, TControl)
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas; }
    TNotifyEvent OnPaint;

protected:
    virtual void Paint();
    void WMPaint(TWMPaint& Message) override;

private:
    TCanvas* FCanvas;
};

/// The control that holds the mouse capture (a non-windowed one through its parent's window).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
/// The form a control is on: its topmost parent, when that is a form.
TCustomForm* GetParentForm(TControl* Control);
/// The accelerator of a caption: the character after its last single '&' ("&&" is a literal
/// ampersand), as UTF-8; empty when it has none.
std::string GetHotkey(const std::string& Caption);
/// Whether the character (a UTF-16 unit, as CM_DIALOGCHAR carries it) is the caption's
/// accelerator; letters compare without case.
bool IsAccel(uint16_t CharCode, const std::string& Caption);
/// The control at a screen point: the deepest window's control, or its non-windowed child there.
TControl* FindDragTarget(TPoint Pos, bool AllowDisabled);
