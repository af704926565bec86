#include "framework/window/CClientDC.h"

#include "framework/window/CWnd.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

struct CClientDC::Surface {
    QImage image;
    QPainter painter;
};

std::unique_ptr<CClientDC::Surface> CClientDC::Snapshot(CWnd* pWnd) {
    auto surface = std::make_unique<Surface>();
    HWND client = pWnd != nullptr ? pWnd->ClientHandle() : nullptr;
    if (client == nullptr)
        return surface;
    const qreal ratio = client->devicePixelRatioF();
    surface->image = QImage(client->size() * ratio, QImage::Format_RGB32);
    surface->image.setDevicePixelRatio(ratio);
    surface->image.fill(client->palette().color(client->backgroundRole()));
    client->render(&surface->image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    surface->painter.begin(&surface->image);
    surface->painter.setFont(client->font());
    return surface;
}

CClientDC::CClientDC(CWnd* pWnd) : CClientDC(Snapshot(pWnd)) {}

CClientDC::CClientDC(std::unique_ptr<Surface> surface)
    : CDC(surface->painter.isActive() ? &surface->painter : nullptr),
      m_surface(std::move(surface)) {}

CClientDC::~CClientDC() = default;
