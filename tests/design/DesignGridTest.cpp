// The dotted grid drawn over a root design form after every paint.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include "DesignTesting.h"
#include "host/graphics/Graphics.h"

namespace {

class DesignGrid : public DesignTest {
protected:
    QImage Grab() { return WidgetOf(Form->Handle())->grab().toImage(); }
};

TEST_F(DesignGrid, DotsEveryEightPixelsInTheTextColourOverTheFormColour) {
    Form->SetColor(clWhite);
    Form->Font()->SetColor(clBlack);
    Begin();
    const QImage img = Grab();
    const QRgb dot = img.pixel(16, 24), ground = img.pixel(17, 24);
    EXPECT_EQ(qRed(dot) + qGreen(dot) + qBlue(dot), 0);
    EXPECT_EQ(QColor(ground), QColor(Qt::white));
    for (QPoint p : {QPoint(0, 0), QPoint(8, 8), QPoint(64, 40), QPoint(200, 160)})
        EXPECT_EQ(img.pixel(p), dot) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(4, 0), QPoint(8, 9), QPoint(63, 40), QPoint(201, 161)})
        EXPECT_EQ(img.pixel(p), ground) << p.x() << "," << p.y();
    Designer->EndDesign();
    Process();
    const QImage after = Grab();
    EXPECT_EQ(after.pixel(16, 24), ground) << "no grid outside a session";
}

TEST_F(DesignGrid, TheGridFollowsTheCanvasColoursWhenTheyChangeInTheSession) {
    // Each row: the brush and font colour of the form's canvas, and the dot and ground they
    // give.
    struct Row {
        TColor brush, font;
        QColor dot, ground;
    };
    const Row rows[] = {{clWhite, clBlack, Qt::black, Qt::white},
                        {clBlue, clYellow, Qt::yellow, Qt::blue},
                        {clWhite, clBlack, Qt::black, Qt::white}};
    Begin();
    QWidget* widget = WidgetOf(Form->Handle());
    for (const Row& row : rows) {
        Form->Canvas()->Brush()->SetColor(row.brush);
        Form->Canvas()->Font()->SetColor(row.font);
        // A small part only, as a control moved away asks for.
        const TRect part = Bounds(37, 21, 30, 19);
        InvalidateRect(Form->Handle(), &part, true);
        Process();
        const QImage shown =
            QGuiApplication::primaryScreen()->grabWindow(Window()->winId()).toImage();
        const QPoint origin = widget->mapTo(widget->window(), QPoint());
        for (int y = part.Top; y < part.Bottom; ++y)
            for (int x = part.Left; x < part.Right; ++x)
                ASSERT_EQ(QColor(shown.pixel(origin + QPoint(x, y))),
                          x % 8 == 0 && y % 8 == 0 ? row.dot : row.ground)
                    << x << "," << y;
    }
    Designer->EndDesign();
}

TEST_F(DesignGrid, InnerDesignersDrawNoGrid) {
    auto* panel = Add(Form, Bounds(40, 40, 200, 120), "Panel1");
    panel->SetColor(clWhite);
    Begin();
    const QImage img = WidgetOf(panel->Handle())->grab().toImage();
    EXPECT_EQ(QColor(img.pixel(8, 8)), QColor(Qt::white));
    Designer->EndDesign();
}

} // namespace
