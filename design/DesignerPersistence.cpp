// Saving the designed form to the binary component stream and loading one back.

#include <memory>
#include <optional>

#include "design/DesignControl.h"
#include "design/FormDesigner.h"
#include "design/SessionView.h"
#include "host/controls/Forms.h"
#include "host/core/Files.h"
#include "host/core/Stream.h"
#include "host/streaming/Filer.h"

namespace {
constexpr int WriterBufferSize = 10 * 1024 * 1024;

/// The root designer of the first session found with designed controls inside Control's tree.
TZkFormDesigner* SessionIn(TControl* Control) {
    auto* parent = Cast<TWinControl>(Control);
    if (!parent) return nullptr;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (auto* overlay = Cast<TDesignControl>(child))
            return overlay->Designer()->GetRoolDesigner();
        if (TZkFormDesigner* found = SessionIn(child)) return found;
    }
    return nullptr;
}

/// Ends every design session that wraps controls of Form, whoever owns its designer, so that
/// no overlay is left over a control the load destroys.
void EndSessionsOn(TCustomForm* Form) {
    while (TZkFormDesigner* root = SessionIn(Form))
        root->EndDesign();
}

void DestroyComponents(TComponent* Owner) {
    for (int i = Owner->ComponentCount() - 1; i >= 0; --i)
        if (i < Owner->ComponentCount()) Owner->Components(i)->Free();
}

void ReadForm(TCustomForm* Form, TStream* Stream) {
    TReader reader(Stream, static_cast<int>(std::min<int64_t>(Stream->Size(), INT32_MAX)));
    reader.SetIgnoreChildren(false);
    DestroyComponents(Form);
    reader.ReadRootComponent(Form);
}

/// Reads Stream into a fresh form of Form's class that never shows (it lies in a hidden
/// holder), so that a stream that cannot be loaded is refused before Form loses anything.
void ProveLoadable(TCustomForm* Form, TStream* Stream) {
    const int64_t start = Stream->Position();
    std::unique_ptr<TWinControl, void (*)(TObject*)> holder(new TWinControl(nullptr),
                                                            [](TObject* o) { o->Free(); });
    holder->SetVisible(false);
    auto* trial = static_cast<TCustomForm*>(Form->ClassType()->Create(nullptr));
    try {
        trial->SetParent(holder.get());
        ReadForm(trial, Stream);
    } catch (...) {
        trial->Free();
        Stream->SetPosition(start);
        throw;
    }
    trial->Free();
    Stream->SetPosition(start);
}
} // namespace

void TZkFormDesigner::SaveToStream(TMemoryStream* Stream) {
    TZkFormDesigner* root = GetRoolDesigner();
    TCustomForm* form = GetParentForm(root->FDesignForm);
    if (!form) throw EComponentError("设计区不在任何窗体上，无法保存！");
    // A running session goes on: the form is written as ending it would leave it.
    std::optional<TSessionView> view;
    if (root->IsDesigning()) view.emplace(root);
    TWriter writer(Stream, WriterBufferSize);
    writer.SetIgnoreChildren(false);
    if (view) writer.SetView(&*view);
    writer.WriteRootComponent(form);
    writer.FlushBuffer();
}

void TZkFormDesigner::SaveToBinaryFile(const std::string& FileName) {
    TMemoryStream stream;
    SaveToStream(&stream);
    stream.SetPosition(0);
    const std::string temp = TempFileBeside(FileName);
    try {
        stream.SaveToFile(temp);
    } catch (const EFCreateError& e) {
        DeleteFile(temp);
        // The file beside FileName is the designer's own: the user hears of the one they chose.
        std::string message = e.Message();
        for (size_t at = message.find(temp); at != std::string::npos; at = message.find(temp))
            message.replace(at, temp.size(), FileName);
        throw EFCreateError(message);
    } catch (...) {
        DeleteFile(temp);
        throw;
    }
    if (!RenameFile(temp, FileName)) {
        DeleteFile(temp);
        throw EFCreateError("无法创建文件“" + FileName + "”：不能替换原有的文件");
    }
}

void TZkFormDesigner::LoadFromStream(TCustomForm* Form, TMemoryStream* Stream) {
    EndSessionsOn(Form);
    ProveLoadable(Form, Stream);
    ReadForm(Form, Stream);
}

void TZkFormDesigner::LoadFromBinaryFile(TCustomForm* Form, const std::string& FileName) {
    TMemoryStream stream;
    stream.LoadFromFile(FileName);
    stream.SetPosition(0);
    LoadFromStream(Form, &stream);
}
