#pragma once
// Test controls that publish, between them, a property of every kind a control streams, and
// a form class with event handlers, for the tests of controls and forms in streams.

#include <string>
#include <vector>

#include "StreamFixtures.h"
#include "host/controls/Forms.h"

/// A container with a caption, as panels are.
class TStreamPanel : public TCustomControl {
    ZK_CLASS(TStreamPanel, TCustomControl)
    explicit TStreamPanel(TComponent* AOwner);
};

/// An edit-like windowed control: text, a string list, a collection, numbers of each width.
class TStreamEdit : public TWinControl {
    ZK_CLASS(TStreamEdit, TWinControl)
    explicit TStreamEdit(TComponent* AOwner);
    ~TStreamEdit() override;
    TStrings* Lines() const { return FLines; }
    void SetLines(TStrings* Value) { FLines->Assign(Value); }
    TFixItems* Columns() const { return FColumns; }
    void SetColumns(TFixItems* Value) { FColumns->Assign(Value); }
    double Ratio = 0;
    int64_t Big = 0;
    int32_t MaxLength = 0;

private:
    TStrings* FLines;
    TFixItems* FColumns;
};

/// A label-like control without a window that names the control it labels.
class TStreamLabel : public TGraphicControl {
    ZK_CLASS(TStreamLabel, TGraphicControl)
    explicit TStreamLabel(TComponent* AOwner) : TGraphicControl(AOwner) {}
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TWinControl* FFocusControl = nullptr;
};

/// An image control: its picture streams as binary data.
class TStreamImage : public TGraphicControl {
    ZK_CLASS(TStreamImage, TGraphicControl)
    explicit TStreamImage(TComponent* AOwner);
    ~TStreamImage() override;
    TPicture* Picture() const { return FPicture; }
    void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
    bool Stretch = false;

private:
    TPicture* FPicture;
};

/// A non-visual component.
class TStreamTimer : public TComponent {
    ZK_CLASS(TStreamTimer, TComponent)
    explicit TStreamTimer(TComponent* AOwner) : TComponent(AOwner) {}
    int32_t Interval = 1000;
    bool Enabled = true;
    TNotifyEvent OnTimer;
};

/// The form class of the tests: handlers that streams bind by name, and what happened while
/// it loaded and showed.
class TStreamForm : public TForm {
    ZK_CLASS(TStreamForm, TForm)
    explicit TStreamForm(TComponent* AOwner) : TForm(AOwner) {}
    void ButtonClick(TObject* Sender);
    void FormShow(TObject* Sender);
    void Loaded() override;
    int Clicks = 0;
    /// "loaded" when Loaded ran, "shown N" when OnShow ran with N components owned.
    std::vector<std::string> Log;
};

/// Registers the classes above with the class registry (idempotent).
void RegisterControlStreamClasses();
/// A form holding each kind of control, nested, with non-default values of every property
/// kind, a z-order and a tab order that differ from the creation order, and a timer.
TStreamForm* MakeControlSampleForm();
