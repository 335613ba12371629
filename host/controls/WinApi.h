#pragma once
// The window system's calls with the platform's names: windows, window procedures, focus,
// capture, cursor, coordinates and message sending. Behind every HWND is a real Qt widget.

#include <cstdint>
#include <functional>
#include <string>

#include "host/controls/Messages.h"
#include "host/core/Types.h"
#include "host/graphics/Gdi.h"

class TWinControl;
struct TWndProcRec;
struct TCursorRec;

/// A window procedure. An opaque record rather than a code pointer, so that procedures made
/// from bound methods (MakeObjectInstance) can be stored with SetWindowLong like any other.
using WNDPROC = TWndProcRec*;
/// A method that handles a message record: what WindowProc holds and MakeObjectInstance wraps.
using TWndMethod = std::function<void(TMessage&)>;
/// A cursor shape.
using HCURSOR = TCursorRec*;

// Window styles kept by the window record; forms map them to Qt window flags.
inline constexpr uint32_t WS_OVERLAPPED = 0x00000000;
inline constexpr uint32_t WS_POPUP = 0x80000000;
inline constexpr uint32_t WS_CHILD = 0x40000000;
inline constexpr uint32_t WS_VISIBLE = 0x10000000;
inline constexpr uint32_t WS_DISABLED = 0x08000000;
inline constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
inline constexpr uint32_t WS_CAPTION = 0x00C00000;
inline constexpr uint32_t WS_BORDER = 0x00800000;
inline constexpr uint32_t WS_DLGFRAME = 0x00400000;
inline constexpr uint32_t WS_SYSMENU = 0x00080000;
inline constexpr uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;
inline constexpr uint32_t WS_TABSTOP = 0x00010000;
inline constexpr uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
inline constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr uint32_t WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr uint32_t WS_EX_CLIENTEDGE = 0x00000200;

// GetWindowLong / SetWindowLong indices.
inline constexpr int GWL_WNDPROC = -4;
inline constexpr int GWL_HWNDPARENT = -8;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWL_USERDATA = -21;
inline constexpr int GWL_ID = -12;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;

// SetWindowPos flags and insert-after handles.
inline constexpr uint32_t SWP_NOSIZE = 0x0001;
inline constexpr uint32_t SWP_NOMOVE = 0x0002;
inline constexpr uint32_t SWP_NOZORDER = 0x0004;
inline constexpr uint32_t SWP_NOREDRAW = 0x0008;
inline constexpr uint32_t SWP_NOACTIVATE = 0x0010;
inline constexpr uint32_t SWP_SHOWWINDOW = 0x0040;
inline constexpr uint32_t SWP_HIDEWINDOW = 0x0080;
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);

// GetSystemMetrics indices.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;

// ---- Window classes, creation and window procedures -----------------------------------------

/// Creates a window of a registered class ("" or an unknown name gives a plain window). A
/// child (WS_CHILD with a parent) tells its parent with WM_PARENTNOTIFY(WM_CREATE).
HWND CreateWindowEx(uint32_t exStyle, const std::string& className, const std::string& caption,
                    uint32_t style, int x, int y, int width, int height, HWND parent);
/// Sends WM_DESTROY to the window and then to each of its descendants, and destroys them.
bool DestroyWindow(HWND wnd);
/// Whether wnd names a window that exists.
bool IsWindow(HWND wnd);
/// Whether a window class of that name is registered.
bool IsWindowClassRegistered(const std::string& className);

intptr_t GetWindowLong(HWND wnd, int index);
/// Replaces a value of the window record and answers the old one; GWL_WNDPROC subclasses.
intptr_t SetWindowLong(HWND wnd, int index, intptr_t value);
intptr_t CallWindowProc(WNDPROC proc, HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam);
/// The default processing: what the real Qt widget does with the message.
intptr_t DefWindowProc(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam);
/// A window procedure that calls method; free it with FreeObjectInstance.
WNDPROC MakeObjectInstance(TWndMethod method);
void FreeObjectInstance(WNDPROC instance);
/// Calls the window's procedure synchronously and answers the message's Result.
intptr_t SendMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam);
/// Queues the message through the event loop; it is dropped if the window is gone by then.
bool PostMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam);

/// The control whose window this is, or null for a raw window.
TWinControl* FindControl(HWND wnd);

// ---- Window state ----------------------------------------------------------------------------

/// Shows or hides the window without touching its control's Visible.
bool ShowWindow(HWND wnd, int cmdShow);
/// Whether the window and all its ancestors are shown.
bool IsWindowVisible(HWND wnd);
bool EnableWindow(HWND wnd, bool enable);
bool IsWindowEnabled(HWND wnd);
/// Moves, sizes or restacks the window (in its parent's client coordinates) and delivers
/// WM_WINDOWPOSCHANGED, then for a window without a control WM_MOVE and WM_SIZE.
bool SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, uint32_t flags);
bool MoveWindow(HWND wnd, int x, int y, int width, int height, bool repaint);
HWND SetParent(HWND child, HWND newParent);
HWND GetParent(HWND wnd);
bool SetWindowText(HWND wnd, const std::string& text);
std::string GetWindowText(HWND wnd);
/// Gives the window a region (in window coordinates) outside which it neither shows nor
/// takes the mouse; the window owns the region afterwards. A null region removes it.
int SetWindowRgn(HWND wnd, HRGN rgn, bool redraw);

