// The bridge: every Qt event a window system would deliver as a message enters through the
// window's procedure, and Qt acts on it only when the message reaches DefWindowProc.

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWindow>

#include <vector>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/qt/Gdi_p.h"
#include "host/qt/SizeMoveLoop_p.h"
#include "host/qt/Window_p.h"

namespace {
std::vector<TPendingEvent>& PendingStack() {
    static std::vector<TPendingEvent> stack;
    return stack;
}
/// Widgets now inside the bridge's handling of one of their events.
std::vector<QPointer<QWidget>>& BusyWidgets() {
    static std::vector<QPointer<QWidget>> busy;
    return busy;
}
HWND g_lastFocus = nullptr;
HWND g_mouseWindow = nullptr;

/// A message queued by PostMessage; the serial guards against a reused record address.
class TPostedMessage : public QEvent {
public:
    static QEvent::Type Kind() {
        static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return kind;
    }
    TPostedMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam)
        : QEvent(Kind()), Wnd(wnd), Widget(WidgetOf(wnd)), Msg(msg), WParam(wParam),
          LParam(lParam) {}
    HWND Wnd;
    QPointer<QWidget> Widget;
    uint32_t Msg;
    intptr_t WParam;
    intptr_t LParam;
};

struct TPendingScope {
    TPendingScope(QEvent* e, QWidget* receiver, HWND target, uint32_t msg, intptr_t wp,
                  intptr_t lp) {
        PendingStack().push_back({e, receiver, target, msg, wp, lp, false});
    }
    ~TPendingScope() { PendingStack().pop_back(); }
    TPendingScope(const TPendingScope&) = delete;
    TPendingScope& operator=(const TPendingScope&) = delete;
};

struct TBusyScope {
    explicit TBusyScope(QWidget* w) { BusyWidgets().emplace_back(w); }
    ~TBusyScope() { BusyWidgets().pop_back(); }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;
};

intptr_t Deliver(QEvent* e, QWidget* receiver, HWND target, uint32_t msg, intptr_t wp,
                 intptr_t lp) {
    TPendingScope scope(e, receiver, target, msg, wp, lp);
    return DeliverMessage(target, msg, wp, lp);
}

TPendingEvent* MatchingPending(HWND wnd, uint32_t msg, intptr_t wp, intptr_t lp) {
    auto& stack = PendingStack();
    if (stack.empty()) return nullptr;
    TPendingEvent& top = stack.back();
    if (top.Used || top.Target != wnd || top.Msg != msg || top.WParam != wp || top.LParam != lp)
        return nullptr;
    return &top;
}

/// Whether the widget, or a descendant, shows at the local point (masks honoured).
bool WidgetContains(const QWidget* w, QPoint local) {
    if (!w->rect().contains(local)) return false;
    return w->mask().isEmpty() || w->mask().contains(local);
}

/// The deepest visible, enabled window at the global point under top, skipping the windows in
/// skip (and what lies inside them).
QWidget* HitWidget(QWidget* w, QPoint global, const std::vector<QWidget*>& skip) {
    const QObjectList& kids = w->children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        if (!(*it)->isWidgetType()) continue;
        auto* child = static_cast<QWidget*>(*it);
        if (child->isWindow() || !child->isVisible() || !child->isEnabled()) continue;
        if (std::find(skip.begin(), skip.end(), child) != skip.end()) continue;
        if (!WidgetContains(child, child->mapFromGlobal(global))) continue;
        if (QWidget* deeper = HitWidget(child, global, skip)) return deeper;
        if (HwndOf(child)) return child;
    }
    return nullptr;
}

/// The window that takes the mouse at a global point in top: the deepest window there whose
/// WM_NCHITTEST is not HTTRANSPARENT. Answers the hit-test code too.
HWND HitWindow(QWidget* top, QPoint global, int& hitTest) {
    std::vector<QWidget*> skip;
    for (;;) {
        QWidget* w = HitWidget(top, global, skip);
        if (!w) w = std::find(skip.begin(), skip.end(), top) == skip.end() ? top : nullptr;
        if (!w) return nullptr;
        HWND wnd = HwndAt(w);
        if (!wnd) return nullptr;
        hitTest = static_cast<int>(
            DeliverMessage(wnd, WM_NCHITTEST, 0, MakeLong(global.x(), global.y())));
        if (hitTest != HTTRANSPARENT) return wnd;
        skip.push_back(WidgetOf(wnd));
    }
}

