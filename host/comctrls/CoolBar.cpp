// TCoolBar and its bands: one control per band, bands laid out in rows, grips and texts.

#include "host/comctrls/ComCtrls.h"
#include "host/qt/StyledPaint_p.h"

namespace {
constexpr int GripWidth = 10;
constexpr int BandPadding = 2;
} // namespace

// ---- Bands --------------------------------------------------------------------------------------

TCoolBand::~TCoolBand() {
    if (TCoolBar* bar = CoolBar())
        if (FControl) FControl->RemoveFreeNotification(bar);
}

void TCoolBand::Assign(TPersistent* Source) {
    auto* other = Cast<TCoolBand>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    FBreak = other->FBreak;
    FFixedSize = other->FFixedSize;
    FMinHeight = other->FMinHeight;
    FMinWidth = other->FMinWidth;
    FText = other->FText;
    FVisible = other->FVisible;
    FWidth = other->FWidth;
    SetControl(other->FControl);
    Changed(true);
}

std::string TCoolBand::DisplayName() const {
    if (!FText.empty()) return FText;
    if (FControl && !FControl->Name().empty()) return FControl->Name();
    return TCollectionItem::DisplayName();
}

TCoolBar* TCoolBand::CoolBar() const {
    auto* bands = Cast<TCoolBands>(Collection());
    return bands ? bands->CoolBar() : nullptr;
}

void TCoolBand::SetControl(TWinControl* Value) {
    if (FControl == Value) return;
    TCoolBar* bar = CoolBar();
    if (Value && bar) {
        // A control is in one band at a time.
        if (TCoolBand* other = bar->Bands()->FindBand(Value)) other->FControl = nullptr;
    }
    if (FControl && bar) FControl->RemoveFreeNotification(bar);
    FControl = Value;
    if (Value && bar) {
        Value->FreeNotification(bar);
        if (Value->Parent() != bar) Value->SetParent(bar);
    }
    Changed(true);
}

void TCoolBand::ControlGone() {
    FControl = nullptr;
}

void TCoolBand::SetBreak(bool Value) {
    if (FBreak == Value) return;
    FBreak = Value;
    Changed(true);
}

void TCoolBand::SetFixedSize(bool Value) {
    if (FFixedSize == Value) return;
    FFixedSize = Value;
    Changed(true);
}

void TCoolBand::SetMinHeight(int Value) {
    if (FMinHeight == Value) return;
    FMinHeight = std::max(Value, 0);
    Changed(true);
}

void TCoolBand::SetMinWidth(int Value) {
    if (FMinWidth == Value) return;
    FMinWidth = std::max(Value, 0);
    Changed(true);
}

void TCoolBand::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Changed(true);
}

void TCoolBand::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    if (FControl) FControl->SetVisible(Value);
    Changed(true);
}

void TCoolBand::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = std::max(Value, 0);
    Changed(true);
}

TCoolBands::TCoolBands(TCoolBar* CoolBar)
    : TCollection(TCoolBand::StaticClass(), CoolBar), FCoolBar(CoolBar) {
    SetPropName("Bands");
}

TCoolBand* TCoolBands::FindBand(const TControl* Control) const {
    if (!Control) return nullptr;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Control() == Control) return Items(i);
    return nullptr;
}

void TCoolBands::Update(TCollectionItem*) {
    if (!FCoolBar) return;
    FCoolBar->LayoutBands();
    FCoolBar->Invalidate();
}

// ---- The bar ------------------------------------------------------------------------------------

TCoolBar::TCoolBar(TComponent* AOwner)
    : TWinControl(AOwner), FBands(new TCoolBands(this)), FCanvas(new TCanvas) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 75);
    SetAlign(alTop);
}

TCoolBar::~TCoolBar() {
    FBands->Free();
    FCanvas->Free();
}

void TCoolBar::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = "ReBarWindow32";
}

void TCoolBar::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    LayoutBands();
}

void TCoolBar::SetShowText(bool Value) {
    if (FShowText == Value) return;
    FShowText = Value;
    LayoutBands();
    Invalidate();
}

void TCoolBar::SetFixedSize(bool Value) {
    FFixedSize = Value;
}

