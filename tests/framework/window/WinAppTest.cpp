#include "CWinApp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(WinApp, OneApplicationObjectNamedAfterTheExecutable) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    {
        CWinApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(
            std::string(app.m_pszAppName),
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString());
        EXPECT_THROW(CWinApp second("second"), std::logic_error);
        EXPECT_EQ(AfxGetApp(), &app);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    CWinApp named("named");
    EXPECT_STREQ(named.m_pszAppName, "named");
}

TEST(WinApp, AfxWinMainRunsInitInstanceAndEndsWithExitInstance) {
    char name[] = "test";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), -1); // no application object

    class App : public CWinApp {
    public:
        int initialised = 0;
        BOOL InitInstance() override {
            ++initialised;
            return FALSE;
        }
        int ExitInstance() override { return 3; }
    } app;
    EXPECT_EQ(AfxWinMain(1, argv), 3);
    EXPECT_EQ(app.initialised, 1);
}
