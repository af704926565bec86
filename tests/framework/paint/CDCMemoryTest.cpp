#include "framework/paint/CBitmap.h"
#include "framework/paint/CBrush.h"
#include "framework/paint/CDC.h"
#include "tests/support/PaintCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);

COLORREF PixelOf(const CBitmap& bitmap, int x, int y) {
    return ToColorRef(bitmap.GetImage().pixelColor(x, y));
}

} // namespace

TEST(CDCMemory, BitBltCopiesBetweenLogicalSpacesOfEitherOrigin) {
    const struct {
        CPoint sourceOrigin;
        CPoint targetOrigin;
    } cases[] = {{{0, 0}, {0, 0}}, {{100, 200}, {0, 0}}, {{0, 0}, {30, 40}}, {{-7, 9}, {30, 40}}};
    for (const auto& c : cases) {
        CDC source;
        source.CreateCompatibleDC(nullptr);
        CBitmap sourceBits;
        sourceBits.CreateCompatibleBitmap(&source, 10, 10); // opaque black
        CBitmap* sourceDefault = source.SelectObject(&sourceBits);
        source.SetWindowOrg(c.sourceOrigin);
        const CPoint s = c.sourceOrigin;
        source.FillSolidRect(s.x + 2, s.y + 3, 2, 1, Red);

        CDC target;
        target.CreateCompatibleDC(&source);
        CBitmap targetBits;
        targetBits.CreateCompatibleBitmap(&target, 8, 8);
        CBitmap* targetDefault = target.SelectObject(&targetBits);
        target.FillSolidRect(0, 0, 8, 8, White);
        target.SetWindowOrg(c.targetOrigin);
        const CPoint t = c.targetOrigin;
        EXPECT_TRUE(target.BitBlt(t.x + 1, t.y + 1, 4, 4, &source, s.x + 1, s.y + 2, SRCCOPY));

        const std::string at = std::to_string(s.x) + "," + std::to_string(t.x);
        EXPECT_EQ(PixelOf(targetBits, 2, 2), Red) << at;
        EXPECT_EQ(PixelOf(targetBits, 3, 2), Red) << at;
        EXPECT_EQ(PixelOf(targetBits, 4, 2), Black) << at;
        EXPECT_EQ(PixelOf(targetBits, 1, 1), Black) << at;
        EXPECT_EQ(PixelOf(targetBits, 4, 4), Black) << at;
        EXPECT_EQ(PixelOf(targetBits, 5, 5), White) << at;
        EXPECT_EQ(PixelOf(targetBits, 0, 0), White) << at;
        target.SelectObject(targetDefault);
        source.SelectObject(sourceDefault);
    }
}

TEST(CDCMemory, BitBltReadsAndWritesAPainterOnAnImage) {
    PaintCanvas canvas(20, 20, White);
    canvas.dc().FillSolidRect(3, 4, 2, 2, Red);
    CDC memory;
    memory.CreateCompatibleDC(&canvas.dc());
    CBitmap bits;
    bits.CreateCompatibleBitmap(&memory, 6, 6);
    CBitmap* previous = memory.SelectObject(&bits);
    ASSERT_TRUE(memory.BitBlt(0, 0, 6, 6, &canvas.dc(), 2, 3, SRCCOPY));
    EXPECT_EQ(PixelOf(bits, 1, 1), Red);
    EXPECT_EQ(PixelOf(bits, 0, 0), White);

    ASSERT_TRUE(canvas.dc().BitBlt(10, 10, 6, 6, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(canvas.At(11, 11), Red);
    EXPECT_EQ(canvas.At(13, 13), White);
    EXPECT_FALSE(canvas.dc().BitBlt(0, 0, 6, 6, &memory, 0, 0, 0x00EE0086)); // only SRCCOPY
    memory.SelectObject(previous);
}

TEST(CDCMemory, AMemoryContextExistsFromCreationToDeletion) {
    CDC dc;
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
    EXPECT_FALSE(dc.IsPrinting());
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_NE(dc.GetSafeHdc(), nullptr);
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
    EXPECT_FALSE(dc.DeleteDC());
}

TEST(CDCMemory, ABitmapLivesInOneContextAtATimeAndIsFreedOnlyWhenDeselected) {
    CDC first;
    CDC second;
    first.CreateCompatibleDC(nullptr);
    second.CreateCompatibleDC(nullptr);
    CBitmap bits;
    bits.CreateCompatibleBitmap(&first, 4, 4);
    CBitmap* original = first.SelectObject(&bits);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(second.SelectObject(&bits), nullptr);
    EXPECT_FALSE(bits.DeleteObject());
    EXPECT_EQ(first.SelectObject(original), &bits);
    EXPECT_NE(second.SelectObject(&bits), nullptr);
    second.DeleteDC();
    EXPECT_TRUE(bits.DeleteObject());

    PaintCanvas canvas;
    CBitmap more;
    more.CreateCompatibleBitmap(&canvas.dc(), 2, 2);
    EXPECT_EQ(canvas.dc().SelectObject(&more), nullptr); // not a memory context
}

TEST(CDCMemory, DestroyingASelectedBitmapLeavesTheContextUsable) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    {
        CBitmap bits;
        bits.CreateCompatibleBitmap(&dc, 4, 4);
        dc.SelectObject(&bits);
    }
    dc.FillSolidRect(0, 0, 1, 1, Red);
    CBitmap next;
    next.CreateCompatibleBitmap(&dc, 3, 3);
    EXPECT_NE(dc.SelectObject(&next), nullptr);
}

TEST(CDCMemory, ABitmapWithoutAreaTakesNoDrawing) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap empty;
    ASSERT_TRUE(empty.CreateCompatibleBitmap(&dc, 0, 0));
    CBitmap* previous = dc.SelectObject(&empty);
    EXPECT_NE(dc.GetSafeHdc(), nullptr);
    dc.FillSolidRect(0, 0, 5, 5, Red);
    CRect box(1, 1, 1, 1);
    EXPECT_EQ(dc.GetClipBox(&box), NULLREGION);
    EXPECT_EQ(box, CRect());
    PaintCanvas canvas;
    EXPECT_FALSE(canvas.dc().BitBlt(0, 0, 5, 5, &dc, 0, 0, SRCCOPY));
    EXPECT_EQ(canvas.At(0, 0), White);
    dc.SelectObject(previous);
}

