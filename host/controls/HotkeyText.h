#pragma once
// Captions drawn with their access key underlined, for controls that paint their own captions.

#include <string>

class TCanvas;

/// Draws Caption at (X, Y) in the canvas's font and font colour, with no background, as
/// TextOut would draw it without its '&': the letter after a single '&' is underlined and "&&"
/// shows as one '&'. Takes as much room as TextExtent(StripHotkey(Caption)).
void TextOutWithHotkey(TCanvas* Canvas, int X, int Y, const std::string& Caption);
