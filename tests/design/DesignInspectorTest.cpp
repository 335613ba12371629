// The designer's object inspector: docked beside the designed form during a session, showing
// the control clicked, its object list following insertions, deletions, undo and redo.
#include <algorithm>

#include "DesignTesting.h"
#include "design/DesignControl.h"
#include "design/OperateHistory.h"
#include "host/containers/Panels.h"
#include "host/dialogs/Dialogs.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"

namespace {

/// Button A and panel P (holding B and C) right of where the inspector docks, and memo M.
class DesignInspector : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Form->SetBounds(100, 100, 640, 360);
        Designer->SetShowInspector(true);
        A = Add<TButton>(Form, Bounds(300, 10, 60, 25), "A");
        P = Add<TTestPanel>(Form, Bounds(300, 60, 200, 100), "P");
        B = Add<TButton>(P, Bounds(10, 10, 60, 25), "B");
        C = Add<TButton>(P, Bounds(10, 50, 60, 25), "C");
        M = Add<TMemo>(Form, Bounds(300, 200, 120, 60), "M");
    }
    TObjectInspForm* Insp() const { return Designer->Inspector(); }
    std::vector<std::string> Listed() const {
        std::vector<std::string> names;
        TStrings* items = Insp()->CB1->Items();
        for (int i = 0; i < items->Count(); ++i)
            names.push_back(items->Strings(i));
        return names;
    }
    bool IsListed(const char* name) const {
        const std::vector<std::string> names = Listed();
        return std::find(names.begin(), names.end(), name) != names.end();
    }
    int RowOf(const std::string& prop) const {
        for (int i = 0; i < Insp()->GetCount(); ++i)
            if (Insp()->Props(i)->PropName() == prop) return i;
        return -1;
    }
    TButton* A = nullptr;
    TTestPanel* P = nullptr;
    TButton* B = nullptr;
    TButton* C = nullptr;
    TMemo* M = nullptr;
};

TEST_F(DesignInspector, SessionDocksTheInspectorOnTheFirstControl) {
    Begin();
    ASSERT_TRUE(Insp());
    EXPECT_EQ(Insp()->Parent(), Form);
    EXPECT_TRUE(Insp()->Visible());
    EXPECT_EQ(Insp()->Align(), alLeft);
    EXPECT_EQ(Insp()->Left(), 0);
    TSplitter* splitter = Designer->InspectorSplitter();
    EXPECT_EQ(splitter->Parent(), Form);
    EXPECT_TRUE(splitter->Visible());
    EXPECT_EQ(splitter->Width(), 3);
    EXPECT_EQ(splitter->Left(), Insp()->Width());
    EXPECT_EQ(Insp()->CurObject(), A);
    // Neither is designed.
    EXPECT_FALSE(Designer->FindOverlay(Insp()));
    EXPECT_FALSE(Designer->FindOverlay(splitter));
    Designer->EndDesign();
    EXPECT_FALSE(Insp()->Visible());
    EXPECT_FALSE(splitter->Visible());
    // The next session docks it again without designing either.
    Begin();
    EXPECT_TRUE(Insp()->Visible());
    EXPECT_TRUE(splitter->Visible());
    EXPECT_EQ(Designer->OverlayCount(), 3);
    Designer->EndDesign();
}

