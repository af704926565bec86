// The About box and the Web Links dialog: their texts, their links, how they
// close, and that they leave nothing behind.
#include "controls/CIconButton.h"
#include "dialogs/CAboutBox.h"
#include "dialogs/CLinksDlg.h"
#include "framework/dialog/ModalHook.h"
#include "res/RegisterResources.h"
#include "res/Resource.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/UiDriver.h"
#include "tests/support/WaitUntil.h"

#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr const char* kMailLink = "mailto:mail@tarnwick.example";

std::string Text(const CWnd& wnd) {
    std::string text;
    wnd.GetWindowText(text);
    return text;
}

std::string Text(const CDialog& dialog, int id) {
    return Text(*dialog.GetDlgItem(id));
}

// The controls of a dialog that nobody addresses (IDC_STATIC), by text.
std::map<std::string, CWnd*> Unaddressed(const CDialog& dialog) {
    std::map<std::string, CWnd*> found;
    for (QWidget* widget : dialog.m_hWnd->findChildren<QWidget*>())
        if (CWnd* wnd = CWnd::FromHandle(widget); wnd->GetDlgCtrlID() == IDC_STATIC)
            found[Text(*wnd)] = wnd;
    return found;
}

// Every file under the profile folder with its size and time.
std::map<std::string, std::string> ProfileFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::getenv("XDG_CONFIG_HOME"))) {
        const auto stamp = entry.last_write_time().time_since_epoch().count();
        files[entry.path().string()] =
            std::to_string(entry.is_regular_file() ? entry.file_size() : 0) + "@" +
            std::to_string(stamp);
    }
    return files;
}

// Runs `dialog` under a ModalHook that calls `look` with it and returns its
// modal result.
INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& look) {
    ModalHook hook([&look](CDialog& running) {
        ShowActive(running);
        look(running);
        return running.GetModalResult();
    });
    return dialog.DoModal();
}

class InfoDialogs : public ::testing::Test {
protected:
    void SetUp() override { RegisterResources(); }

    FakeDesktop desktop;
    BoxRecorder boxes;
};
} // namespace

TEST_F(InfoDialogs, TheAboutBoxShowsItsTextsTheIconAndTheLinkFont) {
    CAboutBox about;
    RunModal(about, [](CDialog& box) {
        EXPECT_EQ(Text(box), "About VO Dizuzi");
        EXPECT_EQ(Text(box, IDC_ABOUT_THANKS), "Thank you for using\nVO Dizuzi");
        EXPECT_EQ(Text(box, IDC_ABOUT_MAIL_LINK), kMailLink);
        EXPECT_EQ(Text(box, IDC_ABOUT_VERSION), "VO Dizuzi Version 1.10");
        EXPECT_EQ(Text(box, IDC_ABOUT_MAKER), "Tarnwick Software");
        const auto statics = Unaddressed(box);
        EXPECT_TRUE(statics.contains(
            "If you have any sugestion\n or  comment please send mail to:\n       "));
        // The application icon at its own size, inside its sunken edge.
        ASSERT_TRUE(statics.contains("#128"));
        EXPECT_EQ(statics.at("#128")->GetStyle() & SS_TYPEMASK, SS_ICON);
        EXPECT_EQ(statics.at("#128")->m_hWnd->size(), QSize(34, 34));

        EXPECT_EQ(box.GetDlgItem(IDC_ABOUT_MAIL_LINK)->GetStyle() & SS_TYPEMASK, SS_CENTER);
        EXPECT_TRUE(box.GetDlgItem(IDC_ABOUT_VERSION)->GetStyle() & SS_NOPREFIX);
        QWidget* link = Widget(box, IDC_ABOUT_MAIL_LINK);
        EXPECT_TRUE(QTest::qWaitFor([link] { return link->font().bold(); },
                                    static_cast<int>(kTestDeadline.count())));
        EXPECT_TRUE(link->font().underline());

        const auto* ok = dynamic_cast<CIconButton*>(box.GetDlgItem(IDOK));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->GetIconWidth(), 16);
        EXPECT_TRUE(ok->IsDefaultButton());
    });
}

TEST_F(InfoDialogs, TheWebLinksDialogShowsEachCaptionLeftAlignedAboveItsCentredLink) {
    CLinksDlg links;
    RunModal(links, [](CDialog& dialog) {
        EXPECT_EQ(Text(dialog), "Web Links");
        const struct {
            int caption;
            const char* captionText;
            int link;
            const char* linkText;
        } rows[] = {
            {IDC_HOME_CAPTION, "Visit VO Dizuzi main page:", IDC_HOME_LINK,
             "www.tarnwick.example/projects/VODizuzi.html"},
            {IDC_DOWNLOAD_CAPTION, "Download the latest version of VO Dizuzi :", IDC_DOWNLOAD_LINK,
             "www.tarnwick.example/projects/DAVeza11.zip"},
            {IDC_QUESTION_CAPTION, "Ask question about the VO Dizuzi :", IDC_MAIL_LINK, kMailLink},
        };
        int below = 0;
        for (const auto& row : rows) {
            SCOPED_TRACE(row.captionText);
            EXPECT_EQ(Text(dialog, row.caption), row.captionText);
            EXPECT_EQ(Text(dialog, row.link), row.linkText);
            EXPECT_EQ(dialog.GetDlgItem(row.caption)->GetStyle() & SS_TYPEMASK, SS_LEFT);
            EXPECT_EQ(dialog.GetDlgItem(row.link)->GetStyle() & SS_TYPEMASK, SS_CENTER);
            const QRect caption = Widget(dialog, row.caption)->geometry();
            const QRect link = Widget(dialog, row.link)->geometry();
            EXPECT_GE(caption.top(), below);
            EXPECT_LE(caption.bottom(), link.top());
            EXPECT_EQ(caption.left(), link.left());
            below = link.bottom();
        }
        const auto* ok = dynamic_cast<CIconButton*>(dialog.GetDlgItem(IDOK));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->GetIconWidth(), 16);
    });
}

