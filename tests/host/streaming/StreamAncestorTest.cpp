// Forms written as their changes since a fresh instance (against an ancestor): what the
// changes hold, in text; that they read back over a fresh instance into the changed form; and
// that Free Pascal's converter reads and writes them as we do.

#include <gtest/gtest.h>

#include <functional>

#include "StreamTestUtil.h"
#include "host/core/Stream.h"

namespace {
std::string ChangesOf(TComponent* root, TComponent* ancestor) {
    TStringStream out;
    TWriter writer(&out, 16);
    writer.WriteDescendent(root, ancestor);
    writer.FlushBuffer();
    return out.DataString();
}

TFixWidget* Widget(TComponent* form, const char* name) {
    return static_cast<TFixWidget*>(form->FindComponent(name));
}

struct ChangeCase {
    const char* what;
    std::function<void(TFixForm*)> change;
    const char* text;
};
} // namespace

TEST(StreamAncestor, ChangesHoldOnlyWhatDiffersAndReadBackIntoTheChangedForm) {
    const ChangeCase cases[] = {
        {"nothing changed", [](TFixForm*) {}, "inherited Form1: TFixForm\nend\n"},
        {"one value of a nested control", [](TFixForm* f) { Widget(f, "Edit1")->Count = 7; },
         "inherited Form1: TFixForm\n  inherited Panel1: TFixWidget\n    inherited Edit1: "
         "TFixWidget\n      Count = 7\n    end\n  end\nend\n"},
        {"values back to their defaults", [](TFixForm* f) {
             TFixWidget* p = Widget(f, "Panel1");
             p->Flag = false;
             p->SetCaption("");
             p->Font()->Size = 10;
             p->Lines()->Clear();
             p->OnClick = nullptr;
             p->SetBuddy(nullptr);
         },
         "inherited Form1: TFixForm\n  inherited Panel1: TFixWidget\n    Flag = False\n"
         "    Caption = ''\n    Font.Size = 10\n    Lines.Strings = (    )\n    Buddy = nil\n"
         "    OnClick = nil\n  end\nend\n"},
        {"a font, a list, a collection and a block of bytes", [](TFixForm* f) {
             TFixWidget* p = Widget(f, "Panel1");
             p->Font()->Style = {fkBeta};
             p->Lines()->Clear();
             p->Lines()->Add("four");
             p->Items()->Item(0)->Caption = "one";
             p->Items()->Item(1)->Width = 201;
             p->Data = "xyz";
         },
         "inherited Form1: TFixForm\n  inherited Panel1: TFixWidget\n    Font.Style = [fkBeta]\n"
         "    Lines.Strings = (\n      'four'\n    )\n    Items = <    \n      item\n"
         "        Caption = 'one'\n        Width = 50\n      end    \n      item\n"
         "        Caption = ''\n        Width = 201\n      end>\n    Data = {\n      78797A\n"
         "    }\n  end\nend\n"},
        {"a control deleted, a control inserted (against a blank one of its class), the order changed",
     [](TFixForm* f) {
             static_cast<TFixTimer*>(f->FindComponent("Timer1"))->Target = nullptr;
             Widget(f, "Edit1")->Free();
             auto* added = new TFixWidget(f);
             added->SetName("Added");
             added->SetCaption("new");
             added->Font()->Name = ""; // emptied: its constructor gives it a name
             added->SetParentContainer(Widget(f, "Panel1"));
             f->SetChildOrder(Widget(f, "Button1"), 0);
             f->Caption = "changed";
         },
         "inherited Form1: TFixForm\n  Caption = 'changed'\n  DeletedComponents = (\n"
         "    'Edit1'\n  )\n  inherited Button1: TFixWidget[0]\n  end\n"
         "  inherited Panel1: TFixWidget[1]\n    object Added: TFixWidget[0]\n"
         "      Caption = 'new'\n      Font.Name = ''\n    end\n  end\n"
         "  inherited Timer1: TFixTimer\n    Target = nil\n  end\nend\n"},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        TFixForm* changed = MakeSampleForm();
        c.change(changed);
        TFixForm* fresh = MakeSampleForm();
        const std::string changes = ChangesOf(changed, fresh);
        fresh->Free();
        EXPECT_EQ(c.text, BinaryToText(changes));
        EXPECT_EQ(Hex(changes), Hex(TextToBinary(BinaryToText(changes))));
        ExpectOracleReadsAsWeDo(changes);
        // Read over a fresh form, with the deleted components freed, the changes give the
        // changed form back.
        TFixForm* loaded = MakeSampleForm();
        TStringStream in(changes);
        TReader reader(&in, 16);
        reader.ReadRootComponent(loaded);
        EXPECT_TRUE(reader.InheritedRoot());
        for (const std::string& name : reader.DeletedComponents())
            loaded->FindComponent(name)->Free();
        EXPECT_EQ(InAnyComponentOrder(DescribeTree(changed)), InAnyComponentOrder(DescribeTree(loaded)));
        loaded->Free();
        changed->Free();
    }
}
