// The shortest way to put the run-time form designer into an application of one's own.
//
//   embed [FILE]            shows the form; 开始设计 starts and ends a design session, the
//                           palette buttons insert controls, 保存 and 载入 write the form to
//                           FILE (form.zkf) and read it back
//   embed --scripted FILE   runs a design session, saves to FILE and loads it back without
//                           a person; exits with 0 when everything came back as it was

#include <QMainWindow>

#include <cstdio>
#include <cstring>
#include <string>

#include "EmbedForm.h"
#include "Script.h"
#include "host/qt/QtInterop.h"

//! [main]
int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    //! [error-report]
    // An exception that leaves an event handler (a 载入 of a damaged file, say) is not lost: the
    // framework hands it to Application->HandleException, whose default report is a message box.
    // A host that wants its own report says so once:
    Application->OnException = [](TObject*, const Exception& E) {
        std::fprintf(stderr, "embed: %s\n", E.Message().c_str()); // the host's own log
        Application->ShowException(E);                             // and the message box
    };
    //! [error-report]
    const bool scripted = argc > 2 && std::strcmp(argv[1], "--scripted") == 0;
    const std::string fileName = scripted ? argv[2] : argc > 1 ? argv[1] : "form.zkf";

    TEmbedForm* form = nullptr;
    Application->CreateForm(TEmbedForm::StaticClass(), &form);
    form->SetFileName(fileName);
    int result = 0;
    {
        //! [main-window]
        // The form as the central widget of a Qt main window of the application's own; any
        // QLayout or QDockWidget takes a TControlWidget as well.
        QMainWindow window;
        window.setWindowTitle("嵌入示例 — Qt 主窗口");
        window.setCentralWidget(new TControlWidget(form));
        window.show();
        //! [main-window]
        if (scripted)
            result = RunScriptedSession(form, fileName);
        else
            Application->Run(); // until the main window closes
    } // the Qt window goes before the framework ends
    TApplication::Finalize(); // frees the forms now; without it, they go when main returns
    return result;
}
//! [main]
