#pragma once
// The drag feedback of the design surface: dashed frames drawn in exclusive-or mode on the
// screen, so that drawing one again removes it.

#include "host/core/Types.h"
#include "host/graphics/Gdi.h"

class TWinControl;

/// One step of drawing on the screen layer with the selection pen and no fill. With a clip
/// control the frames are cut to that control's client area (the drag-move outline);
/// without one they are not (the band and the insert rectangle).
class TXorFrame {
public:
    explicit TXorFrame(TWinControl* clipTo = nullptr);
    ~TXorFrame();
    TXorFrame(const TXorFrame&) = delete;
    TXorFrame& operator=(const TXorFrame&) = delete;

    /// Draws (or, when it is shown, removes) the frame of r, in screen coordinates.
    void Draw(const TRect& r);

private:
    HDC FDC;
    HGDIOBJ FOldPen;
    HGDIOBJ FOldBrush;
    bool FClipped = false;
};

/// The control's client area in screen coordinates.
TRect ScreenClientRect(TWinControl* control);
