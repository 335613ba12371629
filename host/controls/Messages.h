#pragma once
// Message records, their typed views and the platform's message, key and hit-test numbers.

#include <cstdint>
#include <type_traits>

#include "host/core/Set.h"
#include "host/core/Types.h"
#include "host/graphics/Gdi.h"

/// A message as a window procedure receives it; the parameters are pointer-sized.
struct TMessage {
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// ---- Typed views ------------------------------------------------------------------------------

/// A field of a typed view: reads and writes Bits bits at Shift of a message word, sign-extended
/// when T is signed, so that `Message.CharCode = 0` writes through to the record.
template <class T, class W, int Shift = 0, int Bits = int(sizeof(W) * 8)> class TMsgField {
public:
    explicit TMsgField(W& word) : FWord(word) {}
    TMsgField(const TMsgField&) = default;
    operator T() const {
        if constexpr (Bits >= int(sizeof(W) * 8)) {
            return static_cast<T>(FWord);
        } else {
            auto raw = static_cast<uint64_t>(FWord) >> Shift & Mask;
            if constexpr (std::is_signed_v<T> && Bits < 64) {
                if (raw & (uint64_t(1) << (Bits - 1))) raw |= ~Mask;
            }
            return static_cast<T>(static_cast<int64_t>(raw));
        }
    }
    TMsgField& operator=(T value) {
        if constexpr (Bits >= int(sizeof(W) * 8)) {
            FWord = static_cast<W>(value);
        } else {
            auto word = static_cast<uint64_t>(FWord) & ~(Mask << Shift);
            word |= (static_cast<uint64_t>(value) & Mask) << Shift;
            FWord = static_cast<W>(static_cast<int64_t>(word));
        }
        return *this;
    }
    TMsgField& operator=(const TMsgField& other) { return *this = T(other); }

private:
    static constexpr uint64_t Mask = Bits >= 64 ? ~uint64_t(0) : (uint64_t(1) << Bits) - 1;
    W& FWord;
};

/// Base of the typed views: a view names the fields of the message it wraps and converts back
/// to TMessage&, so a handler can pass it on unchanged.
struct TMessageView {
    explicit TMessageView(TMessage& m) : Raw(m), Msg(m.Msg), Result(m.Result) {}
    operator TMessage&() const { return Raw; }
    TMessage& Raw;
    TMsgField<uint32_t, uint32_t> Msg;
    TMsgField<intptr_t, intptr_t> Result;
};

/// WM_KEYDOWN, WM_KEYUP, WM_CHAR, CN_KEYDOWN ...: the virtual-key or character code and the
/// key data (repeat count, scan code, and bit 29 set while Alt is held).
struct TWMKey : TMessageView {
    explicit TWMKey(TMessage& m) : TMessageView(m), CharCode(m.WParam), KeyData(m.LParam) {}
    TMsgField<uint16_t, intptr_t, 0, 16> CharCode;
    TMsgField<int32_t, intptr_t, 0, 32> KeyData;
};

/// Mouse messages: MK_* key states and the position in client coordinates.
struct TWMMouse : TMessageView {
    explicit TWMMouse(TMessage& m)
        : TMessageView(m), Keys(m.WParam), XPos(m.LParam), YPos(m.LParam) {}
    TPoint Pos() const { return PointFromLParam(Raw.LParam); }
    TMsgField<int32_t, intptr_t, 0, 32> Keys;
    TMsgField<int16_t, intptr_t, 0, 16> XPos;
    TMsgField<int16_t, intptr_t, 16, 16> YPos;
};

/// WM_MOUSEWHEEL: key states, the wheel delta (a multiple of WHEEL_DELTA) and screen position.
struct TWMMouseWheel : TMessageView {
    explicit TWMMouseWheel(TMessage& m)
        : TMessageView(m), Keys(m.WParam), WheelDelta(m.WParam), XPos(m.LParam), YPos(m.LParam) {}
    TMsgField<int16_t, intptr_t, 0, 16> Keys;
    TMsgField<int16_t, intptr_t, 16, 16> WheelDelta;
    TMsgField<int16_t, intptr_t, 0, 16> XPos;
    TMsgField<int16_t, intptr_t, 16, 16> YPos;
};

/// WM_SIZE: the kind of sizing and the new client size.
struct TWMSize : TMessageView {
    explicit TWMSize(TMessage& m)
        : TMessageView(m), SizeType(m.WParam), Width(m.LParam), Height(m.LParam) {}
    TMsgField<int32_t, intptr_t> SizeType;
    TMsgField<uint16_t, intptr_t, 0, 16> Width;
    TMsgField<uint16_t, intptr_t, 16, 16> Height;
};

/// WM_MOVE: the new client-area origin in the parent's client coordinates.
struct TWMMove : TMessageView {
    explicit TWMMove(TMessage& m) : TMessageView(m), XPos(m.LParam), YPos(m.LParam) {}
    TMsgField<int16_t, intptr_t, 0, 16> XPos;
    TMsgField<int16_t, intptr_t, 16, 16> YPos;
};

/// The position record that WM_WINDOWPOSCHANGING/-CHANGED point to.
struct TWindowPos {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    uint32_t flags = 0;
};

struct TWMWindowPosMsg : TMessageView {
    explicit TWMWindowPosMsg(TMessage& m) : TMessageView(m) {}
    TWindowPos* WindowPos() const { return reinterpret_cast<TWindowPos*>(Raw.LParam); }
};
using TWMWindowPosChanged = TWMWindowPosMsg;
using TWMWindowPosChanging = TWMWindowPosMsg;

/// WM_SETFOCUS: the window that lost the focus. WM_KILLFOCUS: the one receiving it.
struct TWMSetFocus : TMessageView {
    explicit TWMSetFocus(TMessage& m) : TMessageView(m) {}
    HWND FocusedWnd() const { return reinterpret_cast<HWND>(Raw.WParam); }
};
using TWMKillFocus = TWMSetFocus;

/// WM_NCHITTEST: the point in screen coordinates; Result is the HT* code.
struct TWMNCHitTest : TMessageView {
    explicit TWMNCHitTest(TMessage& m) : TMessageView(m), XPos(m.LParam), YPos(m.LParam) {}
    TMsgField<int16_t, intptr_t, 0, 16> XPos;
    TMsgField<int16_t, intptr_t, 16, 16> YPos;
};

/// WM_NCLBUTTONDOWN and friends: the hit-test code and the screen position.
struct TWMNCHitMessage : TMessageView {
    explicit TWMNCHitMessage(TMessage& m)
        : TMessageView(m), HitTest(m.WParam), XCursor(m.LParam), YCursor(m.LParam) {}
    TMsgField<int32_t, intptr_t> HitTest;
    TMsgField<int16_t, intptr_t, 0, 16> XCursor;
    TMsgField<int16_t, intptr_t, 16, 16> YCursor;
};

/// WM_PAINT and WM_ERASEBKGND: the device context to draw on, when the sender gives one.
struct TWMPaint : TMessageView {
    explicit TWMPaint(TMessage& m) : TMessageView(m) {}
    HDC DC() const { return reinterpret_cast<HDC>(Raw.WParam); }
};
using TWMEraseBkgnd = TWMPaint;

/// WM_SETCURSOR: the window under the cursor, the hit-test code and the mouse message.
struct TWMSetCursor : TMessageView {
    explicit TWMSetCursor(TMessage& m) : TMessageView(m), HitTest(m.LParam), MouseMsg(m.LParam) {}
    HWND CursorWnd() const { return reinterpret_cast<HWND>(Raw.WParam); }
    TMsgField<int16_t, intptr_t, 0, 16> HitTest;
    TMsgField<uint16_t, intptr_t, 16, 16> MouseMsg;
};

/// WM_PARENTNOTIFY: the event (WM_CREATE, WM_DESTROY, a button press) and the child or point.
struct TWMParentNotify : TMessageView {
    explicit TWMParentNotify(TMessage& m) : TMessageView(m), Event(m.WParam), ChildID(m.WParam) {}
    TMsgField<uint16_t, intptr_t, 0, 16> Event;
    TMsgField<uint16_t, intptr_t, 16, 16> ChildID;
    HWND ChildWnd() const { return reinterpret_cast<HWND>(Raw.LParam); }
};

/// WM_HSCROLL / WM_VSCROLL: the request, the thumb position and the scroll bar window.
struct TWMScroll : TMessageView {
    explicit TWMScroll(TMessage& m) : TMessageView(m), ScrollCode(m.WParam), Pos(m.WParam) {}
    TMsgField<int16_t, intptr_t, 0, 16> ScrollCode;
    TMsgField<int16_t, intptr_t, 16, 16> Pos;
    HWND ScrollBar() const { return reinterpret_cast<HWND>(Raw.LParam); }
};

/// The header every WM_NOTIFY record starts with: the sender, its id and the notification code.
struct NMHDR {
    HWND hwndFrom = nullptr;
    uintptr_t idFrom = 0;
    int code = 0;
};

/// WM_NOTIFY (and CN_NOTIFY, its copy reflected to the sender's control): the record.
struct TWMNotify : TMessageView {
    explicit TWMNotify(TMessage& m) : TMessageView(m) {}
    NMHDR* NMHdr() const { return reinterpret_cast<NMHDR*>(Raw.LParam); }
};

// ---- Window messages ---------------------------------------------------------------------------

inline constexpr uint32_t WM_NULL = 0x0000;
inline constexpr uint32_t WM_CREATE = 0x0001;
inline constexpr uint32_t WM_DESTROY = 0x0002;
inline constexpr uint32_t WM_MOVE = 0x0003;
inline constexpr uint32_t WM_SIZE = 0x0005;
inline constexpr uint32_t WM_ACTIVATE = 0x0006;
inline constexpr uint32_t WM_SETFOCUS = 0x0007;
inline constexpr uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr uint32_t WM_ENABLE = 0x000A;
inline constexpr uint32_t WM_SETTEXT = 0x000C;
inline constexpr uint32_t WM_GETTEXT = 0x000D;
inline constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;
inline constexpr uint32_t WM_PAINT = 0x000F;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_QUIT = 0x0012;
inline constexpr uint32_t WM_ERASEBKGND = 0x0014;
inline constexpr uint32_t WM_SHOWWINDOW = 0x0018;
inline constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
inline constexpr uint32_t WM_CANCELMODE = 0x001F;
inline constexpr uint32_t WM_SETCURSOR = 0x0020;
inline constexpr uint32_t WM_MOUSEACTIVATE = 0x0021;
inline constexpr uint32_t WM_NEXTDLGCTL = 0x0028;
inline constexpr uint32_t WM_WINDOWPOSCHANGING = 0x0046;
inline constexpr uint32_t WM_WINDOWPOSCHANGED = 0x0047;
inline constexpr uint32_t WM_NOTIFY = 0x004E;
inline constexpr uint32_t WM_CONTEXTMENU = 0x007B;
inline constexpr uint32_t WM_NCHITTEST = 0x0084;
inline constexpr uint32_t WM_NCPAINT = 0x0085;
inline constexpr uint32_t WM_GETDLGCODE = 0x0087;
/// What WM_GETDLGCODE answers: the keys and characters a window takes itself rather than leave
/// to its dialog (navigation, default button, accelerators).
inline constexpr intptr_t DLGC_WANTARROWS = 0x0001;
inline constexpr intptr_t DLGC_WANTTAB = 0x0002;
inline constexpr intptr_t DLGC_WANTALLKEYS = 0x0004;
inline constexpr intptr_t DLGC_HASSETSEL = 0x0008;
inline constexpr intptr_t DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr intptr_t DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr intptr_t DLGC_RADIOBUTTON = 0x0040;
inline constexpr intptr_t DLGC_WANTCHARS = 0x0080;
inline constexpr intptr_t DLGC_STATIC = 0x0100;
inline constexpr intptr_t DLGC_BUTTON = 0x2000;
inline constexpr uint32_t WM_NCMOUSEMOVE = 0x00A0;
inline constexpr uint32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr uint32_t WM_NCLBUTTONUP = 0x00A2;
inline constexpr uint32_t WM_NCLBUTTONDBLCLK = 0x00A3;
inline constexpr uint32_t EM_UNDO = 0x00C7;
inline constexpr uint32_t WM_KEYFIRST = 0x0100;
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_CHAR = 0x0102;
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr uint32_t WM_SYSCHAR = 0x0106;
inline constexpr uint32_t WM_KEYLAST = 0x0108;
inline constexpr uint32_t WM_COMMAND = 0x0111;
inline constexpr uint32_t WM_SYSCOMMAND = 0x0112;
inline constexpr uint32_t WM_TIMER = 0x0113;
inline constexpr uint32_t WM_HSCROLL = 0x0114;
inline constexpr uint32_t WM_VSCROLL = 0x0115;
inline constexpr uint32_t WM_MOUSEFIRST = 0x0200;
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
inline constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
inline constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
inline constexpr uint32_t WM_MOUSELAST = 0x020A;
inline constexpr uint32_t WM_PARENTNOTIFY = 0x0210;
inline constexpr uint32_t WM_SIZING = 0x0214;
inline constexpr uint32_t WM_MOVING = 0x0216;
/// WM_SIZING's wParam: the edge or corner being dragged. lParam of both points to the
/// proposed TRect in the parent's client coordinates, which the window may change.
inline constexpr intptr_t WMSZ_LEFT = 1;
inline constexpr intptr_t WMSZ_RIGHT = 2;
inline constexpr intptr_t WMSZ_TOP = 3;
inline constexpr intptr_t WMSZ_TOPLEFT = 4;
inline constexpr intptr_t WMSZ_TOPRIGHT = 5;
inline constexpr intptr_t WMSZ_BOTTOM = 6;
inline constexpr intptr_t WMSZ_BOTTOMLEFT = 7;
inline constexpr intptr_t WMSZ_BOTTOMRIGHT = 8;
inline constexpr uint32_t WM_ENTERSIZEMOVE = 0x0231;
inline constexpr uint32_t WM_EXITSIZEMOVE = 0x0232;
inline constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
inline constexpr uint32_t WM_MOUSELEAVE = 0x02A3;
inline constexpr uint32_t WM_USER = 0x0400;

// ---- Framework messages (CM_*) and reflected notifications (CN_*) ------------------------------

inline constexpr uint32_t CM_BASE = 0xB000;
inline constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
inline constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
inline constexpr uint32_t CM_GOTFOCUS = CM_BASE + 2;
inline constexpr uint32_t CM_LOSTFOCUS = CM_BASE + 3;
inline constexpr uint32_t CM_CANCELMODE = CM_BASE + 4;
inline constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
inline constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr uint32_t CM_HITTEST = CM_BASE + 10;
inline constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
inline constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
inline constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr uint32_t CM_CTL3DCHANGED = CM_BASE + 16;
inline constexpr uint32_t CM_PARENTCTL3DCHANGED = CM_BASE + 17;
inline constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
inline constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr uint32_t CM_MENUCHANGED = CM_BASE + 21;
inline constexpr uint32_t CM_APPKEYDOWN = CM_BASE + 22;
inline constexpr uint32_t CM_APPSYSCOMMAND = CM_BASE + 23;
inline constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
inline constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr uint32_t CM_ENTER = CM_BASE + 26;
inline constexpr uint32_t CM_EXIT = CM_BASE + 27;
inline constexpr uint32_t CM_DESIGNHITTEST = CM_BASE + 28;
inline constexpr uint32_t CM_ICONCHANGED = CM_BASE + 29;
inline constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
inline constexpr uint32_t CM_INVOKEHELP = CM_BASE + 31;
inline constexpr uint32_t CM_WINDOWHOOK = CM_BASE + 32;
inline constexpr uint32_t CM_RELEASE = CM_BASE + 33;
inline constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
inline constexpr uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
inline constexpr uint32_t CM_WININICHANGE = CM_BASE + 37;
inline constexpr uint32_t CM_FONTCHANGE = CM_BASE + 38;
inline constexpr uint32_t CM_TIMECHANGE = CM_BASE + 39;
inline constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr uint32_t CM_UIACTIVATE = CM_BASE + 41;
inline constexpr uint32_t CM_UIDEACTIVATE = CM_BASE + 42;
inline constexpr uint32_t CM_DOCWINDOWACTIVATE = CM_BASE + 43;
inline constexpr uint32_t CM_CONTROLLISTCHANGE = CM_BASE + 44;
inline constexpr uint32_t CM_GETDATALINK = CM_BASE + 45;
inline constexpr uint32_t CM_CHILDKEY = CM_BASE + 46;
inline constexpr uint32_t CM_DRAG = CM_BASE + 47;
inline constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
inline constexpr uint32_t CM_DIALOGHANDLE = CM_BASE + 49;
inline constexpr uint32_t CM_ISTOOLCONTROL = CM_BASE + 50;
inline constexpr uint32_t CM_RECREATEWND = CM_BASE + 51;
inline constexpr uint32_t CM_INVALIDATE = CM_BASE + 52;
inline constexpr uint32_t CM_SYSFONTCHANGED = CM_BASE + 53;
inline constexpr uint32_t CM_CONTROLCHANGE = CM_BASE + 54;
inline constexpr uint32_t CM_CHANGED = CM_BASE + 55;

inline constexpr uint32_t CN_BASE = 0xBC00;
inline constexpr uint32_t CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr uint32_t CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr uint32_t CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr uint32_t CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr uint32_t CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr uint32_t CN_KEYUP = CN_BASE + WM_KEYUP;
inline constexpr uint32_t CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr uint32_t CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr uint32_t CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// ---- Message parameters ------------------------------------------------------------------------

// Mouse key states in a mouse message's WParam.
inline constexpr int32_t MK_LBUTTON = 0x0001;
inline constexpr int32_t MK_RBUTTON = 0x0002;
inline constexpr int32_t MK_SHIFT = 0x0004;
inline constexpr int32_t MK_CONTROL = 0x0008;
inline constexpr int32_t MK_MBUTTON = 0x0010;
inline constexpr int WHEEL_DELTA = 120;

// Hit-test codes (WM_NCHITTEST results, WM_NCLBUTTONDOWN's WParam).
inline constexpr int HTERROR = -2;
inline constexpr int HTTRANSPARENT = -1;
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;
inline constexpr int HTSYSMENU = 3;
inline constexpr int HTSIZE = 4;
inline constexpr int HTMENU = 5;
inline constexpr int HTHSCROLL = 6;
inline constexpr int HTVSCROLL = 7;
inline constexpr int HTMINBUTTON = 8;
inline constexpr int HTMAXBUTTON = 9;
inline constexpr int HTLEFT = 10;
inline constexpr int HTRIGHT = 11;
inline constexpr int HTTOP = 12;
inline constexpr int HTTOPLEFT = 13;
inline constexpr int HTTOPRIGHT = 14;
inline constexpr int HTBOTTOM = 15;
inline constexpr int HTBOTTOMLEFT = 16;
inline constexpr int HTBOTTOMRIGHT = 17;
inline constexpr int HTBORDER = 18;

// Scroll requests in the low word of WM_HSCROLL / WM_VSCROLL's WParam; the high word holds the
// thumb position for SB_THUMBPOSITION and SB_THUMBTRACK.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINELEFT = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_LINERIGHT = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGELEFT = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_PAGERIGHT = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_LEFT = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_RIGHT = 7;
inline constexpr int SB_ENDSCROLL = 8;

// WM_SIZE kinds.
inline constexpr int SIZE_RESTORED = 0;
inline constexpr int SIZE_MINIMIZED = 1;
inline constexpr int SIZE_MAXIMIZED = 2;

// WM_ACTIVATE states.
inline constexpr int WA_INACTIVE = 0;
inline constexpr int WA_ACTIVE = 1;
inline constexpr int WA_CLICKACTIVE = 2;

// Key data: set while Alt is held (the "context code").
inline constexpr int32_t KF_ALTDOWN = 0x2000;
inline constexpr int32_t AltMask = 0x20000000;

// ---- Virtual keys ------------------------------------------------------------------------------

inline constexpr uint16_t VK_LBUTTON = 0x01;
inline constexpr uint16_t VK_RBUTTON = 0x02;
inline constexpr uint16_t VK_CANCEL = 0x03;
inline constexpr uint16_t VK_MBUTTON = 0x04;
inline constexpr uint16_t VK_BACK = 0x08;
inline constexpr uint16_t VK_TAB = 0x09;
inline constexpr uint16_t VK_CLEAR = 0x0C;
inline constexpr uint16_t VK_RETURN = 0x0D;
inline constexpr uint16_t VK_SHIFT = 0x10;
inline constexpr uint16_t VK_CONTROL = 0x11;
inline constexpr uint16_t VK_MENU = 0x12;
inline constexpr uint16_t VK_PAUSE = 0x13;
inline constexpr uint16_t VK_CAPITAL = 0x14;
inline constexpr uint16_t VK_ESCAPE = 0x1B;
inline constexpr uint16_t VK_SPACE = 0x20;
inline constexpr uint16_t VK_PRIOR = 0x21;
inline constexpr uint16_t VK_NEXT = 0x22;
inline constexpr uint16_t VK_END = 0x23;
inline constexpr uint16_t VK_HOME = 0x24;
inline constexpr uint16_t VK_LEFT = 0x25;
inline constexpr uint16_t VK_UP = 0x26;
inline constexpr uint16_t VK_RIGHT = 0x27;
inline constexpr uint16_t VK_DOWN = 0x28;
inline constexpr uint16_t VK_SELECT = 0x29;
inline constexpr uint16_t VK_PRINT = 0x2A;
inline constexpr uint16_t VK_EXECUTE = 0x2B;
inline constexpr uint16_t VK_SNAPSHOT = 0x2C;
inline constexpr uint16_t VK_INSERT = 0x2D;
inline constexpr uint16_t VK_DELETE = 0x2E;
inline constexpr uint16_t VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their own virtual-key codes.
inline constexpr uint16_t VK_LWIN = 0x5B;
inline constexpr uint16_t VK_RWIN = 0x5C;
inline constexpr uint16_t VK_APPS = 0x5D;
inline constexpr uint16_t VK_NUMPAD0 = 0x60;
inline constexpr uint16_t VK_NUMPAD9 = 0x69;
inline constexpr uint16_t VK_MULTIPLY = 0x6A;
inline constexpr uint16_t VK_ADD = 0x6B;
inline constexpr uint16_t VK_SEPARATOR = 0x6C;
inline constexpr uint16_t VK_SUBTRACT = 0x6D;
inline constexpr uint16_t VK_DECIMAL = 0x6E;
inline constexpr uint16_t VK_DIVIDE = 0x6F;
inline constexpr uint16_t VK_F1 = 0x70;
inline constexpr uint16_t VK_F2 = 0x71;
inline constexpr uint16_t VK_F3 = 0x72;
inline constexpr uint16_t VK_F4 = 0x73;
inline constexpr uint16_t VK_F5 = 0x74;
inline constexpr uint16_t VK_F6 = 0x75;
inline constexpr uint16_t VK_F7 = 0x76;
inline constexpr uint16_t VK_F8 = 0x77;
inline constexpr uint16_t VK_F9 = 0x78;
inline constexpr uint16_t VK_F10 = 0x79;
inline constexpr uint16_t VK_F11 = 0x7A;
inline constexpr uint16_t VK_F12 = 0x7B;
inline constexpr uint16_t VK_NUMLOCK = 0x90;
inline constexpr uint16_t VK_SCROLL = 0x91;

// ---- Shift state -------------------------------------------------------------------------------

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

/// Shift, Ctrl and Alt for the key message being handled: Alt from the key data's context bit,
/// Shift and Ctrl from the keyboard state of the input that caused the message.
TShiftState KeyDataToShiftState(int32_t KeyData);
/// Mouse buttons and Shift/Ctrl from a mouse message's MK_* key states.
TShiftState KeysToShiftState(int32_t Keys);

/// Position packing for mouse messages: x in the low 16 bits, y in the high 16 bits.
inline intptr_t PointToLParam(TPoint p) {
    return MakeLong(p.X, p.Y);
}
