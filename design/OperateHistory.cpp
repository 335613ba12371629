#include "design/OperateHistory.h"

#include "design/DesignControl.h"
#include "design/FormDesigner.h"

ZK_IMPLEMENT_CLASS(TOperateRec, TObject, nullptr)
ZK_IMPLEMENT_CLASS(TOperateHistory, TList, nullptr)

// ---- TOperateRec --------------------------------------------------------------------------

TOperateRec::TOperateRec() : FItems(new TList()) {}

TOperateRec::~TOperateRec() {
    for (int i = 0; i < FItems->Count(); ++i)
        delete Item(i);
    delete FItems;
}

TOperateItem* TOperateRec::AddHistory(TOpType OpType, const TRect& Rect, TDesignControl* Control) {
    auto* item = new TOperateItem{OpType, Rect, Control, nullptr};
    FItems->Add(item);
    return item;
}

TOperateItem* TOperateRec::AddHistory(TOpType OpType, TDesignControl* Control) {
    return AddHistory(OpType, TRect{}, Control);
}

void TOperateRec::Restore() {
    TZkFormDesigner* restacked = nullptr;
    for (int i = 0; i < FItems->Count(); ++i) {
        TOperateItem* item = Item(i);
        TDesignControl* overlay = item->Control;
        if (!overlay) continue;
        switch (item->OpType) {
        case otBounds:
            overlay->SetContentBounds(item->Rect);
            break;
        case otDeleted:
            overlay->Undelete();
            break;
        case otInsert:
            overlay->Designer()->InsertionTakenBack(overlay);
            break;
        case otZOrder:
            overlay->BringToFront();
            restacked = overlay->Designer();
            break;
        case otTabOrder:
            overlay->SetTabOrder(item->Rect.Left);
            break;
        case otLock:
            overlay->Designer()->SetLocked(overlay, item->Rect.Left != 0);
            break;
        case otProperty:
            if (TControl* control = overlay->Control()) {
                const std::string name = control->Name();
                item->Property->Put(control);
                if (name != control->Name()) overlay->Designer()->Renamed(name, control->Name());
                overlay->FitToControl();
                overlay->Designer()->GetRoolDesigner()->InspectedChanged();
            }
            break;
        }
    }
    // The live controls (bars, the inspector) stay above the design.
    if (restacked) restacked->RaiseLiveControls();
}

void TOperateRec::SaveToStream(TMemoryStream* Stream) const {
    for (int i = 0; i < FItems->Count(); ++i) {
        const TOperateItem* item = Item(i);
        const TControl* control = item->Control ? item->Control->Control() : nullptr;
        std::string line = control ? control->Name() : std::string();
        line += ":(" + IntToStr(item->Rect.Left) + "," + IntToStr(item->Rect.Top) + "," +
                IntToStr(item->Rect.Right) + "," + IntToStr(item->Rect.Bottom) + ",);\r\n";
        Stream->WriteBuffer(line.data(), static_cast<int64_t>(line.size()));
    }
}

// ---- TOperateHistory ----------------------------------------------------------------------

TOperateHistory::~TOperateHistory() {
    DiscardFrom(0);
    Clear();
}

void TOperateHistory::BeforeDestruction() {
    DiscardFrom(0);
    inherited::BeforeDestruction();
}

void TOperateHistory::DiscardFrom(int Index) {
    for (int i = Count() - 1; i >= Index; --i) {
        delete Record(i);
        Delete(i);
    }
}

void TOperateHistory::BeginChange(TOperateRec* Operate) {
    FKeyStepOpen = false;
    if (FPosition < 0) FPosition = -1;
    if ((FPosition & 1) == 0) ++FPosition;
    // A clean state among the changes taken back goes with them.
    if (FClean > FPosition) FClean = NoClean;
    DiscardFrom(FPosition + 1);
    FPosition = Add(Operate);
}

void TOperateHistory::EndChange(TOperateRec* Operate) {
    FPosition = Add(Operate);
    if (OnChange) OnChange(this);
}

void TOperateHistory::ForgetControl(TDesignControl* Control) {
    for (int i = 0; i < Count(); ++i) {
        TOperateRec* rec = Record(i);
        for (int j = 0; j < rec->Count(); ++j)
            if (rec->Item(j)->Control == Control) rec->Item(j)->Control = nullptr;
    }
}

namespace {
bool SameControls(const TOperateRec* a, const TOperateRec* b) {
    if (a->Count() != b->Count()) return false;
    for (int i = 0; i < a->Count(); ++i)
        if (a->Item(i)->Control != b->Item(i)->Control) return false;
    return true;
}
} // namespace

TOperateRec* TOperateHistory::AddKeyStep(TOperateRec* Before, TOperateRec* After) {
    // A step after a save is a change of its own, so that undoing it comes back to the save.
    if (FKeyStepOpen && FPosition == Count() - 1 && FPosition >= 1 && FClean != FPosition &&
        SameControls(Record(FPosition), After)) {
        TOperateRec* last = Record(FPosition);
        for (int i = 0; i < last->Count(); ++i)
            last->Item(i)->Rect = After->Item(i)->Rect;
        Before->Free();
        After->Free();
        if (OnChange) OnChange(this);
        return last;
    }
    BeginChange(Before);
    EndChange(After);
    FKeyStepOpen = true;
    return After;
}

void TOperateHistory::Previous() {
    FKeyStepOpen = false;
    // FPosition names the after-record of the newest change in effect (an odd index), so
    // its before-record is the one just before it.
    if (FPosition >= Count()) FPosition = Count() - 1;
    if (FPosition < 1) {
        FPosition = -1;
        return;
    }
    if ((FPosition & 1) == 0) --FPosition;
    Record(FPosition - 1)->Restore();
    FPosition -= 2;
    if (OnChange) OnChange(this);
}

void TOperateHistory::Next() {
    FKeyStepOpen = false;
    if (FPosition < -1) FPosition = -1;
    if ((FPosition & 1) == 0) --FPosition;
    const int next = FPosition + 2;
    if (next >= Count()) {
        FPosition = Count() - 1;
        return;
    }
    Record(next)->Restore();
    FPosition = next;
    if (OnChange) OnChange(this);
}

void TOperateHistory::SaveToFile(const std::string& FileName) const {
    TMemoryStream stream;
    for (int i = 0; i < Count(); ++i)
        Record(i)->SaveToStream(&stream);
    stream.SetPosition(0);
    stream.SaveToFile(FileName);
}
