// Device contexts: creation, selected objects, modes, clipping, and the lazily opened painter.

#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>

#include <unordered_set>

#include "host/qt/DeviceContext_p.h"
#include "host/qt/Gdi_p.h"

namespace {

std::unordered_set<TDeviceContextRec*>& LiveDCs() {
    static std::unordered_set<TDeviceContextRec*> live;
    return live;
}

TWindowDCProvider gWindowDCProvider = nullptr;
TWindowDCRelease gWindowDCRelease = nullptr;

} // namespace

TDeviceContextRec::TDeviceContextRec() {
    Pen = GetStockObject(BLACK_PEN);
    Brush = GetStockObject(WHITE_BRUSH);
    Font = GetStockObject(SYSTEM_FONT);
    LiveDCs().insert(this);
}

TDeviceContextRec::~TDeviceContextRec() {
    LiveDCs().erase(this);
    Painter.reset();
    if (TGdiObjectRec* bmp = LiveObject(Bitmap, TGdiKind::Bitmap); bmp && bmp->SelectedIn == this)
        bmp->SelectedIn = nullptr;
    if (OwnBitmap) DeleteObject(OwnBitmap);
}

bool IsLiveDC(HDC dc) {
    return dc && LiveDCs().count(dc);
}

void DeselectEverywhere(HGDIOBJ obj) {
    for (TDeviceContextRec* dc : LiveDCs()) {
        if (dc->Pen == obj) dc->Pen = GetStockObject(BLACK_PEN);
        if (dc->Brush == obj) dc->Brush = GetStockObject(WHITE_BRUSH);
        if (dc->Font == obj) dc->Font = GetStockObject(SYSTEM_FONT);
        if (dc->OwnBitmap == obj) dc->OwnBitmap = nullptr;
        if (dc->Bitmap == obj) {
            dc->Painter.reset();
            dc->Bitmap = dc->OwnBitmap;
            if (dc->OwnBitmap) dc->OwnBitmap->SelectedIn = dc;
        }
    }
}

HDC CreateDeviceContext(QPaintDevice* device, QPoint origin, const QRegion& clip) {
    auto* dc = new TDeviceContextRec;
    dc->Kind = TDCKind::Device;
    dc->Device = device;
    dc->Origin = origin;
    dc->BaseClip = clip;
    dc->HasBaseClip = !clip.isEmpty();
    return dc;
}

void DestroyDeviceContext(HDC dc) {
    if (IsLiveDC(dc)) delete dc;
}

void FlushDeviceContext(HDC dc) {
    if (IsLiveDC(dc)) dc->Painter.reset();
}

QImage* ImageOfDC(HDC dc) {
    if (!IsLiveDC(dc)) return nullptr;
    if (dc->Kind == TDCKind::Memory) {
        TGdiObjectRec* bmp = LiveObject(dc->Bitmap, TGdiKind::Bitmap);
        return bmp ? &bmp->Image : nullptr;
    }
    if (dc->Kind == TDCKind::Device && dc->Device && dc->Device->devType() == QInternal::Image)
        return static_cast<QImage*>(dc->Device);
    return nullptr;
}

QPainter* PainterOf(HDC dc) {
    if (!IsLiveDC(dc) || dc->Kind == TDCKind::Screen) return nullptr;
    if (!dc->Painter) {
        QPaintDevice* device = dc->Device;
        if (dc->Kind == TDCKind::Memory) {
            QImage* image = ImageOfDC(dc);
            device = image && !image->isNull() ? image : nullptr;
        }
        if (!device) return nullptr;
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(device)) return nullptr;
        dc->Painter = std::move(painter);
        dc->PainterClipValid = false;
    }
    return dc->Painter.get();
}

QPainter* BeginDrawing(HDC dc) {
    QPainter* p = PainterOf(dc);
    if (!p) return nullptr;
    p->resetTransform();
    if (!dc->PainterClipValid) {
        QRegion clip;
        bool clipped = false;
        if (dc->HasBaseClip) {
            clip = dc->BaseClip;
            clipped = true;
        }
        if (dc->HasClip) {
            const QRegion own = dc->Clip.translated(dc->Origin);
            clip = clipped ? clip.intersected(own) : own;
            clipped = true;
        }
        if (clipped)
            p->setClipRegion(clip);
        else
            p->setClipping(false);
        dc->PainterClipValid = true;
    }
    p->translate(dc->Origin);
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setPen(Qt::NoPen);
    p->setBrush(Qt::NoBrush);
    return p;
}