uint32_t MouseMessage(QEvent::Type type, Qt::MouseButton button) {
    int offset = button == Qt::RightButton ? 3 : button == Qt::MiddleButton ? 6 : 0;
    switch (type) {
    case QEvent::MouseButtonPress:
        return WM_LBUTTONDOWN + offset;
    case QEvent::MouseButtonRelease:
        return WM_LBUTTONUP + offset;
    case QEvent::MouseButtonDblClick:
        return WM_LBUTTONDBLCLK + offset;
    default:
        return WM_MOUSEMOVE;
    }
}

int32_t MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    int32_t keys = 0;
    if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (mods & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (mods & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

/// A window that stops being the active one loses the mouse capture held inside it, as
/// the window system takes it back when the user switches windows.
void ReleaseCaptureWithin(QWidget* window) {
    HWND capture = GetCapture();
    QWidget* cw = capture ? WidgetOf(capture) : nullptr;
    if (cw && cw->window() == window) ReleaseCapture();
}

bool HandleMouse(QWidget* w, QMouseEvent* me) {
    QPoint global = ClampToClip(me->globalPosition().toPoint());
    RecordInput(global, me->buttons(), me->modifiers());
    HWND target = GetCapture();
    int hitTest = HTCLIENT;
    if (!target) {
        QWidget* top = w->window();
        if (WidgetContains(top, top->mapFromGlobal(global)))
            target = HitWindow(top, global, hitTest);
        else
            target = HwndAt(w);
        if (!target) return true;
    }
    QWidget* tw = WidgetOf(target);
    if (!tw) return true;
    const int32_t keys = MouseKeys(me->buttons(), me->modifiers());
    uint32_t msg = MouseMessage(me->type(), me->button());
    if (hitTest != HTCLIENT && hitTest != HTNOWHERE && hitTest != HTERROR) {
        // Outside the client area (a window that answers HTCAPTION or a border code): the
        // non-client messages, whose default handling runs the move and size loop.
        uint32_t nc = msg == WM_MOUSEMOVE ? WM_NCMOUSEMOVE : msg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        if (msg > WM_LBUTTONDBLCLK && msg != WM_MOUSEMOVE) nc = 0;
        if (nc) Deliver(me, w, target, nc, hitTest, MakeLong(global.x(), global.y()));
        return true;
    }
    // The window under the mouse is known before it is asked for its cursor: a cursor set
    // while it answers (SetCursor) is the one shown over it.
    g_mouseWindow = target;
    if (msg == WM_MOUSEMOVE && !GetCapture())
        DeliverMessage(target, WM_SETCURSOR, reinterpret_cast<intptr_t>(target),
                       MakeLong(HTCLIENT, WM_MOUSEMOVE));
    if (!IsWindow(target)) return true;
    QPoint local = tw->mapFromGlobal(global);
    Deliver(me, w, target, msg, keys, MakeLong(local.x(), local.y()));
    return true;
}

bool HandleWheel(QWidget* w, QWheelEvent* we) {
    QPoint global = ClampToClip(we->globalPosition().toPoint());
    RecordInput(global, we->buttons(), we->modifiers());
    HWND target = GetFocus();
    if (!target) target = HwndAt(w);
    int delta = we->angleDelta().y();
    intptr_t wp = MakeLong(MouseKeys(we->buttons(), we->modifiers()), delta);
    Deliver(we, w, target, WM_MOUSEWHEEL, wp, MakeLong(global.x(), global.y()));
    return true;
}

bool HandleKey(QWidget* w, QKeyEvent* ke) {
    RecordModifiers(ke->modifiers());
    HWND target = HwndAt(w);
    if (!target) return false;
    const bool alt = ke->modifiers() & Qt::AltModifier;
    const bool ctrl = ke->modifiers() & Qt::ControlModifier;
    const bool sys = alt && !ctrl;
    const uint16_t vk = VirtualKeyOf(ke->key());
    int32_t keyData = 1 | (alt ? AltMask : 0);
    if (ke->type() == QEvent::KeyRelease) {
        if (ke->isAutoRepeat()) return true;
        keyData |= static_cast<int32_t>(0xC0000000u);
        Deliver(ke, w, target, sys ? WM_SYSKEYUP : WM_KEYUP, vk, keyData);
        return true;
    }
    if (ke->isAutoRepeat()) keyData |= 0x40000000;
    // The control gets the key as a notification first; only a Result of 0 lets it go on.
    if (Deliver(ke, w, target, sys ? CN_SYSKEYDOWN : CN_KEYDOWN, vk, keyData) != 0) return true;
    if (!IsWindow(target)) return true;
    Deliver(ke, w, target, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, keyData);
    QString text = ke->text();
    // Alt and a letter or digit makes its character even where the platform's keyboard layer
    // gives none, as the window system's WM_SYSCHAR does.
    if (sys && text.isEmpty() && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
        text = QChar(static_cast<char16_t>(
            (ke->modifiers() & Qt::ShiftModifier) || vk < 'A' ? vk : vk + ('a' - 'A')));
    for (QChar c : text) {
        if (!IsWindow(target)) break;
        Deliver(ke, w, target, sys ? WM_SYSCHAR : WM_CHAR, c.unicode(), keyData);
    }
    return true;
}

/// Binds the control's canvas (if it has one) for the duration of a paint message.
struct TPaintScope {
    TPaintScope(HWND wnd, QWidget* w, const QRegion& region) : Widget(w) {
        if (TWinControl* c = FindControl(wnd)) Canvas = c->WindowCanvas();
        if (Canvas) BindCanvas(Canvas, w, {}, region);
        Erase = CreateDeviceContext(w, {}, region);
    }
    ~TPaintScope() {
        if (Canvas) UnbindCanvas(Canvas);
        DestroyDeviceContext(Erase);
    }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    QWidget* Widget;
    TCanvas* Canvas = nullptr;
    HDC Erase = nullptr;
};
std::vector<TPaintScope*>& PaintScopes() {
    static std::vector<TPaintScope*> scopes;
    return scopes;
}

bool HandlePaint(QWidget* w, QPaintEvent* pe) {
    HWND wnd = HwndOf(w);
    TPaintScope scope(wnd, w, pe->region());
    PaintScopes().push_back(&scope);
    Deliver(pe, w, wnd, WM_ERASEBKGND, reinterpret_cast<intptr_t>(scope.Erase), 0);
    FlushDeviceContext(scope.Erase);
    if (IsWindow(wnd)) Deliver(pe, w, wnd, WM_PAINT, 0, 0);
    PaintScopes().pop_back();
    return true;
}

/// Moves and resizes from outside (a window manager, Qt's own layouts) become
/// WM_WINDOWPOSCHANGED; the bridge's own geometry changes pass quietly.
bool HandleGeometry(QWidget* w, QEvent* e) {
    HWND wnd = HwndOf(w);
    TWindowRec* rec = RecOf(wnd);
    if (rec->ApplyingGeometry) return false;
    QRect g = w->geometry();
    if (TWinControl* c = rec->Control) {
        if (g == QRect(c->Left(), c->Top(), c->Width(), c->Height())) return false;
    } else if (e->type() == QEvent::Move || e->type() == QEvent::Resize) {
        // A raw window: Qt already moved it; tell its procedure.
    }
    TWindowPos pos{wnd, nullptr, g.x(), g.y(), g.width(), g.height(), SWP_NOZORDER};
    Deliver(e, w, wnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<intptr_t>(&pos));
    return true;
}

/// The filter on the application that routes events of bridged widgets into messages.
class TBridge : public QObject {
public:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() == TPostedMessage::Kind()) return false;
        if (obj->isWindowType()) {
            RecordWindowInput(e);
            return false;
        }
        if (!obj->isWidgetType() || !Translated(e->type())) return false;
        auto* w = static_cast<QWidget*>(obj);
        HWND wnd = HwndOf(w);
        if (!wnd) return false;
        TBusyScope busy(w);
        try {
            return Translate(w, wnd, e);
        } catch (...) {
            Application->HandleException(FindControl(wnd));
            return true;
        }
    }

    bool event(QEvent* e) override {
        if (e->type() != TPostedMessage::Kind()) return QObject::event(e);
        auto* pm = static_cast<TPostedMessage*>(e);
        if (IsWindow(pm->Wnd) && WidgetOf(pm->Wnd) == pm->Widget.data())
            DeliverMessage(pm->Wnd, pm->Msg, pm->WParam, pm->LParam);
        return true;
    }

private:
    static void RecordWindowInput(QEvent* e) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(e);
            RecordInput(ClampToClip(me->globalPosition().toPoint()), me->buttons(),
                        me->modifiers());
            break;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            RecordModifiers(static_cast<QKeyEvent*>(e)->modifiers());
            break;
        default:
            break;
        }
    }

    /// Whether Translate turns events of this type into messages. Most events a widget gets
    /// (children added, polish, palette and activation changes, layout requests) are not,
    /// and pass without the window being looked up.
    static bool Translated(QEvent::Type type) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Paint:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Close:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }

    static bool Translate(QWidget* w, HWND wnd, QEvent* e) {
        switch (e->type()) {
        // Input is accepted once the window procedure had it, whatever the widget did with
        // it, so that Qt does not hand it on to the parent as well.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            HandleMouse(w, static_cast<QMouseEvent*>(e));
            e->accept();
            return true;
        case QEvent::Wheel:
            HandleWheel(w, static_cast<QWheelEvent*>(e));
            e->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            HandleKey(w, static_cast<QKeyEvent*>(e));
            e->accept();
            return true;
        case QEvent::FocusIn: {
            HWND previous = g_lastFocus;
            g_lastFocus = wnd;
            Deliver(e, w, wnd, WM_SETFOCUS,
                    reinterpret_cast<intptr_t>(IsWindow(previous) ? previous : nullptr), 0);
            return true;
        }
        case QEvent::FocusOut: {
            if (g_lastFocus == wnd) g_lastFocus = nullptr;
            HWND next = GetFocus();
            Deliver(e, w, wnd, WM_KILLFOCUS,
                    reinterpret_cast<intptr_t>(next == wnd ? nullptr : next), 0);
            return true;
        }
        case QEvent::Paint:
            return HandlePaint(w, static_cast<QPaintEvent*>(e));
        case QEvent::Move:
        case QEvent::Resize:
            return HandleGeometry(w, e);
        case QEvent::Show:
        case QEvent::Hide:
            Deliver(e, w, wnd, WM_SHOWWINDOW, e->type() == QEvent::Show ? 1 : 0, 0);
            return true;
        case QEvent::Close:
            // The window stays until its procedure decides; DefWindowProc lets Qt close it.
            e->ignore();
            Deliver(e, w, wnd, WM_CLOSE, 0, 0);
            return true;
        case QEvent::Enter:
            Deliver(e, w, wnd, CM_MOUSEENTER, 0, 0);
            return true;
        case QEvent::Leave:
            Deliver(e, w, wnd, CM_MOUSELEAVE, 0, 0);
            return true;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (!w->isWindow()) return false;
            if (e->type() == QEvent::WindowDeactivate) ReleaseCaptureWithin(w);
            Deliver(e, w, wnd, WM_ACTIVATE,
                    e->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE, 0);
            return true;
        case QEvent::ContextMenu: {
            auto* ce = static_cast<QContextMenuEvent*>(e);
            QPoint g = ce->globalPos();
            Deliver(e, w, wnd, WM_CONTEXTMENU, reinterpret_cast<intptr_t>(wnd),
                    MakeLong(g.x(), g.y()));
            return true;
        }
        default:
            return false;
        }
    }
};

