// Controls and forms in component streams: what a form writes, and that loading it back
// gives the same controls, nesting, z-order, tab order and layout.

#include "ControlStreamFixtures.h"
#include "StreamTestUtil.h"
#include "WindowTesting.h"

namespace {
template <class T> struct FreeOnExit {
    T* p;
    ~FreeOnExit() {
        if (p) p->Free();
    }
};

/// Saves a new form after build has filled it, frees it, and returns the bytes.
template <class F> std::string SaveNewForm(const char* name, F build) {
    RegisterControlStreamClasses();
    FreeOnExit<TStreamForm> form{new TStreamForm(nullptr)};
    form.p->SetName(name);
    build(form.p);
    return SaveToBytes(form.p);
}

TStreamForm* LoadForm(const std::string& bytes) {
    return As<TStreamForm>(LoadFromBytes(bytes, new TStreamForm(nullptr)));
}

std::vector<std::string> Names(const std::vector<TWinControl*>& list) {
    std::vector<std::string> out;
    for (TWinControl* c : list)
        out.push_back(c->Name());
    return out;
}
} // namespace

TEST(ControlStream, FormWithEveryKindOfControlLoadsBackIntoAFreshInstance) {
    TStreamForm* original = MakeControlSampleForm();
    const std::string expected = InAnyComponentOrder(DescribeTree(original));
    const std::string bytes = SaveToBytes(original);
    original->Free();

    FreeOnExit<TStreamForm> loaded{new TStreamForm(nullptr)};
    EXPECT_EQ(LoadFromBytes(bytes, loaded.p), loaded.p);
    EXPECT_EQ(expected, InAnyComponentOrder(DescribeTree(loaded.p)));
    EXPECT_EQ(Hex(bytes), Hex(SaveToBytes(loaded.p)));

    // Well-known values go by name.
    const std::string text = BinaryToText(bytes);
    for (const char* line : {"    Cursor = crHandPoint\n", "  Font.Charset = GB2312_CHARSET\n",
                             "  Color = clInfoBk\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    // Loaded ran; the hidden form did not show.
    EXPECT_EQ(loaded.p->Log, std::vector<std::string>{"loaded"});
    for (int i = 0; i < loaded.p->ComponentCount(); ++i)
        EXPECT_FALSE(loaded.p->Components(i)->ComponentState().Contains(csLoading)) << i;
    // The tab order read in z-order is the saved one, though setting the values one by one
    // as they come would have given another.
    std::vector<TWinControl*> tabs;
    loaded.p->GetTabOrderList(tabs);
    EXPECT_EQ(Names(tabs), (std::vector<std::string>{"HiddenEdit", "ClientPanel", "SecondEdit",
                                                     "FirstEdit", "TopPanel", "NameEdit"}));
    // References and handlers point into the loaded form.
    auto* label = As<TStreamLabel>(loaded.p->FindComponent("NameLabel"));
    EXPECT_EQ(label->FocusControl(), loaded.p->FindComponent("NameEdit"));
    EXPECT_EQ(loaded.p->ActiveControl(), loaded.p->FindComponent("FirstEdit"));
    auto* first = As<TControl>(loaded.p->FindComponent("FirstEdit"));
    first->OnClick(first);
    As<TStreamTimer>(loaded.p->FindComponent("Timer1"))->OnTimer(nullptr);
    EXPECT_EQ(loaded.p->Clicks, 2);
    // Children that follow their parent still do.
    auto* client = As<TStreamPanel>(loaded.p->FindComponent("ClientPanel"));
    loaded.p->Font()->SetHeight(-20);
    loaded.p->SetColor(clGreen);
    EXPECT_EQ(client->Font()->Height(), -20);
    EXPECT_EQ(client->Color(), clGreen);
    EXPECT_EQ(As<TControl>(loaded.p->FindComponent("HiddenEdit"))->Font()->Height(), -14);
    EXPECT_EQ(As<TControl>(loaded.p->FindComponent("TopPanel"))->Color(), clRed);
}

TEST(ControlStream, AFreshFormWritesWhatThePlatformWrites) {
    const std::string bytes = SaveNewForm("Form1", [](TStreamForm* form) {
        form->SetBounds(8, 16, 320, 240);
        auto* panel = new TStreamPanel(form);
        panel->SetName("Panel1");
        panel->SetParent(form);
        auto* edit = new TStreamEdit(form);
        edit->SetName("Edit1");
        edit->SetParent(panel);
        edit->SetBounds(8, 8, 121, 21);
        auto* timer = new TStreamTimer(form);
        timer->SetName("Timer1");
        timer->SetDesignInfo((40 << 16) | 16);
    });
    // Bounds always; a form's client size, colour and own font, not its outer size; tab
    // orders; nothing a control takes from its parent; a timer's place on the design surface.
    EXPECT_EQ(BinaryToText(bytes), "object Form1: TStreamForm\n"
                                   "  Left = 8\n"
                                   "  Top = 16\n"
                                   "  Color = clBtnFace\n"
                                   "  Font.Charset = DEFAULT_CHARSET\n"
                                   "  Font.Color = clWindowText\n"
                                   "  Font.Height = -11\n"
                                   "  Font.Name = 'MS Sans Serif'\n"
                                   "  Font.Style = []\n"
                                   "  ClientHeight = 240\n"
                                   "  ClientWidth = 320\n"
                                   "  object Panel1: TStreamPanel\n"
                                   "    Left = 0\n"
                                   "    Top = 0\n"
                                   "    Width = 185\n"
                                   "    Height = 41\n"
                                   "    TabOrder = 0\n"
                                   "    object Edit1: TStreamEdit\n"
                                   "      Left = 8\n"
                                   "      Top = 8\n"
                                   "      Width = 121\n"
                                   "      Height = 21\n"
                                   "      TabOrder = 0\n"
                                   "    end\n"
                                   "  end\n"
                                   "  object Timer1: TStreamTimer\n"
                                   "    Left = 16\n"
                                   "    Top = 40\n"
                                   "  end\n"
                                   "end\n");
}

TEST(ControlStream, TheOracleReadsOurFormsAsWeDoAndWritesThemBackLoadable) {
    if (!OracleAvailable()) GTEST_SKIP() << "fpc was not found when the build was configured";
    TStreamForm* original = MakeControlSampleForm();
    const std::string expected = InAnyComponentOrder(DescribeTree(original));
    const std::string bytes = SaveToBytes(original);
    original->Free();

    std::string text;
    ASSERT_TRUE(RunOracle("totext", bytes, text));
    EXPECT_EQ(text, BinaryToText(bytes, TTextStrings::Codes));
    // Encoded by the oracle (text as UTF-16 strings), the form loads with every value, and
    // saving it again gives our bytes.
    std::string binary;
    ASSERT_TRUE(RunOracle("tobinary", text, binary));
    FreeOnExit<TStreamForm> loaded{LoadForm(binary)};
    EXPECT_EQ(expected, InAnyComponentOrder(DescribeTree(loaded.p)));
    EXPECT_EQ(Hex(bytes), Hex(SaveToBytes(loaded.p)));
}

TEST(ControlStream, ChildPositionsReorderControlsAndNonVisualComponents) {
    RegisterControlStreamClasses();
    FreeOnExit<TStreamForm> form{LoadForm(TextToBinary("object F: TStreamForm\n"
                                                       "  object A: TStreamEdit\n  end\n"
                                                       "  object L: TStreamLabel\n  end\n"
                                                       "  object B: TStreamEdit[0]\n  end\n"
                                                       "  object T1: TStreamTimer\n  end\n"
                                                       "  object T2: TStreamTimer[3]\n  end\n"
                                                       "  object M: TStreamLabel[0]\n  end\n"
                                                       "end\n"))};
    // Positions count as the form lists its children: controls without a window, windowed
    // ones, then the non-visual components.
    std::string z;
    for (int i = 0; i < form.p->ControlCount(); ++i)
        z += form.p->Controls(i)->Name() + " ";
    EXPECT_EQ(z, "M L B A ");
    EXPECT_LT(form.p->FindComponent("T2")->ComponentIndex(),
              form.p->FindComponent("T1")->ComponentIndex());
}

TEST(ControlStream, AlignedControlsAreLaidOutOnceLoaded) {
    RegisterControlStreamClasses();
    // Stale bounds, and the client-aligned panel before the top-aligned one.
    FreeOnExit<TStreamForm> form{LoadForm(TextToBinary("object F: TStreamForm\n"
                                                       "  ClientHeight = 200\n"
                                                       "  ClientWidth = 300\n"
                                                       "  object Client: TStreamPanel\n"
                                                       "    Left = 5\n    Top = 5\n"
                                                       "    Width = 10\n    Height = 10\n"
                                                       "    Align = alClient\n"
                                                       "    object Status: TStreamEdit\n"
                                                       "      Width = 30\n      Height = 20\n"
                                                       "      Align = alBottom\n"
                                                       "    end\n"
                                                       "  end\n"
                                                       "  object Top: TStreamPanel\n"
                                                       "    Height = 50\n"
                                                       "    Align = alTop\n"
                                                       "  end\n"
                                                       "end\n"))};
    auto bounds = [&](const char* name) {
        return As<TControl>(form.p->FindComponent(name))->BoundsRect();
    };
    EXPECT_EQ(bounds("Top"), Rect(0, 0, 300, 50));
    EXPECT_EQ(bounds("Client"), Rect(0, 50, 300, 200));
    EXPECT_EQ(bounds("Status"), Rect(0, 130, 300, 150));
}

TEST(ControlStream, AFormSavedVisibleShowsOnceItIsWhole) {
    RegisterControlStreamClasses();
    auto* form = As<TStreamForm>(LoadFromBytes(TextToBinary("object Shown: TStreamForm\n"
                                                            "  Visible = True\n"
                                                            "  OnShow = FormShow\n"
                                                            "  object A: TStreamEdit\n  end\n"
                                                            "  object B: TStreamEdit\n  end\n"
                                                            "end\n")));
    FreeOnExit<TStreamForm> owner{form};
    EXPECT_EQ(form->Log, (std::vector<std::string>{"shown 2", "loaded"}));
    EXPECT_TRUE(form->Showing());
}

TEST(ControlStream, FormsFindEachOtherByNameAndLoadedRootsTakeUniqueNames) {
    RegisterControlStreamClasses();
    FreeOnExit<TStreamForm> main{new TStreamForm(nullptr)};
    main.p->SetName("MainForm");
    auto* target = new TStreamEdit(main.p);
    target->SetName("NameEdit");
    target->SetParent(main.p);
    EXPECT_EQ(FindGlobalComponent("mainform"), main.p);

    const std::string bytes = SaveNewForm("DialogForm", [&](TStreamForm* form) {
        auto* label = new TStreamLabel(form);
        label->SetName("Label1");
        label->SetParent(form);
        label->SetFocusControl(target);
    });
    EXPECT_NE(BinaryToText(bytes).find("FocusControl = MainForm.NameEdit\n"), std::string::npos);

    FreeOnExit<TStreamForm> first{LoadForm(bytes)};
    FreeOnExit<TStreamForm> second{LoadForm(bytes)};
    EXPECT_EQ(first.p->Name(), "DialogForm");
    EXPECT_EQ(second.p->Name(), "DialogForm_1");
    EXPECT_EQ(As<TStreamLabel>(second.p->FindComponent("Label1"))->FocusControl(), target);
}

namespace {
class ControlStreamWindowTest : public WindowTest {};

TEST_F(ControlStreamWindowTest, TabKeyWalksAFormLoadedIntoAShownOneInTheSavedOrder) {
    const std::string bytes = SaveNewForm("TabForm", [](TStreamForm* form) {
        form->SetBounds(100, 100, 400, 300);
        auto add = [form](TWinControl* parent, const char* name, int top) {
            auto* edit = new TStreamEdit(form);
            edit->SetName(name);
            edit->SetParent(parent);
            edit->SetTop(top);
            return edit;
        };
        auto* a = add(form, "A", 0);
        auto* panel = new TStreamPanel(form);
        panel->SetName("Panel");
        panel->SetParent(form);
        panel->SetBounds(0, 100, 300, 100);
        auto* inner1 = add(panel, "Inner1", 0);
        auto* inner2 = add(panel, "Inner2", 30);
        auto* c = add(form, "C", 30);
        // Tab order: C, A, Panel (Inner2, Inner1); z-order: Panel, A, C.
        c->SetTabOrder(0);
        a->SetTabOrder(1);
        inner2->SetTabOrder(0);
        panel->SendToBack();
        (void)inner1;
    });
    // The shown form takes the stream's controls; their windows are made as they are read.
    LoadFromBytes(bytes, Form);
    Process();
    EXPECT_EQ(Form->Name(), "TabForm");
    std::vector<std::string> stacked;
    for (QObject* child : WidgetOf(Form->Handle())->children())
        if (TWinControl* c = FindControl(HwndAt(qobject_cast<QWidget*>(child))))
            stacked.push_back(c->Name());
    EXPECT_EQ(stacked, (std::vector<std::string>{"Panel", "A", "C"}));

    std::vector<std::string> visited;
    for (int i = 0; i < 5; ++i) {
        Key(Qt::Key_Tab);
        ASSERT_NE(Form->ActiveControl(), nullptr);
        EXPECT_TRUE(Form->ActiveControl()->Focused());
        visited.push_back(Form->ActiveControl()->Name());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"C", "A", "Inner2", "Inner1", "C"}));
}
} // namespace

TEST(ControlStream, NonVisualComponentsKeepTheirDesignPosition) {
    struct Case {
        int16_t left, top;
        const char* text; // what the timer's record holds
    };
    const Case cases[] = {
        {16, 40, "    Left = 16\n    Top = 40\n"},
        {-8, 0, "    Left = -8\n"},
        {0, 300, "    Top = 300\n"},
        {0, 0, ""},
    };
    for (const Case& c : cases) {
        const int32_t info =
            static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(c.top)) << 16) |
                                 static_cast<uint16_t>(c.left));
        const std::string bytes = SaveNewForm("F", [&](TStreamForm* form) {
            auto* timer = new TStreamTimer(form);
            timer->SetName("Timer1");
            timer->SetDesignInfo(info);
        });
        const std::string text = BinaryToText(bytes);
        EXPECT_NE(text.find("object Timer1: TStreamTimer\n" + std::string(c.text) + "  end"),
                  std::string::npos)
            << text;
        FreeOnExit<TStreamForm> loaded{LoadForm(bytes)};
        EXPECT_EQ(loaded.p->FindComponent("Timer1")->DesignInfo(), info) << c.left << "," << c.top;
    }
}
