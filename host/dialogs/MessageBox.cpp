// Message boxes: MessageDlg, ShowMessage and MessageBox, all through one replaceable runner.

#include "host/controls/Forms.h"
#include "host/dialogs/Dialogs.h"
#include "host/qt/Dialogs_p.h"

namespace {
TMessageBoxRunner& CurrentMessageBoxRunner() {
    static TMessageBoxRunner runner;
    return runner;
}

std::string CaptionOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return "警告";
    case mtError:
        return "错误";
    case mtInformation:
        return "信息";
    case mtConfirmation:
        return "确认";
    default:
        return ApplicationExists() ? Application->Title() : std::string();
    }
}

/// The button Enter chooses: the first of OK, Yes, Retry ... that the box has.
TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons) {
    for (TMsgDlgBtn b : {mbOK, mbYes, mbYesToAll, mbAll, mbRetry, mbAbort, mbNo, mbCancel, mbIgnore,
                         mbNoToAll, mbHelp})
        if (buttons.Contains(b)) return b;
    return mbOK;
}

struct TMessageBoxType {
    uint32_t Type;
    TMsgDlgButtons Buttons;
};
const TMessageBoxType MessageBoxTypes[] = {
    {MB_OK, {mbOK}},
    {MB_OKCANCEL, mbOKCancel},
    {MB_ABORTRETRYIGNORE, mbAbortRetryIgnore},
    {MB_YESNOCANCEL, mbYesNoCancel},
    {MB_YESNO, mbYesNo},
    {MB_RETRYCANCEL, {mbRetry, mbCancel}},
};

/// The request a MessageBox call with MB_* flags makes.
TMessageBoxRequest RequestOf(const std::string& text, const std::string& caption, uint32_t flags) {
    TMessageBoxRequest r;
    r.Text = text;
    r.Caption = caption;
    r.Buttons = {mbOK};
    for (const TMessageBoxType& t : MessageBoxTypes)
        if (t.Type == (flags & MB_TYPEMASK)) r.Buttons = t.Buttons;
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND:
        r.Type = mtError;
        break;
    case MB_ICONQUESTION:
        r.Type = mtConfirmation;
        break;
    case MB_ICONEXCLAMATION:
        r.Type = mtWarning;
        break;
    case MB_ICONASTERISK:
        r.Type = mtInformation;
        break;
    default:
        r.Type = mtCustom;
        break;
    }
    // The n-th button of the box, in the order the box shows them, is the default.
    std::vector<TMsgDlgBtn> order;
    for (int b = mbYes; b <= mbHelp; ++b)
        if (r.Buttons.Contains(static_cast<TMsgDlgBtn>(b)))
            order.push_back(static_cast<TMsgDlgBtn>(b));
    const size_t index = (flags & MB_DEFMASK) >> 8;
    r.DefaultButton = index < order.size() ? order[index] : DefaultButtonOf(r.Buttons);
    return r;
}
} // namespace

TModalResult ModalResultOf(TMsgDlgBtn Button) {
    switch (Button) {
    case mbYes:
        return mrYes;
    case mbNo:
        return mrNo;
    case mbOK:
        return mrOk;
    case mbCancel:
        return mrCancel;
    case mbAbort:
        return mrAbort;
    case mbRetry:
        return mrRetry;
    case mbIgnore:
        return mrIgnore;
    case mbAll:
        return mrAll;
    case mbNoToAll:
        return mrNoToAll;
    case mbYesToAll:
        return mrYesToAll;
    default:
        return mrNone;
    }
}

TMessageBoxRunner SetMessageBoxRunner(TMessageBoxRunner Runner) {
    TMessageBoxRunner previous = std::move(CurrentMessageBoxRunner());
    CurrentMessageBoxRunner() = std::move(Runner);
    return previous;
}

TModalResult ShowMessageBox(const TMessageBoxRequest& Request) {
    const TMessageBoxRunner& runner = CurrentMessageBoxRunner();
    return runner ? runner(Request) : RunNativeMessageBox(Request);
}

TModalResult MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                           int32_t, int X, int Y) {
    TMessageBoxRequest r;
    r.Caption = CaptionOf(DlgType);
    r.Text = Msg;
    r.Type = DlgType;
    r.Buttons = Buttons.Empty() ? TMsgDlgButtons{mbOK} : Buttons;
    r.DefaultButton = DefaultButtonOf(r.Buttons);
    r.X = X;
    r.Y = Y;
    return ShowMessageBox(r);
}

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int32_t HelpCtx) {
    return MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, -1, -1);
}

void ShowMessage(const std::string& Msg) {
    TMessageBoxRequest r;
    r.Caption = ApplicationExists() ? Application->Title() : std::string();
    r.Text = Msg;
    r.Type = mtCustom;
    ShowMessageBox(r);
}

int MessageBox(HWND, const std::string& text, const std::string& caption, uint32_t type) {
    // The mr* values are the ID* answers of the window system.
    return ShowMessageBox(RequestOf(text, caption, type));
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, uint32_t Flags) {
    return ::MessageBox(nullptr, Text, Caption.empty() ? Title() : Caption, Flags);
}
