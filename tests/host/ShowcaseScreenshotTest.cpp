// One form holding one of every stock control, with Chinese captions, written as
// showcase_screenshot.png for review; a few pixel checks make sure each family drew its text.

#include "WindowTesting.h"
#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/comctrls/ListView.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/grids/Grids.h"
#include "host/menus/Menus.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

/// Builds the showcase form control by control: each helper places one family.
class ShowcaseScreenshot : public WindowTest {
protected:
    template <class T> T* Place(TWinControl* parent, int left, int top, int width, int height) {
        auto* c = new T(Form);
        c->SetParent(parent);
        // The menu and the top bars take the form's first rows: the content starts below them.
        c->SetBounds(left, parent == Form ? top + 30 : top, width, height);
        return c;
    }

    /// Counts the dark pixels of a control's rectangle in the picture: ink from its text.
    int InkIn(const QImage& shot, const TControl* c) const {
        const TPoint origin =
            Form->ScreenToClient(c->Parent()->ClientToScreen({c->Left(), c->Top()}));
        int dark = 0;
        for (int x = origin.X; x < origin.X + c->Width(); ++x)
            for (int y = origin.Y; y < origin.Y + c->Height(); ++y)
                if (shot.valid(x, y) && shot.pixelColor(x, y).lightness() < 90) ++dark;
        return dark;
    }

    void AddMenus() {
        auto* menu = new TMainMenu(Form);
        for (const char* caption : {"文件(&F)", "编辑(&E)", "帮助(&H)"}) {
            auto* item = new TMenuItem(Form);
            item->SetCaption(caption);
            menu->Items()->Add(item);
        }
        Form->SetMenu(menu);
        auto* popup = new TPopupMenu(Form);
        auto* item = new TMenuItem(Form);
        item->SetCaption("复制");
        popup->Items()->Add(item);
        Form->SetPopupMenu(popup);
    }

    void AddBars() {
        auto* tools = new TToolBar(Form);
        tools->SetParent(Form);
        tools->SetShowCaptions(true);
        tools->SetButtonHeight(24);
        tools->SetHeight(30);
        for (const char* caption : {"新建", "打开", "保存"}) {
            auto* b = new TToolButton(Form);
            b->SetCaption(caption);
            b->SetParent(tools);
        }
        auto* cool = new TCoolBar(Form);
        cool->SetParent(Form);
        cool->SetAutoSize(true);
        auto* address = new TEdit(Form);
        address->SetBounds(0, 0, 240, 21);
        address->SetTextProp("地址栏里的文字");
        address->SetParent(cool);
        cool->Bands()->Items(0)->SetText("地址");
        Status = new TStatusBar(Form);
        Status->SetParent(Form);
        for (const char* text : {"就绪", "共 28 个控件"}) {
            TStatusPanel* p = Status->Panels()->Add();
            p->SetText(text);
            p->SetWidth(160);
        }
        auto* left = new TPanel(Form);
        left->SetParent(Form);
        left->SetWidth(120);
        left->SetAlign(alLeft);
        left->SetCaption("左侧面板");
        auto* splitter = new TSplitter(Form);
        splitter->SetLeft(130);
        splitter->SetBeveled(true);
        splitter->SetParent(Form);
    }

    void AddStandard() {
        Label = Place<TLabel>(Form, 140, 72, 60, 17);
        Label->SetCaption("姓名(&N)：");
        auto* edit = Place<TEdit>(Form, 210, 68, 150, 21);
        edit->SetTextProp("张三");
        Label->SetFocusControl(edit);
        Button = Place<TButton>(Form, 370, 66, 80, 25);
        Button->SetCaption("确定");
        auto* memo = Place<TMemo>(Form, 140, 100, 150, 60);
        memo->Lines()->Add("多行文本框");
        memo->Lines()->Add("第二行");
        Place<TCheckBox>(Form, 300, 100, 120, 17)->SetCaption("复选框");
        auto* radio = Place<TRadioButton>(Form, 300, 122, 120, 17);
        radio->SetCaption("单选按钮");
        radio->SetChecked(true);
        auto* list = Place<TListBox>(Form, 140, 168, 150, 60);
        for (const char* s : {"列表项一", "列表项二", "列表项三"})
            list->Items()->Add(s);
        list->SetItemIndex(1);
        auto* combo = Place<TComboBox>(Form, 300, 146, 150, 21);
        for (const char* s : {"北京", "上海"})
            combo->Items()->Add(s);
        combo->SetItemIndex(0);
    }

