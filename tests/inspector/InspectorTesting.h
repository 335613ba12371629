#pragma once
// A shown form with controls to inspect, an inspector window beside it, and real input on the
// inspector's own window.

#include <string>
#include <vector>

#include "WindowTesting.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"

enum TShade { shLight, shMedium, shDark };
ZK_DECLARE_TYPEINFO(TShade)

/// A control publishing the property types that stock controls lack: WordBool, TDate,
/// TDateTime, a wide string, RightMargin, a file name and an enumeration of its own.
class TInspTarget : public TCustomControl {
    ZK_CLASS(TInspTarget, TCustomControl)
    explicit TInspTarget(TComponent* AOwner) : TCustomControl(AOwner) {}

    bool Flag = false;
    TDateTime Day = 0;
    TDateTime Stamp = 0;
    std::string Wide;
    std::string FileName;
    int32_t RightMargin = 0;
    TShade Shade = shLight;
    TStringList* Lines() const { return FLines; }
    void SetLines(TStringList* Value) { FLines->Assign(Value); }
    ~TInspTarget() override { delete FLines; }

private:
    TStringList* FLines = new TStringList;
};

/// An inspector shown beside a form holding Button1; its window takes real input.
class InspectorTest : public WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Shows the inspector and waits until it takes input.
    void ShowInspector();
    /// The row listing the property of that name, or -1.
    int RowOf(const std::string& propName) const;
    /// Real input on the inspector's window, at a point of one of its controls.
    void InspPress(TControl* c, int x, int y, Qt::MouseButton b = Qt::LeftButton);
    void InspRelease(TControl* c, int x, int y, Qt::MouseButton b = Qt::LeftButton);
    void InspMove(TControl* c, int x, int y);
    void InspClick(TControl* c, int x, int y) {
        InspPress(c, x, y);
        InspRelease(c, x, y);
    }
    /// Clicks the middle of a row's name column.
    void ClickRow(int row);
    void InspKey(Qt::Key key);
    void InspType(const char* text);
    QWindow* InspWindow() const;
    /// The row height the inspector's font gives: "Wg" in MS Sans Serif 8 plus 3.
    static int ExpectedRowHeight();

    TObjectInspForm* Insp = nullptr;
    TButton* Button1 = nullptr;
    TInspTarget* Target = nullptr;
    std::vector<int> Modified;
};
