// The demo's 文件 commands: saving the designed form, loading it back in place of the form's
// controls (the bars, palette and designer stay), and the question asked before closing.
#include <unistd.h>

#include <filesystem>

#include "WindowTesting.h"
#include "demo/DemoForm.h"
#include "host/comctrls/ComCtrls.h"
#include "host/dialogs/Dialogs.h"
#include "host/grids/Grids.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DemoFile : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        FreeAndNil(Form);
        Demo = new TDemoForm(nullptr);
        Form = Demo;
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
        Process();
        File = (std::filesystem::temp_directory_path() /
                ("zk-demo-" + std::to_string(::getpid()) + ".zkf"))
                   .string();
        PreviousDialogs = SetDialogRunner([this](TCommonDialog* d) {
            if (DialogFile.empty()) return false;
            static_cast<TOpenDialog*>(d)->SetFileName(DialogFile);
            return true;
        });
        PreviousBoxes = SetMessageBoxRunner([this](const TMessageBoxRequest& r) {
            Asked.push_back(r);
            return Answer;
        });
    }
    void TearDown() override {
        TDemoForm::NewVersion = false;
        SetDialogRunner(PreviousDialogs);
        SetMessageBoxRunner(PreviousBoxes);
        std::filesystem::remove(File);
        WindowTest::TearDown();
    }
    TControl* Named(const char* name) { return Cast<TControl>(Form->FindComponent(name)); }
    /// Designs and moves EditName right by one pixel with the keyboard: a change to save.
    void MoveEditName() {
        Demo->StartDesign("EditName");
        Process();
        Key(Qt::Key_Right, Qt::ControlModifier);
        ASSERT_TRUE(Demo->Designer()->IsDirty());
    }

    TDemoForm* Demo = nullptr;
    std::string File;
    std::string DialogFile;
    TModalResult Answer = mrCancel;
    std::vector<TMessageBoxRequest> Asked;
    TDialogRunner PreviousDialogs;
    TMessageBoxRunner PreviousBoxes;
};

TEST_F(DemoFile, SavedFormLoadsBackInPlaceAndTheToolsStay) {
    const int left = Named("EditName")->Left();
    MoveEditName();
    DialogFile = File;
    ASSERT_TRUE(Demo->SaveForm());
    EXPECT_TRUE(Demo->Designer()->IsDesigning()) << "a save keeps the session";
    EXPECT_FALSE(Demo->Designer()->IsDirty());
    EXPECT_TRUE(std::filesystem::exists(File));

    Named("EditName")->SetLeft(300);
    Named("CheckVip")->Free();
    TZkFormDesigner* designer = Demo->Designer();
    Demo->OpenForm();
    ASSERT_NE(Named("EditName"), nullptr);
    EXPECT_EQ(Named("EditName")->Left(), left + 1);
    EXPECT_NE(Named("CheckVip"), nullptr) << "the saved form's controls come back";
    EXPECT_EQ(Demo->Designer(), designer);
    ASSERT_NE(Demo->ToolButton("开始设计"), nullptr);
    TToolButton* begin = Demo->ToolButton("开始设计");
    Click(At(begin, begin->Width() / 2, begin->Height() / 2));
    Process();
    EXPECT_TRUE(Demo->Designer()->IsDesigning()) << "the loaded form can be designed";
    EXPECT_NE(Cast<TDesignControl>(Named("EditName")->Parent()), nullptr);
}

TEST_F(DemoFile, OpeningAsksToSaveFirstAndFillsTheGridAgain) {
    MoveEditName();
    Demo->Designer()->SaveToBinaryFile(File); // the design stays unsaved for the demo
    As<TEdit>(Named("EditName"))->SetTextProp("未保存");
    DialogFile = File;
    for (TModalResult answer : {mrCancel, mrNo}) {
        Answer = answer;
        Asked.clear();
        Demo->OpenForm();
        ASSERT_EQ(Asked.size(), 1u) << answer;
        EXPECT_EQ(Asked[0].ButtonCaptions.size(), 3u);
        EXPECT_EQ(As<TEdit>(Named("EditName"))->Text() == "未保存", answer == mrCancel)
            << "取消 opens nothing";
    }
    auto* grid = Cast<TStringGrid>(Form->FindComponent("GridItems"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Cells(1, 0), "品名");
    EXPECT_EQ(grid->Cells(1, 1), "铅笔");
    EXPECT_FALSE(Demo->Designer()->IsDirty());
    Asked.clear();
    Demo->OpenForm();
    EXPECT_TRUE(Asked.empty()) << "nothing unsaved, nothing asked";
}

TEST_F(DemoFile, ClosingWithUnsavedChangesAsksWhetherToSave) {
    EXPECT_TRUE(Demo->CloseQuery()) << "nothing to save, nothing asked";
    EXPECT_TRUE(Asked.empty());
    MoveEditName();
    struct {
        TModalResult answer;
        std::string file;
        bool closes;
    } cases[] = {
        {mrCancel, "", false}, // 取消
        {mrYes, "", false},    // 保存, then the file dialog cancelled
        {mrNo, "", true},      // 不保存
        {mrYes, File, true},   // 保存 into a file
    };
    for (const auto& c : cases) {
        Answer = c.answer;
        DialogFile = c.file;
        Asked.clear();
        EXPECT_EQ(Demo->CloseQuery(), c.closes) << c.answer;
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].ButtonCaptions,
                  (std::vector<std::pair<TMsgDlgBtn, std::string>>{
                      {mbYes, "保存"}, {mbNo, "不保存"}, {mbCancel, "取消"}}));
    }
    EXPECT_TRUE(std::filesystem::exists(File));
    EXPECT_FALSE(Demo->Designer()->IsDirty());
}

TEST_F(DemoFile, LayoutSavedByThisVersionLoadsOverTheNext) {
    const int left = Named("EditName")->Left();
    MoveEditName();
    DialogFile = File;
    ASSERT_TRUE(Demo->SaveLayout());
    EXPECT_FALSE(Demo->Designer()->IsDirty());

    // The program's next version makes every form of its class so, fresh ones included.
    TDemoForm::NewVersion = true;
    auto* next = new TDemoForm(nullptr);
    next->Show();
    next->OpenLayout();
    TDemoForm::NewVersion = false;
    auto* moved = Cast<TControl>(next->FindComponent("EditName"));
    auto* added = Cast<TControl>(next->FindComponent("EditPhone"));
    auto* vip = Cast<TCheckBox>(next->FindComponent("CheckVip"));
    EXPECT_EQ(left + 1, moved ? moved->Left() : -1) << "the user's move is kept";
    EXPECT_TRUE(added && added->Parent() == next && added->Visible()) << "the new field is there";
    EXPECT_EQ("贵宾（VIP）", vip ? vip->Caption() : "") << "the program's new caption shows";
    EXPECT_TRUE(Asked.empty()) << "nothing was skipped, nothing reported";
    next->Free();
}

} // namespace
