#include "StdTesting.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

SwallowInput::SwallowInput(TControl* control) : FControl(control), FSaved(control->WindowProc) {
    control->WindowProc = [this](TMessage& m) {
        const bool mouse = m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST;
        const bool key = (m.Msg >= WM_KEYFIRST && m.Msg <= WM_KEYLAST) ||
                         (m.Msg >= CN_KEYDOWN && m.Msg <= CN_SYSCHAR);
        if (mouse || key) {
            ++FSwallowed;
            return;
        }
        FSaved(m);
    };
}

SwallowInput::~SwallowInput() {
    FControl->WindowProc = FSaved;
}

TSnapshot SnapshotOf(TControl* control) {
    std::string s = "text=" + control->Caption();
    if (auto* box = Cast<TCheckBox>(control)) s += " state=" + std::to_string(box->State());
    if (auto* radio = Cast<TRadioButton>(control))
        s += " checked=" + std::to_string(radio->Checked());
    if (auto* list = Cast<TCustomListControl>(control))
        s += " index=" + std::to_string(list->ItemIndex());
    if (auto* combo = Cast<TComboBox>(control))
        s += " dropped=" + std::to_string(combo->DroppedDown());
    if (auto* win = Cast<TWinControl>(control)) {
        if (QWidget* w = WidgetOf(win->Handle())) {
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                s += " down=" + std::to_string(button->isDown());
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                s += " cursor=" + std::to_string(edit->cursorPosition());
        }
    }
    return s;
}

bool StdTest::PasteFromContextMenu(TControl* field, const char* text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    const TPoint at = At(field, 20, 8);
    Press(at, Qt::RightButton);
    Release(at, Qt::RightButton);
    QWidget* menu = QApplication::activePopupWidget();
    auto* paste = menu ? menu->findChild<QAction*>("edit-paste") : nullptr;
    if (paste) paste->trigger();
    if (menu) menu->close();
    Process();
    return paste != nullptr;
}

QImage StdTest::Grab(TWinControl* control) {
    return WidgetOf(control->Handle())->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int StdTest::CountColor(const QImage& image, const QRect& rect, QColor color) {
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - color.red()) < 8 && std::abs(c.green() - color.green()) < 8 &&
                std::abs(c.blue() - color.blue()) < 8)
                ++count;
        }
    return count;
}
