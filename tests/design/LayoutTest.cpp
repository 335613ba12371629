// Layouts: the user's changes to a form saved against a fresh instance of its class and loaded
// over the application's next version of that form.

#include <gtest/gtest.h>

#include "DesignTesting.h"
#include "StreamTestUtil.h"
#include "host/containers/Panels.h"
#include "host/core/Stream.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
/// An application's form as two versions of the application make it: the second adds a phone
/// field, no longer has the fax field and corrects the caption of the check box.
class TOrderForm : public TForm {
    ZK_CLASS(TOrderForm, TForm)
    static inline int Version = 1;
    explicit TOrderForm(TComponent* AOwner) : TForm(AOwner) {
        SetName("OrderForm");
        SetBounds(100, 100, 440, 300);
        Make<TLabel>(this, "LabelName", Bounds(16, 16, 60, 17))->SetCaption("姓名：");
        Make<TEdit>(this, "EditName", Bounds(80, 12, 160, 21));
        if (Version == 1) {
            Make<TLabel>(this, "LabelFax", Bounds(16, 48, 60, 17))->SetCaption("传真：");
            Make<TEdit>(this, "EditFax", Bounds(80, 44, 160, 21));
        } else {
            Make<TLabel>(this, "LabelPhone", Bounds(16, 80, 60, 17))->SetCaption("电话：");
            Make<TEdit>(this, "EditPhone", Bounds(80, 76, 160, 21));
        }
        Make<TCheckBox>(this, "CheckVip", Bounds(260, 12, 120, 17))
            ->SetCaption(Version == 1 ? "贵宾" : "贵宾客户");
        auto* panel = Make<TPanel>(this, "PanelButtons", Bounds(16, 180, 300, 60));
        panel->SetCaption("");
        Make<TButton>(panel, "ButtonOk", Bounds(8, 16, 80, 25))->SetCaption("确定");
        Make<TButton>(panel, "ButtonCancel", Bounds(100, 16, 80, 25))->SetCaption("取消");
    }

private:
    template <class T> T* Make(TWinControl* parent, const char* name, TRect r) {
        auto* c = new T(this);
        c->SetName(name);
        c->SetParent(parent);
        c->SetBoundsRect(r);
        return c;
    }
};
ZK_IMPLEMENT_CLASS(TOrderForm, TForm, nullptr)

std::string Bytes(TMemoryStream& s) {
    return std::string(static_cast<const char*>(s.Memory()), static_cast<size_t>(s.Size()));
}

/// Every component the form owns with every published value, in any order.
std::string Describe(TCustomForm* form) {
    return InAnyComponentOrder(DescribeTree(form));
}

std::string Describe(const TLayoutSkips& skips) {
    std::string out;
    for (const TLayoutSkip& s : skips)
        out += s.Component + "." + s.Property + "\n";
    return out;
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { TOrderForm::Version = 1; }
    void TearDown() override {
        for (TObject* o : Owned)
            o->Free();
        TOrderForm::Version = 1;
    }
    /// A shown form of the given version, with a designer the form does not own (as a host
    /// that loads layouts keeps its designer out of them).
    TOrderForm* MakeForm(int version) {
        TOrderForm::Version = version;
        auto* form = new TOrderForm(nullptr);
        form->Show();
        auto* designer = new TZkFormDesigner(form, nullptr, false);
        designer->SetShowInspector(false);
        Owned.insert(Owned.begin(), designer);
        Owned.push_back(form);
        Designers[form] = designer;
        return form;
    }
    TControl* Control(TComponent* form, const char* name) {
        return Cast<TControl>(form->FindComponent(name));
    }
    /// The user's work on version 1: moves and edits as the inspector makes them, then a
    /// deletion and an insertion in a session, which goes on running.
    void UserChanges(TOrderForm* form) {
        Control(form, "EditName")->SetLeft(120);
        Control(form, "EditFax")->SetWidth(200);
        SetStrProp(Control(form, "ButtonOk"), "Caption", "OK");
        TZkFormDesigner* designer = Designers[form];
        designer->BeginDesign();
        designer->SelectAlone(Cast<TDesignControl>(Control(form, "LabelFax")->Parent()));
        designer->DeleteSelection();
        TControl* added =
            designer->AddControlToDesign(TButton::StaticClass(), Bounds(300, 100, 75, 25))->Control();
        added->SetName("ButtonNew");
        SetStrProp(added, "Caption", "New");
    }
    /// The layout of the user's work, saved while the session runs.
    std::string UserLayout() {
        TOrderForm* form = MakeForm(1);
        UserChanges(form);
        TMemoryStream stream;
        Designers[form]->SaveLayoutToStream(&stream);
        EXPECT_FALSE(Designers[form]->IsDesigning());
        return Bytes(stream);
    }
    TLayoutSkips Load(TCustomForm* form, const std::string& bytes) {
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
        stream.SetPosition(0);
        return TZkFormDesigner::LoadLayoutFromStream(form, &stream);
    }
    std::vector<TObject*> Owned;
    std::map<TCustomForm*, TZkFormDesigner*> Designers;
};
} // namespace

