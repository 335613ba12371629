#pragma once
// A control class of the application's own: a row of stars that shows a rating.

#include "host/controls/Controls.h"
#include "host/graphics/Graphics.h"

//! [rating-class]
/// Shows Value filled stars of MaxValue. Its published properties are what the stream saves
/// and loads, and what run-time type information lists.
class TRating : public TGraphicControl {
    ZK_CLASS(TRating, TGraphicControl)
    explicit TRating(TComponent* AOwner);

    int Value() const { return FValue; }
    void SetValue(int Value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value);
    TColor StarColor() const { return FStarColor; }
    void SetStarColor(TColor Value);

protected:
    void Paint() override;

private:
    int FValue = 3;
    int FMaxValue = 5;
    TColor FStarColor = 0x0000C0FF; // amber, as $00BBGGRR
};
//! [rating-class]
