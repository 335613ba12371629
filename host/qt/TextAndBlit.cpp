// Text output and image transfers on device contexts.

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include "host/qt/DeviceContext_p.h"

namespace {

QPainter::CompositionMode BlitMode(DWORD rop, bool sourceHasAlpha) {
    using M = QPainter::CompositionMode;
    switch (rop) {
    case SRCPAINT:
        return M::RasterOp_SourceOrDestination;
    case SRCAND:
        return M::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return M::RasterOp_SourceXorDestination;
    case NOTSRCCOPY:
        return M::RasterOp_NotSource;
    case 0x00440328:
        return M::RasterOp_SourceAndNotDestination; // SRCERASE
    case 0x001100A6:
        return M::RasterOp_NotSourceAndNotDestination; // NOTSRCERASE
    case 0x00BB0226:
        return M::RasterOp_NotSourceOrDestination; // MERGEPAINT
    case DSTINVERT:
        return M::RasterOp_NotDestination;
    case BLACKNESS:
        return M::RasterOp_ClearDestination;
    case WHITENESS:
        return M::RasterOp_SetDestination;
    default:
        return sourceHasAlpha ? M::CompositionMode_SourceOver : M::CompositionMode_Source;
    }
}

QImage SourceImage(HDC src, const QRect& part, bool& monochrome) {
    monochrome = false;
    if (QImage* image = ImageOfDC(src)) {
        if (src->Kind == TDCKind::Memory)
            if (TGdiObjectRec* bmp = LiveObject(src->Bitmap, TGdiKind::Bitmap))
                monochrome = bmp->Monochrome;
        FlushDeviceContext(src);
        return image->copy(part.translated(src->Origin));
    }
    if (src->Device && src->Device->devType() == QInternal::Widget && !src->Painter)
        return static_cast<QWidget*>(src->Device)->grab(part.translated(src->Origin)).toImage();
    return {};
}

int QtTextFlags(UINT format) {
    int flags = 0;
    flags |= (format & DT_CENTER)  ? Qt::AlignHCenter
             : (format & DT_RIGHT) ? Qt::AlignRight
                                   : Qt::AlignLeft;
    if (format & DT_SINGLELINE)
        flags |= (format & DT_VCENTER)  ? Qt::AlignVCenter
                 : (format & DT_BOTTOM) ? Qt::AlignBottom
                                        : Qt::AlignTop;
    else
        flags |= Qt::AlignTop;
    if (format & DT_SINGLELINE) flags |= Qt::TextSingleLine;
    if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    if (!(format & DT_NOPREFIX)) flags |= Qt::TextShowMnemonic;
    return flags;
}

} // namespace

void DrawImage(HDC dc, const QRect& target, const QImage& image, bool monochrome, DWORD rop,
               const QColor* transparent) {
    if (image.isNull() || target.isEmpty()) return;
    // An opaque image is drawn as it is: a conversion would only copy it, and blending opaque
    // pixels over the destination gives the same result as copying them.
    const bool recolour = monochrome || transparent || image.hasAlphaChannel();
    QImage source = recolour ? image.convertToFormat(QImage::Format_ARGB32) : image;
    const int width = source.width(), height = source.height();
    if (monochrome) {
        // White becomes the background colour, black the text colour, as a blit from a
        // one-bit bitmap does.
        const QRgb back = ColorRefToQColor(dc->BkColor).rgb();
        const QRgb fore = ColorRefToQColor(dc->TextColor).rgb();
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? back : fore;
        }
    }
    bool alpha = source.hasAlphaChannel() && !monochrome;
    if (transparent) {
        const QRgb key = transparent->rgb() & 0xFFFFFF;
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
            for (int x = 0; x < width; ++x)
                if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
        }
        alpha = true;
    }
    QPainter* p = BeginDrawing(dc);
    if (!p) return;
    p->setCompositionMode(BlitMode(rop, alpha));
    p->drawImage(target, source);
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop) {
    if (!IsLiveDC(dst) || !IsLiveDC(src) || dst->Kind == TDCKind::Screen) return false;
    bool mono = false;
    const QImage part = SourceImage(src, QRect(srcX, srcY, srcWidth, srcHeight), mono);
    if (part.isNull()) return false;
    DrawImage(dst, QRect(x, y, width, height), part, mono, rop);
    return true;
}

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    if (rop == BLACKNESS || rop == WHITENESS || rop == DSTINVERT || rop == PATCOPY ||
        rop == PATINVERT)
        return PatBlt(dst, x, y, width, height, rop);
    return StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

BOOL GetTextExtentPoint32(HDC dc, const std::string& text, TSize* size) {
    if (!IsLiveDC(dc) || !size) return false;
    const QFontMetrics fm(FontOf(dc)->FontPart->Font);
    size->cx = fm.horizontalAdvance(QString::fromStdString(text));
    size->cy = fm.height();
    return true;
}

BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const TRect* r, const std::string& text) {
    if (!IsLiveDC(dc)) return false;
    if (dc->Kind == TDCKind::Screen) return true;
    QPainter* p = BeginDrawing(dc);
    if (!p) return false;
    const QFont font = FontOf(dc)->FontPart->Font;
    const QFontMetrics fm(font);
    const QString s = QString::fromStdString(text);
    const QColor back = ColorRefToQColor(dc->BkColor);
    if (r && (options & ETO_CLIPPED)) {
        p->setClipRect(QRectOf(*r), Qt::IntersectClip);
        dc->PainterClipValid = false;
    }
    if (r && (options & ETO_OPAQUE)) p->fillRect(QRectOf(*r), back);
    if (dc->BkMode == OPAQUE) p->fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), back);
    p->setFont(font);
    p->setPen(ColorRefToQColor(dc->TextColor));
    p->drawText(QPoint(x, y + fm.ascent()), s);
    return true;
}

BOOL TextOut(HDC dc, int x, int y, const std::string& text) {
    return ExtTextOut(dc, x, y, 0, nullptr, text);
}

int DrawText(HDC dc, const std::string& text, TRect* r, UINT format) {
    if (!IsLiveDC(dc) || !r) return 0;
    const QFont font = FontOf(dc)->FontPart->Font;
    const QFontMetrics fm(font);
    QString s = QString::fromStdString(text);
    QRect box = QRectOf(*r);
    const int flags = QtTextFlags(format);
    if (format & DT_END_ELLIPSIS) s = fm.elidedText(s, Qt::ElideRight, box.width(), flags);
    const QRect used = fm.boundingRect(
        box.isEmpty() ? QRect(box.topLeft(), QSize(1 << 15, 1 << 15)) : box, flags, s);
    if (format & DT_CALCRECT) {
        r->Right = r->Left + used.width();
        r->Bottom = r->Top + used.height();
        return used.height();
    }
    if (dc->Kind == TDCKind::Screen) return used.height();
    QPainter* p = BeginDrawing(dc);
    if (!p) return 0;
    if (!(format & DT_NOCLIP)) {
        p->setClipRect(box, Qt::IntersectClip);
        dc->PainterClipValid = false;
    }
    if (dc->BkMode == OPAQUE) p->fillRect(used, ColorRefToQColor(dc->BkColor));
    p->setFont(font);
    p->setPen(ColorRefToQColor(dc->TextColor));
    p->drawText(box, flags, s);
    return used.height();
}
