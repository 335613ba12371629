#pragma once
// The overlay that wraps one designed control: it takes the control's place in its parent,
// grows it by the handle size on every side, shows grab handles when selected, and turns
// the control's input into selection, moving and resizing.

#include <cstdint>
#include <memory>
#include <vector>

#include "design/DesignTypes.h"
#include "design/HandleGeometry.h"
#include "host/controls/Controls.h"
#include "host/controls/WinApi.h"
#include "host/core/Variant.h"

class TZkFormDesigner;
class TOperateRec;

/// The smallest control, in pixels across, that a user's resize leaves: its handles still
/// stand apart to be grabbed.
inline constexpr int MinGrabSize = 8;

/// The windowed children of Parent that keep a place in its tab order once the session ends,
/// in that order: the overlays that give back a windowed control (each standing for it) and
/// the live controls, without the docked inspector.
std::vector<TWinControl*> TabOrderOutside(TWinControl* Parent, const TControl* Inspector);

/// A windowed control four pixels larger than its control on every side. Its window region
/// is the inner rectangle plus, when selected, the eight handle squares, so the rest of the
/// margin shows and passes clicks to what lies beneath.
class TDesignControl : public TCustomControl {
    ZK_CLASS(TDesignControl, TCustomControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TDesignControl)
    friend class TZkFormDesigner;
    TDesignControl(TControl* AControl, TZkFormDesigner* ADesigner);
    ~TDesignControl() override;
    void BeforeDestruction() override;

    bool Selected() const { return FSelected; }
    void SetSelected(bool Value);
    bool GetSelected() const { return FSelected; }
    bool LockUpdate() const { return FLockUpdate; }
    bool GetLockUpdate() const { return FLockUpdate; }
    void SetLockUpdate(bool Value) { FLockUpdate = Value; }
    TControl* Control() const { return FControl; }
    TControl* GetControl() const { return FControl; }
    bool HasInnerDesigner() const { return FInnerDesigner != nullptr; }
    bool GetHasInnerDesigner() const { return FInnerDesigner != nullptr; }
    TZkFormDesigner* InnerDesigner() const { return FInnerDesigner; }
    TZkFormDesigner* Designer() const { return FDesigner; }
    /// Still wrapping its control in a running session: false once the session let go of
    /// the overlay (it is freed when the command that runs now ends).
    bool Wrapping() const { return !FUnwrapped; }
    /// The cursor the design shows over the control: the cross in insert mode, the move
    /// cursor while it is selected; crDefault leaves the control's own.
    TCursor DesignCursor() const;
    bool Deleted() const { return FDeleted; }
    // What the control takes back when the session lets it go.
    TAlign AlignOutside() const {
        return Align() != FAlignAtStart ? Align() : static_cast<TAlign>(FOldAlign);
    }
    bool TabStopOutside() const { return FOldTabStop; }
    /// The values the overlay keeps for its control while the session holds them itself (the
    /// alignment, the place in the tab order outside the session, whether Tab stops at it):
    /// reads Value, or writes it with Write, and answers whether Name is one of them.
    bool KeptValue(const std::string& Name, Variant& Value, bool Write);
    uint8_t ComboStyleOutside() const { return FOldComboStyle; }
    /// The control's bounds outside the overlay: the overlay's, less the handle margin.
    TRect ControlBounds() const;
    /// Locked: selected and inspected as any control, but never moved or sized by the user.
    bool Locked() const;
    /// Deleted, or inside a deleted container: hidden until an undo brings it back.
    bool DeletedInTree() const;
    /// Brings a deleted control back, shown as it was when it was deleted.
    void Undelete();
    /// Marks the control deleted (or back); the inspector's object list follows.
    void SetDeleted(bool value);

    /// The rectangle of a handle (or, for hcClient, the control's client rectangle).
    TRect GetHitTestRect(uint32_t HitCode, bool Inflate) const;
    uint32_t HitTest(TPoint P) const;
    void ResetRgn();
    void DrawHandler(TCanvas* ACanvas);
    bool CanResize(int& NewWidth, int& NewHeight) override;

    virtual void SetRect(const TRect& ARect);
    virtual void Move(int dx, int dy);
    /// The bounds in the parent's scrolled content: a scroll box that scrolls moves the
    /// overlay without changing them. The history keeps these.
    TRect ContentBounds() const;
    /// Takes the control's place and size (plus the handle margin) after the control changed
    /// its own bounds: it sizes itself, or a property moved it.
    void FitToControl();
    /// Handles the fit that the control's own bounds change asked for.
    void Dispatch(TMessage& Message) override;
    /// SetRect with bounds in the parent's content, at its present scroll position.
    void SetContentBounds(const TRect& ARect);
    /// Hides the overlay and its control and records the deletion: into Before and After when
    /// given (one change for several), otherwise as a change of its own.
    void Delete(TOperateRec* Before = nullptr, TOperateRec* After = nullptr);
    /// Clears the selected flag without touching the selection list (which the caller has
    /// emptied already) and without an event; the handles leave the window region.
    void ForgetSelection() {
        FSelected = false;
        ResetRgn();
    }

