// TStringGridStrings: a column or a row of a string grid as a string list.

#include "host/grids/Grids.h"

TStringGridStrings::TStringGridStrings(TStringGrid* AGrid, bool AColumn, int AIndex)
    : FGrid(AGrid), FColumn(AColumn), FIndex(AIndex) {}

int TStringGridStrings::Count() const {
    return FColumn ? FGrid->RowCount() : FGrid->ColCount();
}

std::string TStringGridStrings::Get(int Index) const {
    return FColumn ? FGrid->Cells(FIndex, Index) : FGrid->Cells(Index, FIndex);
}

TObject* TStringGridStrings::GetObject(int Index) const {
    return FColumn ? FGrid->Objects(FIndex, Index) : FGrid->Objects(Index, FIndex);
}

void TStringGridStrings::Put(int Index, const std::string& S) {
    if (FColumn)
        FGrid->SetCells(FIndex, Index, S);
    else
        FGrid->SetCells(Index, FIndex, S);
}

void TStringGridStrings::PutObject(int Index, TObject* AObject) {
    if (FColumn)
        FGrid->SetObjects(FIndex, Index, AObject);
    else
        FGrid->SetObjects(Index, FIndex, AObject);
}

void TStringGridStrings::Insert(int, const std::string&) {
    throw EInvalidGridOperation("不能在表格中插入或删除行");
}

void TStringGridStrings::Delete(int) {
    throw EInvalidGridOperation("不能在表格中插入或删除行");
}

void TStringGridStrings::Clear() {
    for (int i = 0; i < Count(); ++i) {
        Put(i, std::string());
        PutObject(i, nullptr);
    }
}

int TStringGridStrings::Add(const std::string& S) {
    return AddObject(S, nullptr);
}

int TStringGridStrings::AddObject(const std::string& S, TObject* AObject) {
    for (int i = 0; i < Count(); ++i)
        if (Get(i).empty()) {
            Put(i, S.empty() ? std::string(" ") : S);
            PutObject(i, AObject);
            return i;
        }
    return -1;
}

void TStringGridStrings::Assign(TPersistent* Source) {
    auto* source = Cast<TStrings>(Source);
    if (!source) {
        TStrings::Assign(Source);
        return;
    }
    // A view of the same grid may be its own source; read each item before writing it.
    const int count = std::min(source->Count(), Count());
    for (int i = 0; i < count; ++i) {
        const std::string text = source->Strings(i);
        TObject* object = source->Objects(i);
        Put(i, text);
        PutObject(i, object);
    }
}
