#pragma once
// Controls without windows that paint themselves: the splitter between aligned controls, the
// paint box, the image, shapes and bevels.

#include <string>

#include "host/controls/Controls.h"
#include "host/graphics/Graphics.h"

// ---- The splitter -------------------------------------------------------------------------------

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
ZK_DECLARE_TYPEINFO(TResizeStyle)

/// Asks whether the neighbour may take NewSize (which the handler may change).
using TCanResizeEvent = TEvent<void(TObject* Sender, int& NewSize, bool& Accept)>;
ZK_DECLARE_TYPEINFO(TCanResizeEvent)

/// The limits of a splitter's drag: the neighbour's size stays within [MinSize, MaxSize].
struct TSplitLimits {
    int MinSize = 0;
    int MaxSize = 0;
};
/// The neighbour's size for a drag of Delta pixels from StartSize (positive: the neighbour
/// grows), kept within the limits.
int SplitterNewSize(int StartSize, int Delta, const TSplitLimits& Limits);

/// A bar between aligned controls: dragging it resizes the aligned control it sits beside on
/// the side its own Align names, never below MinSize.
class TSplitter : public TGraphicControl {
    ZK_CLASS(TSplitter, TGraphicControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TSplitter)
    explicit TSplitter(TComponent* AOwner);
    ~TSplitter() override;

    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool Value);
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value);
    TResizeStyle ResizeStyle() const { return FResizeStyle; }
    void SetResizeStyle(TResizeStyle Value) { FResizeStyle = Value; }

    /// The control a drag resizes now: the visible control aligned the same way whose edge
    /// touches the splitter's near side, or null.
    TControl* FindResizeControl() const;
    /// Whether a drag is in progress.
    bool Dragging() const { return FControl != nullptr; }

    TCanResizeEvent OnCanResize;
    TNotifyEvent OnMoved;
    TNotifyEvent OnMoving;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMWindowPosChanged(TWMWindowPosChanged& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    void UpdateCursor();
    /// The neighbour's limits from the room its parent leaves it.
    TSplitLimits Limits() const;
    int DeltaTo(TPoint parentPos) const;
    void Track(TPoint parentPos);
    void ApplySize(int size);
    void StopDrag(bool apply);
    /// The rectangle the splitter would stand at with the neighbour at size, in screen
    /// coordinates.
    TRect FeedbackRect(int size) const;
    void ShowFeedback(int size);
    void HideFeedback();

    bool FBeveled = false;
    int FMinSize = 30;
    TResizeStyle FResizeStyle = rsPattern;
    TControl* FControl = nullptr;
    TPoint FDownPos;
    int FStartSize = 0;
    int FNewSize = 0;
    bool FFeedbackShown = false;
    TRect FFeedback;
};

// ---- The paint box
// --------------------------------------------------------------------------------

/// A rectangle the application paints in OnPaint, on Canvas, whenever it needs painting.
class TPaintBox : public TGraphicControl {
    ZK_CLASS(TPaintBox, TGraphicControl)
    explicit TPaintBox(TComponent* AOwner);

protected:
    void Paint() override;
};

// ---- The image
// --------------------------------------------------------------------------------------

/// Where a picture of w x h goes in a box of the client size, as an image with these
/// settings draws it.
TRect ImageDestRect(int PictureWidth, int PictureHeight, int ClientWidth, int ClientHeight,
                    bool Stretch, bool Proportional, bool Center);

/// Shows a picture: at its own size, centred, or stretched (keeping its proportions when asked).
class TImage : public TGraphicControl {
    ZK_CLASS(TImage, TGraphicControl)
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture; }
    void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
    /// The picture's bitmap canvas, to draw on the image (the picture becomes a bitmap). It
    /// hides the control's own canvas, as drawing on an image means drawing on its picture.
    TCanvas* Canvas();
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    /// The picture's background colour lets what is beneath show through.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    /// Where the picture is drawn now, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    TPicture* FPicture;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FStretch = false;
    bool FTransparent = false;
};

// ---- Shapes and bevels
// ----------------------------------------------------------------------------

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
ZK_DECLARE_TYPEINFO(TShapeType)

/// A rectangle, square, rounded rectangle, ellipse or circle drawn with Pen and Brush.
class TShape : public TGraphicControl {
    ZK_CLASS(TShape, TGraphicControl)
    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value);
    TPen* Pen() const { return FPen; }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    TBrush* Brush() const { return FBrush; }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    /// The rectangle the shape's outline follows, in client coordinates.
    TRect ShapeRect() const;

protected:
    void Paint() override;

private:
    void StyleChanged(TObject* Sender);
    TShapeType FShape = stRectangle;
    TPen* FPen;
    TBrush* FBrush;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
ZK_DECLARE_TYPEINFO(TBevelShape)
ZK_DECLARE_TYPEINFO(TBevelStyle)

/// A lowered or raised 3-D box, frame or line, to group or separate controls.
class TBevel : public TGraphicControl {
    ZK_CLASS(TBevel, TGraphicControl)
    explicit TBevel(TComponent* AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};
