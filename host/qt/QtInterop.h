#pragma once
// Where a Qt application's own widgets and the framework meet: a framework form (or any
// windowed control) inside a Qt layout, main window or dock; the QWidget behind a framework
// window; and a host's own QWidget standing on a framework form as a control.
//
// The one public header of host/ that includes Qt, because its whole job is to hand Qt types
// across. The rest of the framework's headers stay free of Qt; a host that includes this one
// builds with Qt 6 Widgets itself (find_package(Qt6 COMPONENTS Widgets) in CMake).

#include <QSize>
#include <QWidget>

#include <functional>
#include <string>

#include "host/core/Object.h"

class TComponent;
class TWinControl;
struct TWndProcRec;

/// A QWidget that holds a framework windowed control with no parent control (a form, say) and
/// keeps it filling the widget: the way to put one in a QLayout, as a QMainWindow's central
/// widget or as a QDockWidget's widget. The control is shown and stays its owner's to free;
/// freed first, it leaves the holder empty; the holder deleted first, it lets the control go,
/// hidden (a form becomes a window of its own again). Shown as a window of its own, it closes
/// as Qt windows do, by hiding, and keeps its control whole.
class TControlWidget : public QWidget {
public:
    /// Takes Control in; EInvalidOperation when it has a parent control or another holder.
    explicit TControlWidget(TWinControl* Control, QWidget* Parent = nullptr);
    ~TControlWidget() override;
    TControlWidget(const TControlWidget&) = delete;
    TControlWidget& operator=(const TControlWidget&) = delete;

    /// The control held, or null once it was freed.
    TWinControl* Control() const { return FControl; }
    /// The control's size when it was taken in, so that layouts start from the designed size.
    QSize sizeHint() const override { return FHint; }

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    friend class TControlWidgetLink;
    void Release();

    TWinControl* FControl;
    TComponent* FLink = nullptr;
    QSize FHint;
    TWndProcRec* FOwnProc = nullptr;
    TWndProcRec* FDefProc = nullptr;
};

/// The QWidget behind a framework windowed control, its window made first if need be (which
/// raises the framework's error for a control that cannot have one yet). Null for null.
QWidget* ControlWidget(TWinControl* Control);

/// Makes a host's widget for a TWidgetControl: a new QWidget, a child of Parent.
using TWidgetFactory = std::function<QWidget*(QWidget* Parent)>;

/// Registers a control class named ClassName (a TWidgetControl) whose window Factory makes,
/// for the stream reader and for RegisterComponents; answers the class. Registering the name
/// again replaces its factory. EInvalidOperation for a name that is no identifier or that
/// another class has, for an empty factory, and when too many names are registered.
TClass RegisterWidgetClass(const std::string& ClassName, TWidgetFactory Factory);
