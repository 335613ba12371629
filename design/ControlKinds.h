#pragma once
// What the designer needs to know about the kinds of stock controls it wraps: one place
// that answers by class, so that the session and the overlays ask questions, not classes.

#include <cstdint>

class TControl;

namespace ControlKinds {
/// Status bars, tool bars, cool bars and page scrollers stay live during a design.
bool IsBar(const TControl* c);
bool IsTabSheet(const TControl* c);
bool IsPageControl(const TControl* c);
bool IsListView(const TControl* c);
bool IsGrid(const TControl* c);
/// A grid busy with a mouse operation of its own (selecting, sizing, moving).
bool IsGridBusy(const TControl* c);
/// Any combo box (the overlay keeps its height fixed).
bool IsCustomCombo(const TControl* c);
/// A combo box whose style the design switches to a drop-down list.
bool IsComboBox(const TControl* c);
bool IsCustomListControl(const TControl* c);

/// The combo box's style as an ordinal, and the ordinal of its drop-down-list style.
uint8_t ComboStyle(TControl* c);
void SetComboStyle(TControl* c, uint8_t style);
uint8_t DropDownListStyle();
} // namespace ControlKinds