TEST_F(LayoutTest, SavedOverOneVersionLoadsOverTheNext) {
    const std::string layout = UserLayout();
    // Only what the user changed, by name; the inserted button whole.
    EXPECT_EQ("inherited OrderForm: TOrderForm\n"
              "  DeletedComponents = (\n"
              "    'LabelFax'\n"
              "  )\n"
              "  inherited EditName: TEdit\n"
              "    Left = 120\n"
              "  end\n"
              "  inherited EditFax: TEdit\n"
              "    Width = 200\n"
              "  end\n"
              "  inherited PanelButtons: TPanel\n"
              "    inherited ButtonOk: TButton\n"
              "      Caption = 'OK'\n"
              "    end\n"
              "  end\n"
              "  object ButtonNew: TButton[5]\n"
              "    Left = 300\n"
              "    Top = 100\n"
              "    TabOrder = 4\n"
              "    Caption = 'New'\n"
              "  end\n"
              "end\n",
              BinaryToText(layout));
    // The text form converts back to the same bytes, here and in Free Pascal's converter.
    EXPECT_EQ(Hex(layout), Hex(TextToBinary(BinaryToText(layout))));
    ExpectOracleReadsAsWeDo(layout);

    TOrderForm* next = MakeForm(2);
    const TLayoutSkips skips = Load(next, layout);
    EXPECT_EQ("EditFax.\n", Describe(skips)) << skips.front().Message;
    EXPECT_EQ(120, Control(next, "EditName")->Left());
    EXPECT_EQ(nullptr, Control(next, "LabelFax"));
    ASSERT_TRUE(Control(next, "ButtonNew"));
    EXPECT_EQ(next, Control(next, "ButtonNew")->Parent());
    EXPECT_EQ("OK", GetStrProp(Control(next, "ButtonOk"), "Caption"));
    EXPECT_EQ("贵宾客户", GetStrProp(Control(next, "CheckVip"), "Caption"));
    ASSERT_TRUE(Control(next, "EditPhone"));
    EXPECT_EQ(next, Control(next, "EditPhone")->Parent());
    EXPECT_TRUE(Control(next, "EditPhone")->Visible());
}

namespace {
struct MisfitCase {
    const char* what;
    const char* rootProperties;
    const char* records;
    const char* skipped; // component.property, one a line
};
} // namespace

