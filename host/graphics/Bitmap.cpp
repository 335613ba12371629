// TGraphic and the raster graphics: TBitmap (BMP), TPngImage and TJPEGImage.

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <fstream>
#include <iterator>

#include "host/core/Stream.h"
#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

ZK_ENUM_TYPEINFO(TPixelFormat, "pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit",
                 "pf24bit", "pf32bit", "pfCustom")
ZK_ENUM_TYPEINFO(TTransparentMode, "tmAuto", "tmFixed")

ZK_IMPLEMENT_CLASS(TGraphic, TPersistent, nullptr)
ZK_IMPLEMENT_CLASS(TBitmap, TGraphic, nullptr)
ZK_IMPLEMENT_CLASS(TPngImage, TBitmap, nullptr)
ZK_IMPLEMENT_CLASS(TJPEGImage, TBitmap, nullptr)

// ---- TGraphic -----------------------------------------------------------------------------

void TGraphic::Changed() {
    FModified = true;
    OnChange(this);
}

void TGraphic::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}

void TGraphic::SetModified(bool value) {
    if (value)
        Changed();
    else
        FModified = false;
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw EFOpenError("无法打开文件“" + fileName + "”");
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (in.bad()) throw EFOpenError("无法读取文件“" + fileName + "”");
    LoadFromBytes(bytes);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    const std::vector<uint8_t> bytes = SaveToBytes();
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw EFCreateError("无法创建文件“" + fileName + "”");
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw EFCreateError("无法写入文件“" + fileName + "”");
}

namespace {
std::vector<uint8_t> ReadRest(TStream* stream) {
    const int64_t left = std::max<int64_t>(0, stream->Size() - stream->Position());
    std::vector<uint8_t> bytes(size_t(left), 0);
    stream->ReadBuffer(bytes.data(), left);
    return bytes;
}
} // namespace

void TGraphic::LoadFromStream(TStream* stream) {
    LoadFromBytes(ReadRest(stream));
}

void TGraphic::SaveToStream(TStream* stream) {
    const std::vector<uint8_t> bytes = SaveToBytes();
    stream->WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

// ---- TBitmap ------------------------------------------------------------------------------

/// The canvas of a bitmap: a memory device context with the bitmap selected, made on demand.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
    ~TBitmapCanvas() override {
        if (!HandleAllocated()) return;
        HDC dc = Handle();
        SetHandle(nullptr);
        DeleteDC(dc);
    }

protected:
    void CreateHandle() override {
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, FBitmap->Handle());
        SetHandle(dc);
    }

private:
    TBitmap* FBitmap;
};

namespace {

QImage Blank(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Anything that is not pure white becomes black.
void MakeMonochrome(QImage& image) {
    if (image.isNull()) return;
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? 0xFFFFFFFF : 0xFF000000;
    }
}

} // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    delete FCanvas;
    if (FHandle) DeleteObject(FHandle);
}

HBITMAP TBitmap::Handle() const {
    if (!LiveObject(FHandle, TGdiKind::Bitmap)) {
        FHandle = CreateBitmapObject(QImage(), Monochrome());
        SetObjectOwner(FHandle, &FHandle);
    }
    return FHandle;
}

void TBitmap::Flush() const {
    if (TGdiObjectRec* rec = LiveObject(FHandle, TGdiKind::Bitmap); rec && rec->SelectedIn)
        FlushDeviceContext(rec->SelectedIn);
}

QImage& ImageOf(HBITMAP bitmap) {
    static QImage none;
    TGdiObjectRec* rec = LiveObject(bitmap, TGdiKind::Bitmap);
    if (!rec) return none = QImage();
    if (rec->SelectedIn) FlushDeviceContext(rec->SelectedIn);
    return rec->Image;
}

QImage& ImageOf(TBitmap* bitmap) {
    return ImageOf(bitmap->Handle());
}

void TBitmap::SetHandle(HBITMAP value) {
    if (value == FHandle || !LiveObject(value, TGdiKind::Bitmap)) return;
    if (FCanvas && FCanvas->HandleAllocated()) SelectObject(FCanvas->Handle(), value);
    if (FHandle) DeleteObject(FHandle);
    FHandle = value;
    FEmptySize = {};
    SetObjectOwner(FHandle, &FHandle);
    FPixelFormat = value->Monochrome ? pf1bit : pfDevice;
    Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
    HBITMAP h = Handle();
    Flush();
    SetObjectOwner(h, nullptr);
    FHandle = CreateBitmapObject(h->Image, h->Monochrome);
    SetObjectOwner(FHandle, &FHandle);
    if (FCanvas && FCanvas->HandleAllocated()) SelectObject(FCanvas->Handle(), FHandle);
    return h;
}

void TBitmap::NewImage(int width, int height) {
    QImage& image = ImageOf(this);
    QImage fresh = Blank(width, height);
    if (!fresh.isNull() && !image.isNull()) {
        QPainter p(&fresh);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image);
    }
    image = fresh;
    FEmptySize = fresh.isNull() ? TSize{width, height} : TSize{};
    Changed();
}

