#pragma once
// GDI-style free functions on the handles of Gdi.h: regions, pens, brushes, device contexts,
// raster modes, and the screen layer's exclusive-or frames.

#include <cstdint>
#include <string>
#include <vector>

#include "host/core/Types.h"
#include "host/graphics/Gdi.h"

using BOOL = int;
using UINT = unsigned int;
using DWORD = uint32_t;

/// A brush description as ExtCreatePen and CreateBrushIndirect take it.
struct LOGBRUSH {
    UINT lbStyle = 0;
    COLORREF lbColor = 0;
    uintptr_t lbHatch = 0;
};

/// A pen description as GetObject answers it for a pen.
struct EXTLOGPEN {
    DWORD elpPenStyle = 0;
    DWORD elpWidth = 0;
    UINT elpBrushStyle = 0;
    COLORREF elpColor = 0;
    std::vector<DWORD> elpStyleEntry;
};

/// A font description: lfHeight in pixels (negative: character height), lfWeight 400 normal,
/// 700 bold.
struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 400;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 1;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    std::string lfFaceName;
};
inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_BOLD = 700;
inline constexpr uint8_t DEFAULT_PITCH = 0;
inline constexpr uint8_t FIXED_PITCH = 1;
inline constexpr uint8_t VARIABLE_PITCH = 2;

// Region combination modes and results.
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

// Pen styles: the style, end cap, join and type fields of a pen style word.
inline constexpr DWORD PS_SOLID = 0;
inline constexpr DWORD PS_DASH = 1;
inline constexpr DWORD PS_DOT = 2;
inline constexpr DWORD PS_DASHDOT = 3;
inline constexpr DWORD PS_DASHDOTDOT = 4;
inline constexpr DWORD PS_NULL = 5;
inline constexpr DWORD PS_INSIDEFRAME = 6;
inline constexpr DWORD PS_USERSTYLE = 7;
inline constexpr DWORD PS_ALTERNATE = 8;
inline constexpr DWORD PS_STYLE_MASK = 0x0000000F;
inline constexpr DWORD PS_ENDCAP_ROUND = 0x00000000;
inline constexpr DWORD PS_ENDCAP_SQUARE = 0x00000100;
inline constexpr DWORD PS_ENDCAP_FLAT = 0x00000200;
inline constexpr DWORD PS_ENDCAP_MASK = 0x00000F00;
inline constexpr DWORD PS_JOIN_ROUND = 0x00000000;
inline constexpr DWORD PS_JOIN_BEVEL = 0x00001000;
inline constexpr DWORD PS_JOIN_MITER = 0x00002000;
inline constexpr DWORD PS_JOIN_MASK = 0x0000F000;
inline constexpr DWORD PS_COSMETIC = 0x00000000;
inline constexpr DWORD PS_GEOMETRIC = 0x00010000;
inline constexpr DWORD PS_TYPE_MASK = 0x000F0000;

// Brush styles and hatches.
inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;
inline constexpr UINT BS_HATCHED = 2;
inline constexpr int HS_HORIZONTAL = 0;
inline constexpr int HS_VERTICAL = 1;
inline constexpr int HS_FDIAGONAL = 2;
inline constexpr int HS_BDIAGONAL = 3;
inline constexpr int HS_CROSS = 4;
inline constexpr int HS_DIAGCROSS = 5;

// Binary raster operations of SetROP2.
inline constexpr int R2_BLACK = 1;
inline constexpr int R2_NOTMERGEPEN = 2;
inline constexpr int R2_MASKNOTPEN = 3;
inline constexpr int R2_NOTCOPYPEN = 4;
inline constexpr int R2_MASKPENNOT = 5;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_NOTMASKPEN = 8;
inline constexpr int R2_MASKPEN = 9;
inline constexpr int R2_NOTXORPEN = 10;
inline constexpr int R2_NOP = 11;
inline constexpr int R2_MERGENOTPEN = 12;
inline constexpr int R2_COPYPEN = 13;
inline constexpr int R2_MERGEPENNOT = 14;
inline constexpr int R2_MERGEPEN = 15;
inline constexpr int R2_WHITE = 16;

// Object kinds of GetCurrentObject.
inline constexpr UINT OBJ_PEN = 1;
inline constexpr UINT OBJ_BRUSH = 2;
inline constexpr UINT OBJ_FONT = 6;
inline constexpr UINT OBJ_BITMAP = 7;

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Ternary raster operations of BitBlt.
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;

inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATINVERT = 0x005A0049;

// ExtTextOut options and DrawText formats.
inline constexpr UINT ETO_OPAQUE = 0x0002;
inline constexpr UINT ETO_CLIPPED = 0x0004;
inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// ---- Regions ------------------------------------------------------------------------------

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect& r);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
/// Makes dst the combination of a and b (b unused for RGN_COPY); dst may be a or b.
/// Answers the type of the result, or ERROR.
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL RectInRegion(HRGN rgn, const TRect& r);
/// The bounding box; answers the region's type, or ERROR.
int GetRgnBox(HRGN rgn, TRect* box);
BOOL EqualRgn(HRGN a, HRGN b);
int OffsetRgn(HRGN rgn, int dx, int dy);
BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
/// The rectangles that make up the region, for tests and for masks.
std::vector<TRect> GetRegionRects(HRGN rgn);

// ---- Objects ------------------------------------------------------------------------------

/// Deletes any object made by the functions here; false for stock objects, nulls and
/// handles already deleted.
BOOL DeleteObject(HGDIOBJ obj);
HGDIOBJ GetStockObject(int index);
HPEN CreatePen(int style, int width, COLORREF color);
/// A pen with end caps, joins and, with PS_USERSTYLE, a dash pattern of count entries
/// (alternately drawn and skipped lengths, in pixels).
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD count,
                  const DWORD* styles);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
HFONT CreateFontIndirect(const LOGFONT* font);
/// The description of a pen, brush or font; 0 when obj is not of that kind.
int GetObject(HGDIOBJ obj, EXTLOGPEN* pen);
int GetObject(HGDIOBJ obj, LOGBRUSH* brush);
int GetObject(HGDIOBJ obj, LOGFONT* font);

// ---- Device contexts ----------------------------------------------------------------------

/// The device context of a window, or of the whole screen for a null window (coordinates
/// are then screen coordinates and drawing goes to the screen layer).
HDC GetDC(HWND wnd);
int ReleaseDC(HWND wnd, HDC dc);
/// A memory device context; select a bitmap into it to draw on the bitmap.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

/// Selects a pen, brush, font, bitmap or region; answers the object it replaced (for a
/// region, the region type).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj);
HGDIOBJ GetCurrentObject(HDC dc, UINT kind);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
/// Clips later drawing to a copy of rgn (device coordinates); null removes the clipping.
int SelectClipRgn(HDC dc, HRGN rgn);
int GetClipBox(HDC dc, TRect* r);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);

BOOL MoveToEx(HDC dc, int x, int y, TPoint* previous);
/// Draws from the current position up to, but not including, (x, y).
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const TPoint* points, int count);
BOOL Polygon(HDC dc, const TPoint* points, int count);
/// Outline with the selected pen, inside with the selected brush; right, bottom exclusive.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
/// A rectangle with corners rounded by ellipses of width x height.
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
int FillRect(HDC dc, const TRect* r, HBRUSH brush);
int FrameRect(HDC dc, const TRect* r, HBRUSH brush);
/// Fills with the selected brush combined with the destination by rop (PATCOPY, PATINVERT,
/// DSTINVERT, BLACKNESS, WHITENESS).
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop);
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
/// Text in the text colour, its cell filled with the background colour in OPAQUE mode.
BOOL TextOut(HDC dc, int x, int y, const std::string& text);
/// TextOut, ETO_CLIPPED clipping it to r and ETO_OPAQUE filling r with the background colour.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const TRect* r, const std::string& text);
BOOL GetTextExtentPoint32(HDC dc, const std::string& text, TSize* size);
/// Formatted text in r (DT_* flags); with DT_CALCRECT only measures into r. Answers the
/// text height.
int DrawText(HDC dc, const std::string& text, TRect* r, UINT format);
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
/// The colour of a system colour index (COLOR_BTNFACE is 15), from the palette.
DWORD GetSysColor(int index);

// ---- The screen layer ---------------------------------------------------------------------

/// The rectangles drawn on the screen device context that are shown now, in screen
/// coordinates, each cut to the clip region it was drawn with.
std::vector<TRect> ScreenFramesShown();
/// A line shown on the screen layer.
struct TScreenLine {
    TPoint From;
    TPoint To;
    bool operator==(const TScreenLine&) const = default;
};
std::vector<TScreenLine> ScreenLinesShown();
/// Removes every shape from the screen layer, as a repaint of the whole screen would.
void ClearScreenLayer();
