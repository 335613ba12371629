// TControlWidget: a framework windowed control inside a Qt application's own widgets.

#include <QResizeEvent>

#include <unordered_map>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/qt/ForeignParent_p.h"
#include "host/qt/QtInterop.h"
#include "host/qt/Window_p.h"

namespace {
/// The held controls and the windows of their holders.
std::unordered_map<const TControl*, HWND>& Holders() {
    static std::unordered_map<const TControl*, HWND> holders;
    return holders;
}
} // namespace

/// Hears when the held control is freed, so that its holder forgets it.
class TControlWidgetLink : public TComponent {
public:
    explicit TControlWidgetLink(TControlWidget* Holder) : TComponent(nullptr), FHolder(Holder) {}
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FHolder->FControl) {
            Holders().erase(FHolder->FControl);
            FHolder->FControl = nullptr;
        }
    }

private:
    TControlWidget* FHolder;
};

HWND ForeignParentOf(const TControl* Control) {
    const auto& holders = Holders();
    if (holders.empty()) return nullptr;
    auto it = holders.find(Control);
    return it == holders.end() ? nullptr : it->second;
}

TControlWidget::TControlWidget(TWinControl* Control, QWidget* Parent)
    : QWidget(Parent), FControl(Control) {
    if (!Control) throw EInvalidOperation("没有要放进 Qt 部件的控件");
    if (Control->Parent())
        throw EInvalidOperation("控件“" + Control->Name() + "”在父控件里，不能再放进 Qt 部件");
    if (ForeignParentOf(Control))
        throw EInvalidOperation("控件“" + Control->Name() + "”已在另一个 Qt 部件里");
    FHint = QSize(Control->Width(), Control->Height());
    resize(FHint);
    // The holder is a window of the window system, so that the control's window can be its
    // child; the control's bounds are then in the holder's client coordinates.
    HWND self = AdoptWidget(this);
    // The default handling of WM_CLOSE destroys a raw window with every window inside it,
    // the control's too, while the control lives on: the holder hides instead.
    FDefProc = reinterpret_cast<WNDPROC>(GetWindowLong(self, GWL_WNDPROC));
    FOwnProc = MakeObjectInstance([this, self](TMessage& m) {
        if (m.Msg == WM_CLOSE)
            hide();
        else
            m.Result = CallWindowProc(FDefProc, self, m.Msg, m.WParam, m.LParam);
    });
    SetWindowLong(self, GWL_WNDPROC, reinterpret_cast<intptr_t>(FOwnProc));
    Holders()[Control] = self;
    FLink = new TControlWidgetLink(this);
    Control->FreeNotification(FLink);
    try {
        if (Control->HandleAllocated())
            ::SetParent(Control->Handle(), self);
        else
            Control->HandleNeeded();
        Control->SetBounds(0, 0, FHint.width(), FHint.height());
        Control->SetVisible(true);
    } catch (...) {
        Release();
        SetWindowLong(self, GWL_WNDPROC, reinterpret_cast<intptr_t>(FDefProc));
        FreeObjectInstance(FOwnProc);
        throw;
    }
}

TControlWidget::~TControlWidget() {
    Release();
    // Whatever the window hears while Qt takes it down goes to the default procedure.
    if (HWND self = HwndOf(this)) SetWindowLong(self, GWL_WNDPROC, reinterpret_cast<intptr_t>(FDefProc));
    FreeObjectInstance(FOwnProc);
}

void TControlWidget::Release() {
    if (TWinControl* control = FControl) {
        FControl = nullptr;
        control->RemoveFreeNotification(FLink);
        control->SetVisible(false);
        Holders().erase(control);
        // Out of the widget before Qt deletes the widget's children.
        if (auto* form = Cast<TCustomForm>(control))
            form->SetParent(nullptr);
        else if (control->HandleAllocated())
            ::SetParent(control->Handle(), nullptr);
    }
    if (FLink) {
        FLink->Free();
        FLink = nullptr;
    }
}

void TControlWidget::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    if (!FControl) return;
    // Qt calls in here: an exception goes to the application's error report, not into Qt.
    try {
        FControl->SetBounds(0, 0, Event->size().width(), Event->size().height());
    } catch (...) {
        Application->HandleException(FControl);
    }
}

QWidget* ControlWidget(TWinControl* Control) {
    return Control ? WidgetOf(Control->Handle()) : nullptr;
}
