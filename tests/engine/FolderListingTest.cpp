#include "engine/internal/walk/FolderListing.h"

#include "common/NameOrder.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

// The listing keeps the folders and the files whose names hold a mask, in
// NameOrder's order, though it skips the prefixes names share before
// comparing. Names here share long prefixes and differ in case and in bytes
// above 127, as the names in real folders do.
TEST(FolderListing, KeepsFoldersAndMaskedFilesInNameOrder) {
    std::mt19937 random(11);
    const char* const stems[] = {"", "pthread_mutexattr_", "PTHREAD_MUTEXattr_", "a", "A"};
    const char letters[] = {'a', 'A', 'b', 'B', '_', '.', 'z', '\xe9', '0', 'x', 't'};
    for (int round = 0; round < 20; ++round) {
        TempTree tree;
        const std::vector<std::string> masks = {".txt", ".TXT"};
        std::vector<std::string> expected, names;
        for (int n = 0; n < 60; ++n) {
            std::string name = stems[random() % 5];
            for (int length = 1 + static_cast<int>(random() % 12); length > 0; --length)
                name += letters[random() % sizeof letters];
            // Now and then the name of an earlier entry with the case of a letter changed.
            if (!names.empty() && random() % 3 == 0) {
                name = names[random() % names.size()];
                name = name.substr(0, name.find('.'));
                for (char& c : name) {
                    if (std::isalpha(static_cast<unsigned char>(c)) && random() % 4 == 0)
                        c ^= 0x20;
                }
            }
            if (name.empty())
                continue;
            const unsigned kind = random() % 4;
            name += kind == 0 ? "" : kind == 1 ? ".txt" : kind == 2 ? ".TXT.gz" : ".gz";
            if (std::find(names.begin(), names.end(), name) != names.end())
                continue;
            names.push_back(name);
            if (kind == 0) {
                tree.Folder(name);
                expected.push_back(name + "/");
            } else {
                tree.File(name, "");
                if (kind != 3)
                    expected.push_back(name + (kind == 1 ? " 1" : " 2"));
            }
        }
        std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
            return NameOrder::Before(a.substr(0, a.find_first_of(" /")),
                                     b.substr(0, b.find_first_of(" /")));
        });

        const int fd = ::open(tree.Root().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        FolderListing listing;
        ASSERT_TRUE(listing.Read(fd, masks));
        ::close(fd);
        std::vector<std::string> listed;
        for (size_t i = 0; i < listing.Size(); ++i) {
            std::string entry(listing.NameViewAt(i));
            EXPECT_EQ(entry, listing.NameAt(i));
            if (listing.KindAt(i) == FolderListing::Kind::Folder) {
                entry += '/';
            } else {
                entry += ' ';
                entry += std::to_string(listing.MasksAt(i));
            }
            listed.push_back(entry);
        }
        ASSERT_EQ(listed, expected) << "round " << round;
    }
}
