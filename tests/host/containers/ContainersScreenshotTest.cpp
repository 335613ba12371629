// A picture of a form holding the containers and data views with Chinese texts, written as PNG
// for review.

#include "WindowTesting.h"
#include "host/comctrls/ListView.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/grids/Grids.h"

namespace {
class ContainersScreenshotTest : public WindowTest {};

TEST_F(ContainersScreenshotTest, FormWithEveryContainerAndDataViewIsWrittenAsPng) {
    Form->SetBounds(100, 100, 640, 420);
    Form->SetCaption("容器与数据视图");
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(8, 8, 200, 41);
    panel->SetCaption("面板标题");
    auto* box = new TGroupBox(Form);
    box->SetParent(Form);
    box->SetBounds(8, 56, 200, 105);
    box->SetCaption("分组框");
    auto* inner = new TPanel(Form);
    inner->SetParent(box);
    inner->SetAlign(alClient);
    inner->SetBevelOuter(bvLowered);
    inner->SetCaption("内部面板");
    auto* scroll = new TScrollBox(Form);
    scroll->SetParent(Form);
    scroll->SetBounds(8, 168, 200, 100);
    auto* tall = new TPanel(Form);
    tall->SetParent(scroll);
    tall->SetBounds(4, 4, 150, 240);
    tall->SetCaption("滚动内容");
    auto* pages = new TPageControl(Form);
    pages->SetParent(Form);
    pages->SetBounds(216, 8, 410, 160);
    for (const char* caption : {"常规", "高级设置", "关于"}) {
        auto* sheet = new TTabSheet(Form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    auto* onPage = new TPanel(Form);
    onPage->SetParent(pages->Pages(0));
    onPage->SetBounds(10, 10, 160, 41);
    onPage->SetCaption("第一页上的面板");
    auto* view = new TListView(Form);
    view->SetParent(Form);
    view->SetBounds(216, 176, 200, 120);
    view->SetViewStyle(vsReport);
    view->SetGridLines(true);
    for (const char* caption : {"名称", "类型"})
        view->Columns()->Add()->SetCaption(caption);
    for (auto [name, type] : {std::pair{"按钮", "控件"}, std::pair{"窗体", "容器"}}) {
        TListItem* item = view->Items()->Add();
        item->SetCaption(name);
        item->SubItems()->Add(type);
    }
    view->Items()->Item(1)->SetSelected(true);
    auto* grid = new TStringGrid(Form);
    grid->SetParent(Form);
    grid->SetBounds(424, 176, 202, 120);
    grid->SetColCount(3);
    grid->SetCells(1, 0, "属性");
    grid->SetCells(2, 0, "值");
    grid->SetCells(0, 1, "一");
    grid->SetCells(1, 1, "宽度");
    grid->SetCells(2, 1, "185");
    Process();
    QImage image = WidgetOf(Form->Handle())->grab().toImage();
    ASSERT_TRUE(image.save("containers_screenshot.png"));
    // The grid's fixed cells are button face, its other cells window white.
    const TRect fixed = grid->CellRect(1, 0);
    const TPoint f = Form->ScreenToClient(grid->ClientToScreen({fixed.Right - 3, fixed.Top + 3}));
    EXPECT_EQ(image.pixelColor(f.X, f.Y), ToQColor(clBtnFace));
    const TRect cell = grid->CellRect(1, 3);
    const TPoint w = Form->ScreenToClient(grid->ClientToScreen({cell.Right - 3, cell.Top + 3}));
    EXPECT_EQ(image.pixelColor(w.X, w.Y), ToQColor(clWindow));
}
} // namespace
