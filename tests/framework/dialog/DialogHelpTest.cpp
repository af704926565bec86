// F1 and the Help command show the help topic of the dialog that holds the
// focus; without one, the main window's; without that, the manual's
// beginning.
#include "framework/window/CWinApp.h"
#include "tests/framework/support/TestDialog.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/UiDriver.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
// An application object whose Help command is the framework's own.
class HelpApp : public CWinApp {
public:
    HelpApp() : CWinApp("testapp") {}

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMap::Of<HelpApp>({{ID_HELP, &HelpApp::OnHelp}});
        return map;
    }
};
} // namespace

TEST(DialogHelp, ShowsTheTopicOfTheDialogWithTheFocusElseTheMainWindowsElseTheBeginning) {
    RegisterTestResources();
    const struct {
        const char* name;
        bool inSmallDialog; // kSmallDialog has no topic
        bool mainWindow;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> topics;
    } cases[] = {
        {"a dialog with a topic", false, false, Qt::NoModifier, {TestIds::kHelpTopic}},
        {"a dialog without one", true, true, Qt::NoModifier, {TestIds::kHelpTopic}},
        {"no topic anywhere", true, false, Qt::NoModifier, {""}},
        {"Shift+F1 is no help key", false, true, Qt::ShiftModifier, {}},
        {"Ctrl+F1 is no help key", false, true, Qt::ControlModifier, {}},
    };
    for (const auto& c : cases) {
        FakeDesktop desktop;
        HelpApp app;
        TestDialog main;
        CDialog small(TestIds::kSmallDialog);
        ASSERT_TRUE(main.Create());
        ASSERT_TRUE(small.Create());
        if (c.mainWindow)
            app.m_pMainWnd = &main;
        const CDialog& focused = c.inSmallDialog ? small : main;
        ShowActive(focused);
        QTest::keyClick(Widget(focused, IDOK), Qt::Key_F1, c.modifiers);
        EXPECT_EQ(desktop.helpTopics, c.topics) << c.name;
        app.m_pMainWnd = nullptr;
    }
}