bool TBitmap::Empty() const {
    return Width() == 0 || Height() == 0;
}
int TBitmap::Width() const {
    const QImage& image = Handle()->Image;
    return image.isNull() ? FEmptySize.cx : image.width();
}
int TBitmap::Height() const {
    const QImage& image = Handle()->Image;
    return image.isNull() ? FEmptySize.cy : image.height();
}

void TBitmap::SetWidth(int value) {
    if (value != Width()) NewImage(value, Height());
}

void TBitmap::SetHeight(int value) {
    if (value != Height()) NewImage(Width(), value);
}

void TBitmap::SetSize(int width, int height) {
    if (width != Width() || height != Height()) NewImage(width, height);
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) FCanvas = new TBitmapCanvas(this);
    return FCanvas;
}

void TBitmap::SetMonochrome(bool value) {
    if (value == Monochrome()) return;
    SetPixelFormat(value ? pf1bit : pfDevice);
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value == FPixelFormat) return;
    QImage& image = ImageOf(this);
    if (value == pf1bit)
        MakeMonochrome(image);
    else if (value == pf32bit)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else if (FPixelFormat == pf32bit)
        image = image.convertToFormat(QImage::Format_RGB32);
    Handle()->Monochrome = value == pf1bit;
    FPixelFormat = value;
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (Empty()) return clDefault;
    Flush();
    const QImage& image = Handle()->Image;
    return TColor(QColorToColorRef(image.pixelColor(0, image.height() - 1)));
}

void TBitmap::SetTransparentColor(TColor value) {
    if (value == FTransparentColor) return;
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value == FTransparentMode) return;
    FTransparentMode = value;
    if (value == tmAuto) FTransparentColor = clDefault;
    Changed();
}

void TBitmap::Assign(TPersistent* source) {
    if (!source) {
        Flush();
        Handle()->Image = QImage();
        FEmptySize = {};
        Changed();
        return;
    }
    if (auto* b = Cast<TBitmap>(source)) {
        if (b == this) return;
        QImage copy = ImageOf(b);
        ImageOf(this) = copy;
        FEmptySize = b->FEmptySize;
        Handle()->Monochrome = b->Monochrome();
        FPixelFormat = b->FPixelFormat;
        FTransparentMode = b->FTransparentMode;
        FTransparentColor = b->FTransparentColor;
        SetTransparent(b->Transparent());
        Changed();
        return;
    }
    inherited::Assign(source);
}

std::vector<uint8_t> TBitmap::EncodeImage(int quality) const {
    Flush();
    QImage image = Handle()->Image;
    if (image.isNull()) throw EInvalidGraphicOperation("不能保存空图像");
    if (Monochrome())
        image = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    else if (FPixelFormat == pf24bit)
        image = image.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, SaveFormat());
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image))
        throw EInvalidGraphicOperation("无法保存图像：" +
                                       writer.errorString().toStdString());
    return {bytes.begin(), bytes.end()};
}

std::vector<uint8_t> TBitmap::SaveToBytes() const {
    return EncodeImage(-1);
}

std::vector<uint8_t> TJPEGImage::SaveToBytes() const {
    return EncodeImage(FQuality);
}

void TBitmap::LoadFromBytes(const std::vector<uint8_t>& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A damaged header must not make the reader allocate without bound.
    reader.setAllocationLimit(256);
    QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic("无效的图像：" + reader.errorString().toStdString());
    const bool mono = image.depth() == 1;
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    if (mono) MakeMonochrome(image);
    ImageOf(this) = image;
    Handle()->Monochrome = mono;
    FPixelFormat = mono ? pf1bit : image.hasAlphaChannel() ? pf32bit : pfDevice;
    Changed();
}

void TBitmap::Draw(TCanvas* canvas, const TRect& r) {
    const QImage& image = ImageOf(this);
    if (image.isNull()) return;
    HDC dc = canvas->RequireState(false, true, true);
    QColor key;
    const bool keyed = Transparent() && !Monochrome();
    if (keyed) key = ColorRefToQColor(COLORREF(ColorToRGB(TransparentColor())));
    DrawImage(dc, QRect(r.Left, r.Top, r.Width(), r.Height()), image, Monochrome(),
              DWORD(canvas->CopyMode()), keyed ? &key : nullptr);
}

QImage GraphicToImage(TGraphic* graphic) {
    if (!graphic) return {};
    if (auto* b = Cast<TBitmap>(graphic)) return ImageOf(b);
    if (graphic->Empty()) return {};
    TBitmap target;
    target.SetSize(graphic->Width(), graphic->Height());
    target.Canvas()->Draw(0, 0, graphic);
    return ImageOf(&target);
}

QPixmap GraphicToPixmap(TGraphic* graphic) {
    return QPixmap::fromImage(GraphicToImage(graphic));
}
