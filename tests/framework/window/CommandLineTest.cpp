#include "framework/window/CCommandLineInfo.h"
#include "framework/window/CWinApp.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// Runs AfxWinMain with `args` after the program's name; InitInstance parses
// the command line into `info`.
void Parse(const std::vector<std::string>& args, CCommandLineInfo& info) {
    class App : public CWinApp {
    public:
        explicit App(CCommandLineInfo& info) : m_info(info) {}
        BOOL InitInstance() override {
            ParseCommandLine(m_info);
            return FALSE;
        }

    private:
        CCommandLineInfo& m_info;
    } app(info);
    std::vector<std::string> storage = {"vodizuzi"};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    AfxWinMain(static_cast<int>(storage.size()), argv.data());
}
} // namespace

TEST(CommandLine, OnlyTheEmbeddingAndAutomationSwitchesHideTheStartUpTip) {
    const struct {
        std::vector<std::string> args;
        BOOL showSplash;
    } cases[] = {
        {{}, TRUE},
        {{"/Embedding"}, FALSE},
        {{"-Embedding"}, FALSE},
        {{"/embedding"}, FALSE},
        {{"-EMBEDDING"}, FALSE},
        {{"/Automation"}, FALSE},
        {{"-automation"}, FALSE},
        {{"/aUtOmAtIoN"}, FALSE},
        {{"notes.txt", "-Automation"}, FALSE},
        {{"/Embedding", "notes.txt"}, FALSE},
        // Anything else changes nothing.
        {{"Embedding"}, TRUE},
        {{"--Embedding"}, TRUE},
        {{"\\Embedding"}, TRUE},
        {{"/Embeddings"}, TRUE},
        {{"/Embed"}, TRUE},
        {{"/ Embedding"}, TRUE},
        {{"/Embedd\xC4\xB1ng"}, TRUE}, // a dotless i
        {{"/Unregister"}, TRUE},
        {{"notes.txt"}, TRUE},
        {{"-style", "windows", "-reverse"}, TRUE},
        {{""}, TRUE},
        {{"/"}, TRUE},
    };
    for (const auto& c : cases) {
        CCommandLineInfo info;
        Parse(c.args, info);
        std::string shown;
        for (const std::string& arg : c.args)
            shown += "[" + arg + "]";
        EXPECT_EQ(info.m_bShowSplash, c.showSplash) << shown;
    }
}

TEST(CommandLine, EachArgumentAfterTheProgramNameReachesParseParam) {
    class Recorder : public CCommandLineInfo {
    public:
        std::vector<std::string> calls;
        void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override {
            calls.push_back(std::string(bFlag ? "switch " : "") + pszParam +
                            (bLast ? " (last)" : ""));
        }
    } recorder;
    Parse({"notes.txt", "/b", "-c", "d"}, recorder);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"notes.txt", "switch b", "switch c", "d (last)"}));
}
