#pragma once

#include "framework/types/WinDefs.h"

class QImage;

// Cursors: a cursor is a shape with its hot spot, made by LoadCursorResource
// or CreateCursorFromImage and freed with DestroyCursor.

// Cursor resource `id`: the picture ":/cursors/<id>.svg" at its natural size,
// rendered at the screen's device pixel ratio, with its hot spot at the
// top-left corner, where the program's cursors point. Null when the resource
// is missing.
HCURSOR LoadCursorResource(UINT id);
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
