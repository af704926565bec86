// main() for test programs that need a QApplication: the offscreen platform
// (no display needed) and a profile and runtime folder of the test's own, set
// before anything of Qt starts.
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <sys/stat.h>

int main(int argc, char** argv) {
    // Removed with everything in them when main returns.
    const TempTree runtime, config;
    ::chmod(runtime.Root().c_str(), 0700);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.Root().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config.Root().c_str(), 1);
    int result;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
