#pragma once
// Set-up shared by the standard controls' tests: the window-test fixture, a WindowProc hook that
// swallows all input, a snapshot of what input could change, and images of a control's widget.

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>

#include <string>

#include "WindowTesting.h"
#include "host/stdctrls/StdCtrls.h"

/// Replaces a control's WindowProc with one that swallows every mouse and key message (and
/// counts them); restores the saved WindowProc when it goes.
class SwallowInput {
public:
    explicit SwallowInput(TControl* control);
    ~SwallowInput();
    SwallowInput(const SwallowInput&) = delete;
    SwallowInput& operator=(const SwallowInput&) = delete;
    int Swallowed() const { return FSwallowed; }

private:
    TControl* FControl;
    TWndMethod FSaved;
    int FSwallowed = 0;
};

/// What user input could change in a control, as text to compare.
using TSnapshot = std::string;
TSnapshot SnapshotOf(TControl* control);

class StdTest : public WindowTest {
protected:
    /// The widget behind a windowed control, rendered through its window procedure.
    static QImage Grab(TWinControl* control);
    /// How many pixels of the rectangle have (nearly) the colour.
    static int CountColor(const QImage& image, const QRect& rect, QColor color);
    /// Puts text on the clipboard and pastes it with the paste item of the field's context
    /// menu, opened by a right click; false when there was no such menu or item.
    bool PasteFromContextMenu(TControl* field, const char* text);
    template <class T> T* Make(int left, int top) {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetLeft(left);
        c->SetTop(top);
        return c;
    }
};