bool ApplyRop2(QPainter& p, int rop2) {
    using M = QPainter::CompositionMode;
    static const M modes[] = {
        M::CompositionMode_SourceOver,          // 0 (invalid)
        M::RasterOp_ClearDestination,           // R2_BLACK
        M::RasterOp_NotSourceAndNotDestination, // R2_NOTMERGEPEN
        M::RasterOp_NotSourceAndDestination,    // R2_MASKNOTPEN
        M::RasterOp_NotSource,                  // R2_NOTCOPYPEN
        M::RasterOp_SourceAndNotDestination,    // R2_MASKPENNOT
        M::RasterOp_NotDestination,             // R2_NOT
        M::RasterOp_SourceXorDestination,       // R2_XORPEN
        M::RasterOp_NotSourceOrNotDestination,  // R2_NOTMASKPEN
        M::RasterOp_SourceAndDestination,       // R2_MASKPEN
        M::RasterOp_NotSourceXorDestination,    // R2_NOTXORPEN
        M::CompositionMode_Destination,         // R2_NOP
        M::RasterOp_NotSourceOrDestination,     // R2_MERGENOTPEN
        M::CompositionMode_SourceOver,          // R2_COPYPEN
        M::RasterOp_SourceOrNotDestination,     // R2_MERGEPENNOT
        M::RasterOp_SourceOrDestination,        // R2_MERGEPEN
        M::RasterOp_SetDestination,             // R2_WHITE
    };
    if (rop2 == R2_NOP) return false;
    p.setCompositionMode(rop2 > 0 && rop2 <= R2_WHITE ? modes[rop2] : modes[0]);
    return true;
}

QRect DeviceExtent(HDC dc) {
    if (dc->Kind == TDCKind::Screen) {
        QScreen* s = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                         ? QGuiApplication::primaryScreen()
                         : nullptr;
        return s ? s->virtualGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    }
    if (QImage* image = ImageOfDC(dc)) return image->rect();
    if (!dc->Device) return {};
    QRect r(-dc->Origin, QSize(dc->Device->width(), dc->Device->height()));
    if (dc->HasBaseClip) r &= dc->BaseClip.boundingRect().translated(-dc->Origin);
    return r;
}

// ---- Binding canvases ---------------------------------------------------------------------

void BindCanvas(TCanvas* canvas, QPaintDevice* device, QPoint origin, const QRegion& clip) {
    UnbindCanvas(canvas);
    canvas->SetHandle(CreateDeviceContext(device, origin, clip));
}

void UnbindCanvas(TCanvas* canvas) {
    if (!canvas->HandleAllocated()) return;
    HDC dc = canvas->Handle();
    canvas->SetHandle(nullptr);
    DestroyDeviceContext(dc);
}

TWindowDCProviders SetWindowDCProvider(TWindowDCProvider provider, TWindowDCRelease release) {
    const TWindowDCProviders previous{gWindowDCProvider, gWindowDCRelease};
    gWindowDCProvider = provider;
    gWindowDCRelease = release;
    return previous;
}

// ---- The GDI-style functions --------------------------------------------------------------

HDC GetDC(HWND wnd) {
    if (!wnd) {
        auto* dc = new TDeviceContextRec;
        dc->Kind = TDCKind::Screen;
        return dc;
    }
    return gWindowDCProvider ? gWindowDCProvider(wnd) : nullptr;
}

int ReleaseDC(HWND wnd, HDC dc) {
    if (!IsLiveDC(dc)) return 0;
    if (wnd && gWindowDCRelease) return gWindowDCRelease(wnd, dc);
    delete dc;
    return 1;
}

HDC CreateCompatibleDC(HDC) {
    auto* dc = new TDeviceContextRec;
    dc->Kind = TDCKind::Memory;
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::white);
    dc->OwnBitmap = CreateBitmapObject(one, true);
    dc->OwnBitmap->SelectedIn = dc;
    dc->Bitmap = dc->OwnBitmap;
    return dc;
}

