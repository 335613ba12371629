// A form holding one of each stock control, saved and loaded back into a fresh instance.

#include <gtest/gtest.h>

#include "ControlStreamFixtures.h"
#include "StreamTestUtil.h"
#include "host/comctrls/ComCtrls.h"
#include "host/comctrls/ListView.h"
#include "host/containers/PageControl.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/menus/Menus.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
/// A component to make by class name, where it goes, and published values to give it as text.
struct Part {
    const char* ClassName;
    const char* Name;
    const char* Parent; // "" for the form
    std::vector<std::pair<const char*, const char*>> Values;
};

const std::vector<Part>& Parts() {
    static const std::vector<Part> parts = {
        {"TPanel",
         "TopPanel",
         "",
         {{"Align", "alTop"},
          {"Height", "48"},
          {"Caption", "顶部 Top"},
          {"BevelOuter", "bvLowered"},
          {"Color", "65535"}}},
        {"TButton",
         "OkButton",
         "TopPanel",
         {{"Left", "8"},
          {"Top", "8"},
          {"Caption", "确定"},
          {"Default", "True"},
          {"ModalResult", "1"}}},
        {"TSpeedButton",
         "BoldButton",
         "TopPanel",
         {{"Left", "100"}, {"GroupIndex", "1"}, {"Down", "True"}, {"Caption", "粗"}}},
        {"TBevel",
         "Bevel1",
         "TopPanel",
         {{"Left", "140"}, {"Shape", "bsFrame"}, {"Style", "bsRaised"}}},
        {"TShape", "Shape1", "TopPanel", {{"Left", "200"}, {"Shape", "stCircle"}}},
        {"TPaintBox", "PaintBox1", "TopPanel", {{"Left", "260"}, {"Hint", "画板"}}},
        {"TToolBar", "Tools", "", {{"ShowCaptions", "True"}, {"ButtonWidth", "60"}}},
        {"TToolButton", "NewButton", "Tools", {{"Caption", "新建"}, {"ImageIndex", "0"}}},
        {"TStatusBar", "Status", "", {{"SimpleText", "就绪"}}},
        {"TSplitter", "Splitter1", "", {{"MinSize", "40"}}},
        {"TGroupBox",
         "Options",
         "",
         {{"Left", "8"}, {"Top", "60"}, {"Width", "200"}, {"Height", "80"}, {"Caption", "选项"}}},
        {"TCheckBox",
         "Check1",
         "Options",
         {{"Left", "8"}, {"Checked", "True"}, {"Caption", "启用"}}},
        {"TRadioButton",
         "Radio1",
         "Options",
         {{"Left", "8"}, {"Top", "30"}, {"Checked", "True"}, {"Caption", "单选"}}},
        {"TPageControl",
         "Pages",
         "",
         {{"Left", "220"}, {"Top", "60"}, {"Width", "250"}, {"Height", "150"}}},
        // The second page first: it is the active one, and the first is never shown.
        {"TTabSheet", "Sheet2", "Pages", {{"Caption", "第二页"}}},
        {"TTabSheet", "Sheet1", "Pages", {{"Caption", "第一页"}, {"PageIndex", "0"}}},
        {"TLabel", "NameLabel", "Sheet1", {{"Left", "8"}, {"Caption", "名称："}}},
        {"TEdit",
         "NameEdit",
         "Sheet1",
         {{"Left", "60"}, {"Text", "张三"}, {"MaxLength", "20"}, {"CharCase", "ecUpperCase"}}},
        {"TScrollBox",
         "Scroll",
         "",
         {{"Left", "8"}, {"Top", "220"}, {"Width", "200"}, {"Height", "120"}}},
        {"TMemo", "Memo1", "Scroll", {{"ScrollBars", "ssBoth"}, {"WordWrap", "False"}}},
        {"TListBox", "List1", "Scroll", {{"Top", "60"}, {"Sorted", "True"}}},
        {"TComboBox", "Combo1", "", {{"Left", "220"}, {"Top", "220"}, {"Style", "csDropDownList"}}},
        {"TListView", "Files", "", {{"Left", "220"}, {"Top", "250"}, {"ViewStyle", "vsReport"}}},
        {"TStringGrid", "Grid", "", {{"Left", "480"}, {"ColCount", "3"}, {"RowCount", "4"}}},
        {"TDrawGrid", "DrawGrid", "", {{"Left", "480"}, {"Top", "150"}, {"FixedCols", "0"}}},
        {"TCoolBar", "Cool", "", {{"Left", "480"}, {"Top", "260"}, {"ShowText", "False"}}},
        {"TPageScroller", "Scroller", "", {{"Left", "480"}, {"Top", "300"}}},
        {"TImage", "Image1", "", {{"Left", "600"}, {"Stretch", "True"}}},
        {"TPopupMenu", "Popup", "", {{"AutoPopup", "False"}}},
        {"TMainMenu", "MainMenu1", "", {}},
        {"TImageList", "Images", "", {{"Width", "24"}, {"Height", "24"}}},
        {"TFontDialog", "FontDialog1", "", {{"MaxFontSize", "72"}}},
        {"TColorDialog", "ColorDialog1", "", {{"Color", "255"}}},
        {"TOpenDialog", "OpenDialog1", "", {{"Filter", "文本|*.txt"}, {"Title", "打开"}}},
        {"TSaveDialog", "SaveDialog1", "", {{"DefaultExt", "txt"}}},
        {"TOpenPictureDialog", "OpenPictureDialog1", "", {}},
        {"TSavePictureDialog", "SavePictureDialog1", "", {}},
    };
    return parts;
}

