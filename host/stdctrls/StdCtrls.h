#pragma once
// The standard controls: push buttons, check boxes, radio buttons, labels, single- and multi-line
// edits, list boxes and combo boxes. Each windowed one is a real Qt widget behind a window class
// that answers the platform's messages for it (BM_*, EM_*, LB_*, CB_*) and tells its control what
// the user did with CN_COMMAND notifications; owner-drawn items are drawn by the control on its
// Canvas in answer to CN_DRAWITEM.

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/core/Strings.h"

// ---- Messages, notifications and styles of the standard window classes ------------------------

inline constexpr uint32_t WM_DRAWITEM = 0x002B;
inline constexpr uint32_t WM_MEASUREITEM = 0x002C;
inline constexpr uint32_t WM_STYLECHANGED = 0x007D;
inline constexpr uint32_t WM_CUT = 0x0300;
inline constexpr uint32_t WM_COPY = 0x0301;
inline constexpr uint32_t WM_PASTE = 0x0302;
inline constexpr uint32_t WM_CLEAR = 0x0303;
inline constexpr uint32_t CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr uint32_t CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;

// Edits. Character positions count UTF-16 units, as the platform's wide-character edits do.
inline constexpr uint32_t EM_GETSEL = 0x00B0;
inline constexpr uint32_t EM_SETSEL = 0x00B1;
inline constexpr uint32_t EM_GETMODIFY = 0x00B8;
inline constexpr uint32_t EM_SETMODIFY = 0x00B9;
inline constexpr uint32_t EM_GETLINECOUNT = 0x00BA;
inline constexpr uint32_t EM_LINEINDEX = 0x00BB;
inline constexpr uint32_t EM_LINELENGTH = 0x00C1;
inline constexpr uint32_t EM_REPLACESEL = 0x00C2;
inline constexpr uint32_t EM_LIMITTEXT = 0x00C5;
inline constexpr uint32_t EM_CANUNDO = 0x00C6;
inline constexpr uint32_t EM_LINEFROMCHAR = 0x00C9;
inline constexpr uint32_t EM_SETPASSWORDCHAR = 0x00CC;
inline constexpr uint32_t EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr uint32_t EM_SETREADONLY = 0x00CF;
inline constexpr uint32_t EM_GETPASSWORDCHAR = 0x00D2;
inline constexpr uint32_t EM_GETLIMITTEXT = 0x00D5;
/// The selected text as UTF-8 and a terminating NUL, into the buffer LParam points to (three
/// bytes for each selected unit suffice); answers the byte count.
inline constexpr uint32_t EM_GETSELTEXT = WM_USER + 62;
inline constexpr uint16_t EN_CHANGE = 0x0300;

// Buttons.
inline constexpr uint32_t BM_GETCHECK = 0x00F0;
inline constexpr uint32_t BM_SETCHECK = 0x00F1;
inline constexpr uint32_t BM_GETSTATE = 0x00F2;
inline constexpr uint32_t BM_SETSTATE = 0x00F3;
inline constexpr uint32_t BM_SETSTYLE = 0x00F4;
inline constexpr uint32_t BM_CLICK = 0x00F5;
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;
inline constexpr int BST_PUSHED = 4;
inline constexpr uint16_t BN_CLICKED = 0;

