// Containers: where panels and group boxes put their aligned children, and scroll boxes whose
// scrolling moves the children.

#include "WindowTesting.h"
#include "host/containers/GroupBox.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/qt/ScrollBarWindow_p.h"

namespace {
class ContainersTest : public WindowTest {
protected:
    template <class T> T* Make(int w, int h) {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetBounds(10, 10, w, h);
        return c;
    }
    TControl* ClientChild(TWinControl* parent) {
        auto* child = new TTestPanel(Form);
        child->SetParent(parent);
        child->SetAlign(alClient);
        return child;
    }
};

TEST_F(ContainersTest, PanelAlignsChildrenInsideBorderBevelsAndBorderWidth) {
    struct Case {
        TBorderStyle border;
        TPanelBevel outer;
        TPanelBevel inner;
        int bevelWidth;
        int borderWidth;
        int inset;
        int clientInset;
    };
    const Case cases[] = {
        {bsNone, bvRaised, bvNone, 1, 0, 1, 0},    {bsNone, bvNone, bvNone, 1, 0, 0, 0},
        {bsNone, bvRaised, bvLowered, 2, 3, 7, 0}, {bsSingle, bvRaised, bvNone, 1, 0, 3, 2},
        {bsSingle, bvSpace, bvRaised, 1, 1, 5, 2},
    };
    auto* panel = Make<TPanel>(200, 100);
    TControl* child = ClientChild(panel);
    for (const Case& c : cases) {
        panel->SetBorderStyle(c.border);
        panel->SetBevelOuter(c.outer);
        panel->SetBevelInner(c.inner);
        panel->SetBevelWidth(c.bevelWidth);
        panel->SetBorderWidth(c.borderWidth);
        EXPECT_EQ(panel->ClientRect(),
                  Rect(c.clientInset, c.clientInset, 200 - c.clientInset, 100 - c.clientInset));
        EXPECT_EQ(child->BoundsRect(), Rect(c.inset, c.inset, 200 - c.inset, 100 - c.inset))
            << c.inset;
    }
}

TEST_F(ContainersTest, PanelPaintsItsBevelsAndCentredCaption) {
    auto* panel = Make<TPanel>(120, 40);
    panel->SetParentBackground(false);
    panel->SetColor(clWhite);
    panel->SetCaption("中文面板");
    Process();
    const QImage image = WidgetOf(panel->Handle())->grab().toImage();
    // Raised: light top-left edge, shadow bottom-right edge, face inside.
    EXPECT_EQ(image.pixelColor(0, 5), ToQColor(clBtnHighlight));
    EXPECT_EQ(image.pixelColor(119, 5), ToQColor(clBtnShadow));
    EXPECT_EQ(image.pixelColor(5, 39), ToQColor(clBtnShadow));
    EXPECT_EQ(image.pixelColor(5, 5), ToQColor(clWhite));
    // The caption's ink lies around the centre and nowhere near the edges.
    int inkLeft = 120, inkRight = -1;
    for (int x = 1; x < 119; ++x)
        for (int y = 1; y < 39; ++y)
            if (image.pixelColor(x, y) != ToQColor(clWhite)) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    ASSERT_LT(inkLeft, inkRight);
    EXPECT_NEAR((inkLeft + inkRight) / 2, 60, 4);
    EXPECT_GT(inkLeft, 10);
}

TEST_F(ContainersTest, AHugeBevelWidthPaintsTheFrameItCanAndStops) {
    // Typed into the inspector, a bevel a billion pixels wide once drew a billion frames.
    auto* panel = Make<TPanel>(40, 30);
    panel->SetBevelWidth(1000000000);
    Process();
    const QImage image = WidgetOf(panel->Handle())->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 5), ToQColor(clBtnHighlight));
    EXPECT_EQ(image.pixelColor(39, 5), ToQColor(clBtnShadow));
    // Frames fill it to the middle.
    EXPECT_EQ(image.pixelColor(14, 14), ToQColor(clBtnHighlight));
}

