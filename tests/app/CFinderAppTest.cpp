#include "app/CFinderApp.h"
#include "dialogs/CTipOfDayDlg.h"
#include "framework/dialog/CDialog.h"
#include "framework/dialog/ModalHook.h"
#include "res/RegisterResources.h"
#include "tests/support/ScopedCurrentFolder.h"
#include "tests/support/TempConfigHome.h"
#include "tests/support/UiDriver.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
// Whether `dialog` is the Tip of the Day that comes before the main dialog.
bool IsTip(const CDialog& dialog) {
    return dynamic_cast<const CTipOfDayDlg*>(&dialog) != nullptr;
}
} // namespace

TEST(FinderApp, RunsTheMainDialogAsTheMainWindowOnceThenEnds) {
    RegisterResources();
    TempConfigHome home;
    ScopedCurrentFolder current(home.Tree().Root());
    CFinderApp app;
    int runs = 0;
    bool isMainWindow = false;
    std::string caption;
    ModalHook hook([&](CDialog& dialog) {
        if (IsTip(dialog))
            return static_cast<INT_PTR>(IDCANCEL);
        ++runs;
        isMainWindow = AfxGetMainWnd() == &dialog;
        dialog.GetWindowText(caption);
        return static_cast<INT_PTR>(IDOK);
    });
    char name[] = "vodizuzi";
    char* argv[] = {name, nullptr};
    // InitInstance returns FALSE, so no event loop runs after the dialog.
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(isMainWindow);
    EXPECT_EQ(caption, "VO Dizuzi 1.10");
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

namespace {
// The application with a help handler that logs, to see where Help goes.
class HelpLoggingApp : public CFinderApp {
public:
    int helps = 0;

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMap::Of<HelpLoggingApp>({
            {ID_HELP, &HelpLoggingApp::OnHelp},
        });
        return map;
    }

private:
    void OnHelp() { ++helps; }
};
} // namespace

TEST(FinderApp, HelpFromTheMainDialogReachesTheApplication) {
    RegisterResources();
    TempConfigHome home;
    ScopedCurrentFolder current(home.Tree().Root());
    HelpLoggingApp app;
    INT_PTR resultAfterHelp = 0;
    ModalHook hook([&](CDialog& dialog) {
        if (IsTip(dialog))
            return static_cast<INT_PTR>(IDCANCEL);
        ShowActive(dialog);
        QTest::mouseClick(Widget(dialog, ID_HELP), Qt::LeftButton);
        resultAfterHelp = dialog.GetModalResult();
        return static_cast<INT_PTR>(IDCANCEL);
    });
    EXPECT_EQ(app.InitInstance(), FALSE);
    EXPECT_EQ(app.helps, 1);
    EXPECT_EQ(resultAfterHelp, -1);
}
