#pragma once
// The object inspector: one inspected property (TProp), the grid's content panel (TInspPanel)
// and the inspector window with its hand-drawn two-column property grid (TObjectInspForm).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/buttons/Buttons.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/controls/Forms.h"
#include "host/core/Strings.h"
#include "host/core/TypInfo.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

class TObjectInspForm;
class TPopupListBox;

using TModifyEvent = TEvent<void(int Item)>;
using TKeptValueEvent =
    TEvent<bool(TObject* Object, const std::string& PropName, Variant& Value, bool Write)>;
using TWritingEvent =
    TEvent<void(const std::vector<TObject*>& Objects, const std::string& PropName)>;
using TGetObjectsEvent = TEvent<void(TStrings* List)>;
using TSelectionChangedEvent = TEvent<void(TObject* control)>;
using TTransFieldNameEvent = TEvent<std::string(const std::string& FName)>;
using TEditPropEvent = TEvent<void(const std::string& propname, TObject* propObject)>;
using TControlOriginEvent = TEvent<TPoint(TControl* control)>;

/// The cursor identifiers; position p names the cursor value -p.
inline constexpr int CursorNameCount = 23;
extern const char* const CursorNames[CursorNameCount];
/// The identifier of a cursor value, or its number when the table has no entry for it.
std::string CursorValueText(int64_t value);

/// The text a character value shows as: a printable ASCII character other than the blank as
/// itself, any other code (#0, the blank, controls, codes past ASCII) as #n in decimal.
std::string CharValueText(int64_t code);
/// The code a character text stands for: #n, or one single character (its code point); the
/// empty text is #0. False when the text is neither or the code lies past Max.
bool CharTextCode(const std::string& text, int64_t Max, int64_t& code);

/// The display words of a Boolean value.
inline constexpr const char* BoolTrueText = "是";
inline constexpr const char* BoolFalseText = "否";

/// One published property of one inspected object: reads it as display text, writes text
/// back, and tells the editors which buttons the row gets.
class TProp : public TObject {
    ZK_CLASS(TProp, TObject)
    TProp(TObject* AObject, const TPropInfo& APropInfo, TObjectInspForm* AForm);
    ~TProp() override;

    /// The value for display: names for components, 是/否, cursor identifiers, date texts;
    /// with other objects, empty where their values differ.
    Variant GetValue();
    /// Writes text (or a number) into the property with this system's conversions, of the
    /// other objects too.
    void SetValue(const Variant& Value);
    /// The other objects whose same property the row shows and writes with its own.
    const std::vector<TObject*>& Others() const { return FOthers; }
    void SetOthers(std::vector<TObject*> Others) { FOthers = std::move(Others); }
    /// Gives the others' object (a font) the value that a dialog gave this one's in place.
    void CopyToOthers();
    /// The framework's own reading, strings preferred; a class property gives its object.
    Variant GetValueDirect();
    /// The row gets the dialog button.
    bool IsClassProp() const;
    /// The row gets the value-list button.
    bool IsListProp() const;
    bool IsEnumNull() const;

    const TPropInfo& PropInfo() const { return FPropInfo; }
    const std::string& PropName() const { return FPropInfo.Name; }
    TTypeKind Kind() const { return FPropInfo.PropType->Kind; }
    const std::string& TypeName() const { return FPropInfo.PropType->Name; }
    /// The lower-cased type name that the conversions are chosen by.
    std::string LowerTypeName() const { return LowerCase(TypeName()); }
    TObject* Object() const { return FObject; }
    TObjectInspForm* Form() const { return FForm; }
    /// The names of an enumeration other than Boolean, from ordinal MinValue on; else null.
    TStringList* EnumNames() const { return FEnumNames; }
    int32_t MinValue() const { return FMinValue; }

private:
    /// What the shown Left or Top of a control adds to its own (ControlOrigin); 0 for any
    /// other property.
    int64_t PlaceOffset() const;
    /// The ordinal of a name of FEnumNames; false when it is not among them.
    bool EnumOrdinal(const std::string& Name, int32_t& Ordinal) const;
    Variant OwnValue();
    void SetOwnValue(const Variant& Value);
    /// The same row on another object, through that object's own property entry.
    std::unique_ptr<TProp> OnOther(TObject* Other) const;
    /// Writes a converted value: into what the form's designer keeps, or the property.
    void Put(Variant Value);
    std::vector<TObject*> FOthers;

