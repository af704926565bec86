#include "framework/paint/CDC.h"

#include "framework/paint/IconHandle.h"
#include "framework/paint/SysColor.h"
#include "framework/paint/internal/ColorRef.h"
#include "framework/paint/internal/TextLayout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

CDC::CDC() = default;

CDC::CDC(QPainter* painter) : m_painter(painter) {
    if (m_painter == nullptr)
        return;
    m_ratio = m_painter->device() != nullptr ? m_painter->device()->devicePixelRatioF() : 1.0;
    ResetState(m_painter->font());
}

CDC::~CDC() {
    Detach();
    DeleteDC();
}

HDC CDC::GetSafeHdc() const {
    return m_painter != nullptr ? this : nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_painter != nullptr)
        return FALSE;
    m_ratio = DevicePixelRatioOf(dc);
    m_ownPainter = std::make_unique<QPainter>();
    m_painter = m_ownPainter.get();
    m_defaultBitmap.CreateCompatibleBitmap(this, 1, 1);
    SelectObject(&m_defaultBitmap);
    ResetState(QGuiApplication::font());
    return TRUE;
}

BOOL CDC::Attach(HDC hDC) {
    if (m_painter != nullptr || hDC == nullptr || hDC->m_painter == nullptr)
        return FALSE;
    m_painter = hDC->m_painter;
    m_attachedTo = hDC;
    m_ratio = hDC->m_ratio;
    m_font = hDC->m_font;
    m_qfont = hDC->m_qfont;
    m_pen = hDC->m_pen;
    m_logPen = hDC->m_logPen;
    m_brush = hDC->m_brush;
    m_logBrush = hDC->m_logBrush;
    m_textColor = hDC->m_textColor;
    m_bkColor = hDC->m_bkColor;
    m_bkMode = hDC->m_bkMode;
    m_windowOrg = hDC->m_windowOrg;
    m_position = hDC->m_position;
    return TRUE;
}

HDC CDC::Detach() {
    const HDC attached = std::exchange(m_attachedTo, nullptr);
    if (attached != nullptr) {
        m_painter = nullptr;
        m_font = nullptr;
    }
    return attached;
}

BOOL CDC::DeleteDC() {
    if (m_attachedTo != nullptr)
        return FALSE;
    if (m_painter == nullptr)
        return FALSE;
    if (m_ownPainter) {
        if (m_ownPainter->isActive())
            m_ownPainter->end();
        m_bitmap->m_selectedIn = nullptr;
        m_bitmap = nullptr;
        m_ownPainter.reset();
        m_defaultBitmap.DeleteObject();
    }
    m_painter = nullptr;
    m_font = nullptr;
    m_defaultFont.DeleteObject();
    return TRUE;
}

void CDC::ResetState(const QFont& font) {
    m_defaultFont.CreateFromQFont(font);
    m_font = &m_defaultFont;
    m_qfont = font;
    m_pen = static_cast<CPen*>(GetStockObject(BLACK_PEN));
    m_pen->GetLogPen(&m_logPen);
    m_brush = static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
    m_brush->GetLogBrush(&m_logBrush);
    m_textColor = RGB(0, 0, 0);
    m_bkColor = RGB(255, 255, 255);
    m_bkMode = OPAQUE;
    m_windowOrg = CPoint();
    m_position = CPoint();
}

int CDC::SetBkMode(int mode) {
    return std::exchange(m_bkMode, mode);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_bkColor, color);
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_textColor, color);
}