BOOL DeleteDC(HDC dc) {
    if (!IsLiveDC(dc)) return false;
    delete dc;
    return true;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (width < 0 || height < 0) return nullptr;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    bool mono = false;
    if (IsLiveDC(dc) && dc->Kind == TDCKind::Memory)
        if (TGdiObjectRec* bmp = LiveObject(dc->Bitmap, TGdiKind::Bitmap)) mono = bmp->Monochrome;
    return CreateBitmapObject(image, mono);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj) {
    if (!IsLiveDC(dc) || !IsLiveObject(obj)) return nullptr;
    switch (obj->Kind) {
    case TGdiKind::Pen:
        if (!LiveObject(obj, TGdiKind::Pen)) return nullptr;
        return std::exchange(dc->Pen, obj);
    case TGdiKind::Brush:
        if (!LiveObject(obj, TGdiKind::Brush)) return nullptr;
        return std::exchange(dc->Brush, obj);
    case TGdiKind::Font:
        if (!LiveObject(obj, TGdiKind::Font)) return nullptr;
        return std::exchange(dc->Font, obj);
    case TGdiKind::Region:
        return reinterpret_cast<HGDIOBJ>(intptr_t(SelectClipRgn(dc, obj)));
    case TGdiKind::Bitmap: {
        TGdiObjectRec* bmp = LiveObject(obj, TGdiKind::Bitmap);
        if (!bmp || dc->Kind != TDCKind::Memory) return nullptr;
        if (dc->Bitmap == obj) return obj;
        dc->Painter.reset();
        // A bitmap lives in one context at a time: the other one falls back to its own.
        if (TDeviceContextRec* other = bmp->SelectedIn; other && IsLiveDC(other)) {
            other->Painter.reset();
            other->Bitmap = other->OwnBitmap;
            if (other->OwnBitmap) other->OwnBitmap->SelectedIn = other;
        }
        HGDIOBJ previous = dc->Bitmap;
        if (TGdiObjectRec* prev = LiveObject(previous, TGdiKind::Bitmap))
            prev->SelectedIn = nullptr;
        dc->Bitmap = obj;
        bmp->SelectedIn = dc;
        return previous;
    }
    }
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT kind) {
    if (!IsLiveDC(dc)) return nullptr;
    switch (kind) {
    case OBJ_PEN:
        return dc->Pen;
    case OBJ_BRUSH:
        return dc->Brush;
    case OBJ_FONT:
        return dc->Font;
    case OBJ_BITMAP:
        return dc->Bitmap;
    default:
        return nullptr;
    }
}

int SetROP2(HDC dc, int mode) {
    if (!IsLiveDC(dc) || mode < R2_BLACK || mode > R2_WHITE) return 0;
    return std::exchange(dc->Rop2, mode);
}

int GetROP2(HDC dc) {
    return IsLiveDC(dc) ? dc->Rop2 : 0;
}

int SelectClipRgn(HDC dc, HRGN rgn) {
    if (!IsLiveDC(dc)) return ERROR;
    if (!rgn) {
        dc->HasClip = false;
        dc->Clip = QRegion();
        dc->PainterClipValid = false;
        return SIMPLEREGION;
    }
    TGdiObjectRec* r = LiveObject(rgn, TGdiKind::Region);
    if (!r) return ERROR;
    dc->Clip = r->Region;
    dc->HasClip = true;
    dc->PainterClipValid = false;
    if (dc->Clip.isEmpty()) return NULLREGION;
    return dc->Clip.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int GetClipBox(HDC dc, TRect* r) {
    if (!IsLiveDC(dc)) return ERROR;
    QRegion visible(DeviceExtent(dc));
    if (dc->HasClip) visible &= dc->Clip;
    const QRect b = visible.boundingRect();
    if (r)
        *r = visible.isEmpty() ? TRect{} : TRect{b.left(), b.top(), b.right() + 1, b.bottom() + 1};
    if (visible.isEmpty()) return NULLREGION;
    return visible.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    if (!IsLiveDC(dc)) return CLR_INVALID;
    return std::exchange(dc->TextColor, color & 0xFFFFFF);
}
COLORREF GetTextColor(HDC dc) {
    return IsLiveDC(dc) ? dc->TextColor : CLR_INVALID;
}
COLORREF SetBkColor(HDC dc, COLORREF color) {
    if (!IsLiveDC(dc)) return CLR_INVALID;
    return std::exchange(dc->BkColor, color & 0xFFFFFF);
}
COLORREF GetBkColor(HDC dc) {
    return IsLiveDC(dc) ? dc->BkColor : CLR_INVALID;
}
int SetBkMode(HDC dc, int mode) {
    if (!IsLiveDC(dc) || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(dc->BkMode, mode);
}
int GetBkMode(HDC dc) {
    return IsLiveDC(dc) ? dc->BkMode : 0;
}