    int32_t FMinValue = 0;
    TObjectInspForm* FForm;
    TPropInfo FPropInfo;
    TObject* FObject;
    TStringList* FEnumNames = nullptr;
};

/// The grid's content panel: draws nothing and never erases, since the grid's bitmap covers it.
class TInspPanel : public TPanel {
    ZK_CLASS(TInspPanel, TPanel)
    explicit TInspPanel(TComponent* AOwner) : TPanel(AOwner) {}

protected:
    void Paint() override {}
    void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
};

/// The object inspector window: an object combo box over a two-column grid of the inspected
/// object's translated published properties, edited in place one row at a time.
class TObjectInspForm : public TForm {
    ZK_CLASS(TObjectInspForm, TForm)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TObjectInspForm)
    /// Builds the window from its form description.
    explicit TObjectInspForm(TComponent* AOwner);
    ~TObjectInspForm() override;
    void BeforeDestruction() override;

    // Components of the form description.
    TComboBox* CB1 = nullptr;
    TScrollBox* Box = nullptr;
    TPaintBox* PaintBox1 = nullptr;
    TEdit* Edit1 = nullptr;
    TPanel* EditPanel = nullptr;
    TSpeedButton* EditBtn = nullptr;
    TPanel* ComboPanel = nullptr;
    TSpeedButton* ComboBtn = nullptr;
    TComboBox* namesE = nullptr;
    TComboBox* namesC = nullptr;

    void SetCurObject(TObject* AObject);
    /// Inspects several objects at once: the properties that all of them publish (by name and
    /// type; not the name), each showing the value where all agree and written to all. The
    /// object box reads "已选 N 个控件". One object or none is SetCurObject.
    void SetCurObjects(const std::vector<TObject*>& Objects);
    /// The inspected object (the first of several), or null.
    TObject* CurObject() const { return FCurObject; }
    /// Every inspected object, the first first.
    std::vector<TObject*> CurObjects() const;
    std::string GetClassName() const;
    int GetCount() const { return FProps ? FProps->Count() : 0; }
    /// The selected row's property, or null.
    TProp* CurItem() const;
    TProp* Props(int Index) const;
    /// The display name of row Index as it was listed.
    std::string ItemName(int Index) const;
    void ClearProperties();
    Variant GetPropValue(int Index);
    void SetPropValue(int Index, const Variant& Value);
    /// Takes List's texts and TProp objects as the rows (freeing the rows it replaces).
    void SetItems(TStrings* List);
    /// Shows the window, restoring a window collapsed to its caption.
    void Grow();
    void DrawOneLine(int Index, bool Selected);

    void SetItemIndex(int Index);
    int ItemIndex() const { return FItemIndex; }
    void SetItemValue(const std::string& Text);
    std::string GetItemValue(int Index);
    void ItemsChanged();

    int RowHeight() const { return FRowHeight; }
    int GridWidth() const { return FGridWidth; }
    /// The column boundary as the user set it (dragged, or the default); a narrow window
    /// does not move it.
    int SplitPos() const { return FSplitPos; }
    /// Where the boundary lies in the present layout: the user's, held back where the value
    /// column would lose the room for its editors.
    int ShownSplitPos() const;
    bool SplitDragging() const { return FSplitDragging; }
    TBitmap* Buffer() const { return FBuffer; }
    TInspPanel* Panel() const { return FPanel; }
    /// The display name of a property at paint time: the table's, the handler's, or its own.
    std::string DisplayName(const std::string& PropName);
    /// The text the closed (or open) object combo box shows for entry Index.
    std::string ComboItemText(int Index) const;
    /// Shows the inspected object's values again after something else changed them: the
    /// rows are repainted, and the edit box takes its row's new value unless it holds text
    /// typed and not yet written.
    void RefreshValues();
    /// Where a control's Left and Top are counted from, in the coordinates its place is
    /// shown in: the rows show and take the place there. Without a handler, the control's
    /// own Left and Top.
    TPoint ControlOrigin(TControl* control) const;

    /// Asked before a row reads (Write false) or writes a value: a designer keeps some values
    /// of the controls it designs itself (the alignment, the tab order) and answers true when
    /// it took the read or the write. Values read are those of the property's type.
    TKeptValueEvent OnKeptValue;
    bool KeptValue(TObject* Object, const std::string& PropName, Variant& Value, bool Write) {
        return OnKeptValue && OnKeptValue(Object, PropName, Value, Write);
    }
    /// Raised before every write of a row, typed, picked from a list or from a dialog;
    /// OnModify follows the write.
    TWritingEvent OnWriting;
    TModifyEvent OnModify;
    TNotifyEvent OnGrow;
    TGetObjectsEvent OnGetObjects;
    TSelectionChangedEvent OnSelectionChanged;
    TTransFieldNameEvent OnTransFieldName;
    TEditPropEvent OnEditProp;
    TNotifyEvent OnCaptionDblClick;
    /// Asked for ControlOrigin; a designer answers with where the control's overlay lies.
    TControlOriginEvent OnControlOrigin;

    // Handlers named by the form description.
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormDeactivate(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormShow(TObject* Sender);
    void PaintBox1Paint(TObject* Sender);
    void PaintBox1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void PaintBox1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void PaintBox1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void CB1DropDown(TObject* Sender);
    void CB1DrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void CB1Click(TObject* Sender);
    void Edit1DblClick(TObject* Sender);
    void Edit1KeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void Edit1KeyPress(TObject* Sender, char& Key);
    void Edit1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    /// Opens the selected row's value list under it, or closes an open one.
    void ComboBtnClick(TObject* Sender);
    /// Writes the value picked in the list at once.
    void LB1Click(TObject* Sender);
    /// Runs the dialog of the selected row's type, or hands its object to OnEditProp.
    void EditBtnClick(TObject* Sender);
    /// The value popup (owned).
    TPopupListBox* Popup() const { return FPopup; }

protected:
    void WndProc(TMessage& Message) override;
    /// The inspected component's going takes its rows with it.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    /// The table's display name of a lower-case property name; false when it has none.
    bool TranslateName(const std::string& Key, std::string& Display) const;
    /// The display name a property is listed under when an object is set; empty hides it.
    std::string ListName(const std::string& PropName);
    void BuildRows(TObject* AObject);
    /// Commits the edit box's text to the selected row when it was changed (may raise).
    void CommitPendingEdit();
    void PlaceButtonPanel(TPanel* Panel, TSpeedButton* Button, int Top);
    /// SetItemIndex without its guard against OnModify handlers: selects row Index and places
    /// the editors over it.
    void SelectRow(int Index);
    /// The grid is drawn only when it can be: not while updating, and with its parts made.
    void RepaintGrid();
    /// The edit box takes the selected row's value as it reads now.
    void ReloadEditText();
    /// After a write: one property can change others (a font clears ParentFont, a colour
    /// ParentColor), so every row is drawn again, and the box shows the value written.
    void ShowWrittenValues();
    void OpenPopup();
    /// The value column keeps this much room for the editors when the boundary is dragged.
    int MaxSplitPos() const;

    TStringList* FProps = nullptr;
    int FItemIndex = -1;
    int FRowHeight = 16;
    int FGridWidth = 0;
    int FSplitPos = 75;
    TBitmap* FBuffer = nullptr;
    bool FUpdating = false;
    bool FApplying = false;
    int FNormalHeight = 0;
    uint32_t FLastClickTick = 0;
    TInspPanel* FPanel = nullptr;
    bool FSplitDragging = false;
    std::string FCurItemName;
    TObject* FCurObject = nullptr;
    /// The other inspected objects, and those SetCurObjects hands to the next rebuild.
    std::vector<TObject*> FCurOthers;
    std::vector<TObject*> FNextOthers;
    /// Raises OnWriting for the objects that a write of prop changes.
    void NotifyWriting(TProp* prop);
    TPopupListBox* FPopup = nullptr;
};
