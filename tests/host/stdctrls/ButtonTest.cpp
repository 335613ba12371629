// Push buttons, check boxes and radio buttons driven by real input.

#include <QCheckBox>
#include <QRadioButton>
#include <QTimer>

#include "StdTesting.h"

namespace {
class ButtonTest : public StdTest {};

TEST_F(ButtonTest, ClickAndSpaceClickTheButtonOnceEach) {
    auto* button = Make<TButton>(10, 10);
    button->SetCaption("确定");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Click(At(button, 10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->Focused());
    Key(Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    // A press that ends outside is no click.
    Press(At(button, 10, 10));
    Move(At(button, 200, 200));
    Release(At(button, 200, 200));
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, ModalResultOfAClickedButtonEndsTheModalForm) {
    auto* dialog = new TForm(Form);
    dialog->SetBounds(150, 150, 200, 100);
    auto* ok = new TButton(dialog);
    ok->SetParent(dialog);
    ok->SetBounds(10, 10, 75, 25);
    ok->SetModalResult(mrOk);
    auto* plain = new TButton(dialog);
    plain->SetParent(dialog);
    plain->SetBounds(100, 10, 75, 25);
    int plainClicks = 0;
    plain->OnClick = [&](TObject*) { ++plainClicks; };
    QTimer::singleShot(0, [&] {
        QWindow* w = WidgetOf(dialog->Handle())->windowHandle();
        // A button without a modal result leaves the form open.
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(110, 20));
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 20));
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(plainClicks, 1);
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(ButtonTest, EnterClicksTheDefaultButtonAndEscTheCancelOneUnlessTheFocusWantsThem) {
    auto* edit = Make<TEdit>(10, 10);
    auto* memo = Make<TMemo>(10, 40);
    auto* ok = Make<TButton>(10, 140);
    auto* cancel = Make<TButton>(100, 140);
    auto* other = Make<TButton>(190, 140);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::string clicked;
    ok->OnClick = [&](TObject*) { clicked += "ok "; };
    cancel->OnClick = [&](TObject*) { clicked += "cancel "; };
    other->OnClick = [&](TObject*) { clicked += "other "; };

    edit->SetFocus();
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(clicked, "ok cancel ");

    // A memo wants Enter for a new line; Esc is still the form's.
    clicked.clear();
    memo->SetFocus();
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(clicked, "cancel ");
    EXPECT_EQ(memo->Lines()->Count(), 1);

    // A focused button is the one Enter clicks.
    clicked.clear();
    other->SetFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(clicked, "other ");

    // Not with a modifier, and not when disabled.
    clicked.clear();
    edit->SetFocus();
    Key(Qt::Key_Return, Qt::ControlModifier);
    ok->SetEnabled(false);
    Key(Qt::Key_Return);
    EXPECT_EQ(clicked, "");
}

TEST_F(ButtonTest, CheckBoxClicksStepThroughItsStatesAndSettingCheckedClicksToo) {
    auto* box = Make<TCheckBox>(10, 10);
    box->SetCaption("选项");
    auto* widget = static_cast<QCheckBox*>(WidgetOf(box->Handle()));
    std::vector<TCheckBoxState> seen;
    box->OnClick = [&](TObject*) { seen.push_back(box->State()); };
    struct Step {
        bool AllowGrayed;
        TCheckBoxState After;
        Qt::CheckState Shown;
    };
    const Step steps[] = {
        {false, cbChecked, Qt::Checked},        {false, cbUnchecked, Qt::Unchecked},
        {true, cbGrayed, Qt::PartiallyChecked}, {true, cbChecked, Qt::Checked},
        {true, cbUnchecked, Qt::Unchecked},
    };
    for (const Step& s : steps) {
        box->SetAllowGrayed(s.AllowGrayed);
        Click(At(box, 6, 8));
        EXPECT_EQ(box->State(), s.After);
        EXPECT_EQ(widget->checkState(), s.Shown);
    }
    EXPECT_EQ(seen.size(), std::size(steps));

    seen.clear();
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked}));
    EXPECT_EQ(widget->checkState(), Qt::Checked);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(widget->checkState(), Qt::PartiallyChecked);
}

TEST_F(ButtonTest, CheckingARadioButtonUnchecksOnlyItsSiblings) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(200, 0, 150, 100);
    auto* a = Make<TRadioButton>(10, 10);
    auto* b = Make<TRadioButton>(10, 40);
    auto* inPanel = new TRadioButton(Form);
    inPanel->SetParent(panel);
    inPanel->SetBounds(10, 10, 113, 17);
    inPanel->SetChecked(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };

    Click(At(a, 6, 8));
    EXPECT_TRUE(a->Checked());
    Click(At(b, 6, 8));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(inPanel->Checked());
    EXPECT_EQ(clicks, 1);
    // A click on the checked one leaves it checked and clicks no more.
    Click(At(b, 6, 8));
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(static_cast<QRadioButton*>(WidgetOf(a->Handle()))->isChecked());
    EXPECT_TRUE(static_cast<QRadioButton*>(WidgetOf(b->Handle()))->isChecked());

    a->SetChecked(true);
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(a->TabStop());
    EXPECT_FALSE(b->TabStop());
}
} // namespace
