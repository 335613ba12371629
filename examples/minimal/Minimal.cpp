// The smallest complete host: one form of its own class, a few controls, a designer, and the
// message loop. Built by the tests with pkg-config alone, against a shared and a static install:
//   c++ Minimal.cpp $(pkg-config --cflags --libs zkformdesigner) -o minimal
//   ./minimal            shows the form; its button starts and ends a design session
//   ./minimal --check    designs, saves, loads, and exits with 0 when the form came back

#include <cstring>

//! [minimal]
#include "design/Embedding.h"

/// The host's form: its controls and a designer that lets the user rearrange them.
class TMinimalForm : public TForm {
    ZK_CLASS(TMinimalForm, TForm)
    explicit TMinimalForm(TComponent* AOwner) : TForm(AOwner) {
        SetCaption("最小示例");
        SetBounds(100, 100, 420, 260);
        // A control's owner frees it and saves it with the form; its parent shows it.
        auto* name = new TEdit(this);
        name->SetName("EditName");
        name->SetParent(this);
        name->SetBounds(16, 16, 160, 21);
        auto* design = new TButton(this);
        design->SetName("ButtonDesign");
        design->SetParent(this);
        design->SetBounds(16, 52, 100, 25);
        design->SetCaption("设计");
        design->OnClick = [this](TObject*) {
            if (Designer()->IsDesigning())
                Designer()->EndDesign();
            else
                Designer()->BeginDesign();
        };
        auto* designer = new TZkFormDesigner(this);
        designer->SetName("Designer");
        designer->CannotDesignControls()->Add("ButtonDesign"); // stays a button
    }
    /// Looked up by name: a load makes the form's components anew.
    TZkFormDesigner* Designer() const {
        return Cast<TZkFormDesigner>(FindComponent("Designer"));
    }
};

// The class's run-time type information (no published properties of its own), and its
// registration, so that a stream naming TMinimalForm can be read.
ZK_IMPLEMENT_CLASS(TMinimalForm, TForm, nullptr)
static const bool gMinimalFormRegistered = (RegisterClass(TMinimalForm::StaticClass()), true);
//! [minimal]

//! [minimal-main]
int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    TMinimalForm* form = nullptr;
    Application->CreateForm(TMinimalForm::StaticClass(), &form);
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
        form->Designer()->BeginDesign();
        form->Designer()->SaveToBinaryFile("minimal.zkf"); // the session goes on
        TZkFormDesigner::LoadFromBinaryFile(form, "minimal.zkf");
        // The load made every control anew: look them up again by name.
        return form->FindComponent("EditName") ? 0 : 1;
    }
    Application->Run();
    return 0; // the framework ends itself when main returns
}
//! [minimal-main]
