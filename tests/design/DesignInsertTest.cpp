// Inserting controls: in insert mode by the mouse, on the form and inside a container, the
// names and owner of new controls, undo and redo, and insertions that fail.
#include "DesignTesting.h"
#include "host/graphics/GdiApi.h"

namespace {

/// A control that no container takes.
class TRefusedControl : public TTestGraphic {
    ZK_CLASS(TRefusedControl, TTestGraphic)
    explicit TRefusedControl(TComponent* AOwner) : TTestGraphic(AOwner) {}
    void SetParent(TWinControl* AParent) override {
        if (AParent) throw EInvalidOperation("refused");
        TTestGraphic::SetParent(AParent);
    }
};

/// A component that is no control at all.
class TNotAControl : public TComponent {
    ZK_CLASS(TNotAControl, TComponent)
    explicit TNotAControl(TComponent* AOwner) : TComponent(AOwner) {}
};

class DesignInsert : public DesignTest {
protected:
    void TearDown() override {
        Designer->EndDesign();
        EXPECT_TRUE(ScreenFramesShown().empty());
        ClearScreenLayer();
        DesignTest::TearDown();
    }
    void Insert(TClass cls) {
        Designer->SetDesignState(dsInsert);
        Designer->SetInsertClass(cls);
    }
    void Drag(TPoint from, TPoint to) {
        Press(from);
        Move(Point((from.X + to.X) / 2, (from.Y + to.Y) / 2));
        Move(to);
        Release(to);
        Process();
    }
    /// The control of the newest overlay of designer.
    TControl* Newest(TZkFormDesigner* designer) {
        return designer->Overlay(designer->OverlayCount() - 1)->Control();
    }
    /// The bounds a control gets back when the session ends.
    TRect DesignedBounds(TControl* c) {
        TRect r = OverlayOf(c)->BoundsRect();
        InflateRect(r, -4, -4);
        return r;
    }
};

TEST_F(DesignInsert, ClicksAndDragsInInsertModeMakeControlsOfTheInsertClass) {
    struct Case {
        TPoint From, To;
        TRect Expected;
    } cases[] = {
        {{40, 50}, {40, 50}, Rect(40, 50, 70, 70)},       // a click: the default size
        {{10, 10}, {200, 13}, Rect(10, 10, 200, 30)},     // too low: the default height
        {{200, 150}, {120, 90}, Rect(120, 90, 200, 150)}, // dragged up and to the left
    };
    Begin();
    Insert(TTestButton::StaticClass());
    for (const Case& c : cases) {
        const int before = Designer->OverlayCount();
        if (c.From == c.To)
            Click(c.From);
        else
            Drag(c.From, c.To);
        ASSERT_EQ(Designer->OverlayCount(), before + 1);
        TControl* made = Newest(Designer);
        EXPECT_EQ(DesignedBounds(made), c.Expected);
        EXPECT_EQ(made->ClassName(), "TTestButton");
        EXPECT_EQ(made->Owner(), Form) << "the form that is saved owns it";
        EXPECT_EQ(made->Name().rfind("TTestButton", 0), 0u);
        EXPECT_EQ(made->Caption(), made->Name()) << "a control that shows its name shows it";
        EXPECT_TRUE(OverlayOf(made)->Selected()) << "the new control is selected alone";
        EXPECT_EQ(Designer->Selection()->Count(), 1);
    }
    EXPECT_EQ(Designer->History()->Count(), 6);
    EXPECT_EQ(Designer->DesignState(), dsInsert) << "insert mode stays until the host ends it";
    Designer->EndDesign();
    EXPECT_EQ(Form->ControlCount(), 3);
    EXPECT_EQ(Form->Controls(0)->BoundsRect(), Rect(40, 50, 70, 70));
}

TEST_F(DesignInsert, ADragInsideAContainerInsertsIntoIt) {
    auto* panel = Add(Form, Bounds(20, 20, 300, 200), "P");
    Begin();
    Insert(TTestButton::StaticClass());
    Drag(At(panel, 30, 40), At(panel, 130, 80));
    TZkFormDesigner* inner = OverlayOf(panel)->InnerDesigner();
    ASSERT_EQ(inner->OverlayCount(), 1);
    TControl* made = Newest(inner);
    EXPECT_EQ(OverlayOf(made)->Parent(), panel);
    EXPECT_EQ(DesignedBounds(made), Rect(30, 40, 130, 80));
    EXPECT_EQ(made->Owner(), Form);
    EXPECT_EQ(Designer->OverlayCount(), 1) << "nothing new on the form itself";
    ASSERT_EQ(Designer->Selection()->Count(), 1);
    EXPECT_EQ(Designer->Selection()->Get(0), OverlayOf(made));
}

TEST_F(DesignInsert, UndoHidesAndRedoShowsAnInsertionAndTheSessionEndDestroysAnUndoneOne) {
    Begin();
    Insert(TTestButton::StaticClass());
    Click({40, 50});
    TControl* made = Newest(Designer);
    const std::string name = made->Name();
    EXPECT_TRUE(Designer->IsDirty());
    Designer->Undo();
    EXPECT_FALSE(OverlayOf(made)->Visible());
    Designer->Redo();
    EXPECT_TRUE(OverlayOf(made)->Visible());
    Designer->Undo();
    Designer->EndDesign();
    EXPECT_EQ(Form->FindComponent(name), nullptr);
    EXPECT_EQ(Form->ControlCount(), 0);
}

TEST_F(DesignInsert, TwoInsertionsInOneMillisecondGetTwoNames) {
    Begin();
    TDesignControl* first =
        Designer->AddControlToDesign(TTestButton::StaticClass(), Rect(0, 0, 0, 0));
    TDesignControl* second =
        Designer->AddControlToDesign(TTestButton::StaticClass(), Rect(0, 0, 0, 0));
    EXPECT_NE(first->Control()->Name(), second->Control()->Name());
    EXPECT_EQ(Form->FindComponent(second->Control()->Name()), second->Control());
}

TEST_F(DesignInsert, AFailedInsertionLeavesTheFormAsItWas) {
    Add<TTestButton>(Form, Bounds(200, 200, 60, 25), "Kept");
    Begin();
    const int components = Form->ComponentCount(), controls = Form->ControlCount();
    for (TClass cls : {TRefusedControl::StaticClass(), TNotAControl::StaticClass()}) {
        SCOPED_TRACE(cls->ClassName());
        EXPECT_THROW(Designer->AddControlToDesign(cls, Rect(10, 10, 50, 50)), Exception);
        // Through the mouse the error goes to the application's error report.
        Insert(cls);
        Errors.clear();
        Click({40, 50});
        EXPECT_EQ(Errors.size(), 1u);
        EXPECT_EQ(Form->ComponentCount(), components);
        EXPECT_EQ(Form->ControlCount(), controls);
        EXPECT_EQ(Designer->OverlayCount(), 1);
        EXPECT_EQ(Designer->History()->Count(), 0);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(DesignInsert, InsertModeWithoutAClassSelectsWithABand) {
    auto* a = Add<TTestButton>(Form, Bounds(20, 20, 60, 25), "A");
    Begin();
    Insert(nullptr);
    Drag({5, 5}, {50, 50});
    EXPECT_TRUE(OverlayOf(a)->Selected());
    EXPECT_EQ(Designer->OverlayCount(), 1);
}

TEST_F(DesignInsert, APressOnAControlInsertsIntoItOrBesideIt) {
    auto* panel = Add(Form, Bounds(20, 20, 300, 200), "P");
    auto* inside = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "Inside");
    auto* button = Add<TTestButton>(Form, Bounds(330, 20, 50, 40), "Button");
    Begin();
    Click(At(button, 5, 5));
    ASSERT_TRUE(OverlayOf(button)->Selected());
    Insert(TTestButton::StaticClass());
    const struct {
        const char* What;
        TControl* On;
        TZkFormDesigner* Into;
        TPoint From;
    } cases[] = {
        {"a control on the form", button, Designer, {10, 10}},
        {"a control inside a container", inside, OverlayOf(panel)->InnerDesigner(), {5, 5}},
        {"a container", panel, OverlayOf(panel)->InnerDesigner(), {150, 120}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const TRect before = OverlayOf(c.On)->BoundsRect();
        const int count = c.Into->OverlayCount();
        const TPoint from = At(c.On, c.From.X, c.From.Y);
        Drag(from, Point(from.X + 50, from.Y + 30));
        ASSERT_EQ(c.Into->OverlayCount(), count + 1);
        TControl* made = Newest(c.Into);
        const TPoint origin = c.Into->GetDesignForm()->ScreenToClient(Form->ClientToScreen(from));
        EXPECT_EQ(DesignedBounds(made), Bounds(origin.X, origin.Y, 50, 30));
        EXPECT_EQ(OverlayOf(c.On)->BoundsRect(), before) << "the control under the press stays";
    }
    EXPECT_EQ(Designer->History()->Count(), 6) << "three insertions, nothing moved";
}

TEST_F(DesignInsert, OutsideASessionNothingIsInserted) {
    const int components = Form->ComponentCount();
    EXPECT_THROW(Designer->AddControlToDesign(TTestButton::StaticClass(), Rect(10, 10, 50, 30)),
                 EInvalidOperation);
    EXPECT_EQ(Form->ComponentCount(), components);
    EXPECT_EQ(Form->ControlCount(), 0);
    Begin();
    EXPECT_EQ(Designer->OverlayCount(), 0);
}

} // namespace

ZK_IMPLEMENT_CLASS(TRefusedControl, TTestGraphic, nullptr)
ZK_IMPLEMENT_CLASS(TNotAControl, TComponent, nullptr)
