// Copying designed controls to the clipboard as the text form of the component stream, and
// pasting, cutting and duplicating them.

#include <algorithm>
#include <cctype>
#include <memory>

#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/DesignerScope.h"
#include "design/FormDesigner.h"
#include "design/OperateHistory.h"
#include "design/SessionView.h"
#include "host/controls/Forms.h"
#include "host/core/Clipboard.h"
#include "host/core/Stream.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ObjectText.h"

namespace {
constexpr int BufferSize = 64 * 1024;

std::string Text(TMemoryStream& stream) {
    const auto* p = static_cast<const char*>(stream.Memory());
    return std::string(p, p + stream.Size());
}

/// Whether Overlay lies inside another overlay of List: copying that one copies it too.
bool InsideAnother(TDesignControl* Overlay, const std::vector<TDesignControl*>& List) {
    for (TControl* c = Overlay->Parent(); c; c = c->Parent())
        for (TDesignControl* other : List)
            if (other != Overlay && other->Control() == c) return true;
    return false;
}

/// The text form begins with an object (or one of its kin) once comments and blanks are past.
bool LooksLikeFormText(const std::string& text) {
    size_t at = text.find_first_not_of(" \t\r\n");
    if (at == std::string::npos) return false;
    for (const char* word : {"object", "inherited", "inline"}) {
        const std::string w = word;
        if (text.compare(at, w.size(), w) == 0 && text.size() > at + w.size() &&
            std::isspace(static_cast<unsigned char>(text[at + w.size()])))
            return true;
    }
    return false;
}

/// A name like Name that Owner does not have yet: Name itself when it is free, otherwise the
/// class name and a number, as the names of inserted controls are made.
std::string FreeName(TComponent* Component, TComponent* Owner, const std::string& Name) {
    if (!Name.empty() && !Owner->FindComponent(Name)) return Name;
    uint32_t tick = GetTickCount();
    std::string name;
    do
        name = Component->ClassName() + IntToStr(tick++);
    while (Owner->FindComponent(name));
    return name;
}

TRect Shifted(TRect r, int by) {
    OffsetRect(r, by, by);
    return r;
}
} // namespace

std::vector<TDesignControl*> TZkFormDesigner::CopiedOverlays() const {
    std::vector<TDesignControl*> selected;
    const TZkControlSelection* selection = GetRoolDesigner()->FSelection;
    for (int i = 0; selection && i < selection->Count(); ++i)
        if (TDesignControl* o = selection->Get(i); o->Wrapping() && !o->Deleted())
            selected.push_back(o);
    return selected;
}

std::string TZkFormDesigner::FormText(const std::vector<TDesignControl*>& Overlays) {
    TZkFormDesigner* root = GetRoolDesigner();
    TCustomForm* form = GetParentForm(root->FDesignForm);
    std::string text;
    if (!form || !IsDesigning()) return text;
    TSessionView view(root);
    for (TDesignControl* overlay : Overlays) {
        if (InsideAnother(overlay, Overlays)) continue;
        TMemoryStream binary;
        {
            TWriter writer(&binary, BufferSize);
            writer.SetView(&view);
            writer.SetRoot(form);
            writer.WriteSignature();
            writer.WriteComponent(overlay->Control());
            writer.FlushBuffer();
        }
        binary.SetPosition(0);
        TMemoryStream out;
        ObjectBinaryToText(binary, out);
        text += Text(out);
    }
    return text;
}

void TZkFormDesigner::CopySelection() {
    const std::string text = FormText(CopiedOverlays());
    if (!text.empty()) Clipboard()->SetAsText(text);
}

void TZkFormDesigner::CutSelection() {
    TDesignerScope scope(GetRoolDesigner());
    CopySelection();
    GetRoolDesigner()->DeleteSelection();
}

bool TZkFormDesigner::ClipboardHoldsForm() {
    return LooksLikeFormText(Clipboard()->AsText());
}

void TZkFormDesigner::PasteFromClipboard() {
    TDesignerScope scope(GetRoolDesigner());
    const std::string text = Clipboard()->AsText();
    if (!LooksLikeFormText(text))
        throw EComponentError("无法粘贴剪贴板上的文字：它不是窗体文本");
    RecordInsertion(PasteText(text, false));
}

