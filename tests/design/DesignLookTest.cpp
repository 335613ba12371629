// A designed control looks as it does at run time: the same pixels in and out of a session.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QPixmap>

#include "DesignTesting.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignLook : public DesignTest {
protected:
    QImage FormImage() {
        Process();
        return WidgetOf(Form->Handle())->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(DesignLook, ControlsShowTheSamePixelsInAndOutOfASession) {
    Form->SetBounds(100, 100, 420, 300);
    auto* panel = Add<TPanel>(Form, Bounds(10, 10, 180, 60), "Panel1");
    panel->SetCaption("面板");
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    auto* combo = Add<TComboBox>(Form, Bounds(10, 90, 160, 21), "Combo1");
    combo->SetStyle(csDropDownList); // a drop-down list already: the style the session gives it
    combo->Items()->Add("选项");
    combo->SetItemIndex(0);
    auto* label = Add<TLabel>(Form, Bounds(10, 130, 80, 17), "Label1");
    label->SetCaption("标签文字");
    auto* bevel = Add<TBevel>(Form, Bounds(200, 10, 120, 60), "Bevel1");
    (void)bevel;
    const std::vector<TControl*> controls = {panel, combo, label, bevel};
    std::vector<TRect> places;
    for (TControl* c : controls)
        places.push_back(c->BoundsRect());
    const QImage before = FormImage();
    Begin();
    const QImage during = FormImage();
    for (size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(controls[i]->Name());
        const TRect& r = places[i];
        const QRect q(r.Left, r.Top, r.Width(), r.Height());
        const QImage a = before.copy(q), b = during.copy(q);
        int differing = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0);
        if (differing) {
            const std::string base = testing::TempDir() + "look_" + controls[i]->Name();
            a.save(QString::fromStdString(base + "_run.png"));
            b.save(QString::fromStdString(base + "_design.png"));
        }
    }
    before.save(QString::fromStdString(testing::TempDir() + "look_form_run.png"));
    during.save(QString::fromStdString(testing::TempDir() + "look_form_design.png"));
    Designer->EndDesign();
}

TEST_F(DesignLook, NoHandleStaysPaintedOnANeighbourAfterItsControlIsUnselected) {
    Form->SetBounds(100, 100, 420, 300);
    auto* pages = Add<TPageControl>(Form, Bounds(20, 20, 240, 120), "Pages1");
    auto* sheet = new TTabSheet(Form);
    sheet->SetName("Sheet1");
    sheet->SetCaption("页一");
    sheet->SetPageControl(pages);
    // Just below the page control: the panel's top handles lie on the page control's border.
    auto* panel = Add<TPanel>(Form, Bounds(20, 142, 240, 60), "Panel1");
    Begin();
    auto shown = [&] {
        Process();
        return QGuiApplication::primaryScreen()
            ->grabWindow(Window()->winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage before = shown();
    Click(At(panel, 30, 30));
    ASSERT_TRUE(OverlayOf(panel)->Selected());
    Click(Point(350, 250));
    ASSERT_FALSE(OverlayOf(panel)->Selected());
    const QImage after = shown();
    // The strip of the handles above and below the panel's top edge.
    const TRect strip = Rect(10, 134, 280, 146);
    const QPoint origin = WidgetOf(Form->Handle())->mapTo(WidgetOf(Form->Handle())->window(), QPoint());
    int differing = 0;
    for (int y = strip.Top; y < strip.Bottom; ++y)
        for (int x = strip.Left; x < strip.Right; ++x)
            differing += before.pixel(origin + QPoint(x, y)) != after.pixel(origin + QPoint(x, y));
    EXPECT_EQ(differing, 0);
    if (differing) after.save(QString::fromStdString(testing::TempDir() + "handles_left.png"));
    Designer->EndDesign();
}

} // namespace
