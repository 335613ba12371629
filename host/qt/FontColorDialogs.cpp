// The real font and colour dialogs behind TFontDialog and TColorDialog.

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>

#include "host/dialogs/Dialogs.h"
#include "host/qt/Gdi_p.h"
#include "host/qt/Translation_p.h"

namespace {
/// The sixteen custom colours are named ColorA ... ColorP.
std::string CustomColorName(int index) {
    return std::string("Color") + static_cast<char>('A' + index);
}

/// A custom colour's value: the colour as hex digits ($00BBGGRR without the '$').
bool ParseCustomColor(const std::string& value, TColor& color) {
    if (value.empty() || value.size() > 8) return false;
    try {
        color = static_cast<TColor>(std::stoul(value, nullptr, 16));
    } catch (...) {
        return false;
    }
    return true;
}

std::string FormatCustomColor(TColor color) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(color) & 0xFFFFFFu);
    return buf;
}

TColor FromQColor(const QColor& c) {
    return static_cast<TColor>(QColorToColorRef(c));
}
} // namespace

bool TFontDialog::ShowNative() {
    if (!qApp) return false;
    EnsureQtTranslation();
    QFontDialog dialog(ToQFont(*Font()), QApplication::activeWindow());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (Options().Contains(fdFixedPitchOnly)) dialog.setOption(QFontDialog::MonospacedFonts);
    if (Options().Contains(fdScalableOnly)) dialog.setOption(QFontDialog::ScalableFonts);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont chosen = dialog.selectedFont();
    TFontStyles style;
    if (chosen.bold()) style.Include(fsBold);
    if (chosen.italic()) style.Include(fsItalic);
    if (chosen.underline()) style.Include(fsUnderline);
    if (chosen.strikeOut()) style.Include(fsStrikeOut);
    Font()->SetName(chosen.family().toStdString());
    if (chosen.pointSize() > 0) Font()->SetSize(chosen.pointSize());
    Font()->SetStyle(style);
    return true;
}

bool TColorDialog::ShowNative() {
    if (!qApp) return false;
    EnsureQtTranslation();
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i) {
        TColor c;
        if (ParseCustomColor(CustomColors()->Values(CustomColorName(i)), c))
            QColorDialog::setCustomColor(i, ToQColor(c));
    }
    QColorDialog dialog(ToQColor(Color()), QApplication::activeWindow());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    SetColor(FromQColor(dialog.selectedColor()));
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i)
        CustomColors()->SetValues(CustomColorName(i),
                                  FormatCustomColor(FromQColor(QColorDialog::customColor(i))));
    return true;
}
