#include "framework/paint/Icons.h"

#include "framework/paint/internal/SvgPicture.h"

#include <QPixmap>
#include <unordered_set>

namespace {

std::unordered_set<HICON>& LiveIcons() {
    static std::unordered_set<HICON> icons;
    return icons;
}

HICON MakeIcon(const QImage& image, const QIcon& icon) {
    auto* handle = new IconHandle{image.deviceIndependentSize().toSize(), image, icon};
    LiveIcons().insert(handle);
    return handle;
}

} // namespace

HICON LoadIconResource(UINT id) {
    const QString base = QStringLiteral(":/icons/%1").arg(id);
    const QImage image = RenderSvg(base + QStringLiteral(".svg"));
    if (image.isNull())
        return nullptr;
    QIcon icon(QPixmap::fromImage(image));
    const QImage small = RenderSvg(base + QStringLiteral("-16.svg"));
    if (!small.isNull())
        icon.addPixmap(QPixmap::fromImage(small));
    return MakeIcon(image, icon);
}

HICON CreateIconFromImage(const QImage& image) {
    const QImage picture = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return MakeIcon(picture, QIcon(QPixmap::fromImage(picture)));
}

BOOL DestroyIcon(HICON icon) {
    if (LiveIcons().erase(icon) == 0)
        return FALSE;
    delete icon;
    return TRUE;
}

int LiveIconCount() {
    return static_cast<int>(LiveIcons().size());
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
    if (info == nullptr || !LiveIcons().contains(icon))
        return FALSE;
    QImage mask(icon->image.size(), QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, qAlpha(icon->image.pixel(x, y)) == 0 ? 0xFFFFFFFF : 0xFF000000);
    mask.setDevicePixelRatio(icon->image.devicePixelRatio());
    info->fIcon = TRUE;
    info->xHotspot = static_cast<DWORD>(icon->size.width() / 2);
    info->yHotspot = static_cast<DWORD>(icon->size.height() / 2);
    info->hbmMask = CBitmap::CreateHandle(mask);
    info->hbmColor = CBitmap::CreateHandle(icon->image);
    return TRUE;
}
