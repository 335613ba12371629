// The MEMO window class: a QPlainTextEdit that answers the edit messages, lines included, holds
// what comes in (typed, pasted, replaced by code) to its letter case and length limit, and takes
// its mouse input (viewport and scroll bars) through its control's window procedure.

#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "host/qt/EditWindows_p.h"
#include "host/qt/PartInput_p.h"
#include "host/qt/StdWidgets_p.h"
#include "host/qt/Window_p.h"

namespace {
/// The multi-line edit.
class TMemoWidget : public QPlainTextEdit, public TEditOps {
public:
    explicit TMemoWidget(QWidget* parent) : QPlainTextEdit(parent), FInner(this) {
        document()->setDocumentMargin(2);
        connect(this, &QPlainTextEdit::textChanged, this,
                [this] { NotifyControl(this, EN_CHANGE); });
        connect(this, &QPlainTextEdit::selectionChanged, this,
                [this] { UpdateSelectionColors(this); });
        FInner.Seal();
    }

    void ApplyStyle() {
        const uint32_t style = WindowStyleOf(this);
        const auto exStyle = static_cast<uint32_t>(GetWindowLong(HwndOf(this), GWL_EXSTYLE));
        setLineWrapMode((style & ES_AUTOHSCROLL) ? NoWrap : WidgetWidth);
        setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
        QTextOption option = document()->defaultTextOption();
        option.setAlignment((style & ES_CENTER)  ? Qt::AlignHCenter
                            : (style & ES_RIGHT) ? Qt::AlignRight
                                                 : Qt::AlignLeft);
        document()->setDefaultTextOption(option);
        setReadOnly(style & ES_READONLY);
        const QString text = toPlainText();
        if (Convert(text) != text) SetText(text);
        UpdateSelectionColors(this);
        ApplyWindowFrame(this, style, exStyle);
        FInner.Seal();
    }

    // TEditOps
    QString EditText() const override { return toPlainText(); }
    int SelectionStart() const override { return textCursor().selectionStart(); }
    int SelectionEnd() const override { return textCursor().selectionEnd(); }
    void Select(int start, int end) override {
        QTextCursor cursor = textCursor();
        if (start < 0) {
            cursor.clearSelection();
            setTextCursor(cursor);
            return;
        }
        const int length = CharacterCount();
        if (end < 0 || end > length) end = length;
        cursor.setPosition(std::min(start, length));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
    /// As typing: converted to the window's letter case and cut to the room the limit leaves.
    void ReplaceSelection(const QString& text) override {
        textCursor().insertText(Limited(Convert(text)));
    }
    bool IsModified() const override { return document()->isModified(); }
    void SetModified(bool modified) override { document()->setModified(modified); }
    bool CanUndo() const override { return document()->isUndoAvailable(); }
    void UndoLast() override { undo(); }
    void EmptyUndo() override { document()->clearUndoRedoStacks(); }
    void SetReadOnlyState(bool readOnly) override { setReadOnly(readOnly); }
    bool ReadOnlyState() const override { return isReadOnly(); }
    void SetLimit(int limit) override { FLimit.Limit = limit; }
    int Limit() const override { return FLimit.Reported(); }
    void CopySelection() override { copy(); }
    void PasteClipboard() override { paste(); }
    int LineCount() const override { return document()->blockCount(); }
    int LineIndex(int line) const override {
        if (line < 0) return textCursor().block().position();
        const QTextBlock block = document()->findBlockByNumber(line);
        return block.isValid() ? block.position() : -1;
    }
    int LineLength(int position) const override {
        const QTextBlock block = document()->findBlock(position);
        return block.isValid() ? block.length() - 1 : 0;
    }
    int LineFromChar(int position) const override {
        if (position < 0) return textCursor().blockNumber();
        return document()->findBlock(position).blockNumber();
    }

    /// WM_SETTEXT: converted, but not limited (the limit is on what the user enters).
    void SetText(const QString& text) { setPlainText(Convert(text)); }

protected:
    // Every paste (keys, context menu, middle button, drop) arrives here.
    bool canInsertFromMimeData(const QMimeData* source) const override { return source->hasText(); }
    void insertFromMimeData(const QMimeData* source) override {
        QMimeData adjusted;
        adjusted.setText(Limited(Convert(source->text())));
        QPlainTextEdit::insertFromMimeData(&adjusted);
    }

    void inputMethodEvent(QInputMethodEvent* e) override {
        PassCommitted(
            e, [this](const QString& text) { return Limited(Convert(text)); },
            [this](QInputMethodEvent* m) { QPlainTextEdit::inputMethodEvent(m); });
    }

    void focusInEvent(QFocusEvent* e) override {
        QPlainTextEdit::focusInEvent(e);
        UpdateSelectionColors(this);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QPlainTextEdit::focusOutEvent(e);
        UpdateSelectionColors(this);
    }
    void changeEvent(QEvent* e) override {
        QPlainTextEdit::changeEvent(e);
        if (e->type() == QEvent::PaletteChange) UpdateSelectionColors(this);
    }

    bool event(QEvent* e) override {
        if (FInner.Forward(e)) return true;
        if (e->type() == QEvent::ChildPolished) FInner.Seal();
        return QPlainTextEdit::event(e);
    }

    void keyPressEvent(QKeyEvent* e) override {
        // A paste goes through insertFromMimeData.
        if (isReadOnly() || e->matches(QKeySequence::Paste)) {
            QPlainTextEdit::keyPressEvent(e);
            return;
        }
        PassTyped(
            e, [this](const QString& typed) { return Limited(Convert(typed)); },
            [this](QKeyEvent* k) { QPlainTextEdit::keyPressEvent(k); },
            [this] { textCursor().removeSelectedText(); });
    }

private:
    int CharacterCount() const { return document()->characterCount() - 1; }
    QString Convert(const QString& text) const { return ConvertCase(text, WindowStyleOf(this)); }
    /// As much of text as the limit leaves room for in place of the selection.
    QString Limited(const QString& text) const {
        const QTextCursor cursor = textCursor();
        return FLimit.Fit(text, CharacterCount(), cursor.selectionEnd() - cursor.selectionStart());
    }

    TPartInput FInner;
    TTextLimit FLimit;
};

bool MemoMessage(QWidget* w, uint32_t msg, intptr_t wp, intptr_t lp, intptr_t& result) {
    auto* memo = static_cast<TMemoWidget*>(w);
    if (msg == WM_STYLECHANGED) {
        memo->ApplyStyle();
        return true;
    }
    if (msg == WM_GETDLGCODE) {
        result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return true;
    }
    return HandleEditMessage(*memo, msg, wp, lp, result);
}

const bool gMemoClassRegistered = [] {
    RegisterWindowClass(
        {"MEMO", [](QWidget* parent) { return new TMemoWidget(parent); },
         [](QWidget* w, const QString& text) { static_cast<TMemoWidget*>(w)->SetText(text); },
         [](const QWidget* w) { return static_cast<const QPlainTextEdit*>(w)->toPlainText(); },
         MemoMessage});
    return true;
}();
} // namespace
