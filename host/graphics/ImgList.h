#pragma once
// Image lists: images of one size drawn by index, for tool bar buttons.

#include <vector>

#include "host/core/Component.h"
#include "host/graphics/Graphics.h"

/// A list of images of one size (Width x Height) drawn by index; each image keeps a colour
/// that is drawn transparent.
class TCustomImageList : public TComponent {
    ZK_CLASS(TCustomImageList, TComponent)
    explicit TCustomImageList(TComponent* AOwner);
    ~TCustomImageList() override;

    int Width() const { return FWidth; }
    /// A new size empties the list.
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int Count() const { return static_cast<int>(FImages.size()); }

    /// Adds Image, cut into Width-wide images when it is wider; its bottom-left pixel's colour
    /// is drawn transparent. Answers the index of the first image added.
    int Add(TBitmap* Image);
    /// Adds Image with MaskColor drawn transparent.
    int AddMasked(TBitmap* Image, TColor MaskColor);
    void Delete(int Index);
    void Clear();
    /// Draws image Index with its top-left at (X, Y); a disabled image is drawn greyed.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
    /// Copies image Index into Image.
    void GetBitmap(int Index, TBitmap* Image) const;

    TNotifyEvent OnChange;

private:
    void Changed();
    std::vector<TBitmap*> FImages;
    int FWidth = 16;
    int FHeight = 16;
};

/// The image list a form holds.
class TImageList : public TCustomImageList {
    ZK_CLASS(TImageList, TCustomImageList)
    explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
};
