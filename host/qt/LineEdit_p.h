#pragma once
// The single-line field of edits and combo boxes. Private to host/.

#include <QLineEdit>

#include "host/qt/EditWindows_p.h"

/// A QLineEdit that holds everything the user brings in (typed, pasted by any path, dropped,
/// committed by an input method, put in place of the selection) to the first line, the
/// conversion of Convert and its length limit; text set by code is kept whole.
class TLineEdit : public QLineEdit {
public:
    explicit TLineEdit(QWidget* parent);

    /// What comes in becomes this; none by default.
    virtual QString Convert(const QString& text) const { return text; }

    void SetLimit(int limit) { FLimit.Limit = limit; }
    int Limit() const { return FLimit.Reported(); }
    /// Replaces the selection with text as typing would: converted, cut to the room left.
    /// Pasted text is only its first line; the callers cut it.
    void InsertAsTyped(const QString& text);
    /// Replaces the selection with the clipboard's first line, as typing would.
    void PasteClipboard();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    int SelectedLength() const { return static_cast<int>(selectedText().size()); }
    /// text cut to the room the limit leaves in place of the selection.
    QString Fit(const QString& text) const {
        return FLimit.Fit(text, static_cast<int>(this->text().size()), SelectedLength());
    }

    TTextLimit FLimit;
};
