#pragma once
// The process-wide drawing resources of the designer: made once when the package starts,
// shared by every designer and overlay, released when it shuts down.

#include "host/graphics/Gdi.h"
#include "host/graphics/Graphics.h"

namespace DesignResources {
/// The dashed grey pen of the rubber band and the drag outline (4 on, 4 off).
HPEN SelectionPen();
/// The black pen ({1, 7}) that draws the grid dots.
HPEN GridPen();
/// A screen-sized monochrome bitmap, white with a black dot every 8 pixels both ways.
TBitmap* GridBitmap();
/// GridBitmap in the screen's pixel format, white made `back` and black `fore`: what drawing
/// GridBitmap on a canvas with that brush and font colour gives. Made again only when the
/// colours change.
TBitmap* GridImage(TColor back, TColor fore);
/// The same at another pitch than 8 pixels (kept for the last pitch asked for).
TBitmap* GridImage(TColor back, TColor fore, int pitch);
/// Creates the resources (in the order handle size, selection pen, grid pen, grid bitmap);
/// does nothing when they exist.
void Startup();
/// Deletes the pens and frees the bitmap; Startup may run again afterwards.
void Shutdown();
} // namespace DesignResources
