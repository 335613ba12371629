// Keyboard accelerators: "&" marks a caption's letter (drawn underlined, "&&" a literal
// ampersand); Alt and the letter, or the letter alone where the focused control takes no
// characters, reach the form as CM_DIALOGCHAR and act on the control whose caption marks it.

#include "StdTesting.h"
#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"

namespace {
TEST(Accelerator, TheHotkeyIsTheCharacterAfterTheLastSingleAmpersand) {
    struct Case {
        const char* Caption;
        const char* Hotkey;
    };
    const Case cases[] = {{"&OK", "O"},      {"Save && &Quit", "Q"}, {"A&&B", ""},        {"&", ""},
                          {"文件(&F)", "F"}, {"&文件", "文"},        {"&a then &b", "b"}, {"", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(GetHotkey(c.Caption), c.Hotkey) << c.Caption;
    EXPECT_TRUE(IsAccel('o', "&OK"));
    EXPECT_TRUE(IsAccel('O', "&ok"));
    EXPECT_FALSE(IsAccel('k', "&OK"));
    EXPECT_FALSE(IsAccel('b', "A&&B"));
    EXPECT_TRUE(IsAccel(u'文', "&文件"));
}

class AcceleratorTest : public StdTest {
protected:
    void SetUp() override {
        StdTest::SetUp();
        First = Make<TEdit>(10, 10);
        Target = Make<TEdit>(10, 40);
        Name = Make<TLabel>(150, 40);
        Name->SetCaption("&Name");
        Name->SetFocusControl(Target);
        Ok = Make<TButton>(150, 70);
        Ok->SetCaption("&OK");
        Ok->OnClick = [this](TObject*) { ++Clicks; };
        Check = Make<TCheckBox>(10, 110);
        Check->SetCaption("&Check");
        Radio = Make<TRadioButton>(10, 140);
        Radio->SetCaption("&Radio");
        Group = Make<TGroupBox>(150, 110);
        Group->SetCaption("&Group");
        Inside = new TEdit(Form);
        Inside->SetParent(Group);
        Inside->SetBounds(10, 30, 100, 21);
        First->SetFocus();
    }

    TEdit* First = nullptr;
    TEdit* Target = nullptr;
    TLabel* Name = nullptr;
    TButton* Ok = nullptr;
    TCheckBox* Check = nullptr;
    TRadioButton* Radio = nullptr;
    TGroupBox* Group = nullptr;
    TEdit* Inside = nullptr;
    int Clicks = 0;
};

TEST_F(AcceleratorTest, AltAndTheLetterReachTheFormAsDialogCharAndActOnTheMarkedControl) {
    MessageLog formLog(Form);
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(Target->Focused()) << "the label focuses its FocusControl";
    ASSERT_EQ(formLog.Count(CM_DIALOGCHAR), 1);
    for (const MessageLog::Entry& e : formLog.Entries()) {
        if (e.Msg == CM_DIALOGCHAR) {
            EXPECT_EQ(e.WParam, 'n');
        }
    }

    Key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(Clicks, 1) << "the button clicks itself";
    EXPECT_TRUE(Target->Focused()) << "and leaves the focus where it was";

    Key(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(Check->Focused());
    EXPECT_TRUE(Check->Checked());
    Key(Qt::Key_C, Qt::AltModifier);
    EXPECT_FALSE(Check->Checked());

    Key(Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(Radio->Focused());
    EXPECT_TRUE(Radio->Checked());

    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(Inside->Focused()) << "the group box focuses its first child";
    EXPECT_EQ(First->Text(), "");
    EXPECT_EQ(Inside->Text(), "");
}

TEST_F(AcceleratorTest, APlainLetterIsAnAcceleratorOnlyWhereTheFocusedControlTakesNoCharacters) {
    Key(Qt::Key_O);
    EXPECT_EQ(First->Text(), "o") << "an edit takes the letter";
    EXPECT_EQ(Clicks, 0);
    Check->SetFocus();
    Key(Qt::Key_O);
    EXPECT_EQ(Clicks, 1) << "a check box takes no characters";
    Key(Qt::Key_N);
    EXPECT_TRUE(Target->Focused());
    // With Ctrl the letter is no accelerator.
    Check->SetFocus();
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(AcceleratorTest, NoAcceleratorWithoutShowAccelCharOnADisabledControlOrPastAHook) {
    Name->SetShowAccelChar(false);
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(First->Focused());
    Name->SetShowAccelChar(true);
    Name->SetEnabled(false);
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(First->Focused());

    Ok->SetEnabled(false);
    Key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(Clicks, 0);
    Ok->SetEnabled(true);
    Ok->SetCaption("A&&B");
    Key(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(Clicks, 0) << "a doubled ampersand marks nothing";

    // A window procedure that keeps the character keeps the accelerator from happening, and
    // nothing of Qt's own (its mnemonic shortcuts) clicks the button past it.
    Ok->SetCaption("&OK");
    MessageLog log(First);
    log.Swallow = {WM_SYSCHAR};
    Key(Qt::Key_O, Qt::AltModifier);
    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(log.Count(WM_SYSCHAR), 2);
    EXPECT_EQ(Clicks, 0);
    EXPECT_TRUE(First->Focused());
    EXPECT_TRUE(static_cast<QAbstractButton*>(WidgetOf(Ok->Handle()))->shortcut().isEmpty());
    log.Swallow = {};
    Key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(Clicks, 1);
}

/// The rows where two images of the same size differ.
std::vector<int> DifferingRows(const QImage& a, const QImage& b) {
    std::vector<int> rows;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                rows.push_back(y);
                break;
            }
    return rows;
}

TEST_F(AcceleratorTest, TheMarkedLetterIsUnderlinedAndADoubledAmpersandShowsAsOne) {
    // Each marked caption against the same text unmarked: they differ only in a line or two
    // under the text (the underline), and not at all where "&&" stands for "&".
    auto* marked = Make<TButton>(10, 200);
    auto* plain = Make<TButton>(100, 200);
    marked->SetCaption("&OK");
    plain->SetCaption("OK");
    std::vector<int> rows = DifferingRows(Grab(marked), Grab(plain));
    ASSERT_FALSE(rows.empty()) << "the button underlines its accelerator";
    EXPECT_LE(rows.back() - rows.front(), 2);

    auto* box = Make<TGroupBox>(10, 230);
    auto* plainBox = Make<TGroupBox>(200, 230);
    box->SetCaption("&Group");
    plainBox->SetCaption("Group");
    rows = DifferingRows(Grab(box), Grab(plainBox));
    ASSERT_FALSE(rows.empty()) << "the group box underlines its accelerator";
    EXPECT_LE(rows.back() - rows.front(), 2);
    EXPECT_EQ(box->Caption(), "&Group");

    auto* label = Make<TLabel>(250, 10);
    auto* plainLabel = Make<TLabel>(320, 10);
    label->SetCaption("&Name");
    plainLabel->SetCaption("Name");
    plainLabel->SetShowAccelChar(false);
    ASSERT_EQ(label->Width(), plainLabel->Width());
    const QImage form = Grab(Form);
    auto area = [&](TControl* c) {
        return form.copy(c->Left(), c->Top(), c->Width(), c->Height());
    };
    rows = DifferingRows(area(label), area(plainLabel));
    ASSERT_FALSE(rows.empty()) << "the label underlines its accelerator";
    EXPECT_LE(rows.back() - rows.front(), 2);

    label->SetCaption("A&&B");
    plainLabel->SetCaption("A&B");
    ASSERT_EQ(label->Width(), plainLabel->Width());
    const QImage again = Grab(Form);
    EXPECT_EQ(again.copy(label->Left(), label->Top(), label->Width(), label->Height()),
              again.copy(plainLabel->Left(), plainLabel->Top(), plainLabel->Width(),
                         plainLabel->Height()));

    // Speed buttons and tool buttons paint their captions themselves.
    auto* speed = Make<TSpeedButton>(300, 60);
    auto* plainSpeed = Make<TSpeedButton>(340, 60);
    speed->SetCaption("&OK");
    plainSpeed->SetCaption("OK");
    auto* bar = new TToolBar(Form);
    bar->SetParent(Form);
    bar->SetShowCaptions(true);
    TToolButton* tools[2] = {new TToolButton(Form), new TToolButton(Form)};
    tools[0]->SetCaption("&OK");
    tools[1]->SetCaption("OK");
    for (TToolButton* b : tools)
        b->SetParent(bar);
    const QImage painted = Grab(Form);
    auto at = [&](TControl* c) {
        const TPoint p = Form->ScreenToClient(c->ClientToScreen({0, 0}));
        return painted.copy(p.X, p.Y, c->Width(), c->Height());
    };
    for (auto [marked, plain] : {std::pair<TControl*, TControl*>{speed, plainSpeed},
                                 std::pair<TControl*, TControl*>{tools[0], tools[1]}}) {
        rows = DifferingRows(at(marked), at(plain));
        ASSERT_FALSE(rows.empty()) << marked->ClassName() << " underlines its accelerator";
        EXPECT_LE(rows.back() - rows.front(), 2) << marked->ClassName();
    }
}

// ---- Tabs and bar buttons ---------------------------------------------------------------------

class TabAndBarAcceleratorTest : public AcceleratorTest {
protected:
    void SetUp() override {
        AcceleratorTest::SetUp();
        Pages = Make<TPageControl>(250, 150);
        Pages->SetHeight(120);
        for (const char* caption : {"常规(&E)", "高级(&Z)", "隐藏(&D)", "A&&X"}) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(Pages);
            Sheets.push_back(sheet);
        }
        Sheets[2]->SetTabVisible(false);
        Pages->OnChanging = [this](TObject*, bool& allow) {
            Events += "changing ";
            allow = Allow;
        };
        Pages->OnChange = [this](TObject*) { Events += "change "; };
    }

    TPageControl* Pages = nullptr;
    std::vector<TTabSheet*> Sheets;
    std::string Events;
    bool Allow = true;
};

TEST_F(TabAndBarAcceleratorTest, APagesAcceleratorSelectsItsTabAsAClickDoes) {
    Key(Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
    EXPECT_EQ(Events, "changing change ");
    EXPECT_TRUE(First->Focused()) << "the focus stays where it was";
    EXPECT_EQ(First->Text(), "");

    MessageLog log(First);
    struct Case {
        const char* Why;
        Qt::Key Key;
        std::function<void()> Arrange;
        const char* Events;
    };
    const Case cases[] = {
        {"the selected tab's letter changes nothing", Qt::Key_Z, [] {}, ""},
        {"OnChanging may refuse", Qt::Key_E, [this] { Allow = false; }, "changing "},
        {"a page without a tab has no accelerator", Qt::Key_D, [] {}, ""},
        {"a doubled ampersand marks nothing", Qt::Key_X, [] {}, ""},
        {"a disabled page control takes none", Qt::Key_E, [this] { Pages->SetEnabled(false); }, ""},
        // Qt's own mnemonic shortcut on the tab would switch past the window procedure.
        {"a window procedure that keeps the key keeps the page", Qt::Key_E,
         [&log] { log.Swallow = {WM_SYSCHAR}; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        Events.clear();
        Allow = true;
        Pages->SetEnabled(true);
        log.Swallow = {};
        c.Arrange();
        Key(c.Key, Qt::AltModifier);
        EXPECT_EQ(Events, c.Events);
        EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
    }
    log.Swallow = {};
    Pages->SetEnabled(true);
    Key(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
}

TEST_F(TabAndBarAcceleratorTest, ATabIsAsWideAsItsCaptionWithoutTheAmpersand) {
    auto* plain = Make<TPageControl>(250, 280);
    for (const char* caption : {"常规(E)", "高级(Z)"}) {
        auto* sheet = new TTabSheet(Form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(plain);
    }
    for (int i : {0, 1}) {
        const TRect marked = Pages->TabRect(i);
        const TRect shown = plain->TabRect(i);
        EXPECT_EQ(marked.Right - marked.Left, shown.Right - shown.Left) << i;
    }
}

TEST_F(TabAndBarAcceleratorTest, ToolAndSpeedButtonsClickWhenTheirCaptionsLetterComes) {
    auto* bar = new TToolBar(Form);
    bar->SetParent(Form);
    bar->SetShowCaptions(true);
    auto* tool = new TToolButton(Form);
    tool->SetCaption("粗体(&B)");
    tool->SetParent(bar);
    auto* panel = Make<TPanel>(10, 260);
    auto* speed = new TSpeedButton(Form);
    speed->SetCaption("速度(&S)");
    speed->SetParent(panel);
    int toolClicks = 0;
    int speedClicks = 0;
    tool->OnClick = [&](TObject*) { ++toolClicks; };
    speed->OnClick = [&](TObject*) { ++speedClicks; };

    struct Case {
        const char* Why;
        std::function<void()> Arrange;
        int ToolClicks;
        int SpeedClicks;
    };
    const Case cases[] = {
        {"enabled and visible", [] {}, 1, 1},
        {"disabled",
         [&] {
             tool->SetEnabled(false);
             speed->SetEnabled(false);
         },
         0, 0},
        {"hidden",
         [&] {
             tool->SetVisible(false);
             speed->SetVisible(false);
         },
         0, 0},
        {"the speed button's parent hidden", [&] { panel->SetVisible(false); }, 1, 0},
        {"the tool bar showing no captions", [&] { bar->SetShowCaptions(false); }, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        for (TControl* b : std::initializer_list<TControl*>{tool, speed}) {
            b->SetEnabled(true);
            b->SetVisible(true);
        }
        panel->SetVisible(true);
        bar->SetShowCaptions(true);
        toolClicks = speedClicks = 0;
        c.Arrange();
        Key(Qt::Key_B, Qt::AltModifier);
        Key(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(toolClicks, c.ToolClicks);
        EXPECT_EQ(speedClicks, c.SpeedClicks);
        EXPECT_EQ(First->Text(), "");
    }
}
} // namespace
