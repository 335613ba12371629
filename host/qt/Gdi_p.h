#pragma once
// What lies behind the drawing handles, and the bridge the window layer uses to give
// canvases and device contexts to its widgets. Private to host/.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>

#include <memory>
#include <vector>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"

class QPaintDevice;
class QPainter;

enum class TGdiKind { Pen, Brush, Font, Bitmap, Region };

/// A pen, brush, font, bitmap or region; only the fields of its kind are used.
struct TGdiObjectRec {
    TGdiKind Kind = TGdiKind::Region;
    bool Stock = false;
    /// The field of the pen, brush, font or bitmap that owns the object; cleared when
    /// someone else deletes it, so that the owner is never left with a dangling handle.
    HGDIOBJ* OwnerSlot = nullptr;
    // Pen: the style word of CreatePen/ExtCreatePen and the user dash pattern.
    DWORD PenStyle = PS_SOLID;
    int PenWidth = 1;
    COLORREF Color = 0; // pen and brush
    std::vector<DWORD> Dashes;
    // Brush.
    UINT BrushStyle = BS_SOLID;
    int Hatch = 0;
    // Font: in a block of its own, made only for fonts, which keeps the far more numerous
    // brushes and regions small.
    struct TFontPart {
        LOGFONT LogFont;
        QFont Font;
    };
    std::unique_ptr<TFontPart> FontPart;
    // Bitmap: 32-bit pixels; a monochrome bitmap holds only black and white.
    QImage Image;
    bool Monochrome = false;
    TDeviceContextRec* SelectedIn = nullptr;
    // Region.
    QRegion Region;
};

enum class TDCKind { Device, Memory, Screen };

/// A device context: the objects selected into it, its modes, and a painter opened on the
/// first drawing call and closed by FlushDeviceContext or when the context goes.
struct TDeviceContextRec {
    TDCKind Kind = TDCKind::Device;
    QPaintDevice* Device = nullptr;
    /// Where the context's (0, 0) lies on the device, and what part of the device it owns.
    QPoint Origin;
    QRegion BaseClip;
    bool HasBaseClip = false;
    std::unique_ptr<QPainter> Painter;
    HPEN Pen = nullptr;
    HBRUSH Brush = nullptr;
    HFONT Font = nullptr;
    HBITMAP Bitmap = nullptr;
    HBITMAP OwnBitmap = nullptr;
    int Rop2 = R2_COPYPEN;
    QRegion Clip;
    bool HasClip = false;
    /// The painter's clip is the one the context's regions give: set once per painter and
    /// clip change, as converting a region into the rasteriser's clip is costly.
    bool PainterClipValid = false;
    QPoint PenPos;
    COLORREF TextColor = 0;
    COLORREF BkColor = 0xFFFFFF;
    int BkMode = OPAQUE;

    TDeviceContextRec();
    ~TDeviceContextRec();
};

// ---- Conversions --------------------------------------------------------------------------

QColor ToQColor(TColor color);
QColor ColorRefToQColor(COLORREF color);
COLORREF QColorToColorRef(const QColor& color);
QFont ToQFont(const TFont& font);
/// The installed family drawn for a font name: the name itself when installed, otherwise the
/// CJK sans family, otherwise the default sans family.
QString MapFontFamily(const std::string& name);

QFont LogFontToQFont(const LOGFONT& font);
QPen ToQPen(const TGdiObjectRec* pen);
QBrush ToQBrush(const TGdiObjectRec* brush);

// ---- Objects ------------------------------------------------------------------------------

/// The record behind a handle when it is a live object of that kind, else null.
TGdiObjectRec* LiveObject(HGDIOBJ obj, TGdiKind kind);
bool IsLiveObject(HGDIOBJ obj);
/// Records slot as the owner's field holding obj (null slot: no owner any more).
void SetObjectOwner(HGDIOBJ obj, HGDIOBJ* slot);
bool IsLiveDC(HDC dc);
/// Replaces obj by the default object in every context that has it selected.
void DeselectEverywhere(HGDIOBJ obj);
HBITMAP CreateBitmapObject(const QImage& image, bool monochrome = false);

// ---- Regions ------------------------------------------------------------------------------

QRegion RegionOf(HRGN rgn);
HRGN CreateRegion(const QRegion& region);

// ---- Device contexts and canvases ---------------------------------------------------------

/// A device context that draws on device, with (0, 0) at origin and drawing confined to
/// clip (device coordinates; an empty clip confines nothing). Destroy it with
/// DestroyDeviceContext (or ReleaseDC / DeleteDC).
HDC CreateDeviceContext(QPaintDevice* device, QPoint origin = {}, const QRegion& clip = {});
void DestroyDeviceContext(HDC dc);
/// Ends the context's painter, if open; the next drawing call opens a new one.
void FlushDeviceContext(HDC dc);
/// The context's painter, opened now if needed, in the context's state; null for the
/// screen or when the device cannot be painted on now.
QPainter* PainterOf(HDC dc);

/// Draws image stretched into target (context coordinates) with a ternary raster operation.
/// A monochrome image shows the context's background colour where it is white and its text
/// colour where it is black; transparent, when given, is left out.
void DrawImage(HDC dc, const QRect& target, const QImage& image, bool monochrome, DWORD rop,
               const QColor* transparent = nullptr);
/// The pixels a context draws on when it has any (a bitmap's, an image's), else null.
QImage* ImageOfDC(HDC dc);

/// Shape painters shared by device contexts and the screen layer: right and bottom edges
/// exclusive, lines without their end point.
void PaintRectangle(QPainter& p, const QRect& r, const QPen& pen, const QBrush& brush);
void PaintEllipse(QPainter& p, const QRect& r, const QPen& pen, const QBrush& brush);
void PaintLine(QPainter& p, QPoint from, QPoint to, const QPen& pen);
void PaintPolyline(QPainter& p, const QPolygon& points, const QPen& pen);

/// Binds canvas to a context on device made as CreateDeviceContext does; the canvas opens
/// the painter on its first drawing call. Rebinding unbinds first.
void BindCanvas(TCanvas* canvas, QPaintDevice* device, QPoint origin = {},
                const QRegion& clip = {});
/// Closes the painter and destroys the context made by BindCanvas.
void UnbindCanvas(TCanvas* canvas);

/// The pixels of a bitmap (and of every TBitmap descendant), complete up to now.
QImage& ImageOf(TBitmap* bitmap);
QImage& ImageOf(HBITMAP bitmap);
/// Any graphic as an image (a non-raster graphic is drawn into one).
QImage GraphicToImage(TGraphic* graphic);
QPixmap GraphicToPixmap(TGraphic* graphic);

/// Lets the window layer answer GetDC / ReleaseDC for a non-null window.
using TWindowDCProvider = HDC (*)(HWND wnd);
using TWindowDCRelease = int (*)(HWND wnd, HDC dc);
struct TWindowDCProviders {
    TWindowDCProvider Provide = nullptr;
    TWindowDCRelease Release = nullptr;
};
/// Installs the hook and answers the one it replaces, so that whoever swaps it (a test) can
/// put it back.
TWindowDCProviders SetWindowDCProvider(TWindowDCProvider provider,
                                       TWindowDCRelease release = nullptr);

class QWidget;
/// The top-level widget showing the screen layer's shapes; null while none is shown.
QWidget* ScreenLayerWidget();
/// The pixels the screen layer shows, in screen coordinates (the widget's mask, moved).
QRegion ScreenLayerRegion();
