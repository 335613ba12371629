// Window records: creation, destruction, window classes, window procedures and messages.

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <map>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/graphics/GdiApi.h"
#include "host/qt/PointerSet_p.h"
#include "host/qt/Window_p.h"

namespace {
TPointerSet& LiveWindows() {
    static TPointerSet live;
    return live;
}
QHash<const QWidget*, TWindowRec*>& WidgetMap() {
    static QHash<const QWidget*, TWindowRec*> map;
    return map;
}
std::map<std::string, TWindowClass>& Classes() {
    static std::map<std::string, TWindowClass> classes;
    return classes;
}
TWndProcRec& DefProcRec() {
    static TWndProcRec rec{&DefWindowProc, nullptr};
    return rec;
}

HWND H(TWindowRec* rec) {
    return reinterpret_cast<HWND>(rec);
}

const TWindowClass& PlainClass() {
    static const TWindowClass plain{"", [](QWidget* parent) { return new TPlainWidget(parent); },
                                    nullptr, nullptr};
    return plain;
}

/// Takes the record out of the registry; the widget is not touched.
void Unregister(TWindowRec* rec) {
    if (!LiveWindows().Erase(rec)) return;
    if (rec->Widget) {
        QObject::disconnect(rec->Widget, &QObject::destroyed, nullptr, nullptr);
        WidgetMap().remove(rec->Widget.data());
    }
    if (GetCapture() == H(rec)) ReleaseCapture();
    delete rec;
}

/// Unregisters the record of a widget that Qt is deleting.
void ForgetDeletedWidget(TWindowRec* rec, const QWidget* widget) {
    WidgetMap().remove(widget);
    rec->Widget.clear();
    Unregister(rec);
}

TWindowRec* Register(QWidget* widget, const TWindowClass* cls) {
    auto* rec = new TWindowRec;
    rec->Widget = widget;
    rec->Class = cls;
    rec->WndProc = &DefProcRec();
    // Focus moves only through SetFocus and the default handling of a press; Qt's own click
    // and Tab focus stay off, but the class's wish to be focused by a click is remembered.
    rec->FocusOnClick = (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
    widget->setFocusPolicy(Qt::NoFocus);
    LiveWindows().Insert(rec);
    WidgetMap().insert(widget, rec);
    // A widget deleted by Qt with its parent takes its record along. Its QPointer is already
    // null by then, so the map entry goes by the raw address: a stale entry would hand the
    // dead record to the next widget that happens to be allocated at the same place. A plain
    // widget does this from its destructor.
    if (!dynamic_cast<TPlainWidget*>(widget))
        QObject::connect(widget, &QObject::destroyed,
                         [rec, widget](QObject*) { ForgetDeletedWidget(rec, widget); });
    return rec;
}

/// The window and its descendant windows, parents before children.
void CollectTree(QWidget* widget, std::vector<TWindowRec*>& out) {
    if (TWindowRec* rec = WidgetMap().value(widget)) out.push_back(rec);
    for (QObject* child : widget->children())
        if (child->isWidgetType()) CollectTree(static_cast<QWidget*>(child), out);
}

void ApplyTopLevelFlags(TWindowRec* rec) {
    QWidget* w = rec->Widget;
    Qt::WindowFlags flags = Qt::Window;
    if (rec->ExStyle & WS_EX_TOOLWINDOW) flags = Qt::Tool;
    if (!(rec->Style & WS_CAPTION) && !(rec->Style & WS_THICKFRAME))
        flags |= Qt::FramelessWindowHint;
    else if (!(rec->Style & WS_THICKFRAME))
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    if (rec->ExStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    if (w->windowFlags() != flags) {
        bool shown = w->isVisible();
        w->setWindowFlags(flags);
        if (shown) w->show();
    }
}
} // namespace

TPlainWidget::~TPlainWidget() {
    if (TWindowRec* rec = WidgetMap().value(this)) ForgetDeletedWidget(rec, this);
}

bool WantsCharacters(QWidget*, uint32_t msg, intptr_t, intptr_t, intptr_t& result) {
    if (msg != WM_GETDLGCODE) return false;
    result = DLGC_WANTCHARS | DLGC_WANTARROWS;
    return true;
}

// ---- Registry --------------------------------------------------------------------------------

TWindowRec* RecOf(HWND wnd) {
    auto* rec = reinterpret_cast<TWindowRec*>(wnd);
    return rec && LiveWindows().Contains(rec) ? rec : nullptr;
}

QWidget* WidgetOf(HWND wnd) {
    TWindowRec* rec = RecOf(wnd);
    return rec ? rec->Widget.data() : nullptr;
}

HWND HwndOf(const QWidget* widget) {
    return H(WidgetMap().value(widget));
}

HWND HwndAt(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (TWindowRec* rec = WidgetMap().value(widget)) return H(rec);
    return nullptr;
}

bool IsWindow(HWND wnd) {
    return RecOf(wnd) != nullptr;
}

void RegisterWindowClass(const TWindowClass& cls) {
    Classes()[cls.Name] = cls;
}

const TWindowClass* FindWindowClass(const std::string& name) {
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : &it->second;
}

bool IsWindowClassRegistered(const std::string& className) {
    return FindWindowClass(className) != nullptr;
}

void AttachControl(HWND wnd, TWinControl* control) {
    if (TWindowRec* rec = RecOf(wnd)) rec->Control = control;
}

TWinControl* FindControl(HWND wnd) {
    TWindowRec* rec = RecOf(wnd);
    return rec ? rec->Control : nullptr;
}

// ---- Creation and destruction -----------------------------------------------------------------

HWND CreateWindowEx(uint32_t exStyle, const std::string& className, const std::string& caption,
                    uint32_t style, int x, int y, int width, int height, HWND parent) {
    EnsureBridge();
    const TWindowClass* cls = FindWindowClass(className);
    if (!cls) cls = &PlainClass();
    const bool child = (style & WS_CHILD) != 0;
    QWidget* parentWidget = child ? WidgetOf(parent) : nullptr;
    if (child && !parentWidget) return nullptr;
    QWidget* widget = cls->Create(parentWidget);
    TWindowRec* rec = Register(widget, cls);
    rec->Style = style;
    rec->ExStyle = exStyle;
    HWND wnd = H(rec);
    if (!child) ApplyTopLevelFlags(rec);
    ApplyWindowGeometry(wnd, QRect(x, y, width, height));
    SetWindowText(wnd, caption);
    if (style & WS_DISABLED) widget->setEnabled(false);
    // A child is explicitly hidden unless asked for, so that it stays hidden when its
    // parent is shown, as a window without WS_VISIBLE does.
    widget->setVisible((style & WS_VISIBLE) != 0);
    if (child)
        SendMessage(parent, WM_PARENTNOTIFY, MakeLong(WM_CREATE, 0),
                    reinterpret_cast<intptr_t>(wnd));
    return wnd;
}

HWND AdoptWidget(QWidget* widget) {
    EnsureBridge();
    if (HWND existing = HwndOf(widget)) return existing;
    TWindowRec* rec = Register(widget, &PlainClass());
    rec->Style = widget->isWindow() ? WS_POPUP : WS_CHILD;
    if (widget->isVisible()) rec->Style |= WS_VISIBLE;
    HWND wnd = H(rec);
    if (HWND parent = HwndAt(widget->parentWidget()))
        SendMessage(parent, WM_PARENTNOTIFY, MakeLong(WM_CREATE, 0),
                    reinterpret_cast<intptr_t>(wnd));
    return wnd;
}

bool DestroyWindow(HWND wnd) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec) return false;
    QPointer<QWidget> widget = rec->Widget;
    std::vector<TWindowRec*> tree;
    if (widget)
        CollectTree(widget, tree);
    else
        tree.push_back(rec);
    // The window hears of its destruction first, then its children, while all are whole.
    for (TWindowRec* r : tree) {
        if (!LiveWindows().Contains(r) || r->DestroySent) continue;
        r->DestroySent = true;
        DeliverMessage(H(r), WM_DESTROY, 0, 0);
    }
    if (HWND parent = widget && !widget->isWindow() ? HwndAt(widget->parentWidget()) : nullptr)
        SendMessage(parent, WM_PARENTNOTIFY, MakeLong(WM_DESTROY, 0),
                    reinterpret_cast<intptr_t>(wnd));
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        if (!LiveWindows().Contains(*it)) continue;
        (*it)->Control = nullptr;
        Unregister(*it);
    }
    if (widget) {
        // A widget busy with an event of its own (a control freed from its own click) is
        // deleted once Qt is done with it.
        if (WidgetBusy(widget)) {
            widget->hide();
            widget->deleteLater();
        } else {
            delete widget.data();
        }
    }
    return true;
}