TEST_F(DesignInspector, EndingTheSessionUndocksItSoTabOrdersCountFromZeroAgain) {
    // A control inserted while the inspector is docked comes after it in the tab order.
    Begin();
    TControl* inserted =
        Designer->AddControlToDesign(TButton::StaticClass(), Rect(560, 10, 600, 30))->Control();
    Designer->EndDesign();
    EXPECT_EQ(Insp()->Parent(), nullptr);
    EXPECT_EQ(Designer->InspectorSplitter()->Parent(), nullptr);
    std::vector<int> orders;
    for (int i = 0; i < Form->ControlCount(); ++i)
        if (auto* w = Cast<TWinControl>(Form->Controls(i))) orders.push_back(w->TabOrder());
    std::sort(orders.begin(), orders.end());
    EXPECT_EQ(orders, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(static_cast<TWinControl*>(inserted)->TabOrder(), 3);
}

TEST_F(DesignInspector, ObjectListHoldsTheWholeTreeInNameOrder) {
    Begin();
    const std::vector<std::string> all{"A", "B", "C", "M", "P"};
    EXPECT_EQ(Listed(), all);
    Insp()->CB1DropDown(Insp()->CB1);
    EXPECT_EQ(Listed(), all);
    Designer->EndDesign();
}

TEST_F(DesignInspector, DeletionInsertionUndoAndRedoKeepTheListInStep) {
    Begin();
    Click(At(A, 5, 5));
    Designer->DeleteSelection();
    EXPECT_FALSE(IsListed("A"));
    Insp()->CB1DropDown(Insp()->CB1);
    EXPECT_FALSE(IsListed("A"));
    Designer->Undo();
    EXPECT_TRUE(IsListed("A"));
    Designer->Redo();
    EXPECT_FALSE(IsListed("A"));

    TDesignControl* inserted =
        Designer->AddControlToDesign(TTestButton::StaticClass(), Rect(400, 10, 450, 30));
    const std::string name = inserted->Control()->Name();
    EXPECT_TRUE(IsListed(name.c_str()));
    Designer->Undo();
    EXPECT_FALSE(IsListed(name.c_str()));
    Designer->Redo();
    EXPECT_TRUE(IsListed(name.c_str()));
    Designer->EndDesign();
}

TEST_F(DesignInspector, ClickingAControlInspectsIt) {
    Begin();
    for (TControl* c : std::initializer_list<TControl*>{B, M, A}) {
        Click(At(c, 5, 5));
        EXPECT_TRUE(OverlayOf(c)->GetSelected()) << c->Name();
        EXPECT_TRUE(OverlayOf(c)->Focused()) << c->Name();
        EXPECT_EQ(Insp()->CurObject(), c) << c->Name();
    }
    Designer->EndDesign();
}

TEST_F(DesignInspector, ClickingAnotherControlOfTheSameClassRepaintsTheRows) {
    // Rows of the same count and height move nothing in the grid: the rows were rebuilt for
    // the new control while the grid went on showing the old one's values.
    Begin();
    int paints = 0;
    TNotifyEvent paint = Insp()->PaintBox1->OnPaint;
    Insp()->PaintBox1->OnPaint = [&](TObject* sender) {
        ++paints;
        paint(sender);
    };
    Process();
    for (TControl* c : std::initializer_list<TControl*>{B, C, A}) {
        const int before = paints;
        Click(At(c, 5, 5));
        Process();
        EXPECT_EQ(Insp()->CurObject(), c) << c->Name();
        EXPECT_GT(paints, before) << c->Name() << "'s rows were not painted";
    }
    Insp()->PaintBox1->OnPaint = paint;
    Designer->EndDesign();
}

TEST_F(DesignInspector, BoundsTypedInTheInspectorMoveTheOverlayWithTheControl) {
    Begin();
    Click(At(A, 5, 5));
    ASSERT_EQ(Insp()->CurObject(), A);
    ASSERT_FALSE(Designer->IsDirty());
    const struct {
        const char* prop;
        const char* text;
        TRect bounds; // of A in the form, after the edit
    } cases[] = {
        {"Width", "100", Bounds(300, 10, 100, 25)},
        {"Height", "40", Bounds(300, 10, 100, 40)},
        {"Left", "320", Bounds(320, 10, 100, 40)}, // the place in the form, as the row shows
        {"Top", "12", Bounds(320, 12, 100, 40)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prop);
        Insp()->SetItemIndex(RowOf(c.prop));
        Insp()->SetItemValue(c.text);
        TDesignControl* overlay = OverlayOf(A);
        EXPECT_EQ(A->BoundsRect(), InnerRect(overlay->Width(), overlay->Height()));
        const TRect inForm =
            Bounds(overlay->Left() + HandleSize, overlay->Top() + HandleSize,
                   overlay->Width() - 2 * HandleSize, overlay->Height() - 2 * HandleSize);
        EXPECT_EQ(inForm, c.bounds);
    }
    EXPECT_TRUE(Designer->IsDirty()) << "an edit in the inspector is a change to save";
    Designer->EndDesign();
    EXPECT_EQ(A->BoundsRect(), Bounds(320, 12, 100, 40));
}

TEST_F(DesignInspector, TheRowsShowThePlaceInTheParentAndFollowTheKeyboard) {
    Begin();
    Click(At(B, 5, 5));
    ASSERT_EQ(Insp()->CurObject(), B);
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Left")), "10") << "inside the panel, not the overlay";
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Top")), "10");
    Click(At(A, 5, 5));
    ASSERT_EQ(Insp()->CurObject(), A);
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Left")), "300");
    Insp()->SetItemIndex(RowOf("Width"));
    KeyTo(OverlayOf(A), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Width")), "61");
    EXPECT_EQ(Insp()->Edit1->Text(), "61") << "the edit box over the row follows too";
    // A click on the selected control after one in the inspector gives it the keys again.
    Insp()->Edit1->SetFocus();
    Click(At(A, 5, 5));
    KeyTo(OverlayOf(A), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Left")), "301");
    // Text typed and not yet written stays as typed.
    Insp()->Edit1->SetTextProp("70");
    Insp()->Edit1->SetModified(true);
    KeyTo(OverlayOf(A), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Insp()->Edit1->Text(), "70");
    Designer->EndDesign();
    EXPECT_EQ(A->Left(), 301);
}

TEST_F(DesignInspector, PickingFromTheObjectListSelectsAndLeavesTheMouseFree) {
    Begin();
    TComboBox* list = Insp()->CB1;
    list->SetItemIndex(list->Items()->IndexOf("C"));
    Insp()->CB1Click(list);
    EXPECT_EQ(Insp()->CurObject(), C);
    EXPECT_TRUE(OverlayOf(C)->GetSelected());
    EXPECT_FALSE(C->MouseCapture());
    Click(At(M, 5, 5));
    EXPECT_EQ(Insp()->CurObject(), M);
    Designer->EndDesign();
}

TEST_F(DesignInspector, WithoutAHandlerEveryNonEventPropertyIsListed) {
    Begin();
    Click(At(A, 5, 5));
    int expected = 0;
    for (const TPropInfo* info : GetPropList(A))
        if (info->PropType->Kind != tkMethod) ++expected;
    EXPECT_EQ(Insp()->GetCount(), expected);
    TStrings* table = Insp()->namesE->Items();
    for (int i = 0; i < Insp()->GetCount(); ++i) {
        const std::string prop = Insp()->Props(i)->PropName();
        const int at = table->IndexOf(LowerCase(prop));
        const std::string shown = at >= 0 ? Insp()->namesC->Items()->Strings(at) : prop;
        EXPECT_EQ(Insp()->ItemName(i), shown);
    }
    Designer->EndDesign();
}

TEST_F(DesignInspector, HostHandlerHidesAPropertyAndIsNotAskedForCaption) {
    // The framework publishes no Constraints: the first property outside the table stands in.
    std::string hidden;
    for (const TPropInfo* info : GetPropList(A))
        if (info->PropType->Kind != tkMethod && hidden.empty() &&
            Designer->Inspector()->namesE->Items()->IndexOf(LowerCase(info->Name)) < 0)
            hidden = info->Name;
    ASSERT_FALSE(hidden.empty());
    std::vector<std::string> asked;
    Designer->OnTransFieldName = [&](const std::string& name) {
        asked.push_back(name);
        return name == hidden ? std::string() : name;
    };
    Begin();
    Click(At(M, 5, 5));
    Click(At(A, 5, 5));
    EXPECT_EQ(RowOf(hidden), -1);
    EXPECT_GE(RowOf("Caption"), 0);
    EXPECT_NE(std::find(asked.begin(), asked.end(), hidden), asked.end());
    EXPECT_EQ(std::find(asked.begin(), asked.end(), "Caption"), asked.end());
    Designer->EndDesign();
}

TEST_F(DesignInspector, StringListRowGoesToTheDesignersHost) {
    std::string type;
    TObject* object = nullptr;
    Designer->OnEditProp = [&](const std::string& name, TObject* obj) {
        type = name;
        object = obj;
    };
    Begin();
    Click(At(M, 5, 5));
    ASSERT_EQ(Insp()->CurObject(), M);
    Insp()->SetItemIndex(RowOf("Lines"));
    Process();
    ASSERT_TRUE(Insp()->EditBtn->Visible());
    Click(At(Insp()->EditBtn, 5, 5));
    EXPECT_EQ(type, "TStrings");
    EXPECT_EQ(object, M->Lines());
    Designer->EndDesign();
}

TEST_F(DesignInspector, ShowInspectorDuringAndOutsideASession) {
    Begin();
    TSplitter* splitter = Designer->InspectorSplitter();
    Designer->SetShowInspector(false);
    EXPECT_FALSE(Insp()->Visible());
    EXPECT_TRUE(splitter->Visible());
    Designer->SetShowInspector(true);
    EXPECT_TRUE(Insp()->Visible());
    Designer->EndDesign();
    for (bool value : {false, true}) {
        Insp()->Show();
        Designer->SetShowInspector(value);
        EXPECT_EQ(Designer->ShowInspector(), value);
        EXPECT_FALSE(Insp()->Visible()) << value;
    }
}

TEST_F(DesignInspector, SessionWithoutTheInspectorLeavesItUndocked) {
    Designer->SetShowInspector(false);
    Begin();
    EXPECT_FALSE(Insp()->Visible());
    EXPECT_EQ(Insp()->Parent(), nullptr);
    EXPECT_EQ(Listed().size(), 5u);
    Designer->EndDesign();
}

/// The box names the inspected control, which is the focused selected one, or none.
void ExpectInStep(TObjectInspForm* insp, const char* what) {
    SCOPED_TRACE(what);
    auto* shown = Cast<TControl>(insp->CurObject());
    const int at = insp->CB1->ItemIndex();
    EXPECT_EQ(at >= 0 ? insp->CB1->Items()->Objects(at) : nullptr, shown);
    if (!shown) return;
    auto* overlay = Cast<TDesignControl>(shown->Parent());
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->Selected());
    EXPECT_TRUE(overlay->Visible());
}

TEST_F(DesignInspector, TheInspectorAndItsBoxFollowEveryChangeOfTheDesign) {
    Begin();
    ExpectInStep(Insp(), "start");
    Click(At(M, 5, 5));
    Key(Qt::Key_Escape);
    Process();
    EXPECT_EQ(Insp()->CurObject(), nullptr);
    ExpectInStep(Insp(), "Esc");
    // A band over A alone; the rows follow although the focus stays on the form.
    Press(Point(600, 5));
    Move(Point(350, 20));
    Release(Point(350, 20));
    Process();
    EXPECT_EQ(Insp()->CurObject(), A);
    ExpectInStep(Insp(), "band");
    // A deleted container takes its children out of the box; a pick of one (what the box
    // sends) selects nothing and raises nothing; undo lists them again.
    Click(At(P, 150, 80));
    Key(Qt::Key_Delete);
    Process();
    ExpectInStep(Insp(), "delete");
    Insp()->CB1DropDown(Insp()->CB1);
    for (const char* name : {"P", "B", "C"})
        EXPECT_FALSE(IsListed(name)) << name;
    B->Perform(WM_LBUTTONDOWN, 0, 0);
    B->Perform(WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(OverlayOf(B)->Selected());
    Key(Qt::Key_Z, Qt::ControlModifier);
    Process();
    ExpectInStep(Insp(), "undo");
    for (const char* name : {"P", "B", "C"})
        EXPECT_TRUE(IsListed(name)) << name;
    Designer->Redo();
    ExpectInStep(Insp(), "redo");
    Designer->Undo();
    // An undone insertion leaves the selection; the first listed control is shown.
    TDesignControl* inserted =
        Designer->AddControlToDesign(TTestButton::StaticClass(), Rect(400, 10, 450, 30));
    inserted->Control()->Perform(WM_LBUTTONDOWN, 0, 0);
    inserted->Control()->Perform(WM_LBUTTONUP, 0, 0);
    ASSERT_TRUE(inserted->Selected());
    Designer->Undo();
    EXPECT_EQ(Designer->Selection()->IndexOf(inserted), -1);
    EXPECT_EQ(Insp()->CurObject(), A);
    ExpectInStep(Insp(), "undone insertion");
    EXPECT_TRUE(Errors.empty()) << Errors.front();
    Designer->EndDesign();
}

TEST_F(DesignInspector, TheStartSelectsTheFirstVisibleControlWithoutAClick) {
    A->SetVisible(false);
    // In insert mode too: the start inserts nothing into the panel.
    Designer->SetInsertClass(TTestButton::StaticClass());
    Designer->SetDesignState(dsInsert);
    const int controls = Form->ComponentCount();
    Begin();
    EXPECT_TRUE(Errors.empty()) << Errors.front();
    EXPECT_TRUE(Designer->IsDesigning());
    EXPECT_EQ(Insp()->CurObject(), P);
    EXPECT_TRUE(OverlayOf(P)->Selected());
    EXPECT_EQ(Form->ComponentCount(), controls);
    EXPECT_EQ(Designer->History()->Count(), 0);
    Designer->EndDesign();
}

/// A form of its own, freed or closed during a session.
class DesignInspectorLife : public WindowTest {};

TEST_F(DesignInspectorLife, DestroyingTheDesignedFormFreesInspectorAndSplitter) {
    for (bool ownedByForm : {false, true}) {
        auto* form = new TForm(nullptr);
        form->SetBounds(50, 50, 500, 300);
        auto* button = new TButton(form);
        button->SetName("Button1");
        button->SetParent(form);
        button->SetBounds(250, 20, 60, 25);
        form->Show();
        auto* designer =
            ownedByForm ? new TZkFormDesigner(form) : new TZkFormDesigner(form, nullptr, false);
        designer->BeginDesign();
        ASSERT_TRUE(designer->Inspector());
        ASSERT_EQ(designer->Inspector()->Parent(), form);
        form->Free();
        Process();
        if (ownedByForm) continue;
        EXPECT_EQ(designer->Inspector(), nullptr);
        EXPECT_EQ(designer->InspectorSplitter(), nullptr);
        EXPECT_FALSE(designer->IsDesigning());
        designer->Free();
    }
}

TEST_F(DesignInspectorLife, ClosingFreesThemAndTheNextSessionMakesThemAgain) {
    auto* designer = new TZkFormDesigner(Form, nullptr, false);
    auto* button = new TButton(Form);
    button->SetName("Button1");
    button->SetParent(Form);
    designer->BeginDesign();
    Form->Perform(WM_CLOSE, 0, 0);
    EXPECT_EQ(designer->Inspector(), nullptr);
    EXPECT_EQ(designer->InspectorSplitter(), nullptr);
    Form->Show();
    designer->BeginDesign();
    ASSERT_TRUE(designer->Inspector());
    EXPECT_TRUE(designer->Inspector()->Visible());
    EXPECT_EQ(designer->Inspector()->Parent(), Form);
    designer->EndDesign();
    designer->Free();
}

} // namespace

TEST_F(DesignInspector, EveryWriteFromTheInspectorIsOneStepThatCtrlZTakesBack) {
    // Typed, picked from a list, and from dialogs; a bounds write is a bounds change.
    Begin();
    TButton* a = A;
    Click(At(a, 5, 5));
    ASSERT_EQ(Insp()->CurObject(), a);
    SetDialogRunner([](TCommonDialog* d) {
        if (auto* c = Cast<TColorDialog>(d)) c->SetColor(clBlue);
        if (auto* font = Cast<TFontDialog>(d)) font->Font()->SetSize(17);
        return true;
    });
    const struct {
        const char* prop;
        const char* typed; // null: the row's dialog
    } cases[] = {{"Caption", "新的"}, {"Enabled", BoolFalseText}, {"Cursor", "crHandPoint"},
                 {"Width", "100"},    {"Color", nullptr},          {"Font", nullptr},
                 {"Name", "A2"}};
    // A locked control keeps its lock through a rename and its undo.
    Designer->LockedControls()->Add("A");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prop);
        const int row = RowOf(c.prop);
        ASSERT_GE(row, 0);
        const std::string before = Insp()->GetItemValue(row);
        const int font = a->Font()->Size();
        const int position = Designer->History()->Position();
        Insp()->SetItemIndex(row);
        if (c.typed)
            Insp()->SetItemValue(c.typed);
        else
            Insp()->EditBtnClick(nullptr);
        const std::string after = Insp()->GetItemValue(row);
        EXPECT_TRUE(after != before || a->Font()->Size() != font);
        EXPECT_EQ(Designer->History()->Position(), position + 2) << "one change";
        EXPECT_EQ(Designer->History()->Record(position + 1)->Item(0)->OpType,
                  std::string(c.prop) == "Width" ? otBounds : otProperty);
        Click(At(a, 5, 5));
        KeyTo(OverlayOf(a), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Insp()->GetItemValue(row), before);
        EXPECT_EQ(a->Font()->Size(), font);
        KeyTo(OverlayOf(a), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Insp()->GetItemValue(row), after);
    }
    SetDialogRunner(nullptr);
    EXPECT_EQ(OverlayOf(a)->ControlBounds().Width(), 100);
    EXPECT_EQ(Designer->LockedControls()->Text(), "A2\n");
    EXPECT_TRUE(OverlayOf(a)->Locked());
}

