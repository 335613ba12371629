#include "design/DesignMarks.h"

#include <algorithm>

ZK_IMPLEMENT_CLASS(TDesignMark, TCustomControl, nullptr)
ZK_IMPLEMENT_CLASS(TDesignMarks, TComponent, nullptr)

TDesignMark::TDesignMark(TComponent* AOwner) : TCustomControl(AOwner) {
    SetVisible(false);
}

void TDesignMark::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(MarkColor);
    canvas->FillRect(ClientRect());
    if (Text.empty()) return;
    canvas->Font()->SetColor(clWhite);
    const TSize size = canvas->TextExtent(Text);
    canvas->TextOut((Width() - size.cx) / 2, (Height() - size.cy) / 2, Text);
}

void TDesignMark::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && OnPress) OnPress();
}

TDesignMark* TDesignMarks::Mark(TWinControl* Parent, int Index) {
    // The marks are owned here; one that its parent freed has left the list already.
    while (ComponentCount() <= Index) {
        auto* mark = new TDesignMark(this);
        mark->SetParent(Parent);
    }
    auto* mark = static_cast<TDesignMark*>(Components(Index));
    if (mark->Parent() != Parent) mark->SetParent(Parent);
    return mark;
}

TDesignMark* TDesignMarks::ShowAt(TWinControl* Parent, int Index, const TRect& r,
                                  const std::string& Text) {
    TDesignMark* mark = Mark(Parent, Index);
    if (mark->Text != Text) {
        mark->Text = Text;
        mark->Invalidate();
    }
    mark->SetBoundsRect(r);
    if (!mark->Visible()) {
        mark->SetVisible(true);
        // Above the designed controls, the live ones included: a mark is seen while it lasts.
        mark->BringToFront();
    }
    return mark;
}

void TDesignMarks::ShowGuides(TWinControl* Parent, const std::vector<TGuideMark>& Marks) {
    const int w = Parent->ClientWidth(), h = Parent->ClientHeight();
    int i = 0;
    for (const TGuideMark& m : Marks) {
        // A line on the far edge of the container is drawn on its last pixel, where it shows.
        const TRect r = m.Vertical ? Rect(std::clamp(m.Pos, 0, w - 1), m.From,
                                          std::clamp(m.Pos, 0, w - 1) + 1, m.To)
                                   : Rect(m.From, std::clamp(m.Pos, 0, h - 1), m.To,
                                          std::clamp(m.Pos, 0, h - 1) + 1);
        ShowAt(Parent, i++, r, std::string());
    }
    HideFrom(i);
}

void TDesignMarks::HideFrom(int Index) {
    for (int i = Index; i < ComponentCount(); ++i)
        static_cast<TDesignMark*>(Components(i))->SetVisible(false);
}

int TDesignMarks::ShownCount() const {
    int n = 0;
    for (int i = 0; i < ComponentCount(); ++i)
        n += static_cast<TDesignMark*>(Components(i))->Visible() ? 1 : 0;
    return n;
}
