// The dotted grid drawn over a root design form after every paint.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include "DesignTesting.h"
#include "host/containers/Panels.h"
#include "host/graphics/Graphics.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignGrid : public DesignTest {
protected:
    QImage Grab() { return WidgetOf(Form->Handle())->grab().toImage(); }
};

TEST_F(DesignGrid, DotsAtTheGridSizeInTheTextColourOverTheFormColour) {
    Form->SetColor(clWhite);
    Form->Font()->SetColor(clBlack);
    // The grid size asked for, and the pitch drawn: 8 by default, 4 to 64 at most.
    const struct {
        int Asked, Pitch;
    } cases[] = {{8, 8}, {16, 16}, {2, 4}, {100, 64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Asked);
        Designer->SetGridSize(c.Asked);
        EXPECT_EQ(Designer->GridSize(), c.Pitch);
        Begin();
        const QImage img = Grab();
        const int p = c.Pitch;
        const QRgb dot = img.pixel(2 * p, 3 * p), ground = img.pixel(2 * p + 1, 3 * p);
        EXPECT_EQ(qRed(dot) + qGreen(dot) + qBlue(dot), 0);
        EXPECT_EQ(QColor(ground), QColor(Qt::white));
        for (QPoint at : {QPoint(0, 0), QPoint(p, p), QPoint(3 * p, p), QPoint(p, 4 * p)})
            EXPECT_EQ(img.pixel(at), dot) << at.x() << "," << at.y();
        for (QPoint at : {QPoint(p / 2, 0), QPoint(p, p + 1), QPoint(3 * p - 1, p)})
            EXPECT_EQ(img.pixel(at), ground) << at.x() << "," << at.y();
        Designer->EndDesign();
        Process();
        EXPECT_EQ(Grab().pixel(2 * p, 3 * p), ground) << "no grid outside a session";
    }
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

TEST_F(DesignGrid, UnderAControlTheOverlayShowsItsParentsColourNotTheGrid) {
    // A transparent label paints only its text: around it the overlay shows the colour of
    // the label's parent, also after that colour changes in the session.
    Form->SetColor(clWhite);
    Form->Font()->SetColor(clBlack);
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(40, 40, 240, 160);
    panel->SetParentBackground(false);
    panel->SetColor(clYellow);
    auto* onPanel = new TLabel(Form);
    auto* onForm = new TLabel(Form);
    for (TLabel* label : {onPanel, onForm}) {
        label->SetAutoSize(false);
        label->SetTransparent(true);
        label->SetCaption("i");
        label->SetParent(label == onPanel ? static_cast<TWinControl*>(panel) : Form);
    }
    onPanel->SetBounds(20, 20, 120, 40);
    onForm->SetBounds(8, 210, 120, 40);
    Begin();
    // Both points lie on the grid's dots, which the overlays cover.
    const QPoint inPanelLabel(160, 88), inFormLabel(120, 232);
    QImage img = Grab();
    EXPECT_EQ(QColor(img.pixel(inPanelLabel)), QColor(Qt::yellow));
    EXPECT_EQ(QColor(img.pixel(inFormLabel)), QColor(Qt::white));
    panel->SetColor(clAqua);
    Process();
    img = Grab();
    EXPECT_EQ(QColor(img.pixel(inPanelLabel)), QColor(Qt::cyan));
    Designer->EndDesign();
}

} // namespace
