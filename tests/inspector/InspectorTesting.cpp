#include "InspectorTesting.h"

ZK_ENUM_TYPEINFO(TShade, "shLight", "shMedium", "shDark")

namespace {
void PublishTarget(TPublisher& p) {
    using T = TInspTarget;
    p.Prop("Flag", TypeInfos::WordBool(), &T::Flag, &T::Flag);
    p.Prop("Day", TypeInfos::TDate(), &T::Day, &T::Day);
    p.Prop("Stamp", TypeInfos::TDateTime(), &T::Stamp, &T::Stamp);
    p.Prop("Wide", TypeInfos::WideString(), &T::Wide, &T::Wide);
    p.Prop("RightMargin", &T::RightMargin, &T::RightMargin);
    p.Prop("Shade", TypeInfoOf<TShade>(), &T::Shade, &T::Shade);
    p.Prop("Lines", TypeInfoOf<TStrings*>(), &T::Lines, &T::SetLines);
    p.Prop("FileName", TypeInfos::TFileName(), &T::FileName, &T::FileName);
}
} // namespace

ZK_IMPLEMENT_CLASS(TInspTarget, TCustomControl, PublishTarget)

void InspectorTest::SetUp() {
    WindowTest::SetUp();
    Button1 = new TButton(Form);
    Button1->SetName("Button1");
    Button1->SetParent(Form);
    Button1->SetBounds(20, 20, 100, 30);
    Target = new TInspTarget(Form);
    Target->SetName("Target1");
    Target->SetParent(Form);
    Target->SetBounds(20, 60, 100, 30);
    Insp = new TObjectInspForm(nullptr);
    Insp->OnModify = [this](int item) { Modified.push_back(item); };
}

void InspectorTest::TearDown() {
    FreeAndNil(Insp);
    WindowTest::TearDown();
}

void InspectorTest::ShowInspector() {
    Insp->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(InspWindow()));
    InspWindow()->requestActivate();
    (void)QTest::qWaitForWindowActive(InspWindow());
    Process();
}

int InspectorTest::RowOf(const std::string& propName) const {
    for (int i = 0; i < Insp->GetCount(); ++i)
        if (Insp->Props(i)->PropName() == propName) return i;
    return -1;
}

QWindow* InspectorTest::InspWindow() const {
    return WidgetOf(Insp->Handle())->windowHandle();
}

static QPoint InspPoint(TObjectInspForm* insp, TControl* c, int x, int y) {
    const TPoint p = insp->ScreenToClient(c->ClientToScreen({x, y}));
    return QPoint(p.X, p.Y);
}

void InspectorTest::InspPress(TControl* c, int x, int y, Qt::MouseButton b) {
    QTest::mousePress(InspWindow(), b, {}, InspPoint(Insp, c, x, y));
    Process();
}
void InspectorTest::InspRelease(TControl* c, int x, int y, Qt::MouseButton b) {
    QTest::mouseRelease(InspWindow(), b, {}, InspPoint(Insp, c, x, y));
    Process();
}
void InspectorTest::InspMove(TControl* c, int x, int y) {
    QTest::mouseMove(InspWindow(), InspPoint(Insp, c, x, y));
    Process();
}

void InspectorTest::ClickRow(int row) {
    InspClick(Insp->PaintBox1, 20, row * Insp->RowHeight() + Insp->RowHeight() / 2);
}

void InspectorTest::InspKey(Qt::Key key) {
    QTest::keyClick(InspWindow(), key);
    Process();
}

void InspectorTest::InspType(const char* text) {
    for (const QChar ch : QString::fromUtf8(text)) {
        QTest::keyClick(InspWindow(), ch.toLatin1());
        Process();
    }
}

int InspectorTest::ExpectedRowHeight() {
    TBitmap bmp;
    bmp.SetSize(1, 1);
    bmp.Canvas()->Font()->SetName("MS Sans Serif");
    bmp.Canvas()->Font()->SetHeight(-11);
    return bmp.Canvas()->TextHeight("Wg") + 3;
}
