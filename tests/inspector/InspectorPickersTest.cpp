// Value pickers through real input: the popup list of a row's values, and the dialogs (answered
// by a runner) or the host's edit-property event behind the dialog button.

#include <QDir>
#include <QTemporaryDir>

#include <functional>

#include "InspectorTesting.h"
#include "host/dialogs/Dialogs.h"
#include "inspector/ZkPopupList.h"

namespace {

class InspectorPickers : public InspectorTest {
protected:
    void SetUp() override {
        InspectorTest::SetUp();
        // As the designer lists them: names outside the table under their own.
        Insp->OnTransFieldName = [](const std::string& name) { return name; };
        Insp->SetCurObject(Target);
        ShowInspector();
    }
    void TearDown() override {
        SetDialogRunner(nullptr);
        InspectorTest::TearDown();
    }
    TListBox* List() const { return Insp->Popup()->ListBox; }
    void ClickButton(TControl* button) {
        ASSERT_TRUE(button->Visible());
        InspClick(button, 5, 5);
    }
    void OpenList(const char* prop) {
        ClickRow(RowOf(prop));
        ClickButton(Insp->ComboBtn);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> texts;
        for (int i = 0; i < List()->Items()->Count(); ++i)
            texts.push_back(List()->Items()->Strings(i));
        return texts;
    }
    /// Real click on an entry of the open popup.
    void PickEntry(int index) {
        QWindow* popup = WidgetOf(Insp->Popup()->Handle())->windowHandle();
        const TRect r = List()->ItemRect(index);
        const TPoint p = Insp->Popup()->ScreenToClient(
            List()->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
        QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(p.X, p.Y));
        Process();
    }
    /// Width the popup needs for its entries: the widest text plus 8.
    int TextWidth() const {
        int w = 0;
        for (const std::string& s : Entries())
            w = std::max(w, List()->Canvas()->TextWidth(s));
        return w + 8;
    }
    int RowsShown() const { return (List()->Height() - 2) / List()->ItemHeight(); }
};

TEST_F(InspectorPickers, BooleanListsNoOverYesWithTheValueSelected) {
    Target->SetVisible(false);
    OpenList("Visible");
    ASSERT_TRUE(Insp->Popup()->Visible());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"否", "是"}));
    EXPECT_EQ(List()->ItemIndex(), 0);
}

TEST_F(InspectorPickers, CursorListShowsEightRowsAndRoomForTheScrollBar) {
    OpenList("Cursor");
    ASSERT_EQ(List()->Items()->Count(), CursorNameCount);
    EXPECT_EQ(Entries().front(), "crDefault");
    EXPECT_EQ(Entries().back(), "crSizeAll");
    EXPECT_EQ(List()->ItemIndex(), 0);
    EXPECT_EQ(RowsShown(), 8);
    const int S = Insp->SplitPos(), W = Insp->GridWidth();
    const int width = TextWidth() + 16;
    EXPECT_EQ(Insp->Popup()->Width(), S > width ? W - S + 1 : width);
}

TEST_F(InspectorPickers, PlacementOverTheValueColumnOrRightAligned) {
    const int origin = Insp->ClientOrigin().X;
    OpenList("Shade");
    ASSERT_EQ(Entries(), (std::vector<std::string>{"shLight", "shMedium", "shDark"}));
    EXPECT_EQ(RowsShown(), 3);
    const int W = Insp->GridWidth();
    const int width = TextWidth();
    ASSERT_LT(width, Insp->SplitPos());
    // Wide boundary: the value column, from S + 1 to W + 2.
    EXPECT_EQ(Insp->Popup()->Left(), origin + Insp->SplitPos() + 1);
    EXPECT_EQ(Insp->Popup()->Left() + Insp->Popup()->Width(), origin + W + 2);
    const TPoint below = Insp->Edit1->ClientToScreen({0, Insp->Edit1->Height()});
    EXPECT_EQ(Insp->Popup()->Top(), below.Y);
    ClickButton(Insp->ComboBtn);
    ASSERT_FALSE(Insp->Popup()->Visible());

    // Boundary left of the widest entry: exactly its width, the same right edge.
    InspPress(Insp->PaintBox1, Insp->SplitPos(), 5);
    InspMove(Insp->PaintBox1, width - 10, 5);
    InspRelease(Insp->PaintBox1, width - 10, 5);
    ASSERT_LE(Insp->SplitPos(), width);
    OpenList("Shade");
    EXPECT_EQ(Insp->Popup()->Width(), width);
    EXPECT_EQ(Insp->Popup()->Left() + Insp->Popup()->Width(), origin + W + 2);
}

TEST_F(InspectorPickers, PopupStaysOnTheScreen) {
    struct Case {
        int left, top;
    } cases[] = {{-150, 100}, {Screen->Width() - 60, 100}, {100, Screen->Height() - 40}};
    for (const Case& c : cases) {
        Insp->SetBounds(c.left, c.top, Insp->Width(), Insp->Height());
        Process();
        OpenList("Cursor");
        ASSERT_TRUE(Insp->Popup()->Visible());
        const TForm* p = Insp->Popup();
        EXPECT_GE(p->Left(), 0) << c.left;
        EXPECT_LE(p->Left() + p->Width(), Screen->Width()) << c.left;
        EXPECT_LE(p->Top() + p->Height(), Screen->Height()) << c.top;
        ClickButton(Insp->ComboBtn);
    }
}

