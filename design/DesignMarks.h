#pragma once
// Small windows that the designer lays over its design form for a while: the guide lines of a
// drag and the tab-order badges. They are never designed, listed or saved.

#include <functional>
#include <string>
#include <vector>

#include "design/SnapGeometry.h"
#include "host/controls/Controls.h"

/// One mark: a filled rectangle in one colour, with an optional centred text.
class TDesignMark : public TCustomControl {
    ZK_CLASS(TDesignMark, TCustomControl)
    explicit TDesignMark(TComponent* AOwner);
    TColor MarkColor = clFuchsia;
    std::string Text;
    /// A left press on the mark (a badge passes it to the control it numbers).
    std::function<void()> OnPress;

protected:
    /// A mark lies over the layout, never in it: moving one while a drag steps through a form
    /// of many controls lays none of them out again.
    void RequestAlign() override {}
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

/// A set of marks on one container, reused from step to step: showing a new set moves the
/// windows already there and hides those left over, so a drag step makes no window.
class TDesignMarks : public TComponent {
    ZK_CLASS(TDesignMarks, TComponent)
    TDesignMarks() : TComponent(nullptr) {}

    /// Shows one guide line per mark on Parent, in Parent's client coordinates.
    void ShowGuides(TWinControl* Parent, const std::vector<TGuideMark>& Marks);
    /// Shows mark Index at r with text (a badge), making it when there are fewer.
    TDesignMark* ShowAt(TWinControl* Parent, int Index, const TRect& r, const std::string& Text);
    /// Hides the marks from Index on.
    void HideFrom(int Index);
    /// How many marks are shown now.
    int ShownCount() const;

private:
    TDesignMark* Mark(TWinControl* Parent, int Index);
};
