#include "StartFolder.h"
#include "TempTree.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Whether CanOpen(path) holds for the unprivileged user "nobody": asked in a
// child process that gave up root first.
bool CanOpenAsNobody(const std::string& path) {
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)
            ::_exit(2);
        ::_exit(StartFolder::CanOpen(path) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

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
    if (::getuid() == 0) {
        EXPECT_TRUE(CanOpenAsNobody(tree.Path("open"))) << "the child could drop to nobody";
        EXPECT_FALSE(CanOpenAsNobody(tree.Path("locked")));
    } else {
        EXPECT_FALSE(StartFolder::CanOpen(tree.Path("locked")));
    }
}
