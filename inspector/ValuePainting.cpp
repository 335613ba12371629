// The inspector's grid: drawn row by row into one off-screen bitmap and copied in one go, and
// laid out again whenever the window or the column boundary changes.

#include <algorithm>

#include "inspector/ObjectInspector.h"

namespace {
void Line(TCanvas* c, int x1, int y1, int x2, int y2) {
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
}

/// The colour a colour row's text names; false when the text is no number.
bool SwatchColor(const std::string& text, TColor& color) {
    int64_t value = 0;
    if (!TryStrToInt64(text, value) || value < INT32_MIN || value > INT32_MAX) return false;
    color = TColor(value);
    return true;
}
} // namespace

void TObjectInspForm::FormResize(TObject*) {
    if (!FPanel) return;
    Box->SetWidth(ClientWidth());
    Box->SetHeight(std::max(ClientHeight() - CB1->Height() - 7, 0));
    CB1->SetWidth(ClientWidth());
    FPanel->SetHeight(GetCount() * FRowHeight);
    Box->UpdateScrollBars();
    FPanel->SetWidth(Box->ClientWidth());
    FGridWidth = PaintBox1->Width();
    // Also while OnModify runs: its handler may set another object, whose rows need the
    // editors placed anew; the selection itself stays.
    if (FProps) SelectRow(FItemIndex);
}

void TObjectInspForm::RepaintGrid() {
    if (FUpdating || !FPanel) return;
    PaintBox1->Invalidate();
}

void TObjectInspForm::PaintBox1Paint(TObject*) {
    if (FUpdating || !FBuffer) return;
    FBuffer->SetSize(PaintBox1->Width(), PaintBox1->Height());
    TCanvas* canvas = FBuffer->Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(Rect(0, 0, FBuffer->Width(), FBuffer->Height()));
    for (int i = 0; i < GetCount(); ++i)
        if (i != FItemIndex) DrawOneLine(i, false);
    if (CurItem()) DrawOneLine(FItemIndex, true);
    PaintBox1->Canvas()->Draw(0, 0, FBuffer);
}

void TObjectInspForm::DrawOneLine(int Index, bool Selected) {
    TProp* prop = Props(Index);
    if (!prop || !FBuffer) return;
    const int H = FRowHeight, W = FGridWidth, S = ShownSplitPos(), y = Index * H;
    TCanvas* c = FBuffer->Canvas();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(clBtnShadow);
    c->Font()->SetName(Font()->Name());
    c->Font()->SetSize(8);
    c->Font()->SetStyle({});
    c->Font()->SetColor(clBlack);
    const TRect nameRect = Rect(5, y + 1, S - 2, y + H - 1);
    // Painting never raises: a value or name that cannot be read shows as empty.
    std::string name, value;
    try {
        name = DisplayName(prop->PropName());
        value = GetItemValue(Index);
    } catch (const Exception&) {
    }
    TColor swatch = clNone;
    const bool isColor = prop->LowerTypeName() == "tcolor";
    const bool hasSwatch = isColor && SwatchColor(value, swatch);
    auto drawSwatch = [&] {
        if (!hasSwatch) return;
        c->Brush()->SetColor(swatch);
        c->FillRect(Rect(S, y + 1, Box->Width(), y + H));
        c->Brush()->SetColor(Color());
    };
    if (Selected) {
        Line(c, 0, y - 2, W, y - 2);
        Line(c, S - 1, y, S - 1, y + H);
        c->Pen()->SetColor(clBlack);
        Line(c, 0, y - 1, W, y - 1);
        Line(c, 0, y - 1, 0, y + H);
        c->Pen()->SetColor(clBtnHighlight);
        Line(c, 1, y + H - 1, W, y + H - 1);
        Line(c, Edit1->Left(), y, Edit1->Left() + Edit1->Width(), y);
        Line(c, S, y, S, y + H);
        Line(c, S + 1, y, S + 1, y + H);
        c->TextRect(nameRect, 5, y + 1, name);
        drawSwatch();
        return;
    }
    Line(c, 0, y + H - 1, W, y + H - 1);
    Line(c, S - 1, y, S - 1, y + H);
    c->Pen()->SetColor(clBtnHighlight);
    Line(c, S, y, S, y + H);
    c->TextRect(nameRect, 5, y + 1, name);
    c->Font()->SetColor(clNavy);
    if (isColor)
        drawSwatch();
    else
        c->TextOut(S + 2, y + 1, value);
}

int TObjectInspForm::MaxSplitPos() const {
    // Room for the edit box and one 15-pixel button at the least.
    return std::max(FGridWidth - 32, 6);
}

int TObjectInspForm::ShownSplitPos() const {
    // Clamped here only: a window narrowed for a while gets the boundary back when widened.
    return std::min(FSplitPos, MaxSplitPos());
}
