// A host program that ends in whatever state its author left it: run by the host_exit test,
// under the sanitizers in CI, once for each way of leaving main.
//
//   host_exit FILE [show] [loop] [session] [terminate] [finalize] [second]
//
// It makes a form with a designer, designs, saves to FILE and loads it back, then, as the
// words ask: shows the form, runs the message loop until the form closes, leaves a design
// session running, calls Application->Terminate, calls TApplication::Finalize, shows a second
// form owned by the first. Exit must be clean in every case: no fault, no leak.

#include <cstring>
#include <string>

#include "design/DesignCommon.h"
#include "host/containers/Panels.h"
#include "host/controls/Forms.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
bool Has(int argc, char** argv, const char* word) {
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], word) == 0) return true;
    return false;
}

template <class T> T* Make(TWinControl* parent, TComponent* owner, const char* name, TRect r) {
    auto* c = new T(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBoundsRect(r);
    return c;
}

void Fill(TForm* form) {
    form->SetBounds(50, 50, 400, 300);
    Make<TEdit>(form, form, "EditName", Bounds(10, 10, 120, 21));
    auto* panel = Make<TPanel>(form, form, "PanelBox", Bounds(10, 40, 200, 120));
    Make<TButton>(panel, form, "ButtonOk", Bounds(10, 10, 80, 25));
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string file = argv[1];
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(TForm::StaticClass(), &form);
    Fill(form);
    auto* designer = new TZkFormDesigner(form);
    designer->SetName("Designer");
    if (Has(argc, argv, "show")) form->Show();
    designer->BeginDesign();
    designer->SaveToBinaryFile(file); // ends the session
    TZkFormDesigner::LoadFromBinaryFile(form, file);
    designer = Cast<TZkFormDesigner>(form->FindComponent("Designer"));
    if (!designer || !form->FindComponent("ButtonOk")) return 3;
    if (Has(argc, argv, "session")) designer->BeginDesign();
    if (Has(argc, argv, "second")) {
        // Freed by its owner form, which the application owns.
        auto* other = new TForm(form);
        Fill(other);
        other->Show();
    }
    if (Has(argc, argv, "loop")) {
        PostMessage(form->Handle(), WM_CLOSE, 0, 0);
        Application->Run();
    }
    if (Has(argc, argv, "terminate")) Application->Terminate();
    if (Has(argc, argv, "finalize")) TApplication::Finalize();
    return 0;
}
