#include "engine/StartFolder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(StartFolder, OpensAFolderOnlyWhenItExistsIsAFolderAndIsReadable) {
    TempTree tree;
    tree.Folder("open");
    tree.Folder("locked");
    tree.File("file.txt", "x\n");
    ASSERT_EQ(::chmod(tree.Root().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(tree.Path("locked").c_str(), 0), 0);

    EXPECT_TRUE(StartFolder::CanOpen(tree.Path("open")));
    EXPECT_FALSE(StartFolder::CanOpen(tree.Path("missing")));
    EXPECT_FALSE(StartFolder::CanOpen(tree.Path("file.txt")));
    EXPECT_FALSE(StartFolder::CanOpen(""));
    // The folders that the unprivileged user can open.
    const std::string answer = ChildProcess::RunUnprivileged(tree.Root(), [&] {
        std::string open;
        for (const char* name : {"open", "locked"})
            if (StartFolder::CanOpen(tree.Path(name)))
                open += name;
        return open;
    });
    if (answer.rfind(ChildProcess::kSkip, 0) == 0)
        GTEST_SKIP() << answer;
    EXPECT_EQ(answer, "open");
}