TEST_F(DesignInspector, SeveralSelectedAreInspectedTogetherAndWrittenInOneStep) {
    auto* E = Add<TEdit>(Form, Bounds(430, 200, 80, 21), "E");
    Begin();
    Click(At(A, 5, 5));
    for (TControl* c : {static_cast<TControl*>(E), static_cast<TControl*>(M)}) {
        Press(At(c, 5, 5), Qt::LeftButton, Qt::ControlModifier);
        Release(At(c, 5, 5), Qt::LeftButton, Qt::ControlModifier);
        Process();
    }
    ASSERT_EQ(Designer->GetSelectCount(), 3);
    ASSERT_EQ(Insp()->CurObjects().size(), 3u);
    EXPECT_EQ(Insp()->ComboItemText(Insp()->CB1->ItemIndex()), "已选 3 个控件");
    EXPECT_EQ(RowOf("Name"), -1) << "a name is one control's own";
    EXPECT_EQ(RowOf("Lines"), -1) << "only what all of them publish";
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Left")), "") << "they differ";
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Enabled")), BoolTrueText) << "they agree";

    const int position = Designer->History()->Position();
    Insp()->SetItemIndex(RowOf("Height"));
    Insp()->SetItemValue("33");
    for (TControl* c : {static_cast<TControl*>(A), static_cast<TControl*>(E), static_cast<TControl*>(M)})
        EXPECT_EQ(OverlayOf(c)->ControlBounds().Height(), 33) << c->Name();
    EXPECT_EQ(Designer->History()->Position(), position + 2) << "one change for the three";
    Designer->Undo();
    EXPECT_EQ(OverlayOf(A)->ControlBounds().Height(), 25);
    EXPECT_EQ(OverlayOf(E)->ControlBounds().Height(), 21);
    EXPECT_EQ(OverlayOf(M)->ControlBounds().Height(), 60);
    EXPECT_EQ(Insp()->GetItemValue(RowOf("Height")), "");
}

