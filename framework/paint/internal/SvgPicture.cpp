#include "framework/paint/internal/SvgPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QImage RenderSvg(const QString& path) {
    if (!QFile::exists(path))
        return QImage();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QImage();
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QImage image(renderer.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}
