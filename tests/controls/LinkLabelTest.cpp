#include "controls/CLinkLabel.h"
#include "framework/dialog/CDialog.h"
#include "framework/dialog/DDX.h"
#include "tests/controls/TestDialogTemplate.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/UiDriver.h"
#include "tests/support/WaitUntil.h"

#include <QFontInfo>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace {
constexpr const char* kMail = "mailto:support@tarnwick.example";

// A link label that tells what its window showed once it had handled
// WM_DESTROY.
class WatchedLink : public CLinkLabel {
public:
    bool boldAfterDestroy = true;
    int fontsAfterDestroy = -1;

protected:
    void OnDestroy() override {
        CLinkLabel::OnDestroy();
        boldAfterDestroy = m_hWnd->font().bold();
        fontsAfterDestroy = CGdiObject::LiveCount();
    }
};

// A dialog with a link (kLink, its text from m_link), a link without text
// (kEmpty) and a plain static (kPlain).
class LinkDialog : public CDialog {
public:
    static constexpr UINT kTemplate = 9203;
    static constexpr int kLink = 1002;
    static constexpr int kEmpty = 1003;
    static constexpr int kPlain = 1004;

    LinkDialog() : CDialog(kTemplate) {
        constexpr DWORD kStatic = WS_CHILD | WS_VISIBLE | SS_CENTER;
        AddTestDialog(kTemplate, "Links", 180, 60,
                      {DialogItem::Static(kLink, "", 10, 8, 160, 10, kStatic),
                       DialogItem::Static(kEmpty, "", 10, 24, 160, 10, kStatic),
                       DialogItem::Static(kPlain, "plain", 10, 40, 160, 10, kStatic)});
    }

    std::string m_link = kMail;
    WatchedLink m_linkLabel;
    CLinkLabel m_emptyLabel;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Control(dx, kLink, m_linkLabel);
        DDX_Control(dx, kEmpty, m_emptyLabel);
        DDX_Text(dx, kLink, m_link);
    }
};

class LinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        ShowActive(dialog);
    }
    QWidget* Control(int id) const { return Widget(dialog, id); }
    bool LinkFontShows(int id) const {
        return Control(id)->font().bold() && Control(id)->font().underline();
    }
    void WaitForLinkFont() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return LinkFontShows(LinkDialog::kLink); },
                                    static_cast<int>(kTestDeadline.count())));
    }

    FakeDesktop desktop;
    LinkDialog dialog;
};
} // namespace

TEST_F(LinkLabelTest, ThePlainFontShowsUntilThePostedMessageMakesTheLinkFont) {
    // A font of the control's own, given before the message is handled.
    LOGFONT logFont;
    logFont.lfHeight = -19;
    SetFaceName(&logFont, "DejaVu Serif");
    CFont own;
    own.CreateFontIndirect(&logFont);
    dialog.m_linkLabel.SetFont(&own);
    EXPECT_FALSE(Control(LinkDialog::kLink)->font().bold());
    EXPECT_FALSE(Control(LinkDialog::kLink)->font().underline());

    WaitForLinkFont();
    const QFont shown = Control(LinkDialog::kLink)->font();
    EXPECT_EQ(QFontInfo(shown).family(), QFontInfo(own.GetQFont()).family());
    EXPECT_EQ(shown.pixelSize(), 19);
    EXPECT_FALSE(shown.italic());
    EXPECT_TRUE(LinkFontShows(LinkDialog::kEmpty));
    EXPECT_FALSE(Control(LinkDialog::kPlain)->font().bold());
    // The text stays the ordinary static text colour.
    EXPECT_EQ(Control(LinkDialog::kLink)->palette().color(QPalette::WindowText),
              Control(LinkDialog::kPlain)->palette().color(QPalette::WindowText));
    dialog.DestroyWindow();
}

TEST_F(LinkLabelTest, ThePreviousFontComesBackBeforeTheWindowGoesAndTheLinkFontAfterIt) {
    WaitForLinkFont();
    const int fonts = CGdiObject::LiveCount();
    dialog.DestroyWindow();
    EXPECT_FALSE(dialog.m_linkLabel.boldAfterDestroy);
    EXPECT_EQ(dialog.m_linkLabel.fontsAfterDestroy, fonts) << "the link font is gone already";

    // A label that goes while its window stays gives the plain font back.
    LinkDialog other;
    ASSERT_TRUE(other.Create());
    QWidget* plain = Widget(other, LinkDialog::kPlain);
    {
        CLinkLabel label;
        ASSERT_TRUE(label.SubclassDlgItem(LinkDialog::kPlain, &other));
        ASSERT_TRUE(QTest::qWaitFor([&] { return plain->font().bold(); },
                                    static_cast<int>(kTestDeadline.count())));
    }
    EXPECT_FALSE(plain->font().bold());
    EXPECT_FALSE(plain->font().underline());
}

TEST_F(LinkLabelTest, TheLinkCursorShowsOverANonEmptyTextOnly) {
    WaitForLinkFont();
    QTest::mouseMove(Control(LinkDialog::kLink));
    ASSERT_TRUE(Control(LinkDialog::kLink)->testAttribute(Qt::WA_SetCursor));
    const QCursor cursor = Control(LinkDialog::kLink)->cursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    EXPECT_EQ(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));

    QTest::mouseMove(Control(LinkDialog::kEmpty));
    EXPECT_FALSE(Control(LinkDialog::kEmpty)->testAttribute(Qt::WA_SetCursor));
}

TEST_F(LinkLabelTest, EachClickHandsTheExactTextToTheDesktopOnAThreadOfItsOwn) {
    const std::string texts[] = {
        kMail,
        "www.tarnwick.example/projects/DAVeza11.zip",
        "http://www.tarnwick.example/a b?c=\"d\"&e",
        "caf\xe9",
    };
    size_t calls = 0;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        dialog.m_linkLabel.SetWindowText(text);
        desktop.HoldLinks();
        QTest::mouseClick(Control(LinkDialog::kLink), Qt::LeftButton);
        QTest::mouseClick(Control(LinkDialog::kLink), Qt::LeftButton);
        // Both clicks have returned while the desktop still holds both calls.
        ASSERT_TRUE(WaitUntil([&] { return desktop.Links().size() == calls + 2; }));
        EXPECT_EQ(desktop.Finished(), calls);
        const auto links = desktop.Links();
        for (size_t i = calls; i < links.size(); ++i) {
            EXPECT_EQ(links[i].link, text);
            EXPECT_NE(links[i].thread, std::this_thread::get_id());
        }
        EXPECT_NE(links[calls].thread, links[calls + 1].thread);
        desktop.ReleaseLinks();
        calls += 2;
        ASSERT_TRUE(WaitUntil([&] { return desktop.Finished() == calls; }));
    }
}

TEST_F(LinkLabelTest, AClickOnAnEmptyTextOpensNothing) {
    WaitForLinkFont();
    QTest::mouseClick(Control(LinkDialog::kEmpty), Qt::LeftButton);
    // A click that opens something afterwards is the only call.
    QTest::mouseClick(Control(LinkDialog::kLink), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return desktop.Finished() == 1; }));
    QApplication::processEvents();
    const auto links = desktop.Links();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].link, kMail);
}
