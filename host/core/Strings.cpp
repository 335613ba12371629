#include "host/core/Strings.h"

#include <exception>

#include "host/core/Stream.h"
#include "host/core/SysUtils.h"

ZK_IMPLEMENT_CLASS(TStrings, TPersistent, nullptr)

// ---- Editing ------------------------------------------------------------------------------

int TStrings::Add(const std::string& S) {
    int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::AddStrings(const TStrings* Strings) {
    // Copied first, so that adding a list to itself (or to a list that watches it) ends.
    std::vector<std::pair<std::string, TObject*>> items;
    items.reserve(size_t(Strings->Count()));
    for (int i = 0; i < Strings->Count(); ++i)
        items.emplace_back(Strings->Get(i), Strings->GetObject(i));
    TStringsUpdate update(this);
    for (auto& [s, obj] : items)
        AddObject(s, obj);
}

void TStrings::Exchange(int Index1, int Index2) {
    TStringsUpdate update(this);
    std::string s = Get(Index1);
    TObject* obj = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, s);
    PutObject(Index2, obj);
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    TStringsUpdate update(this);
    std::string s = Get(CurIndex);
    TObject* obj = GetObject(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, obj);
}

// ---- Lookups ------------------------------------------------------------------------------

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const {
    return CompareText(S1, S2);
}

int TStrings::IndexOf(const std::string& S) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& Name) const {
    for (int i = 0; i < Count(); ++i) {
        std::string s = Get(i);
        size_t eq = s.find('=');
        if (eq != std::string::npos && CompareStrings(s.substr(0, eq), Name) == 0) return i;
    }
    return -1;
}

std::string TStrings::Names(int Index) const {
    std::string s = Get(Index);
    size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int Index) const {
    std::string s = Get(Index);
    size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

std::string TStrings::Values(const std::string& Name) const {
    int i = IndexOfName(Name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
    int i = IndexOfName(Name);
    if (Value.empty()) {
        if (i >= 0) Delete(i);
    } else if (i < 0) {
        Add(Name + "=" + Value); // not Add("") then Put: a sorted list refuses Put
    } else {
        Put(i, Name + "=" + Value);
    }
}

// ---- Text ---------------------------------------------------------------------------------

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += '\n';
    }
    return text;
}

void TStrings::SetText(const std::string& Value) {
    TStringsUpdate update(this);
    Clear();
    size_t start = 0;
    while (start < Value.size()) {
        size_t end = Value.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            Add(Value.substr(start));
            break;
        }
        Add(Value.substr(start, end - start));
        start =
            end + (Value[end] == '\r' && end + 1 < Value.size() && Value[end + 1] == '\n' ? 2 : 1);
    }
}

namespace {
bool IsCommaBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
} // namespace

std::string TStrings::CommaText() const {
    if (Count() == 1 && Get(0).empty()) return "\"\"";
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        std::string s = Get(i);
        bool quote = false;
        for (char c : s)
            if (IsCommaBlank(c) || c == '"' || c == ',') quote = true;
        if (quote) {
            std::string q = "\"";
            for (char c : s)
                q += c == '"' ? std::string("\"\"") : std::string(1, c);
            s = q + "\"";
        }
        if (i > 0) text += ',';
        text += s;
    }
    return text;
}

void TStrings::SetCommaText(const std::string& Value) {
    TStringsUpdate update(this);
    Clear();
    size_t i = 0, n = Value.size();
    auto skipBlanks = [&] {
        while (i < n && IsCommaBlank(Value[i]))
            ++i;
    };
    skipBlanks();
    while (i < n) {
        std::string item;
        if (Value[i] == '"') {
            for (++i; i < n; ++i) {
                if (Value[i] == '"') {
                    if (i + 1 < n && Value[i + 1] == '"') {
                        item += '"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    item += Value[i];
                }
            }
        } else {
            while (i < n && !IsCommaBlank(Value[i]) && Value[i] != ',')
                item += Value[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && Value[i] == ',') {
            ++i;
            if (i == n) Add(""); // a trailing comma ends with an empty item
            skipBlanks();
        }
    }
}

// ---- Whole-list operations ----------------------------------------------------------------

void TStrings::Assign(TPersistent* Source) {
    if (auto* src = Cast<TStrings>(Source)) {
        if (src == this) return;
        TStringsUpdate update(this);
        Clear();
        AddStrings(src);
        return;
    }
    inherited::Assign(Source);
}

bool TStrings::Equals(const TStrings* Strings) const {
    if (!Strings || Strings->Count() != Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

// ---- Streams and files --------------------------------------------------------------------

void TStrings::SaveToStream(TStream* Stream) const {
    std::string text = Text();
    Stream->WriteBuffer(text.data(), int64_t(text.size()));
}

void TStrings::LoadFromStream(TStream* Stream) {
    int64_t size = Stream->Size() - Stream->Position();
    std::string text(size_t(size > 0 ? size : 0), '\0');
    text.resize(size_t(Stream->Read(text.data(), int64_t(text.size()))));
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    SetText(text);
}

void TStrings::SaveToFile(const std::string& FileName) const {
    TFileStream stream(FileName, fmCreate);
    SaveToStream(&stream);
}

void TStrings::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}