TEST_F(ContainersTest, ParentBackgroundShowsWhatTheParentPaintsThroughThePanel) {
    // The form paints a green band under the panel's left half, on its yellow face.
    Form->SetColor(clYellow);
    Form->OnPaint = [this](TObject*) {
        Form->Canvas()->Brush()->SetColor(clLime);
        const TRect band = Rect(0, 0, 70, 200);
        Form->Canvas()->FillRect(band);
    };
    // Made with a face of its own, which its window is told it covers all of.
    auto* panel = new TPanel(Form);
    panel->SetParentBackground(false);
    panel->SetParent(Form);
    panel->SetBounds(10, 10, 120, 60);
    panel->SetColor(clBlue);
    panel->SetBorderWidth(4);
    auto formPixel = [&](int x, int y) {
        Process();
        return WidgetOf(Form->Handle())->grab().toImage().pixelColor(10 + x, 10 + y);
    };
    struct Case {
        bool ParentBackground;
        QColor Left, Right, Border;
    };
    const Case seeThrough{true, ToQColor(clLime), ToQColor(clYellow), ToQColor(clLime)};
    for (const Case& c :
         {seeThrough, Case{false, ToQColor(clBlue), ToQColor(clBlue), ToQColor(clBlue)}, seeThrough}) {
        panel->SetParentBackground(c.ParentBackground);
        EXPECT_EQ(formPixel(20, 30), c.Left) << c.ParentBackground;
        EXPECT_EQ(formPixel(100, 30), c.Right) << c.ParentBackground;
        EXPECT_EQ(formPixel(3, 30), c.Border) << "inside the border width";
        EXPECT_EQ(formPixel(0, 30), ToQColor(clBtnHighlight)) << "the bevel is drawn either way";
    }
    EXPECT_TRUE(TPanel(nullptr).ParentBackground()) << "the default";
}

TEST_F(ContainersTest, GroupBoxChildrenGoBelowTheTitleInsideTheFrame) {
    auto* box = Make<TGroupBox>(185, 105);
    box->SetCaption("选项");
    TControl* child = ClientChild(box);
    EXPECT_EQ(box->ClientRect(), Rect(0, 0, 185, 105));
    const TRect r = child->BoundsRect();
    EXPECT_EQ(r.Left, 2);
    EXPECT_EQ(r.Right, 183);
    EXPECT_EQ(r.Bottom, 103);
    EXPECT_GT(r.Top, 10);
    EXPECT_EQ(GetWindowText(box->Handle()), "选项");
    // A bigger title font pushes the children down.
    box->Font()->SetSize(20);
    const int below = child->Top();
    EXPECT_GT(below, r.Top + 5);
    // Back to the form's smaller font, which it now follows: the children come up again.
    box->SetParentFont(true);
    EXPECT_LT(child->Top(), below);
}

TEST_F(ContainersTest, ScrollBoxShowsABarForChildrenBeyondItAndScrollingMovesThem) {
    auto* box = Make<TScrollBox>(200, 100);
    auto* child = new TTestPanel(Form);
    child->SetParent(box);
    child->SetBounds(10, 150, 50, 50);
    const int extent = ScrollBarExtent();
    TControlScrollBar* vert = box->VertScrollBar();
    EXPECT_TRUE(vert->IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->ClientRect(), Rect(2, 2, 198 - extent, 98));
    EXPECT_EQ(vert->Range(), 198);
    vert->SetPosition(40);
    EXPECT_EQ(child->Top(), 110);
    // Past the range the position stops where the last child's bottom meets the client's.
    vert->SetPosition(1000);
    EXPECT_EQ(vert->Position(), 198 - 96);
    EXPECT_EQ(child->Top() + child->Height(), 98);
    vert->SetPosition(0);
    EXPECT_EQ(child->Top(), 150);
    // Moving the child back inside takes the bar away.
    child->SetTop(20);
    EXPECT_FALSE(vert->IsScrollBarVisible());
    EXPECT_EQ(box->ClientRect(), Rect(2, 2, 198, 98));
}

TEST_F(ContainersTest, ClicksOnTheScrollBarWindowScrollByIncrementAndPage) {
    auto* box = Make<TScrollBox>(200, 100);
    auto* child = new TTestPanel(Form);
    child->SetParent(box);
    child->SetBounds(0, 0, 100, 400);
    box->VertScrollBar()->SetIncrement(17);
    Process();
    const TRect client = box->ClientRect();
    const int x = client.Right + ScrollBarExtent() / 2;
    Click(At(box, x, client.Bottom - 3));
    EXPECT_EQ(box->VertScrollBar()->Position(), 17);
    EXPECT_EQ(child->Top(), -17);
    Click(At(box, x, client.Bottom - 25));
    EXPECT_EQ(box->VertScrollBar()->Position(), 17 + client.Height());
    EXPECT_EQ(child->Top(), -17 - client.Height());
}

