// Lifetimes around a session: overlays destroyed under the designer, controls that outlive
// their overlays, and designers that cannot start.
#include <cstdio>

#include "DesignTesting.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignLifetime : public DesignTest {
protected:
    /// Every way of touching the history after something was destroyed.
    void UseHistory(TZkFormDesigner* designer) {
        designer->Undo();
        designer->Redo();
        designer->Undo();
        const std::string path = testing::TempDir() + "history_after_free.txt";
        designer->SaveOpHisToFile(path);
        std::remove(path.c_str());
        designer->EndDesign();
    }
};

TEST_F(DesignLifetime, ADesignFormDeletedDuringASessionLeavesNothingDangling) {
    auto* other = new TForm(nullptr);
    auto* designed = new TTestPanel(nullptr);
    designed->SetParent(Form);
    designed->SetBounds(0, 0, 300, 200);
    auto* b = new TTestButton(designed);
    b->SetName("B1");
    b->SetParent(designed);
    b->SetBounds(10, 10, 60, 25);
    auto* designer = new TZkFormDesigner(other);
    designer->SetShowInspector(false);
    designer->BeginDesign(designed);
    TDesignControl* overlay = designer->FindOverlay(b);
    ASSERT_NE(overlay, nullptr);
    overlay->SetRect(Bounds(30, 30, 68, 33)); // through the API: no user action records
    overlay->SetSelected(true);
    designer->DeleteSelection();
    ASSERT_EQ(designer->History()->Count(), 2);
    delete designed; // not Free
    EXPECT_FALSE(designer->IsDesigning());
    UseHistory(designer);
    other->Free();
}

TEST_F(DesignLifetime, AContainerWithAnInnerDesignerFreedDuringASessionLeavesTheHistoryInert) {
    auto* panel = Add(Form, Bounds(10, 10, 200, 150), "Panel1");
    auto* b = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "B1");
    Add<TTestButton>(Form, Bounds(250, 10, 60, 25), "B2");
    Begin();
    Click(At(b, 5, 5));
    Key(Qt::Key_Right, Qt::ControlModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Process();
    ASSERT_EQ(Designer->History()->Count(), 2);
    panel->Free();
    Process();
    UseHistory(Designer);
    EXPECT_EQ(Form->ControlCount(), 1);
}

TEST_F(DesignLifetime, AnUndesignedWindowedControlInADesignedContainerGetsNoDestroy) {
    auto* panel = Add(Form, Bounds(10, 10, 200, 150), "Panel1");
    auto* keep = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "KeepLive");
    keep->SetCaption("live");
    TStringList names;
    names.Add("KeepLive");
    Designer->SetCannotDesignControls(&names);
    Begin();
    ASSERT_EQ(keep->Parent(), panel);
    HWND before = keep->Handle();
    {
        MessageLog log(keep);
        Designer->EndDesign();
        EXPECT_EQ(log.Count(WM_DESTROY), 0);
    }
    EXPECT_EQ(keep->Parent(), panel);
    EXPECT_TRUE(IsWindow(before));
    EXPECT_EQ(keep->Handle(), before);
    EXPECT_EQ(keep->Button()->text(), "live");
}

TEST_F(DesignLifetime, ADesignerThatCannotStartLeaksNothing) {
    // Run under the leak checker: the lists the constructor made are freed when it raises.
    TComponent owner(nullptr);
    EXPECT_THROW(new TZkFormDesigner(&owner), EInvalidCast);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

} // namespace
