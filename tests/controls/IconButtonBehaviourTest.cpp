#include "tests/controls/ButtonFixture.h"

#include <QTest>

using IconButtonBehaviour = ButtonFixture;

namespace {
QPoint Centre(const QWidget* widget) {
    return widget->rect().center();
}
} // namespace

TEST_F(IconButtonBehaviour, HoverFollowsThePointerAndRepaintsEachTime) {
    CountingButton& find = dialog.m_find;
    const struct {
        const char* name;
        void (*act)(QWidget* find, QWidget* other);
        BOOL hovered;
    } steps[] = {
        {"pointer onto the button", [](QWidget* f, QWidget*) { QTest::mouseMove(f); }, TRUE},
        {"pointer onto another control", [](QWidget*, QWidget* o) { QTest::mouseMove(o); }, FALSE},
        {"back onto the button", [](QWidget* f, QWidget*) { QTest::mouseMove(f); }, TRUE},
        {"the focus goes elsewhere", [](QWidget*, QWidget* o) { o->setFocus(); }, FALSE},
    };
    Widget(find)->setFocus();
    for (const auto& s : steps) {
        QApplication::processEvents();
        const int paints = find.paints;
        s.act(Widget(find), Widget(*dialog.GetDlgItem(ButtonDialog::kOther)));
        EXPECT_EQ(find.IsHovered(), s.hovered) << s.name;
        QApplication::processEvents();
        EXPECT_GT(find.paints, paints) << s.name;
    }
}

TEST_F(IconButtonBehaviour, NoHoverStartsWhereTheUserCannotMeanIt) {
    const struct {
        const char* name;
        void (*act)(CIconButton& find);
    } cases[] = {
        {"another application is active",
         [](CIconButton& f) {
             QApplication::setActiveWindow(nullptr);
             QTest::mouseMove(f.m_hWnd);
         }},
        {"a drag that began elsewhere",
         [](CIconButton& f) {
             SendMouse(f.m_hWnd, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Centre(f.m_hWnd));
         }},
        {"the classic button",
         [](CIconButton& f) {
             f.SetFlat(FALSE);
             QTest::mouseMove(f.m_hWnd);
         }},
    };
    for (const auto& c : cases) {
        QTest::mouseMove(Widget(dialog.m_blank));
        ShowActive(dialog);
        c.act(dialog.m_find);
        EXPECT_FALSE(dialog.m_find.IsHovered()) << c.name;
    }
}

TEST_F(IconButtonBehaviour, DraggingOffWhilePressedEndsTheHoverAndReleasingOutsideClicksNothing) {
    QWidget* find = Widget(dialog.m_find);
    QTest::mouseMove(find);
    QTest::mousePress(find, Qt::LeftButton, {}, Centre(find));
    EXPECT_TRUE(dialog.m_find.IsHovered());
    const QPoint outside(find->width() + 5, 5);
    SendMouse(find, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, outside);
    EXPECT_FALSE(dialog.m_find.IsHovered());
    // Back over it with the button still down: pressed again, no hover.
    SendMouse(find, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Centre(find));
    EXPECT_FALSE(dialog.m_find.IsHovered());
    SendMouse(find, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, outside);
    QTest::mouseRelease(find, Qt::LeftButton, {}, outside);
    EXPECT_TRUE(dialog.log.empty());
}

TEST_F(IconButtonBehaviour, ADoubleClickIsTwoClicks) {
    QWidget* find = Widget(dialog.m_find);
    // What a double click brings: press, release, double click, release.
    QTest::mouseClick(find, Qt::LeftButton);
    QTest::mouseDClick(find, Qt::LeftButton);
    QTest::mouseRelease(find, Qt::LeftButton);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"find", "find"}));
}

TEST_F(IconButtonBehaviour, TheTooltipComesInactiveWithTheFirstMessageAndTakesItsText) {
    const CToolTipCtrl& tip = dialog.m_find.GetToolTip();
    dialog.m_find.SetTipText(nullptr);
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);
    QTest::mouseMove(Widget(dialog.m_find));
    ASSERT_NE(tip.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(tip.IsActive());
    EXPECT_EQ(tip.GetToolCount(), 0);

    const struct {
        const char* text;
        BOOL activate;
        std::string shown;
        BOOL active;
    } steps[] = {
        {"Activate search", TRUE, "Activate search", TRUE},
        {"Search now", FALSE, "Search now", FALSE},
        {nullptr, TRUE, "Search now", FALSE},
    };
    for (const auto& s : steps) {
        dialog.m_find.SetTipText(s.text, s.activate);
        std::string text;
        tip.GetText(text, &dialog.m_find, 1);
        EXPECT_EQ(text, s.shown);
        EXPECT_EQ(tip.IsActive(), s.active) << s.shown;
        EXPECT_EQ(tip.GetToolCount(), 1);
    }
}