TBridge* g_bridge = nullptr;

void ShutdownBridge() {
    delete g_bridge;
    g_bridge = nullptr;
}

HDC WindowDC(HWND wnd) {
    QWidget* w = WidgetOf(wnd);
    return w ? CreateDeviceContext(w) : nullptr;
}
int ReleaseWindowDC(HWND, HDC dc) {
    DestroyDeviceContext(dc);
    return 1;
}

// ---- Default handling: messages back to the widget -------------------------------------------

/// Calls the widget's own handling of e, bypassing the bridge's filter.
bool SendToWidget(QWidget* w, QEvent* e) {
    TBusyScope busy(w);
    return static_cast<QObject*>(w)->event(e);
}

bool IsMouseMessage(uint32_t msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_LBUTTONDOWN + 8;
}

Qt::MouseButton ButtonOf(uint32_t msg) {
    if (msg == WM_MOUSEMOVE) return Qt::NoButton;
    int index = static_cast<int>(msg - WM_LBUTTONDOWN) / 3;
    return index == 0 ? Qt::LeftButton : index == 1 ? Qt::RightButton : Qt::MiddleButton;
}

QEvent::Type MouseTypeOf(uint32_t msg) {
    if (msg == WM_MOUSEMOVE) return QEvent::MouseMove;
    switch ((msg - WM_LBUTTONDOWN) % 3) {
    case 0:
        return QEvent::MouseButtonPress;
    case 1:
        return QEvent::MouseButtonRelease;
    default:
        return QEvent::MouseButtonDblClick;
    }
}

