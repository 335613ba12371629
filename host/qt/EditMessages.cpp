// The edit messages, answered alike by single- and multi-line edits, and the rules both hold what
// comes in to.

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cstring>

#include "host/qt/EditWindows_p.h"
#include "host/stdctrls/StdCtrls.h"

QString ConvertCase(const QString& text, uint32_t style) {
    const bool upper = style & ES_UPPERCASE;
    if (!upper && !(style & ES_LOWERCASE)) return text;
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const bool pair =
            out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(out[i], out[i + 1]) : out[i].unicode();
        const char32_t converted = upper ? QChar::toUpper(c) : QChar::toLower(c);
        // The simple mapping; a character whose converted form would change length stays.
        if (QChar::requiresSurrogates(converted) == pair) {
            if (pair) {
                out[i] = QChar(QChar::highSurrogate(converted));
                out[i + 1] = QChar(QChar::lowSurrogate(converted));
            } else {
                out[i] = QChar(static_cast<char16_t>(converted));
            }
        }
        if (pair) ++i;
    }
    return out;
}

QString FirstLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\r' || text[i] == u'\n') return text.left(i);
    return text;
}

QString TTextLimit::Fit(const QString& text, int length, int selected) const {
    if (Limit <= 0) return text;
    const qsizetype room = std::max(Limit - (length - selected), 0);
    if (text.size() <= room) return text;
    qsizetype cut = room;
    if (cut > 0 && text[cut - 1].isHighSurrogate()) --cut;
    return text.left(cut);
}

void PassTyped(QKeyEvent* e, const std::function<QString(const QString&)>& adjust,
               const std::function<void(QKeyEvent*)>& pass,
               const std::function<void()>& dropSelection) {
    const QString typed = e->text();
    if (typed.isEmpty() || !typed.front().isPrint()) {
        pass(e);
        return;
    }
    const QString adjusted = adjust(typed);
    if (adjusted.isEmpty()) {
        dropSelection();
        e->accept();
        return;
    }
    if (adjusted == typed) {
        pass(e);
        return;
    }
    QKeyEvent copy(e->type(), e->key(), e->modifiers(), adjusted, e->isAutoRepeat(),
                   static_cast<quint16>(e->count()));
    pass(&copy);
    e->setAccepted(copy.isAccepted());
}

void PassCommitted(QInputMethodEvent* e, const std::function<QString(const QString&)>& adjust,
                   const std::function<void(QInputMethodEvent*)>& pass) {
    const QString adjusted = adjust(e->commitString());
    if (adjusted == e->commitString()) {
        pass(e);
        return;
    }
    QInputMethodEvent copy(e->preeditString(), e->attributes());
    copy.setCommitString(adjusted, e->replacementStart(), e->replacementLength());
    pass(&copy);
    e->setAccepted(copy.isAccepted());
}

bool HandleEditMessage(TEditOps& ops, uint32_t msg, intptr_t wParam, intptr_t lParam,
                       intptr_t& result) {
    switch (msg) {
    case WM_GETDLGCODE:
        result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        return true;
    case EM_GETSEL: {
        const int start = ops.SelectionStart();
        const int end = ops.SelectionEnd();
        if (wParam) *reinterpret_cast<int*>(wParam) = start;
        if (lParam) *reinterpret_cast<int*>(lParam) = end;
        result = MakeLong(start, end);
        return true;
    }
    case EM_SETSEL:
        ops.Select(static_cast<int>(wParam), static_cast<int>(lParam));
        return true;
    case EM_GETSELTEXT: {
        const QByteArray text =
            ops.EditText()
                .mid(ops.SelectionStart(), ops.SelectionEnd() - ops.SelectionStart())
                .toUtf8();
        if (lParam) {
            std::memcpy(reinterpret_cast<char*>(lParam), text.constData(),
                        static_cast<size_t>(text.size()));
            reinterpret_cast<char*>(lParam)[text.size()] = 0;
        }
        result = text.size();
        return true;
    }
    case EM_REPLACESEL:
        ops.ReplaceSelection(lParam ? QString::fromUtf8(reinterpret_cast<const char*>(lParam))
                                    : QString());
        return true;
    case EM_GETMODIFY:
        result = ops.IsModified();
        return true;
    case EM_SETMODIFY:
        ops.SetModified(wParam != 0);
        return true;
    case EM_CANUNDO:
        result = ops.CanUndo();
        return true;
    case EM_UNDO:
        result = ops.CanUndo();
        ops.UndoLast();
        return true;
    case EM_EMPTYUNDOBUFFER:
        ops.EmptyUndo();
        return true;
    case EM_SETREADONLY:
        ops.SetReadOnlyState(wParam != 0);
        result = 1;
        return true;
    case EM_LIMITTEXT:
        ops.SetLimit(static_cast<int>(wParam));
        return true;
    case EM_GETLIMITTEXT:
        result = ops.Limit();
        return true;
    case EM_GETLINECOUNT:
        result = ops.LineCount();
        return true;
    case EM_LINEINDEX:
        result = ops.LineIndex(static_cast<int>(wParam));
        return true;
    case EM_LINELENGTH:
        result = ops.LineLength(static_cast<int>(wParam));
        return true;
    case EM_LINEFROMCHAR:
        result = ops.LineFromChar(static_cast<int>(wParam));
        return true;
    case WM_CUT:
        // A read-only edit copies, and keeps its text.
        ops.CopySelection();
        if (!ops.ReadOnlyState()) ops.ReplaceSelection(QString());
        return true;
    case WM_COPY:
        ops.CopySelection();
        return true;
    case WM_PASTE:
        if (!ops.ReadOnlyState()) ops.PasteClipboard();
        return true;
    case WM_CLEAR:
        if (!ops.ReadOnlyState()) ops.ReplaceSelection(QString());
        return true;
    default:
        return false;
    }
}
