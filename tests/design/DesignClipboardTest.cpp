// Copying, cutting, pasting and duplicating designed controls through the clipboard's form
// text, by the keys a user presses.

#include "DesignTesting.h"
#include "design/OperateHistory.h"
#include "host/core/Clipboard.h"
#include "host/containers/Panels.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignClipboard : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Form->SetName("Form1");
        Panel = Add<TPanel>(Form, Bounds(10, 10, 200, 100), "Panel1");
        Edit = Add<TEdit>(Panel, Bounds(10, 10, 90, 21), "Edit1");
        Button = Add<TButton>(Form, Bounds(250, 10, 60, 25), "Button1");
        Button->SetCaption("Button1");
        Begin();
    }
    void TearDown() override {
        Clipboard()->SetAsText("");
        Designer->EndDesign();
        DesignTest::TearDown();
    }
    /// Selects Control alone by a click on it and presses Ctrl+Key there.
    void CtrlKeyOn(TControl* Control, Qt::Key K) {
        Click(At(Control, 3, 3));
        Process();
        KeyTo(OverlayOf(Control), K, Qt::ControlModifier);
    }
    /// The controls of the tree's selection.
    std::vector<TControl*> Selected() const {
        std::vector<TControl*> out;
        for (int i = 0; i < Designer->Selection()->Count(); ++i)
            out.push_back(Designer->Selection()->Get(i)->Control());
        return out;
    }
    TPanel* Panel = nullptr;
    TEdit* Edit = nullptr;
    TButton* Button = nullptr;
};

TEST_F(DesignClipboard, CopyCutPasteAndDuplicateAreOneUndoStepEach) {
    OverlayOf(Panel)->Move(5, 0); // a copy holds where the session shows the control
    CtrlKeyOn(Panel, Qt::Key_C);
    const std::string text = Clipboard()->AsText();
    EXPECT_EQ(text.rfind("object Panel1: TPanel\n  Left = 15\n  Top = 10\n", 0), 0u) << text;
    EXPECT_NE(text.find("  object Edit1: TEdit\n    Left = 10\n"), std::string::npos) << text;
    EXPECT_TRUE(Designer->CommandEnabled(daPaste));

    const int count = Form->ComponentCount();
    const int position = Designer->History()->Position();
    KeyTo(OverlayOf(Panel), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Form->ComponentCount(), count + 2) << "the panel and its edit";
    auto* copy = Cast<TPanel>(Form->Components(count));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->Name(), "Panel1") << "a taken name is made free";
    EXPECT_EQ(OverlayOf(copy)->ControlBounds(), Bounds(15 + 8, 10 + 8, 200, 100))
        << "a grid step off";
    EXPECT_EQ(Selected(), std::vector<TControl*>{copy});
    ASSERT_NE(OverlayOf(copy)->InnerDesigner(), nullptr) << "its edit is designed too";
    EXPECT_EQ(OverlayOf(copy)->InnerDesigner()->OverlayCount(), 1);
    EXPECT_EQ(Designer->History()->Position(), position + 2);
    KeyTo(OverlayOf(copy), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(OverlayOf(copy)->Visible()) << "one undo takes the whole paste back";

    // Into another form, where the names are free: kept, and placed where the text says.
    auto* other = new TForm(nullptr);
    other->SetBounds(0, 0, 400, 300);
    auto* designer = new TZkFormDesigner(other);
    designer->SetShowInspector(false);
    designer->BeginDesign(other);
    designer->PasteFromClipboard();
    auto* pasted = Cast<TPanel>(other->FindComponent("Panel1"));
    ASSERT_NE(pasted, nullptr);
    EXPECT_NE(other->FindComponent("Edit1"), nullptr);
    EXPECT_EQ(As<TDesignControl>(pasted->Parent())->ControlBounds(), Bounds(15, 10, 200, 100));
    designer->EndDesign();
    other->Free();

    // A duplicate lands a grid step off; a cut copies, then deletes.
    CtrlKeyOn(Button, Qt::Key_D);
    const std::vector<TControl*> dup = Selected();
    ASSERT_EQ(dup.size(), 1u);
    EXPECT_EQ(OverlayOf(dup[0])->ControlBounds(), Bounds(258, 18, 60, 25));
    EXPECT_EQ(dup[0]->Caption(), dup[0]->Name()) << "a caption that was the name follows it";
    CtrlKeyOn(Edit, Qt::Key_X);
    EXPECT_NE(Clipboard()->AsText().find("object Edit1: TEdit"), std::string::npos);
    EXPECT_FALSE(OverlayOf(Edit)->Visible());
    Designer->Undo();
    EXPECT_TRUE(OverlayOf(Edit)->Visible());
    Designer->Undo();
    EXPECT_FALSE(OverlayOf(dup[0])->Visible());
}

TEST_F(DesignClipboard, TextThatIsNoFormPastesNothingAndSaysWhy) {
    std::string deep;
    for (int i = 0; i < 70; ++i) deep += "object P" + std::to_string(i) + ": TPanel\n";
    for (int i = 0; i < 70; ++i) deep += "end\n";
    const struct {
        const char* what;
        std::string text;
        const char* says;
    } cases[] = {
        {"prose", "just some words", "不是窗体文本"},
        {"unknown class", "object X1: TNoSuchControl\nend\n", "TNoSuchControl"},
        {"broken syntax", "object X1: TEdit\n  Left = \n", "无法粘贴"},
        {"wrong value", "object X1: TEdit\n  Left = 'far'\nend\n", "无法粘贴"},
        {"no control", "object X1: TPopupMenu\nend\n", "不是可以放进窗体的控件"},
        {"too deep", deep, "无法粘贴"},
    };
    const int count = Form->ComponentCount();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Errors.clear();
        Clipboard()->SetAsText(c.text);
        EXPECT_FALSE(Designer->CommandEnabled(daPaste) && c.text == "just some words");
        CtrlKeyOn(Button, Qt::Key_V);
        ASSERT_EQ(Errors.size(), 1u);
        EXPECT_NE(Errors[0].find(c.says), std::string::npos) << Errors[0];
        EXPECT_EQ(Form->ComponentCount(), count);
        EXPECT_FALSE(Designer->History()->CanUndo());
    }
}

} // namespace
