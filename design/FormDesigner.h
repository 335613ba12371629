#pragma once
// The designer component: turns a container of the running application into a design
// surface for the length of a design session.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "design/DesignTypes.h"
#include "design/LayoutSkip.h"
#include "host/controls/Controls.h"
#include "host/core/Component.h"
#include "host/core/List.h"
#include "host/core/Strings.h"

class TCustomForm;
class TDesignControl;
class TMemoryStream;
class TOperateHistory;
struct TOperateItem;
struct TPropertyValue;
class TPopupMenu;
class TSplitter;
class TZkControlSelection;
class TObjectInspForm;
class TDesignMarks;
class TOperateRec;
struct TGuideLines;
struct TSnapped;
struct TDraggedEdges;

/// A designer: a root one per designed form (made by the host with the form as owner) or an
/// inner one that an overlay makes for a container inside the design. While a session runs
/// it wraps every designable child of its design form in an overlay, hooks the form's
/// window procedure and, as the root, owns the selection list and the history of the tree.
class TZkFormDesigner : public TComponent {
    ZK_CLASS(TZkFormDesigner, TComponent)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TZkFormDesigner)
    /// The root designer of AOwner, which must be a windowed control (or null).
    explicit TZkFormDesigner(TComponent* AOwner);
    /// An inner designer for AControl, registered with the root of AParentDesigner.
    TZkFormDesigner(TWinControl* AControl, TZkFormDesigner* AParentDesigner, bool AInner);
    ~TZkFormDesigner() override;

    void Initialize();
    /// Starts a session on AControl, or on the current design form when AControl is null.
    void BeginDesign(TWinControl* AControl = nullptr);
    void EndDesign();
    void InnerEndDesign();

    /// The design form's window procedure while a session runs.
    virtual void WinProc(TMessage& Message);

    TWinControl* GetDesignForm() const { return FDesignForm; }
    TZkFormDesigner* GeTZkFormDesignerClassInstance() { return this; }
    bool GetLockUpdate() const { return FLockUpdate; }
    void SetLockUpdate(bool value) { FLockUpdate = value; }
    bool IsDesigning() const { return FRunState == TRunState::rsDesigning; }
    bool IsInner() const { return FIsInner; }

    // Selection (of this designer's own overlays).
    void AddControl(TDesignControl* AControl);
    void ClearSelection(TDesignControl* ExceptControl);
    int GetSelectCount() const;
    TRect GetSelectionRect() const;
    TZkControlSelection* Selection() const { return FSelection; }

    // The designer tree.
    TZkFormDesigner* GetParenTZkFormDesigner() const { return FParentDesigner; }
    void SetParenTZkFormDesigner(TZkFormDesigner* Value) { FParentDesigner = Value; }
    TZkFormDesigner* GetRoolDesigner() const;
    int GetDesignerCount() const;
    TZkFormDesigner* GetChildDesigner(int Index) const;

    /// This designer's overlays, one per designed direct child, in the order of creation.
    int OverlayCount() const { return FControls ? FControls->Count() : 0; }
    TDesignControl* Overlay(int Index) const;
    /// The overlay that wraps control, or null.
    TDesignControl* FindOverlay(const TControl* control) const;
    TOperateHistory* History() const { return FHistory; }
    /// This designer's overlays in the order the end of the session gives their controls
    /// back: the stacking order once a user restacked them, otherwise the order of making.
    std::vector<TDesignControl*> UnwrapOrder() const;

    // Published state.
    TStrings* CannotDesignControls() const { return FCannotDesignControls; }
    void SetCannotDesignControls(TStrings* Value);
    /// Names of the controls that the mouse, the keys and the alignments leave where they
    /// are (set on the root designer; saved with it).
    TStrings* LockedControls() const { return FLockedControls; }
    void SetLockedControls(TStrings* Value);
    /// Whether Control is locked.
    bool IsLocked(const TControl* Control) const;
    bool IsDirty() const { return FIsDirty; }
    void SetIsDirty(bool Value);
    bool ShowInspector() const { return FShowInspector; }
    void SetShowInspector(bool Value);
    // Snapping, guides and distribution: set on the root designer, they hold for its tree.
    bool SnapToGrid() const { return FSnapToGrid; }
    void SetSnapToGrid(bool Value) { FSnapToGrid = Value; }
    /// The grid's pitch in pixels, 4 to 64 (a value outside is brought inside); the dotted
    /// grid is drawn at this pitch.
    int GridSize() const { return FGridSize; }
    void SetGridSize(int Value);
    bool SnapToGuides() const { return FSnapToGuides; }
    void SetSnapToGuides(bool Value) { FSnapToGuides = Value; }
    /// The distributions take the controls in the order of their place rather than of the
    /// selection, keeping the first and the last where they are.
    bool DistributeByPosition() const { return FDistributeByPosition; }
    void SetDistributeByPosition(bool Value) { FDistributeByPosition = Value; }

    // The object inspector of the root designer.
    /// Fills List with the designed, not deleted controls of the whole tree.
    void GetObjects(TStrings* List);
    /// The display name of a property outside the inspector's table: the host's, or FName.
    std::string doTransFieldName(const std::string& FName);
    void doEditProp(const std::string& propname, TObject* propObject);
    TObjectInspForm* Inspector() const { return FInspector; }
    TSplitter* InspectorSplitter() const { return FSplitter; }

    TDesignState DesignState() const { return FDesignState; }
    /// Switches between selecting and inserting; the windows of the design drop the cursor
    /// the mode they leave showed.
    void SetDesignState(TDesignState value);
    TClass InsertClass() const { return FInsertClass; }
    void SetInsertClass(TClass value) { FInsertClass = value; }

    TZkSelectionChangeEvent OnSelectionChange;
    TZkControlClickedEvent OnObjectClicked;
    TNotifyEvent OnBeforeDesign;
    TNotifyEvent OnEndDesign;
    TNotifyEvent OnDirty;
    /// Raised after every change recorded in the history, undo and redo: what the design can
    /// undo, redo, and whether it is back where it was saved, may have changed.
    TNotifyEvent OnChange;
    TTransFieldNameEvent OnTransFieldName;
    TEditPropEvent OnEditProp;

    // Mouse handlers of the design form; the base passes each message on.
    virtual void DoMouseMove(TMessage& Message);
    virtual void DoLButtonDown(TMessage& Message);
    virtual void DoLButtonUp(TMessage& Message);
    virtual void DoRButtonDown(TMessage& Message);
    virtual void DoRButtonUp(TMessage& Message);
    virtual void DoLButtonDBClick(TMessage& Message);
    /// Keys of the design form and of overlays with two or more controls selected.
    virtual void InnerKeyDown(TMessage& Message);
    /// Starts dragging the selected controls together.
    virtual void PerFormMove();

    // Moving and resizing the selection; drags on the design surface.
    /// Moves every selected overlay of this designer by (DX, DY): one undoable change.
    void MoveSelection(int DX, int DY);
    /// Grows every selected overlay of this designer by DW and DH (a combo box keeps its
    /// height): one undoable change.
    void ChangeSelectedControlsBounds(int DW, int DH);
    /// Starts drawing the rectangle of a control to insert from ScreenPos, as a press on the
    /// design form in insert mode does.
    void BeginInsertAt(TPoint ScreenPos);
    /// Whether a band, an insert rectangle or a drag-move is in progress.
    bool IsDragging() const { return FRubberBanding || FMoving; }
    /// Ends a drag in progress without effect: erases its frame, frees the mouse and the
    /// cursor, moves and selects nothing. Answers whether there was one.
    bool CancelDrag();

    /// Creates a control of ControlClass at Rect (design-form client coordinates) with an
    /// overlay, records the insertion and answers the overlay. EInvalidOperation when no
    /// session runs: outside one there is nothing to wrap the control into.
    TDesignControl* AddControlToDesign(TClass ControlClass, const TRect& Rect);
    /// Deletes (hides, undoably) every selected control of the tree.
    void DeleteSelection();
    void Undo();
    void Redo();
    void SaveOpHisToFile(const std::string& FileName);

    // Aligning and the context menu.
    /// Runs a command of the context menu on this designer's selection (or, for select all
    /// and the tab order, on its design form): one recorded change, or one undo or redo step.
    /// A command that cannot run now (see CommandEnabled) does nothing.
    void KMAlignControls(TKmAlign Align);
    /// Whether Command can run now: the alignments and equal sizes with two or more of this
    /// designer's controls selected, centring, stacking, copying and duplicating with one or
    /// more, select all and the tab order with a designed child, paste with a form text on
    /// the clipboard, undo and redo as the history allows.
    bool CommandEnabled(TKmAlign Command) const;
    /// Selects every designed child of the design form (and nothing elsewhere in the tree).
    void SelectAll();
    /// The tab-order mode: every designed windowed child shows its place in the tab order,
    /// and clicks number them 0, 1, 2, … in click order. Esc or the command again ends it;
    /// the whole mode is one recorded change.
    void BeginTabOrderMode();
    /// Ends the tab-order mode; answers whether it was on.
    bool EndTabOrderMode();
    bool InTabOrderMode() const { return FTabOrderMarks != nullptr; }
    /// Shows the context menu at P (screen coordinates).
    void ShowPopupMenu(const TPoint& P);
    /// Enables the alignment items exactly when two or more of this designer's controls are
    /// selected, then shows the menu at P (screen coordinates).
    void OpenContextMenu(const TPoint& P);
    void OnMenuPopup(TObject* Sender);
    void OnMenuClick(TObject* Sender);
    /// The context menu. A nested designer makes its own on first use: a form of many
    /// containers has as many nested designers, and most never show a menu.
    TPopupMenu* PopupMenu();

    // The clipboard (DesignerClipboard.cpp), in the text form of the component stream.
    /// Copies the selected controls of the tree, their children included.
    void CopySelection();
    /// Copies the selected controls, then deletes them as one undoable change.
    void CutSelection();
    /// Pastes the controls of the clipboard's form text into this designer's design form
    /// under free names, offset by a grid step where they would cover controls of the same
    /// place; selects them. One undoable change. Text that is no form text, or that cannot
    /// be read, raises EComponentError saying why and changes nothing.
    void PasteFromClipboard();
    /// Copies of the selected controls beside them, each in its own container: one change.
    void DuplicateSelection();
    /// Whether the clipboard holds a form text.
    static bool ClipboardHoldsForm();

    // Persistence of the form that holds the design form, in the binary component stream.
    /// Writes the form holding the root's design form, children included, at Stream's
    /// position, as ending the session would leave it; a running session goes on with its
    /// selection and history. EComponentError, with nothing written, when the design form
    /// lies on no form.
    void SaveToStream(TMemoryStream* Stream);
    /// Saves into a file beside FileName first and then renames it over FileName, so that a
    /// failed save leaves the previous file as it was.
    void SaveToBinaryFile(const std::string& FileName);
    /// Replaces every component Form owns with those of Stream, read from its position. Ends
    /// first every design session running on Form. A stream that cannot be read into a form of
    /// Form's class raises the framework's error and leaves Form as it was.
    static void LoadFromStream(TCustomForm* Form, TMemoryStream* Stream);
    static void LoadFromBinaryFile(TCustomForm* Form, const std::string& FileName);

    // Layouts: the user's changes to a form against a fresh instance of its class, which load
    // over the next version of the form (DesignerLayout.cpp).
    /// Ends the root designer's session, then writes the form holding the root's design form
    /// as its changes since a fresh instance of its class: the controls the user changed with
    /// only the changed values, those inserted whole, the names of those deleted.
    void SaveLayoutToStream(TMemoryStream* Stream);
    void SaveLayoutToFile(const std::string& FileName);
    /// Makes Form what the layout in Stream makes of a fresh instance of Form's class. Changes
    /// that no longer fit (a control or a property the class no longer has, a parent that is
    /// gone) are skipped and returned; a damaged stream, or one that is no layout of Form's
    /// class, raises the framework's error and leaves Form as it was. Ends first every design
    /// session running on Form.
    static TLayoutSkips LoadLayoutFromStream(TCustomForm* Form, TMemoryStream* Stream);
    static TLayoutSkips LoadLayoutFromFile(TCustomForm* Form, const std::string& FileName);

    /// Hides an inserted control again (an undo of its insertion): it leaves the selection,
    /// and the first listed control is selected and inspected in its place.
    void InsertionTakenBack(TDesignControl* Overlay);
    /// The inspector shows the inspected control's values again (an undo changed them).
    void InspectedChanged();
    /// Selects Overlay alone, as a click on it does: it takes the focus when it can, becomes
    /// the inspected control and is reported through OnObjectClicked.
    void SelectAlone(TDesignControl* Overlay);

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void CallOldWindowProc(TMessage& Message);
    void PaintGrid();
    /// Whether child is left out of the design (bars, the designer's own splitter, the
    /// inspector, names in CannotDesignControls).
    bool Excluded(TControl* child) const;
    /// Makes the context menu with its ten items (once).
    void CreatePopupMenu();


