// Class references and published properties of the controls and forms.

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/menus/Menus.h"

ZK_ENUM_TYPEINFO(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient")
ZK_ENUM_TYPEINFO(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
ZK_ENUM_TYPEINFO(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")
ZK_ENUM_TYPEINFO(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
ZK_ENUM_TYPEINFO(TMouseButton, "mbLeft", "mbRight", "mbMiddle")
ZK_ENUM_TYPEINFO(TShiftStateFlag, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle",
                 "ssDouble")
ZK_SET_TYPEINFO(TShiftState, TShiftStateFlag)
ZK_ENUM_TYPEINFO(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                 "bsSizeToolWin")
const TTypeInfo* TypeInfos::TBorderStyle() {
    static const TTypeInfo* info = [] {
        auto* t = const_cast<TTypeInfo*>(MakeEnumTypeInfo("TBorderStyle", {"bsNone", "bsSingle"}));
        t->Data.BaseType = TypeInfoOf<TFormBorderStyle>();
        return t;
    }();
    return info;
}
ZK_ENUM_TYPEINFO(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")
ZK_ENUM_TYPEINFO(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                 "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")
ZK_ENUM_TYPEINFO(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")

namespace TypeInfos {
const TTypeInfo* TLeftRight() {
    static const TTypeInfo* info =
        MakeEnumTypeInfo("TLeftRight", {"taLeftJustify", "taRightJustify"});
    return info;
}
const TTypeInfo* TModalResult() {
    static const TTypeInfo info = [] {
        TTypeInfo t;
        t.Kind = tkInteger;
        t.Name = "TModalResult";
        t.Data.MinValue = INT32_MIN;
        t.Data.MaxValue = INT32_MAX;
        return t;
    }();
    return &info;
}
} // namespace TypeInfos

ZK_METHOD_TYPEINFO(TMouseEvent)
ZK_METHOD_TYPEINFO(TMouseMoveEvent)
ZK_METHOD_TYPEINFO(TKeyEvent)
ZK_METHOD_TYPEINFO(TKeyPressEvent)
ZK_METHOD_TYPEINFO(TCloseEvent)
ZK_METHOD_TYPEINFO(TCloseQueryEvent)

namespace {
void PublishControl(TPublisher& p) {
    p.Prop("Left", &TControl::Left, &TControl::SetLeft);
    p.Prop("Top", &TControl::Top, &TControl::SetTop);
    p.Prop("Width", &TControl::Width, &TControl::SetWidth);
    p.Prop("Height", &TControl::Height, &TControl::SetHeight);
    p.Prop("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
    p.Prop("Color", TypeInfos::TColor(), &TControl::Color, &TControl::SetColor)
        .Default(clWindow)
        .Stored(&TControl::IsColorStored);
    p.Prop("Cursor", TypeInfos::TCursor(), &TControl::Cursor, &TControl::SetCursor)
        .Default(crDefault);
    p.Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(1);
    p.Prop("Font", &TControl::Font, &TControl::SetFont).Stored(&TControl::IsFontStored);
    p.Prop("Hint", &TControl::Hint, &TControl::SetHint);
    p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(1);
    p.Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(1);
    p.Prop("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    p.Prop("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(0);
    p.Prop("Visible", &TControl::Visible, &TControl::SetVisible).Default(1);
    p.Prop("OnClick", &TControl::OnClick, &TControl::OnClick);
    p.Prop("OnDblClick", &TControl::OnDblClick, &TControl::OnDblClick);
    p.Prop("OnMouseDown", &TControl::OnMouseDown, &TControl::OnMouseDown);
    p.Prop("OnMouseMove", &TControl::OnMouseMove, &TControl::OnMouseMove);
    p.Prop("OnMouseUp", &TControl::OnMouseUp, &TControl::OnMouseUp);
    p.Prop("OnResize", &TControl::OnResize, &TControl::OnResize);
}

void PublishWinControl(TPublisher& p) {
    p.Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
    p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(0);
    p.Prop("OnEnter", &TWinControl::OnEnter, &TWinControl::OnEnter);
    p.Prop("OnExit", &TWinControl::OnExit, &TWinControl::OnExit);
    p.Prop("OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::OnKeyDown);
    p.Prop("OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::OnKeyPress);
    p.Prop("OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::OnKeyUp);
}

void PublishCustomForm(TPublisher& p) {
    p.Prop("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    p.Prop("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
        .Default(bsSizeable);
    p.Prop("Caption", TypeInfos::TCaption(), &TCustomForm::Caption, &TCustomForm::SetCaption);
    // A form stores its client size rather than its outer size, is hidden until shown, and
    // has a font of its own rather than a parent's colour and font.
    p.Prop("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight);
    p.Prop("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth);
    p.Prop("Width", &TControl::Width, &TControl::SetWidth).Stored(false);
    p.Prop("Height", &TControl::Height, &TControl::SetHeight).Stored(false);
    p.Prop("Visible", &TControl::Visible, &TControl::SetVisible).Default(0);
    p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Stored(false);
    p.Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(0);
    p.Prop("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
    p.Prop("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(0);
    p.Prop("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    p.Prop("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
    p.Prop("OnActivate", &TCustomForm::OnActivate, &TCustomForm::OnActivate);
    p.Prop("OnClose", &TCustomForm::OnClose, &TCustomForm::OnClose);
    p.Prop("OnCloseQuery", &TCustomForm::OnCloseQuery, &TCustomForm::OnCloseQuery);
    p.Prop("OnCreate", &TCustomForm::OnCreate, &TCustomForm::OnCreate);
    p.Prop("OnDeactivate", &TCustomForm::OnDeactivate, &TCustomForm::OnDeactivate);
    p.Prop("OnDestroy", &TCustomForm::OnDestroy, &TCustomForm::OnDestroy);
    p.Prop("OnHide", &TCustomForm::OnHide, &TCustomForm::OnHide);
    p.Prop("OnPaint", &TCustomForm::OnPaint, &TCustomForm::OnPaint);
    p.Prop("OnShow", &TCustomForm::OnShow, &TCustomForm::OnShow);
}
} // namespace

ZK_IMPLEMENT_CLASS(TControl, TComponent, PublishControl)
ZK_IMPLEMENT_CLASS(TWinControl, TControl, PublishWinControl)
ZK_IMPLEMENT_CLASS(TCustomControl, TWinControl, nullptr)
ZK_IMPLEMENT_CLASS(TGraphicControl, TControl, nullptr)
ZK_IMPLEMENT_CLASS(TCustomForm, TWinControl, PublishCustomForm)
ZK_IMPLEMENT_CLASS(TForm, TCustomForm, nullptr)
ZK_IMPLEMENT_CLASS(TApplication, TComponent, nullptr)
ZK_IMPLEMENT_CLASS(TScreen, TComponent, nullptr)
