// Keyboard: CN_KEYDOWN first, virtual-key codes, shift state, and the framework's tab navigation.

#include "WindowTesting.h"

namespace {
class KeysTest : public WindowTest {
protected:
    TTestButton* AddButton(TWinControl* parent, int top) {
        auto* b = new TTestButton(Form);
        b->SetParent(parent);
        b->SetTop(top);
        return b;
    }
};

TEST_F(KeysTest, KeyGoesAsCnKeyDownFirstThenKeyDownThenChar) {
    auto* b = AddButton(Form, 0);
    b->SetFocus();
    Process();
    MessageLog log(b);
    Key(Qt::Key_A);
    EXPECT_EQ(log.Messages({CN_KEYDOWN, WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
              (std::vector<uint32_t>{CN_KEYDOWN, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(log.Entries()[0].WParam, 'A');

    log.Clear();
    TWndMethod saved = b->WindowProc;
    b->WindowProc = [&](TMessage& m) {
        saved(m);
        if (m.Msg == CN_KEYDOWN) m.Result = 1;
    };
    Key(Qt::Key_B);
    b->WindowProc = saved;
    EXPECT_EQ(log.Messages({CN_KEYDOWN, WM_KEYDOWN, WM_CHAR}), (std::vector<uint32_t>{CN_KEYDOWN}));
}

TEST_F(KeysTest, VirtualKeyCodesAreThePlatformsAndShiftStateComesWithTheMessage) {
    auto* b = AddButton(Form, 0);
    b->SetFocus();
    Process();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        uint16_t vk;
        TShiftState shift;
    };
    const Case cases[] = {
        {Qt::Key_Escape, {}, VK_ESCAPE, {}},
        {Qt::Key_Left, {}, VK_LEFT, {}},
        {Qt::Key_Down, Qt::ShiftModifier, VK_DOWN, {ssShift}},
        {Qt::Key_Delete, Qt::ControlModifier, VK_DELETE, {ssCtrl}},
        {Qt::Key_Z, Qt::AltModifier, 'Z', {ssAlt}},
        {Qt::Key_5, {}, '5', {}},
        {Qt::Key_F1, {}, VK_F1, {}},
        {Qt::Key_Return, {}, VK_RETURN, {}},
    };
    for (const Case& c : cases) {
        uint16_t got = 0;
        TShiftState shift;
        b->OnKeyDown = [&](TObject*, uint16_t& k, TShiftState s) {
            got = k;
            shift = s;
        };
        Key(c.key, c.mods);
        EXPECT_EQ(got, c.vk) << c.key;
        EXPECT_EQ(shift, c.shift) << c.key;
    }
}

TEST_F(KeysTest, KeyPressCanChangeOrDropTheCharacter) {
    auto* b = AddButton(Form, 0);
    b->SetFocus();
    Process();
    MessageLog log(b);
    b->OnKeyPress = [](TObject*, char& k) { k = 0; };
    Key(Qt::Key_Q);
    EXPECT_EQ(log.Count(WM_CHAR), 1);
}

TEST_F(KeysTest, TabAndNextDlgCtlWalkTheTabOrderThroughNestedContainers) {
    auto* first = AddButton(Form, 0);
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 50, 200, 100);
    auto* inner1 = AddButton(panel, 0);
    auto* inner2 = AddButton(panel, 30);
    auto* last = AddButton(Form, 200);
    auto* skipped = AddButton(Form, 230);
    skipped->SetTabStop(false);
    inner2->SetTabOrder(0);
    EXPECT_EQ(inner2->TabOrder(), 0);
    EXPECT_EQ(inner1->TabOrder(), 1);
    first->SetFocus();
    Process();

    std::vector<TWinControl*> visited;
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_Tab);
        visited.push_back(Form->ActiveControl());
        EXPECT_TRUE(Form->ActiveControl()->Focused());
    }
    EXPECT_EQ(visited, (std::vector<TWinControl*>{inner2, inner1, last, first}));

    Form->Perform(WM_NEXTDLGCTL, 1, 0);
    EXPECT_EQ(Form->ActiveControl(), last);
    EXPECT_TRUE(last->Focused());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Form->ActiveControl(), inner1);
    Form->Perform(WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(Form->ActiveControl(), last);
}

TEST_F(KeysTest, TabOrderClampsAndReparentingAppends) {
    auto* a = AddButton(Form, 0);
    auto* b = AddButton(Form, 30);
    auto* c = AddButton(Form, 60);
    c->SetTabOrder(-1);
    EXPECT_EQ(c->TabOrder(), 0);
    a->SetTabOrder(99);
    EXPECT_EQ(a->TabOrder(), 2);
    EXPECT_EQ(b->TabOrder(), 1);
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    auto* d = AddButton(panel, 0);
    c->SetParent(panel);
    EXPECT_EQ(d->TabOrder(), 0);
    EXPECT_EQ(c->TabOrder(), 1);
    std::vector<TWinControl*> list;
    Form->GetTabOrderList(list);
    EXPECT_EQ(list, (std::vector<TWinControl*>{b, a, panel, d, c}));
    EXPECT_EQ(GetParentForm(d), Form);
}
} // namespace