TEST_F(LayoutTest, ChangesThatNoLongerFitAreSkippedAndReportedAndTheRestApplies) {
    const MisfitCase cases[] = {
        {"a control the new version no longer has", "",
         "inherited EditFax: TEdit\nWidth = 200\nend\n", "EditFax.\n"},
        {"a property the class does not publish", "",
         "inherited CheckVip: TCheckBox\nShape = 3\nTop = 30\nend\n", "CheckVip.Shape\n"},
        {"a value the property does not take", "",
         "inherited CheckVip: TCheckBox\nState = cbMaybe\nTop = 30\nend\n", "CheckVip.State\n"},
        {"a parent that is gone", "",
         "inherited PanelGone: TPanel\nobject ButtonMine: TButton\nLeft = 1\nend\nend\n",
         "PanelGone.\n"},
        {"a control the new version put in another parent", "",
         "inherited ButtonOk: TButton\nLeft = 5\nend\n", "ButtonOk.\n"},
        {"an inserted control of a class the program lacks", "",
         "object Gadget1: TNoSuchGadget\nLeft = 1\nend\n", "Gadget1.\n"},
        {"an inserted control whose name the new version took", "",
         "object EditPhone: TEdit\nLeft = 1\nend\n", "EditPhone.\n"},
        {"deleting a control the new version no longer has",
         "DeletedComponents = ('LabelFax' 'LabelPhone')\n", "", ""},
    };
    for (const MisfitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = std::string("inherited OrderForm: TOrderForm\n") + c.rootProperties +
                                 "inherited EditName: TEdit\nLeft = 120\nend\n" + c.records +
                                 "end\n";
        TOrderForm* form = MakeForm(2);
        TLayoutSkips skips;
        ASSERT_NO_THROW(skips = Load(form, TextToBinary(text)));
        EXPECT_EQ(c.skipped, Describe(skips));
        for (const TLayoutSkip& s : skips)
            EXPECT_NE(std::string::npos, s.Message.find(s.Component)) << s.Message;
        EXPECT_EQ(120, Control(form, "EditName")->Left());
        if (std::string(c.records).find("Top = 30") != std::string::npos) {
            EXPECT_EQ(30, Control(form, "CheckVip")->Top());
        }
        EXPECT_EQ(c.rootProperties[0] == '\0', Control(form, "LabelPhone")->Parent() == form);
        EXPECT_EQ(form, Control(form, "EditPhone")->Parent());
        EXPECT_EQ(8, form->ComponentCount()) << "a control was added";
    }
}

TEST_F(LayoutTest, NoChangesLoadToExactlyTheFreshForm) {
    TOrderForm* untouched = MakeForm(1);
    TMemoryStream empty;
    Designers[untouched]->SaveLayoutToStream(&empty);
    EXPECT_EQ("inherited OrderForm: TOrderForm\nend\n", BinaryToText(Bytes(empty)));
    const std::string fresh = Describe(untouched);
    EXPECT_TRUE(Load(untouched, Bytes(empty)).empty());
    EXPECT_EQ(fresh, Describe(untouched));

    // Over a form the user has changed since it was made, the same: every change goes.
    TOrderForm* changed = MakeForm(1);
    UserChanges(changed);
    Designers[changed]->EndDesign();
    EXPECT_NE(fresh, Describe(changed));
    EXPECT_TRUE(Load(changed, Bytes(empty)).empty());
    EXPECT_EQ(fresh, Describe(changed));
}

TEST_F(LayoutTest, DamagedLayoutsAreRefusedWithTheFormUnchanged) {
    const std::string layout = UserLayout();
    std::vector<std::pair<std::string, std::string>> damaged;
    for (size_t n = 0; n < layout.size(); ++n)
        damaged.emplace_back("cut after " + IntToStr(int64_t(n)) + " bytes", layout.substr(0, n));
    std::string notInherited = layout;
    notInherited[4] = '\xF0';
    damaged.emplace_back("a whole form, not changes", notInherited);
    std::string otherClass = layout;
    otherClass.replace(otherClass.find("TOrderForm"), 10, "TOtherForm");
    damaged.emplace_back("another form's changes", otherClass);
    std::string badValue = layout;
    badValue[badValue.find("Left") + 4] = '\x7F';
    damaged.emplace_back("a value of no known type", badValue);
    std::string longList = layout;
    longList.replace(longList.find("LabelFax") - 2, 1, "\x0C\xFF\xFF\xFF\x7F");
    damaged.emplace_back("a length past the end", longList);

    TOrderForm* form = MakeForm(2);
    Control(form, "EditName")->SetLeft(50);
    const std::string before = Describe(form);
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        EXPECT_THROW(Load(form, bytes), Exception);
        EXPECT_EQ(before, Describe(form));
    }
}
