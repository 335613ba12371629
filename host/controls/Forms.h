#pragma once
// Forms, the application object and the screen object.

#include <functional>
#include <string>
#include <vector>

#include "host/controls/Controls.h"

class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

ZK_DECLARE_TYPEINFO(TFormBorderStyle)
namespace TypeInfos {
/// The border style of controls: the subrange bsNone..bsSingle of TFormBorderStyle.
const TTypeInfo* TBorderStyle();
} // namespace TypeInfos
ZK_DECLARE_TYPEINFO(TFormStyle)
ZK_DECLARE_TYPEINFO(TPosition)
ZK_DECLARE_TYPEINFO(TWindowState)
ZK_DECLARE_TYPEINFO(TCloseEvent)
ZK_DECLARE_TYPEINFO(TCloseQueryEvent)

/// A form: a top-level window, or, once given a parent, a window inside that parent.
class TCustomForm : public TWinControl {
    ZK_CLASS(TCustomForm, TWinControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TCustomForm)
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    TCanvas* Canvas() const { return FCanvas; }
    TCanvas* WindowCanvas() override { return FCanvas; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }

    /// The control that has, or gets when the form is activated, the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    /// Called by a control of this form that received the focus.
    virtual bool SetFocusedControl(TWinControl* Control);
    bool Active() const;

    /// Shows the form and brings it to the front.
    void Show();
    /// Asks OnCloseQuery, then acts on OnClose's action (hide, free later, minimise).
    void Close();
    virtual bool CloseQuery();
    /// Frees the form once the messages now queued have been handled.
    void Release();
    /// Shows the form modally until ModalResult is set or it is closed; answers ModalResult.
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    /// The main menu shown as the form's menu bar, across the top of its client area.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value);
    /// Runs the item of the form's menu whose shortcut the key is; true when one ran.
    virtual bool IsShortCut(TWMKey& Message);

    void SetFocus() override;
    /// With a parent the form lives inside it; without one it is a window of its own again.
    void SetParent(TWinControl* AParent) override;
    bool Showing() const override;
    TPoint ClientOrigin() const override;

    /// The controls on the form that Root owns, in z-order, then, when the form is Root,
    /// the non-visual components it owns, in component order.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    /// Shows the form now if the stream made it visible.
    void Loaded() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void PaintWindow(HDC DC) override;
    /// Aligned controls go below the menu bar.
    void AlignControls(TControl* AControl, TRect& Rect) override;
    virtual void DoClose(TCloseAction& Action);

    void WMClose(TMessage& Message) override;
    void WMDestroy(TMessage& Message) override;
    void WMActivate(TMessage& Message) override;
    void WMNextDlgCtl(TMessage& Message) override;
    void WMShowWindow(TMessage& Message) override;
    void CMDialogKey(TWMKey& Message) override;
    void CMRelease(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    /// A form on its way out has no active control: its links go first, and a child freed
    /// after them would no longer tell it.
    void BeforeDestruction() override;

private:
    void ApplyWindowStyle();
    void PlaceOnShow();
    void AttachMenu();

    TCanvas* FCanvas;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    TWinControl* FActiveControl = nullptr;
    bool FKeyPreview = false;
    int FModalResult = 0;
    bool FPlaced = false;
    TMainMenu* FMenu = nullptr;
};

/// A form of the application, the class designers derive from.
class TForm : public TCustomForm {
    ZK_CLASS(TForm, TCustomForm)
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

using TExceptionEvent = TEvent<void(TObject* Sender, const Exception& E)>;

/// The application: runs the event loop, and reports exceptions that reach it.
class TApplication : public TComponent {
    ZK_CLASS(TApplication, TComponent)
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    /// Starts the window system for a program: call once, first, with main's arguments.
    /// Programs embedded in an existing Qt application need not call it.
    void Initialize(int& argc, char** argv);
    /// Ends what Initialize started: frees the forms, the application and screen objects
    /// and the window system. Call last, before main returns; Application is gone after.
    static void Finalize();
    /// Creates a form of the class, owned by the application; the first becomes MainForm.
    void CreateForm(TClass FormClass, void* Reference);
    /// Runs the event loop until Terminate, or the main form closes.
    void Run();
    /// Handles the events and messages that are waiting, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    /// Reports the exception now being handled (call it from a catch block): OnException if
    /// assigned, otherwise ShowException. EAbort is silent.
    void HandleException(TObject* Sender);
    /// The default error report: the replaceable report function, a message box by default.
    void ShowException(const Exception& E);
    /// Replaces the default error report (tests capture it); an empty function restores the
    /// message box.
    void SetErrorReport(std::function<void(const std::string& Message)> report);
    /// A message box with the application's title when Caption is empty; Flags and the
    /// answer as for ::MessageBox (MB_OKCANCEL ..., IDOK ...).
    int MessageBox(const std::string& Text, const std::string& Caption = {}, uint32_t Flags = 0);

    TCustomForm* MainForm() const { return FMainForm; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }

    TExceptionEvent OnException;

private:
    TCustomForm* FMainForm = nullptr;
    std::string FTitle;
    bool FTerminated = false;
    bool FShowHint = true;
    std::function<void(const std::string&)> FErrorReport;
};

/// The screen: its size, the cursor shown over every form, the list of forms.
class TScreen : public TComponent {
    ZK_CLASS(TScreen, TComponent)
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    /// A cursor other than crDefault overrides the controls' cursors everywhere.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    HCURSOR Cursors(int Index) const;
    TCustomForm* ActiveForm() const;
    TWinControl* ActiveControl() const;
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const;

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

    TCursor FCursor = crDefault;
    std::vector<TCustomForm*> FForms;
};

/// Gives access to a global made on first use and freed when the application ends.
template <class T> struct TGlobalAccess {
    T* operator->() const { return Get(); }
    operator T*() const { return Get(); }
    T* Get() const;
};

/// The application object and the screen object.
inline constexpr TGlobalAccess<TApplication> Application{};
inline constexpr TGlobalAccess<TScreen> Screen{};
/// Whether the global exists now (without making it).
bool ApplicationExists();
bool ScreenExists();