Qt::MouseButtons ButtonsOf(intptr_t keys) {
    Qt::MouseButtons b;
    if (keys & MK_LBUTTON) b |= Qt::LeftButton;
    if (keys & MK_RBUTTON) b |= Qt::RightButton;
    if (keys & MK_MBUTTON) b |= Qt::MiddleButton;
    return b;
}

Qt::KeyboardModifiers ModifiersOf(intptr_t keys) {
    Qt::KeyboardModifiers m;
    if (keys & MK_SHIFT) m |= Qt::ShiftModifier;
    if (keys & MK_CONTROL) m |= Qt::ControlModifier;
    return m;
}

intptr_t DefaultMouse(TWindowRec* rec, HWND wnd, uint32_t msg, intptr_t wp, intptr_t lp) {
    QWidget* w = rec->Widget;
    const QEvent::Type type = MouseTypeOf(msg);
    const Qt::MouseButton button = ButtonOf(msg);
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        // Focus follows a click only here, after the window procedure has seen the press.
        if (rec->FocusOnClick && w->isEnabled() && GetFocus() != wnd) {
            SetFocus(wnd);
            if (!IsWindow(wnd)) return 0;
        }
    }
    TPoint p = PointFromLParam(lp);
    QPoint local(p.X, p.Y);
    QMouseEvent synth(type, local, w->mapToGlobal(local), button, ButtonsOf(wp), ModifiersOf(wp));
    TPendingEvent* pending = MatchingPending(wnd, msg, wp, lp);
    QEvent* e = &synth;
    if (pending) {
        pending->Used = true;
        if (pending->Receiver == w)
            e = pending->Event;
        else
            synth.setTimestamp(static_cast<QInputEvent*>(pending->Event)->timestamp());
    }
    e->setAccepted(false);
    SendToWidget(w, e);
    const bool accepted = e->isAccepted();
    if (!IsWindow(wnd)) return 0;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // A native control that took the press keeps the mouse until the release, as a
        // button's own window procedure captures it.
        if (accepted && !GetCapture()) SetNativeCapture(wnd);
    } else if (type == QEvent::MouseButtonRelease) {
        if (NativeCaptureHeld() && GetCapture() == wnd &&
            !(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
            ReleaseCapture();
    }
    return 0;
}

/// The window of the form the window is on (the top-level window for a raw one).
HWND FormWindowOf(HWND wnd) {
    if (TWinControl* control = FindControl(wnd)) {
        TCustomForm* form = GetParentForm(control);
        return form && form->HandleAllocated() ? form->Handle() : nullptr;
    }
    QWidget* w = WidgetOf(wnd);
    return w ? HwndAt(w->window()) : nullptr;
}

/// The platform's dialog manager: a character that reached the default handling as WM_SYSCHAR
/// (Alt held), or as WM_CHAR in a window that takes no characters (WM_GETDLGCODE without
/// DLGC_WANTCHARS: buttons, check boxes, plain windows), is first an accelerator, offered to
/// the form's controls as CM_DIALOGCHAR. Answers whether one of them took it. A window
/// procedure that keeps the character message to itself (the designer's does) keeps its
/// controls' accelerators quiet.
bool OfferAsAccelerator(HWND wnd, uint32_t msg, intptr_t ch, intptr_t keyData) {
    if (ch < 0x20 || ch == 0x7F) return false;
    if (msg == WM_SYSCHAR) {
        // Alt+Space is the window menu's.
        if (ch == ' ') return false;
    } else {
        if (CurrentModifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        if (SendMessage(wnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) return false;
    }
    HWND form = FormWindowOf(wnd);
    return form && DeliverMessage(form, CM_DIALOGCHAR, ch, keyData) != 0;
}

intptr_t DefaultKey(TWindowRec* rec, HWND wnd, uint32_t msg, intptr_t wp, intptr_t lp) {
    QWidget* w = rec->Widget;
    TPendingEvent* pending = MatchingPending(wnd, msg, wp, lp);
    auto* ke = pending ? static_cast<QKeyEvent*>(pending->Event) : nullptr;
    const bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
    const bool chr = msg == WM_CHAR || msg == WM_SYSCHAR;
    if (pending) pending->Used = true;
    if (down) {
        // A key that makes a character reaches the widget with its WM_CHAR, so that a
        // handler of WM_CHAR can still change or drop the character.
        if (ke && !ke->text().isEmpty()) return 0;
        if (ke && pending->Receiver == w) {
            SendToWidget(w, ke);
        } else {
            QKeyEvent synth(QEvent::KeyPress, QtKeyOf(static_cast<uint16_t>(wp)),
                            CurrentModifiers());
            SendToWidget(w, &synth);
        }
        return 0;
    }
    if (chr) {
        if (OfferAsAccelerator(wnd, msg, wp & 0xFFFF, lp) || !IsWindow(wnd)) return 0;
        QString text(QChar(static_cast<char16_t>(wp & 0xFFFF)));
        if (!ke) {
            // The character of the key being handled, perhaps changed by a handler.
            auto& stack = PendingStack();
            if (!stack.empty() && stack.back().Target == wnd &&
                (stack.back().Msg == WM_CHAR || stack.back().Msg == WM_SYSCHAR))
                ke = static_cast<QKeyEvent*>(stack.back().Event);
        }
        if (msg == WM_SYSCHAR) {
            // An accelerator no control took is not typed: the widget gets the key without
            // its character, as the platform's default handling never inserts one.
            QKeyEvent synth(QEvent::KeyPress, ke ? ke->key() : 0, CurrentModifiers());
            SendToWidget(w, &synth);
            return 0;
        }
        if (ke && ke->text() == text && pending && pending->Receiver == w) {
            SendToWidget(w, ke);
        } else {
            QKeyEvent synth(QEvent::KeyPress, ke ? ke->key() : 0, CurrentModifiers(), text);
            SendToWidget(w, &synth);
        }
        return 0;
    }
    // Key up.
    if (ke && pending->Receiver == w) {
        SendToWidget(w, ke);
    } else {
        QKeyEvent synth(QEvent::KeyRelease, QtKeyOf(static_cast<uint16_t>(wp)), CurrentModifiers());
        SendToWidget(w, &synth);
    }
    return 0;
}
} // namespace

void FlushPaintingOn(QWidget* widget) {
    for (TPaintScope* s : PaintScopes()) {
        if (s->Widget != widget) continue;
        if (s->Canvas && s->Canvas->HandleAllocated()) FlushDeviceContext(s->Canvas->Handle());
        FlushDeviceContext(s->Erase);
    }
}

HWND LastMouseWindow() {
    return IsWindow(g_mouseWindow) ? g_mouseWindow : nullptr;
}

HWND WindowAtPoint(QPoint global, int* hitTest) {
    int code = HTNOWHERE;
    HWND found = nullptr;
    if (QWidget* top = QApplication::topLevelAt(global))
        if (HwndAt(top) && WidgetContains(top, top->mapFromGlobal(global)))
            found = HitWindow(top, global, code);
    if (hitTest) *hitTest = found ? code : HTNOWHERE;
    return found;
}

void EnsureBridge() {
    if (g_bridge || !qApp) return;
    g_bridge = new TBridge;
    qApp->installEventFilter(g_bridge);
    qAddPostRoutine(ShutdownBridge);
    SetWindowDCProvider(&WindowDC, &ReleaseWindowDC);
}

bool WidgetBusy(const QWidget* widget) {
    for (const QPointer<QWidget>& w : BusyWidgets())
        for (const QWidget* p = w.data(); p; p = p->parentWidget())
            if (p == widget) return true;
    return false;
}

bool PostMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam) {
    EnsureBridge();
    if (!g_bridge || !IsWindow(wnd)) return false;
    QCoreApplication::postEvent(g_bridge, new TPostedMessage(wnd, msg, wParam, lParam));
    return true;
}

intptr_t DefaultToWidget(TWindowRec* rec, HWND wnd, uint32_t msg, intptr_t wp, intptr_t lp) {
    QWidget* w = rec->Widget;
    if (!w) return 0;
    // A notification for a control (CN_KEYDOWN reaching a raw window's default procedure) is
    // not input of its own: the key reaches the widget with WM_KEYDOWN and WM_CHAR.
    if (msg >= CN_BASE && msg < CN_BASE + 0x400) return 0;
    if (rec->Class && rec->Class->Message) {
        intptr_t result = 0;
        if (rec->Class->Message(w, msg, wp, lp, result)) return result;
    }
    if (IsMouseMessage(msg)) return DefaultMouse(rec, wnd, msg, wp, lp);
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        return DefaultKey(rec, wnd, msg, wp, lp);
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_NCLBUTTONDOWN:
        if (wp == HTCAPTION || (wp >= HTLEFT && wp <= HTBOTTOMRIGHT))
            RunSizeMoveLoopFrom(wnd, static_cast<int>(wp), lp);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        TPendingEvent* pending = MatchingPending(wnd, msg, wp, lp);
        if (!pending || pending->Receiver != w) return 0;
        pending->Used = true;
        // The native painting needs the widget to itself: end what the erase and the
        // canvas drew so far; the canvas opens again when it is next drawn on.
        FlushPaintingOn(w);
        SendToWidget(w, pending->Event);
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        if (TPendingEvent* pending = MatchingPending(wnd, msg, wp, lp)) {
            pending->Used = true;
            if (pending->Receiver == w) SendToWidget(w, pending->Event);
        }
        if (!rec->Control) {
            auto* pos = reinterpret_cast<TWindowPos*>(lp);
            if (!(pos->flags & SWP_NOMOVE)) SendMessage(wnd, WM_MOVE, 0, MakeLong(pos->x, pos->y));
            if (!(pos->flags & SWP_NOSIZE))
                SendMessage(wnd, WM_SIZE, SIZE_RESTORED, MakeLong(pos->cx, pos->cy));
        }
        return 0;
    }
    case WM_CLOSE: {
        TPendingEvent* pending = MatchingPending(wnd, msg, wp, lp);
        if (rec->Control) return 0;
        if (pending) pending->Used = true;
        DestroyWindow(wnd);
        return 0;
    }
    case WM_CANCELMODE:
        if (GetCapture() == wnd) ReleaseCapture();
        return 0;
    case WM_SETTEXT:
        SetWindowText(wnd, lp ? reinterpret_cast<const char*>(lp) : "");
        return 1;
    default:
        break;
    }
    if (TPendingEvent* pending = MatchingPending(wnd, msg, wp, lp)) {
        pending->Used = true;
        if (pending->Receiver == w) SendToWidget(w, pending->Event);
    }
    return 0;
}

intptr_t DefWindowProc(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec) return 0;
    return DefaultToWidget(rec, wnd, msg, wParam, lParam);
}
