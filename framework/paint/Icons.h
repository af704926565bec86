#pragma once

#include "framework/paint/CBitmap.h"
#include "framework/paint/IconHandle.h"
#include "framework/types/WinDefs.h"

// What GetIconInfo reports; the two bitmaps belong to the caller, who frees
// them with ::DeleteObject.
struct ICONINFO {
    BOOL fIcon = FALSE;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = nullptr;
    HBITMAP hbmColor = nullptr;
};

// Icon resource `id`, the picture ":/icons/<id>.svg" at its natural size (the
// SVG's width and height), rendered at the screen's device pixel ratio. Its
// QIcon also holds ":/icons/<id>-16.svg" when the resource offers that small
// picture, for window decorations. Null when the resource is missing.
HICON LoadIconResource(UINT id);
// An icon showing `image`; its natural size is the image's size in logical
// pixels (the image's device pixel ratio is kept).
HICON CreateIconFromImage(const QImage& image);
// Frees an icon made by the two functions above. FALSE for null and for a
// handle that is not (or no longer) live.
BOOL DestroyIcon(HICON icon);
// Icons made and not yet destroyed, so that tests can see leaks and double
// frees.
int LiveIconCount();
// Fills `info` for a live icon: the hot spot at the centre (half the width
// and height, as Windows puts it for icons), fIcon TRUE, a mask bitmap (white
// where the icon is transparent, black where it shows) and a colour bitmap.
// FALSE, leaving `info` untouched, for a null or dead handle.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
