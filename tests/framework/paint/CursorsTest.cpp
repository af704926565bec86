#include "framework/paint/Cursors.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

TEST(Cursors, AResourceCursorHasItsPictureSizeAndPointsWithItsTopLeftCorner) {
    const int before = LiveCursorCount();
    EXPECT_EQ(LoadCursorResource(9999), nullptr);
    HCURSOR cursor = LoadCursorResource(9002);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(LiveCursorCount(), before + 1);

    QWidget widget;
    widget.resize(40, 40);
    widget.show();
    QCursor::setPos(widget.mapToGlobal(QPoint(20, 20)));
    ASSERT_EQ(QApplication::widgetAt(QCursor::pos()), &widget);
    SetCursor(cursor);
    EXPECT_EQ(widget.cursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(widget.cursor().pixmap().deviceIndependentSize().toSize(), QSize(16, 16));

    EXPECT_TRUE(DestroyCursor(cursor));
    EXPECT_EQ(LiveCursorCount(), before);
}