void TZkFormDesigner::DuplicateSelection() {
    TZkFormDesigner* root = GetRoolDesigner();
    TDesignerScope scope(root);
    // Each selected control is duplicated beside itself, in its own container.
    const std::vector<TDesignControl*> selected = CopiedOverlays();
    std::vector<std::pair<TZkFormDesigner*, std::string>> texts;
    for (TDesignControl* overlay : selected) {
        TZkFormDesigner* designer = overlay->Designer();
        if (std::any_of(texts.begin(), texts.end(), [&](auto& t) { return t.first == designer; }))
            continue;
        std::vector<TDesignControl*> own;
        for (TDesignControl* o : selected)
            if (o->Designer() == designer) own.push_back(o);
        texts.emplace_back(designer, designer->FormText(own));
    }
    std::vector<TDesignControl*> made;
    for (auto& [designer, text] : texts) {
        if (text.empty()) continue;
        std::vector<TDesignControl*> some = designer->PasteText(text, true);
        made.insert(made.end(), some.begin(), some.end());
    }
    RecordInsertion(made);
}

std::vector<TDesignControl*> TZkFormDesigner::PasteText(const std::string& Text, bool Offset) {
    if (!IsDesigning()) throw EInvalidOperation("未在设计中，不能粘贴控件！");
    TZkFormDesigner* root = GetRoolDesigner();
    TCustomForm* form = GetParentForm(root->FDesignForm);
    if (!form) throw EComponentError("设计区不在任何窗体上，无法粘贴！");
    // Read whole into a holder of its own first: text that cannot be read changes nothing.
    std::unique_ptr<TWinControl, void (*)(TObject*)> holder(new TWinControl(nullptr),
                                                            [](TObject* o) { o->Free(); });
    holder->SetVisible(false);
    try {
        // The objects of the text become the children of one object that the holder reads.
        TMemoryStream text, binary;
        const std::string wrapped = "object Clipboard: TWinControl\n" + Text + "\nend\n";
        text.WriteBuffer(wrapped.data(), static_cast<int64_t>(wrapped.size()));
        text.SetPosition(0);
        ObjectTextToBinary(text, binary);
        binary.SetPosition(0);
        TReader reader(&binary, BufferSize);
        reader.ReadRootComponent(holder.get());
        for (int i = 0; i < holder->ComponentCount(); ++i)
            if (!Cast<TControl>(holder->Components(i)) || Cast<TCustomForm>(holder->Components(i)))
                throw EReadError("“" + holder->Components(i)->Name() + "”不是可以放进窗体的控件");
    } catch (const Exception& e) {
        throw EComponentError("无法粘贴剪贴板上的文字：" + e.Message());
    }
    std::vector<TControl*> pasted;
    for (int i = 0; i < holder->ControlCount(); ++i) pasted.push_back(holder->Controls(i));
    // A paste over what it copied (or a duplicate) lands one grid step away, further when
    // that place is taken too.
    int shift = 0;
    auto taken = [&](int by) {
        for (TControl* c : pasted)
            for (int i = 0; i < OverlayCount(); ++i)
                if (Overlay(i)->Wrapping() && !Overlay(i)->Deleted() &&
                    Overlay(i)->ControlBounds() == Shifted(c->BoundsRect(), by))
                    return true;
        return false;
    };
    const int step = root->GridSize();
    if (Offset) shift = step;
    for (int tries = 0; taken(shift) && tries < 100; ++tries) shift += step;
    // Everything read goes to the form under a free name; the controls on top go into the
    // design form.
    while (holder->ComponentCount() > 0) {
        TComponent* c = holder->Components(0);
        const std::string old = c->Name();
        holder->RemoveComponent(c);
        c->SetName(FreeName(c, form, old));
        form->InsertComponent(c);
        auto* control = Cast<TControl>(c);
        if (control && control->ControlStyle().Contains(csSetCaption) && control->Caption() == old)
            control->SetCaption(c->Name());
    }
    std::vector<TDesignControl*> made;
    for (TControl* c : pasted) {
        c->SetBoundsRect(Shifted(c->BoundsRect(), shift));
        c->SetParent(FDesignForm);
        auto* overlay = new TDesignControl(c, this);
        AddControl(overlay);
        made.push_back(overlay);
    }
    ObjectsChanged();
    return made;
}

void TZkFormDesigner::RecordInsertion(const std::vector<TDesignControl*>& Overlays) {
    if (Overlays.empty()) return;
    TZkFormDesigner* root = GetRoolDesigner();
    if (TOperateHistory* history = root->FHistory) {
        auto* before = new TOperateRec();
        auto* after = new TOperateRec();
        for (TDesignControl* overlay : Overlays) {
            before->AddHistory(otInsert, overlay);
            after->AddHistory(otDeleted, overlay);
        }
        history->BeginChange(before);
        history->EndChange(after);
    }
    // What came in is selected, the first of it inspected.
    ClearDesignerSelections(root, nullptr);
    SelectAlone(Overlays.front());
    for (TDesignControl* overlay : Overlays)
        if (overlay->Wrapping()) overlay->SetSelected(true);
}
