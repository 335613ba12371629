// TToolBar and TToolButton: buttons laid out left to right, check buttons and their groups.

#include "host/comctrls/ComCtrls.h"
#include "host/controls/HotkeyText.h"
#include "host/graphics/ImgList.h"
#include "host/menus/Menus.h"
#include "host/qt/StyledPaint_p.h"

namespace {
/// The arrow part a drop-down button adds to the button's width.
constexpr int DropDownArrowWidth = 13;
} // namespace

std::vector<TPoint> LayoutToolBarItems(const std::vector<TToolBarItem>& Items, int ClientWidth,
                                       int Indent, int RowHeight, bool Wrapable) {
    std::vector<TPoint> positions;
    // The buttons stand below the bar's top edge.
    const int top = 2;
    int x = Indent;
    int y = top;
    for (const TToolBarItem& item : Items) {
        if (Wrapable && x > Indent && x + item.Width > ClientWidth) {
            x = Indent;
            y += RowHeight;
        }
        positions.push_back({x, y});
        x += item.Width;
        if (item.Wrap) {
            x = Indent;
            y += RowHeight;
        }
    }
    return positions;
}

// ---- TToolButton --------------------------------------------------------------------------------

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    // The button clicks on its own release, inside it.
    FControlStyle = {csCaptureMouse, csSetCaption};
    SetBounds(0, 0, 23, 22);
}

TToolBar* TToolButton::ToolBar() const {
    return Cast<TToolBar>(Parent());
}

int TToolButton::Index() const {
    TToolBar* bar = ToolBar();
    if (!bar) return -1;
    for (int i = 0; i < bar->ButtonCount(); ++i)
        if (bar->Buttons(i) == this) return i;
    return -1;
}

void TToolButton::Changed() {
    if (TToolBar* bar = ToolBar()) bar->LayoutButtons();
    Invalidate();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
    if (FStyle == Value) return;
    const bool wasGap = IsSeparator();
    FStyle = Value;
    // A gap is narrower than a button.
    if (IsSeparator() && !wasGap && Width() == 23) SetWidth(8);
    Changed();
}

void TToolButton::SetDown(bool Value) {
    if (FDown == Value) return;
    FDown = Value;
    if (Value && FGrouped)
        for (TToolButton* other : Group())
            if (other != this && other->FDown) {
                other->FDown = false;
                other->Invalidate();
            }
    Invalidate();
}

void TToolButton::SetGrouped(bool Value) {
    if (FGrouped == Value) return;
    FGrouped = Value;
    if (Value && FDown)
        for (TToolButton* other : Group())
            if (other != this) other->SetDown(false);
}

void TToolButton::SetAllowAllUp(bool Value) {
    FAllowAllUp = Value;
}

void TToolButton::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Invalidate();
}

void TToolButton::SetWrap(bool Value) {
    if (FWrap == Value) return;
    FWrap = Value;
    Changed();
}

std::vector<TToolButton*> TToolButton::Group() const {
    std::vector<TToolButton*> group;
    TToolBar* bar = ToolBar();
    const int index = Index();
    if (!bar || index < 0) return group;
    auto grouped = [bar](int i) {
        TToolButton* b = bar->Buttons(i);
        return b->FGrouped && b->FStyle == tbsCheck;
    };
    int first = index;
    while (first > 0 && grouped(first - 1))
        --first;
    int last = index;
    while (last + 1 < bar->ButtonCount() && grouped(last + 1))
        ++last;
    for (int i = first; i <= last; ++i)
        group.push_back(bar->Buttons(i));
    return group;
}

void TToolButton::Click() {
    if (FStyle == tbsCheck) {
        // A grouped button that is down stays down unless its group may be all up.
        if (!FDown)
            SetDown(true);
        else if (!FGrouped || FAllowAllUp)
            SetDown(false);
    }
    TGraphicControl::Click();
}

void TToolButton::CMDialogChar(TWMKey& Message) {
    // A caption that is not shown has no accelerator the user could know of.
    TToolBar* bar = ToolBar();
    if (Enabled() && Visible() && !IsSeparator() && bar && bar->ShowCaptions() &&
        IsAccel(Message.CharCode, Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    TGraphicControl::CMDialogChar(Message);
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value) {
    if (FDropdownMenu == Value) return;
    if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
    FDropdownMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropdownMenu) FDropdownMenu = nullptr;
}

TRect TToolButton::DropDownRect() const {
    if (FStyle != tbsDropDown) return {};
    return Rect(std::max(Width() - DropDownArrowWidth, 0), 0, Width(), Height());
}

void TToolButton::CMTextChanged(TMessage& Message) {
    TGraphicControl::CMTextChanged(Message);
    if (TToolBar* bar = ToolBar())
        if (bar->ShowCaptions()) bar->LayoutButtons();
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled() || IsSeparator()) return;
    FPressed = true;
    Repaint();
}

void TToolButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!MouseCapture() || IsSeparator() || !Enabled()) return;
    const bool inside = PtInRect(ClientRect(), {X, Y});
    if (inside != FPressed) {
        FPressed = inside;
        Repaint();
    }
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FPressed) return;
    FPressed = false;
    Repaint();
    if (!PtInRect(ClientRect(), {X, Y})) return;
    // The arrow of a drop-down button shows its menu below the button; the rest clicks.
    if (PtInRect(DropDownRect(), {X, Y}) && FDropdownMenu) {
        const TPoint below = ClientToScreen({0, Height()});
        FDropdownMenu->SetPopupComponent(this);
        FDropdownMenu->Popup(below.X, below.Y);
        return;
    }
    Click();
}

void TToolButton::Paint() {
    TCanvas* c = Canvas();
    TToolBar* bar = ToolBar();
    const TRect client = ClientRect();
    if (FStyle == tbsDivider) {
        DrawEtchedLine(c, client, true);
        return;
    }
    if (FStyle == tbsSeparator) {
        if (ComponentState().Contains(csDesigning)) {
            c->Pen()->SetStyle(psDot);
            c->Brush()->SetStyle(bsClear);
            c->Rectangle(client);
            c->Pen()->SetStyle(psSolid);
            c->Brush()->SetStyle(bsSolid);
        }
        return;
    }
    const bool flat = bar && bar->Flat();
    DrawButtonFace(c, client, {Pressed(), flat, Enabled(), true});
    if (FStyle == tbsDropDown) {
        const TRect arrow = DropDownRect();
        DrawEtchedLine(c, Rect(arrow.Left - 1, 3, arrow.Left + 1, client.Bottom - 3), true);
        DrawArrowGlyph(c, arrow, TArrow::Down, Enabled());
    }
    const int shift = Pressed() ? 1 : 0;
    TCustomImageList* images = bar ? bar->Images() : nullptr;
    const bool hasImage = images && FImageIndex >= 0 && FImageIndex < images->Count();
    const bool hasCaption = bar && bar->ShowCaptions() && !Caption().empty();
    c->Font()->Assign(Font());
    const std::string caption = StripHotkey(Caption());
    const TSize text = hasCaption ? c->TextExtent(caption) : TSize{};
    const int imageHeight = hasImage ? images->Height() : 0;
    const int gap = hasImage && hasCaption ? 2 : 0;
    int y = (client.Height() - imageHeight - gap - text.cy) / 2 + shift;
    if (hasImage) {
        images->Draw(c, (client.Width() - images->Width()) / 2 + shift, y, FImageIndex, Enabled());
        y += imageHeight + gap;
    }
    if (hasCaption) {
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
        TextOutWithHotkey(c, (client.Width() - text.cx) / 2 + shift, y, Caption());
        c->Brush()->SetStyle(bsSolid);
    }
}

// ---- TToolBar -----------------------------------------------------------------------------------

namespace {
/// Whether a control takes part in the bar's layout now.
bool LaidOut(const TControl* c) {
    return c->Visible() || (c->ComponentState().Contains(csDesigning) &&
                            !c->ControlStyle().Contains(csNoDesignVisible));
}
} // namespace

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csDoubleClicks,    csMenuEvents,   csSetCaption};
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar() {
    // The buttons go with the window control's children, after the list is gone.
    FButtons.clear();
}

void TToolBar::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = "ToolbarWindow32";
}

TToolButton* TToolBar::Buttons(int Index) const {
    if (Index < 0 || Index >= ButtonCount())
        throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    return FButtons[static_cast<size_t>(Index)];
}

void TToolBar::InsertButton(TToolButton* Button) {
    if (std::find(FButtons.begin(), FButtons.end(), Button) != FButtons.end()) return;
    FButtons.push_back(Button);
    Button->FreeNotification(this);
}

void TToolBar::RemoveButton(TToolButton* Button) {
    auto it = std::find(FButtons.begin(), FButtons.end(), Button);
    if (it == FButtons.end()) return;
    FButtons.erase(it);
    Button->RemoveFreeNotification(this);
}

