// A host's own widget standing on a designed form held by a Qt main window: its class
// registered under a name, inserted as the palette does, moved and resized with the mouse,
// saved with its name and bounds and made again by its factory when the form loads.
#include <QMainWindow>
#include <QPainter>
#include <QTimer>

#include <memory>

#include "DesignTesting.h"
#include "host/controls/WidgetControl.h"
#include "host/core/Stream.h"
#include "host/qt/QtInterop.h"

namespace {

/// A small widget that paints itself, as a host's own would.
class TSwatch : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0, 128, 128));
    }
};

int gSwatchesMade = 0;

TClass SwatchClass() {
    static const TClass cls = RegisterWidgetClass("TSwatch", [](QWidget* parent) {
        ++gSwatchesMade;
        return new TSwatch(parent);
    });
    return cls;
}

/// The fixture's form as a QMainWindow's central widget, designed through the main window.
class WidgetControlDesign : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Main = std::make_unique<QMainWindow>();
        Main->setCentralWidget(new TControlWidget(Form));
        Main->resize(500, 400);
        Main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
        Process();
    }
    void TearDown() override {
        Main.reset(); // lets the form go before the fixture frees it
        DesignTest::TearDown();
    }
    void BeginInMain() {
        Designer->BeginDesign();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
        Process();
    }
    /// A point of a control, in the main window's coordinates.
    QPoint MainAt(TControl* c, int x, int y) {
        const TPoint s = c->ClientToScreen({x, y});
        return Main->mapFromGlobal(QPoint(s.X, s.Y));
    }
    /// Presses at from, moves (the first step synchronously, which starts the window
    /// system's loop; the rest queued for it) and releases at to.
    void Drag(QPoint from, QPoint to) {
        QWindow* window = Main->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTimer::singleShot(0, [=] {
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        });
        QTest::mouseMove(window, from + QPoint(3, 2));
        Process();
    }
    std::unique_ptr<QMainWindow> Main;
};

TEST_F(WidgetControlDesign, InsertedMovedResizedSavedAndLoaded_MadeAgainByItsFactory) {
    const TClass swatchClass = SwatchClass();
    EXPECT_EQ(GetClass("tswatch"), swatchClass) << "the stream reader finds it by name";
    BeginInMain();
    const int made = gSwatchesMade;
    TDesignControl* overlay = Designer->AddControlToDesign(swatchClass, Bounds(40, 40, 80, 50));
    auto* swatch = As<TWidgetControl>(overlay->Control());
    EXPECT_EQ(swatch->ClassName(), "TSwatch");
    EXPECT_EQ(gSwatchesMade, made + 1);
    EXPECT_NE(dynamic_cast<TSwatch*>(ControlWidget(swatch)), nullptr);
    swatch->SetName("Swatch");
    Process();

    // A click selects it; a drag of its middle moves it; a drag of a corner handle resizes it.
    QTest::mouseClick(Main->windowHandle(), Qt::LeftButton, {}, MainAt(swatch, 10, 10));
    Process();
    EXPECT_TRUE(overlay->Selected());
    // During the session the control sits inside its overlay, four pixels in.
    auto placed = [overlay] {
        const TRect r = overlay->BoundsRect();
        return Rect(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4);
    };
    Drag(MainAt(swatch, 20, 20), MainAt(swatch, 50, 40));
    EXPECT_EQ(placed(), Bounds(70, 60, 80, 50));
    const TRect handle = overlay->GetHitTestRect(hcBottomRight, false);
    const TPoint grip{(handle.Left + handle.Right) / 2, (handle.Top + handle.Bottom) / 2};
    Drag(MainAt(overlay, grip.X, grip.Y), MainAt(overlay, grip.X + 20, grip.Y + 10));
    EXPECT_EQ(placed(), Bounds(70, 60, 100, 60));
    Designer->Undo();
    EXPECT_EQ(placed(), Bounds(70, 60, 80, 50)) << "one undo step per resize";

    TMemoryStream stream;
    Designer->SaveToStream(&stream);
    swatch->Free(); // a change after saving, which loading undoes
    stream.SetPosition(0);
    TZkFormDesigner::LoadFromStream(Form, &stream);
    Process();
    auto* loaded = Cast<TWidgetControl>(Form->FindComponent("Swatch"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ClassType(), swatchClass);
    EXPECT_EQ(loaded->BoundsRect(), Bounds(70, 60, 80, 50));
    QWidget* widget = ControlWidget(loaded);
    EXPECT_NE(dynamic_cast<TSwatch*>(widget), nullptr) << "the factory made its widget again";
    EXPECT_EQ(gSwatchesMade, made + 2);
    EXPECT_TRUE(Main->isAncestorOf(widget)) << "on the form, in the main window";
}

TEST_F(WidgetControlDesign, BadRegistrations_RaiseTheFrameworkError) {
    SwatchClass();
    const struct {
        std::string Name;
        bool WithFactory;
        std::string Message;
    } cases[] = {
        {"", true, "“”不是有效的类名"},
        {"有 空格", true, "“有 空格”不是有效的类名"},
        {"tbutton", true, "类名“tbutton”已是类“TButton”的名字"},
        {"TNothing", false, "部件类“TNothing”没有工厂"},
    };
    for (const auto& c : cases) {
        TWidgetFactory factory;
        if (c.WithFactory) factory = [](QWidget* parent) { return new QWidget(parent); };
        try {
            RegisterWidgetClass(c.Name, factory);
            ADD_FAILURE() << "registered: " << c.Name;
        } catch (const EInvalidOperation& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
    // A factory that makes nothing: the control cannot get its window, and says why.
    const TClass empty = RegisterWidgetClass("TEmptyMaker", [](QWidget*) { return nullptr; });
    auto* control = As<TWinControl>(empty->Create(Form));
    try {
        control->SetParent(Form);
        ADD_FAILURE() << "a window without a widget";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "部件类“TEmptyMaker”的工厂没有造出部件");
    }
    EXPECT_FALSE(control->HandleAllocated());
    control->Free();
    // Registering a name again replaces its factory and keeps its class.
    EXPECT_EQ(RegisterWidgetClass("TEmptyMaker", [](QWidget* p) { return new QWidget(p); }), empty);
}

} // namespace
