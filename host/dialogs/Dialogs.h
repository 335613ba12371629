#pragma once
// Common dialogs (font, colour, open and save file, open picture) and message boxes. Each shows
// the real Qt dialog unless a runner is set, so that tests can answer them without a person.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/controls/Controls.h"
#include "host/core/Component.h"
#include "host/core/Strings.h"
#include "host/graphics/Graphics.h"

/// Base of the dialogs that Execute shows modally; OnShow runs before, OnClose after.
class TCommonDialog : public TComponent {
    ZK_CLASS(TCommonDialog, TComponent)
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

    /// Shows the dialog and answers whether the user confirmed it; the dialog's properties
    /// hold the values chosen then, and keep theirs otherwise.
    virtual bool Execute();
    int32_t HelpContext() const { return FHelpContext; }
    void SetHelpContext(int32_t Value) { FHelpContext = Value; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    /// Shows the real dialog; Execute calls it when no runner is set.
    virtual bool ShowNative() = 0;

private:
    int32_t FHelpContext = 0;
};

/// Answers a common dialog instead of a person: sets the dialog's values as the user would and
/// answers whether the dialog was confirmed.
using TDialogRunner = std::function<bool(TCommonDialog* Dialog)>;
/// Replaces how common dialogs are shown (an empty runner restores the real dialogs); answers
/// the runner that was in place.
TDialogRunner SetDialogRunner(TDialogRunner Runner);

// ---- Font and colour --------------------------------------------------------------------------

enum TFontDialogOption {
    fdAnsiOnly,
    fdTrueTypeOnly,
    fdEffects,
    fdFixedPitchOnly,
    fdForceFontExist,
    fdNoFaceSel,
    fdNoOEMFonts,
    fdNoSimulations,
    fdNoSizeSel,
    fdNoStyleSel,
    fdNoVectorFonts,
    fdShowHelp,
    fdWysiwyg,
    fdLimitSize,
    fdScalableOnly,
    fdApplyButton
};
using TFontDialogOptions = TSet<TFontDialogOption>;
ZK_DECLARE_TYPEINFO(TFontDialogOption)
ZK_DECLARE_TYPEINFO(TFontDialogOptions)

/// Chooses a font: face, size, style and (with fdEffects) colour and underline.
class TFontDialog : public TCommonDialog {
    ZK_CLASS(TFontDialog, TCommonDialog)
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;

    TFont* Font() const { return FFont; }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TFontDialogOptions Options() const { return FOptions; }
    void SetOptions(TFontDialogOptions Value) { FOptions = Value; }
    int MinFontSize() const { return FMinFontSize; }
    void SetMinFontSize(int Value) { FMinFontSize = Value; }
    int MaxFontSize() const { return FMaxFontSize; }
    void SetMaxFontSize(int Value) { FMaxFontSize = Value; }

protected:
    bool ShowNative() override;

private:
    TFont* FFont;
    TFontDialogOptions FOptions{fdEffects};
    int FMinFontSize = 0;
    int FMaxFontSize = 0;
};

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TSet<TColorDialogOption>;
ZK_DECLARE_TYPEINFO(TColorDialogOption)
ZK_DECLARE_TYPEINFO(TColorDialogOptions)

/// Chooses a colour; CustomColors holds the sixteen custom colours as "ColorA=RRGGBB" ...
/// "ColorP=RRGGBB" lines.
class TColorDialog : public TCommonDialog {
    ZK_CLASS(TColorDialog, TCommonDialog)
    explicit TColorDialog(TComponent* AOwner);
    ~TColorDialog() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TStrings* CustomColors() const { return FCustomColors; }
    void SetCustomColors(TStrings* Value) { FCustomColors->Assign(Value); }
    TColorDialogOptions Options() const { return FOptions; }
    void SetOptions(TColorDialogOptions Value) { FOptions = Value; }

protected:
    bool ShowNative() override;

private:
    TColor FColor = clBlack;
    TStrings* FCustomColors;
    TColorDialogOptions FOptions;
};

// ---- Files --------------------------------------------------------------------------------------

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;
ZK_DECLARE_TYPEINFO(TOpenOption)
ZK_DECLARE_TYPEINFO(TOpenOptions)

/// One entry of a file dialog's filter: what the list shows, and the patterns it matches.
struct TFileFilter {
    std::string Description;
    /// The patterns, as separated by ';' in the filter ("*.bmp", "*.png").
    std::vector<std::string> Patterns;
    bool operator==(const TFileFilter&) const = default;
};
/// Splits a filter of "description|patterns" pairs ("Text files (*.txt)|*.txt|All|*.*"); a
/// trailing description without patterns is dropped.
std::vector<TFileFilter> ParseFileFilter(const std::string& Filter);

/// Chooses a file (or, with ofAllowMultiSelect, several) to open.
class TOpenDialog : public TCommonDialog {
    ZK_CLASS(TOpenDialog, TCommonDialog)
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    /// The file chosen (the first, when several were); the dialog starts on it.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    /// Every file chosen by the last Execute that was confirmed.
    TStrings* Files() const { return FFiles; }
    /// "description|patterns|description|patterns...".
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    /// The filter entry chosen, counted from 1.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    /// The window title; empty shows the standard one.
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

