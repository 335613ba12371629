// The standard controls in the binary component stream: what a writer stores of them (their
// defaults left out) and what a reader gives back.

#include "StdTesting.h"
#include "StreamTestUtil.h"
#include "host/core/Stream.h"
#include "host/streaming/ObjectText.h"

namespace {
std::string ToText(const std::string& binary) {
    TStringStream in(binary), out;
    ObjectBinaryToText(in, out);
    return out.DataString();
}

class StdStreamTest : public StdTest {};

TEST_F(StdStreamTest, ControlsWriteOnlyWhatDiffersFromTheirDefaultsAndReadBackTheSame) {
    auto* list = new TListBox(Form);
    list->SetName("List");
    TStrings* items = list->Items();
    items->SetText("北京\n上海\n");
    list->SetItemIndex(1);
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);

    auto* memo = new TMemo(Form);
    memo->SetName("Memo");
    memo->Lines()->SetText("第一行\n第二行\n");
    memo->SetScrollBars(ssBoth);

    auto* combo = new TComboBox(Form);
    combo->SetName("Combo");
    combo->SetStyle(csDropDownList);
    combo->Items()->SetCommaText("甲,乙");
    combo->SetItemIndex(1);

    auto* edit = new TEdit(Form);
    edit->SetName("Edit");
    edit->SetPasswordChar('*');

    auto* button = new TButton(Form);
    button->SetName("Button");
    button->SetModalResult(mrCancel);
    button->SetCancel(true);

    struct Case {
        TControl* Control;
        std::vector<std::string> Written;
        std::vector<std::string> Left;
    };
    const Case cases[] = {
        {list,
         {"Items.Strings", "ItemIndex = 1", "Style = lbOwnerDrawFixed", "ItemHeight = 20"},
         {"TabStop", "ParentColor", "Color", "IntegralHeight", "Sorted"}},
        {memo, {"Lines.Strings", "ScrollBars = ssBoth"}, {"TabStop", "WordWrap", "WantReturns"}},
        {combo,
         {"Style = csDropDownList", "Items.Strings", "ItemIndex = 1"},
         {"TabStop", "DropDownCount", "ItemHeight", "ParentColor"}},
        {edit, {"PasswordChar = '*'"}, {"TabStop", "AutoSelect", "AutoSize", "MaxLength"}},
        {button, {"Cancel = True", "ModalResult = 2"}, {"TabStop", "Default"}},
    };
    for (const Case& c : cases) {
        const std::string bytes = SaveToBytes(c.Control);
        const std::string text = ToText(bytes);
        for (const std::string& w : c.Written)
            EXPECT_NE(text.find(w), std::string::npos)
                << c.Control->Name() << " lacks " << w << "\n"
                << text;
        for (const std::string& l : c.Left)
            EXPECT_EQ(text.find(l), std::string::npos)
                << c.Control->Name() << " stores " << l << "\n"
                << text;

        auto* copy = As<TControl>(c.Control->ClassType()->Create(nullptr));
        LoadFromBytes(bytes, copy);
        EXPECT_EQ(DescribeTree(copy), DescribeTree(c.Control));
        copy->Free();
    }
    EXPECT_EQ(combo->Text(), "乙");
}
} // namespace
