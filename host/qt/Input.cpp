// Input state: capture, the clipped cursor, the last input position, key states, virtual-key
// codes and cursor shapes.

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>

#include <optional>

#include "host/controls/Controls.h"
#include "host/qt/SizeMoveLoop_p.h"
#include "host/qt/Window_p.h"

/// A cursor shape handle: the framework cursor index it stands for.
struct TCursorRec {
    int Index = 0;
};

namespace {
HWND g_capture = nullptr;
bool g_nativeCapture = false;
std::optional<TRect> g_clip;
QPoint g_cursorPos;
Qt::MouseButtons g_buttons;
Qt::KeyboardModifiers g_modifiers;

struct TKeyPair {
    int Qt;
    uint16_t Vk;
};
// Keys whose codes are not letters or digits.
const TKeyPair KeyTable[] = {
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},           {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},     {Qt::Key_Return, VK_RETURN},     {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},     {Qt::Key_Control, VK_CONTROL},   {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},     {Qt::Key_CapsLock, VK_CAPITAL},  {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},      {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},         {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},       {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Select, VK_SELECT},   {Qt::Key_Print, VK_SNAPSHOT},    {Qt::Key_Execute, VK_EXECUTE},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE},     {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},       {Qt::Key_Menu, VK_APPS},         {Qt::Key_Asterisk, VK_MULTIPLY},
    {Qt::Key_Plus, VK_ADD},        {Qt::Key_Minus, VK_SUBTRACT},    {Qt::Key_Slash, VK_DIVIDE},
    {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
};

struct TCursorPair {
    int Index;
    Qt::CursorShape Shape;
};
const TCursorPair CursorTable[] = {
    {crDefault, Qt::ArrowCursor},
    {crNone, Qt::BlankCursor},
    {crArrow, Qt::ArrowCursor},
    {crCross, Qt::CrossCursor},
    {crIBeam, Qt::IBeamCursor},
    {crSizeNESW, Qt::SizeBDiagCursor},
    {crSizeNS, Qt::SizeVerCursor},
    {crSizeNWSE, Qt::SizeFDiagCursor},
    {crSizeWE, Qt::SizeHorCursor},
    {crUpArrow, Qt::UpArrowCursor},
    {crHourGlass, Qt::WaitCursor},
    {crDrag, Qt::DragMoveCursor},
    {crNoDrop, Qt::ForbiddenCursor},
    {crHSplit, Qt::SplitHCursor},
    {crVSplit, Qt::SplitVCursor},
    {crMultiDrag, Qt::DragCopyCursor},
    {crSQLWait, Qt::BusyCursor},
    {crNo, Qt::ForbiddenCursor},
    {crAppStart, Qt::BusyCursor},
    {crHelp, Qt::WhatsThisCursor},
    {crHandPoint, Qt::PointingHandCursor},
    {crSizeAll, Qt::SizeAllCursor},
};
} // namespace

// ---- Capture ----------------------------------------------------------------------------------

HWND SetCapture(HWND wnd) {
    HWND old = GetCapture();
    g_nativeCapture = false;
    if (!IsWindow(wnd)) wnd = nullptr;
    g_capture = wnd;
    if (old && old != wnd) {
        EndSizeMoveLoopOf(old);
        DeliverMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<intptr_t>(wnd));
    }
    return old;
}

bool ReleaseCapture() {
    HWND old = GetCapture();
    g_capture = nullptr;
    g_nativeCapture = false;
    if (old) {
        EndSizeMoveLoopOf(old);
        DeliverMessage(old, WM_CAPTURECHANGED, 0, 0);
    }
    return true;
}

HWND GetCapture() {
    if (g_capture && !IsWindow(g_capture)) g_capture = nullptr;
    return g_capture;
}

bool NativeCaptureHeld() {
    return g_nativeCapture && GetCapture();
}

void SetNativeCapture(HWND wnd) {
    SetCapture(wnd);
    g_nativeCapture = true;
}

// ---- Cursor position and key state ------------------------------------------------------------

bool ClipCursor(const TRect* rect) {
    if (rect && !IsRectEmpty(*rect)) {
        g_clip = *rect;
        g_cursorPos = ClampToClip(g_cursorPos);
    } else {
        g_clip.reset();
    }
    return true;
}