void TCoolBar::WndProc(TMessage& Message) {
    if (Message.Msg == CM_CONTROLCHANGE && !ComponentState().Contains(csLoading)) {
        // A windowed control put on the bar gets a band; one taken off takes its band along.
        auto* control = Cast<TWinControl>(reinterpret_cast<TObject*>(Message.WParam));
        if (control && Message.LParam && !FBands->FindBand(control)) {
            FBands->Add()->SetControl(control);
        } else if (control && !Message.LParam) {
            if (TCoolBand* band = FBands->FindBand(control)) {
                control->RemoveFreeNotification(this);
                band->ControlGone();
                band->Free();
            }
        }
    }
    TWinControl::WndProc(Message);
}

void TCoolBar::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
    if (TCoolBand* band = FBands->FindBand(Cast<TControl>(AComponent))) {
        band->ControlGone();
        band->Free();
    }
}

void TCoolBar::Loaded() {
    TWinControl::Loaded();
    LayoutBands();
}

int TCoolBar::BandHeaderWidth(const TCoolBand* Band) {
    int width = GripWidth;
    if (FShowText && !Band->Text().empty()) {
        TBitmap measure;
        measure.SetSize(1, 1);
        measure.Canvas()->Font()->Assign(Font());
        width += measure.Canvas()->TextWidth(Band->Text()) + 4;
    }
    return width;
}

void TCoolBar::LayoutBands() {
    if (FLayingOut || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying))
        return;
    FLayingOut = true;
    try {
        // Rows of bands: a band that breaks (and the first) starts a row.
        std::vector<std::vector<TCoolBand*>> rows;
        for (int i = 0; i < FBands->Count(); ++i) {
            TCoolBand* band = FBands->Items(i);
            if (!band->Visible()) continue;
            if (rows.empty() || band->Break()) rows.emplace_back();
            rows.back().push_back(band);
        }
        const int width = ClientWidth();
        int y = 0;
        for (auto& row : rows) {
            int height = 0;
            for (TCoolBand* band : row) {
                height = std::max(height, band->MinHeight());
                if (band->Control()) height = std::max(height, band->Control()->Height());
            }
            height += 2 * BandPadding;
            int x = 0;
            for (size_t i = 0; i < row.size(); ++i) {
                TCoolBand* band = row[i];
                const int header = BandHeaderWidth(band);
                int w = band->Width();
                if (w <= 0) w = header + (band->Control() ? band->Control()->Width() : 0) + 4;
                w = std::max(w, header + band->MinWidth());
                // The last band of a row reaches the right edge.
                if (i + 1 == row.size()) w = std::max(width - x, header + band->MinWidth());
                band->FRect = Bounds(x, y, w, height);
                if (TWinControl* c = band->Control()) {
                    const int left = x + header;
                    const int cw = std::max(w - header - BandPadding, band->MinWidth());
                    const int ch = c->Height();
                    c->SetBounds(left, y + (height - ch) / 2, cw, ch);
                }
                x += w;
            }
            y += height;
        }
        if (FAutoSize && !rows.empty() && Height() != y + 2) SetHeight(y + 2);
    } catch (...) {
        FLayingOut = false;
        throw;
    }
    FLayingOut = false;
}

void TCoolBar::AlignControls(TControl* AControl, TRect& Rect) {
    TWinControl::AlignControls(AControl, Rect);
    LayoutBands();
}

void TCoolBar::PaintWindow(HDC) {
    TCanvas* c = FCanvas;
    c->Font()->Assign(Font());
    for (int i = 0; i < FBands->Count(); ++i) {
        TCoolBand* band = FBands->Items(i);
        if (!band->Visible()) continue;
        const TRect r = band->BandRect();
        if (r.Left > 0)
            DrawEtchedLine(c, Rect(r.Left - 1, r.Top + 2, r.Left + 1, r.Bottom - 2), true);
        if (r.Bottom < ClientHeight())
            DrawEtchedLine(c, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom + 1), false);
        DrawGripper(c, Rect(r.Left + 2, r.Top + 3, r.Left + GripWidth - 2, r.Bottom - 3));
        if (FShowText && !band->Text().empty()) {
            c->Brush()->SetStyle(bsClear);
            const int th = c->TextHeight(band->Text());
            c->TextOut(r.Left + GripWidth, r.Top + (r.Height() - th) / 2, band->Text());
            c->Brush()->SetStyle(bsSolid);
        }
    }
}
