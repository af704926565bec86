#include "framework/window/CWinApp.h"

#include "framework/desktop/DesktopServices.h"
#include "framework/window/CCommandLineInfo.h"
#include "framework/window/CWnd.h"
#include "framework/window/internal/ProfileFile.h"
#include "framework/window/internal/ProgramFolders.h"
#include "framework/window/internal/WndRecord.h"

#include <QApplication>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace {
CWinApp* g_app = nullptr;

// The executable's file name without its extension.
std::string ExecutableBaseName() {
    std::string name = ExecutablePath();
    name.erase(0, name.rfind('/') + 1);
    if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

std::string CurrentFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

// A decimal number with an optional sign, its low 32 bits kept; nothing for
// any other text.
std::optional<UINT> ParseProfileInt(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    UINT value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10u + static_cast<UINT>(c - '0'); // wraps: the low 32 bits stay
    }
    return negative ? 0u - value : value;
}
} // namespace

CWinApp::CWinApp(const char* lpszAppName)
    : m_appName(lpszAppName ? lpszAppName : ExecutableBaseName()), m_startFolder(CurrentFolder()) {
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

void CWinApp::SetRegistryKey(const char* lpszRegistryKey) {
    m_registryKey = lpszRegistryKey ? lpszRegistryKey : "";
    m_profileName = m_appName;
}

std::string CWinApp::GetDataFolder() const {
    return DataFolderOf(ExecutablePath(), m_appName);
}

void CWinApp::OnHelp() {
    QWidget* widget = QApplication::focusWidget();
    if (widget == nullptr)
        widget = QApplication::activeWindow();
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const WndRecord* record = WndRecord::Find(widget);
        if (record && record->Permanent() && record->Permanent()->SendMessage(WM_COMMANDHELP))
            return;
    }
    if (m_pMainWnd != nullptr && m_pMainWnd->SendMessage(WM_COMMANDHELP))
        return;
    DesktopServices::Current().ShowHelp(std::string());
}

std::string CWinApp::ProfilePath() const {
    if (m_registryKey.empty())
        return std::string();
    return ProfileFile::PathFor(m_registryKey, m_profileName);
}

ProfileFile& CWinApp::Profile(std::unique_ptr<ProfileFile>& own) {
    if (m_profileBatch != nullptr)
        return *m_profileBatch;
    own = std::make_unique<ProfileFile>(ProfilePath());
    return *own;
}

std::string CWinApp::GetProfileString(const char* lpszSection, const char* lpszEntry,
                                      const char* lpszDefault) {
    const char* fallback = lpszDefault ? lpszDefault : "";
    if (lpszSection == nullptr || lpszEntry == nullptr)
        return fallback;
    std::unique_ptr<ProfileFile> own;
    return Profile(own).Read(lpszSection, lpszEntry).value_or(fallback);
}

UINT CWinApp::GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault) {
    const UINT fallback = static_cast<UINT>(nDefault);
    if (lpszSection == nullptr || lpszEntry == nullptr)
        return fallback;
    std::unique_ptr<ProfileFile> own;
    const std::optional<std::string> text = Profile(own).Read(lpszSection, lpszEntry);
    return text ? ParseProfileInt(*text).value_or(fallback) : fallback;
}

BOOL CWinApp::WriteProfileString(const char* lpszSection, const char* lpszEntry,
                                 const char* lpszValue) {
    if (lpszSection == nullptr)
        return FALSE;
    std::unique_ptr<ProfileFile> own;
    ProfileFile& file = Profile(own);
    const bool changed = lpszEntry == nullptr   ? file.RemoveSection(lpszSection)
                         : lpszValue == nullptr ? file.Remove(lpszSection, lpszEntry)
                                                : file.Write(lpszSection, lpszEntry, lpszValue);
    return changed && (own == nullptr || own->Save()) ? TRUE : FALSE;
}

BOOL CWinApp::WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue) {
    if (lpszEntry == nullptr)
        return FALSE;
    return WriteProfileString(lpszSection, lpszEntry, std::to_string(nValue).c_str());
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
