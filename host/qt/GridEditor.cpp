// The grid's in-place editor on QLineEdit.

#include <QKeyEvent>
#include <QLineEdit>

#include "host/qt/GridEditor_p.h"
#include "host/qt/Window_p.h"

namespace {
/// A frameless line edit that hands the keys of cell navigation to its grid.
class TGridEditorWidget : public QLineEdit {
public:
    explicit TGridEditorWidget(QWidget* parent) : QLineEdit(parent) { setFrame(false); }
    bool Hiding = false;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            Notify(GEN_KEY, VirtualKeyOf(e->key() == Qt::Key_Backtab ? Qt::Key_Tab : e->key()),
                   (e->modifiers() & Qt::ShiftModifier) || e->key() == Qt::Key_Backtab);
            e->accept();
            return;
        default:
            QLineEdit::keyPressEvent(e);
        }
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (!Hiding && isVisible()) Notify(GEN_KILLFOCUS, 0, false);
    }

private:
    void Notify(int code, uint16_t key, bool shift) {
        HWND self = HwndOf(this);
        TNMGridEditor nm{{self, 0, code}, key, shift};
        DeliverMessage(GetParent(self), CN_NOTIFY, 0, reinterpret_cast<intptr_t>(&nm.hdr));
    }
};

TGridEditorWidget* EditorOf(HWND editor) {
    return dynamic_cast<TGridEditorWidget*>(WidgetOf(editor));
}

QRect QRectOf(const TRect& r) {
    return QRect(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
}
} // namespace

HWND CreateGridEditor(HWND grid) {
    QWidget* host = WidgetOf(grid);
    if (!host) return nullptr;
    auto* editor = new TGridEditorWidget(host);
    editor->hide();
    return AdoptWidget(editor);
}

void ShowGridEditor(HWND editor, const TRect& r, const std::string& text, bool selectAll) {
    TGridEditorWidget* w = EditorOf(editor);
    if (!w) return;
    w->setText(QString::fromStdString(text));
    if (selectAll)
        w->selectAll();
    else
        w->setCursorPosition(static_cast<int>(w->text().size()));
    ApplyWindowGeometry(editor, QRectOf(r).adjusted(2, 2, -1, -1));
    w->show();
    w->raise();
    SetFocus(editor);
}

void MoveGridEditor(HWND editor, const TRect& r) {
    ApplyWindowGeometry(editor, QRectOf(r).adjusted(2, 2, -1, -1));
}

void HideGridEditor(HWND editor, HWND focusTo) {
    TGridEditorWidget* w = EditorOf(editor);
    if (!w || !w->isVisible()) return;
    w->Hiding = true;
    // The focus goes where it is sent before the editor disappears, rather than wherever Qt
    // would move it from a hidden widget.
    if (focusTo && w->hasFocus()) SetFocus(focusTo);
    w->hide();
    w->Hiding = false;
}

bool GridEditorVisible(HWND editor) {
    TGridEditorWidget* w = EditorOf(editor);
    return w && w->isVisible();
}

std::string GridEditorText(HWND editor) {
    TGridEditorWidget* w = EditorOf(editor);
    return w ? w->text().toStdString() : std::string();
}