// List boxes. Strings travel as UTF-8: LB_ADDSTRING's LParam is a const char*, LB_GETTEXT
// copies the item and a terminating NUL into the buffer LParam points to.
inline constexpr uint32_t LB_ADDSTRING = 0x0180;
inline constexpr uint32_t LB_INSERTSTRING = 0x0181;
inline constexpr uint32_t LB_DELETESTRING = 0x0182;
inline constexpr uint32_t LB_RESETCONTENT = 0x0184;
inline constexpr uint32_t LB_SETSEL = 0x0185;
inline constexpr uint32_t LB_SETCURSEL = 0x0186;
inline constexpr uint32_t LB_GETSEL = 0x0187;
inline constexpr uint32_t LB_GETCURSEL = 0x0188;
inline constexpr uint32_t LB_GETTEXT = 0x0189;
inline constexpr uint32_t LB_GETTEXTLEN = 0x018A;
inline constexpr uint32_t LB_GETCOUNT = 0x018B;
inline constexpr uint32_t LB_GETTOPINDEX = 0x018E;
inline constexpr uint32_t LB_GETSELCOUNT = 0x0190;
inline constexpr uint32_t LB_SETTOPINDEX = 0x0197;
inline constexpr uint32_t LB_GETITEMRECT = 0x0198;
inline constexpr uint32_t LB_GETITEMDATA = 0x0199;
inline constexpr uint32_t LB_SETITEMDATA = 0x019A;
inline constexpr uint32_t LB_SETCARETINDEX = 0x019E;
inline constexpr uint32_t LB_GETCARETINDEX = 0x019F;
inline constexpr uint32_t LB_SETITEMHEIGHT = 0x01A0;
inline constexpr uint32_t LB_GETITEMHEIGHT = 0x01A1;
inline constexpr uint32_t LB_ITEMFROMPOINT = 0x01A9;
inline constexpr intptr_t LB_ERR = -1;
inline constexpr uint16_t LBN_SELCHANGE = 1;
inline constexpr uint16_t LBN_DBLCLK = 2;

// Combo boxes; strings as for list boxes.
inline constexpr uint32_t CB_GETEDITSEL = 0x0140;
inline constexpr uint32_t CB_LIMITTEXT = 0x0141;
inline constexpr uint32_t CB_SETEDITSEL = 0x0142;
inline constexpr uint32_t CB_ADDSTRING = 0x0143;
inline constexpr uint32_t CB_DELETESTRING = 0x0144;
inline constexpr uint32_t CB_GETCOUNT = 0x0146;
inline constexpr uint32_t CB_GETCURSEL = 0x0147;
inline constexpr uint32_t CB_GETLBTEXT = 0x0148;
inline constexpr uint32_t CB_GETLBTEXTLEN = 0x0149;
inline constexpr uint32_t CB_INSERTSTRING = 0x014A;
inline constexpr uint32_t CB_RESETCONTENT = 0x014B;
inline constexpr uint32_t CB_SETCURSEL = 0x014E;
inline constexpr uint32_t CB_SHOWDROPDOWN = 0x014F;
inline constexpr uint32_t CB_GETITEMDATA = 0x0150;
inline constexpr uint32_t CB_SETITEMDATA = 0x0151;
inline constexpr uint32_t CB_SETITEMHEIGHT = 0x0153;
inline constexpr uint32_t CB_GETITEMHEIGHT = 0x0154;
inline constexpr uint32_t CB_GETDROPPEDSTATE = 0x0157;
inline constexpr uint32_t CB_SETMINVISIBLE = 0x1701;
inline constexpr uint32_t CB_GETMINVISIBLE = 0x1702;
inline constexpr intptr_t CB_ERR = -1;
inline constexpr uint16_t CBN_SELCHANGE = 1;
inline constexpr uint16_t CBN_DBLCLK = 2;
inline constexpr uint16_t CBN_EDITCHANGE = 5;
inline constexpr uint16_t CBN_DROPDOWN = 7;
inline constexpr uint16_t CBN_CLOSEUP = 8;

