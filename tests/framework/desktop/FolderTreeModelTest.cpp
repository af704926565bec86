#include "framework/desktop/internal/FolderTreeModel.h"
#include "framework/types/ByteText.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::vector<std::string> ChildNames(FolderTreeModel& model, const QModelIndex& parent) {
    if (model.canFetchMore(parent))
        model.fetchMore(parent);
    std::vector<std::string> names;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const std::string path = model.PathOf(model.index(row, 0, parent));
        names.push_back(path.substr(path.rfind('/') + 1));
    }
    return names;
}
} // namespace

// Folded order: "A" before "a" (a tie broken by the unfolded bytes), "ab"
// before "B", "_x" after "Zeta" ('_' lies after 'Z'), bytes above 127 last.
TEST(FolderTreeModel, ListsFoldersAndLinksToFoldersInWalkOrder) {
    TempTree tree;
    for (const char* name : {"b", "\xe9t\xe9", "A", "_x", "a", "B", "ab", ".hidden", "Zeta"})
        tree.Folder(name);
    tree.File("file.txt", "");
    tree.Link("tofolder", "b");
    tree.Link("tofile", "file.txt");
    tree.Link("dangling", "nowhere");
    tree.Fifo("pipe");

    FolderTreeModel model;
    const std::vector<std::string> expected = {".hidden", "A",        "a",    "ab", "B",
                                               "b",       "tofolder", "Zeta", "_x", "\xe9t\xe9"};
    EXPECT_EQ(ChildNames(model, model.IndexOf(tree.Root())), expected);
}

TEST(FolderTreeModel, PathsComeBackWithTheirExactBytes) {
    TempTree tree;
    const std::string names[] = {"plain",    "with blank", "caf\xe9",
                                 "\xff\xfe", "-dash",      "\xc3\xa9t\xc3\xa9"};
    for (const std::string& name : names)
        tree.Folder("deep/" + name + "/inner");

    FolderTreeModel model;
    for (const std::string& name : names) {
        const std::string path = tree.Path("deep/" + name + "/inner");
        const QModelIndex inner = model.IndexOf(path);
        ASSERT_TRUE(inner.isValid()) << path;
        EXPECT_EQ(model.PathOf(inner), path);
        EXPECT_EQ(inner.parent().data().toString(), ByteText::ToDisplay(name));
    }
}

TEST(FolderTreeModel, FindsOnlyFoldersThatExist) {
    TempTree tree;
    tree.Folder("a/b");
    tree.File("a/file.txt", "");

    struct Case {
        std::string path;
        std::string found; // empty: not found
    };
    const Case cases[] = {
        {"/", "/"},
        {tree.Path("a/b"), tree.Path("a/b")},
        {tree.Path("/a//b/"), tree.Path("a/b")},
        {tree.Path("a/file.txt"), ""},
        {tree.Path("a/missing"), ""},
        {tree.Path("a/b/c"), ""},
        {tree.Root().substr(1), ""}, // relative
        {"", ""},
    };
    FolderTreeModel model;
    for (const Case& c : cases) {
        const QModelIndex index = model.IndexOf(c.path);
        EXPECT_EQ(model.PathOf(index), c.found) << c.path;
    }
}

TEST(FolderTreeModel, ReadsAFolderWhenFirstExpandedNotBefore) {
    TempTree tree;
    tree.Folder("a/early");
    tree.Folder("empty");

    FolderTreeModel model;
    const QModelIndex root = model.IndexOf(tree.Root());
    ASSERT_EQ(ChildNames(model, root), (std::vector<std::string>{"a", "empty"}));
    const QModelIndex a = model.index(0, 0, root);
    const QModelIndex empty = model.index(1, 0, root);
    tree.Folder("a/late");
    EXPECT_TRUE(model.hasChildren(empty)); // unknown until read: offered for expanding
    EXPECT_EQ(ChildNames(model, a), (std::vector<std::string>{"early", "late"}));
    EXPECT_TRUE(ChildNames(model, empty).empty());
    EXPECT_FALSE(model.hasChildren(empty));
}
