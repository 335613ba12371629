// The framework's clipboard on Qt's.

#include <QClipboard>
#include <QGuiApplication>

#include "host/core/Clipboard.h"

std::string TClipboard::AsText() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void TClipboard::SetAsText(const std::string& Text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(Text));
}

bool TClipboard::HasText() const {
    return !QGuiApplication::clipboard()->text().isEmpty();
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
