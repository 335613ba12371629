// TCustomMemo and its Lines: a multi-line edit whose lines are read from and written to its
// window, so that Lines and what the user sees never differ.

#include "host/stdctrls/StdCtrls.h"

namespace {
/// The UTF-16 units of UTF-8 text: one per character, two for those beyond the BMP.
int Utf16Units(std::string_view text) {
    int units = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++units;
        if (c >= 0xF0) ++units;
    }
    return units;
}

[[noreturn]] void OutOfBounds(int Index) {
    throw EStringListError("列表索引越界（" + std::to_string(Index) + "）");
}
} // namespace

// ---- TCustomMemo ------------------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(new TMemoStrings(this)) {
    SetBounds(Left(), Top(), 185, 89);
    SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() {
    FLines->Free();
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
    TCustomEdit::CreateParams(Params);
    static const uint32_t alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    static const uint32_t scrollBars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
    Params.WinClassName = "MEMO";
    Params.Style &= ~ES_AUTOHSCROLL;
    Params.Style |=
        ES_MULTILINE | ES_AUTOVSCROLL | alignments[FAlignment] | scrollBars[FScrollBars];
    // Without word wrap a line runs on to the right and scrolls.
    if (!FWordWrap) Params.Style |= ES_AUTOHSCROLL;
}

void TCustomMemo::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    UpdateStyle();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    UpdateStyle();
}

void TCustomMemo::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    UpdateStyle();
}

bool TCustomMemo::WantsKey(uint16_t Key) {
    if (Key == VK_TAB) return FWantTabs;
    if (Key == VK_RETURN) return FWantReturns;
    return Key != VK_ESCAPE;
}

void TCustomMemo::KeyPress(char& Key) {
    TCustomEdit::KeyPress(Key);
    if ((Key == '\r' && !FWantReturns) || (Key == '\t' && !FWantTabs)) Key = 0;
}

// ---- TMemoStrings -----------------------------------------------------------------------------

std::vector<std::string> TMemoStrings::Lines() const {
    const std::string text = FMemo->Text();
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    // A line break at the very end starts no line of its own.
    return lines;
}

std::string TMemoStrings::Get(int Index) const {
    const std::vector<std::string> lines = Lines();
    if (Index < 0 || Index >= static_cast<int>(lines.size())) OutOfBounds(Index);
    return lines[static_cast<size_t>(Index)];
}

TObject* TMemoStrings::GetObject(int Index) const {
    (void)Index;
    return nullptr;
}

void TMemoStrings::PutObject(int Index, TObject* AObject) {
    (void)Index;
    (void)AObject;
}

int TMemoStrings::Count() const {
    return static_cast<int>(Lines().size());
}

void TMemoStrings::Replace(size_t From, size_t To, const std::string& With) {
    std::string text = FMemo->Text();
    if (!FMemo->HandleAllocated()) {
        text.replace(From, To - From, With);
        FMemo->SetTextProp(text);
        return;
    }
    // Through the selection, as typing would: the window keeps its undo and its scrolling.
    std::string_view view(text);
    const int start = Utf16Units(view.substr(0, From));
    const int end = start + Utf16Units(view.substr(From, To - From));
    HWND wnd = FMemo->Handle();
    SendMessage(wnd, EM_SETSEL, start, end);
    SendMessage(wnd, EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(With.c_str()));
}

void TMemoStrings::Put(int Index, const std::string& S) {
    const std::vector<std::string> lines = Lines();
    if (Index < 0 || Index >= static_cast<int>(lines.size())) OutOfBounds(Index);
    size_t from = 0;
    for (int i = 0; i < Index; ++i)
        from += lines[static_cast<size_t>(i)].size() + 1;
    Replace(from, from + lines[static_cast<size_t>(Index)].size(), S);
}

void TMemoStrings::Insert(int Index, const std::string& S) {
    const std::string text = FMemo->Text();
    const std::vector<std::string> lines = Lines();
    if (Index < 0 || Index > static_cast<int>(lines.size())) OutOfBounds(Index);
    // The start of line Index exists when as many line breaks precede it; the new line goes
    // there with a break after it. Past the last, unbroken line it goes after a new break.
    size_t from = 0;
    int breaks = 0;
    for (; breaks < Index; ++breaks) {
        const size_t nl = text.find('\n', from);
        if (nl == std::string::npos) break;
        from = nl + 1;
    }
    if (breaks == Index)
        Replace(from, from, S + "\n");
    else
        Replace(text.size(), text.size(), "\n" + S);
}

void TMemoStrings::Delete(int Index) {
    const std::string text = FMemo->Text();
    const std::vector<std::string> lines = Lines();
    if (Index < 0 || Index >= static_cast<int>(lines.size())) OutOfBounds(Index);
    size_t from = 0;
    for (int i = 0; i < Index; ++i)
        from = text.find('\n', from) + 1;
    const size_t nl = text.find('\n', from);
    Replace(from, nl == std::string::npos ? text.size() : nl + 1, "");
}

void TMemoStrings::Clear() {
    FMemo->SetTextProp("");
}

void TMemoStrings::SetText(const std::string& Value) {
    FMemo->SetTextProp(Value);
}
