// main() for test programs that need a QApplication: the offscreen platform
// (no display needed) and a profile and runtime folder of the test's own, set
// before anything of Qt starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
std::string MakeTempFolder(const char* name) {
    std::string path = std::string("/tmp/vodizuzi-") + name + "-XXXXXX";
    if (::mkdtemp(path.data()) == nullptr)
        std::abort();
    return path;
}
} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("XDG_RUNTIME_DIR", MakeTempFolder("runtime").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", MakeTempFolder("config").c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
