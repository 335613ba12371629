// Every container and data view class: made by its class reference, parented, shown, hidden and
// moved; published properties read and written through type information, defaults left out of
// streams; and inert under a WindowProc hook that swallows mouse and keys.

#include <functional>

#include "StreamTestUtil.h"
#include "WindowTesting.h"
#include "host/comctrls/ListView.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/core/Stream.h"
#include "host/grids/Grids.h"
#include "host/streaming/ObjectText.h"

namespace {
/// A control of the class under test, made by its class reference on the form.
TWinControl* MakeByName(TForm* form, const std::string& name) {
    auto* c = static_cast<TWinControl*>(FindClass(name)->Create(form));
    if (auto* sheet = Cast<TTabSheet>(c)) {
        // A page lives in a page control.
        auto* pages = new TPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(10, 10, 300, 200);
        sheet->SetPageControl(pages);
        return sheet;
    }
    c->SetParent(form);
    c->SetLeft(10);
    c->SetTop(10);
    return c;
}

/// What a fresh control of each class is.
struct ClassCase {
    const char* name;
    int width;
    int height;
    bool acceptsControls;
    bool tabStop;
};
const ClassCase classCases[] = {
    {"TPanel", 185, 41, true, false},     {"TGroupBox", 185, 105, true, false},
    {"TScrollBox", 185, 41, true, false}, {"TPageControl", 289, 193, true, true},
    {"TTabSheet", -1, -1, true, false},   {"TListView", 250, 150, false, true},
    {"TDrawGrid", 320, 120, false, true}, {"TStringGrid", 320, 120, false, true},
};

class ContainerClassesTest : public WindowTest {};

TEST_F(ContainerClassesTest, EachClassIsMadeByNameShownHiddenAndMovedWithItsWindow) {
    for (const ClassCase& c : classCases) {
        SCOPED_TRACE(c.name);
        TWinControl* control = MakeByName(Form, c.name);
        EXPECT_EQ(control->ClassName(), c.name);
        if (c.width > 0) {
            EXPECT_EQ(control->Width(), c.width);
            EXPECT_EQ(control->Height(), c.height);
        }
        EXPECT_EQ(control->ControlStyle().Contains(csAcceptsControls), c.acceptsControls);
        EXPECT_EQ(control->TabStop(), c.tabStop);
        Process();
        HWND wnd = control->Handle();
        EXPECT_TRUE(IsWindowVisible(wnd));
        control->Hide();
        EXPECT_FALSE(IsWindowVisible(wnd));
        control->Show();
        EXPECT_TRUE(IsWindowVisible(wnd));
        if (!control->Is<TTabSheet>()) {
            control->SetBounds(20, 30, 150, 90);
            EXPECT_EQ(WidgetOf(wnd)->geometry(), QRect(20, 30, 150, 90));
        }
        control->Free();
        EXPECT_FALSE(IsWindow(wnd));
    }
}

/// A published property, the default a fresh control has, and a value to write.
struct PropCase {
    const char* cls;
    const char* prop;
    const char* type;
    const char* fresh;
    const char* value;
};
const PropCase propCases[] = {
    {"TPanel", "Alignment", "TAlignment", "taCenter", "taRightJustify"},
    {"TPanel", "BevelInner", "TBevelCut", "bvNone", "bvLowered"},
    {"TPanel", "BevelOuter", "TBevelCut", "bvRaised", "bvSpace"},
    {"TPanel", "BevelWidth", "Integer", "1", "3"},
    {"TPanel", "BorderWidth", "Integer", "0", "4"},
    {"TPanel", "BorderStyle", "TBorderStyle", "bsNone", "bsSingle"},
    {"TPanel", "Caption", "TCaption", "", "面板"},
    {"TPanel", "Color", "TColor", "-2147483633", "255"}, // clBtnFace, clRed
    {"TPanel", "FullRepaint", "Boolean", "True", "False"},
    {"TPanel", "ParentBackground", "Boolean", "True", "False"},
    {"TGroupBox", "Caption", "TCaption", "", "分组"},
    {"TScrollBox", "AutoScroll", "Boolean", "True", "False"},
    {"TScrollBox", "BorderStyle", "TBorderStyle", "bsSingle", "bsNone"},
    {"TPageControl", "MultiLine", "Boolean", "False", "True"},
    {"TPageControl", "Style", "TTabStyle", "tsTabs", "tsFlatButtons"},
    {"TPageControl", "TabPosition", "TTabPosition", "tpTop", "tpBottom"},
    {"TTabSheet", "Caption", "TCaption", "", "第一页"},
    {"TTabSheet", "ImageIndex", "Integer", "0", "5"},
    {"TTabSheet", "TabVisible", "Boolean", "True", "False"},
    {"TListView", "ViewStyle", "TViewStyle", "vsIcon", "vsReport"},
    {"TListView", "GridLines", "Boolean", "False", "True"},
    {"TListView", "RowSelect", "Boolean", "False", "True"},
    {"TListView", "ReadOnly", "Boolean", "False", "True"},
    {"TListView", "ShowColumnHeaders", "Boolean", "True", "False"},
    {"TListView", "Color", "TColor", "-2147483643", "65535"}, // clWindow
    {"TStringGrid", "ColCount", "Integer", "5", "7"},
    {"TStringGrid", "RowCount", "Integer", "5", "9"},
    {"TStringGrid", "FixedCols", "Integer", "1", "2"},
    {"TStringGrid", "FixedRows", "Integer", "1", "0"},
    {"TStringGrid", "DefaultColWidth", "Integer", "64", "80"},
    {"TStringGrid", "DefaultRowHeight", "Integer", "24", "30"},
    {"TStringGrid", "GridLineWidth", "Integer", "1", "2"},
    {"TStringGrid", "Options", "TGridOptions",
     "goFixedVertLine,goFixedHorzLine,goVertLine,goHorzLine,goRangeSelect",
     "goFixedVertLine,goRowSelect"},
    {"TStringGrid", "ScrollBars", "TScrollStyle", "ssBoth", "ssVertical"},
    {"TStringGrid", "FixedColor", "TColor", "-2147483633", "12632256"},
    {"TDrawGrid", "DefaultDrawing", "Boolean", "True", "False"},
};

TEST_F(ContainerClassesTest, OwnPropertiesHaveThePlatformsTypesAndDefaultsAndTakeValues) {
    for (const PropCase& c : propCases) {
        SCOPED_TRACE(std::string(c.cls) + "." + c.prop);
        TWinControl* control = MakeByName(Form, c.cls);
        const TPropInfo* info = GetPropInfo(control, c.prop);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->PropType->Name, c.type);
        EXPECT_EQ(GetPropValue(control, c.prop).AsString(), c.fresh);
        // A fresh control's value is the default, which streams leave out.
        EXPECT_TRUE(!IsStoredProp(control, info) || IsDefaultPropValue(control, info));
        SetPropValue(control, c.prop, Variant(c.value));
        EXPECT_EQ(GetPropValue(control, c.prop).AsString(), c.value);
        EXPECT_FALSE(IsDefaultPropValue(control, info));
    }
}

