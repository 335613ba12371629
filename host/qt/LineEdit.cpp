// The single-line field shared by edits and combo boxes: Qt's own ways of bringing text in
// insert it as it is and cut it to QLineEdit's maxLength, which cuts text set by code too; each
// way goes through InsertAsTyped or Fit instead, and maxLength never cuts.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <limits>

#include "host/qt/LineEdit_p.h"

TLineEdit::TLineEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

void TLineEdit::InsertAsTyped(const QString& text) {
    insert(Fit(Convert(text)));
}

void TLineEdit::PasteClipboard() {
    const QString clip = QGuiApplication::clipboard()->text();
    if (!clip.isEmpty() || hasSelectedText()) InsertAsTyped(FirstLine(clip));
}

void TLineEdit::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        if (!isReadOnly()) PasteClipboard();
        e->accept();
        return;
    }
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    PassTyped(
        e, [this](const QString& typed) { return Fit(Convert(typed)); },
        [this](QKeyEvent* k) { QLineEdit::keyPressEvent(k); },
        [this] {
            if (hasSelectedText()) del();
        });
}

void TLineEdit::contextMenuEvent(QContextMenuEvent* e) {
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

void TLineEdit::mouseReleaseEvent(QMouseEvent* e) {
    // The X11 selection pasted by the middle button.
    if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            InsertAsTyped(FirstLine(QGuiApplication::clipboard()->text(QClipboard::Selection)));
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TLineEdit::dropEvent(QDropEvent* e) {
    // Text moved within the field keeps the length.
    if (e->source() == this || !e->mimeData()->hasText()) {
        QLineEdit::dropEvent(e);
        return;
    }
    // Qt drops at the point, without replacing the selection: all of the field is kept.
    QMimeData adjusted;
    adjusted.setText(
        FLimit.Fit(Convert(FirstLine(e->mimeData()->text())), static_cast<int>(text().size()), 0));
    QDropEvent copy(e->position(), e->possibleActions(), &adjusted, e->buttons(), e->modifiers(),
                    e->type());
    QLineEdit::dropEvent(&copy);
    e->setDropAction(copy.dropAction());
    e->setAccepted(copy.isAccepted());
}

void TLineEdit::inputMethodEvent(QInputMethodEvent* e) {
    PassCommitted(
        e, [this](const QString& text) { return Fit(Convert(text)); },
        [this](QInputMethodEvent* m) { QLineEdit::inputMethodEvent(m); });
}
