#pragma once

#include "WinDefs.h"

class QImage;

// Cursors: a cursor is a shape with its hot spot, made by
// CreateCursorFromImage and freed with DestroyCursor.

// A cursor showing `image` with its hot spot at (xHotspot, yHotspot).
HCURSOR CreateCursorFromImage(const QImage& image, int xHotspot, int yHotspot);
// Frees a cursor; FALSE for null and for a handle that is not (or no longer)
// live.
BOOL DestroyCursor(HCURSOR cursor);
// Cursors made and not yet destroyed, so that tests can see leaks.
int LiveCursorCount();
// Shows `cursor` while the pointer stays over the window under it now; null
// (or a dead handle) gives that window the default arrow. Meant for
// OnSetCursor.
void SetCursor(HCURSOR cursor);