TEST_F(ContainerClassesTest, EveryClassPublishesTheCommonProperties) {
    for (const ClassCase& c : classCases) {
        SCOPED_TRACE(c.name);
        TWinControl* control = MakeByName(Form, c.name);
        for (const char* prop :
             {"Name",    "Left",    "Top",       "Width",   "Height",      "Color",     "Font",
              "Visible", "Enabled", "Align",     "Cursor",  "Hint",        "ShowHint",  "TabOrder",
              "TabStop", "Tag",     "PopupMenu", "OnClick", "OnMouseDown", "OnKeyDown", "OnEnter"})
            EXPECT_TRUE(IsPublishedProp(control, prop)) << prop;
        EXPECT_EQ(GetPropInfo(control, "TabStop")->Default, c.tabStop ? 1 : 0);
        // Each property is listed once, however many classes published it.
        std::vector<std::string> names;
        for (const TPropInfo* p : GetPropList(control))
            names.push_back(p->Name);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    }
}

/// The text form of the stream a control writes as a root.
std::string StreamText(TComponent* root) {
    const std::string bytes = SaveToBytes(root);
    TMemoryStream in;
    in.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    in.SetPosition(0);
    TMemoryStream out;
    ObjectBinaryToText(in, out);
    return std::string(static_cast<const char*>(out.Memory()), static_cast<size_t>(out.Size()));
}

TEST_F(ContainerClassesTest, StreamsLeaveDefaultsOutAndCarryChangedValuesBack) {
    for (const ClassCase& c : classCases) {
        if (std::string(c.name) == "TTabSheet") continue;
        SCOPED_TRACE(c.name);
        auto* control = static_cast<TWinControl*>(FindClass(c.name)->Create(nullptr));
        const std::string text = StreamText(control);
        for (const PropCase& p : propCases) {
            if (std::string(p.cls) == c.name) {
                EXPECT_EQ(text.find(std::string(p.prop) + " ="), std::string::npos) << p.prop;
            }
        }
        EXPECT_EQ(text.find("TabStop"), std::string::npos);
        EXPECT_EQ(text.find("ParentColor"), std::string::npos);
        control->Free();
    }
    // Values of every kind come back: set, sub-object, collection and defined property.
    auto* grid = new TStringGrid(nullptr);
    grid->SetColCount(3);
    grid->SetColWidths(1, 99);
    grid->SetOptions({goVertLine, goColSizing});
    auto* box = new TScrollBox(nullptr);
    box->VertScrollBar()->SetIncrement(17);
    box->VertScrollBar()->SetTracking(true);
    auto* view = new TListView(nullptr);
    view->SetViewStyle(vsReport);
    view->Columns()->Add()->SetCaption("名称");
    view->Columns()->Add()->SetWidth(120);
    for (TComponent* source : std::vector<TComponent*>{grid, box, view}) {
        SCOPED_TRACE(source->ClassName());
        const std::string bytes = SaveToBytes(source);
        TComponent* copy = static_cast<TComponent*>(source->ClassType()->Create(nullptr));
        LoadFromBytes(bytes, copy);
        EXPECT_EQ(SaveToBytes(copy), bytes);
        copy->Free();
        source->Free();
    }
    auto* panel = new TPanel(nullptr);
    EXPECT_NE(StreamText(panel).find("Width = 185"), std::string::npos) << "sizes have no default";
    panel->Free();
}

