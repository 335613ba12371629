// TScreen: the screen's size, the overriding cursor and the list of forms.

#include <QGuiApplication>
#include <QScreen>

#include "host/controls/Forms.h"
#include "host/qt/Window_p.h"
#include "host/streaming/Filer.h"

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
    // Streams find loaded forms by name: references into another form, and the unique name
    // a form read into a given instance takes.
    RegisterFindGlobalComponentProc(this, [this](const std::string& name) -> TComponent* {
        if (name.empty()) return nullptr;
        for (TCustomForm* form : FForms)
            if (SameText(form->Name(), name)) return form;
        return nullptr;
    });
}

TScreen::~TScreen() {
    UnregisterFindGlobalComponentProc(this);
    if (FCursor != crDefault && qApp) QGuiApplication::restoreOverrideCursor();
}

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}
int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

void TScreen::SetCursor(TCursor value) {
    if (FCursor == value) return;
    const bool had = FCursor != crDefault;
    FCursor = value;
    if (!qApp) return;
    if (value == crDefault) {
        if (had) QGuiApplication::restoreOverrideCursor();
    } else if (had) {
        QGuiApplication::changeOverrideCursor(QCursor(CursorShapeOf(value)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(CursorShapeOf(value)));
    }
}

HCURSOR TScreen::Cursors(int Index) const {
    return LoadStandardCursor(Index);
}

TCustomForm* TScreen::ActiveForm() const {
    return Cast<TCustomForm>(FindControl(GetActiveWindow()));
}

TWinControl* TScreen::ActiveControl() const {
    TCustomForm* form = ActiveForm();
    return form ? form->ActiveControl() : nullptr;
}

TCustomForm* TScreen::Forms(int Index) const {
    if (Index < 0 || Index >= FormCount())
        throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    return FForms[static_cast<size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* form) {
    FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    auto it = std::find(FForms.begin(), FForms.end(), form);
    if (it != FForms.end()) FForms.erase(it);
}
