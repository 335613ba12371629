#include "Rating.h"

#include <algorithm>
#include <cmath>
#include <vector>

//! [rating-publish]
namespace {
/// The published properties, in the order the stream writes them; a property that holds its
/// default is not written.
void PublishRating(TPublisher& p) {
    p.Prop("Value", &TRating::Value, &TRating::SetValue).Default(3);
    p.Prop("MaxValue", &TRating::MaxValue, &TRating::SetMaxValue).Default(5);
    p.Prop("StarColor", TypeInfos::TColor(), &TRating::StarColor, &TRating::SetStarColor)
        .Default(0x0000C0FF);
}

/// The stream reader finds a class by the name the stream holds: register it once.
const bool gRatingRegistered = (RegisterClass(TRating::StaticClass()), true);
} // namespace

ZK_IMPLEMENT_CLASS(TRating, TGraphicControl, PublishRating)
//! [rating-publish]

TRating::TRating(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 120, 24);
}

void TRating::SetValue(int Value) {
    Value = std::clamp(Value, 0, FMaxValue);
    if (Value == FValue) return;
    FValue = Value;
    Invalidate();
}

void TRating::SetMaxValue(int Value) {
    Value = std::clamp(Value, 1, 20);
    if (Value == FMaxValue) return;
    FMaxValue = Value;
    FValue = std::min(FValue, FMaxValue);
    Invalidate();
}

void TRating::SetStarColor(TColor Value) {
    if (Value == FStarColor) return;
    FStarColor = Value;
    Invalidate();
}

void TRating::Paint() {
    TCanvas* c = Canvas();
    const int size = std::max(4, std::min(Height(), Width() / FMaxValue));
    const double outer = size / 2.0 - 1;
    const double inner = outer * 0.45;
    c->Pen()->SetColor(clGray);
    for (int i = 0; i < FMaxValue; ++i) {
        const double cx = i * size + size / 2.0;
        const double cy = Height() / 2.0;
        std::vector<TPoint> star;
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 ? inner : outer;
            const double a = -M_PI / 2 + k * M_PI / 5;
            star.push_back(TPoint{static_cast<int>(std::lround(cx + r * std::cos(a))),
                                  static_cast<int>(std::lround(cy + r * std::sin(a)))});
        }
        c->Brush()->SetColor(i < FValue ? FStarColor : clWindow);
        c->Polygon(star);
    }
}
