// The demo application: a form the user can rearrange while it runs.
//
//   zkdemo                      runs the demo
//   zkdemo --design             starts with a design session
//   zkdemo --screenshot FILE    designs, selects one control, writes a picture and exits

#include <cstring>
#include <string>

#include "demo/DemoForm.h"
#include "host/controls/Screenshot.h"

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    std::string screenshot;
    bool design = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            screenshot = argv[++i];
        else if (std::strcmp(argv[i], "--design") == 0)
            design = true;
    }
    TDemoForm* form = nullptr;
    Application->CreateForm(TDemoForm::StaticClass(), &form);
    int result = 0;
    if (screenshot.empty()) {
        if (design) form->StartDesign();
        Application->Run();
    } else {
        form->Show();
        form->StartDesign("EditName");
        Application->ProcessMessages();
        result = SaveWindowImage(form, screenshot) ? 0 : 1;
    }
    TApplication::Finalize();
    return result;
}