// Window styles of the standard classes (low word) and the scroll-bar styles.
inline constexpr uint32_t WS_HSCROLL = 0x00100000;
inline constexpr uint32_t WS_VSCROLL = 0x00200000;
inline constexpr uint32_t BS_PUSHBUTTON = 0x0000;
inline constexpr uint32_t BS_DEFPUSHBUTTON = 0x0001;
inline constexpr uint32_t BS_3STATE = 0x0005;
inline constexpr uint32_t BS_RADIOBUTTON = 0x0004;
inline constexpr uint32_t BS_LEFTTEXT = 0x0020;
inline constexpr uint32_t BS_MULTILINE = 0x2000;
inline constexpr uint32_t ES_LEFT = 0x0000;
inline constexpr uint32_t ES_CENTER = 0x0001;
inline constexpr uint32_t ES_RIGHT = 0x0002;
inline constexpr uint32_t ES_MULTILINE = 0x0004;
inline constexpr uint32_t ES_UPPERCASE = 0x0008;
inline constexpr uint32_t ES_LOWERCASE = 0x0010;
inline constexpr uint32_t ES_AUTOVSCROLL = 0x0040;
inline constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
inline constexpr uint32_t ES_NOHIDESEL = 0x0100;
inline constexpr uint32_t ES_READONLY = 0x0800;
inline constexpr uint32_t ES_WANTRETURN = 0x1000;
inline constexpr uint32_t LBS_NOTIFY = 0x0001;
inline constexpr uint32_t LBS_MULTIPLESEL = 0x0008;
inline constexpr uint32_t LBS_OWNERDRAWFIXED = 0x0010;
inline constexpr uint32_t LBS_OWNERDRAWVARIABLE = 0x0020;
inline constexpr uint32_t LBS_HASSTRINGS = 0x0040;
inline constexpr uint32_t LBS_NOINTEGRALHEIGHT = 0x0100;
inline constexpr uint32_t LBS_EXTENDEDSEL = 0x0800;
inline constexpr uint32_t CBS_SIMPLE = 0x0001;
inline constexpr uint32_t CBS_DROPDOWN = 0x0002;
inline constexpr uint32_t CBS_DROPDOWNLIST = 0x0003;
inline constexpr uint32_t CBS_OWNERDRAWFIXED = 0x0010;
inline constexpr uint32_t CBS_OWNERDRAWVARIABLE = 0x0020;
inline constexpr uint32_t CBS_AUTOHSCROLL = 0x0040;
inline constexpr uint32_t CBS_HASSTRINGS = 0x0200;

// Owner drawing: the control kinds and the item states of TDrawItemStruct.
inline constexpr uint32_t ODT_LISTBOX = 2;
inline constexpr uint32_t ODT_COMBOBOX = 3;
inline constexpr uint32_t ODA_DRAWENTIRE = 0x0001;
inline constexpr uint32_t ODS_SELECTED = 0x0001;
inline constexpr uint32_t ODS_DISABLED = 0x0004;
inline constexpr uint32_t ODS_FOCUS = 0x0010;
inline constexpr uint32_t ODS_COMBOBOXEDIT = 0x1000;

/// What CN_DRAWITEM points to: the item, its state and where to draw it on hDC (in the
/// coordinates of the window the item shows in). itemID is -1 for an empty combo box field.
struct TDrawItemStruct {
    uint32_t CtlType = 0;
    uint32_t CtlID = 0;
    int32_t itemID = -1;
    uint32_t itemAction = ODA_DRAWENTIRE;
    uint32_t itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    intptr_t itemData = 0;
};

/// What CN_MEASUREITEM points to: the item whose height a variable owner-draw list asks for.
struct TMeasureItemStruct {
    uint32_t CtlType = 0;
    uint32_t CtlID = 0;
    int32_t itemID = -1;
    uint32_t itemWidth = 0;
    uint32_t itemHeight = 0;
    intptr_t itemData = 0;
};

// ---- Types --------------------------------------------------------------------------------------

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
/// The state of an owner-drawn item; the bits are those of TDrawItemStruct::itemState.
enum TOwnerDrawStateFlag {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odReserved1,
    odReserved2,
    odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TDrawItemEvent =
    TEvent<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

ZK_DECLARE_TYPEINFO(TTextLayout)
ZK_DECLARE_TYPEINFO(TEditCharCase)
ZK_DECLARE_TYPEINFO(TCheckBoxState)
ZK_DECLARE_TYPEINFO(TListBoxStyle)
ZK_DECLARE_TYPEINFO(TComboBoxStyle)
ZK_DECLARE_TYPEINFO(TOwnerDrawStateFlag)
ZK_DECLARE_TYPEINFO(TOwnerDrawState)
ZK_DECLARE_TYPEINFO(TDrawItemEvent)
ZK_DECLARE_TYPEINFO(TMeasureItemEvent)

// ---- Buttons ------------------------------------------------------------------------------------

/// Base of the controls that are buttons to the window system: push buttons, check boxes and
/// radio buttons. A click, by mouse or by key, reaches the control as BN_CLICKED.
class TButtonControl : public TWinControl {
    ZK_CLASS(TButtonControl, TWinControl)
    explicit TButtonControl(TComponent* AOwner);

