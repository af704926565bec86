#include "framework/paint/Cursors.h"

#include "framework/paint/internal/SvgPicture.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <unordered_set>

struct CursorHandle {
    QCursor cursor;
};

namespace {
std::unordered_set<HCURSOR>& LiveCursors() {
    static std::unordered_set<HCURSOR> cursors;
    return cursors;
}
} // namespace

HCURSOR LoadCursorResource(UINT id) {
    const QImage image = RenderSvg(QStringLiteral(":/cursors/%1.svg").arg(id));
    return image.isNull() ? nullptr : CreateCursorFromImage(image, 0, 0);
}

HCURSOR CreateCursorFromImage(const QImage& image, int xHotspot, int yHotspot) {
    auto* handle = new CursorHandle{QCursor(QPixmap::fromImage(image), xHotspot, yHotspot)};
    LiveCursors().insert(handle);
    return handle;
}

BOOL DestroyCursor(HCURSOR cursor) {
    if (LiveCursors().erase(cursor) == 0)
        return FALSE;
    delete cursor;
    return TRUE;
}

int LiveCursorCount() {
    return static_cast<int>(LiveCursors().size());
}

void SetCursor(HCURSOR cursor) {
    QWidget* widget = QApplication::widgetAt(QCursor::pos());
    if (widget == nullptr)
        return;
    if (LiveCursors().contains(cursor))
        widget->setCursor(cursor->cursor);
    else
        widget->unsetCursor();
}
