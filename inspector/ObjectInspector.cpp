// TObjectInspForm: building the window from its description, its life cycle, the rows of the
// inspected object and the object combo box.

#include <utility>
#include <vector>

#include "host/core/Stream.h"
#include "host/streaming/Filer.h"
#include "inspector/ObjectInspector.h"
#include "inspector/ZkPopupList.h"

const std::vector<uint8_t>& ObjectInspFormResource();

namespace {
void PublishInspector(TPublisher& p) {
    using F = TObjectInspForm;
    p.Method("FormCreate", &F::FormCreate);
    p.Method("FormDestroy", &F::FormDestroy);
    p.Method("FormActivate", &F::FormActivate);
    p.Method("FormDeactivate", &F::FormDeactivate);
    p.Method("ComboBtnClick", &F::ComboBtnClick);
    p.Method("EditBtnClick", &F::EditBtnClick);
    p.Method("FormResize", &F::FormResize);
    p.Method("FormShow", &F::FormShow);
    p.Method("PaintBox1Paint", &F::PaintBox1Paint);
    p.Method("PaintBox1MouseDown", &F::PaintBox1MouseDown);
    p.Method("PaintBox1MouseMove", &F::PaintBox1MouseMove);
    p.Method("PaintBox1MouseUp", &F::PaintBox1MouseUp);
    p.Method("CB1DropDown", &F::CB1DropDown);
    p.Method("CB1DrawItem", &F::CB1DrawItem);
    p.Method("CB1Click", &F::CB1Click);
    p.Method("Edit1DblClick", &F::Edit1DblClick);
    p.Method("Edit1KeyDown", &F::Edit1KeyDown);
    p.Method("Edit1KeyPress", &F::Edit1KeyPress);
    p.Method("Edit1MouseDown", &F::Edit1MouseDown);
}

template <class T> T* Part(TComponent* form, const char* name) {
    T* part = As<T>(form->FindComponent(name));
    if (!part) throw EComponentError(std::string("属性窗体缺少部件 ") + name);
    return part;
}

/// Index of the entry whose text is exactly Text, or -1.
int IndexOfExact(TStrings* Items, const std::string& Text) {
    for (int i = 0; i < Items->Count(); ++i)
        if (Items->Strings(i) == Text) return i;
    return -1;
}

std::string NameOf(TObject* obj) {
    auto* component = Cast<TComponent>(obj);
    return component ? component->Name() : std::string();
}
} // namespace

ZK_IMPLEMENT_CLASS(TInspPanel, TPanel, nullptr)
ZK_IMPLEMENT_CLASS(TObjectInspForm, TForm, PublishInspector)

void TInspPanel::WMEraseBkgnd(TWMEraseBkgnd& Message) {
    (void)Message;
    SetCursor(crHandPoint);
}

TObjectInspForm::TObjectInspForm(TComponent* AOwner) : TForm(AOwner) {
    const std::vector<uint8_t>& bytes = ObjectInspFormResource();
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
    {
        TReader reader(&stream, 4096);
        reader.ReadRootComponent(this);
    }
    CB1 = Part<TComboBox>(this, "CB1");
    Box = Part<TScrollBox>(this, "Box");
    PaintBox1 = Part<TPaintBox>(this, "PaintBox1");
    Edit1 = Part<TEdit>(this, "Edit1");
    EditPanel = Part<TPanel>(this, "EditPanel");
    EditBtn = Part<TSpeedButton>(this, "EditBtn");
    ComboPanel = Part<TPanel>(this, "ComboPanel");
    ComboBtn = Part<TSpeedButton>(this, "ComboBtn");
    namesE = Part<TComboBox>(this, "namesE");
    namesC = Part<TComboBox>(this, "namesC");
    OnCreate(this);
}

TObjectInspForm::~TObjectInspForm() {
    FormDestroy(this);
}

void TObjectInspForm::BeforeDestruction() {
    // The window's destruction fires OnDestroy; a form that never made its window does not.
    FormDestroy(this);
    TForm::BeforeDestruction();
}

void TObjectInspForm::FormCreate(TObject*) {
    FPanel = new TInspPanel(this);
    FPanel->SetParent(Box);
    FPanel->SetBevelInner(bvNone);
    FPanel->SetBevelOuter(bvNone);
    for (TControl* c : std::initializer_list<TControl*>{PaintBox1, ComboPanel, EditPanel, Edit1})
        c->SetParent(FPanel);
    FGridWidth = PaintBox1->Width();
    FSplitPos = 75;
    FBuffer = new TBitmap;
    FItemIndex = -1;
    FProps = new TStringList;
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->Font()->Assign(Font());
    FRowHeight = measure.Canvas()->TextHeight("Wg") + 3;
    Box->VertScrollBar()->SetIncrement(FRowHeight);
    Box->VertScrollBar()->SetTracking(true);
    FPopup = new TPopupListBox(nullptr);
    FPopup->ListBox->OnClick = [this](TObject* Sender) { LB1Click(Sender); };
    FNormalHeight = Height();
    FormResize(this);
}

