// TCustomImageList: images of one size, cut from strips, drawn by index.

#include "host/graphics/ImgList.h"

namespace {
void PublishImageList(TPublisher& p) {
    p.Prop("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).Default(16);
    p.Prop("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).Default(16);
    p.Prop("OnChange", &TCustomImageList::OnChange, &TCustomImageList::OnChange);
}

const bool gImageListRegistered = [] {
    RegisterClass(TImageList::StaticClass());
    return true;
}();
} // namespace

ZK_IMPLEMENT_CLASS(TCustomImageList, TComponent, PublishImageList)
ZK_IMPLEMENT_CLASS(TImageList, TCustomImageList, nullptr)

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() {
    for (TBitmap* b : FImages)
        b->Free();
}

void TCustomImageList::Changed() {
    OnChange(this);
}

void TCustomImageList::SetWidth(int Value) {
    if (Value <= 0 || Value == FWidth) return;
    FWidth = Value;
    Clear();
}

void TCustomImageList::SetHeight(int Value) {
    if (Value <= 0 || Value == FHeight) return;
    FHeight = Value;
    Clear();
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty()) return -1;
    const int first = Count();
    const int pieces = std::max(1, Image->Width() / FWidth);
    for (int i = 0; i < pieces; ++i) {
        auto* piece = new TBitmap;
        piece->SetSize(FWidth, FHeight);
        piece->Canvas()->CopyRect(Rect(0, 0, FWidth, FHeight), Image->Canvas(),
                                  Bounds(i * FWidth, 0, FWidth, FHeight));
        if (MaskColor != clNone) {
            piece->SetTransparentColor(MaskColor);
            piece->SetTransparent(true);
        }
        FImages.push_back(piece);
    }
    Changed();
    return first;
}

int TCustomImageList::Add(TBitmap* Image) {
    if (!Image || Image->Empty()) return -1;
    return AddMasked(Image, Image->TransparentColor());
}

void TCustomImageList::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    FImages[static_cast<size_t>(Index)]->Free();
    FImages.erase(FImages.begin() + Index);
    Changed();
}

void TCustomImageList::Clear() {
    if (FImages.empty()) return;
    for (TBitmap* b : FImages)
        b->Free();
    FImages.clear();
    Changed();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
    if (!Canvas || Index < 0 || Index >= Count()) return;
    TBitmap* image = FImages[static_cast<size_t>(Index)];
    if (Enabled) {
        Canvas->Draw(X, Y, image);
        return;
    }
    // Greyed: the image's shape in the shadow colour.
    TBitmap grey;
    grey.Assign(image);
    for (int y = 0; y < grey.Height(); ++y)
        for (int x = 0; x < grey.Width(); ++x)
            if (!image->Transparent() ||
                grey.Canvas()->Pixels(x, y) != ColorToRGB(image->TransparentColor()))
                grey.Canvas()->SetPixels(x, y, ColorToRGB(clBtnShadow));
    Canvas->Draw(X, Y, &grey);
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
    if (!Image || Index < 0 || Index >= Count()) return;
    Image->Assign(FImages[static_cast<size_t>(Index)]);
}
