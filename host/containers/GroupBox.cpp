// TCustomGroupBox and TGroupBox.

#include "host/containers/GroupBox.h"

#include "host/graphics/GdiApi.h"
#include "host/qt/ContainerWindows_p.h"

namespace {
void PublishGroupBox(TPublisher& p) {
    p.Prop("Caption", TypeInfos::TCaption(), &TControl::Caption, &TControl::SetCaption);
    p.Prop("OnPaint", &TCustomControl::OnPaint, &TCustomControl::OnPaint);
}

/// The height of one line of text in the font, measured without a window.
int LineHeight(const TFont* font) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font->Handle());
    TSize size;
    GetTextExtentPoint32(dc, "0", &size);
    DeleteDC(dc);
    return size.cy;
}

const bool registered = (RegisterClass(TGroupBox::StaticClass()), true);
} // namespace

ZK_IMPLEMENT_CLASS(TCustomGroupBox, TCustomControl, nullptr)
ZK_IMPLEMENT_CLASS(TGroupBox, TCustomGroupBox, PublishGroupBox)

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
    (void)registered;
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csSetCaption,      csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.WinClassName = GroupBoxWindowClass();
}

void TCustomGroupBox::CreateWnd() {
    TCustomControl::CreateWnd();
    SetWindowTextColor(Handle(), Font()->Color());
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) const {
    if (FTitleHeight < 0) FTitleHeight = LineHeight(Font());
    Rect.Top += FTitleHeight;
    InflateRect(Rect, -2, -2);
}

void TCustomGroupBox::CMFontChanged(TMessage& Message) {
    FTitleHeight = -1;
    TCustomControl::CMFontChanged(Message);
    if (HandleAllocated()) SetWindowTextColor(Handle(), Font()->Color());
    // The title's height decides where the aligned children begin.
    Realign();
}

void TCustomGroupBox::CMDialogChar(TWMKey& Message) {
    if (IsAccel(Message.CharCode, Caption()) && CanFocus()) {
        TWinControl* first = FindNextControl(nullptr, true, true, false);
        if (!first) first = FindNextControl(nullptr, true, false, false);
        if (first) first->SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}
