// TWinControl: laying out the aligned children.

#include "host/controls/Controls.h"

namespace {
/// Whether c goes before other among children of the same alignment: nearer the edge the
/// alignment names comes first.
bool InsertBefore(const TControl* c, const TControl* other, TAlign align) {
    switch (align) {
    case alTop:
        return c->Top() < other->Top();
    case alBottom:
        return c->Top() + c->Height() >= other->Top() + other->Height();
    case alLeft:
        return c->Left() < other->Left();
    case alRight:
        return c->Left() + c->Width() >= other->Left() + other->Width();
    default:
        return false;
    }
}

bool TakesPart(const TControl* c) {
    return c->Visible() || (c->ComponentState().Contains(csDesigning) &&
                            !c->ControlStyle().Contains(csNoDesignVisible));
}
} // namespace

void TWinControl::DisableAlign() {
    ++FAlignLevel;
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0) --FAlignLevel;
    if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* AControl) {
    if (ComponentState().Contains(csDestroying)) return;
    if (FAlignLevel != 0 || ComponentState().Contains(csLoading)) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    DisableAlign();
    try {
        TRect r = ClientRect();
        AdjustClientRect(r);
        AlignControls(AControl, r);
    } catch (...) {
        FControlState.Exclude(csAlignmentNeeded);
        EnableAlign();
        throw;
    }
    // Moving the children asked for alignment again; this pass already did it.
    FControlState.Exclude(csAlignmentNeeded);
    EnableAlign();
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        // The control that changed keeps its place among equals: it goes in first, and the
        // others go before it only when strictly nearer the edge.
        std::vector<TControl*> list;
        if (AControl && AControl->Parent() == this && AControl->Align() == align &&
            TakesPart(AControl))
            list.push_back(AControl);
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c == AControl || c->Align() != align || !TakesPart(c)) continue;
            size_t j = 0;
            while (j < list.size() && !InsertBefore(c, list[j], align))
                ++j;
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), c);
        }
        for (TControl* c : list) {
            const int w = Rect.Width();
            const int h = Rect.Height();
            switch (align) {
            case alTop:
                c->SetBounds(Rect.Left, Rect.Top, w, c->Height());
                Rect.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(Rect.Left, Rect.Bottom - c->Height(), w, c->Height());
                Rect.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(Rect.Left, Rect.Top, c->Width(), h);
                Rect.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(Rect.Right - c->Width(), Rect.Top, c->Width(), h);
                Rect.Right -= c->Width();
                break;
            case alClient:
                c->SetBounds(Rect.Left, Rect.Top, std::max(w, 0), std::max(h, 0));
                break;
            default:
                break;
            }
        }
    }
}
