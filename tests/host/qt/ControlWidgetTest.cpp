// A framework form inside a Qt application's own windows: in a layout, as a main window's
// central widget and in a dock, real clicks reach its controls, Qt's resizing reaches its
// bounds, and either side may go first.
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>

#include "WindowTesting.h"
#include "host/containers/Panels.h"
#include "host/qt/QtInterop.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

enum class Place { Layout, Central, Dock };

void PutInto(QMainWindow& window, TControlWidget* holder, Place place) {
    switch (place) {
    case Place::Layout: {
        auto* box = new QWidget;
        auto* layout = new QVBoxLayout(box);
        layout->addWidget(new QLabel("Qt 的标签"));
        layout->addWidget(holder);
        window.setCentralWidget(box);
        break;
    }
    case Place::Central:
        window.setCentralWidget(holder);
        break;
    case Place::Dock: {
        auto* dock = new QDockWidget("停靠");
        dock->setWidget(holder);
        window.addDockWidget(Qt::LeftDockWidgetArea, dock);
        window.setCentralWidget(new QLabel("中央"));
        break;
    }
    }
}

TPoint GlobalOf(QWidget* w, QPoint p) {
    const QPoint g = w->mapToGlobal(p);
    return {g.x(), g.y()};
}

class ControlWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        FTopLevels = static_cast<int>(QApplication::topLevelWidgets().size());
        Application->SetErrorReport([this](const std::string& m) { Errors.push_back(m); });
    }
    void TearDown() override {
        Application->ProcessMessages();
        Application->SetErrorReport(nullptr);
        EXPECT_TRUE(Errors.empty()) << Errors.front();
        int now = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != ScreenLayerWidget()) ++now;
        EXPECT_LE(now, FTopLevels) << "a top-level window was leaked";
    }
    std::vector<std::string> Errors;

private:
    int FTopLevels = 0;
};

TEST_F(ControlWidgetTest, FormInQtWindows_TakesClicksFollowsResizesAndOutlivesThem) {
    for (Place place : {Place::Layout, Place::Central, Place::Dock}) {
        SCOPED_TRACE(static_cast<int>(place));
        auto* form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
        auto* button = new TButton(form);
        button->SetParent(form);
        button->SetBounds(20, 30, 90, 25);
        int clicks = 0;
        button->OnClick = [&clicks](TObject*) { ++clicks; };
        // A form shown as a window of its own first moves into the holder as well.
        if (place == Place::Dock) form->Show();
        {
            QMainWindow window;
            auto* holder = new TControlWidget(form);
            EXPECT_EQ(holder->sizeHint(), QSize(300, 200));
            PutInto(window, holder, place);
            window.resize(640, 480);
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            Application->ProcessMessages();

            QWidget* buttonWidget = ControlWidget(button);
            EXPECT_TRUE(holder->isAncestorOf(buttonWidget));
            EXPECT_EQ(ControlWidget(form)->parentWidget(), holder);
            EXPECT_TRUE(form->Showing());
            EXPECT_EQ(form->BoundsRect(), Rect(0, 0, holder->width(), holder->height()));
            EXPECT_EQ(button->ClientToScreen({5, 6}), GlobalOf(buttonWidget, {5, 6}));
            EXPECT_EQ(form->ScreenToClient(GlobalOf(holder, {7, 8})), (TPoint{7, 8}));

            const QPoint at = buttonWidget->mapTo(&window, QPoint(10, 10));
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
            Application->ProcessMessages();
            EXPECT_EQ(clicks, 1) << "a real click on the main window reaches the button";

            window.resize(700, 560);
            Application->ProcessMessages();
            EXPECT_EQ(form->BoundsRect(), Rect(0, 0, holder->width(), holder->height()));
        }
        // The Qt window went first: the form is hidden, a window of its own again.
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
        EXPECT_FALSE(form->Visible());
        EXPECT_EQ(GetParent(form->Handle()), nullptr);
        EXPECT_TRUE(WidgetOf(form->Handle())->isWindow());
        form->Free();
    }
}

TEST_F(ControlWidgetTest, HoldsLooseWindowedControls_RefusesOthers_EmptiesWhenFreed) {
    QWidget window;
    auto* form = new TForm(nullptr);
    auto* panel = new TPanel(form);
    panel->SetName("PanelInside");
    panel->SetParent(form);
    auto* formHolder = new TControlWidget(form, &window);
    auto* loose = new TPanel(nullptr); // no parent control at all: the holder is its window's
    auto* looseHolder = new TControlWidget(loose, &window);
    EXPECT_EQ(ControlWidget(loose)->parentWidget(), looseHolder);
    EXPECT_EQ(ControlWidget(nullptr), nullptr);

    const struct {
        TWinControl* Control;
        std::string Message;
    } refused[] = {
        {nullptr, "没有要放进 Qt 部件的控件"},
        {panel, "控件“PanelInside”在父控件里，不能再放进 Qt 部件"},
        {form, "控件“”已在另一个 Qt 部件里"},
    };
    for (const auto& c : refused) {
        try {
            TControlWidget holder(c.Control, &window);
            ADD_FAILURE() << "held: " << c.Message;
        } catch (const EInvalidOperation& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
    EXPECT_EQ(formHolder->Control(), form) << "a refused holder leaves the first one be";

    // A holder that is a window of its own closes by hiding; its control stays whole.
    auto* dialog = new TForm(nullptr);
    auto* edit = new TEdit(dialog);
    edit->SetParent(dialog);
    {
        TControlWidget top(dialog);
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        top.close(); // a QCloseEvent, as the window manager's close button sends
        Application->ProcessMessages();
        EXPECT_FALSE(top.isVisible());
        EXPECT_TRUE(IsWindow(dialog->Handle()) && IsWindow(edit->Handle()));
        EXPECT_EQ(ControlWidget(dialog)->parentWidget(), &top);
    }
    dialog->Free();

    form->Free();
    loose->Free();
    EXPECT_EQ(formHolder->Control(), nullptr);
    EXPECT_EQ(looseHolder->Control(), nullptr);
}

} // namespace
