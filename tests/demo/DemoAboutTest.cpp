// The demo's about box names the project's version.
#include "WindowTesting.h"
#include "demo/DemoForm.h"
#include "host/comctrls/ComCtrls.h"
#include "host/core/Version.h"
#include "host/dialogs/Dialogs.h"

namespace {

class DemoAbout : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        FreeAndNil(Form);
        Form = new TDemoForm(nullptr);
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
        Process();
    }

    TToolButton* ToolButton(const std::string& caption) const {
        return static_cast<TDemoForm*>(Form)->ToolButton(caption);
    }
};

TEST_F(DemoAbout, ClickingAboutShowsTheProjectVersion) {
    std::vector<TMessageBoxRequest> shown;
    TMessageBoxRunner previous = SetMessageBoxRunner([&](const TMessageBoxRequest& r) {
        shown.push_back(r);
        return mrOk;
    });
    TToolButton* about = ToolButton("关于");
    ASSERT_NE(about, nullptr);
    Click(At(about, about->Width() / 2, about->Height() / 2));
    Process();
    SetMessageBoxRunner(previous);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Caption, "关于");
    EXPECT_NE(shown[0].Text.find(std::string("版本 ") + ZK_VERSION_STRING), std::string::npos)
        << shown[0].Text;
}

} // namespace