/// How a class shows that its native control reacted to input.
struct InertCase {
    const char* name;
    std::function<TWinControl*(TForm*)> make;
    /// The client point a click goes to.
    std::function<TPoint(TWinControl*)> target;
    /// The native state a click or the arrow keys change, as text.
    std::function<std::string(TWinControl*)> state;
};

TPoint Middle(const TRect& r) {
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

std::vector<InertCase> InertCases() {
    auto middle = [](TWinControl* c) { return TPoint{c->Width() / 2, c->Height() / 2}; };
    auto none = [](TWinControl*) { return std::string(); };
    std::vector<InertCase> cases = {
        {"TPanel", [](TForm* f) { return MakeByName(f, "TPanel"); }, middle, none},
        {"TGroupBox", [](TForm* f) { return MakeByName(f, "TGroupBox"); }, middle, none},
        {"TScrollBox", [](TForm* f) { return MakeByName(f, "TScrollBox"); }, middle, none},
        {"TTabSheet", [](TForm* f) { return MakeByName(f, "TTabSheet"); }, middle, none},
        {"TPageControl",
         [](TForm* f) {
             auto* pages = static_cast<TPageControl*>(MakeByName(f, "TPageControl"));
             for (int i = 0; i < 2; ++i)
                 (new TTabSheet(f))->SetPageControl(pages);
             pages->Pages(0)->SetCaption("第一页");
             pages->Pages(1)->SetCaption("第二页");
             return pages;
         },
         [](TWinControl* c) { return Middle(static_cast<TPageControl*>(c)->TabRect(1)); },
         [](TWinControl* c) {
             return std::to_string(static_cast<TPageControl*>(c)->ActivePageIndex());
         }},
        {"TListView",
         [](TForm* f) {
             auto* view = static_cast<TListView*>(MakeByName(f, "TListView"));
             view->SetViewStyle(vsReport);
             view->Columns()->Add()->SetCaption("名称");
             for (const char* s : {"一", "二", "三"})
                 view->Items()->Add()->SetCaption(s);
             return view;
         },
         [](TWinControl* c) {
             auto* view = static_cast<TListView*>(c);
             return Middle(view->ItemRect(view->Items()->Item(1)));
         },
         [](TWinControl* c) {
             TListItem* item = static_cast<TListView*>(c)->Selected();
             return item ? item->Caption() : std::string("-");
         }},
    };
    for (const char* grid : {"TStringGrid", "TDrawGrid"})
        cases.push_back(
            {grid, [grid](TForm* f) { return MakeByName(f, grid); },
             [](TWinControl* c) { return Middle(static_cast<TCustomGrid*>(c)->CellRect(2, 2)); },
             [](TWinControl* c) {
                 auto* g = static_cast<TCustomGrid*>(c);
                 return std::to_string(g->Col()) + "," + std::to_string(g->Row());
             }});
    return cases;
}

TEST_F(ContainerClassesTest, EveryClassIsInertUnderAHookThatSwallowsMouseAndKeys) {
    auto* other = new TTestButton(Form);
    other->SetParent(Form);
    other->SetBounds(300, 250, 60, 25);
    for (const InertCase& c : InertCases()) {
        SCOPED_TRACE(c.name);
        TWinControl* control = c.make(Form);
        Process();
        other->SetFocus();
        const std::string before = c.state(control);
        int events = 0;
        control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++events; };
        control->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++events; };
        const TPoint p = At(control, c.target(control).X, c.target(control).Y);
        {
            MessageLog log(control);
            for (uint32_t m = WM_MOUSEFIRST; m <= WM_MOUSELAST; ++m)
                log.Swallow.push_back(m);
            for (uint32_t m : {WM_KEYDOWN, WM_KEYUP, WM_CHAR, CN_KEYDOWN, CN_CHAR})
                log.Swallow.push_back(m);
            Press(p);
            EXPECT_NE(GetCapture(), control->Handle());
            Release(p);
            EXPECT_GE(log.Count(WM_LBUTTONDOWN), 1);
            EXPECT_TRUE(other->Focused()) << "the press did not move the focus";
            ::SetFocus(control->Handle());
            Key(Qt::Key_Right);
            Key(Qt::Key_Down);
            EXPECT_GE(log.Count(CN_KEYDOWN), 2);
            EXPECT_EQ(c.state(control), before);
            EXPECT_EQ(events, 0);
        }
        // Without the hook the same input reaches the control.
        other->SetFocus();
        Click(p);
        EXPECT_GE(events, 1);
        if (!before.empty()) {
            EXPECT_NE(c.state(control), before);
        }
        control->Free();
    }
}
} // namespace

