#include "framework/dialog/DialogUnits.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/dialog/internal/DialogWindow.h"
#include "tests/framework/support/TestDialog.h"
#include "tests/framework/support/TestResources.h"

#include <QApplication>
#include <QMenuBar>
#include <cstring>
#include <gtest/gtest.h>

TEST(DialogLayout, ADialogIsLaidOutInItsFontsUnitsBelowItsMenuBar) {
    RegisterTestResources();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const DialogUnits units = DialogUnits::ForFont(QApplication::font());

    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, units.ToPixelsX(200), units.ToPixelsY(130)));
    const QMenuBar* bar = dialog.m_hWnd->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(dialog.m_hWnd->height(), client.Height() + bar->height());
    EXPECT_EQ(dialog.m_hWnd->width(), client.Width());

    // Edit kText at (10, 10), 100 x 12; button kFind at (140, 10), 50 x 14.
    const struct {
        int id, x, y, cx, cy;
    } controls[] = {{TestIds::kText, 10, 10, 100, 12}, {TestIds::kFind, 140, 10, 50, 14}};
    for (const auto& c : controls) {
        CRect rect;
        dialog.GetDlgItem(c.id)->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        EXPECT_EQ(rect, CRect(units.ToPixelsX(c.x), units.ToPixelsY(c.y),
                              units.ToPixelsX(c.x) + units.ToPixelsX(c.cx),
                              units.ToPixelsY(c.y) + units.ToPixelsY(c.cy)))
            << c.id;
    }
    // The group box around the edits lets the mouse through to them.
    CRect edit;
    dialog.GetDlgItem(TestIds::kText)->GetWindowRect(&edit);
    dialog.ScreenToClient(&edit);
    EXPECT_EQ(dialog.GetDlgItem(TestIds::kText)->m_hWnd,
              dialog.m_hWnd->childAt(edit.left + 2, bar->height() + edit.top + 2));

    const Qt::WindowFlags flags = dialog.m_hWnd->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog.m_hWnd->minimumSize(), dialog.m_hWnd->maximumSize());

    CRect mapped(10, 10, 110, 22);
    dialog.MapDialogRect(&mapped);
    EXPECT_EQ(mapped, units.MapRect(CRect(10, 10, 110, 22)));
}

// Making the client area in the member initialisers sent the half-built
// window an event whose handler read two flags declared after it, before
// they were set. The window is built here in memory filled with 0xBE, which
// is no bool: under `make sanitize` UndefinedBehaviorSanitizer stops at any
// flag read before it is set (elsewhere the read goes unseen).
TEST(DialogLayout, BuildingTheWindowReadsNoFlagBeforeItIsSet) {
    RegisterTestResources();
    TestDialog owner;
    const DialogTemplate* dialog = ResourceTable::FindDialog(TestIds::kDialog);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(ResourceTable::FindMenu(dialog->menuId), nullptr);
    alignas(DialogWindow) unsigned char storage[sizeof(DialogWindow)];
    std::memset(storage, 0xBE, sizeof storage);
    auto* window = new (storage) DialogWindow(&owner, *dialog, nullptr);
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->Controls().size(), dialog->items.size());
    window->~DialogWindow();
}