void TObjectInspForm::FormDestroy(TObject*) {
    FreeAndNil(FBuffer);
    FreeAndNil(FPopup);
    if (FProps) ClearProperties();
    FreeAndNil(FProps);
    if (auto* component = Cast<TComponent>(FCurObject)) component->RemoveFreeNotification(this);
    FCurObject = nullptr;
}

void TObjectInspForm::FormActivate(TObject*) {
    if (Edit1->Enabled() && Edit1->Visible() && Edit1->CanFocus()) Edit1->SetFocus();
}

void TObjectInspForm::FormShow(TObject*) {
    if (ClientHeight() < 20) CB1->Hide();
}

void TObjectInspForm::WndProc(TMessage& Message) {
    if (Message.Msg == WM_NCLBUTTONDBLCLK) {
        // Collapsing to the caption is left to the handler; the window system does nothing.
        OnCaptionDblClick(this);
        return;
    }
    TForm::WndProc(Message);
}

void TObjectInspForm::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    std::erase(FNextOthers, AComponent);
    if (std::erase(FCurOthers, AComponent) > 0) {
        // A companion that goes leaves the rows, which show the others still.
        for (int i = 0; i < GetCount(); ++i) Props(i)->SetOthers(FCurOthers);
        RepaintGrid();
    }
    if (AComponent != FCurObject) return;
    // The rows read the object on every repaint: they go with it.
    FCurObject = nullptr;
    if (FProps) ClearProperties();
    if (ComponentState().Contains(csDestroying) || !FPanel) return;
    Edit1->Hide();
    EditPanel->Hide();
    ComboPanel->Hide();
    FormResize(this);
}

std::string TObjectInspForm::GetClassName() const {
    return FCurObject ? FCurObject->ClassName() : std::string();
}

TProp* TObjectInspForm::Props(int Index) const {
    if (!FProps || Index < 0 || Index >= FProps->Count()) return nullptr;
    return static_cast<TProp*>(FProps->Objects(Index));
}

TProp* TObjectInspForm::CurItem() const {
    return Props(FItemIndex);
}

std::string TObjectInspForm::ItemName(int Index) const {
    return Props(Index) ? FProps->Strings(Index) : std::string();
}

void TObjectInspForm::ClearProperties() {
    for (int i = 0; i < FProps->Count(); ++i)
        delete FProps->Objects(i);
    FProps->Clear();
}

Variant TObjectInspForm::GetPropValue(int Index) {
    TProp* prop = Props(Index);
    if (!prop) throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    return prop->GetValue();
}

void TObjectInspForm::SetPropValue(int Index, const Variant& Value) {
    TProp* prop = Props(Index);
    if (!prop) throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    prop->SetValue(Value);
}

void TObjectInspForm::SetItems(TStrings* List) {
    std::vector<TObject*> kept;
    for (int i = 0; i < List->Count(); ++i)
        kept.push_back(As<TProp>(List->Objects(i)));
    for (int i = 0; i < FProps->Count(); ++i)
        if (std::find(kept.begin(), kept.end(), FProps->Objects(i)) == kept.end())
            delete FProps->Objects(i);
    FProps->Clear();
    for (int i = 0; i < List->Count(); ++i)
        FProps->AddObject(List->Strings(i), List->Objects(i));
    FItemIndex = -1;
    FormResize(this);
    SetItemIndex(0);
}

bool TObjectInspForm::TranslateName(const std::string& Key, std::string& Display) const {
    TStrings* keys = namesE->Items();
    const int i = IndexOfExact(keys, Key);
    if (i < 0 || i >= namesC->Items()->Count()) return false;
    Display = namesC->Items()->Strings(i);
    return true;
}

std::string TObjectInspForm::ListName(const std::string& PropName) {
    std::string display;
    if (TranslateName(LowerCase(PropName), display)) return display;
    if (OnTransFieldName) return OnTransFieldName(PropName);
    return {};
}

std::string TObjectInspForm::DisplayName(const std::string& PropName) {
    std::string display;
    if (TranslateName(LowerCase(PropName), display)) return display;
    if (OnTransFieldName) return OnTransFieldName(PropName);
    return PropName;
}

void TObjectInspForm::BuildRows(TObject* AObject) {
    // With several objects, the rows they all publish alike; never the name, which is one's.
    auto shared = [this](const TPropInfo* info) {
        if (FCurOthers.empty()) return true;
        if (info->Name == "Name") return false;
        for (TObject* other : FCurOthers) {
            const TPropInfo* theirs = ::GetPropInfo(other, info->Name);
            if (!theirs || theirs->PropType != info->PropType) return false;
        }
        return true;
    };
    for (const TPropInfo* info : ::GetPropList(AObject)) {
        if (info->PropType->Kind == tkMethod || !shared(info)) continue;
        const std::string display = ListName(info->Name);
        if (display.empty()) continue;
        auto* prop = new TProp(AObject, *info, this);
        prop->SetOthers(FCurOthers);
        try {
            prop->GetValue();
        } catch (const Exception&) {
            delete prop;
            continue;
        }
        FProps->AddObject(display, prop);
    }
}

