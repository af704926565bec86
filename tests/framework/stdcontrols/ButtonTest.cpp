#include "tests/framework/support/DialogFixture.h"

#include <QImage>
#include <QTest>

namespace {
bool IsUniform(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}
} // namespace

using Buttons = DialogFixture;

TEST_F(Buttons, AttachingTurnsTheButtonOwnerDrawnAndItPaintsNothingItself) {
    EXPECT_TRUE(dialog.m_draw.subclassed);
    EXPECT_EQ(dialog.m_draw.GetButtonStyle(), BS_OWNERDRAW);
    EXPECT_TRUE(dialog.m_draw.GetStyle() & WS_TABSTOP);
    dialog.m_draw.drawStates.clear();

    EXPECT_TRUE(IsUniform(Control(TestIds::kDraw)->grab().toImage()));
    EXPECT_FALSE(IsUniform(Control(TestIds::kFind)->grab().toImage()));
    ASSERT_FALSE(dialog.m_draw.drawStates.empty());
    EXPECT_EQ(dialog.m_draw.drawIds.back(), static_cast<UINT>(TestIds::kDraw));
    const QSize size = Control(TestIds::kDraw)->size();
    EXPECT_EQ(dialog.m_draw.lastItem, CRect(0, 0, size.width(), size.height()));
}

TEST_F(Buttons, DrawItemGetsThePressedFocusedAndDisabledStates) {
    QWidget* button = Control(TestIds::kDraw);
    const struct {
        const char* name;
        void (*prepare)(QWidget*);
        UINT state;
    } cases[] = {
        {"normal", [](QWidget*) {}, 0},
        {"focused", [](QWidget* b) { b->setFocus(); }, ODS_FOCUS},
        {"pressed", [](QWidget* b) { QTest::mousePress(b, Qt::LeftButton); },
         ODS_SELECTED | ODS_FOCUS},
        {"disabled", [](QWidget* b) { b->setEnabled(false); }, ODS_DISABLED},
    };
    for (const auto& c : cases) {
        Control(IDCANCEL)->setFocus();
        c.prepare(button);
        dialog.m_draw.drawStates.clear();
        button->grab();
        ASSERT_FALSE(dialog.m_draw.drawStates.empty()) << c.name;
        EXPECT_EQ(dialog.m_draw.drawStates.back(), c.state) << c.name;
        if (button->isEnabled())
            QTest::mouseRelease(button, Qt::LeftButton);
        button->setEnabled(true);
    }
}

TEST_F(Buttons, ADoubleClickIsANotificationUnlessDefWindowProcMakesItAPress) {
    const struct {
        const char* name;
        int id;
        bool pressOnDoubleClick;
        std::vector<std::string> log;
    } cases[] = {
        {"owner-drawn", TestIds::kDraw, false, {"draw", "double"}},
        {"owner-drawn turning it into a press", TestIds::kDraw, true, {"draw", "draw"}},
        {"push button", TestIds::kFind, false, {"find", "find"}},
    };
    for (const auto& c : cases) {
        dialog.log.clear();
        dialog.m_draw.pressOnDoubleClick = c.pressOnDoubleClick;
        QWidget* button = Control(c.id);
        // What a double click brings: press, release, double click, release.
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(dialog.log, c.log) << c.name;
    }
}

TEST_F(Buttons, SetButtonStyleReplacesTheTypeAndKeepsTheRest) {
    CButton* find = static_cast<CButton*>(dialog.GetDlgItem(TestIds::kFind));
    EXPECT_EQ(find->GetButtonStyle(), BS_PUSHBUTTON);
    find->SetButtonStyle(BS_DEFPUSHBUTTON | BS_CENTER);
    EXPECT_EQ(find->GetButtonStyle(), BS_DEFPUSHBUTTON);
    EXPECT_TRUE(find->GetStyle() & WS_TABSTOP);
    EXPECT_FALSE(find->GetStyle() & BS_CENTER);
}

TEST_F(Buttons, ACheckBoxTogglesOnAClickAnywhereOnItAndReportsItsState) {
    CButton* check = static_cast<CButton*>(dialog.GetDlgItem(TestIds::kCheck));
    check->SetCheck(BST_UNCHECKED);
    QWidget* box = Control(TestIds::kCheck);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() / 2));
    EXPECT_EQ(check->GetCheck(), BST_CHECKED);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(check->GetState(), BST_CHECKED | BST_PUSHED | BST_FOCUS);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(check->GetCheck(), BST_UNCHECKED);
}
