// The EDIT window class: a QLineEdit that answers the edit messages, converts letter case of
// everything that comes in (typed, pasted, set by code) and shows any password character, and
// reports each change of its text as EN_CHANGE.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProxyStyle>
#include <QSignalBlocker>

#include <memory>

#include "host/qt/EditWindows_p.h"
#include "host/qt/StdWidgets_p.h"
#include "host/qt/Window_p.h"

namespace {
/// Shows a chosen character in place of each character of a password.
class TPasswordStyle : public QProxyStyle {
public:
    QChar Char = u'*';
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return Char.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

/// The single-line edit.
class TLineEditWidget : public QLineEdit, public TEditOps {
public:
    explicit TLineEditWidget(QWidget* parent) : QLineEdit(parent) {
        connect(this, &QLineEdit::textChanged, this, [this] { NotifyControl(this, EN_CHANGE); });
    }
    ~TLineEditWidget() override {
        if (FPasswordStyle) setStyle(nullptr);
    }
    TLineEditWidget(const TLineEditWidget&) = delete;
    TLineEditWidget& operator=(const TLineEditWidget&) = delete;

    /// The text as ES_UPPERCASE or ES_LOWERCASE has it.
    QString Convert(const QString& text) const { return ConvertCase(text, WindowStyleOf(this)); }

    /// Text the user brings in other than by typing (pasting, dropping, an input method):
    /// the first line of it, converted; the length limit then holds as for typing.
    void InsertAsTyped(const QString& text) { insert(Convert(FirstLine(text))); }

    void ApplyStyle() {
        const uint32_t style = WindowStyleOf(this);
        const uint32_t exStyle = static_cast<uint32_t>(GetWindowLong(HwndOf(this), GWL_EXSTYLE));
        setAlignment((style & ES_CENTER)  ? Qt::AlignHCenter | Qt::AlignVCenter
                     : (style & ES_RIGHT) ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter);
        setReadOnly(style & ES_READONLY);
        setFrame((exStyle & WS_EX_CLIENTEDGE) || (style & WS_BORDER));
        const QString converted = Convert(text());
        if (converted != text()) setText(converted);
        UpdateSelectionColors(this);
    }

    void SetPasswordChar(int ch) {
        if (ch == 0) {
            setEchoMode(QLineEdit::Normal);
            return;
        }
        if (!FPasswordStyle) {
            FPasswordStyle = std::make_unique<TPasswordStyle>();
            setStyle(FPasswordStyle.get());
        }
        FPasswordStyle->Char = QChar(static_cast<char16_t>(ch));
        setEchoMode(QLineEdit::Password);
        update();
    }
    int PasswordChar() const {
        return echoMode() == QLineEdit::Password && FPasswordStyle ? FPasswordStyle->Char.unicode()
                                                                   : 0;
    }

    // TEditOps
    QString EditText() const override { return text(); }
    int SelectionStart() const override {
        return hasSelectedText() ? selectionStart() : cursorPosition();
    }
    int SelectionEnd() const override {
        return hasSelectedText() ? selectionEnd() : cursorPosition();
    }
    void Select(int start, int end) override {
        if (start < 0) {
            deselect();
            return;
        }
        const int length = static_cast<int>(text().size());
        if (end < 0 || end > length) end = length;
        start = std::min(start, length);
        setSelection(start, end - start);
    }
    void ReplaceSelection(const QString& text) override { insert(Convert(text)); }
    bool IsModified() const override { return isModified(); }
    void SetModified(bool modified) override { setModified(modified); }
    bool CanUndo() const override { return isUndoAvailable(); }
    void UndoLast() override { undo(); }
    void EmptyUndo() override {
        // Setting the text anew empties Qt's undo history; nothing else may notice.
        const QSignalBlocker block(this);
        const bool modified = isModified();
        const int cursor = cursorPosition();
        setText(text());
        setModified(modified);
        setCursorPosition(cursor);
    }
    void SetReadOnlyState(bool readOnly) override { setReadOnly(readOnly); }
    bool ReadOnlyState() const override { return isReadOnly(); }
    void SetLimit(int limit) override { setMaxLength(limit > 0 ? limit : 32767); }
    int Limit() const override { return maxLength(); }
    void CopySelection() override { copy(); }
    void PasteClipboard() override {
        const QString clip = QGuiApplication::clipboard()->text();
        if (!clip.isEmpty() || hasSelectedText()) InsertAsTyped(clip);
    }

protected:
    // Qt's own paste paths insert the clipboard as it is; each goes through PasteClipboard or
    // InsertAsTyped instead, so that letter case and the first-line rule hold for them too.
    void keyPressEvent(QKeyEvent* e) override {
        if (e->matches(QKeySequence::Paste)) {
            if (!isReadOnly()) PasteClipboard();
            e->accept();
            return;
        }
        const QString converted = Convert(e->text());
        if (converted == e->text()) {
            QLineEdit::keyPressEvent(e);
            return;
        }
        QKeyEvent typed(e->type(), e->key(), e->modifiers(), converted, e->isAutoRepeat(),
                        static_cast<quint16>(e->count()));
        QLineEdit::keyPressEvent(&typed);
        e->setAccepted(typed.isAccepted());
    }

