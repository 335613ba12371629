// Class references and published properties of the dialogs; their registration.

#include "host/dialogs/Dialogs.h"

ZK_ENUM_TYPEINFO(TFontDialogOption, "fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly",
                 "fdForceFontExist", "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations",
                 "fdNoSizeSel", "fdNoStyleSel", "fdNoVectorFonts", "fdShowHelp", "fdWysiwyg",
                 "fdLimitSize", "fdScalableOnly", "fdApplyButton")
ZK_SET_TYPEINFO(TFontDialogOptions, TFontDialogOption)
ZK_ENUM_TYPEINFO(TColorDialogOption, "cdFullOpen", "cdPreventFullOpen", "cdShowHelp",
                 "cdSolidColor", "cdAnyColor")
ZK_SET_TYPEINFO(TColorDialogOptions, TColorDialogOption)
ZK_ENUM_TYPEINFO(TOpenOption, "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
                 "ofShowHelp", "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent",
                 "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt", "ofShareAware",
                 "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
                 "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify",
                 "ofEnableSizing", "ofDontAddToRecent", "ofForceShowHidden")
ZK_SET_TYPEINFO(TOpenOptions, TOpenOption)
ZK_ENUM_TYPEINFO(TMsgDlgType, "mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom")
ZK_ENUM_TYPEINFO(TMsgDlgBtn, "mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore",
                 "mbAll", "mbNoToAll", "mbYesToAll", "mbHelp")
ZK_SET_TYPEINFO(TMsgDlgButtons, TMsgDlgBtn)

namespace {
void PublishCommonDialog(TPublisher& p) {
    p.Prop("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0);
    p.Prop("OnClose", &TCommonDialog::OnClose, &TCommonDialog::OnClose);
    p.Prop("OnShow", &TCommonDialog::OnShow, &TCommonDialog::OnShow);
}

void PublishFontDialog(TPublisher& p) {
    p.Prop("Font", &TFontDialog::Font, &TFontDialog::SetFont);
    p.Prop("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize).Default(0);
    p.Prop("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize).Default(0);
    p.Prop("Options", &TFontDialog::Options, &TFontDialog::SetOptions)
        .Default(TFontDialogOptions{fdEffects}.Bits());
}

void PublishColorDialog(TPublisher& p) {
    p.Prop("Color", TypeInfos::TColor(), &TColorDialog::Color, &TColorDialog::SetColor)
        .Default(clBlack);
    p.Prop("CustomColors", &TColorDialog::CustomColors, &TColorDialog::SetCustomColors);
    p.Prop("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(0);
}

void PublishOpenDialog(TPublisher& p) {
    p.Prop("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    p.Prop("FileName", TypeInfos::TFileName(), &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    p.Prop("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    p.Prop("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    p.Prop("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    p.Prop("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
        .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing}.Bits());
    p.Prop("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

void PublishOpenPictureDialog(TPublisher& p) {
    p.Prop("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
        .Stored(&TOpenPictureDialog::IsFilterStored);
}

// The stream reader finds the dialog classes by name.
const bool gDialogClassesRegistered = [] {
    RegisterClasses({TFontDialog::StaticClass(), TColorDialog::StaticClass(),
                     TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                     TOpenPictureDialog::StaticClass(), TSavePictureDialog::StaticClass()});
    return true;
}();
} // namespace

ZK_IMPLEMENT_CLASS(TCommonDialog, TComponent, PublishCommonDialog)
ZK_IMPLEMENT_CLASS(TFontDialog, TCommonDialog, PublishFontDialog)
ZK_IMPLEMENT_CLASS(TColorDialog, TCommonDialog, PublishColorDialog)
ZK_IMPLEMENT_CLASS(TOpenDialog, TCommonDialog, PublishOpenDialog)
ZK_IMPLEMENT_CLASS(TSaveDialog, TOpenDialog, nullptr)
ZK_IMPLEMENT_CLASS(TOpenPictureDialog, TOpenDialog, PublishOpenPictureDialog)
ZK_IMPLEMENT_CLASS(TSavePictureDialog, TOpenPictureDialog, nullptr)
