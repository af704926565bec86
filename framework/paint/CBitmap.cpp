#include "framework/paint/CBitmap.h"

#include "framework/paint/CDC.h"
#include "framework/paint/internal/SvgPicture.h"

CBitmap::~CBitmap() {
    if (m_selectedIn != nullptr)
        m_selectedIn->DropBitmap(this);
    DeleteObject();
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    if (width < 0 || height < 0)
        return FALSE;
    const qreal ratio = CDC::DevicePixelRatioOf(dc);
    QImage image(QSize(width, height) * ratio, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setDevicePixelRatio(ratio);
    return CreateFromImage(image);
}

BOOL CBitmap::CreateFromImage(const QImage& image) {
    if (m_selectedIn != nullptr)
        return FALSE;
    m_image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32);
    MarkCreated();
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    const QImage image = RenderSvg(QStringLiteral(":/bitmaps/%1.svg").arg(nIDResource));
    return !image.isNull() && CreateFromImage(image);
}

int CBitmap::GetBitmap(BITMAP* bitmap) const {
    if (GetSafeHandle() == nullptr || bitmap == nullptr)
        return 0;
    const QSize size = m_image.deviceIndependentSize().toSize();
    *bitmap = BITMAP{0, size.width(), size.height(), size.width() * 4, 1, 32, nullptr};
    return static_cast<int>(sizeof(BITMAP));
}

CBitmap* CBitmap::CreateHandle(const QImage& image) {
    auto* bitmap = new CBitmap;
    bitmap->CreateFromImage(image);
    HandOver(bitmap);
    return bitmap;
}

void CBitmap::Release() {
    m_image = QImage();
}