namespace {
/// A form holding each container and data view, named, with values away from the defaults.
TForm* MakeContainersForm() {
    auto* form = new TForm(nullptr);
    form->SetName("ContainersForm");
    auto add = [form](TControl* c, TWinControl* parent, const char* name, TRect r) {
        c->SetName(name);
        c->SetParent(parent);
        c->SetBoundsRect(r);
        return c;
    };
    auto* panel =
        static_cast<TPanel*>(add(new TPanel(form), form, "Panel1", Bounds(8, 8, 200, 60)));
    panel->SetBevelOuter(bvLowered);
    panel->SetCaption("面板");
    add(new TPanel(form), panel, "Inner", Bounds(0, 0, 10, 10))->SetAlign(alBottom);
    static_cast<TGroupBox*>(add(new TGroupBox(form), form, "GroupBox1", Bounds(8, 80, 200, 100)))
        ->SetCaption("分组");
    auto* box = static_cast<TScrollBox*>(
        add(new TScrollBox(form), form, "ScrollBox1", Bounds(8, 190, 200, 100)));
    add(new TPanel(form), box, "Tall", Bounds(2, 2, 100, 400));
    box->VertScrollBar()->SetIncrement(17);
    box->VertScrollBar()->SetPosition(40);
    auto* pages = static_cast<TPageControl*>(
        add(new TPageControl(form), form, "PageControl1", Bounds(220, 8, 300, 200)));
    for (const char* name : {"TabSheet1", "TabSheet2"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetName(name);
        sheet->SetCaption(std::string("页") + name[8]);
        sheet->SetPageControl(pages);
    }
    add(new TPanel(form), pages->Pages(1), "OnSecond", Bounds(5, 5, 80, 30));
    pages->SetActivePage(pages->Pages(1));
    auto* view = static_cast<TListView*>(
        add(new TListView(form), form, "ListView1", Bounds(220, 220, 200, 100)));
    view->SetViewStyle(vsReport);
    view->Columns()->Add()->SetCaption("名称");
    view->Columns()->Add()->SetWidth(90);
    auto* grid = static_cast<TStringGrid*>(
        add(new TStringGrid(form), form, "StringGrid1", Bounds(430, 220, 200, 100)));
    grid->SetColCount(3);
    grid->SetColWidths(1, 99);
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    return form;
}

TEST(ContainersStream, FormOfContainersAndDataViewsLoadsBackIntoAFreshForm) {
    TForm* original = MakeContainersForm();
    const std::string bytes = SaveToBytes(original);
    original->Free();
    auto* loaded = new TForm(nullptr);
    LoadFromBytes(bytes, loaded);
    EXPECT_EQ(Hex(SaveToBytes(loaded)), Hex(bytes));
    auto* box = As<TScrollBox>(loaded->FindComponent("ScrollBox1"));
    EXPECT_EQ(box->VertScrollBar()->Position(), 40);
    EXPECT_EQ(box->VertScrollBar()->Increment(), 17);
    EXPECT_EQ(As<TControl>(loaded->FindComponent("Tall"))->Top(), 2 - 40);
    auto* pages = As<TPageControl>(loaded->FindComponent("PageControl1"));
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), loaded->FindComponent("TabSheet2"));
    EXPECT_TRUE(pages->Pages(1)->Visible());
    EXPECT_FALSE(pages->Pages(0)->Visible());
    EXPECT_EQ(As<TControl>(loaded->FindComponent("OnSecond"))->Parent(), pages->Pages(1));
    EXPECT_EQ(As<TStringGrid>(loaded->FindComponent("StringGrid1"))->ColWidths(1), 99);
    auto* view = As<TListView>(loaded->FindComponent("ListView1"));
    ASSERT_EQ(view->Columns()->Count(), 2);
    EXPECT_EQ(view->Column(0)->Caption(), "名称");
    EXPECT_EQ(As<TControl>(loaded->FindComponent("Inner"))->BoundsRect(), Rect(1, 49, 199, 59));
    loaded->Free();
}
} // namespace
