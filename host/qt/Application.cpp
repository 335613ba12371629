// TApplication: the event loop, the error report, and the lifetime of the global objects.

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "host/controls/Forms.h"
#include "host/qt/WindowState_p.h"
#include "host/qt/Window_p.h"

namespace {
TApplication* g_application = nullptr;
TScreen* g_screen = nullptr;
bool g_postRoutineAdded = false;

void FreeGlobals() {
    FreeAndNil(g_application);
    FreeAndNil(g_screen);
}

void FreeGlobalsWithQt() {
    // Qt empties its list of post routines as it runs them: a later application adds it again.
    g_postRoutineAdded = false;
    FreeGlobals();
}

/// Ends the framework when the thread that started it ends: for the main thread, when main
/// returns or exit is called. Objects of thread storage go before any object of static storage,
/// so the forms are freed while the framework's tables and Qt's, which their windows use, are
/// still whole; a host need not call Finalize, end its sessions or run the message loop first.
struct TExitGuard {
    ~TExitGuard() { TApplication::Finalize(); }
};

/// Arms the exit guard, and frees the globals before Qt tears itself down when there is an
/// application (one a host made and deletes itself, too).
void RegisterCleanup() {
    static thread_local TExitGuard guard;
    (void)guard;
    if (qApp && !g_postRoutineAdded) {
        g_postRoutineAdded = true;
        qAddPostRoutine(FreeGlobalsWithQt);
    }
}
} // namespace

template <> TApplication* TGlobalAccess<TApplication>::Get() const {
    if (!g_application) {
        RegisterCleanup();
        g_application = new TApplication(nullptr);
    }
    return g_application;
}

template <> TScreen* TGlobalAccess<TScreen>::Get() const {
    if (!g_screen) {
        RegisterCleanup();
        g_screen = new TScreen(nullptr);
    }
    return g_screen;
}

bool ApplicationExists() {
    return g_application != nullptr;
}
bool ScreenExists() {
    return g_screen != nullptr;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

namespace {
/// The window system's application object when Initialize made it.
QApplication* g_qtApplication = nullptr;
} // namespace

void TApplication::Initialize(int& argc, char** argv) {
    if (qApp) return;
    g_qtApplication = new QApplication(argc, argv);
    RegisterCleanup();
}

void TApplication::Finalize() {
    // The framework's globals (and with the application its forms) go first, while every
    // window is whole; Qt must go before the process's exit handlers run.
    FreeGlobals();
    delete g_qtApplication;
    g_qtApplication = nullptr;
}

TApplication::~TApplication() {
    if (g_application == this) g_application = nullptr;
}

void TApplication::CreateForm(TClass FormClass, void* Reference) {
    RegisterCleanup(); // a host may have made its QApplication after this object
    auto* form = As<TCustomForm>(FormClass->Create(this));
    if (Reference) *static_cast<TCustomForm**>(Reference) = form;
    if (!FMainForm) FMainForm = form;
}

void TApplication::Run() {
    FTerminated = false;
    if (FMainForm) FMainForm->Show();
    if (qApp && !FTerminated) qApp->exec();
    // Forms the application owns go while Qt is still whole.
    FMainForm = nullptr;
    DestroyComponents();
}

void TApplication::ProcessMessages() {
    if (!qApp) return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TApplication::Terminate() {
    FTerminated = true;
    if (qApp) QCoreApplication::exit(0);
}

void TApplication::HandleException(TObject* Sender) {
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    auto report = [&](const Exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    };
    try {
        std::rethrow_exception(current);
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        report(e);
    } catch (const std::exception& e) {
        report(Exception(e.what()));
    } catch (...) {
        report(Exception("发生了未知的错误"));
    }
}

void TApplication::ShowException(const Exception& E) {
    if (FErrorReport) {
        FErrorReport(E.Message());
        return;
    }
    if (!qApp) return;
    QMessageBox::critical(nullptr, QString::fromStdString(FTitle),
                          QString::fromStdString(E.Message()));
}

void TApplication::SetErrorReport(std::function<void(const std::string&)> report) {
    FErrorReport = std::move(report);
}

// ---- Modal loops --------------------------------------------------------------------------

void RunModalLoop(const std::function<bool()>& done) {
    if (!qApp) return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(10);
    if (!done()) loop.exec();
}

void SetWindowModal(HWND wnd, bool modal) {
    QWidget* w = WidgetOf(wnd);
    if (!w || !w->isWindow()) return;
    bool shown = w->isVisible();
    if (shown) w->hide();
    w->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    if (shown) w->show();
}
