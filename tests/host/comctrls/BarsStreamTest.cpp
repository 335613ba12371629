// A form with menus, bars and painting controls in the binary component stream: what is
// written (defaults left out) and the same form read back into a fresh instance.

#include "StreamTestUtil.h"
#include "WindowTesting.h"
#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/core/Stream.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/menus/Menus.h"
#include "host/streaming/ObjectText.h"

namespace {
std::string ToText(const std::string& binary) {
    TStringStream in(binary), out;
    ObjectBinaryToText(in, out);
    return out.DataString();
}

template <class T> T* Named(TComponent* owner, const char* name) {
    auto* c = new T(owner);
    c->SetName(name);
    return c;
}

/// A form holding one of each: main and popup menus, status and tool bars, a splitter, a
/// speed button and a shape.
TForm* MakeBarsForm() {
    auto* form = Named<TForm>(nullptr, "BarsForm");
    auto* mainMenu = Named<TMainMenu>(form, "MainMenu1");
    auto* file = Named<TMenuItem>(form, "File1");
    file->SetCaption("文件(&F)");
    mainMenu->Items()->Add(file);
    auto* open = Named<TMenuItem>(form, "Open1");
    open->SetCaption("打开(&O)");
    open->SetShortCut(ShortCut('O', {ssCtrl}));
    file->Add(open);
    form->SetMenu(mainMenu);
    auto* popup = Named<TPopupMenu>(form, "PopupMenu1");
    auto* props = Named<TMenuItem>(form, "Props1");
    props->SetCaption("属性");
    popup->Items()->Add(props);

    auto* status = Named<TStatusBar>(form, "StatusBar1");
    status->SetParent(form);
    status->SetPopupMenu(popup);
    status->Panels()->Add()->SetText("就绪");
    status->Panels()->Add()->SetWidth(120);

    auto* tools = Named<TToolBar>(form, "ToolBar1");
    tools->SetParent(form);
    tools->SetFlat(true);
    auto* b1 = Named<TToolButton>(form, "ToolButton1");
    b1->SetStyle(tbsCheck);
    b1->SetGrouped(true);
    b1->SetParent(tools);
    auto* b2 = Named<TToolButton>(form, "ToolButton2");
    b2->SetStyle(tbsCheck);
    b2->SetGrouped(true);
    b2->SetParent(tools);
    b2->SetDown(true);

    auto* left = Named<TShape>(form, "Shape1");
    left->SetParent(form);
    left->SetWidth(120);
    left->SetAlign(alLeft);
    left->SetShape(stEllipse);
    auto* splitter = Named<TSplitter>(form, "Splitter1");
    splitter->SetLeft(200);
    splitter->SetParent(form);
    splitter->SetMinSize(50);
    auto* speed = Named<TSpeedButton>(form, "SpeedButton1");
    speed->SetParent(form);
    speed->SetBounds(200, 50, 30, 25);
    speed->SetGroupIndex(1);
    speed->SetDown(true);
    speed->SetCaption("粗体");
    return form;
}

TEST(BarsStream, AFormWithMenusAndBarsWritesWhatDiffersAndReadsBackTheSame) {
    TForm* form = MakeBarsForm();
    const std::string bytes = SaveToBytes(form);
    const std::string text = ToText(bytes);
    for (const char* written :
         {"Menu = MainMenu1", "object MainMenu1: TMainMenu", "object Open1: TMenuItem",
          "ShortCut = 16463", "PopupMenu = PopupMenu1", "Panels = <",
          "object ToolButton2: TToolButton", "Grouped = True", "Down = True", "MinSize = 50",
          "GroupIndex = 1", "Shape = stEllipse"})
        EXPECT_NE(text.find(written), std::string::npos) << written << "\n" << text;
    // The bars' own alignments and colours, and the splitter's cursor, are their defaults.
    for (const char* left :
         {"Align = alBottom", "Align = alTop", "Cursor", "AutoPopup", "SizeGrip", "ResizeStyle"})
        EXPECT_EQ(text.find(left), std::string::npos) << left << "\n" << text;

    // Read back once the original is gone, so that the copy takes the same names; the copy
    // writes the same bytes.
    form->Free();
    auto* copy = new TForm(nullptr);
    LoadFromBytes(bytes, copy);
    EXPECT_EQ(Hex(SaveToBytes(copy)), Hex(bytes));
    auto* menu = As<TMainMenu>(copy->FindComponent("MainMenu1"));
    EXPECT_EQ(copy->Menu(), menu);
    ASSERT_EQ(menu->Items()->Count(), 1);
    EXPECT_EQ(menu->Items()->Items(0)->Items(0)->Name(), "Open1");
    auto* tools = As<TToolBar>(copy->FindComponent("ToolBar1"));
    ASSERT_EQ(tools->ButtonCount(), 2);
    EXPECT_EQ(tools->Buttons(0)->Name(), "ToolButton1");
    EXPECT_TRUE(tools->Buttons(1)->Down());
    auto* status = As<TStatusBar>(copy->FindComponent("StatusBar1"));
    EXPECT_EQ(status->PopupMenu(), copy->FindComponent("PopupMenu1"));
    EXPECT_EQ(status->Panels()->Items(0)->Text(), "就绪");
    copy->Free();
}
} // namespace
