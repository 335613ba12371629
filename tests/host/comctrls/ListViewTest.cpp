// List views: the column header as a raw child window announced to the list view and
// subclassed by handle, items and their selection, columns.

#include "host/comctrls/ListView.h"
#include "WindowTesting.h"
#include "host/containers/Panels.h"

namespace {
class ListViewTest : public WindowTest {
protected:
    /// A report view with two columns and three items, not yet on the form.
    TListView* MakeView() {
        auto* view = new TListView(Form);
        view->SetBounds(10, 10, 300, 200);
        view->SetViewStyle(vsReport);
        for (auto [caption, width] : {std::pair{"名称", 120}, std::pair{"大小", 80}}) {
            TListColumn* column = view->Columns()->Add();
            column->SetCaption(caption);
            column->SetWidth(width);
        }
        for (const char* name : {"甲", "乙", "丙"}) {
            TListItem* item = view->Items()->Add();
            item->SetCaption(name);
            item->SubItems()->Add(std::string(name) + "大小");
        }
        return view;
    }
    TPoint Centre(TControl* c, const TRect& r) const {
        return At(c, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    /// The child windows announced to the view's WindowProc since the log began.
    static std::vector<HWND> Announced(const MessageLog& log) {
        std::vector<HWND> out;
        for (const auto& e : log.Entries())
            if (e.Msg == WM_PARENTNOTIFY && LoWord(e.WParam) == static_cast<int>(WM_CREATE))
                out.push_back(reinterpret_cast<HWND>(e.LParam));
        return out;
    }
};

TEST_F(ListViewTest, HeaderIsARawChildWindowThatAnnouncesItselfWhenMade) {
    TListView* view = MakeView();
    MessageLog log(view);
    view->SetParent(Form);
    const std::vector<HWND> announced = Announced(log);
    ASSERT_EQ(announced.size(), 1u);
    HWND header = announced[0];
    EXPECT_TRUE(IsWindow(header));
    EXPECT_EQ(FindControl(header), nullptr);
    EXPECT_EQ(GetParent(header), view->Handle());
}

TEST_F(ListViewTest, ClickOnAHeadingGoesThroughTheHeadersSubclassedWindowProcedure) {
    TListView* view = MakeView();
    MessageLog log(view);
    view->SetParent(Form);
    Process();
    HWND header = Announced(log).at(0);
    std::vector<TListColumn*> clicked;
    view->OnColumnClick = [&](TObject*, TListColumn* c) { clicked.push_back(c); };

    int presses = 0;
    bool swallow = true;
    auto old = reinterpret_cast<WNDPROC>(GetWindowLong(header, GWL_WNDPROC));
    WNDPROC hook = MakeObjectInstance([&](TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN) {
            ++presses;
            if (swallow) return;
        }
        m.Result = CallWindowProc(old, header, m.Msg, m.WParam, m.LParam);
    });
    SetWindowLong(header, GWL_WNDPROC, reinterpret_cast<intptr_t>(hook));
    const TPoint second = Centre(view, view->HeaderSectionRect(1));
    Click(second);
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(clicked.empty()) << "a swallowed press clicks no column";
    EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 0) << "the header's input is its own";
    swallow = false;
    Click(second);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], view->Column(1));
    SetWindowLong(header, GWL_WNDPROC, reinterpret_cast<intptr_t>(old));
    FreeObjectInstance(hook);
}

TEST_F(ListViewTest, MovedToAnotherParentItAnnouncesANewHeaderToWhoeverHookedItMeanwhile) {
    TListView* view = MakeView();
    view->SetParent(Form);
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 380, 280);
    Process();
    // As the designer wraps a control: new parent first, then the hook.
    view->SetParent(panel);
    MessageLog log(view);
    EXPECT_TRUE(Announced(log).empty());
    Process();
    const std::vector<HWND> announced = Announced(log);
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_TRUE(IsWindow(announced[0]));
    EXPECT_EQ(GetParent(announced[0]), view->Handle());
    int clicks = 0;
    view->OnColumnClick = [&](TObject*, TListColumn*) { ++clicks; };
    Click(Centre(view, view->HeaderSectionRect(0)));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ListViewTest, ClickOnAnItemSelectsItThroughTheWindowProcedure) {
    TListView* view = MakeView();
    view->SetParent(Form);
    Process();
    std::vector<std::pair<std::string, bool>> events;
    view->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
        events.emplace_back(item->Caption(), selected);
    };
    TListItem* second = view->Items()->Item(1);
    const TRect r = view->ItemRect(second);
    ASSERT_FALSE(IsRectEmpty(r));
    EXPECT_EQ(view->GetItemAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), second);
    {
        MessageLog log(view);
        log.Swallow = {WM_LBUTTONDOWN};
        Click(Centre(view, r));
        EXPECT_EQ(view->Selected(), nullptr);
    }
    Click(Centre(view, r));
    EXPECT_EQ(view->Selected(), second);
    Click(Centre(view, view->ItemRect(view->Items()->Item(2))));
    EXPECT_EQ(view->Selected(), view->Items()->Item(2));
    EXPECT_EQ(view->SelCount(), 1);
    using E = std::pair<std::string, bool>;
    EXPECT_EQ(events, (std::vector<E>{{"乙", true}, {"乙", false}, {"丙", true}}));
}

