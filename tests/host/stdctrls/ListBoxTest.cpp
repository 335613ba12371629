// List boxes: items with objects mirrored into the window, the user's selection, whole rows in an
// integral height, and owner-drawn rows.

#include <QListWidget>

#include "StdTesting.h"

namespace {
class ListBoxTest : public StdTest {
protected:
    static QListWidget* Widget(TListBox* box) {
        return static_cast<QListWidget*>(WidgetOf(box->Handle()));
    }
    static std::vector<std::string> Shown(TListBox* box) {
        std::vector<std::string> texts;
        for (int i = 0; i < Widget(box)->count(); ++i)
            texts.push_back(Widget(box)->item(i)->text().toStdString());
        return texts;
    }
    TPoint AtItem(TListBox* box, int index) {
        const TRect r = box->ItemRect(index);
        return At(box, r.Left + 5, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(ListBoxTest, ItemsWithObjectsAreMirroredIntoTheWindow) {
    auto* box = Make<TListBox>(10, 10);
    TObject one, two, three;
    TStrings* items = box->Items();
    items->AddObject("甲", &one);
    items->AddObject("乙", &two);
    items->InsertObject(0, "丙", &three);
    EXPECT_EQ(Shown(box), (std::vector<std::string>{"丙", "甲", "乙"}));
    EXPECT_EQ(items->Objects(1), &one);
    EXPECT_EQ(SendMessage(box->Handle(), LB_GETITEMDATA, 2, 0), reinterpret_cast<intptr_t>(&two));
    EXPECT_EQ(items->IndexOfObject(&three), 0);

    box->SetItemIndex(2);
    items->SetStrings(2, "丁");
    EXPECT_EQ(items->Objects(2), &two);
    EXPECT_EQ(box->ItemIndex(), 2);
    items->Delete(0);
    EXPECT_EQ(Shown(box), (std::vector<std::string>{"甲", "丁"}));
    EXPECT_EQ(box->ItemIndex(), 1);
    items->Clear();
    EXPECT_EQ(Widget(box)->count(), 0);
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_THROW(items->Objects(0), EListError);
}

TEST_F(ListBoxTest, SortedListsKeepTheirItemsInOrderIgnoringLetterCase) {
    auto* box = Make<TListBox>(10, 10);
    box->Items()->SetCommaText("delta,Alpha,charlie");
    box->SetItemIndex(0);
    box->SetSorted(true);
    EXPECT_EQ(Shown(box), (std::vector<std::string>{"Alpha", "charlie", "delta"}));
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(box->Items()->Add("Bravo"), 1);
    box->Items()->Insert(0, "zulu");
    EXPECT_EQ(Shown(box), (std::vector<std::string>{"Alpha", "Bravo", "charlie", "delta", "zulu"}));
}

TEST_F(ListBoxTest, IntegralHeightShrinksToTheFrameAndWholeRows) {
    struct Case {
        TListBoxStyle Style;
        TBorderStyle Border;
        bool Ctl3D;
        int Height;
        int Expected;
    };
    // Rows of 20 pixels; a sunken edge is 2 pixels, a line 1.
    const Case cases[] = {
        {lbOwnerDrawFixed, bsSingle, true, 100, 84}, {lbOwnerDrawFixed, bsSingle, false, 100, 82},
        {lbOwnerDrawFixed, bsNone, true, 100, 100},  {lbOwnerDrawFixed, bsSingle, true, 83, 64},
        {lbOwnerDrawFixed, bsSingle, true, 10, 24},
    };
    for (const Case& c : cases) {
        auto* box = Make<TListBox>(10, 10);
        box->SetStyle(c.Style);
        box->SetItemHeight(20);
        box->SetBorderStyle(c.Border);
        box->SetCtl3D(c.Ctl3D);
        box->SetIntegralHeight(true);
        box->SetHeight(c.Height);
        EXPECT_EQ(box->Height(), c.Expected) << c.Height;
        box->Free();
    }

    // The rows fill the inside exactly, as many as the height holds.
    auto* box = Make<TListBox>(10, 10);
    for (int i = 0; i < 20; ++i)
        box->Items()->Add("行 " + std::to_string(i));
    box->SetIntegralHeight(true);
    box->SetHeight(100);
    Process();
    const int row = box->ItemHeight();
    EXPECT_EQ((box->Height() - 4) % row, 0);
    QWidget* viewport = Widget(box)->viewport();
    EXPECT_EQ(viewport->height() % row, 0);
    const int visible = viewport->height() / row;
    EXPECT_EQ(box->ItemRect(visible - 1).Bottom, box->Height() - 2);
    EXPECT_EQ(box->ItemAtPos({5, box->Height() - 3}, true), visible - 1);
    // A bigger font makes bigger rows, and the height follows.
    box->Font()->SetHeight(-20);
    EXPECT_EQ((box->Height() - 4) % box->ItemHeight(), 0);
    EXPECT_GT(box->ItemHeight(), row);
}

TEST_F(ListBoxTest, AUsersClickOrKeySelectsAndClicksTheListCodeDoesNot) {
    auto* box = Make<TListBox>(10, 10);
    box->Items()->SetCommaText("零,一,二,三");
    int clicks = 0;
    int doubles = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->OnDblClick = [&](TObject*) { ++doubles; };
    Click(AtItem(box, 1));
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(clicks, 1);
    Click(AtItem(box, 1));
    EXPECT_EQ(clicks, 2);
    Key(Qt::Key_Down);
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(clicks, 3);
    box->SetItemIndex(0);
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(box->Selected(0));
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, QPoint(AtItem(box, 3).X, AtItem(box, 3).Y));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(box->ItemIndex(), 3);
    // Below the last item nothing is picked.
    EXPECT_EQ(box->ItemAtPos({5, box->Height() - 5}, true), -1);
    EXPECT_EQ(box->ItemAtPos({5, box->Height() - 5}, false), 4);
}

TEST_F(ListBoxTest, MultiSelectExtendsWithShiftAndTogglesWithCtrl) {
    auto* box = Make<TListBox>(10, 10);
    box->Items()->SetCommaText("a,b,c,d");
    box->SetMultiSelect(true);
    Click(AtItem(box, 0));
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(AtItem(box, 2).X, AtItem(box, 2).Y));
    EXPECT_EQ(box->SelCount(), 3);
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::ControlModifier,
                      QPoint(AtItem(box, 1).X, AtItem(box, 1).Y));
    EXPECT_FALSE(box->Selected(1));
    EXPECT_TRUE(box->Selected(2));
    box->SetSelected(3, true);
    box->DeleteSelected();
    EXPECT_EQ(box->Items()->CommaText(), "b");
    box->Items()->SetCommaText("a,b");
    box->SelectAll();
    EXPECT_EQ(box->SelCount(), 2);
}

TEST_F(ListBoxTest, OwnerDrawnRowsAreDrawnByOnDrawItemOnTheCanvas) {
    auto* box = Make<TListBox>(10, 10);
    box->SetStyle(lbOwnerDrawFixed);
    box->SetItemHeight(18);
    box->Items()->SetCommaText("红,绿,蓝");
    box->SetItemIndex(2);
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    box->OnDrawItem = [&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
        drawn.emplace_back(index, state);
        TCanvas* canvas = static_cast<TListBox*>(control)->Canvas();
        static const TColor colors[] = {clRed, clLime, clBlue};
        canvas->Brush()->SetColor(colors[index]);
        canvas->FillRect(rect);
    };
    const QImage image = Grab(box);
    for (int i = 0; i < 3; ++i) {
        const TRect r = box->ItemRect(i);
        const QRect q(r.Left, r.Top, r.Width(), r.Height());
        static const QColor shown[] = {Qt::red, Qt::green, Qt::blue};
        EXPECT_GT(CountColor(image, q, shown[i]), q.width() * q.height() * 3 / 4) << i;
    }
    ASSERT_FALSE(drawn.empty());
    for (const auto& [index, state] : drawn)
        EXPECT_EQ(state.Contains(odSelected), index == 2) << index;
}

TEST_F(ListBoxTest, VariableRowsTakeTheHeightsOnMeasureItemGivesAndScrollByTopIndex) {
    auto* box = Make<TListBox>(10, 10);
    box->SetStyle(lbOwnerDrawVariable);
    box->OnMeasureItem = [](TWinControl*, int index, int& height) {
        height = 10 + 10 * (index % 3);
    };
    for (int i = 0; i < 12; ++i)
        box->Items()->Add(std::to_string(i));
    Process();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(box->ItemRect(i).Height(), 10 + 10 * i) << i;
    EXPECT_EQ(box->ItemRect(1).Top, box->ItemRect(0).Bottom);
    box->SetTopIndex(4);
    EXPECT_EQ(box->TopIndex(), 4);
    EXPECT_EQ(box->ItemAtPos({10, 3}, true), 4);
}

TEST_F(ListBoxTest, ItemsAndSelectionOutliveTheWindow) {
    auto* box = new TListBox(Form);
    EXPECT_GT(box->Canvas()->TextWidth("中文"), 0);
    TObject tag;
    box->Items()->AddObject("甲", &tag);
    box->Items()->Add("乙");
    box->SetItemIndex(1);
    box->SetParent(Form);
    EXPECT_EQ(Shown(box), (std::vector<std::string>{"甲", "乙"}));
    EXPECT_EQ(Widget(box)->currentRow(), 1);
    Click(AtItem(box, 0));
    box->SetParent(nullptr);
    EXPECT_FALSE(box->HandleAllocated());
    EXPECT_EQ(box->ItemIndex(), 0);
    box->Items()->Insert(0, "丙");
    EXPECT_EQ(box->ItemIndex(), 1);
    box->SetParent(Form);
    EXPECT_EQ(Shown(box), (std::vector<std::string>{"丙", "甲", "乙"}));
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(box->Items()->Objects(1), &tag);
    EXPECT_EQ(SendMessage(box->Handle(), LB_GETITEMDATA, 1, 0), reinterpret_cast<intptr_t>(&tag));
}
} // namespace
