// The shortest way to put the run-time form designer into an application of one's own.
//
//   embed [FILE]            shows the form; 开始设计 starts and ends a design session, the
//                           palette buttons insert controls, 保存 and 载入 write the form to
//                           FILE (form.zkf) and read it back
//   embed --scripted FILE   runs a design session, saves to FILE and loads it back without
//                           a person; exits with 0 when everything came back as it was

#include <cstring>
#include <string>

#include "EmbedForm.h"
#include "Script.h"

//! [main]
int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    const bool scripted = argc > 2 && std::strcmp(argv[1], "--scripted") == 0;
    const std::string fileName = scripted ? argv[2] : argc > 1 ? argv[1] : "form.zkf";

    TEmbedForm* form = nullptr;
    Application->CreateForm(TEmbedForm::StaticClass(), &form);
    form->SetFileName(fileName);
    int result = 0;
    if (scripted) {
        result = RunScriptedSession(form, fileName);
    } else {
        form->Show();
        Application->Run();
    }
    TApplication::Finalize(); // frees the forms
    return result;
}
//! [main]
