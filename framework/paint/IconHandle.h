#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

// What an icon handle points to: the picture at its natural size (in logical
// pixels) and the same picture as a QIcon for window decorations. Handles are
// made by the icon functions of the painting layer and freed with DestroyIcon.
struct IconHandle {
    QSize size;
    QImage image; // rendered at size x device pixel ratio
    QIcon icon;
};
