#include "framework/window/CWinApp.h"
#include "framework/window/internal/ProgramFolders.h"
#include "tests/support/ScopedCurrentFolder.h"
#include "tests/support/TempTree.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
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

TEST(WinApp, TheStartFolderIsTheFolderCurrentWhenTheApplicationWasMade) {
    TempTree atStart, later;
    std::optional<CWinApp> app;
    {
        ScopedCurrentFolder start(atStart.Root());
        app.emplace("app");
    }
    ScopedCurrentFolder moved(later.Root());
    EXPECT_EQ(app->GetStartFolder(), std::filesystem::canonical(atStart.Root()).string());
}

TEST(WinApp, TheDataFolderIsShareWhenInstalledElseBesideTheExecutable) {
    TempTree tree;
    tree.Folder("usr/bin");
    tree.Folder("usr/share/tool");
    tree.Folder("opt/bin");
    tree.Folder("build/app");
    tree.Folder("build/share/tool");
    const struct {
        const char* name;
        std::string executable, folder;
    } cases[] = {
        {"installed", tree.Path("usr/bin/tool"), tree.Path("usr/share/tool")},
        {"in a bin folder without its share folder", tree.Path("opt/bin/tool"),
         tree.Path("opt/bin")},
        {"in a build tree", tree.Path("build/app/tool"), tree.Path("build/app")},
        {"no executable known", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataFolderOf(c.executable, "tool"), c.folder) << c.name;

    CWinApp app("app");
    EXPECT_EQ(app.GetDataFolder(), QCoreApplication::applicationDirPath().toStdString());
}
