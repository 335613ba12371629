// Every bar, painting control and speed button: made by class name on a form, shown, hidden,
// moved; its defaults as published; its properties through the type information; inert when a
// WindowProc hook swallows the input.

#include <functional>
#include <set>

#include "WindowTesting.h"
#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/menus/Menus.h"

namespace {
class BarsStockTest : public WindowTest {
protected:
    TControl* Make(const std::string& className) {
        TControl* c = As<TControl>(FindClass(className)->Create(Form));
        c->SetParent(Form);
        return c;
    }
    /// Frees what the form holds, so that the next case starts on an empty form.
    void ClearForm() {
        while (Form->ComponentCount() > 0)
            Form->Components(Form->ComponentCount() - 1)->Free();
        Process();
    }
};

struct TDefaultSize {
    const char* ClassName;
    int Width;
    int Height;
};
const TDefaultSize Classes[] = {
    {"TStatusBar", 150, 19}, {"TToolBar", 150, 29},      {"TToolButton", 23, 22},
    {"TCoolBar", 150, 75},   {"TPageScroller", 150, 45}, {"TSplitter", 3, 100},
    {"TPaintBox", 105, 105}, {"TImage", 105, 105},       {"TShape", 65, 65},
    {"TBevel", 50, 50},      {"TSpeedButton", 23, 22},
};

TEST_F(BarsStockTest, MadeByClassNameOnAFormEachIsShownHiddenAndMoved) {
    for (const TDefaultSize& d : Classes) {
        SCOPED_TRACE(d.ClassName);
        TClass cls = GetClass(d.ClassName);
        ASSERT_NE(cls, nullptr) << "registered for the stream reader";
        TControl* c = Make(d.ClassName);
        EXPECT_EQ(c->ClassName(), d.ClassName);
        c->SetAlign(alNone);
        c->SetBounds(40, 50, 60, 30);
        Process();
        EXPECT_EQ(c->BoundsRect(), Bounds(40, 50, 60, 30));
        auto* win = Cast<TWinControl>(c);
        if (win) {
            EXPECT_EQ(WidgetOf(win->Handle())->geometry(), QRect(40, 50, 60, 30));
            EXPECT_TRUE(win->Showing());
        }
        c->Hide();
        EXPECT_FALSE(c->Visible());
        if (win) {
            EXPECT_FALSE(IsWindowVisible(win->Handle()));
        }
        c->Show();
        EXPECT_TRUE(c->Visible());
        if (win) {
            EXPECT_TRUE(IsWindowVisible(win->Handle()));
        }
        c->Free();
    }
}

TEST_F(BarsStockTest, DefaultSizesAndAlignmentsAreThePlatformsOwn) {
    for (const TDefaultSize& d : Classes) {
        SCOPED_TRACE(d.ClassName);
        TObject* o = FindClass(d.ClassName)->Create(nullptr);
        auto* c = As<TControl>(o);
        EXPECT_EQ(c->Width(), d.Width);
        EXPECT_EQ(c->Height(), d.Height);
        o->Free();
    }
    auto* status = new TStatusBar(nullptr);
    auto* tool = new TToolBar(nullptr);
    auto* splitter = new TSplitter(nullptr);
    EXPECT_EQ(status->Align(), alBottom);
    EXPECT_EQ(tool->Align(), alTop);
    EXPECT_EQ(splitter->Align(), alLeft);
    EXPECT_EQ(splitter->MinSize(), 30);
    status->Free();
    tool->Free();
    splitter->Free();
}

TEST_F(BarsStockTest, AFreshInstanceHoldsEveryDefaultItPublishes) {
    // A default that the constructor does not produce makes the stream writer store (or
    // drop) the wrong values.
    for (const TDefaultSize& d : Classes) {
        TObject* o = FindClass(d.ClassName)->Create(nullptr);
        for (const TPropInfo* p : GetPropList(o)) {
            if (p->Default == NoDefault) continue;
            EXPECT_EQ(GetOrdProp(o, p), p->Default) << d.ClassName << "." << p->Name;
        }
        o->Free();
    }
}

TEST_F(BarsStockTest, EachPropertyNameIsPublishedOnce) {
    for (const TDefaultSize& d : Classes) {
        std::set<std::string> seen;
        for (const TPropInfo* p : GetPropList(FindClass(d.ClassName)))
            EXPECT_TRUE(seen.insert(LowerCase(p->Name)).second) << d.ClassName << "." << p->Name;
    }
}

TEST_F(BarsStockTest, PublishedPropertiesAreReadAndWrittenThroughTheTypeInformation) {
    struct Case {
        const char* ClassName;
        const char* Prop;
        const char* Value;
    };
    const Case cases[] = {
        {"TStatusBar", "SimpleText", "就绪"},   {"TStatusBar", "SimplePanel", "True"},
        {"TStatusBar", "SizeGrip", "False"},    {"TStatusBar", "Hint", "状态栏"},
        {"TToolBar", "ButtonWidth", "30"},      {"TToolBar", "ButtonHeight", "28"},
        {"TToolBar", "Flat", "True"},           {"TToolBar", "ShowCaptions", "True"},
        {"TToolBar", "Wrapable", "False"},      {"TToolButton", "Caption", "打开"},
        {"TToolButton", "Style", "tbsCheck"},   {"TToolButton", "Grouped", "True"},
        {"TToolButton", "ImageIndex", "3"},     {"TCoolBar", "ShowText", "False"},
        {"TCoolBar", "AutoSize", "True"},       {"TPageScroller", "Orientation", "soVertical"},
        {"TPageScroller", "ButtonSize", "16"},  {"TSplitter", "MinSize", "50"},
        {"TSplitter", "Beveled", "True"},       {"TSplitter", "ResizeStyle", "rsUpdate"},
        {"TShape", "Shape", "stEllipse"},       {"TBevel", "Shape", "bsTopLine"},
        {"TBevel", "Style", "bsRaised"},        {"TImage", "Stretch", "True"},
        {"TImage", "Center", "True"},           {"TImage", "Proportional", "True"},
        {"TImage", "Transparent", "True"},      {"TSpeedButton", "Caption", "确定"},
        {"TSpeedButton", "Flat", "True"},       {"TSpeedButton", "GroupIndex", "2"},
        {"TSpeedButton", "AllowAllUp", "True"}, {"TSpeedButton", "Layout", "blGlyphTop"},
        {"TSpeedButton", "Margin", "4"},        {"TSpeedButton", "Spacing", "6"},
        {"TSpeedButton", "NumGlyphs", "2"},     {"TPaintBox", "Cursor", "-21"},
        {"TPaintBox", "ShowHint", "True"},      {"TPaintBox", "Tag", "7"},
        {"TBevel", "Visible", "False"},         {"TShape", "Enabled", "False"},
    };
    for (const Case& c : cases) {
        TControl* control = Make(c.ClassName);
        SetPropValue(control, c.Prop, Variant(std::string(c.Value)));
        EXPECT_EQ(GetPropValue(control, c.Prop).AsString(), c.Value)
            << c.ClassName << "." << c.Prop;
        control->Free();
    }
}

TEST_F(BarsStockTest, InheritedPropertiesAndThePopupMenuAreReachedByName) {
    auto* bar = new TStatusBar(Form);
    bar->SetParent(Form);
    auto* menu = new TPopupMenu(Form);
    SetPropValue(bar, "Name", Variant(std::string("StatusBar1")));
    SetPropValue(bar, "Align", Variant(std::string("alTop")));
    SetPropValue(bar, "Height", Variant(int32_t(25)));
    SetObjectProp(bar, "PopupMenu", menu);
    EXPECT_EQ(bar->Name(), "StatusBar1");
    EXPECT_EQ(bar->Align(), alTop);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_EQ(bar->Height(), 25);
    EXPECT_EQ(bar->PopupMenu(), menu);
    EXPECT_EQ(GetPropInfo(bar, "PopupMenu")->PropType->Name, "TPopupMenu");
    EXPECT_THROW(SetObjectProp(bar, "PopupMenu", bar), EInvalidCast);
    menu->Free();
    EXPECT_EQ(bar->PopupMenu(), nullptr) << "the menu going clears the reference";
}

// ---- Input reaches each control through its WindowProc only ----------------------------------

/// Swallows the input messages a control's WindowProc sees, until restored.
class SwallowInput {
public:
    explicit SwallowInput(TControl* c) : FControl(c), FSaved(c->WindowProc) {
        c->WindowProc = [this](TMessage& m) {
            const bool input = (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) ||
                               (m.Msg >= WM_KEYFIRST && m.Msg <= WM_KEYLAST) ||
                               m.Msg == CN_KEYDOWN || m.Msg == CN_CHAR || m.Msg == WM_CONTEXTMENU ||
                               (m.Msg >= WM_NCMOUSEMOVE && m.Msg <= WM_NCLBUTTONDBLCLK);
            if (input) {
                ++Swallowed;
                return;
            }
            FSaved(m);
        };
    }
    ~SwallowInput() { FControl->WindowProc = FSaved; }
    SwallowInput(const SwallowInput&) = delete;
    SwallowInput& operator=(const SwallowInput&) = delete;
    int Swallowed = 0;

private:
    TControl* FControl;
    TWndMethod FSaved;
};

TEST_F(BarsStockTest, EachControlIsInertWhileAHookSwallowsItsInput) {
    int clicks = 0;
    struct Case {
        const char* Name;
        /// Makes the control and what it acts on; answers the control to hook.
        std::function<TControl*()> Make;
        /// Real input that makes the control do something.
        std::function<void(TControl*)> Act;
        /// What the control did, as a number that changes when it acts.
        std::function<int(TControl*)> Effect;
    };
    TWinControl* neighbour = nullptr;
    const Case cases[] = {
        {"TSpeedButton",
         [&]() {
             auto* b = new TSpeedButton(Form);
             b->SetParent(Form);
             b->SetBounds(10, 10, 40, 30);
             b->SetGroupIndex(1);
             b->SetAllowAllUp(true);
             return b;
         },
         [&](TControl* c) { Click(At(c, 10, 10)); },
         [](TControl* c) { return int(static_cast<TSpeedButton*>(c)->Down()); }},
        {"TToolButton",
         [&]() {
             auto* bar = new TToolBar(Form);
             bar->SetParent(Form);
             auto* b = new TToolButton(Form);
             b->SetParent(bar);
             b->SetStyle(tbsCheck);
             return b;
         },
         [&](TControl* c) { Click(At(c, 5, 5)); },
         [](TControl* c) { return int(static_cast<TToolButton*>(c)->Down()); }},
        {"TSplitter",
         [&]() {
             auto* left = new TTestPanel(Form);
             left->SetParent(Form);
             left->SetBounds(0, 0, 100, 100);
             left->SetAlign(alLeft);
             neighbour = left;
             auto* s = new TSplitter(Form);
             s->SetParent(Form);
             s->SetLeft(150);
             return s;
         },
         [&](TControl* c) {
             Press(At(c, 1, 20));
             Move(At(c, 31, 20));
             Release(At(c, 31, 20));
         },
         [&](TControl*) { return neighbour->Width(); }},
        {"TPageScroller",
         [&]() {
             auto* pager = new TPageScroller(Form);
             pager->SetParent(Form);
             pager->SetBounds(0, 0, 100, 40);
             auto* wide = new TTestPanel(Form);
             wide->SetWidth(300);
             wide->SetParent(pager);
             return pager;
         },
         [&](TControl* c) { Click(At(c, 95, 20)); },
         [](TControl* c) { return static_cast<TPageScroller*>(c)->Position(); }},
        {"TStatusBar",
         [&]() {
             auto* bar = new TStatusBar(Form);
             bar->SetParent(Form);
             bar->OnClick = [&](TObject*) { ++clicks; };
             return bar;
         },
         [&](TControl* c) { Click(At(c, 20, 5)); }, [&](TControl*) { return clicks; }},
        {"TToolBar",
         [&]() {
             auto* bar = new TToolBar(Form);
             bar->SetParent(Form);
             bar->OnClick = [&](TObject*) { ++clicks; };
             return bar;
         },
         [&](TControl* c) { Click(At(c, 120, 10)); }, [&](TControl*) { return clicks; }},
        {"TCoolBar",
         [&]() {
             auto* bar = new TCoolBar(Form);
             bar->SetParent(Form);
             bar->OnClick = [&](TObject*) { ++clicks; };
             return bar;
         },
         [&](TControl* c) { Click(At(c, 20, 10)); }, [&](TControl*) { return clicks; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TControl* control = c.Make();
        Process();
        const int before = c.Effect(control);
        {
            SwallowInput hook(control);
            c.Act(control);
            EXPECT_GT(hook.Swallowed, 0);
        }
        EXPECT_EQ(c.Effect(control), before) << "a swallowed input did something";
        c.Act(control);
        EXPECT_NE(c.Effect(control), before) << "the same input without the hook does nothing";
        ClearForm();
    }
}

TEST_F(BarsStockTest, PaintingControlsAreInertWhileAHookSwallowsTheirInput) {
    for (const char* name : {"TPaintBox", "TImage", "TShape", "TBevel"}) {
        SCOPED_TRACE(name);
        TControl* c = Make(name);
        c->SetBounds(10, 10, 50, 50);
        int clicks = 0;
        c->OnClick = [&](TObject*) { ++clicks; };
        {
            SwallowInput hook(c);
            Click(At(c, 5, 5));
            EXPECT_GT(hook.Swallowed, 0);
        }
        EXPECT_EQ(clicks, 0);
        Click(At(c, 5, 5));
        EXPECT_EQ(clicks, 1);
        c->Free();
    }
}

TEST_F(BarsStockTest, RightClickPopsTheControlsMenuOnlyThroughItsWindowProc) {
    auto* menu = new TPopupMenu(Form);
    menu->Items()->Add(new TMenuItem(Form));
    int shown = 0;
    TPopupMenuRunner saved = SetPopupMenuRunner([&](TPopupMenu*, TPoint) {
        ++shown;
        return nullptr;
    });
    for (const TDefaultSize& d : Classes) {
        SCOPED_TRACE(d.ClassName);
        TControl* c = Make(d.ClassName);
        c->SetAlign(alNone);
        c->SetBounds(200, 100, 50, 50);
        c->SetPopupMenu(menu);
        Process();
        shown = 0;
        {
            SwallowInput hook(c);
            Press(At(c, 2, 2), Qt::RightButton);
            Release(At(c, 2, 2), Qt::RightButton);
        }
        EXPECT_EQ(shown, 0);
        Press(At(c, 2, 2), Qt::RightButton);
        Release(At(c, 2, 2), Qt::RightButton);
        EXPECT_EQ(shown, 1);
        c->Free();
    }
    SetPopupMenuRunner(saved);
}
} // namespace
