// Notifications, silence, colours and styles shared by the standard window classes.

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "host/qt/Gdi_p.h"
#include "host/qt/StdWidgets_p.h"
#include "host/qt/StdWindows_p.h"
#include "host/qt/Window_p.h"

namespace {
QHash<const QWidget*, int>& SilencedWidgets() {
    static QHash<const QWidget*, int> silenced;
    return silenced;
}
} // namespace

TSilence::TSilence(QWidget* widget) : FKey(widget) {
    ++SilencedWidgets()[widget];
}

TSilence::~TSilence() {
    auto it = SilencedWidgets().find(FKey);
    if (it != SilencedWidgets().end() && --it.value() == 0) SilencedWidgets().erase(it);
}

bool TSilence::Silenced(const QWidget* widget) {
    return SilencedWidgets().contains(widget);
}

void NotifyControl(QWidget* widget, uint16_t code) {
    if (TSilence::Silenced(widget)) return;
    HWND wnd = HwndOf(widget);
    if (!wnd) return;
    DeliverMessage(wnd, CN_COMMAND, MakeLong(0, code), reinterpret_cast<intptr_t>(wnd));
}

uint32_t WindowStyleOf(const QWidget* widget) {
    return static_cast<uint32_t>(GetWindowLong(HwndOf(widget), GWL_STYLE));
}

void ApplyWidgetColors(QWidget* widget, TColor background, TColor text, bool baseRole) {
    QPalette palette = widget->palette();
    const QColor back = ToQColor(background);
    const QColor fore = ToQColor(text);
    // The colours hold while the control is enabled, active window or not; a disabled
    // control shows the style's greyed colours, as the window system greys them. A control
    // in the default colours so differs in nothing from Qt's own palette, and carries none of
    // its own (which Qt would copy and resolve on every move to another parent).
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        if (baseRole) {
            palette.setColor(group, QPalette::Base, back);
            palette.setColor(group, QPalette::Text, fore);
        } else {
            palette.setColor(group, QPalette::Window, back);
        }
        palette.setColor(group, QPalette::WindowText, fore);
        palette.setColor(group, QPalette::ButtonText, fore);
    }
    if (palette != widget->palette()) widget->setPalette(palette);
}

namespace {
bool HasSelection(const QWidget* edit) {
    if (const auto* line = qobject_cast<const QLineEdit*>(edit)) return line->hasSelectedText();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(edit))
        return text->textCursor().hasSelection();
    return true;
}
} // namespace

void UpdateSelectionColors(QWidget* edit) {
    const bool shown = edit->hasFocus() || (WindowStyleOf(edit) & ES_NOHIDESEL);
    // Nothing is drawn in these colours without a selection: an edit that has none keeps the
    // palette it has until one comes (the edits call here when their selection changes).
    if (!shown && !HasSelection(edit)) return;
    const QPalette app = QApplication::palette(edit);
    QPalette palette = edit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Highlight,
                         shown ? app.color(group, QPalette::Highlight)
                               : palette.color(group, QPalette::Base));
        palette.setColor(group, QPalette::HighlightedText,
                         shown ? app.color(group, QPalette::HighlightedText)
                               : palette.color(group, QPalette::Text));
    }
    if (palette != edit->palette()) edit->setPalette(palette);
}

void SetWindowColors(HWND wnd, TColor background, TColor text) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return;
    // Fields that show text on the window colour take it as their base; buttons and boxes
    // show the face colour around them.
    const bool field = qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QLineEdit*>(w) ||
                       qobject_cast<QComboBox*>(w);
    ApplyWidgetColors(w, background, text, field);
}

void ApplyWindowFrame(QFrame* frame, uint32_t style, uint32_t exStyle) {
    if (exStyle & WS_EX_CLIENTEDGE) {
        frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    } else if (style & WS_BORDER) {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
    } else {
        frame->setFrameStyle(QFrame::NoFrame);
    }
}

int LineHeightOf(const TFont& font) {
    return QFontMetrics(ToQFont(font)).height();
}

void RestyleWindow(HWND wnd, uint32_t style, uint32_t exStyle) {
    SetWindowLong(wnd, GWL_STYLE, static_cast<intptr_t>(style));
    SetWindowLong(wnd, GWL_EXSTYLE, static_cast<intptr_t>(exStyle));
    SendMessage(wnd, WM_STYLECHANGED, GWL_STYLE, 0);
}
