// Class references and published properties of the splitter, paint box, image, shape and
// bevel; their registration.

#include "host/extctrls/ExtCtrls.h"

ZK_ENUM_TYPEINFO(TResizeStyle, "rsNone", "rsLine", "rsUpdate", "rsPattern")
ZK_ENUM_TYPEINFO(TShapeType, "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse",
                 "stCircle")
ZK_ENUM_TYPEINFO(TBevelShape, "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine",
                 "bsRightLine", "bsSpacer")
ZK_ENUM_TYPEINFO(TBevelStyle, "bsLowered", "bsRaised")

const TTypeInfo* TypeInfoFor(const TCanResizeEvent*) {
    static const TTypeInfo* info = MakeTypeInfo(tkMethod, "TCanResizeEvent");
    return info;
}

namespace {
void PublishSplitter(TPublisher& p) {
    p.Prop("Align", &TSplitter::Align, &TSplitter::SetAlign).Default(alLeft);
    p.Prop("Cursor", TypeInfos::TCursor(), &TSplitter::Cursor, &TSplitter::SetCursor)
        .Default(crHSplit);
    p.Prop("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(0);
    p.Prop("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    p.Prop("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle).Default(rsPattern);
    p.Prop("OnCanResize", &TSplitter::OnCanResize, &TSplitter::OnCanResize);
    p.Prop("OnMoved", &TSplitter::OnMoved, &TSplitter::OnMoved);
    p.Prop("OnPaint", &TSplitter::OnPaint, &TSplitter::OnPaint);
}

void PublishPaintBox(TPublisher& p) {
    p.Prop("OnPaint", &TPaintBox::OnPaint, &TPaintBox::OnPaint);
}

void PublishImage(TPublisher& p) {
    p.Prop("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(0);
    p.Prop("Center", &TImage::Center, &TImage::SetCenter).Default(0);
    p.Prop("Picture", &TImage::Picture, &TImage::SetPicture);
    p.Prop("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(0);
    p.Prop("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(0);
    p.Prop("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(0);
}

void PublishShape(TPublisher& p) {
    p.Prop("Brush", &TShape::Brush, &TShape::SetBrush);
    p.Prop("Pen", &TShape::Pen, &TShape::SetPen);
    p.Prop("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
}

void PublishBevel(TPublisher& p) {
    p.Prop("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
    p.Prop("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
}

// The stream reader finds these classes by name.
const bool gExtCtrlsRegistered = [] {
    RegisterClasses({TSplitter::StaticClass(), TPaintBox::StaticClass(), TImage::StaticClass(),
                     TShape::StaticClass(), TBevel::StaticClass()});
    return true;
}();
} // namespace

ZK_IMPLEMENT_CLASS(TSplitter, TGraphicControl, PublishSplitter)
ZK_IMPLEMENT_CLASS(TPaintBox, TGraphicControl, PublishPaintBox)
ZK_IMPLEMENT_CLASS(TImage, TGraphicControl, PublishImage)
ZK_IMPLEMENT_CLASS(TShape, TGraphicControl, PublishShape)
ZK_IMPLEMENT_CLASS(TBevel, TGraphicControl, PublishBevel)