    void contextMenuEvent(QContextMenuEvent* e) override {
        QMenu* menu = createStandardContextMenu();
        if (!menu) return;
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction* action : menu->actions()) {
            // Qt connects its menu by signature.
            if (!QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) continue;
            action->setObjectName(QStringLiteral("edit-paste"));
            connect(action, &QAction::triggered, this, [this] {
                if (!isReadOnly()) PasteClipboard();
            });
        }
        menu->popup(e->globalPos());
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        // The X11 selection pasted by the middle button.
        if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            if (!isReadOnly()) {
                deselect();
                InsertAsTyped(QGuiApplication::clipboard()->text(QClipboard::Selection));
            }
            e->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(e);
    }

    void dropEvent(QDropEvent* e) override {
        if (e->source() == this || !e->mimeData()->hasText()) {
            QLineEdit::dropEvent(e);
            return;
        }
        QMimeData converted;
        converted.setText(Convert(FirstLine(e->mimeData()->text())));
        QDropEvent copy(e->position(), e->possibleActions(), &converted, e->buttons(),
                        e->modifiers(), e->type());
        QLineEdit::dropEvent(&copy);
        e->setDropAction(copy.dropAction());
        e->setAccepted(copy.isAccepted());
    }

    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        UpdateSelectionColors(this);
    }

    void focusOutEvent(QFocusEvent* e) override {
        // The platform's edit keeps its selection when it loses the focus; Qt's drops it.
        const int start = selectionStart();
        const int length = static_cast<int>(selectedText().size());
        const int cursor = cursorPosition();
        QLineEdit::focusOutEvent(e);
        if (start >= 0 && !hasSelectedText()) {
            const QSignalBlocker block(this);
            if (cursor == start)
                setSelection(start + length, -length);
            else
                setSelection(start, length);
        }
        UpdateSelectionColors(this);
    }

    void changeEvent(QEvent* e) override {
        QLineEdit::changeEvent(e);
        if (e->type() == QEvent::PaletteChange) UpdateSelectionColors(this);
    }

    void inputMethodEvent(QInputMethodEvent* e) override {
        const QString converted = Convert(e->commitString());
        if (converted == e->commitString()) {
            QLineEdit::inputMethodEvent(e);
            return;
        }
        QInputMethodEvent copy(e->preeditString(), e->attributes());
        copy.setCommitString(converted, e->replacementStart(), e->replacementLength());
        QLineEdit::inputMethodEvent(&copy);
        e->setAccepted(copy.isAccepted());
    }

private:
    std::unique_ptr<TPasswordStyle> FPasswordStyle;
};

bool EditMessage(QWidget* w, uint32_t msg, intptr_t wp, intptr_t lp, intptr_t& result) {
    auto* edit = static_cast<TLineEditWidget*>(w);
    switch (msg) {
    case WM_STYLECHANGED:
        edit->ApplyStyle();
        return true;
    case EM_SETPASSWORDCHAR:
        edit->SetPasswordChar(static_cast<int>(wp & 0xFFFF));
        return true;
    case EM_GETPASSWORDCHAR:
        result = edit->PasswordChar();
        return true;
    default:
        return HandleEditMessage(*edit, msg, wp, lp, result);
    }
}

const bool gEditClassRegistered = [] {
    RegisterWindowClass({"EDIT", [](QWidget* parent) { return new TLineEditWidget(parent); },
                         [](QWidget* w, const QString& text) {
                             auto* edit = static_cast<TLineEditWidget*>(w);
                             edit->setText(edit->Convert(text));
                         },
                         [](const QWidget* w) { return static_cast<const QLineEdit*>(w)->text(); },
                         EditMessage});
    return true;
}();
} // namespace
