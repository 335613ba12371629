// Layouts: saving the user's changes to a form against a fresh instance of its class, and
// loading them over the form that the application's current version makes.

#include <memory>

#include "design/FileReplacement.h"
#include "design/FormDesigner.h"
#include "design/FormSessions.h"
#include "host/controls/Forms.h"
#include "host/core/Stream.h"
#include "host/streaming/Filer.h"

namespace {
constexpr int LayoutBufferSize = 64 * 1024;

/// Writes Root as its changes since Ancestor. Whether a form is shown, and where it stands
/// among windows, is the session's state, not the user's layout.
void WriteLayout(TStream* Stream, TCustomForm* Root, TCustomForm* Ancestor) {
    TWriter writer(Stream, LayoutBufferSize);
    writer.IgnoredRootProperties = {"Visible", "TabOrder"};
    writer.WriteDescendent(Root, Ancestor);
    writer.FlushBuffer();
}

/// A fresh instance of a form's class, as its constructor makes it, that never shows: it lies
/// in a holder form that is never shown. Its controls have windows when those of the form it
/// stands for have them, since controls size themselves to their fonts when windows are made.
class TFreshForm {
public:
    explicit TFreshForm(TCustomForm* Like) : FHolder(new TForm(nullptr), FreeObject) {
        FForm = static_cast<TCustomForm*>(Like->ClassType()->Create(nullptr));
        try {
            FForm->SetParent(FHolder.get());
            if (Like->HandleAllocated()) FForm->HandleNeeded();
        } catch (...) {
            FForm->Free();
            throw;
        }
    }
    ~TFreshForm() { FForm->Free(); }
    TFreshForm(const TFreshForm&) = delete;
    TFreshForm& operator=(const TFreshForm&) = delete;
    TCustomForm* Form() const { return FForm; }

private:
    static void FreeObject(TObject* Object) { Object->Free(); }
    std::unique_ptr<TForm, void (*)(TObject*)> FHolder;
    TCustomForm* FForm = nullptr;
};

/// Refuses, before anything is read, a stream that holds a whole form rather than changes, or
/// the changes to a form of another class.
void CheckLayoutOf(TCustomForm* Form, TMemoryStream* Stream) {
    const int64_t start = Stream->Position();
    std::string className;
    uint8_t flags = 0;
    {
        TReader reader(Stream, 256);
        reader.ReadSignature();
        int pos;
        reader.ReadPrefix(flags, pos);
        className = reader.ReadStr();
    }
    Stream->SetPosition(start);
    if (!(flags & ffInherited))
        throw EReadError("这不是布局：流中保存的是完整的窗体，请用“打开窗体”载入");
    if (!SameText(className, Form->ClassName()))
        throw EReadError("这个布局属于窗体类“" + className + "”，不能用于“" + Form->ClassName() +
                         "”");
}

/// The deleted components leave the form. One the application makes (Reference, a fresh
/// form, has it) is only taken off its parent and stays owned by the form: host code that
/// holds a pointer to it, as forms hold their fields, goes on working on a control that
/// nobody sees. One only the user made is freed.
void RemoveDeleted(TCustomForm* Form, TCustomForm* Reference, const std::vector<std::string>& Names,
                   TLayoutSkips& Skips) {
    for (const std::string& name : Names) {
        TComponent* c = Form->FindComponent(name);
        auto* control = Cast<TControl>(c);
        // One the form no longer has is deleted already.
        if (!c) continue;
        if (!control) {
            Skips.push_back({name, {}, "只有控件可以删除：“" + name + "”不是控件"});
        } else if (Reference->FindComponent(name)) {
            control->SetParent(nullptr);
        } else {
            control->Free();
        }
    }
}

/// Reads a layout over Form: changes that do not fit are skipped and listed in Skips;
/// damage raises. Form keeps its name.
void ApplyLayout(TCustomForm* Form, TCustomForm* Reference, TMemoryStream* Stream,
                 TLayoutSkips& Skips) {
    const std::string name = Form->Name();
    TReader reader(Stream, static_cast<int>(std::min<int64_t>(Stream->Size(), LayoutBufferSize)));
    reader.OnError = [&Skips](TReader* Reader, const std::string& Message, bool& Handled) {
        const std::string& component = Reader->ErrorComponent();
        // Every report names the control it is about, whatever the error said.
        const bool named = Message.find(component) != std::string::npos;
        Skips.push_back({component, Reader->ErrorProperty(),
                         named ? Message : "“" + component + "”：" + Message});
        Handled = true;
    };
    reader.ReadRootComponent(Form);
    if (Form->Name() != name) Form->SetName(name);
    RemoveDeleted(Form, Reference, reader.DeletedComponents(), Skips);
}
} // namespace

void TZkFormDesigner::SaveLayoutToStream(TMemoryStream* Stream) {
    TZkFormDesigner* root = GetRoolDesigner();
    TCustomForm* form = GetParentForm(root->FDesignForm);
    if (!form) throw EComponentError("设计区不在任何窗体上，无法保存布局！");
    root->EndDesign();
    TFreshForm fresh(form);
    WriteLayout(Stream, form, fresh.Form());
}

void TZkFormDesigner::SaveLayoutToFile(const std::string& FileName) {
    TMemoryStream stream;
    SaveLayoutToStream(&stream);
    SaveReplacingFile(stream, FileName);
}

TLayoutSkips TZkFormDesigner::LoadLayoutFromStream(TCustomForm* Form, TMemoryStream* Stream) {
    CheckLayoutOf(Form, Stream);
    EndSessionsOn(Form);
    // The layout goes over a fresh form first: a damaged stream fails there, before Form is
    // touched, and what it makes of a fresh form is what Form must become.
    TFreshForm target(Form);
    TLayoutSkips skips;
    ApplyLayout(target.Form(), target.Form(), Stream, skips);
    // Form may have been changed since it was made: what separates it from the target is
    // itself a layout, written here and so sound, that brings every difference over.
    TMemoryStream difference;
    WriteLayout(&difference, target.Form(), Form);
    difference.SetPosition(0);
    ApplyLayout(Form, target.Form(), &difference, skips);
    return skips;
}

TLayoutSkips TZkFormDesigner::LoadLayoutFromFile(TCustomForm* Form, const std::string& FileName) {
    TMemoryStream stream;
    stream.LoadFromFile(FileName);
    stream.SetPosition(0);
    return LoadLayoutFromStream(Form, &stream);
}
