// System colours from the application palette, colour conversions, and font mapping.

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>

#include <map>

#include "host/qt/Gdi_p.h"

namespace {

QPalette CurrentPalette() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::palette()
                                                                        : QPalette();
}

struct TSysColorRole {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Indexed by the system colour number; the palette role that plays the same part.
const TSysColorRole SysColorRoles[] = {
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop background
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Mid},             // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 info background
    {QPalette::Active, QPalette::Window},            // 25 (unused)
    {QPalette::Active, QPalette::Link},              // 26 hot light
    {QPalette::Active, QPalette::Highlight},         // 27 gradient active caption
    {QPalette::Inactive, QPalette::Mid},             // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
};

} // namespace

DWORD GetSysColor(int index) {
    if (index < 0 || index >= int(std::size(SysColorRoles))) return 0;
    const TSysColorRole& r = SysColorRoles[index];
    return QColorToColorRef(CurrentPalette().color(r.Group, r.Role));
}

QColor ColorRefToQColor(COLORREF c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

COLORREF QColorToColorRef(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

QColor ToQColor(TColor color) {
    if (color == clNone || color == clDefault) return QColor(Qt::transparent);
    return ColorRefToQColor(COLORREF(ColorToRGB(color)));
}

QString MapFontFamily(const std::string& name) {
    static std::map<std::string, QString> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    const QString wanted = QString::fromStdString(name);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return wanted;
    QString family;
    if (!wanted.isEmpty() && QFontDatabase::hasFamily(wanted))
        family = wanted;
    else if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC")))
        family = QStringLiteral("Noto Sans CJK SC");
    else
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    cache.emplace(name, family);
    return family;
}

namespace {
bool SameLogFont(const LOGFONT& a, const LOGFONT& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth &&
           a.lfEscapement == b.lfEscapement && a.lfOrientation == b.lfOrientation &&
           a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut &&
           a.lfCharSet == b.lfCharSet && a.lfOutPrecision == b.lfOutPrecision &&
           a.lfClipPrecision == b.lfClipPrecision && a.lfQuality == b.lfQuality &&
           a.lfPitchAndFamily == b.lfPitchAndFamily && a.lfFaceName == b.lfFaceName;
}

QFont MakeQFont(const LOGFONT& lf) {
    QFont f;
    const QString family = MapFontFamily(lf.lfFaceName);
    // Chinese text falls back to the CJK family when the chosen one lacks the glyphs.
    f.setFamilies({family, QStringLiteral("Noto Sans CJK SC")});
    f.setStyleStrategy(QFont::PreferDefault);
    if (lf.lfHeight < 0) {
        f.setPixelSize(-lf.lfHeight);
    } else if (lf.lfHeight > 0) {
        // A positive height is the cell height, leading included.
        static std::map<QString, qreal> cellRatio;
        auto it = cellRatio.find(family);
        if (it == cellRatio.end()) {
            QFont probe(family);
            probe.setPixelSize(100);
            it = cellRatio.emplace(family, QFontMetricsF(probe).height() / 100.0).first;
        }
        f.setPixelSize(std::max(1, qRound(lf.lfHeight / std::max(it->second, 0.5))));
    } else {
        f.setPixelSize(12);
    }
    f.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    if ((lf.lfPitchAndFamily & 3) == FIXED_PITCH) {
        f.setFixedPitch(true);
        f.setStyleHint(QFont::Monospace);
    }
    return f;
}
} // namespace

QFont LogFontToQFont(const LOGFONT& lf) {
    // Without an application the family is not mapped yet: such a font is not kept.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return MakeQFont(lf);
    // Nearly every window of a form asks for the same font in turn: the last one made is
    // handed out again, sharing its data, instead of a new family list per window. It is
    // kept for the life of the process: a font released after the application is gone
    // would reach into font data that went with it.
    static LOGFONT last;
    static QFont* made = nullptr;
    if (!made) {
        made = new QFont(MakeQFont(lf));
        last = lf;
    } else if (!SameLogFont(lf, last)) {
        *made = MakeQFont(lf);
        last = lf;
    }
    return *made;
}