CPen* CDC::SelectObject(CPen* pen) {
    if (pen == nullptr || pen->GetSafeHandle() == nullptr)
        return nullptr;
    pen->GetLogPen(&m_logPen);
    return std::exchange(m_pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (brush == nullptr || brush->GetSafeHandle() == nullptr)
        return nullptr;
    brush->GetLogBrush(&m_logBrush);
    return std::exchange(m_brush, brush);
}

CFont* CDC::SelectObject(CFont* font) {
    if (font == nullptr || font->GetSafeHandle() == nullptr)
        return nullptr;
    m_qfont = font->GetQFont();
    return std::exchange(m_font, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (!m_ownPainter || bitmap == nullptr || bitmap->GetSafeHandle() == nullptr)
        return nullptr;
    if (bitmap == m_bitmap)
        return bitmap;
    if (bitmap->m_selectedIn != nullptr)
        return nullptr;
    if (m_ownPainter->isActive())
        m_ownPainter->end();
    CBitmap* previous = std::exchange(m_bitmap, bitmap);
    if (previous != nullptr)
        previous->m_selectedIn = nullptr;
    bitmap->m_selectedIn = this;
    if (!bitmap->m_image.isNull())
        m_ownPainter->begin(&bitmap->m_image);
    return previous;
}

void CDC::DropBitmap(CBitmap* bitmap) {
    if (bitmap == m_bitmap && bitmap != &m_defaultBitmap)
        SelectObject(&m_defaultBitmap);
}

CPoint CDC::SetWindowOrg(int x, int y) {
    return std::exchange(m_windowOrg, CPoint(x, y));
}

int CDC::GetClipBox(CRect* rect) const {
    if (rect == nullptr || m_painter == nullptr)
        return RGN_ERROR;
    QRect box = CanPaint() ? DeviceBounds() : QRect();
    if (CanPaint() && m_painter->hasClipping())
        box &= m_painter->clipBoundingRect().toAlignedRect();
    if (box.isEmpty()) {
        *rect = CRect();
        return NULLREGION;
    }
    box.translate(m_windowOrg.x, m_windowOrg.y);
    *rect = CRect(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
    return SIMPLEREGION;
}

void CDC::FillRect(const CRect& rect, CBrush* brush) {
    LOGBRUSH logBrush;
    if (brush == nullptr || brush->GetLogBrush(&logBrush) == 0 || logBrush.lbStyle != BS_SOLID)
        return;
    Fill(ToDevice(rect), logBrush.lbColor);
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    FillSolidRect(rect.left, rect.top, rect.Width(), rect.Height(), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    m_bkColor = color;
    const CRect area(std::min(x, x + cx), std::min(y, y + cy), std::max(x, x + cx),
                     std::max(y, y + cy));
    Fill(ToDevice(area), color);
}

void CDC::FrameRect(const CRect& rect, CBrush* brush) {
    if (rect.IsRectEmpty())
        return;
    FillRect(CRect(rect.left, rect.top, rect.right, rect.top + 1), brush);
    FillRect(CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), brush);
    FillRect(CRect(rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1), brush);
    FillRect(CRect(rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1), brush);
}

void CDC::Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    if (!CanPaint())
        return FALSE;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1)
        return TRUE;
    if (m_logBrush.lbStyle == BS_SOLID)
        Fill(ToDevice(CRect(left, top, right, bottom)), m_logBrush.lbColor);
    const CPoint corners[] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
    for (size_t i = 1; i < std::size(corners); ++i)
        StrokeLine(corners[i - 1], corners[i]);
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    if (!CanPaint())
        return FALSE;
    StrokeLine(m_position, CPoint(x, y));
    m_position = CPoint(x, y);
    return TRUE;
}

void CDC::StrokeLine(CPoint from, CPoint to) {
    const int width = std::max(1, m_logPen.lopnWidth.x);
    const int reach = (width - 1) / 2;
    const auto stamp = [&](int x, int y, int cx, int cy) {
        Fill(QRect(ToDevice(x - reach, y - reach), QSize(cx + width - 1, cy + width - 1)),
             m_logPen.lopnColor);
    };
    if (from.y == to.y) {
        stamp(std::min(from.x, to.x + 1), from.y, std::abs(to.x - from.x), 1);
        return;
    }
    if (from.x == to.x) {
        stamp(from.x, std::min(from.y, to.y + 1), 1, std::abs(to.y - from.y));
        return;
    }
    // Bresenham, stopping before the end point.
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (CPoint p = from; p != to;) {
        stamp(p.x, p.y, 1, 1);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

int CDC::DrawText(const char* text, int count, CRect* rect, UINT format) {
    if (text == nullptr)
        return 0;
    return DrawText(std::string_view(text, count < 0 ? std::strlen(text) : count), rect, format);
}

int CDC::DrawText(std::string_view text, CRect* rect, UINT format) {
    if (rect == nullptr || !CanPaint())
        return 0;
    const TextLayout layout(m_qfont, m_painter->device(), text, format, rect->Width());
    const QSize extent = layout.Extent();
    if (format & DT_CALCRECT) {
        rect->right = rect->left + extent.width();
        rect->bottom = rect->top + extent.height();
        return extent.height();
    }
    int y = rect->top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y = (rect->top + rect->bottom - extent.height()) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        y = rect->bottom - extent.height();
    const QRect clip = (format & DT_NOCLIP) ? QRect() : ToDevice(*rect);
    int lineTop = y;
    for (const TextLayout::Line& line : layout.Lines()) {
        int x = rect->left;
        if (format & DT_CENTER)
            x = (rect->left + rect->right - line.width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - line.width;
        PaintText(line.text, QRect(ToDevice(x, lineTop), QSize(line.width, layout.LineHeight())),
                  layout.LineFlags(), m_textColor, m_bkMode == OPAQUE, clip);
        lineTop += layout.LineHeight();
    }
    return y + extent.height() - rect->top;
}

void CDC::PaintText(const QString& text, const QRect& block, int qtFlags, COLORREF color,
                    bool opaque, const QRect& clip) {
    m_painter->save();
    if (!clip.isNull())
        m_painter->setClipRect(clip, Qt::IntersectClip);
    if (opaque)
        m_painter->fillRect(block, ToQColor(m_bkColor));
    m_painter->setFont(m_qfont);
    m_painter->setPen(ToQColor(color));
    m_painter->drawText(block, qtFlags | Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    m_painter->restore();
}

BOOL CDC::DrawState(CPoint point, CSize, HICON icon, UINT flags) {
    if (icon == nullptr || !CanPaint())
        return FALSE;
    const QRect target(ToDevice(point.x, point.y), icon->size);
    if (flags & DSS_DISABLED) {
        PaintShape(icon->image, target.translated(1, 1), GetSysColor(COLOR_3DHILIGHT));
        PaintShape(icon->image, target, GetSysColor(COLOR_3DSHADOW));
    } else {
        m_painter->drawImage(target, icon->image);
    }
    return TRUE;
}

void CDC::PaintShape(const QImage& image, const QRect& target, COLORREF color) {
    QImage shape = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter tint(&shape);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(shape.rect(), ToQColor(color));
    tint.end();
    m_painter->drawImage(target, shape);
}

BOOL CDC::DrawState(CPoint point, CSize size, const char* text, UINT flags, BOOL prefixText,
                    int length) {
    if (text == nullptr || !CanPaint())
        return FALSE;
    const bool prefix = prefixText || (flags & 0x000F) == DST_PREFIXTEXT;
    const std::string_view bytes(text,
                                 length > 0 ? static_cast<size_t>(length) : std::strlen(text));
    const TextLayout layout(m_qfont, m_painter->device(), bytes,
                            DT_SINGLELINE | (prefix ? 0 : DT_NOPREFIX), 0);
    const QSize extent = layout.Extent();
    const QRect block(ToDevice(point.x, point.y), QSize(size.cx > 0 ? size.cx : extent.width(),
                                                        size.cy > 0 ? size.cy : extent.height()));
    const QString& line = layout.Lines().front().text;
    if (flags & DSS_DISABLED) {
        PaintText(line, block.translated(1, 1), layout.LineFlags(), GetSysColor(COLOR_3DHILIGHT),
                  false, QRect());
        PaintText(line, block, layout.LineFlags(), GetSysColor(COLOR_3DSHADOW), false, QRect());
    } else {
        PaintText(line, block, layout.LineFlags(), m_textColor, m_bkMode == OPAQUE, QRect());
    }
    return TRUE;
}

void CDC::DrawFocusRect(const CRect& rect) {
    if (!CanPaint() || rect.IsRectEmpty())
        return;
    const QRect frame = ToDevice(rect);
    m_painter->save();
    m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
    const auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            m_painter->fillRect(QRect(x, y, 1, 1), Qt::white);
    };
    // Every frame pixel once, so that a second call undoes the first.
    for (int x = frame.left(); x <= frame.right(); ++x) {
        dot(x, frame.top());
        if (frame.bottom() != frame.top())
            dot(x, frame.bottom());
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        dot(frame.left(), y);
        if (frame.right() != frame.left())
            dot(frame.right(), y);
    }
    m_painter->restore();
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
    if (rop != SRCCOPY || source == nullptr || !CanPaint() || !source->CanPaint())
        return FALSE;
    if (width <= 0 || height <= 0)
        return TRUE;
    const QRect wanted(source->ToDevice(xSrc, ySrc), QSize(width, height));
    const QRect present = wanted & source->DeviceBounds();
    if (present.isEmpty())
        return TRUE;
    const QImage pixels = source->ReadPixels(present);
    if (pixels.isNull())
        return FALSE;
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_Source);
    m_painter->drawImage(
        QRect(ToDevice(x, y) + (present.topLeft() - wanted.topLeft()), present.size()), pixels);
    m_painter->restore();
    return TRUE;
}

QImage CDC::ReadPixels(const QRect& area) const {
    // Read in place: a shallow copy of an image being painted would share
    // its pixels with the painter.
    const QPaintDevice* device = m_painter->device();
    QImage fromPixmap;
    const QImage* whole = nullptr;
    if (device->devType() == QInternal::Image) {
        whole = static_cast<const QImage*>(device);
    } else if (device->devType() == QInternal::Pixmap) {
        fromPixmap = static_cast<const QPixmap*>(device)->toImage();
        whole = &fromPixmap;
    } else {
        return QImage();
    }
    const qreal ratio = whole->devicePixelRatio();
    QImage piece =
        whole->copy(QRect((QPointF(area.topLeft()) * ratio).toPoint(), area.size() * ratio));
    piece.setDevicePixelRatio(ratio);
    return piece;
}

qreal CDC::DevicePixelRatioOf(const CDC* dc) {
    if (dc != nullptr && dc->m_painter != nullptr)
        return dc->m_ratio;
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

bool CDC::CanPaint() const {
    return m_painter != nullptr && m_painter->isActive();
}

QPoint CDC::ToDevice(int x, int y) const {
    return QPoint(x - m_windowOrg.x, y - m_windowOrg.y);
}

QRect CDC::ToDevice(const CRect& rect) const {
    return QRect(ToDevice(rect.left, rect.top), QSize(rect.Width(), rect.Height()));
}

QRect CDC::DeviceBounds() const {
    const QPaintDevice* device = m_painter->device();
    if (device->devType() == QInternal::Widget)
        return QRect(0, 0, device->width(), device->height());
    return QRect(
        QPoint(),
        (QSizeF(device->width(), device->height()) / device->devicePixelRatioF()).toSize());
}

void CDC::Fill(const QRect& area, COLORREF color) {
    if (CanPaint() && !area.isEmpty())
        m_painter->fillRect(area, ToQColor(color));
}
