// Window classes of the container controls and the grid.

#include <QGroupBox>
#include <QStyleOptionGroupBox>

#include "host/qt/ContainerWindows_p.h"
#include "host/qt/Gdi_p.h"
#include "host/qt/Window_p.h"

namespace {
/// Registers a class whose widget is a plain QWidget with the given focus policy: the window
/// keeps its text in its record, and the control paints itself.
const char* PlainClass(const char* name, Qt::FocusPolicy focus) {
    RegisterWindowClass({name,
                         [focus](QWidget* parent) {
                             auto* w = new TPlainWidget(parent);
                             w->setFocusPolicy(focus);
                             return w;
                         },
                         nullptr, nullptr});
    return name;
}

/// A group box whose title underlines its accelerator but grabs no Qt shortcut for it: Qt's
/// would move the focus past the window procedure; the control answers CM_DIALOGCHAR instead.
class TGroupBoxWidget : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    QString Title() const { return FTitle; }
    void SetTitle(const QString& title) {
        FTitle = title;
        // Every '&' doubled: Qt finds no mnemonic to grab in what it keeps.
        setTitle(QString(title).replace(u'&', QStringLiteral("&&")));
    }

protected:
    void initStyleOption(QStyleOptionGroupBox* option) const override {
        QGroupBox::initStyleOption(option);
        option->text = FTitle;
    }

private:
    QString FTitle;
};
} // namespace

const char* PanelWindowClass() {
    static const char* name = PlainClass("ZkPanel", Qt::NoFocus);
    return name;
}

const char* ScrollBoxWindowClass() {
    static const char* name = PlainClass("ZkScrollBox", Qt::NoFocus);
    return name;
}

const char* TabSheetWindowClass() {
    static const char* name = PlainClass("ZkTabSheet", Qt::NoFocus);
    return name;
}

const char* GridWindowClass() {
    static const char* name = PlainClass("ZkGrid", Qt::StrongFocus);
    return name;
}

const char* GroupBoxWindowClass() {
    static const char* name = [] {
        RegisterWindowClass(
            {"ZkGroupBox", [](QWidget* parent) { return new TGroupBoxWidget(parent); },
             [](QWidget* w, const QString& t) { static_cast<TGroupBoxWidget*>(w)->SetTitle(t); },
             [](const QWidget* w) { return static_cast<const TGroupBoxWidget*>(w)->Title(); }});
        return "ZkGroupBox";
    }();
    return name;
}

void SetWindowTextColor(HWND wnd, TColor color) {
    QWidget* w = WidgetOf(wnd);
    if (!w) return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, ToQColor(color));
    w->setPalette(pal);
}
