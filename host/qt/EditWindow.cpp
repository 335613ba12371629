// The EDIT window class: a line edit that answers the edit messages, converts letter case of
// everything that comes in (typed, pasted, set by code), holds what the user enters to its length
// limit, shows any password character, and reports each change of its text as EN_CHANGE.

#include <QFocusEvent>
#include <QProxyStyle>
#include <QSignalBlocker>

#include <memory>

#include "host/qt/LineEdit_p.h"
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
class TLineEditWidget : public TLineEdit, public TEditOps {
public:
    explicit TLineEditWidget(QWidget* parent) : TLineEdit(parent) {
        connect(this, &QLineEdit::textChanged, this, [this] { NotifyControl(this, EN_CHANGE); });
        connect(this, &QLineEdit::selectionChanged, this, [this] {
            HideCaretWhenUnfocused();
            UpdateSelectionColors(this);
        });
    }
    ~TLineEditWidget() override {
        if (FPasswordStyle) setStyle(nullptr);
    }
    TLineEditWidget(const TLineEditWidget&) = delete;
    TLineEditWidget& operator=(const TLineEditWidget&) = delete;

    /// The text as ES_UPPERCASE or ES_LOWERCASE has it.
    QString Convert(const QString& text) const override {
        return ConvertCase(text, WindowStyleOf(this));
    }

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
    /// As typing: converted and cut to the room the limit leaves.
    void ReplaceSelection(const QString& text) override { InsertAsTyped(text); }
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
    void SetLimit(int limit) override { TLineEdit::SetLimit(limit); }
    int Limit() const override { return TLineEdit::Limit(); }
    void CopySelection() override { copy(); }
    void PasteClipboard() override { TLineEdit::PasteClipboard(); }

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        UpdateSelectionColors(this);
    }

    /// Qt's handling of a focus loss to another window: it keeps the selection, as the
    /// platform's edit does on any focus loss, and hides the caret.
    void LoseFocusKeepingSelection() {
        QFocusEvent kept(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QLineEdit::focusOutEvent(&kept);
    }

    /// Qt shows the caret with any selection, focused or not; an unfocused edit shows none.
    void HideCaretWhenUnfocused() {
        if (!hasFocus() && hasSelectedText()) LoseFocusKeepingSelection();
    }

    void focusOutEvent(QFocusEvent* e) override {
        // Other focus losses make Qt drop the selection; putting it back afterwards would
        // show the caret again in the unfocused edit.
        if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason)
            QLineEdit::focusOutEvent(e);
        else
            LoseFocusKeepingSelection();
        UpdateSelectionColors(this);
    }

    void changeEvent(QEvent* e) override {
        QLineEdit::changeEvent(e);
        if (e->type() == QEvent::PaletteChange) UpdateSelectionColors(this);
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