/// The form: every part, then what is not a plain published value (lists, collections,
/// pictures, menu items, references).
TStreamForm* MakeStockForm() {
    RegisterControlStreamClasses();
    auto* form = new TStreamForm(nullptr);
    form->SetName("StockForm");
    form->SetBounds(10, 10, 800, 500);
    form->SetCaption("控件 Controls");
    for (const Part& part : Parts()) {
        auto* c = As<TComponent>(FindClass(part.ClassName)->Create(form));
        c->SetName(part.Name);
        auto* parent = As<TWinControl>(*part.Parent ? form->FindComponent(part.Parent) : form);
        if (auto* sheet = Cast<TTabSheet>(c))
            sheet->SetPageControl(As<TPageControl>(parent));
        else if (auto* control = Cast<TControl>(c))
            control->SetParent(parent);
        for (const auto& [prop, value] : part.Values)
            SetPropValue(c, prop, Variant(value));
    }
    auto find = [form](const char* name) { return form->FindComponent(name); };
    As<TMemo>(find("Memo1"))->Lines()->SetText("第一行\nsecond\n");
    As<TListBox>(find("List1"))->Items()->SetCommaText("乙,甲,丙");
    auto* combo = As<TComboBox>(find("Combo1"));
    combo->Items()->SetCommaText("北京,上海");
    combo->SetItemIndex(1);
    auto* status = As<TStatusBar>(find("Status"));
    status->Panels()->Add()->SetText("行 1");
    status->Panels()->Add()->SetWidth(120);
    auto* files = As<TListView>(find("Files"));
    files->Columns()->Add()->SetCaption("名称");
    files->Columns()->Add()->SetWidth(-1);
    auto* image = As<TImage>(find("Image1"));
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    image->Picture()->SetGraphic(&bitmap);
    auto* popup = As<TPopupMenu>(find("Popup"));
    for (const char* caption : {"剪切", "-", "粘贴"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        popup->Items()->Add(item);
    }
    popup->Items()->Items(0)->SetName("CutItem");
    auto* file = new TMenuItem(form);
    file->SetName("FileItem");
    file->SetCaption("文件");
    As<TMainMenu>(find("MainMenu1"))->Items()->Add(file);
    As<TControl>(find("TopPanel"))->SetPopupMenu(popup);
    As<TLabel>(find("NameLabel"))->SetFocusControl(As<TWinControl>(find("NameEdit")));
    SetObjectProp(find("Tools"), "Images", find("Images"));
    SetObjectProp(find("Pages"), "ActivePage", find("Sheet2"));
    // The page shown is the topmost, as a page control that shows it puts it.
    As<TControl>(find("Sheet2"))->BringToFront();
    // Active on a page that is not shown: loading must leave it so, without making windows.
    form->SetActiveControl(As<TWinControl>(find("NameEdit")));
    return form;
}
} // namespace

TEST(StockFormStream, AFormWithOneOfEachStockControlLoadsBackTheSame) {
    TStreamForm* original = MakeStockForm();
    const std::string expected = InAnyComponentOrder(DescribeTree(original));
    const std::string bytes = SaveToBytes(original);
    original->Free();

    auto* loaded = As<TStreamForm>(LoadFromBytes(bytes, new TStreamForm(nullptr)));
    EXPECT_EQ(expected, InAnyComponentOrder(DescribeTree(loaded)));
    EXPECT_FALSE(loaded->HandleAllocated());
    EXPECT_EQ(Hex(bytes), Hex(SaveToBytes(loaded)));
    loaded->Free();

    if (!OracleAvailable()) GTEST_SKIP() << "fpc was not found when the build was configured";
    std::string text, binary;
    ASSERT_TRUE(RunOracle("totext", bytes, text));
    EXPECT_EQ(text, BinaryToText(bytes, TTextStrings::Codes));
    ASSERT_TRUE(RunOracle("tobinary", text, binary));
    loaded = As<TStreamForm>(LoadFromBytes(binary, new TStreamForm(nullptr)));
    EXPECT_EQ(expected, InAnyComponentOrder(DescribeTree(loaded)));
    loaded->Free();
}
