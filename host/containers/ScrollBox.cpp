// TScrollingWinControl and TScrollBox: ranges from the children, bars along the edges, and
// scrolling that moves the children.

#include "host/containers/ScrollBox.h"

#include "host/qt/ContainerWindows_p.h"
#include "host/qt/ScrollBarWindow_p.h"
#include "host/qt/WindowState_p.h"

namespace {
void PublishScrollingWinControl(TPublisher& p) {
    p.Prop("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
        .Default(1);
    p.Prop("HorzScrollBar", &TScrollingWinControl::HorzScrollBar,
           &TScrollingWinControl::SetHorzScrollBar);
    p.Prop("VertScrollBar", &TScrollingWinControl::VertScrollBar,
           &TScrollingWinControl::SetVertScrollBar);
}

void PublishScrollBox(TPublisher& p) {
    p.Prop("BorderStyle", TypeInfos::TBorderStyle(), &TScrollBox::BorderStyle,
           &TScrollBox::SetBorderStyle)
        .Default(bsSingle);
}

bool TakesPart(const TControl* c) {
    return c->Visible() || (c->ComponentState().Contains(csDesigning) &&
                            !c->ControlStyle().Contains(csNoDesignVisible));
}

const bool registered = (RegisterClass(TScrollBox::StaticClass()), true);
} // namespace

ZK_IMPLEMENT_CLASS(TScrollingWinControl, TWinControl, PublishScrollingWinControl)
ZK_IMPLEMENT_CLASS(TScrollBox, TScrollingWinControl, PublishScrollBox)

// ---- TScrollingWinControl -----------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(new TControlScrollBar(this, sbHorizontal)),
      FVertScrollBar(new TControlScrollBar(this, sbVertical)), FCanvas(new TCanvas) {}

TScrollingWinControl::~TScrollingWinControl() {
    FHorzScrollBar->Free();
    FVertScrollBar->Free();
    FCanvas->Free();
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
    if (FAutoScroll == Value) return;
    FAutoScroll = Value;
    if (!Value) {
        FHorzScrollBar->FRange = 0;
        FVertScrollBar->FRange = 0;
    }
    Realign();
}

TRect TScrollingWinControl::ClientRect() const {
    TRect r = TWinControl::ClientRect();
    InflateRect(r, -BorderEdge(), -BorderEdge());
    if (FVertScrollBar->FShown) r.Right -= ScrollBarExtent();
    if (FHorzScrollBar->FShown) r.Bottom -= ScrollBarExtent();
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

void TScrollingWinControl::AdjustClientRect(TRect& Rect) const {
    Rect = Bounds(Rect.Left - FHorzScrollBar->FPosition, Rect.Top - FVertScrollBar->FPosition,
                  std::max(FHorzScrollBar->FRange, Rect.Width()),
                  std::max(FVertScrollBar->FRange, Rect.Height()));
}

void TScrollingWinControl::CreateWnd() {
    TWinControl::CreateWnd();
    FHorzScrollBar->FWindow = CreateScrollBarWindow(Handle(), false);
    FVertScrollBar->FWindow = CreateScrollBarWindow(Handle(), true);
    PlaceScrollBars();
}

void TScrollingWinControl::WMDestroy(TMessage& Message) {
    TWinControl::WMDestroy(Message);
    FHorzScrollBar->FWindow = nullptr;
    FVertScrollBar->FWindow = nullptr;
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    // A bar that comes or goes changes the client area, so the children are laid out again.
    for (int pass = 0; pass < 3; ++pass) {
        TWinControl::AlignControls(AControl, Rect);
        if (!UpdateScrollBars()) return;
        Rect = ClientRect();
        AdjustClientRect(Rect);
    }
}

int TScrollingWinControl::CalcAutoRange(TScrollBarKind Kind) const {
    const int origin = BorderEdge();
    const TControlScrollBar* bar = Kind == sbHorizontal ? FHorzScrollBar : FVertScrollBar;
    int range = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!TakesPart(c) || c == FLeaving) continue;
        // Controls aligned to the far edge or to the whole client follow the client size and
        // would only hold the range where it is.
        if (Kind == sbHorizontal) {
            if (c->Align() != alNone && c->Align() != alLeft) continue;
            range = std::max(range, c->Left() + c->Width() + bar->FPosition - origin);
        } else {
            if (c->Align() != alNone && c->Align() != alTop) continue;
            range = std::max(range, c->Top() + c->Height() + bar->FPosition - origin);
        }
    }
    return range > 0 ? range + bar->FMargin : 0;
}

