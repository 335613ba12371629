#pragma once
// What lies behind an HWND: the window record tying a real Qt widget to its window procedure,
// the registry of window classes, and the bridge's entry points. Private to host/.

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

#include "host/controls/WinApi.h"
#include "host/qt/WindowState_p.h"

/// A window procedure: a callable that answers the message's result. One freed while it runs
/// (a control freeing itself from its own message) goes when its last call returns.
struct TWndProcRec {
    std::function<intptr_t(HWND, uint32_t, intptr_t, intptr_t)> Proc;
    /// An object instance's method, called in place of Proc: held here rather than inside
    /// a Proc, which would cost every windowed control a second block.
    TWndMethod Method;
    int Running = 0;
    bool Freed = false;
};

/// How to make the widget of a window class and how the class shows its text.
struct TWindowClass {
    std::string Name;
    std::function<QWidget*(QWidget* parent)> Create;
    std::function<void(QWidget*, const QString&)> SetText;
    std::function<QString(const QWidget*)> GetText;
    /// The class's own messages (EM_*, LB_*, CB_*, BM_* ...), answered as the platform's
    /// control answers them when they reach DefWindowProc: true when the message was the
    /// class's, with its result in result.
    std::function<bool(QWidget*, uint32_t msg, intptr_t wParam, intptr_t lParam, intptr_t& result)>
        Message = nullptr;
};

/// The window behind an HWND: its widget, procedure, styles, region and control.
struct TWindowRec {
    QPointer<QWidget> Widget;
    const TWindowClass* Class = nullptr;
    WNDPROC WndProc = nullptr;
    TWinControl* Control = nullptr;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    intptr_t UserData = 0;
    intptr_t Id = 0;
    /// Whether the native widget takes the focus when clicked (its own focus policy, which
    /// the bridge turns off so that focus-on-click happens only in DefWindowProc).
    bool FocusOnClick = false;
    bool DestroySent = false;
    /// Set while the bridge itself moves the widget, so that Qt's resulting move and resize
    /// events are not mistaken for changes made from outside.
    int ApplyingGeometry = 0;
    /// Text kept for windows whose class shows none.
    QString Text;
};

/// The widget of a plain window: it paints nothing of its own and, when Qt deletes it with
/// its parent, takes its window record along from its destructor. Other widgets need a
/// connection to their destroyed signal for that, which costs a few hundred bytes each.
class TPlainWidget : public QWidget {
public:
    using QWidget::QWidget;
    ~TPlainWidget() override;
};

/// A class message handler for windows that take characters and arrow keys themselves (a tab
/// control, a list view) and have no other class messages: answers WM_GETDLGCODE only.
bool WantsCharacters(QWidget* widget, uint32_t msg, intptr_t wParam, intptr_t lParam,
                     intptr_t& result);

/// The window record of a live window, or null for null, destroyed or unknown handles.
TWindowRec* RecOf(HWND wnd);
/// The widget of a live window, or null.
QWidget* WidgetOf(HWND wnd);
/// The window whose widget this is, or null.
HWND HwndOf(const QWidget* widget);
/// The window of the widget or of its nearest ancestor that has one.
HWND HwndAt(const QWidget* widget);

/// Registers (or replaces) a window class; CreateWindowEx then makes its widget.
void RegisterWindowClass(const TWindowClass& cls);
const TWindowClass* FindWindowClass(const std::string& name);

/// Makes an existing widget a raw window (a widget made by Qt inside another, such as a
/// header view), and tells the parent window with WM_PARENTNOTIFY(WM_CREATE).
HWND AdoptWidget(QWidget* widget);
/// Moves the widget without the bridge reporting it back as a change from outside.
void ApplyWindowGeometry(HWND wnd, const QRect& rect);

/// Starts the bridge that turns Qt events into messages; idempotent, needs a QApplication.
void EnsureBridge();
/// Whether the widget (or one of its descendants) is now handling an event, so that it must
/// not be deleted synchronously.
bool WidgetBusy(const QWidget* widget);

/// Sends a message to a window's procedure, turning a C++ exception into the application's
/// error report: used where the bridge calls in from Qt.
intptr_t DeliverMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam);

/// The Qt event being handled for the message now travelling to wnd, if any; DefWindowProc
/// hands it to the widget.
struct TPendingEvent {
    QEvent* Event = nullptr;
    QWidget* Receiver = nullptr;
    HWND Target = nullptr;
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    bool Used = false;
};

/// Hands a message that reached DefWindowProc to the widget: the pending Qt event when it is
/// this message, otherwise an equivalent event made from the message. Answers the result.
intptr_t DefaultToWidget(TWindowRec* rec, HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam);

/// Ends the painters now open on the widget for the paint in progress (the erase context and
/// the bound canvas), so that another painter can begin; they reopen when next drawn on.
void FlushPaintingOn(QWidget* widget);

// ---- Input state -------------------------------------------------------------------------------

/// Records the position (screen, already clamped) and key states of the input being handled.
void RecordInput(QPoint globalPos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
void RecordModifiers(Qt::KeyboardModifiers modifiers);
/// The position clamped to the ClipCursor rectangle, if one is set.
QPoint ClampToClip(QPoint globalPos);
Qt::KeyboardModifiers CurrentModifiers();
Qt::MouseButtons CurrentButtons();
/// MK_* states for the current buttons and modifiers.
int32_t CurrentMouseKeys();
/// Whether the capture was taken by DefWindowProc for a native press (and is released by the
/// matching release), rather than by code.
bool NativeCaptureHeld();
void SetNativeCapture(HWND wnd);

/// The window that takes the mouse at a screen point (regions and HTTRANSPARENT honoured),
/// with the hit-test code it answered; null over no window of the application.
HWND WindowAtPoint(QPoint global, int* hitTest = nullptr);
/// The window the last mouse message went to; SetCursor shapes it.
HWND LastMouseWindow();

/// The virtual-key code of a Qt key, and back.
uint16_t VirtualKeyOf(int qtKey);
int QtKeyOf(uint16_t vk);

/// The modal loop of WM_NCLBUTTONDOWN: follows the mouse until the left button is released,
/// moving the window (HTCAPTION) or the named edges through SetBounds / SetWindowPos.
void RunSizeMoveLoop(HWND wnd, int hitTest);

/// Qt's cursor shape for a framework cursor index (crDefault, crArrow ...).
Qt::CursorShape CursorShapeOf(int cursorIndex);
int CursorIndexOf(HCURSOR cursor);
