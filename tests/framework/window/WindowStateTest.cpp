#include "framework/paint/CFont.h"
#include "framework/paint/IconHandle.h"
#include "framework/stdcontrols/CStatic.h"
#include "framework/window/CPaintDC.h"
#include "tests/framework/support/DialogFixture.h"

#include <QImage>
#include <QPixmap>

using WindowState = DialogFixture;

TEST_F(WindowState, StyleChangesReachTheWidget) {
    CWnd* find = dialog.GetDlgItem(TestIds::kFind);
    const struct {
        const char* name;
        DWORD remove, add;
        BOOL changed;
        bool visible, enabled, tabStop;
    } steps[] = {
        {"disable", 0, WS_DISABLED, TRUE, true, false, true},
        {"again", 0, WS_DISABLED, FALSE, true, false, true},
        {"hide and enable", WS_VISIBLE | WS_DISABLED, 0, TRUE, false, true, true},
        {"show, no tab stop", WS_TABSTOP, WS_VISIBLE, TRUE, true, true, false},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(find->ModifyStyle(s.remove, s.add), s.changed) << s.name;
        EXPECT_EQ(find->IsWindowVisible() != FALSE, s.visible) << s.name;
        EXPECT_EQ(find->IsWindowEnabled() != FALSE, s.enabled) << s.name;
        EXPECT_EQ((find->GetStyle() & WS_TABSTOP) != 0, s.tabStop) << s.name;
        EXPECT_EQ(find->m_hWnd->focusPolicy() == Qt::StrongFocus, s.tabStop) << s.name;
    }
    EXPECT_FALSE(find->EnableWindow(FALSE));
    EXPECT_TRUE(find->EnableWindow(TRUE));
    EXPECT_TRUE(find->ShowWindow(SW_HIDE));
    EXPECT_FALSE(find->ShowWindow(SW_SHOW));
}

TEST_F(WindowState, SetIconReturnsTheIconSetBeforeAndShowsTheNewOne) {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    IconHandle first{QSize(16, 16), red.toImage(), QIcon(red)};
    IconHandle second = first;
    EXPECT_EQ(dialog.SetIcon(&first, TRUE), nullptr);
    EXPECT_EQ(dialog.SetIcon(&first, FALSE), nullptr);
    EXPECT_EQ(dialog.SetIcon(&second, TRUE), &first);
    EXPECT_EQ(dialog.GetIcon(TRUE), &second);
    EXPECT_EQ(dialog.GetIcon(FALSE), &first);
    EXPECT_FALSE(dialog.m_hWnd->windowIcon().isNull());
}

TEST_F(WindowState, OnPaintDrawsThroughAPaintContextInsteadOfTheControl) {
    class Painted : public CStatic {
    protected:
        void OnPaint() override {
            CPaintDC dc(this);
            dc.FillSolidRect(CRect(0, 0, 4, 4), RGB(255, 0, 0));
        }
    } painted;
    dialog.GetDlgItem(TestIds::kPath)->SetWindowText("text");
    ASSERT_TRUE(painted.SubclassDlgItem(TestIds::kPath, &dialog));
    const QImage image = painted.m_hWnd->grab().toImage();
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
    // Neither the static's edge nor its text: it paints nothing itself now.
    EXPECT_NE(image.pixel(0, image.height() - 1),
              painted.m_hWnd->palette().color(QPalette::Light).rgb());
}

TEST_F(WindowState, AWindowTakesAFontAndGivesBackTheOneItHad) {
    CWnd* path = dialog.GetDlgItem(TestIds::kPath);
    CFont* original = path->GetFont();
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(path->GetFont(), original);
    LOGFONT description;
    ASSERT_GT(original->GetLogFont(&description), 0);
    description.lfWeight = FW_BOLD;
    description.lfUnderline = 1;
    CFont link;
    ASSERT_TRUE(link.CreateFontIndirect(&description));

    path->SetFont(&link);
    EXPECT_EQ(path->GetFont(), &link);
    EXPECT_TRUE(path->m_hWnd->font().bold());
    EXPECT_TRUE(path->m_hWnd->font().underline());
    path->SetFont(original, FALSE);
    EXPECT_FALSE(path->m_hWnd->font().bold());
    EXPECT_EQ(path->m_hWnd->font(), dialog.m_hWnd->font());
}