void TToolBar::WndProc(TMessage& Message) {
    if (Message.Msg == CM_CONTROLCHANGE) {
        if (auto* button = Cast<TToolButton>(reinterpret_cast<TObject*>(Message.WParam))) {
            if (Message.LParam)
                InsertButton(button);
            else
                RemoveButton(button);
            LayoutButtons();
        }
    }
    TWinControl::WndProc(Message);
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    auto it = std::find(FButtons.begin(), FButtons.end(), AComponent);
    if (it != FButtons.end()) {
        FButtons.erase(it);
        LayoutButtons();
    }
}

void TToolBar::SetButtonWidth(int Value) {
    if (FButtonWidth == Value || Value <= 0) return;
    FButtonWidth = Value;
    LayoutButtons();
}

void TToolBar::SetButtonHeight(int Value) {
    if (FButtonHeight == Value || Value <= 0) return;
    FButtonHeight = Value;
    LayoutButtons();
}

void TToolBar::SetFlat(bool Value) {
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TToolBar::SetShowCaptions(bool Value) {
    if (FShowCaptions == Value) return;
    FShowCaptions = Value;
    LayoutButtons();
    Invalidate();
}

void TToolBar::SetWrapable(bool Value) {
    if (FWrapable == Value) return;
    FWrapable = Value;
    LayoutButtons();
}

void TToolBar::SetIndent(int Value) {
    if (FIndent == Value) return;
    FIndent = Value;
    LayoutButtons();
}

void TToolBar::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
    LayoutButtons();
    Invalidate();
}

TSize TToolBar::ButtonSize() {
    TSize size{FButtonWidth, FButtonHeight};
    if (!FShowCaptions) return size;
    // Every button is as wide as the widest caption needs, and tall enough for it (below
    // the image, when there are images).
    TBitmap measure;
    measure.SetSize(1, 1);
    TCanvas* c = measure.Canvas();
    c->Font()->Assign(Font());
    int widest = 0;
    int tallest = 0;
    for (TToolButton* b : FButtons) {
        if (b->IsSeparator() || b->Caption().empty()) continue;
        TSize text = c->TextExtent(StripHotkey(b->Caption()));
        widest = std::max(widest, text.cx);
        tallest = std::max(tallest, text.cy);
    }
    const int imageWidth = FImages ? FImages->Width() : 0;
    const int imageHeight = FImages ? FImages->Height() + 2 : 0;
    size.cx = std::max(size.cx, std::max(widest, imageWidth) + 8);
    size.cy = std::max(size.cy, imageHeight + tallest + 6);
    return size;
}

void TToolBar::LayoutButtons() {
    if (FLayingOut || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying))
        return;
    FLayingOut = true;
    try {
        const TSize button = ButtonSize();
        // The tool buttons in their order, then the other controls from left to right.
        std::vector<TControl*> items;
        for (TToolButton* b : FButtons)
            if (LaidOut(b)) items.push_back(b);
        std::vector<TControl*> others;
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (!Cast<TToolButton>(c) && c->Align() == alNone && LaidOut(c)) others.push_back(c);
        }
        std::stable_sort(others.begin(), others.end(),
                         [](TControl* a, TControl* b) { return a->Left() < b->Left(); });
        items.insert(items.end(), others.begin(), others.end());

        std::vector<TToolBarItem> layout;
        for (TControl* c : items) {
            auto* b = Cast<TToolButton>(c);
            if (b && b->Style() == tbsDropDown)
                layout.push_back({button.cx + DropDownArrowWidth, button.cy, b->Wrap()});
            else if (b && !b->IsSeparator())
                layout.push_back({button.cx, button.cy, b->Wrap()});
            else if (b)
                layout.push_back({b->Width(), button.cy, b->Wrap()});
            else
                layout.push_back({c->Width(), c->Height(), false});
        }
        std::vector<TPoint> at =
            LayoutToolBarItems(layout, ClientWidth(), FIndent, button.cy, FWrapable);
        for (size_t i = 0; i < items.size(); ++i)
            items[i]->SetBounds(at[i].X, at[i].Y, layout[i].Width, layout[i].Height);
    } catch (...) {
        FLayingOut = false;
        throw;
    }
    FLayingOut = false;
}

void TToolBar::Loaded() {
    TWinControl::Loaded();
    LayoutButtons();
}

void TToolBar::AlignControls(TControl* AControl, TRect& Rect) {
    TWinControl::AlignControls(AControl, Rect);
    LayoutButtons();
}