// ---- Window procedures ------------------------------------------------------------------------

intptr_t GetWindowLong(HWND wnd, int index) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec) return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<intptr_t>(rec->WndProc);
    case GWL_STYLE:
        return static_cast<intptr_t>(rec->Style);
    case GWL_EXSTYLE:
        return static_cast<intptr_t>(rec->ExStyle);
    case GWL_USERDATA:
        return rec->UserData;
    case GWL_ID:
        return rec->Id;
    case GWL_HWNDPARENT:
        return reinterpret_cast<intptr_t>(GetParent(wnd));
    default:
        return 0;
    }
}

intptr_t SetWindowLong(HWND wnd, int index, intptr_t value) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec) return 0;
    intptr_t old = GetWindowLong(wnd, index);
    switch (index) {
    case GWL_WNDPROC:
        rec->WndProc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWL_STYLE:
        rec->Style = static_cast<uint32_t>(value);
        if (rec->Widget && rec->Widget->isWindow()) ApplyTopLevelFlags(rec);
        break;
    case GWL_EXSTYLE:
        rec->ExStyle = static_cast<uint32_t>(value);
        if (rec->Widget && rec->Widget->isWindow()) ApplyTopLevelFlags(rec);
        break;
    case GWL_USERDATA:
        rec->UserData = value;
        break;
    case GWL_ID:
        rec->Id = value;
        break;
    default:
        return 0;
    }
    return old;
}

