#include "WindowTesting.h"

namespace {
void PublishNothing(TPublisher&) {}

/// The test button's window class: a real QPushButton.
void RegisterTestButtonClass() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterWindowClass(
        {"ZkTestButton", [](QWidget* parent) { return new QPushButton(parent); },
         [](QWidget* w, const QString& t) { static_cast<QPushButton*>(w)->setText(t); },
         [](const QWidget* w) { return static_cast<const QPushButton*>(w)->text(); }});
}
} // namespace

ZK_IMPLEMENT_CLASS(TTestButton, TWinControl, PublishNothing)
ZK_IMPLEMENT_CLASS(TTestPanel, TCustomControl, nullptr)
ZK_IMPLEMENT_CLASS(TTestGraphic, TGraphicControl, nullptr)

TTestButton::TTestButton(TComponent* AOwner) : TWinControl(AOwner) {
    RegisterTestButtonClass();
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TTestButton::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = "ZkTestButton";
}

MessageLog::MessageLog(TControl* control) : FControl(control), FSaved(control->WindowProc) {
    control->WindowProc = [this](TMessage& m) {
        Entry e{m.Msg, m.WParam, m.LParam, FControl->BoundsRect(), {}};
        size_t index = FEntries.size();
        FEntries.push_back(e);
        if (std::find(Swallow.begin(), Swallow.end(), m.Msg) == Swallow.end()) FSaved(m);
        FEntries[index].After = FControl->BoundsRect();
    };
}

MessageLog::~MessageLog() {
    FControl->WindowProc = FSaved;
}

std::vector<uint32_t> MessageLog::Messages(const std::vector<uint32_t>& filter) const {
    std::vector<uint32_t> out;
    for (const Entry& e : FEntries)
        if (filter.empty() || std::find(filter.begin(), filter.end(), e.Msg) != filter.end())
            out.push_back(e.Msg);
    return out;
}

int MessageLog::Count(uint32_t msg) const {
    return static_cast<int>(std::count_if(FEntries.begin(), FEntries.end(),
                                          [msg](const Entry& e) { return e.Msg == msg; }));
}

void WindowTest::SetUp() {
    FTopLevels = static_cast<int>(QApplication::topLevelWidgets().size());
    Application->SetErrorReport([this](const std::string& m) { Errors.push_back(m); });
    Form = new TForm(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    Process();
}

void WindowTest::TearDown() {
    ReleaseCapture();
    ClipCursor(nullptr);
    FreeAndNil(Form);
    Process();
    Application->SetErrorReport(nullptr);
    int now = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != ScreenLayerWidget()) ++now;
    int before = FTopLevels;
    EXPECT_LE(now, before) << "a top-level window was leaked";
}

QWindow* WindowTest::Window() const {
    return WidgetOf(Form->Handle())->windowHandle();
}

TPoint WindowTest::At(TControl* c, int x, int y) const {
    TPoint s = c->ClientToScreen({x, y});
    return Form->ScreenToClient(s);
}

void WindowTest::Press(TPoint p, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    QTest::mousePress(Window(), b, m, QPoint(p.X, p.Y));
}
void WindowTest::Release(TPoint p, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    QTest::mouseRelease(Window(), b, m, QPoint(p.X, p.Y));
}
void WindowTest::Move(TPoint p) {
    QTest::mouseMove(Window(), QPoint(p.X, p.Y));
}
void WindowTest::Key(Qt::Key key, Qt::KeyboardModifiers m) {
    QTest::keyClick(Window(), key, m);
}
void WindowTest::Process() {
    Application->ProcessMessages();
}