// ---- Coordinates -----------------------------------------------------------------------------

/// The window's rectangle in screen coordinates.
bool GetWindowRect(HWND wnd, TRect& rect);
/// The client area: (0, 0, width, height).
bool GetClientRect(HWND wnd, TRect& rect);
bool ClientToScreen(HWND wnd, TPoint& point);
bool ScreenToClient(HWND wnd, TPoint& point);
/// Converts points from one window's client coordinates to another's (null: the screen).
int MapWindowPoints(HWND from, HWND to, TPoint* points, unsigned count);
/// The deepest visible window at the screen point, honouring window regions.
HWND WindowFromPoint(TPoint point);

// ---- Painting --------------------------------------------------------------------------------

/// Marks part of the client area (all of it for null) as needing a paint.
bool InvalidateRect(HWND wnd, const TRect* rect, bool erase);
/// Paints what is marked now rather than at the next pass of the event loop.
bool UpdateWindow(HWND wnd);

// ---- Focus, capture and the cursor ------------------------------------------------------------

/// The window with the keyboard focus, or null.
HWND GetFocus();
/// Gives the window the focus (WM_KILLFOCUS to the old, WM_SETFOCUS to the new); answers
/// the window that had it.
HWND SetFocus(HWND wnd);
/// The window of the active top-level form, or null.
HWND GetActiveWindow();
HWND SetActiveWindow(HWND wnd);

/// While a window holds the capture, every mouse message goes to it.
HWND SetCapture(HWND wnd);
bool ReleaseCapture();
HWND GetCapture();

/// Confines the cursor: positions reported while it is set are clamped to rect (screen
/// coordinates). Null releases it.
bool ClipCursor(const TRect* rect);
bool GetClipCursor(TRect& rect);
/// The last input position in screen coordinates.
bool GetCursorPos(TPoint& point);
bool SetCursorPos(int x, int y);
/// Bit 15 set while the key or mouse button is down, as of the input being handled.
int16_t GetKeyState(int virtKey);

/// The shape for a standard cursor index (crArrow, crSizeWE ...); HCURSOR of no shape for crNone.
HCURSOR LoadStandardCursor(int cursorIndex);
HCURSOR SetCursor(HCURSOR cursor);

unsigned GetDoubleClickTime();
int GetSystemMetrics(int index);

/// Sends the window WM_TIMER (WParam id) from the event loop every elapse milliseconds until
/// KillTimer or the window's end; setting an id again restarts it with the new period.
bool SetTimer(HWND wnd, uintptr_t id, unsigned elapse);
bool KillTimer(HWND wnd, uintptr_t id);

// ---- Message boxes ---------------------------------------------------------------------------

// MessageBox buttons (the low nibble), icons and default button; its answers.
inline constexpr uint32_t MB_OK = 0x00000000;
inline constexpr uint32_t MB_OKCANCEL = 0x00000001;
inline constexpr uint32_t MB_ABORTRETRYIGNORE = 0x00000002;
inline constexpr uint32_t MB_YESNOCANCEL = 0x00000003;
inline constexpr uint32_t MB_YESNO = 0x00000004;
inline constexpr uint32_t MB_RETRYCANCEL = 0x00000005;
inline constexpr uint32_t MB_TYPEMASK = 0x0000000F;
inline constexpr uint32_t MB_ICONHAND = 0x00000010;
inline constexpr uint32_t MB_ICONERROR = MB_ICONHAND;
inline constexpr uint32_t MB_ICONQUESTION = 0x00000020;
inline constexpr uint32_t MB_ICONEXCLAMATION = 0x00000030;
inline constexpr uint32_t MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr uint32_t MB_ICONASTERISK = 0x00000040;
inline constexpr uint32_t MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr uint32_t MB_ICONMASK = 0x000000F0;
inline constexpr uint32_t MB_DEFBUTTON1 = 0x00000000;
inline constexpr uint32_t MB_DEFBUTTON2 = 0x00000100;
inline constexpr uint32_t MB_DEFBUTTON3 = 0x00000200;
inline constexpr uint32_t MB_DEFMASK = 0x00000F00;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

/// A modal message box over wnd's window: text, caption, MB_* buttons and icon; answers the
/// ID* of the button chosen (IDCANCEL when closed). Shown through the message box runner of
/// Dialogs.h, which tests replace.
int MessageBox(HWND wnd, const std::string& text, const std::string& caption, uint32_t type);
