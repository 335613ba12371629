// Controls and forms in component streams: which records a container writes, where a read
// control goes, z-order and tab order, and the layout that waits for the end of loading.

#include <algorithm>
#include <utility>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/streaming/Filer.h"

namespace {
struct CursorName {
    TCursor Value;
    const char* Name;
};
constexpr CursorName CursorNames[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},           {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},     {crSize, "crSize"},
};

bool IdentToCursor(const std::string& ident, int32_t& value) {
    for (const CursorName& c : CursorNames)
        if (SameText(ident, c.Name)) {
            value = c.Value;
            return true;
        }
    return false;
}

bool CursorToIdent(int32_t value, std::string& ident) {
    // The first name of a value wins: crSizeAll rather than its alias crSize.
    for (const CursorName& c : CursorNames)
        if (value == c.Value) {
            ident = c.Name;
            return true;
        }
    return false;
}

// Cursors go by name in streams (Cursor = crHandPoint), as in other writers' form files.
const bool CursorNamesRegistered =
    (RegisterIntegerConsts(TypeInfos::TCursor(), IdentToCursor, CursorToIdent), true);
} // namespace

// ---- TControl ---------------------------------------------------------------------------------

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* parent = Cast<TWinControl>(Value)) SetParent(parent);
}

void TControl::ReadState(TReader* Reader) {
    FControlState.Include(csReadingState);
    try {
        // Colours, fonts and alignment read next follow the parent, so it comes first. The
        // root is its own reader parent.
        auto* parent = Cast<TWinControl>(Reader->Parent());
        if (parent && parent != this) SetParent(parent);
        TComponent::ReadState(Reader);
    } catch (...) {
        FControlState.Exclude(csReadingState);
        throw;
    }
    FControlState.Exclude(csReadingState);
}

void TControl::Loaded() {
    TComponent::Loaded();
    // A parent's layout held back while this control loaded is done now.
    if (FParent && FParent->FControlState.Contains(csAlignmentNeeded) &&
        !FParent->ComponentState().Contains(csLoading))
        FParent->Realign();
}

void TControl::SetZOrderPosition(int Position) {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    Position = std::clamp(Position, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + Position, this);
    Invalidate();
}

// ---- TWinControl ------------------------------------------------------------------------------

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Owner() == Root) Proc(c);
    }
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
    auto* control = Cast<TControl>(Child);
    if (!control || control->Parent() != this) return;
    // Windowed children come after the others in Controls, and so in the stream.
    if (Cast<TWinControl>(control)) Order -= static_cast<int>(FControls.size());
    control->SetZOrderPosition(Order);
}

void TWinControl::SetZOrderPosition(int Position) {
    if (!Parent()) return;
    auto& list = Parent()->FWinControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    Position = std::clamp(Position, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + Position, this);
    if (!FHandle) return;
    // The window goes under the nearest sibling window above it, or on top.
    HWND above = HWND_TOP;
    for (size_t i = static_cast<size_t>(Position) + 1; i < list.size(); ++i)
        if (list[i]->FHandle) {
            above = list[i]->FHandle;
            break;
        }
    SetWindowPos(FHandle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TWinControl::ReadState(TReader* Reader) {
    DisableAlign();
    try {
        TControl::ReadState(Reader);
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
    FixupTabList();
    // Read on its own, into a parent that is not being read (a paste), the control has no
    // siblings to wait for.
    if (FReadTabOrder >= 0 && !(Parent() && Parent()->FControlState.Contains(csReadingState)))
        SetTabOrder(std::exchange(FReadTabOrder, -1));
}

void TWinControl::FixupTabList() {
    // Each child takes the place its TabOrder named; children without one (or naming a
    // place out of range or taken) fill the free places in their present order. Setting
    // the values one by one as they were read would not do: a value names a place among
    // all the siblings, most of which were not there yet.
    const size_t count = FTabList.size();
    std::vector<TWinControl*> ordered(count, nullptr);
    std::vector<TWinControl*> rest;
    for (TWinControl* c : FTabList) {
        const int want = std::exchange(c->FReadTabOrder, -1);
        if (want >= 0 && static_cast<size_t>(want) < count && !ordered[static_cast<size_t>(want)])
            ordered[static_cast<size_t>(want)] = c;
        else
            rest.push_back(c);
    }
    auto next = rest.begin();
    for (TWinControl*& slot : ordered)
        if (!slot) slot = *next++;
    FTabList = std::move(ordered);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    bool aligned = FControlState.Contains(csAlignmentNeeded);
    for (int i = 0; !aligned && i < ControlCount(); ++i)
        aligned = Controls(i)->Align() != alNone;
    if (aligned) Realign();
}

// ---- TCustomForm ------------------------------------------------------------------------------

void TCustomForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    TWinControl::GetChildren(Proc, Root);
    if (Root != this) return;
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (!c->HasParent()) Proc(c);
    }
}

void TCustomForm::SetChildOrder(TComponent* Child, int Order) {
    if (Child->HasParent()) {
        TWinControl::SetChildOrder(Child, Order);
        return;
    }
    if (Child->Owner() != this) return;
    // Non-visual components follow the form's controls in GetChildren: Order is made a place
    // among them, and they keep that order in the component list.
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Owner() == this) --Order;
    std::vector<int> places;
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent()) places.push_back(i);
    Order = std::clamp(Order, 0, static_cast<int>(places.size()) - 1);
    Child->SetComponentIndex(places[static_cast<size_t>(Order)]);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    // CMVisibleChanged held the window back while the form was incomplete.
    if (!Parent() && Visible() != Showing()) Perform(CM_VISIBLECHANGED, Visible() ? 1 : 0, 0);
}