TEST_F(ContainersTest, HiddenBarAndFixedRangeAreHonoured) {
    auto* box = Make<TScrollBox>(200, 100);
    box->HorzScrollBar()->SetVisible(false);
    auto* wide = new TTestPanel(Form);
    wide->SetParent(box);
    wide->SetBounds(0, 0, 600, 50);
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->ClientWidth(), 196);
    box->VertScrollBar()->SetRange(500);
    EXPECT_FALSE(box->AutoScroll());
    EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    box->VertScrollBar()->SetPosition(300);
    EXPECT_EQ(wide->Top(), -300);
}

TEST_F(ContainersTest, ScrollInViewBringsANestedControlIntoTheClient) {
    auto* box = Make<TScrollBox>(200, 100);
    auto* inner = new TTestPanel(Form);
    inner->SetParent(box);
    inner->SetBounds(2, 2, 150, 600);
    auto* deep = new TTestPanel(Form);
    deep->SetParent(inner);
    deep->SetBounds(10, 400, 20, 30);
    box->ScrollInView(deep);
    const TRect client = box->ClientRect();
    EXPECT_EQ(inner->Top() + deep->Top() + deep->Height(), client.Bottom);
    box->ScrollInView(inner);
    EXPECT_EQ(inner->Top(), client.Top);
}

TEST_F(ContainersTest, ScrolledClientAreaAlignsChildrenWithTheView) {
    auto* box = Make<TScrollBox>(200, 100);
    auto* tall = new TTestPanel(Form);
    tall->SetParent(box);
    tall->SetBounds(2, 2, 50, 300);
    auto* top = new TTestPanel(Form);
    top->SetParent(box);
    top->SetHeight(20);
    top->SetAlign(alTop);
    EXPECT_EQ(top->Top(), 2);
    box->VertScrollBar()->SetPosition(50);
    EXPECT_EQ(top->Top(), 2 - 50) << "aligned children scroll with the others";
    EXPECT_EQ(top->Width(), box->ClientWidth());
}
} // namespace

namespace {
TEST_F(ContainersTest, DraggingTheThumbMovesTheChildrenAlongOnlyWithTracking) {
    auto* box = Make<TScrollBox>(200, 100);
    auto* child = new TTestPanel(Form);
    child->SetParent(box);
    child->SetBounds(0, 0, 100, 1000);
    Process();
    const TRect client = box->ClientRect();
    const int x = client.Right + ScrollBarExtent() / 2;
    // The thumb sits at the top of the track, below the arrow button.
    const TPoint thumb = At(box, x, client.Top + ScrollBarExtent() + 4);
    for (bool tracking : {false, true}) {
        SCOPED_TRACE(tracking);
        box->VertScrollBar()->SetPosition(0);
        box->VertScrollBar()->SetTracking(tracking);
        Press(thumb);
        Move({thumb.X, thumb.Y + 10});
        Move({thumb.X, thumb.Y + 20});
        const int during = box->VertScrollBar()->Position();
        Release({thumb.X, thumb.Y + 20});
        const int after = box->VertScrollBar()->Position();
        EXPECT_GT(after, 0);
        EXPECT_EQ(child->Top(), -after);
        if (tracking) {
            EXPECT_EQ(during, after);
        } else {
            EXPECT_EQ(during, 0);
        }
    }
}
} // namespace

namespace {
TEST_F(ContainersTest, ChildrenComingAndGoingChangeTheRange) {
    auto* box = Make<TScrollBox>(200, 100);
    auto* child = new TTestPanel(Form);
    child->SetBounds(10, 150, 50, 50);
    child->SetParent(box);
    EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    box->VertScrollBar()->SetPosition(50);
    child->SetParent(Form);
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->VertScrollBar()->Position(), 0);
    EXPECT_EQ(child->Top(), 100) << "a child that leaves keeps its place";
}
} // namespace