bool TScrollingWinControl::UpdateScrollBars() {
    if (FUpdatingScrollBars) return false;
    FUpdatingScrollBars = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FUpdatingScrollBars};

    if (FAutoScroll) {
        FHorzScrollBar->FRange = CalcAutoRange(sbHorizontal);
        FVertScrollBar->FRange = CalcAutoRange(sbVertical);
    }
    const int edge = BorderEdge();
    const int extent = ScrollBarExtent();
    const int width = std::max(Width() - 2 * edge, 0);
    const int height = std::max(Height() - 2 * edge, 0);
    TControlScrollBar* h = FHorzScrollBar;
    TControlScrollBar* v = FVertScrollBar;
    bool vert = v->FVisible && v->FRange > height;
    const bool horz = h->FVisible && h->FRange > width - (vert ? extent : 0);
    if (horz && !vert) vert = v->FVisible && v->FRange > height - extent;
    const bool changed = vert != v->FShown || horz != h->FShown;
    h->FShown = horz;
    v->FShown = vert;
    // A smaller range or a bar that went pulls the view back inside the scrolled area.
    for (TControlScrollBar* bar : {h, v})
        if (bar->FPosition != std::clamp(bar->FPosition, 0, bar->FShown ? bar->MaxPosition() : 0))
            bar->MoveTo(bar->FPosition);
    PlaceScrollBars();
    return changed;
}

void TScrollingWinControl::PlaceScrollBars() {
    if (!HandleAllocated()) return;
    const int edge = BorderEdge();
    const int extent = ScrollBarExtent();
    const bool horz = FHorzScrollBar->FShown;
    const bool vert = FVertScrollBar->FShown;
    if (HWND w = FVertScrollBar->FWindow; IsWindow(w)) {
        if (vert) {
            PlaceWindow(w, Bounds(Width() - edge - extent, edge, extent,
                                  std::max(Height() - 2 * edge - (horz ? extent : 0), 0)));
            ShowWindow(w, SW_SHOWNA);
        } else {
            ShowWindow(w, SW_HIDE);
        }
    }
    if (HWND w = FHorzScrollBar->FWindow; IsWindow(w)) {
        if (horz) {
            PlaceWindow(w, Bounds(edge, Height() - edge - extent,
                                  std::max(Width() - 2 * edge - (vert ? extent : 0), 0), extent));
            ShowWindow(w, SW_SHOWNA);
        } else {
            ShowWindow(w, SW_HIDE);
        }
    }
    FHorzScrollBar->ShowOnWindow();
    FVertScrollBar->ShowOnWindow();
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
    if (DeltaX == 0 && DeltaY == 0) return;
    DisableAlign();
    try {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c != FLeaving)
                c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
        }
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
    if (!AControl || AControl == this || !ContainsControl(AControl)) return;
    TRect r = AControl->BoundsRect();
    for (TWinControl* p = AControl->Parent(); p && p != this; p = p->Parent())
        OffsetRect(r, p->Left(), p->Top());
    const TRect client = ClientRect();
    auto scroll = [](TControlScrollBar* bar, int lo, int hi, int clientLo, int clientHi) {
        if (lo < clientLo || hi - lo > clientHi - clientLo)
            bar->SetPosition(bar->Position() - (clientLo - lo));
        else if (hi > clientHi)
            bar->SetPosition(bar->Position() + (hi - clientHi));
    };
    scroll(FHorzScrollBar, r.Left, r.Right, client.Left, client.Right);
    scroll(FVertScrollBar, r.Top, r.Bottom, client.Top, client.Bottom);
}

void TScrollingWinControl::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_CONTROLCHANGE) {
        // A child that comes or goes changes the ranges, aligned or not.
        TWinControl::Dispatch(Message);
        if (Message.LParam == 0) FLeaving = reinterpret_cast<TControl*>(Message.WParam);
        Realign();
        FLeaving = nullptr;
        return;
    }
    if (Message.Msg == WM_HSCROLL || Message.Msg == WM_VSCROLL) {
        TWMScroll scroll(Message);
        TControlScrollBar* bar = Message.Msg == WM_HSCROLL ? FHorzScrollBar : FVertScrollBar;
        if (!scroll.ScrollBar() || scroll.ScrollBar() == bar->FWindow) {
            bar->ScrollMessage(scroll);
            return;
        }
    }
    TWinControl::Dispatch(Message);
}

void TScrollingWinControl::PaintWindow(HDC DC) {
    TWinControl::PaintWindow(DC);
    if (FHorzScrollBar->FShown && FVertScrollBar->FShown) {
        // The square where the two bars meet.
        const TRect client = ClientRect();
        const int extent = ScrollBarExtent();
        FCanvas->Brush()->SetColor(clBtnFace);
        FCanvas->Brush()->SetStyle(bsSolid);
        FCanvas->FillRect(Bounds(client.Right, client.Bottom, extent, extent));
    }
}

// ---- TScrollBox ---------------------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    (void)registered;
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks};
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& Params) {
    TScrollingWinControl::CreateParams(Params);
    Params.WinClassName = ScrollBoxWindowClass();
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsSingle) Value = bsNone;
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    UpdateClientEdge(Value == bsSingle);
    Realign();
    Invalidate();
}

void TScrollBox::PaintWindow(HDC DC) {
    TScrollingWinControl::PaintWindow(DC);
    if (FBorderStyle != bsSingle) return;
    TRect r = Rect(0, 0, Width(), Height());
    DrawSunkenEdge(WindowCanvas(), r);
}