bool GetClipCursor(TRect& rect) {
    if (g_clip) {
        rect = *g_clip;
    } else {
        rect = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    return true;
}

QPoint ClampToClip(QPoint p) {
    if (!g_clip) return p;
    return {std::clamp(p.x(), g_clip->Left, g_clip->Right - 1),
            std::clamp(p.y(), g_clip->Top, g_clip->Bottom - 1)};
}

void RecordInput(QPoint globalPos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    g_cursorPos = globalPos;
    g_buttons = buttons;
    g_modifiers = modifiers;
}

void RecordModifiers(Qt::KeyboardModifiers modifiers) {
    g_modifiers = modifiers;
}
Qt::KeyboardModifiers CurrentModifiers() {
    return g_modifiers;
}
Qt::MouseButtons CurrentButtons() {
    return g_buttons;
}

int32_t CurrentMouseKeys() {
    int32_t keys = 0;
    if (g_buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (g_buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (g_buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (g_modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (g_modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

bool GetCursorPos(TPoint& point) {
    point = {g_cursorPos.x(), g_cursorPos.y()};
    return true;
}

bool SetCursorPos(int x, int y) {
    g_cursorPos = ClampToClip(QPoint(x, y));
    QCursor::setPos(g_cursorPos);
    return true;
}

int16_t GetKeyState(int virtKey) {
    bool down = false;
    switch (virtKey) {
    case VK_SHIFT:
        down = g_modifiers & Qt::ShiftModifier;
        break;
    case VK_CONTROL:
        down = g_modifiers & Qt::ControlModifier;
        break;
    case VK_MENU:
        down = g_modifiers & Qt::AltModifier;
        break;
    case VK_LBUTTON:
        down = g_buttons & Qt::LeftButton;
        break;
    case VK_RBUTTON:
        down = g_buttons & Qt::RightButton;
        break;
    case VK_MBUTTON:
        down = g_buttons & Qt::MiddleButton;
        break;
    default:
        break;
    }
    return down ? static_cast<int16_t>(0x8000) : 0;
}

TShiftState KeyDataToShiftState(int32_t KeyData) {
    TShiftState s;
    if (g_modifiers & Qt::ShiftModifier) s.Include(ssShift);
    if (g_modifiers & Qt::ControlModifier) s.Include(ssCtrl);
    if (KeyData & AltMask) s.Include(ssAlt);
    return s;
}

TShiftState KeysToShiftState(int32_t Keys) {
    TShiftState s;
    if (Keys & MK_SHIFT) s.Include(ssShift);
    if (Keys & MK_CONTROL) s.Include(ssCtrl);
    if (Keys & MK_LBUTTON) s.Include(ssLeft);
    if (Keys & MK_RBUTTON) s.Include(ssRight);
    if (Keys & MK_MBUTTON) s.Include(ssMiddle);
    if (g_modifiers & Qt::AltModifier) s.Include(ssAlt);
    return s;
}

// ---- Virtual keys -----------------------------------------------------------------------------

uint16_t VirtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const TKeyPair& p : KeyTable)
        if (p.Qt == qtKey) return p.Vk;
    return 0;
}

int QtKeyOf(uint16_t vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return vk;
    if (vk >= VK_F1 && vk <= VK_F1 + 23) return Qt::Key_F1 + (vk - VK_F1);
    for (const TKeyPair& p : KeyTable)
        if (p.Vk == vk) return p.Qt;
    return 0;
}

// ---- Cursors and system values ----------------------------------------------------------------

Qt::CursorShape CursorShapeOf(int cursorIndex) {
    for (const TCursorPair& p : CursorTable)
        if (p.Index == cursorIndex) return p.Shape;
    return Qt::ArrowCursor;
}

HCURSOR LoadStandardCursor(int cursorIndex) {
    static TCursorRec cursors[32];
    int slot = -cursorIndex;
    if (slot < 0 || slot >= 32) slot = 0;
    cursors[slot].Index = -slot;
    return &cursors[slot];
}

int CursorIndexOf(HCURSOR cursor) {
    return cursor ? cursor->Index : crDefault;
}

unsigned GetDoubleClickTime() {
    if (qApp)
        return static_cast<unsigned>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return 500;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        QScreen* s = qApp ? QGuiApplication::primaryScreen() : nullptr;
        if (!s) return 0;
        return index == SM_CXSCREEN ? s->geometry().width() : s->geometry().height();
    }
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return qApp ? QGuiApplication::styleHints()->startDragDistance() : 4;
    default:
        return 0;
    }
}