TEST_F(ListViewTest, SelectionByCodeShowsOnTheWindowAndReportsOnce) {
    TListView* view = MakeView();
    view->SetParent(Form);
    int events = 0;
    view->OnSelectItem = [&](TObject*, TListItem*, bool) { ++events; };
    view->Items()->Item(0)->SetSelected(true);
    view->SetSelected(view->Items()->Item(2));
    EXPECT_EQ(events, 3);
    EXPECT_FALSE(view->Items()->Item(0)->Selected());
    EXPECT_EQ(view->Selected(), view->Items()->Item(2));
    // The window shows it: a click elsewhere reports only the change it makes.
    events = 0;
    Click(Centre(view, view->ItemRect(view->Items()->Item(1))));
    EXPECT_EQ(events, 2);
    view->SetSelected(nullptr);
    EXPECT_EQ(view->SelCount(), 0);
}

TEST_F(ListViewTest, DraggingAHeadingEdgeSizesTheColumn) {
    TListView* view = MakeView();
    view->SetParent(Form);
    Process();
    const TRect first = view->HeaderSectionRect(0);
    ASSERT_EQ(first.Width(), 120);
    const TPoint edge = At(view, first.Right - 1, (first.Top + first.Bottom) / 2);
    Press(edge);
    Move({edge.X + 15, edge.Y});
    Move({edge.X + 30, edge.Y});
    Release({edge.X + 30, edge.Y});
    EXPECT_EQ(view->Column(0)->Width(), 150);
}

TEST_F(ListViewTest, ItemsAndColumnsChangedByCodeShowOnTheWindow) {
    TListView* view = MakeView();
    view->SetParent(Form);
    Process();
    view->Items()->Item(0)->SetCaption("丁");
    view->Items()->Delete(1);
    TListColumn* third = view->Columns()->Add();
    third->SetCaption("类型");
    EXPECT_FALSE(IsRectEmpty(view->HeaderSectionRect(2)));
    EXPECT_EQ(view->HeaderSectionRect(2).Width(), 50);
    EXPECT_EQ(view->Items()->Count(), 2);
    EXPECT_TRUE(IsRectEmpty(view->ItemRect(nullptr)));
    EXPECT_FALSE(IsRectEmpty(view->ItemRect(view->Items()->Item(1))));
    view->Columns()->Delete(2);
    EXPECT_TRUE(IsRectEmpty(view->HeaderSectionRect(2)));
    view->SetViewStyle(vsList);
    EXPECT_TRUE(IsRectEmpty(view->HeaderSectionRect(0))) << "no header outside the report";
    EXPECT_FALSE(IsRectEmpty(view->ItemRect(view->Items()->Item(1))));
}
} // namespace

namespace {
TEST_F(ListViewTest, CaptionsAreEditedInPlaceUnlessReadOnly) {
    TListView* view = MakeView();
    view->SetParent(Form);
    Process();
    std::string edited;
    view->OnEdited = [&](TObject*, TListItem* item, std::string& s) {
        edited = item->Caption() + "→" + s;
        s += "!";
    };
    TListItem* item = view->Items()->Item(0);
    item->EditCaption();
    Process();
    Key(Qt::Key_A, Qt::ControlModifier);
    for (char c : std::string("new"))
        QTest::keyClick(Window(), c);
    Key(Qt::Key_Return);
    Process();
    EXPECT_EQ(edited, "甲→new");
    EXPECT_EQ(item->Caption(), "new!");
    view->SetReadOnly(true);
    edited.clear();
    item->EditCaption();
    Process();
    QTest::keyClick(Window(), 'x');
    Key(Qt::Key_Return);
    EXPECT_TRUE(edited.empty());
    EXPECT_EQ(item->Caption(), "new!");
}

TEST_F(ListViewTest, MultiSelectKeepsEarlierSelectionsOnControlClick) {
    TListView* view = MakeView();
    view->SetMultiSelect(true);
    view->SetParent(Form);
    Process();
    Click(Centre(view, view->ItemRect(view->Items()->Item(0))));
    const TPoint third = Centre(view, view->ItemRect(view->Items()->Item(2)));
    Press(third, Qt::LeftButton, Qt::ControlModifier);
    Release(third, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(view->SelCount(), 2);
    EXPECT_TRUE(view->Items()->Item(0)->Selected());
    EXPECT_TRUE(view->Items()->Item(2)->Selected());
    view->Items()->Item(1)->SetSelected(true);
    EXPECT_EQ(view->SelCount(), 3);
}

TEST_F(ListViewTest, HideSelectionLeavesTheSelectionUndrawnWithoutTheFocus) {
    TListView* view = MakeView();
    view->SetRowSelect(true);
    view->SetParent(Form);
    auto* other = new TTestButton(Form);
    other->SetParent(Form);
    other->SetBounds(10, 220, 80, 24);
    TListItem* item = view->Items()->Item(1);
    item->SetSelected(true);
    const QColor base = ToQColor(ColorToRGB(view->Color()));
    // A pixel of the selected row clear of its text.
    auto rowPixel = [&] {
        Process();
        const TRect r = view->ItemRect(item);
        const QImage image = WidgetOf(view->Handle())->grab().toImage();
        return image.pixelColor(r.Right - 5, (r.Top + r.Bottom) / 2);
    };
    other->SetFocus();
    EXPECT_TRUE(view->HideSelection()) << "the default";
    EXPECT_EQ(rowPixel(), base) << "hidden without the focus";
    view->SetFocus();
    EXPECT_NE(rowPixel(), base) << "shown with the focus";
    other->SetFocus();
    EXPECT_EQ(rowPixel(), base) << "hidden again when the focus leaves";
    view->SetHideSelection(false);
    EXPECT_NE(rowPixel(), base) << "kept shown";
    EXPECT_TRUE(item->Selected());
}
} // namespace
