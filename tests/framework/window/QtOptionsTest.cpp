// The command line belongs to the program: the QApplication that AfxWinMain
// makes sees only the program's name. This test program makes no
// QApplication of its own for that reason.
#include "framework/window/CWinApp.h"
#include "tests/support/TempTree.h"

#include <QApplication>
#include <QStyle>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

TEST(WinAppStart, QtsOwnOptionsOnTheCommandLineHaveNoEffect) {
    class App : public CWinApp {
    public:
        std::string arguments, platform, style;
        bool rightToLeft = true;
        BOOL InitInstance() override {
            arguments = QCoreApplication::arguments().join('|').toStdString();
            platform = QGuiApplication::platformName().toStdString();
            style = QApplication::style()->name().toStdString();
            rightToLeft = QGuiApplication::isRightToLeft();
            return FALSE;
        }
    } app;
    std::vector<std::string> storage = {"vodizuzi",      "-platform", "minimal",
                                        "-style",        "windows",   "-reverse",
                                        "-qwindowtitle", "Other",     "notes.txt"};
    std::vector<char*> argv;
    for (std::string& arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    EXPECT_EQ(AfxWinMain(static_cast<int>(storage.size()), argv.data()), 0);
    EXPECT_EQ(app.arguments, "vodizuzi");
    EXPECT_EQ(app.platform, "offscreen");
    EXPECT_NE(app.style, "windows");
    EXPECT_FALSE(app.rightToLeft);
}

int main(int argc, char** argv) {
    const TempTree runtime, config;
    ::chmod(runtime.Root().c_str(), 0700);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.Root().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config.Root().c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