TEST_F(InfoDialogs, EachLinkOpensItsExactText) {
    const struct {
        std::function<std::unique_ptr<CDialog>()> make;
        std::vector<int> links;
        std::vector<std::string> opened;
    } cases[] = {
        {[] { return std::make_unique<CAboutBox>(); }, {IDC_ABOUT_MAIL_LINK}, {kMailLink}},
        {[] { return std::make_unique<CLinksDlg>(); },
         {IDC_HOME_LINK, IDC_DOWNLOAD_LINK, IDC_MAIL_LINK},
         {"www.tarnwick.example/projects/VODizuzi.html",
          "www.tarnwick.example/projects/DAVeza11.zip", kMailLink}},
    };
    size_t calls = 0;
    for (const auto& c : cases) {
        const auto dialog = c.make();
        RunModal(*dialog, [&](CDialog& running) {
            for (int id : c.links) {
                QTest::mouseClick(Widget(running, id), Qt::LeftButton);
                // One at a time, so that the order is the clicks' order.
                ++calls;
                ASSERT_TRUE(WaitUntil([&] { return desktop.Finished() == calls; }));
            }
        });
        std::vector<std::string> opened;
        const auto links = desktop.Links();
        for (size_t i = links.size() - c.links.size(); i < links.size(); ++i)
            opened.push_back(links[i].link);
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(InfoDialogs, OkAndEscapeCloseAndNothingIsWritten) {
    const auto before = ProfileFiles();
    const struct {
        const char* name;
        std::function<std::unique_ptr<CDialog>()> make;
        bool escape;
        INT_PTR result;
    } cases[] = {
        {"About, OK", [] { return std::make_unique<CAboutBox>(); }, false, IDOK},
        {"About, Escape", [] { return std::make_unique<CAboutBox>(); }, true, IDCANCEL},
        {"Web Links, OK", [] { return std::make_unique<CLinksDlg>(); }, false, IDOK},
        {"Web Links, Escape", [] { return std::make_unique<CLinksDlg>(); }, true, IDCANCEL},
    };
    for (const auto& c : cases) {
        const auto dialog = c.make();
        const INT_PTR result = RunModal(*dialog, [&](CDialog& running) {
            if (c.escape)
                QTest::keyClick(running.m_hWnd->focusWidget(), Qt::Key_Escape);
            else
                QTest::mouseClick(Widget(running, IDOK), Qt::LeftButton);
        });
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(dialog->m_hWnd, nullptr) << c.name;
    }
    EXPECT_EQ(ProfileFiles(), before);
    EXPECT_TRUE(desktop.Links().empty());
    EXPECT_TRUE(desktop.editorPaths.empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

// A link no key could reach locked keyboard users out of it.
TEST_F(InfoDialogs, TabReachesEachLinkWhichSpaceOrEnterOpensOnceAndEnterOnOkCloses) {
    const struct {
        const char* name;
        std::function<std::unique_ptr<CDialog>()> make;
        std::vector<int> links; // in tab order after OK
    } cases[] = {
        {"About", [] { return std::make_unique<CAboutBox>(); }, {IDC_ABOUT_MAIL_LINK}},
        {"Web Links",
         [] { return std::make_unique<CLinksDlg>(); },
         {IDC_HOME_LINK, IDC_DOWNLOAD_LINK, IDC_MAIL_LINK}},
    };
    size_t calls = 0;
    for (const auto& c : cases)
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            SCOPED_TRACE(std::string(c.name) + (key == Qt::Key_Space ? ", Space" : ", Enter"));
            const auto dialog = c.make();
            const INT_PTR result = RunModal(*dialog, [&](CDialog& running) {
                QWidget* ok = Widget(running, IDOK);
                auto focus = [&running] { return running.m_hWnd->focusWidget(); };
                EXPECT_EQ(focus(), ok) << "the focus starts on OK";
                for (int id : c.links) {
                    QWidget* link = Widget(running, id);
                    ASSERT_TRUE(QTest::qWaitFor([link] { return link->font().bold(); },
                                                static_cast<int>(kTestDeadline.count())));
                    const QImage unfocused = link->grab().toImage();
                    QTest::keyClick(focus(), Qt::Key_Tab);
                    ASSERT_EQ(focus(), link);
                    EXPECT_NE(link->grab().toImage(), unfocused) << "a focus frame shows";
                    QTest::keyClick(link, key);
                    ++calls;
                    ASSERT_TRUE(WaitUntil([&] { return desktop.Finished() == calls; }));
                    EXPECT_EQ(desktop.Links().back().link, Text(running, id));
                }
                EXPECT_EQ(running.GetModalResult(), -1) << "a key on a link closes nothing";
                QTest::keyClick(focus(), Qt::Key_Tab);
                ASSERT_EQ(focus(), ok);
                QTest::keyClick(ok, Qt::Key_Return);
            });
            EXPECT_EQ(result, IDOK);
            EXPECT_EQ(desktop.Links().size(), calls) << "one request a key";
        }
}