TEST(CDCMemory, GetClipBoxIsTheDeviceInLogicalCoordinates) {
    CDC memory;
    CRect box;
    EXPECT_EQ(memory.GetClipBox(&box), RGN_ERROR);
    memory.CreateCompatibleDC(nullptr);
    CBitmap bits;
    bits.CreateCompatibleBitmap(&memory, 12, 9);
    CBitmap* previous = memory.SelectObject(&bits);
    memory.SetWindowOrg(5, 6);
    EXPECT_EQ(memory.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(5, 6, 17, 15));
    memory.SelectObject(previous);

    PaintCanvas canvas(30, 20);
    canvas.painter().setClipRect(QRect(4, 2, 10, 50));
    canvas.dc().SetWindowOrg(-1, 3);
    EXPECT_EQ(canvas.dc().GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(3, 5, 13, 23));
}

TEST(CDCMemory, BitmapsReportTheirSizeAndAreCountedWhileTheyLive) {
    const int before = CGdiObject::LiveCount();
    {
        CBitmap bits;
        bits.CreateCompatibleBitmap(nullptr, 7, 3);
        BITMAP info;
        EXPECT_EQ(bits.GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
        EXPECT_EQ(info.bmWidth, 7);
        EXPECT_EQ(info.bmHeight, 3);
        EXPECT_EQ(CGdiObject::LiveCount(), before + 1);
        EXPECT_TRUE(bits.DeleteObject());
        EXPECT_EQ(bits.GetBitmap(&info), 0);
        EXPECT_EQ(CGdiObject::LiveCount(), before);
        bits.CreateCompatibleBitmap(nullptr, 2, 2);
    }
    EXPECT_EQ(CGdiObject::LiveCount(), before);
    EXPECT_FALSE(CBitmap().CreateCompatibleBitmap(nullptr, -1, 2));
}

TEST(CDCMemory, AnAttachedContextDrawsOnTheDeviceAndLeavesItWhole) {
    PaintCanvas canvas(10, 10, White);
    CDC& device = canvas.dc();
    device.SetWindowOrg(5, 5);
    device.SetTextColor(Red);
    CBrush red(Red);
    {
        CDC attached;
        EXPECT_FALSE(attached.Attach(nullptr));
        EXPECT_EQ(attached.Detach(), nullptr);
        ASSERT_TRUE(attached.Attach(device.GetSafeHdc()));
        EXPECT_FALSE(attached.Attach(device.GetSafeHdc()));
        // It starts from the device's state and draws on it at once.
        EXPECT_EQ(attached.GetWindowOrg(), CPoint(5, 5));
        EXPECT_EQ(attached.GetTextColor(), Red);
        attached.FillRect(CRect(5, 5, 6, 6), &red);
        EXPECT_EQ(canvas.At(0, 0), Red);
        // Its own changes stay its own.
        attached.SetWindowOrg(0, 0);
        EXPECT_EQ(device.GetWindowOrg(), CPoint(5, 5));
        EXPECT_FALSE(attached.DeleteDC());
        EXPECT_NE(attached.GetSafeHdc(), nullptr);
        EXPECT_EQ(attached.Detach(), device.GetSafeHdc());
        EXPECT_EQ(attached.GetSafeHdc(), nullptr);
        // Going while attached leaves the device too.
        CDC dropped;
        dropped.Attach(device.GetSafeHdc());
    }
    ASSERT_TRUE(canvas.painter().isActive());
    device.FillRect(CRect(6, 6, 7, 7), &red);
    EXPECT_EQ(canvas.At(1, 1), Red);
}

TEST(CDCMemory, ABitmapResourceLoadsAtItsNaturalSizeAndCopiesUnscaled) {
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(9999));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(9004));
    BITMAP size;
    ASSERT_TRUE(bitmap.GetBitmap(&size));
    EXPECT_EQ(size.bmWidth, 6);
    EXPECT_EQ(size.bmHeight, 4);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* before = memory.SelectObject(&bitmap);
    PaintCanvas canvas(20, 20, White);
    EXPECT_TRUE(canvas.dc().BitBlt(5, 5, 10, 4, &memory, 0, 0, SRCCOPY));
    memory.SelectObject(before);
    EXPECT_EQ(canvas.At(5, 5), Red);
    EXPECT_EQ(canvas.At(7, 8), Red);
    EXPECT_EQ(canvas.At(8, 5), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(10, 8), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(4, 5), White);
    EXPECT_EQ(canvas.At(5, 9), White);
    EXPECT_EQ(canvas.At(11, 5), White) << "beyond the bitmap the target stays as it was";
    EXPECT_EQ(canvas.At(14, 8), White);
}