TEST_F(InspectorPickers, SecondClickClosesAndWritesNothing) {
    OpenList("Shade");
    ASSERT_TRUE(Insp->Popup()->Visible());
    ClickButton(Insp->ComboBtn);
    EXPECT_FALSE(Insp->Popup()->Visible());
    EXPECT_TRUE(Insp->Edit1->Focused());
    EXPECT_EQ(Target->Shade, shLight);
    EXPECT_TRUE(Modified.empty());
}

TEST_F(InspectorPickers, PickWritesAtOnceAndFiresModify) {
    const int row = RowOf("Shade");
    OpenList("Shade");
    PickEntry(2);
    EXPECT_FALSE(Insp->Popup()->Visible());
    EXPECT_EQ(Target->Shade, shDark);
    EXPECT_EQ(Insp->Edit1->Text(), "shDark");
    EXPECT_EQ(Modified, std::vector<int>{row});
}

TEST_F(InspectorPickers, SelectingAnotherRowHidesThePopup) {
    OpenList("Shade");
    ClickRow(RowOf("Cursor"));
    EXPECT_FALSE(Insp->Popup()->Visible());
}

TEST_F(InspectorPickers, ColourDialogChangesTheSwatchAsAModify) {
    Target->SetColor(clRed);
    TColor offered = clNone;
    SetDialogRunner([&](TCommonDialog* d) {
        auto* dialog = As<TColorDialog>(d);
        offered = dialog->Color();
        dialog->SetColor(clBlue);
        return true;
    });
    ClickRow(RowOf("Color"));
    ClickButton(Insp->EditBtn);
    EXPECT_EQ(offered, clRed);
    EXPECT_EQ(Target->Color(), clBlue);
    EXPECT_EQ(Modified.size(), 1u) << "a confirmed dialog is a write like any other";
}

TEST_F(InspectorPickers, FontDialogChangesTheFontInPlace) {
    TFont* before = Target->Font();
    SetDialogRunner([](TCommonDialog* d) {
        As<TFontDialog>(d)->Font()->SetSize(17);
        return true;
    });
    ClickRow(RowOf("Font"));
    ClickButton(Insp->EditBtn);
    EXPECT_EQ(Target->Font(), before);
    EXPECT_EQ(Target->Font()->Size(), 17);
}

TEST_F(InspectorPickers, CancelledDialogsChangeNothing) {
    Target->SetColor(clRed);
    const int size = Target->Font()->Size();
    SetDialogRunner([](TCommonDialog* d) {
        if (auto* f = Cast<TFontDialog>(d)) f->Font()->SetSize(31);
        if (auto* c = Cast<TColorDialog>(d)) c->SetColor(clLime);
        return false;
    });
    for (const char* prop : {"Color", "Font"}) {
        ClickRow(RowOf(prop));
        ClickButton(Insp->EditBtn);
    }
    EXPECT_EQ(Target->Color(), clRed);
    EXPECT_EQ(Target->Font()->Size(), size);
}

TEST_F(InspectorPickers, EveryWriteShowsEveryRowItChanged) {
    // Each way of writing changes one more property than its own row's.
    SetDialogRunner([](TCommonDialog* d) {
        if (auto* c = Cast<TColorDialog>(d)) c->SetColor(clBlue);
        if (auto* f = Cast<TFontDialog>(d)) f->Font()->SetSize(17);
        if (auto* o = Cast<TOpenDialog>(d)) o->SetFileName("chosen.txt");
        return true;
    });
    struct Case {
        const char* prop;
        std::function<void()> write;
        std::function<bool()> written;
    };
    const Case cases[] = {
        {"ParentColor", [&] { PickEntry(1); }, [&] { return Target->Color() == Form->Color(); }},
        {"Color", [&] { ClickButton(Insp->EditBtn); }, [&] { return !Target->ParentColor(); }},
        {"Font", [&] { ClickButton(Insp->EditBtn); }, [&] { return !Target->ParentFont(); }},
        {"FileName", [&] { ClickButton(Insp->EditBtn); },
         [&] { return Target->FileName == "chosen.txt"; }},
    };
    Target->SetColor(clRed);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prop);
        // Selected the way the arrow keys do, which scrolls a row far down into view.
        Insp->SetItemIndex(RowOf(c.prop));
        Process();
        if (Insp->ComboPanel->Visible()) ClickButton(Insp->ComboBtn);
        c.write();
        Process();
        ASSERT_TRUE(c.written());
        const std::vector<uint8_t> shown = Insp->Buffer()->SaveToBytes();
        Insp->PaintBox1->Repaint();
        Process();
        EXPECT_TRUE(Insp->Buffer()->SaveToBytes() == shown) << "a row shows a stale value";
        if (Insp->Edit1->Visible()) {
            EXPECT_EQ(Insp->Edit1->Text(), Insp->GetItemValue(Insp->ItemIndex()));
        }
    }
}

TEST_F(InspectorPickers, StringListRowGoesToTheHost) {
    std::string type;
    TObject* object = nullptr;
    Insp->OnEditProp = [&](const std::string& name, TObject* obj) {
        type = name;
        object = obj;
    };
    // Far down the grid: selected the way the arrow keys do, which scrolls it into view.
    Insp->SetItemIndex(RowOf("Lines"));
    Process();
    ClickButton(Insp->EditBtn);
    EXPECT_EQ(type, "TStrings");
    EXPECT_EQ(object, Target->Lines());
}

} // namespace