    virtual bool Checked() const { return false; }
    virtual void SetChecked(bool Value) { (void)Value; }
    void Dispatch(TMessage& Message) override;

protected:
    /// The notifications the button's window sends: BN_CLICKED.
    virtual void CNCommand(TMessage& Message);
    bool WantsKey(uint16_t Key) override;
    void CreateWnd() override;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    /// Set while the control changes its own state, so that the change is not taken for a click.
    bool FClicksDisabled = false;
};

/// A push button: clicks, and as the form's default or cancel button answers Enter or Esc; in a
/// modal form its ModalResult closes the form.
class TButton : public TButtonControl {
    ZK_CLASS(TButton, TButtonControl)
    explicit TButton(TComponent* AOwner);

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    void Click() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CNCommand(TMessage& Message) override;
    void CMDialogKey(TWMKey& Message) override;
    /// Its caption's accelerator clicks it.
    void CMDialogChar(TWMKey& Message) override;

private:
    /// Whether Enter clicks this button now: it is focused, or it is the default button and no
    /// other button is focused.
    bool Active() const;

    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};

/// A check box with two or, when AllowGrayed, three states; a click moves to the next state.
class TCustomCheckBox : public TButtonControl {
    ZK_CLASS(TCustomCheckBox, TButtonControl)
    explicit TCustomCheckBox(TComponent* AOwner);

    TCheckBoxState State() const { return FState; }
    /// Changes the state and, unless it stays the same, clicks (OnClick).
    void SetState(TCheckBoxState Value);
    bool Checked() const override { return FState == cbChecked; }
    void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    /// The next state: unchecked, then grayed when allowed, then checked, then unchecked.
    virtual void Toggle();

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void CNCommand(TMessage& Message) override;
    /// Its caption's accelerator focuses it and moves it to the next state.
    void CMDialogChar(TWMKey& Message) override;

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TLeftRight FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    ZK_CLASS(TCheckBox, TCustomCheckBox)
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

/// A radio button: checking it unchecks the other radio buttons of its parent.
class TRadioButton : public TButtonControl {
    ZK_CLASS(TRadioButton, TButtonControl)
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const override { return FChecked; }
    void SetChecked(bool Value) override;
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void CNCommand(TMessage& Message) override;
    /// Its caption's accelerator focuses and checks it.
    void CMDialogChar(TWMKey& Message) override;

private:
    bool FChecked = false;
    TLeftRight FAlignment = taRightJustify;
};

// ---- Labels -------------------------------------------------------------------------------------

/// Text painted on the parent, without a window: it sizes itself to its text when AutoSize.
class TCustomLabel : public TGraphicControl {
    ZK_CLASS(TCustomLabel, TGraphicControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TCustomLabel)
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    /// Whether "&" marks the next character as the accelerator (drawn underlined).
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    /// The control an accelerator of the caption focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

