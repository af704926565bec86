#include "CWinApp.h"

#include "CCommandLineInfo.h"

#include <QApplication>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace {
CWinApp* g_app = nullptr;

// The executable's file name without its extension.
std::string ExecutableBaseName() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::string();
    std::string name(path, static_cast<size_t>(length));
    name.erase(0, name.rfind('/') + 1);
    if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}
} // namespace

CWinApp::CWinApp(const char* lpszAppName)
    : m_appName(lpszAppName ? lpszAppName : ExecutableBaseName()) {
    if (g_app != nullptr)
        throw std::logic_error("a second application object");
    m_pszAppName = m_appName.c_str();
    g_app = this;
}

CWinApp::~CWinApp() {
    g_app = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    for (size_t i = 1; i < m_arguments.size(); ++i) {
        const char* param = m_arguments[i].c_str();
        const BOOL flag = param[0] == '/' || param[0] == '-';
        rCmdInfo.ParseParam(flag ? param + 1 : param, flag, i + 1 == m_arguments.size());
    }
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxWinMain(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_arguments.assign(argv, argv + argc);
    // Qt is given the program's name only; it keeps both for its lifetime.
    int qtArgc = argc > 0 ? 1 : 0;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    std::unique_ptr<QApplication> qtApp;
    if (QApplication::instance() == nullptr)
        qtApp = std::make_unique<QApplication>(qtArgc, qtArgv);
    // Windows come and go during start-up (the main dialog runs inside
    // InitInstance); only the application decides when it ends.
    QApplication::setQuitOnLastWindowClosed(false);
    if (app->InitInstance()) {
        QApplication::setQuitOnLastWindowClosed(true);
        QApplication::exec();
    }
    return app->ExitInstance();
}
