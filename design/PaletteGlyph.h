#pragma once
// The designer's palette glyph: a 23 x 24, 256-colour bitmap drawn here, not loaded from disk.

#include <cstdint>
#include <vector>

/// The glyph as a BMP file image: a window with a title bar, a dotted grid and a control
/// framed by the eight black grab handles.
std::vector<uint8_t> DesignerPaletteGlyph();