    /// Whether the dialog saves (TSaveDialog) rather than opens.
    virtual bool IsSaveDialog() const { return false; }
    /// Whether the dialog shows a preview of the picture selected (TOpenPictureDialog).
    virtual bool HasPicturePreview() const { return false; }

protected:
    bool ShowNative() override;

private:
    std::string FDefaultExt;
    std::string FFileName;
    TStrings* FFiles;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FInitialDir;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    std::string FTitle;
};

/// Chooses a file name to save to.
class TSaveDialog : public TOpenDialog {
    ZK_CLASS(TSaveDialog, TOpenDialog)
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    bool IsSaveDialog() const override { return true; }
};

/// An open dialog for pictures: its filter lists the picture formats, and a preview beside
/// the file list shows the picture selected.
class TOpenPictureDialog : public TOpenDialog {
    ZK_CLASS(TOpenPictureDialog, TOpenDialog)
    explicit TOpenPictureDialog(TComponent* AOwner);
    bool HasPicturePreview() const override { return true; }
    /// The filter of the picture formats is the default, and is not stored.
    bool IsFilterStored() const;
};

/// A save dialog for pictures, with the same filter and preview.
class TSavePictureDialog : public TOpenPictureDialog {
    ZK_CLASS(TSavePictureDialog, TOpenPictureDialog)
    explicit TSavePictureDialog(TComponent* AOwner) : TOpenPictureDialog(AOwner) {}
    bool IsSaveDialog() const override { return true; }
};

// ---- Message boxes ------------------------------------------------------------------------------

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
ZK_DECLARE_TYPEINFO(TMsgDlgType)
ZK_DECLARE_TYPEINFO(TMsgDlgBtn)
ZK_DECLARE_TYPEINFO(TMsgDlgButtons)

inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

/// What a message box shows: its buttons in the order of TMsgDlgBtn.
struct TMessageBoxRequest {
    std::string Caption;
    std::string Text;
    TMsgDlgType Type = mtInformation;
    TMsgDlgButtons Buttons{mbOK};
    /// The button Enter chooses.
    TMsgDlgBtn DefaultButton = mbOK;
    /// Texts for buttons that say something other than their usual word ("保存" for mbYes).
    std::vector<std::pair<TMsgDlgBtn, std::string>> ButtonCaptions;
    /// Where the box's top-left goes, in screen coordinates; -1 centres it.
    int X = -1;
    int Y = -1;
};
/// The mr* value of a button.
TModalResult ModalResultOf(TMsgDlgBtn Button);

/// Answers a message box instead of a person, with the mr* value of the button chosen
/// (mrCancel stands for closing the box).
using TMessageBoxRunner = std::function<TModalResult(const TMessageBoxRequest& Request)>;
/// Replaces how message boxes are shown (an empty runner restores the real one); answers the
/// runner that was in place.
TMessageBoxRunner SetMessageBoxRunner(TMessageBoxRunner Runner);
/// Shows a message box (through the runner, when one is set) and answers the button chosen.
TModalResult ShowMessageBox(const TMessageBoxRequest& Request);

/// A message box titled after its type, with the buttons given; answers an mr* value.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int32_t HelpCtx = 0);
/// MessageDlg with the box's top-left at (X, Y) in screen coordinates.
TModalResult MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                           int32_t HelpCtx, int X, int Y);
/// A message with an OK button, titled with the application's title.
void ShowMessage(const std::string& Msg);
