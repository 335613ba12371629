// TPicture: holds a graphic of any registered format, loads by file extension, and streams
// as the graphic's class name and bytes.

#include <memory>

#include "host/core/Stream.h"
#include "host/graphics/Graphics.h"

ZK_IMPLEMENT_CLASS(TPicture, TPersistent, nullptr)

namespace {

struct TFileFormat {
    std::string Extension;
    std::string Description;
    TGraphicClass GraphicClass;
};

std::vector<TFileFormat>& FileFormats() {
    static std::vector<TFileFormat> formats = {
        {"bmp", "位图", TBitmap::StaticClass()},
        {"png", "PNG 图像", TPngImage::StaticClass()},
        {"jpg", "JPEG 图像", TJPEGImage::StaticClass()},
        {"jpeg", "JPEG 图像", TJPEGImage::StaticClass()},
        {"jpe", "JPEG 图像", TJPEGImage::StaticClass()},
        {"jfif", "JPEG 图像", TJPEGImage::StaticClass()},
    };
    return formats;
}

std::string ExtensionOf(const std::string& fileName) {
    const size_t dot = fileName.find_last_of('.');
    const size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return LowerCase(fileName.substr(dot + 1));
}

TGraphicClass GraphicClassNamed(const std::string& name) {
    for (const TFileFormat& f : FileFormats())
        if (SameText(f.GraphicClass->ClassName(), name)) return f.GraphicClass;
    return nullptr;
}

std::vector<uint8_t> ReadRest(TStream* stream) {
    const int64_t left = std::max<int64_t>(0, stream->Size() - stream->Position());
    std::vector<uint8_t> bytes(size_t(left), 0);
    stream->ReadBuffer(bytes.data(), left);
    return bytes;
}

struct TFreeGraphic {
    void operator()(TGraphic* g) const { g->Free(); }
};
using TGraphicPtr = std::unique_ptr<TGraphic, TFreeGraphic>;

TGraphicPtr NewGraphic(TGraphicClass cls) {
    TObject* obj = cls->Create(nullptr);
    if (auto* g = Cast<TGraphic>(obj)) return TGraphicPtr(g);
    if (obj) obj->Free();
    throw EInvalidGraphic("类 " + cls->ClassName() + " 不是图形类");
}

} // namespace

TPicture::TPicture() = default;

TPicture::~TPicture() {
    if (FGraphic) FGraphic->Free();
}

void TPicture::Changed(TObject*) {
    OnChange(this);
}

void TPicture::Adopt(TGraphic* graphic) {
    if (FGraphic) FGraphic->Free();
    FGraphic = graphic;
    if (FGraphic) FGraphic->OnChange = TNotifyEvent(this, &TPicture::Changed);
    Changed();
}

void TPicture::SetGraphic(TGraphic* value) {
    if (value == FGraphic) return;
    if (!value) {
        Adopt(nullptr);
        return;
    }
    TGraphicPtr copy = NewGraphic(value->ClassType());
    copy->Assign(value);
    Adopt(copy.release());
}

TBitmap* TPicture::Bitmap() {
    if (!Cast<TBitmap>(FGraphic)) Adopt(new TBitmap);
    return static_cast<TBitmap*>(FGraphic);
}

int TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}
int TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::Assign(TPersistent* source) {
    if (!source)
        SetGraphic(nullptr);
    else if (auto* p = Cast<TPicture>(source))
        SetGraphic(p->FGraphic);
    else if (auto* g = Cast<TGraphic>(source))
        SetGraphic(g);
    else
        inherited::Assign(source);
}

void TPicture::LoadFromFile(const std::string& fileName) {
    const std::string ext = ExtensionOf(fileName);
    TGraphicClass cls = FileFormatClass(ext);
    if (!cls) throw EInvalidGraphic("未知的图片文件扩展名（." + ext + "）");
    TGraphicPtr graphic = NewGraphic(cls);
    graphic->LoadFromFile(fileName);
    Adopt(graphic.release());
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (FGraphic) FGraphic->SaveToFile(fileName);
}

std::vector<uint8_t> TPicture::SaveToData() const {
    std::vector<uint8_t> out;
    const std::string name = FGraphic ? FGraphic->ClassName() : std::string();
    out.push_back(uint8_t(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    if (!FGraphic) return out;
    const std::vector<uint8_t> bytes =
        FGraphic->Empty() ? std::vector<uint8_t>() : FGraphic->SaveToBytes();
    const uint32_t n = uint32_t(bytes.size());
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(n >> (8 * i)));
    out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

void TPicture::LoadFromData(const std::vector<uint8_t>& data) {
    if (data.empty()) throw EInvalidGraphic("图片数据为空");
    const size_t nameLen = data[0];
    if (data.size() < 1 + nameLen) throw EInvalidGraphic("图片数据不完整");
    const std::string name(data.begin() + 1, data.begin() + 1 + ptrdiff_t(nameLen));
    if (name.empty()) {
        SetGraphic(nullptr);
        return;
    }
    TGraphicClass cls = GraphicClassNamed(name);
    if (!cls) throw EInvalidGraphic("未知的图形类 " + name);
    size_t pos = 1 + nameLen;
    if (data.size() < pos + 4) throw EInvalidGraphic("图片数据不完整");
    uint32_t n = 0;
    for (int i = 0; i < 4; ++i)
        n |= uint32_t(data[pos + size_t(i)]) << (8 * i);
    pos += 4;
    if (data.size() - pos < n) throw EInvalidGraphic("图片数据不完整");
    TGraphicPtr graphic = NewGraphic(cls);
    if (n > 0)
        graphic->LoadFromBytes(
            std::vector<uint8_t>(data.begin() + ptrdiff_t(pos), data.begin() + ptrdiff_t(pos + n)));
    Adopt(graphic.release());
}

void TPicture::WriteData(TStream* stream) const {
    const std::vector<uint8_t> data = SaveToData();
    stream->WriteBuffer(data.data(), int64_t(data.size()));
}

void TPicture::ReadData(TStream* stream) {
    LoadFromData(ReadRest(stream));
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicClass graphicClass) {
    const std::string ext = LowerCase(extension);
    for (TFileFormat& f : FileFormats())
        if (f.Extension == ext) {
            f = {ext, description, graphicClass};
            return;
        }
    FileFormats().push_back({ext, description, graphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass) {
    auto& formats = FileFormats();
    std::erase_if(formats,
                  [&](const TFileFormat& f) { return f.GraphicClass->InheritsFrom(graphicClass); });
}

TGraphicClass TPicture::FileFormatClass(const std::string& extension) {
    std::string ext = LowerCase(extension);
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
    for (const TFileFormat& f : FileFormats())
        if (f.Extension == ext) return f.GraphicClass;
    return nullptr;
}

std::string GraphicFilter(TGraphicClass graphicClass) {
    std::string all, each;
    for (const TFileFormat& f : FileFormats()) {
        if (!f.GraphicClass->InheritsFrom(graphicClass)) continue;
        const std::string mask = "*." + f.Extension;
        all += (all.empty() ? "" : ";") + mask;
        each += "|" + f.Description + " (" + mask + ")|" + mask;
    }
    if (all.empty()) return {};
    return "所有图片 (" + all + ")|" + all + each;
}

namespace {
// The stream reader finds graphic classes by name.
const bool gGraphicClassesRegistered = [] {
    RegisterClasses({TFont::StaticClass(), TPen::StaticClass(), TBrush::StaticClass(),
                     TBitmap::StaticClass(), TPngImage::StaticClass(), TJPEGImage::StaticClass(),
                     TPicture::StaticClass()});
    return true;
}();
} // namespace
