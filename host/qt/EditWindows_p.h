#pragma once
// What the edit messages (EM_*, WM_CUT ...) need of an edit widget, one line or many, and the
// handling they share. Positions are UTF-16 units, as Qt's and the platform's wide edits count.
// Private to host/.

#include <QString>

#include <cstdint>
#include <functional>

class QInputMethodEvent;
class QKeyEvent;

/// The text as the window's ES_UPPERCASE or ES_LOWERCASE style has it: each character on its
/// own, as the platform converts (so the length stays; "ß" stays "ß").
QString ConvertCase(const QString& text, uint32_t style);

/// The part of pasted text a single-line edit takes: up to the first line break.
QString FirstLine(const QString& text);

/// The length limit of an edit. It holds for what the user enters, not for text set by code.
struct TTextLimit {
    int Limit = 0; ///< 0: none

    /// As much of text as fits in place of `selected` of `length` characters: a selection
    /// being replaced makes room. A character is not split in half.
    QString Fit(const QString& text, int length, int selected) const;
    /// What EM_GETLIMITTEXT answers; without a limit, the platform's largest.
    int Reported() const { return Limit > 0 ? Limit : 0x7FFFFFFE; }
};

/// Hands a key on to an edit widget's own handling (pass) with its text adjusted (letter case,
/// length limit): as it is when that changes nothing, else as a copy with the new text. A
/// character none of which fits is taken without typing; dropSelection removes the selection
/// then, as a paste with no room does.
void PassTyped(QKeyEvent* e, const std::function<QString(const QString&)>& adjust,
               const std::function<void(QKeyEvent*)>& pass,
               const std::function<void()>& dropSelection);
/// The same for what an input method commits.
void PassCommitted(QInputMethodEvent* e, const std::function<QString(const QString&)>& adjust,
                   const std::function<void(QInputMethodEvent*)>& pass);

/// The edit operations behind the edit messages.
class TEditOps {
public:
    virtual ~TEditOps() = default;
    virtual QString EditText() const = 0;
    virtual int SelectionStart() const = 0;
    virtual int SelectionEnd() const = 0;
    /// Selects [start, end); the caret goes to end. start -1 removes the selection, end -1
    /// means the end of the text.
    virtual void Select(int start, int end) = 0;
    /// Replaces the selection as typing would, so that it can be undone.
    virtual void ReplaceSelection(const QString& text) = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    virtual bool CanUndo() const = 0;
    virtual void UndoLast() = 0;
    virtual void EmptyUndo() = 0;
    virtual void SetReadOnlyState(bool readOnly) = 0;
    virtual bool ReadOnlyState() const = 0;
    virtual void SetLimit(int limit) = 0;
    virtual int Limit() const = 0;
    virtual void CopySelection() = 0;
    /// Replaces the selection with the clipboard's text, converted and limited as typing is.
    virtual void PasteClipboard() = 0;
    virtual int LineCount() const { return 1; }
    /// The position where line starts (the caret's line for -1), or -1 past the last line.
    virtual int LineIndex(int line) const { return line <= 0 ? 0 : -1; }
    /// The length of the line that holds the position.
    virtual int LineLength(int position) const {
        (void)position;
        return static_cast<int>(EditText().size());
    }
    virtual int LineFromChar(int position) const {
        (void)position;
        return 0;
    }
};

/// Answers the edit messages on ops; false for other messages.
bool HandleEditMessage(TEditOps& ops, uint32_t msg, intptr_t wParam, intptr_t lParam,
                       intptr_t& result);