intptr_t CallWindowProc(WNDPROC proc, HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam) {
    if (!proc || (!proc->Proc && !proc->Method) || proc->Freed) return 0;
    struct Running {
        WNDPROC P;
        explicit Running(WNDPROC p) : P(p) { ++P->Running; }
        ~Running() {
            if (--P->Running == 0 && P->Freed) delete P;
        }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
    } running(proc);
    if (proc->Method) {
        TMessage m{msg, wParam, lParam, 0};
        proc->Method(m);
        return m.Result;
    }
    return proc->Proc(wnd, msg, wParam, lParam);
}

WNDPROC MakeObjectInstance(TWndMethod method) {
    auto* rec = new TWndProcRec;
    rec->Method = std::move(method);
    return rec;
}

void FreeObjectInstance(WNDPROC instance) {
    if (!instance || instance == &DefProcRec()) return;
    if (instance->Running > 0)
        instance->Freed = true;
    else
        delete instance;
}

intptr_t SendMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec) return 0;
    return CallWindowProc(rec->WndProc, wnd, msg, wParam, lParam);
}

intptr_t DeliverMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam) {
    try {
        return SendMessage(wnd, msg, wParam, lParam);
    } catch (...) {
        TWinControl* control = FindControl(wnd);
        Application->HandleException(control);
        return 0;
    }
}

// ---- Text -------------------------------------------------------------------------------------

bool SetWindowText(HWND wnd, const std::string& text) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec || !rec->Widget) return false;
    QString q = QString::fromStdString(text);
    rec->Text = q;
    if (rec->Class && rec->Class->SetText)
        rec->Class->SetText(rec->Widget, q);
    else if (!q.isEmpty() || rec->Widget->isWindow() || !rec->Widget->windowTitle().isEmpty())
        // A child keeps an empty title without one set: setting it costs the widget a block
        // of top-level data it never uses.
        rec->Widget->setWindowTitle(q);
    return true;
}

std::string GetWindowText(HWND wnd) {
    TWindowRec* rec = RecOf(wnd);
    if (!rec || !rec->Widget) return {};
    if (rec->Class && rec->Class->GetText) return rec->Class->GetText(rec->Widget).toStdString();
    return rec->Text.toStdString();
}