    void Loaded() override;

protected:
    void Paint() override;
    /// Sizes the label to its text (keeping the right edge when right-justified).
    virtual void AdjustBounds();
    /// Draws (or with DT_CALCRECT measures) the caption on the canvas's device context.
    virtual void DoDrawText(HDC DC, TRect& Rect, uint32_t Flags);
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMParentFontChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    /// Its caption's accelerator focuses FocusControl (with ShowAccelChar, while enabled).
    void CMDialogChar(TWMKey& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    uint32_t DrawFlags() const;
    /// Gives the label the measured size of its text, kept to its right edge when right
    /// justified, and remembers it as the last fit.
    void FitTo(int width, int height);

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
    bool FAdjusting = false;
    /// The text's size at the last fit, while nothing it was measured from has changed
    /// since: a label moved to a parent of the same font fits itself again from it without
    /// measuring its text.
    bool FFitValid = false;
    int FTextWidth = 0;
    int FTextHeight = 0;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    ZK_CLASS(TLabel, TCustomLabel)
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

// ---- Edits --------------------------------------------------------------------------------------

/// A single-line edit: text the user types, with selection, undo, a length limit, a password
/// character and letter-case conversion.
class TCustomEdit : public TWinControl {
    ZK_CLASS(TCustomEdit, TWinControl)
    explicit TCustomEdit(TComponent* AOwner);

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    /// Whether the height follows the font.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    /// The most characters the user may enter; 0 for no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    /// Whether the text was changed since it was last set or Modified was cleared.
    bool Modified() const;
    void SetModified(bool Value);
    /// The character shown in place of each character typed; 0 shows the text.
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);

    /// The selection, in characters (UTF-16 units) of the text.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    /// Replaces the selection, as typing would (so that it can be undone).
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection();
    void Clear();
    /// EM_UNDO: undoes the last change.
    void Undo();
    bool CanUndo() const;
    void ClearUndo();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnChange;
    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    virtual void Change();
    /// EN_CHANGE and the other notifications the edit's window sends.
    virtual void CNCommand(TMessage& Message);
    /// Fits the height to the font when AutoSize.
    virtual void AdjustHeight();
    /// Applies the style of the current properties to the window.
    void UpdateStyle();
    bool WantsKey(uint16_t Key) override;
    void WMSetFocus(TWMSetFocus& Message) override;
    void WMDestroy(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    bool FAutoSelect = true;
    bool FAutoSize = true;
    TBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = true;
    TEditCharCase FCharCase = ecNormal;
    bool FHideSelection = true;
    int FMaxLength = 0;
    bool FModified = false;
    char FPasswordChar = 0;
    bool FReadOnly = false;
};

class TEdit : public TCustomEdit {
    ZK_CLASS(TEdit, TCustomEdit)
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

class TCustomMemo;

/// A memo's lines: read from and written to the memo's window when it has one, so that they
/// and what the user sees are always the same.
class TMemoStrings : public TStrings {
    ZK_CLASS(TMemoStrings, TStrings)
    explicit TMemoStrings(TCustomMemo* Memo) : FMemo(Memo) {}

    std::string Get(int Index) const override;
    TObject* GetObject(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    int Count() const override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void SetText(const std::string& Value) override;

private:
    /// Replaces the part [from, to) of the memo's text (byte offsets into Text()).
    void Replace(size_t From, size_t To, const std::string& With);
    std::vector<std::string> Lines() const;

    TCustomMemo* FMemo;
};

/// A multi-line edit whose text is also its Lines.
class TCustomMemo : public TCustomEdit {
    ZK_CLASS(TCustomMemo, TCustomEdit)
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    TStrings* Lines() const { return FLines; }
    void SetLines(TStrings* Value) { FLines->Assign(Value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    friend class TMemoStrings;
    void CreateParams(TCreateParams& Params) override;
    void AdjustHeight() override {}
    bool WantsKey(uint16_t Key) override;
    void KeyPress(char& Key) override;

private:
    TMemoStrings* FLines;
    TAlignment FAlignment = taLeftJustify;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
    ZK_CLASS(TMemo, TCustomMemo)
    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};

// ---- Lists --------------------------------------------------------------------------------------

class TListControlItems;

/// Base of the list box and the combo box: items with objects mirrored into the window, the
/// current item kept while there is none, letter order, and owner-drawn rows of a set height.
class TCustomListControl : public TWinControl {
    ZK_CLASS(TCustomListControl, TWinControl)
    explicit TCustomListControl(TComponent* AOwner);
    ~TCustomListControl() override;

    TStrings* Items() const;
    void SetItems(TStrings* Value);
    int Count() const;
    /// The current item, or -1.
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int Value) = 0;
    virtual void AddItem(const std::string& Item, TObject* AObject);
    virtual void Clear() = 0;
    virtual void ClearSelection() = 0;
    virtual void DeleteSelected() = 0;
    virtual void SelectAll() = 0;
    /// Adds the selected items (with their objects) to Destination.
    virtual void CopySelection(TCustomListControl* Destination) = 0;
    virtual void MoveSelection(TCustomListControl* Destination);

    /// Whether new items go to their place in letter order (case ignored).
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    /// The height of a row: a line of the font where the window draws the rows, the set one
    /// where the control does.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    /// Only owner-drawn rows store their height; the others follow the font.
    bool ItemHeightStored() const { return OwnerDrawn(); }
    /// A canvas for measuring at any time, and for drawing while an item is owner-drawn.
    TCanvas* Canvas() const { return FCanvas; }

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void Dispatch(TMessage& Message) override;

protected:
    friend class TListControlItems;
    /// The messages of the window's class that mirror the items.
    struct TItemMessages {
        uint32_t Insert;
        uint32_t Delete;
        uint32_t Reset;
        uint32_t SetData;
    };
    virtual TItemMessages ItemMessages() const = 0;
    /// Whether the control draws the rows (the owner-drawn styles).
    virtual bool OwnerDrawn() const = 0;
    /// The row height or the font changed: the window gets the row height, and the control's
    /// height follows it.
    virtual void RowHeightChanged() = 0;
    /// An item came, went, or all went: a control without a window moves the selection it keeps
    /// with them, as the window would.
    virtual void ItemInserted(int Index);
    virtual void ItemDeleted(int Index);
    virtual void ItemsCleared();
    /// Puts the items and the selection kept meanwhile into a new window.
    virtual void FillWindow() = 0;
    /// Puts the items with their objects into the window, in place of what it has.
    void FillItems();
    /// Gives the window the style CreateParams makes now.
    void UpdateStyle();
    /// Sends a message to the window when there is one.
    intptr_t SendToWindow(uint32_t Msg, intptr_t WParam, intptr_t LParam) const;
    /// Draws an item; OnDrawItem when assigned, else the item's text on the brush colour.
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    virtual void MeasureItem(int Index, int& Height);
    /// The window's notifications (LBN_*, CBN_*).
    virtual void CNCommand(TMessage& Message) = 0;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

    TListControlItems* FItems;
    /// The current item kept while there is no window.
    int FItemIndex = -1;

private:
    /// Answers CN_DRAWITEM: binds Canvas to the item's device context with the control's font
    /// and brush (the highlight colours for a selected item), has DrawItem paint the item,
    /// and unbinds the canvas.
    void PaintOwnerDrawItem(TMessage& Message);
    void CNMeasureItem(TMessage& Message);

    TCanvas* FCanvas;
    bool FSorted = false;
    int FItemHeight = 16;
};

/// The items of a list or combo box with their objects: the control's own, mirrored into its
/// window by every change.
class TListControlItems : public TStrings {
    ZK_CLASS(TListControlItems, TStrings)
    explicit TListControlItems(TCustomListControl* Control) : FControl(Control) {}

    std::string Get(int Index) const override;
    TObject* GetObject(int Index) const override;
    /// Replaces the text; the object stays, and so does the current item.
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    int Count() const override { return static_cast<int>(FItems.size()); }
    /// In a sorted control the item goes to its place, whatever Index says.
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;
    int Add(const std::string& S) override { return AddObject(S, nullptr); }
    int AddObject(const std::string& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    /// Puts the items in letter order (case ignored, equal items in their order); the current
    /// item stays current.
    void Sort();

private:
    struct TItem {
        std::string Text;
        TObject* Object = nullptr;
    };
    void CheckIndex(int Index) const;
    void InsertItem(int Index, const std::string& S, TObject* AObject);

    TCustomListControl* FControl;
    std::vector<TItem> FItems;
};

/// A list box: items with objects, single or multiple selection, owner drawing, rows of a fixed
/// height that the box's height can be made a whole number of.
class TCustomListBox : public TCustomListControl {
    ZK_CLASS(TCustomListBox, TCustomListControl)
    explicit TCustomListBox(TComponent* AOwner);

    int ItemIndex() const override;
    void SetItemIndex(int Value) override;
    void Clear() override;
    void ClearSelection() override;
    void DeleteSelected() override;
    void SelectAll() override;
    void CopySelection(TCustomListControl* Destination) override;

    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    /// With MultiSelect: whether Shift and Ctrl extend the selection (else a click toggles).
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value);
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    /// The first item shown.
    int TopIndex() const;
    void SetTopIndex(int Value);
    /// The item at Pos (client coordinates); when there is none, -1 if Existing, else Count.
    int ItemAtPos(TPoint Pos, bool Existing) const;
    /// Where item Index shows, in client coordinates; empty when it is not laid out.
    TRect ItemRect(int Index) const;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    TItemMessages ItemMessages() const override;
    bool OwnerDrawn() const override { return FStyle != lbStandard; }
    void RowHeightChanged() override;
    void ItemInserted(int Index) override;
    void ItemDeleted(int Index) override;
    void ItemsCleared() override;
    void FillWindow() override;
    void CNCommand(TMessage& Message) override;
    bool WantsKey(uint16_t Key) override;
    void WMDestroy(TMessage& Message) override;

private:
    /// Shrinks the height to the frame and a whole number of rows when IntegralHeight.
    int IntegralHeightFor(int Height) const;
    void ReapplyHeight();
    int FrameWidth() const;

    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    TListBoxStyle FStyle = lbStandard;
    bool FIntegralHeight = false;
    TBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = true;
    // The selection kept while there is no window.
    int FTopIndex = 0;
    std::vector<bool> FSelection;
};

class TListBox : public TCustomListBox {
    ZK_CLASS(TListBox, TCustomListBox)
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

// ---- Combo boxes --------------------------------------------------------------------------------

/// A combo box: an edit or a closed box showing the current item, with a list that drops down.
/// Owner-drawn styles draw each row of the list and the closed box on Canvas in OnDrawItem.
class TCustomCombo : public TCustomListControl {
    ZK_CLASS(TCustomCombo, TCustomListControl)
    explicit TCustomCombo(TComponent* AOwner);

    int ItemIndex() const override;
    void SetItemIndex(int Value) override;
    void Clear() override;
    void ClearSelection() override { SetItemIndex(-1); }
    void DeleteSelected() override;
    void SelectAll() override;
    void CopySelection(TCustomListControl* Destination) override;

    TComboBoxStyle Style() const { return FStyle; }
    /// Switching keeps the items and the current item.
    void SetStyle(TComboBoxStyle Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    /// Whether the list is open; setting it opens or closes the real list.
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    void SetSelText(const std::string& Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    /// Once the window exists, the height of a closed combo box is its field's, whatever is asked.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    TItemMessages ItemMessages() const override;
    bool OwnerDrawn() const override {
        return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable;
    }
    void RowHeightChanged() override;
    void FillWindow() override;
    /// The user changed the text (typing, or picking an item with no OnSelect).
    virtual void Change();
    /// The user picked an item: OnSelect, or Change when it is not assigned.
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    void CNCommand(TMessage& Message) override;
    bool WantsKey(uint16_t Key) override;
    void WMDestroy(TMessage& Message) override;

private:
    /// The field's height: a line of the font (or an owner-drawn row) and the frame.
    int FixedHeight() const;
    void ApplyFixedHeight();

    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    int FMaxLength = 0;
};

/// The combo box users put on forms.
class TCustomComboBox : public TCustomCombo {
    ZK_CLASS(TCustomComboBox, TCustomCombo)
    explicit TCustomComboBox(TComponent* AOwner) : TCustomCombo(AOwner) {}
};

class TComboBox : public TCustomComboBox {
    ZK_CLASS(TComboBox, TCustomComboBox)
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};
