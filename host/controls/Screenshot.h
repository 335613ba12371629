#pragma once
// Pictures of windows as the screen shows them, for review material and demos.

#include <string>

class TWinControl;

/// Renders control's window (with its children) to an image file; the format follows the
/// file name's extension (png, jpg, bmp). False when the file cannot be written.
bool SaveWindowImage(TWinControl* control, const std::string& fileName);