private:
    friend class TDesignControl;
    friend class TDesignerScope;
    friend class TOperateRec;
    /// Forgets an overlay that is going: it leaves this designer's list, the selection
    /// and the history.
    void OverlayGone(TDesignControl* Overlay);
    /// Every window of this designer's design shows its own cursor again, not the last one
    /// the design gave it.
    void ResetCursors();
    /// Puts the design form's live windowed children (bars, the inspector, names left out of
    /// the design) above the overlays, so that a dragged control never covers them.
    void RaiseLiveControls();

    // The inspector (InspectorLink.cpp).
    /// Makes the inspector with its bindings and the splitter, when there are none.
    void CreateInspector();
    /// Docks the inspector at the left of the form holding the design form, the splitter
    /// right of it, and shows both.
    void DockInspector();
    /// Fills the object list and, when shown, docks the inspector on the first control.
    void StartInspector();
    void HideInspector();
    /// Empties the object list and frees the inspector and the splitter.
    void FreeInspector();
    /// Makes Control the inspected object of the tree's inspector.
    void InspectControl(TControl* Control);
    /// Before a write from the inspector: the property's value (or the control's bounds) as
    /// it was, for the change the write records.
    void InspectorWriting(const std::vector<TObject*>& Objects, const std::string& PropName);
    /// After a write from the inspector: an overlay whose control was moved or sized by the
    /// edit takes the control's new place, and the write is recorded as one change.
    void InspectorModified();
    /// What a write from the inspector is about to change, for each control it writes.
    struct TWriteBefore {
        TDesignControl* Overlay;
        TRect Bounds;
        std::shared_ptr<const TPropertyValue> Value;
    };
    std::vector<TWriteBefore> FWritesBefore;
    /// The inspector shows Control's new place and size when it is the inspected control.
    void InspectedBoundsChanged(TControl* Control);
    /// The designed controls changed (inserted, deleted, brought back, freed): the object list
    /// is filled again when the current command ends.
    void ObjectsChanged();
    /// The selection changed: the inspector turns to the selection when the command ends.
    void SelectionChanged();
    void RefreshObjectList();
    /// Selects the control the object list shows first, as a pick in the list does.
    void SelectFirstListed();
    /// Shows the focused selected control in the inspector, another selected one when the
    /// focus is elsewhere, or nothing when nothing is selected.
    void InspectSelection();

    /// Runs Change on each overlay (with its index) and records their bounds before and after
    /// as one change, or as one more keyboard step of the last one; nothing when the list is
    /// empty. Answers whether it recorded.
    bool RecordBounds(const std::vector<TDesignControl*>& Overlays, bool KeyStep,
                      const std::function<void(TDesignControl*, size_t)>& Change);
    /// The selected overlays of this designer in list order; with Movable, only those that
    /// are not locked.
    std::vector<TDesignControl*> SelectedInList(bool Movable = false) const;
    // Keyboard steps, which the history joins into one change while they follow each other.
    void MoveSelected(int DX, int DY, bool KeyStep);
    void ResizeSelected(int DW, int DH, bool KeyStep);

    /// The selected controls of the tree that a copy takes.
    std::vector<TDesignControl*> CopiedOverlays() const;
    /// The form text of Overlays' controls (each once, with its children: one inside another
    /// goes with that one), as a save during the session would write them.
    std::string FormText(const std::vector<TDesignControl*>& Overlays);
    /// Reads the controls of Text into this designer's design form and wraps them; with
    /// Offset they land at least a grid step from where the text puts them.
    std::vector<TDesignControl*> PasteText(const std::string& Text, bool Offset);
    /// Runs Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+D; answers whether Key was one of them.
    bool ClipboardKey(uint16_t Key, TShiftState Shift);
    /// Records the controls just made as one insertion and selects them.
    void RecordInsertion(const std::vector<TDesignControl*>& Overlays);

    // Arranging (DesignerArrange.cpp).
    /// The selected, not deleted overlays of this designer, in the order they were selected.
    std::vector<TDesignControl*> SelectedOverlays() const;
    void SizeSelection(TKmAlign Command);
    void CenterSelection(TKmAlign Command);
    void StackSelection(bool ToFront);
    /// Locks or unlocks the selected controls, as one recorded change.
    void LockSelection(bool Lock);
    /// A designed control was renamed: its lock goes with it.
    void Renamed(const std::string& Old, const std::string& New);
    /// Sets the lock of Overlay's control and redraws its handles.
    void SetLocked(TDesignControl* Overlay, bool Lock);
    TStringList* FLockedControls = nullptr;
    /// The designed windowed children that the tab order numbers, in their tab order.
    std::vector<TDesignControl*> TabOrdered() const;
    /// Numbers Overlay next in the tab-order mode.
    void TabOrderClick(TDesignControl* Overlay);
    void ShowTabOrderMarks();
    /// This designer's overlays in their stacking order, bottom first.
    std::vector<TDesignControl*> Stacked() const;
    /// A user restacked controls: the session gives them back in the new order.
    bool FRestacked = false;
    /// Leaves the tab-order mode without recording it (the session ends).
    void DropTabOrderMode();
    TDesignMarks* FTabOrderMarks = nullptr;
    TOperateRec* FTabOrderBefore = nullptr;
    int FTabOrderNext = 0;

    // Snapping a drag (DesignerSnap.cpp).
    /// Gathers the lines of the design form's edges and of the overlays not in Moving.
    void BeginSnapDrag(const std::vector<TDesignControl*>& Moving);
    /// Where a control dragged to r (design-form client coordinates) snaps, the guides that
    /// hold there shown; r itself with Alt held or nothing to snap to.
    TRect SnapDrag(const TRect& r, const TDraggedEdges& Edges);
    /// Erases the guides and forgets the lines.
    void EndSnapDrag();
    /// The grid's origin: the design form's scrolled content starts there.
    TPoint GridOrigin() const;
    TGuideLines* FGuides = nullptr;
    TDesignMarks* FGuideMarks = nullptr;
    bool FSnapping = false;
    bool FSnapToGrid = false;
    bool FSnapToGuides = false;
    bool FDistributeByPosition = false;
    int FGridSize = 8;

    // Work deferred to the end of the outermost command (DesignerScope.cpp).
    /// Frees Object now, or when the outermost command of the tree ends if one runs.
    void Retire(TObject* Object);
    /// Holds Object until the outermost command ends.
    void Keep(TObject* Object);
    /// Component was freed by something else while it waited.
    void ForgetRetired(TComponent* Component);
    /// Frees Overlay when a message it posts itself arrives: its control is being destroyed
    /// inside it now.
    void ReleaseWhenPosted(TDesignControl* Overlay);
    /// The message Overlay posted arrived.
    void OverlayReleased(TDesignControl* Overlay);
    std::vector<TDesignControl*> FReleasedOverlays;
    /// Runs what the command that just ended left to do.
    void Settle();
    int FBusy = 0;
    std::vector<TObject*> FRetired;
    bool FObjectsStale = false;
    bool FInspectionStale = false;
    /// An insertion was taken back: the first listed control is selected when it settles.
    bool FSelectFirstListed = false;
    /// Set while the session ends: a handler of an event raised meanwhile cannot end it twice.
    bool FEnding = false;

    TList* FControls = nullptr;
    TWinControl* FDesignForm = nullptr;
    bool FLockUpdate = false;
    TWndMethod FOldWindowProc;
    bool FRubberBanding = false;
    TPoint FMoveOrigin;
    TPoint FDragFrom;
    TPoint FDragTo;
    TRunState FRunState = TRunState::rsNone;
    bool FIsInner = false;
    bool FMoving = false;
    TRect FMoveRect;
    TPopupMenu* FPopupMenu = nullptr;
    TZkFormDesigner* FParentDesigner = nullptr;
    TList* FChildDesigners = nullptr;
    TZkFormDesigner* FRootDesigner = nullptr;
    TOperateHistory* FHistory = nullptr;
    TStringList* FCannotDesignControls = nullptr;
    TZkControlSelection* FSelection = nullptr;
    bool FIsDirty = false;
    TObjectInspForm* FInspector = nullptr;
    bool FShowInspector = true;
    TSplitter* FSplitter = nullptr;
    TDesignState FDesignState = dsSelect;
    TClass FInsertClass = nullptr;
    bool FBoundsChanging = false;
    bool FDesignFormWasVisible = true;
    /// Set while a session ends because the design form is being deleted.
    bool FDesignFormGoing = false;
    /// The after-entry that the current user move or resize recorded: later steps of the
    /// same drag move it along, so that one action is one change from start to end.
    TOperateItem* FBoundsAfterItem = nullptr;

    // Drags on the design surface.
    void CaptureMouse();
    void ReleaseMouse();
    void DrawBand();
    /// The band or insert rectangle between the drag points, on the screen; an insert
    /// rectangle snaps as a drawn rectangle does.
    TRect BandRect();
    TRect FBandRect;
    void FinishBand(TPoint releasePos);
    void FinishMove(TPoint releasePos);
    /// Starts a band (or an insert rectangle) at ScreenPos, with the mouse captured.
    void StartBand(TPoint ScreenPos);
    /// The group move's shift for the mouse at screenPos, snapped.
    TPoint MoveShift(TPoint screenPos);
    /// Where the latest press on a designed control of the tree began (screen coordinates,
    /// kept by the root), so that a drag-move of the selection counts the travel from there.
    void NotePress(TPoint screenPos) {
        FPressPos = screenPos;
        FPressKnown = true;
        CloseKeyStep();
    }
    /// A press between two keyboard steps makes the second a change of its own.
    void CloseKeyStep();
    bool FMoveRectShown = false;
    /// The selection's controls where the group move began, in design-form coordinates.
    TRect FMoveStart;
    /// How far the group move has taken them, snapped.
    TPoint FMoveShift;
    TPoint FPressPos;
    bool FPressKnown = false;
};

/// Posted to an overlay whose control was freed, to free the overlay in its turn.
inline constexpr uint32_t DM_RELEASE_OVERLAY = WM_USER + 0x5A2;

/// Deselects the overlays of every designer of Root's tree except KeepDesigner's.
void ClearDesignerSelections(TZkFormDesigner* Root, TZkFormDesigner* KeepDesigner);
/// Cancels the drag of every designer of Root's tree; answers whether one was in progress.
bool CancelDesignerDrags(TZkFormDesigner* Root);
/// Ends the tab-order mode of every designer of Root's tree; answers whether one was on.
bool EndTabOrderModes(TZkFormDesigner* Root);
