// Help in the main window and in the dialogs it opens: the Help button,
// Help > Contents and F1 open the manual at the topic of the dialog that
// holds the focus, once per request, and the help goes with the main window.
// With the real help window, help asked for in a running Options dialog
// takes the user's input while the dialog stays open.
#include "framework/dialog/ModalHook.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/ModalDeadline.h"
#include "tests/support/TempConfigHome.h"
#include "tests/ui/SearchDialogFixture.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {
// Presses F1 where the focus is.
void PressF1() {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_F1);
}

// The browser of the help window on screen, or null.
QTextBrowser* HelpBrowser() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* browser = window->findChild<QTextBrowser*>(); browser && window->isVisible())
            return browser;
    return nullptr;
}
} // namespace

class HelpCommands : public SearchDialogFixture {
protected:
    // Presses F1 in the dialog that `button` opens, where its focus is.
    void F1InDialogOf(int button) {
        const ModalHook hook([](CDialog& running) {
            ShowActive(running);
            EXPECT_EQ(QApplication::focusWidget()->window(), running.m_hWnd);
            PressF1();
            return INT_PTR{IDCANCEL};
        });
        Click(button);
    }

    TempConfigHome home;
    KeyedApp app;
};

TEST_F(HelpCommands, EachOpenerShowsTheTopicOfTheDialogWithTheFocusOncePerRequest) {
    const struct {
        const char* name;
        std::function<void()> ask;
        const char* topic;
    } cases[] = {
        {"Help button", [this] { Click(ID_HELP); }, HELP_MAIN_WINDOW},
        {"Help > Contents", [this] { Choose("&Help", "&Contents"); }, HELP_MAIN_WINDOW},
        {"F1 on Exit",
         [this] {
             Control(IDOK)->setFocus();
             PressF1();
         },
         HELP_MAIN_WINDOW},
        {"F1 in the search field",
         [this] {
             QTest::mouseClick(Control(IDC_SEARCH_TEXT), Qt::LeftButton);
             PressF1();
         },
         HELP_MAIN_WINDOW},
        {"F1 in the list of lines",
         [this] {
             QTest::mouseClick(Control(IDC_LINE_LIST), Qt::LeftButton);
             PressF1();
         },
         HELP_MAIN_WINDOW},
        {"F1 in Options", [this] { F1InDialogOf(ID_OPTIONS); }, HELP_OPTIONS},
        {"F1 in About", [this] { F1InDialogOf(IDC_ABOUT); }, HELP_ABOUT},
        {"F1 in Web Links", [this] { F1InDialogOf(ID_WEB_LINKS); }, HELP_WEB_LINKS},
        {"F1 in the folder picker",
         [this] {
             desktop.helpInChooser = true;
             desktop.confirm = false;
             Click(IDC_BROWSE);
         },
         HELP_FOLDER_PICKER},
    };
    for (const auto& c : cases) {
        desktop.helpTopics.clear();
        c.ask();
        EXPECT_EQ(desktop.helpTopics, std::vector<std::string>{c.topic}) << c.name;
        EXPECT_EQ(dialog.GetModalResult(), -1) << c.name;
    }
}

TEST_F(HelpCommands, TheHelpGoesWithTheMainWindow) {
    Click(ID_HELP);
    EXPECT_EQ(desktop.helpCloses, 0);
    dialog.DestroyWindow();
    EXPECT_EQ(desktop.helpCloses, 1);
}

// Keys reach the windows as the window system delivers them, which drops
// what a modal dialog blocks.
TEST(HelpInOptions, TheHelpWindowTakesInputWhileTheOptionsDialogRunsAndGoesWithTheMainWindow) {
    const TempConfigHome home;
    RegisterResources();
    KeyedApp app;
    const BoxRecorder boxes;
    CSearchDlg main;
    ASSERT_TRUE(main.Create());
    app.m_pMainWnd = &main;
    ShowActive(main);
    std::vector<std::string> seen;
    QTimer::singleShot(0, [&seen] {
        QWindow* options = QApplication::activeModalWidget()->windowHandle();
        // The user sees the dialog, active, before pressing a key.
        QApplication::processEvents();
        QTest::keyClick(options, Qt::Key_F1);
        QApplication::processEvents();
        QTextBrowser* help = HelpBrowser();
        ASSERT_NE(help, nullptr);
        seen.push_back(help->source().fragment().toStdString());
        const int top = help->verticalScrollBar()->value();
        QTest::keyClick(help->window()->windowHandle(), Qt::Key_End);
        seen.push_back(help->verticalScrollBar()->value() > top ? "scrolled" : "not scrolled");
        QTest::keyClick(help->window()->windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        seen.push_back(HelpBrowser() ? "help open" : "help closed");
        seen.push_back(QApplication::activeModalWidget() ? "options open" : "options closed");
        QTest::keyClick(options, Qt::Key_Escape);
    });
    {
        const ModalDeadline deadline;
        QTest::mouseClick(Widget(main, ID_OPTIONS), Qt::LeftButton);
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{HELP_OPTIONS, "scrolled", "help closed", "options open"}));

    QTest::mouseClick(Widget(main, ID_HELP), Qt::LeftButton);
    ASSERT_NE(HelpBrowser(), nullptr);
    EXPECT_EQ(HelpBrowser()->source().fragment().toStdString(), HELP_MAIN_WINDOW);
    main.DestroyWindow();
    app.m_pMainWnd = nullptr;
    QApplication::processEvents();
    EXPECT_EQ(HelpBrowser(), nullptr);
}