    void AddContainers() {
        Panel = Place<TPanel>(Form, 460, 66, 160, 41);
        Panel->SetCaption("面板");
        auto* group = Place<TGroupBox>(Form, 460, 112, 160, 60);
        group->SetCaption("分组框");
        Place<TCheckBox>(group, 10, 24, 130, 17)->SetCaption("组内选项");
        auto* scroll = Place<TScrollBox>(Form, 460, 178, 160, 60);
        Place<TPanel>(scroll, 4, 4, 120, 120)->SetCaption("滚动框内容");
        auto* pages = Place<TPageControl>(Form, 630, 66, 250, 172);
        for (const char* caption : {"常规", "高级"}) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
        }
        Place<TLabel>(pages->Pages(0), 10, 10, 200, 17)->SetCaption("第一页上的标签");
    }

    void AddDataViews() {
        auto* view = Place<TListView>(Form, 140, 244, 240, 110);
        view->SetViewStyle(vsReport);
        view->SetGridLines(true);
        for (const char* caption : {"名称", "类型"})
            view->Columns()->Add()->SetCaption(caption);
        for (auto [name, type] : {std::pair{"按钮", "控件"}, std::pair{"窗体", "容器"}}) {
            TListItem* item = view->Items()->Add();
            item->SetCaption(name);
            item->SubItems()->Add(type);
        }
        auto* strings = Place<TStringGrid>(Form, 390, 244, 240, 110);
        strings->SetColCount(3);
        strings->SetCells(1, 0, "属性");
        strings->SetCells(2, 0, "值");
        strings->SetCells(1, 1, "宽度");
        strings->SetCells(2, 1, "185");
        auto* draw = Place<TDrawGrid>(Form, 640, 244, 240, 110);
        draw->SetDefaultColWidth(50);
        draw->OnDrawCell = [draw](TObject*, int col, int row, TRect r, TGridDrawState) {
            if (col == 0 || row == 0) return;
            draw->Canvas()->Brush()->SetColor((col + row) % 2 ? clSkyBlue : clMoneyGreen);
            draw->Canvas()->FillRect(r);
        };
    }

    void AddPainting() {
        const char* captions[] = {"左", "中", "右"};
        for (int i = 0; i < 3; ++i) {
            auto* b = Place<TSpeedButton>(Form, 140 + i * 40, 364, 36, 26);
            b->SetCaption(captions[i]);
            b->SetGroupIndex(1);
            if (i == 0) b->SetDown(true);
        }
        auto* shape = Place<TShape>(Form, 270, 362, 60, 40);
        shape->SetShape(stRoundRect);
        shape->Brush()->SetColor(clSkyBlue);
        auto* bevel = Place<TBevel>(Form, 340, 362, 200, 40);
        bevel->SetShape(bsFrame);
        Paint = Place<TPaintBox>(Form, 350, 366, 180, 32);
        TPaintBox* box = Paint;
        box->OnPaint = [box](TObject*) {
            box->Canvas()->Brush()->SetStyle(bsClear);
            box->Canvas()->Font()->SetColor(clNavy);
            box->Canvas()->TextOut(6, 8, "绘图框里的中文");
        };
        auto* image = Place<TImage>(Form, 550, 362, 40, 40);
        image->SetStretch(true);
        TBitmap picture;
        picture.SetSize(4, 4);
        for (int i = 0; i < 16; ++i)
            picture.Canvas()->SetPixels(i % 4, i / 4, (i + i / 4) % 2 ? clRed : clYellow);
        image->Picture()->SetGraphic(&picture);
        auto* pager = Place<TPageScroller>(Form, 600, 366, 280, 30);
        auto* strip = new TPanel(Form);
        strip->SetBounds(0, 0, 600, 30);
        strip->SetCaption("可以左右滚动的长条内容");
        strip->SetParent(pager);
        pager->SetPosition(40);
    }

    TStatusBar* Status = nullptr;
    TLabel* Label = nullptr;
    TButton* Button = nullptr;
    TPanel* Panel = nullptr;
    TPaintBox* Paint = nullptr;
};

TEST_F(ShowcaseScreenshot, OneFormWithEveryStockControlAndChineseCaptions) {
    Form->SetBounds(40, 40, 900, 500);
    Form->SetCaption("全部标准控件");
    AddMenus();
    AddBars();
    AddStandard();
    AddContainers();
    AddDataViews();
    AddPainting();
    Process();
    const QImage shot = WidgetOf(Form->Handle())->grab().toImage();
    ASSERT_TRUE(shot.save("showcase_screenshot.png"));
    for (const TControl* c :
         std::initializer_list<const TControl*>{Status, Label, Button, Panel, Paint})
        EXPECT_GT(InkIn(shot, c), 10) << c->ClassName() << " shows no text";
}
} // namespace