    /// The covered control's window procedure while it is wrapped.
    virtual void WinProc(TMessage& Message);
    virtual void DoMouseMove(TMessage& Message);
    virtual void DoLButtonDown(TMessage& Message);
    virtual void DoLButtonUp(TMessage& Message);
    virtual void DoRButtonDown(TMessage& Message);
    virtual void DoRButtonUp(TMessage& Message);
    virtual void DoLButtonDBClick(TMessage& Message);

    /// A canvas only for an overlay that draws: one that is selected, or was.
    TCanvas* WindowCanvas() override { return FSelected || HasCanvas() ? Canvas() : nullptr; }

protected:
    /// Every message of the overlay's own window is one command of the designer tree.
    void WndProc(TMessage& Message) override;
    void WMSetCursor(TWMSetCursor& Message) override;
    void Paint() override;
    void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
    void WMSize(TWMSize& Message) override;
    void WMWindowPosChanged(TWMWindowPosChanged& Message) override;
    void WMSetFocus(TWMSetFocus& Message) override;
    void CNKeyDown(TWMKey& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    virtual void DoInnerKeyDown(TMessage& Message);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    /// Gives the control back to the overlay's parent (freeing it when it was deleted) and
    /// tells the designer that the overlay is going; runs once.
    void Unwrap();
    /// Ends the inner designer's session and lets it go.
    void ReleaseInnerDesigner();
    /// The host freed the control: the overlay leaves the session with it.
    void ControlGone();

    void HeaderWndProc(TMessage& Message);
    /// Remembers a left press (the handle under it, or hcCaption for the control) where
    /// a drag that follows starts.
    void NotePress(uint32_t Code, TPoint ClientPos, TControl* Where);
    /// The press point for WM_NCLBUTTONDOWN, and forgets the press.
    intptr_t TakePressPoint();
    void CallOldWindowProc(TMessage& Message);
    void FollowControlVisibility();
    /// Records one change, or one more keyboard step of the last change.
    void RecordBoundsChange(const TRect& before, const TRect& after, bool keyStep = false);
    /// Snaps the rectangle that the window system's loop proposes (WM_MOVING, WM_SIZING).
    void SnapLoopRect(TMessage& Message);
    /// Runs a move or resize that the user started, as one recorded change (a keyboard step
    /// extends the step before it).
    template <class F> void UserBoundsChange(F action, bool keyStep = false);
    /// Records the change a size or position handler saw, or extends the one recorded
    /// earlier in the same user action.
    void NoteBoundsChange(const TRect& before);

    // Pointers first and the flags together at the end: one overlay per designed control,
    // so padding between fields is paid a thousand times over.
    TZkFormDesigner* FRootDesigner = nullptr;
    TZkFormDesigner* FInnerDesigner = nullptr;
    TControl* FControl = nullptr;
    TWndMethod FOldWindowProc;
    TZkFormDesigner* FDesigner = nullptr;
    /// A list view's header, whose window procedure the overlay takes over while it is
    /// wrapped: made for list views only, the one kind of control that has one.
    struct THeaderHook {
        HWND Wnd = nullptr;
        WNDPROC OldProc = nullptr;
        WNDPROC Instance = nullptr;
    };
    std::unique_ptr<THeaderHook> FHeader;
    TPoint FPressPoint;
    // Small codes and alignments kept in a byte each.
    uint8_t FPressCode = hcCaption;
    uint8_t FOldAlign = alNone;
    uint8_t FAlignAtStart = alNone;
    uint8_t FOldComboStyle = 0;
    /// A fit is posted and not yet done; FFitting: one runs now.
    bool FFitPosted = false;
    bool FFitting = false;
    bool FSelected = false;
    /// The window region holds the handles.
    bool FHandlesShown = false;
    bool FLockUpdate = false;
    bool FOldTabStop = false;
    bool FDeleted = false;
    /// Shown when it was deleted: an undo shows it again only then.
    bool FShownBeforeDelete = true;
    bool FUnwrapped = false;
    /// Set while a user's move or resize runs, which records itself when it ends.
    bool FInUserBoundsChange = false;
    /// Set while the position handler runs, around the size handler it calls.
    bool FInPosChanged = false;
    bool FPressed = false;
};