TEST_F(DesignInspector, RowsTheSessionKeepsForAControlShowAndWriteTheControlsOwnValues) {
    // The session holds a control's tab stop, tab order and alignment on its overlay: the
    // rows show the control's own values and what is written there outlasts the session.
    // A label's overlay takes a place in the tab order that its label will not.
    Add<TLabel>(Form, Bounds(300, 280, 40, 15), "L");
    Begin();
    Click(At(M, 5, 5));
    ASSERT_EQ(Insp()->CurObject(), M);
    const struct {
        const char* prop;
        const char* shown;
        const char* written;
    } cases[] = {{"TabStop", BoolTrueText, BoolFalseText},
                 {"TabOrder", "2", "0"},
                 {"Align", "alNone", "alBottom"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prop);
        EXPECT_EQ(Insp()->GetItemValue(RowOf(c.prop)), c.shown);
        Insp()->SetItemIndex(RowOf(c.prop));
        Insp()->SetItemValue(c.written);
        EXPECT_EQ(Insp()->GetItemValue(RowOf(c.prop)), c.written);
    }
    Designer->EndDesign();
    EXPECT_FALSE(M->TabStop());
    EXPECT_EQ(M->TabOrder(), 0);
    EXPECT_EQ(M->Align(), alBottom);
}
