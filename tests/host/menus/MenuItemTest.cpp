// Menu items: the tree, radio groups, clicks, shortcuts and streaming.

#include <gtest/gtest.h>

#include "StreamTestUtil.h"
#include "host/menus/Menus.h"

namespace {
TMenuItem* Item(TComponent* owner, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    return item;
}

TEST(MenuItem_Tree, AddInsertDeleteRemoveAndIndexOfKeepParentAndOrder) {
    TComponent owner(nullptr);
    TMenuItem* root = Item(&owner, "root");
    TMenuItem* a = Item(&owner, "A");
    TMenuItem* b = Item(&owner, "B");
    TMenuItem* c = Item(&owner, "C");
    root->Add(a);
    root->Add(c);
    root->Insert(1, b);
    ASSERT_EQ(root->Count(), 3);
    EXPECT_EQ(root->Items(1), b);
    EXPECT_EQ(b->Parent(), root);
    EXPECT_EQ(root->IndexOf(c), 2);
    EXPECT_EQ(c->MenuIndex(), 2);
    EXPECT_EQ(root->Find("b"), b);

    root->Delete(0);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(root->Count(), 2);
    root->Remove(c);
    EXPECT_EQ(root->IndexOf(c), -1);
    EXPECT_THROW(root->Remove(c), EMenuError);
    EXPECT_THROW(root->Items(5), EMenuError);

    b->Add(a);
    EXPECT_THROW(a->Add(root), EMenuError) << "no item holds one of its parents";
    c->SetCaption("C2");
    root->Add(c);
    c->SetMenuIndex(0);
    EXPECT_EQ(root->Items(0), c);
}

TEST(MenuItem_Tree, FreeingAnItemTakesItOutAndTakesItsChildrenAlong) {
    TComponent owner(nullptr);
    TMenuItem* root = Item(&owner, "root");
    TMenuItem* file = Item(&owner, "文件");
    TMenuItem* open = Item(&owner, "打开");
    root->Add(file);
    file->Add(open);
    EXPECT_EQ(owner.ComponentCount(), 3);
    file->Free();
    EXPECT_EQ(root->Count(), 0);
    EXPECT_EQ(owner.ComponentCount(), 1) << "the child went with its parent";
}

TEST(MenuItem_State, CheckingARadioItemUnchecksItsGroupOnly) {
    TComponent owner(nullptr);
    TMenuItem* root = Item(&owner, "root");
    std::vector<TMenuItem*> items;
    for (int group : {1, 1, 1, 2}) {
        TMenuItem* i = Item(&owner, "r");
        i->SetRadioItem(true);
        i->SetGroupIndex(static_cast<uint8_t>(group));
        root->Add(i);
        items.push_back(i);
    }
    items[0]->SetChecked(true);
    items[3]->SetChecked(true);
    items[1]->SetChecked(true);
    EXPECT_FALSE(items[0]->Checked());
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_FALSE(items[2]->Checked());
    EXPECT_TRUE(items[3]->Checked()) << "another group keeps its check";
}

TEST(MenuItem_State, ClickTogglesAnAutoCheckItemAndADisabledItemDoesNothing) {
    TComponent owner(nullptr);
    TMenuItem* item = Item(&owner, "网格");
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    item->SetAutoCheck(true);
    item->Click();
    EXPECT_TRUE(item->Checked());
    item->Click();
    EXPECT_FALSE(item->Checked());
    item->SetEnabled(false);
    item->Click();
    EXPECT_EQ(clicks, 2);
}

TEST(MenuItem_ShortCut, TextAndKeysRoundTrip) {
    struct Case {
        uint16_t Key;
        TShiftState Shift;
        const char* Text;
    };
    const Case cases[] = {
        {'S', {ssCtrl}, "Ctrl+S"},  {VK_F10, {ssShift}, "Shift+F10"},
        {VK_DELETE, {}, "Del"},     {'Z', {ssCtrl, ssShift}, "Shift+Ctrl+Z"},
        {VK_F4, {ssAlt}, "Alt+F4"}, {'1', {ssCtrl, ssAlt}, "Ctrl+Alt+1"},
    };
    for (const Case& c : cases) {
        TShortCut sc = ShortCut(c.Key, c.Shift);
        EXPECT_EQ(ShortCutToText(sc), c.Text);
        EXPECT_EQ(TextToShortCut(c.Text), sc) << c.Text;
        uint16_t key = 0;
        TShiftState shift;
        ShortCutToKey(sc, key, shift);
        EXPECT_EQ(key, c.Key);
        EXPECT_EQ(shift, c.Shift);
    }
    EXPECT_EQ(TextToShortCut("ctrl+s"), ShortCut('S', {ssCtrl}));
    EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
    EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(MenuItem_ShortCut, AMenuClicksTheVisibleEnabledItemWithTheShortCut) {
    TComponent owner(nullptr);
    auto* menu = new TPopupMenu(&owner);
    TMenuItem* edit = Item(&owner, "编辑");
    TMenuItem* copy = Item(&owner, "复制");
    copy->SetShortCut(ShortCut('C', {ssCtrl}));
    menu->Items()->Add(edit);
    edit->Add(copy);
    int clicks = 0;
    copy->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(menu->IsShortCut(ShortCut('C', {ssCtrl})));
    EXPECT_EQ(clicks, 1);
    copy->SetEnabled(false);
    EXPECT_FALSE(menu->IsShortCut(ShortCut('C', {ssCtrl})));
    EXPECT_EQ(StripHotkey("文件(&F) && 编辑"), "文件(F) & 编辑");
}

TEST(MenuItem_Stream, APopupMenusItemTreeRoundTripsThroughTheStream) {
    auto* menu = new TPopupMenu(nullptr);
    menu->SetName("PopupMenu1");
    menu->SetAutoPopup(false);
    TMenuItem* file = Item(menu, "文件(&F)");
    file->SetName("File1");
    TMenuItem* open = Item(menu, "打开");
    open->SetName("Open1");
    open->SetShortCut(ShortCut('O', {ssCtrl}));
    open->SetChecked(true);
    TMenuItem* line = Item(menu, "-");
    line->SetName("N1");
    menu->Items()->Add(file);
    file->Add(open);
    file->Add(line);
    const std::string bytes = SaveToBytes(menu);
    menu->Free();

    auto* loaded = As<TPopupMenu>(LoadFromBytes(bytes));
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->AutoPopup());
    ASSERT_EQ(loaded->Items()->Count(), 1);
    TMenuItem* f = loaded->Items()->Items(0);
    EXPECT_EQ(f->Name(), "File1");
    EXPECT_EQ(f->Caption(), "文件(&F)");
    ASSERT_EQ(f->Count(), 2);
    EXPECT_EQ(f->Items(0)->ShortCut(), ShortCut('O', {ssCtrl}));
    EXPECT_TRUE(f->Items(0)->Checked());
    EXPECT_TRUE(f->Items(1)->IsLine());
    EXPECT_EQ(f->Items(0)->Owner(), loaded);
    loaded->Free();
}
} // namespace
