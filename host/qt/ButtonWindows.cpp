// The BUTTON, CHECKBOX and RADIOBUTTON window classes: Qt buttons whose clicks are reported to
// their control as BN_CLICKED, and whose check state only the control changes.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "host/qt/StdWidgets_p.h"
#include "host/qt/Window_p.h"

namespace {
/// A push button that reports its clicks.
class TPushButtonWidget : public QPushButton {
public:
    explicit TPushButtonWidget(QWidget* parent) : QPushButton(parent) {
        // Enter is the form's business (its default button), not Qt's.
        setAutoDefault(false);
        connect(this, &QAbstractButton::clicked, this, [this] { NotifyControl(this, BN_CLICKED); });
    }
};

/// A check box that reports a click and leaves the next state to its control, as a BS_3STATE
/// button does: the control's Toggle decides between unchecked, grayed and checked.
class TCheckBoxWidget : public QCheckBox {
public:
    explicit TCheckBoxWidget(QWidget* parent) : QCheckBox(parent) {
        setTristate(true);
        connect(this, &QAbstractButton::clicked, this, [this] { NotifyControl(this, BN_CLICKED); });
    }

protected:
    void nextCheckState() override {}
};

/// A radio button that reports a click; its control checks it and unchecks its siblings.
class TRadioButtonWidget : public QRadioButton {
public:
    explicit TRadioButtonWidget(QWidget* parent) : QRadioButton(parent) {
        setAutoExclusive(false);
        connect(this, &QAbstractButton::clicked, this, [this] { NotifyControl(this, BN_CLICKED); });
    }

protected:
    void nextCheckState() override {}
};

int CheckOf(const QAbstractButton* button) {
    if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
        switch (box->checkState()) {
        case Qt::Checked:
            return BST_CHECKED;
        case Qt::PartiallyChecked:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
        }
    }
    return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void SetCheck(QAbstractButton* button, intptr_t check) {
    TSilence silence(button);
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        box->setCheckState(check == BST_CHECKED         ? Qt::Checked
                           : check == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                        : Qt::Unchecked);
        return;
    }
    button->setCheckable(true);
    button->setChecked(check == BST_CHECKED);
}

bool ButtonMessage(QWidget* w, uint32_t msg, intptr_t wp, intptr_t, intptr_t& result) {
    auto* button = static_cast<QAbstractButton*>(w);
    switch (msg) {
    case WM_GETDLGCODE:
        // Buttons take no characters: a letter typed on one may be an accelerator.
        result = DLGC_BUTTON;
        if (auto* push = qobject_cast<QPushButton*>(button))
            result |= push->isDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
        if (qobject_cast<QRadioButton*>(button)) result |= DLGC_RADIOBUTTON;
        return true;
    case BM_GETCHECK:
        result = CheckOf(button);
        return true;
    case BM_SETCHECK:
        SetCheck(button, wp);
        return true;
    case BM_GETSTATE:
        result = CheckOf(button) | (button->isDown() ? BST_PUSHED : 0);
        return true;
    case BM_SETSTATE:
        button->setDown(wp != 0);
        return true;
    case BM_CLICK:
        button->click();
        return true;
    case BM_SETSTYLE:
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setDefault((wp & 0x0F) == BS_DEFPUSHBUTTON);
        return true;
    case WM_STYLECHANGED: {
        const uint32_t style = WindowStyleOf(button);
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setDefault((style & 0x0F) == BS_DEFPUSHBUTTON);
        // BS_LEFTTEXT puts the caption left of the box.
        button->setLayoutDirection((style & BS_LEFTTEXT) ? Qt::RightToLeft : Qt::LeftToRight);
        return true;
    }
    default:
        return false;
    }
}

void SetButtonText(QWidget* w, const QString& text) {
    auto* button = static_cast<QAbstractButton*>(w);
    button->setText(text);
    // The "&" still underlines its letter, but Qt's own Alt+letter shortcut would click the
    // button past the window procedure: accelerators come as CM_DIALOGCHAR instead.
    button->setShortcut(QKeySequence());
}

QString ButtonText(const QWidget* w) {
    return static_cast<const QAbstractButton*>(w)->text();
}

const bool gButtonClassesRegistered = [] {
    RegisterWindowClass({"BUTTON", [](QWidget* parent) { return new TPushButtonWidget(parent); },
                         SetButtonText, ButtonText, ButtonMessage});
    RegisterWindowClass({"CHECKBOX", [](QWidget* parent) { return new TCheckBoxWidget(parent); },
                         SetButtonText, ButtonText, ButtonMessage});
    RegisterWindowClass({"RADIOBUTTON",
                         [](QWidget* parent) { return new TRadioButtonWidget(parent); },
                         SetButtonText, ButtonText, ButtonMessage});
    return true;
}();
} // namespace
