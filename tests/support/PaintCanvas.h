#pragma once

#include "framework/paint/CDC.h"
#include "framework/paint/internal/ColorRef.h"

#include <QImage>
#include <QPainter>

// An opaque QImage at device pixel ratio 1 with a device context painting on
// it, for pixel checks.
class PaintCanvas {
public:
    explicit PaintCanvas(int width = 40, int height = 40, COLORREF background = RGB(255, 255, 255))
        : m_image(width, height, QImage::Format_RGB32), m_painter(&Begin(m_image, background)),
          m_dc(&m_painter) {}

    CDC& dc() { return m_dc; }
    QPainter& painter() { return m_painter; }
    const QImage& image() const { return m_image; }
    COLORREF At(int x, int y) const { return ToColorRef(m_image.pixelColor(x, y)); }

private:
    static QImage& Begin(QImage& image, COLORREF background) {
        image.fill(ToQColor(background));
        return image;
    }
    QImage m_image;
    QPainter m_painter;
    CDC m_dc;
};
