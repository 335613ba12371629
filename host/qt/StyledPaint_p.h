#pragma once
// Parts of controls drawn in the application's style on a framework canvas: button faces,
// dividers, arrows. Private to host/, and free of Qt types.

#include "host/graphics/Graphics.h"

/// How a button face looks now.
struct TButtonFace {
    /// Pressed, or held down (a checked tool button, a speed button of a group).
    bool Down = false;
    bool Flat = false;
    bool Enabled = true;
    /// A tool button's face rather than a push button's.
    bool Tool = false;
};
/// Draws a button face filling r of the canvas; a flat face that is up draws nothing.
void DrawButtonFace(TCanvas* canvas, const TRect& r, const TButtonFace& face);

enum class TArrow { Left, Right, Up, Down };
/// Draws a small button with an arrow in r.
void DrawArrowButton(TCanvas* canvas, const TRect& r, TArrow arrow, bool down, bool enabled);
/// Draws an arrow alone, centred in r.
void DrawArrowGlyph(TCanvas* canvas, const TRect& r, TArrow arrow, bool enabled);
/// Draws an etched line down the middle of r (vertical) or across it.
void DrawEtchedLine(TCanvas* canvas, const TRect& r, bool vertical);
/// Draws the grip of a movable band or bar in r.
void DrawGripper(TCanvas* canvas, const TRect& r);