void TObjectInspForm::SetCurObject(TObject* AObject) {
    if (AObject != FCurObject) {
        // What was typed goes to the object being left. A refused value is reported, not
        // raised, so that what changed the object (a deletion, an undo) runs to its end.
        try {
            CommitPendingEdit();
        } catch (const Exception&) {
            Application->HandleException(this);
        }
        Edit1->SetModified(false);
        ClearProperties();
        if (auto* old = Cast<TComponent>(FCurObject)) old->RemoveFreeNotification(this);
        for (TObject* other : FCurOthers)
            if (auto* old = Cast<TComponent>(other)) old->RemoveFreeNotification(this);
        FCurObject = AObject;
        FCurOthers = AObject ? std::exchange(FNextOthers, {}) : std::vector<TObject*>{};
        if (auto* component = Cast<TComponent>(AObject)) component->FreeNotification(this);
        for (TObject* other : FCurOthers)
            if (auto* component = Cast<TComponent>(other)) component->FreeNotification(this);
        if (AObject) BuildRows(AObject);
        CB1->SetItemIndex(AObject ? IndexOfExact(CB1->Items(), NameOf(AObject)) : -1);
        // New rows of the same count change no size, and with no row chosen nothing else
        // asks for them to be painted.
        RepaintGrid();
    } else {
        // The same object again: what was typed is written, and the rows stay.
        CommitPendingEdit();
    }
    FormResize(this);
}

void TObjectInspForm::SetCurObjects(const std::vector<TObject*>& Objects) {
    if (Objects == CurObjects()) {
        SetCurObject(FCurObject);
        return;
    }
    // Rows of the same first object but other companions are made anew.
    if (!Objects.empty() && Objects.front() == FCurObject) SetCurObject(nullptr);
    FNextOthers.assign(Objects.empty() ? Objects.end() : Objects.begin() + 1, Objects.end());
    SetCurObject(Objects.empty() ? nullptr : Objects.front());
}

std::vector<TObject*> TObjectInspForm::CurObjects() const {
    std::vector<TObject*> all;
    if (FCurObject) all.push_back(FCurObject);
    all.insert(all.end(), FCurOthers.begin(), FCurOthers.end());
    return all;
}

void TObjectInspForm::NotifyWriting(TProp* prop) {
    if (!OnWriting) return;
    std::vector<TObject*> objects{prop->Object()};
    objects.insert(objects.end(), prop->Others().begin(), prop->Others().end());
    OnWriting(objects, prop->PropName());
}

void TObjectInspForm::Grow() {
    Show();
    if (ClientHeight() >= 20) return;
    SetHeight(FNormalHeight);
    CB1->Show();
    ItemsChanged();
    Edit1->SetSelText(Edit1->Text());
    Edit1->SetModified(false);
    OnGrow(this);
}

std::string TObjectInspForm::ComboItemText(int Index) const {
    if (Index < 0 || Index >= CB1->Items()->Count()) return {};
    if (CB1->DroppedDown()) return CB1->Items()->Strings(Index);
    if (!FCurOthers.empty()) return "已选 " + IntToStr(int(FCurOthers.size()) + 1) + " 个控件";
    TObject* obj = CB1->Items()->Objects(Index);
    if (!obj) return CB1->Items()->Strings(Index);
    // An entry that is no component has no name: its class name alone.
    if (!obj->Is<TComponent>()) return obj->ClassName();
    return NameOf(obj) + ": " + obj->ClassName();
}

void TObjectInspForm::CB1DropDown(TObject*) {
    const int selected = CB1->ItemIndex();
    const std::string remembered = selected >= 0 ? CB1->Items()->Strings(selected) : "";
    OnGetObjects(CB1->Items());
    CB1->SetItemIndex(IndexOfExact(CB1->Items(), remembered));
}

void TObjectInspForm::CB1DrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState) {
    TCanvas* canvas = CB1->Canvas();
    canvas->FillRect(Rect);
    canvas->TextOut(Rect.Left + 2, Rect.Top + 1, ComboItemText(Index));
}

void TObjectInspForm::CB1Click(TObject*) {
    const int selected = CB1->ItemIndex();
    if (selected < 0) return;
    TObject* obj = CB1->Items()->Objects(selected);
    OnSelectionChanged(obj);
    // Pressed and released: a press alone leaves the control holding the mouse.
    if (auto* control = Cast<TControl>(obj)) {
        control->Perform(WM_LBUTTONDOWN, 0, 0);
        control->Perform(WM_LBUTTONUP, 0, 0);
    }
    if (Edit1->Visible() && Edit1->CanFocus()) Edit1->SetFocus();
}
