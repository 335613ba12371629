#pragma once
// The package's registration: its palette page and the classes a stream may name.

#include <string>

/// The palette page that holds the designer.
inline const std::string DesignerPalettePage = "Zk控件";

/// Puts TZkFormDesigner, alone, on the palette page "Zk控件"; the overlay, the inspector and
/// the value popup are internal and stay off the palette. Its glyph is the bitmap resource
/// named after the class in capitals.
void Register();
