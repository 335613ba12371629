// The tool bar: buttons laid out left to right and wrapping, check buttons and groups under
// real clicks, captions and images.

#include "WindowTesting.h"
#include "host/comctrls/ComCtrls.h"
#include "host/graphics/ImgList.h"
#include "host/menus/Menus.h"

namespace {
class ToolBarTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Bar = new TToolBar(Form);
        Bar->SetParent(Form);
    }
    TToolButton* AddButton(TToolButtonStyle style = tbsButton, const std::string& caption = {}) {
        auto* b = new TToolButton(Form);
        b->SetStyle(style);
        b->SetCaption(caption);
        b->SetParent(Bar);
        return b;
    }
    TToolBar* Bar = nullptr;
};

TEST_F(ToolBarTest, ItemsLieLeftToRightAndWrapOntoNewRows) {
    struct Case {
        std::vector<TToolBarItem> items;
        int width;
        bool wrapable;
        std::vector<TPoint> expected;
    };
    const Case cases[] = {
        {{{23, 22}, {8, 22}, {23, 22}}, 200, true, {{0, 2}, {23, 2}, {31, 2}}},
        {{{23, 22}, {23, 22}, {23, 22}}, 50, true, {{0, 2}, {23, 2}, {0, 24}}},
        {{{23, 22}, {23, 22}, {23, 22}}, 50, false, {{0, 2}, {23, 2}, {46, 2}}},
        {{{23, 22, true}, {23, 22}}, 200, true, {{0, 2}, {0, 24}}},
        {{{100, 22}}, 50, true, {{0, 2}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutToolBarItems(c.items, c.width, 0, 22, c.wrapable), c.expected);
    EXPECT_EQ(LayoutToolBarItems({{23, 22}}, 100, 5, 22, true), (std::vector<TPoint>{{5, 2}}));
}

TEST_F(ToolBarTest, TheBarSitsAtTheTopAndLaysItsButtonsOutInOrder) {
    EXPECT_EQ(Bar->BoundsRect(), Rect(0, 0, 400, 29));
    TToolButton* a = AddButton();
    TToolButton* sep = AddButton(tbsSeparator);
    TToolButton* b = AddButton();
    ASSERT_EQ(Bar->ButtonCount(), 3);
    EXPECT_EQ(Bar->Buttons(1), sep);
    EXPECT_EQ(a->BoundsRect(), Bounds(0, 2, 23, 22));
    EXPECT_EQ(sep->BoundsRect(), Bounds(23, 2, 8, 22));
    EXPECT_EQ(b->BoundsRect(), Bounds(31, 2, 23, 22));
    Bar->SetButtonWidth(30);
    EXPECT_EQ(b->Left(), 38);
    sep->Free();
    EXPECT_EQ(Bar->ButtonCount(), 2);
    EXPECT_EQ(b->Left(), 30) << "the others close up";
    b->SetParent(nullptr);
    EXPECT_EQ(Bar->ButtonCount(), 1);
    b->Free();
}

TEST_F(ToolBarTest, CaptionsWidenEveryButtonToTheWidestCaption) {
    TToolButton* a = AddButton(tbsButton, "打开");
    TToolButton* b = AddButton(tbsButton, "另存为文件");
    EXPECT_EQ(a->Width(), 23);
    Bar->SetShowCaptions(true);
    EXPECT_GT(a->Width(), 23);
    EXPECT_EQ(a->Width(), b->Width());
    EXPECT_EQ(b->Left(), a->Width());
    EXPECT_EQ(Bar->ButtonSize().cx, a->Width());
}

TEST_F(ToolBarTest, ClicksFireOnClickAndToggleCheckButtons) {
    TToolButton* plain = AddButton();
    TToolButton* check = AddButton(tbsCheck);
    int clicks = 0;
    plain->OnClick = [&](TObject*) { ++clicks; };
    Click(At(plain, 5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(plain->Down());
    Click(At(check, 5, 5));
    EXPECT_TRUE(check->Down());
    Click(At(check, 5, 5));
    EXPECT_FALSE(check->Down());
    // Released outside the button: no click.
    Press(At(plain, 5, 5));
    Release(At(check, 5, 5));
    EXPECT_EQ(clicks, 1);
    plain->SetEnabled(false);
    Click(At(plain, 5, 5));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolBarTest, AdjacentGroupedCheckButtonsReleaseEachOther) {
    TToolButton* a = AddButton(tbsCheck);
    TToolButton* b = AddButton(tbsCheck);
    AddButton(tbsSeparator);
    TToolButton* c = AddButton(tbsCheck);
    for (TToolButton* t : {a, b, c})
        t->SetGrouped(true);
    Click(At(a, 5, 5));
    Click(At(c, 5, 5));
    EXPECT_TRUE(a->Down());
    EXPECT_TRUE(c->Down()) << "the separator ends the group";
    Click(At(b, 5, 5));
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    Click(At(b, 5, 5));
    EXPECT_TRUE(b->Down()) << "a group keeps one button down";
    b->SetAllowAllUp(true);
    Click(At(b, 5, 5));
    EXPECT_FALSE(b->Down());
}

TEST_F(ToolBarTest, ButtonsShowTheirImagesFromTheBarsImageList) {
    auto* images = new TImageList(Form);
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect(Rect(0, 0, 16, 16));
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(Rect(16, 0, 32, 16));
    images->AddMasked(&strip, clNone);
    ASSERT_EQ(images->Count(), 2);
    Bar->SetImages(images);
    TToolButton* b = AddButton();
    b->SetImageIndex(1);
    QImage shot = WidgetOf(Bar->Handle())->grab().toImage();
    EXPECT_EQ(shot.pixelColor(b->Left() + 11, b->Top() + 11), QColor(Qt::red));
    images->Free();
    EXPECT_EQ(Bar->Images(), nullptr);
}
} // namespace

namespace {
TEST_F(ToolBarTest, ADropDownButtonsArrowShowsItsMenuBelowAndTheRestClicks) {
    TToolButton* b = AddButton(tbsDropDown);
    auto* menu = new TPopupMenu(Form);
    b->SetDropdownMenu(menu);
    EXPECT_EQ(b->Width(), 23 + 13) << "the arrow widens the button";
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    std::vector<TPoint> shownAt;
    TPopupMenuRunner saved = SetPopupMenuRunner([&](TPopupMenu* m, TPoint at) -> TMenuItem* {
        EXPECT_EQ(m, menu);
        shownAt.push_back(at);
        return nullptr;
    });
    Click(At(b, b->Width() - 4, 10));
    ASSERT_EQ(shownAt.size(), 1u);
    EXPECT_EQ(shownAt[0], b->ClientToScreen({0, b->Height()}));
    EXPECT_EQ(clicks, 0);
    Click(At(b, 5, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(shownAt.size(), 1u);
    SetPopupMenuRunner(saved);
    menu->Free();
    EXPECT_EQ(b->DropdownMenu(), nullptr);
}
} // namespace
