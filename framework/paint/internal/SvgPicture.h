#pragma once

#include <QImage>
#include <QString>

// The SVG picture at `path` (a Qt resource path) at its natural size and the
// screen's device pixel ratio; a null image when there is no such picture.
QImage RenderSvg(const QString& path);
