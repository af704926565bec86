#include "framework/dialog/AfxMessageBox.h"

#include "framework/dialog/MessageBoxHook.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/types/ByteText.h"
#include "framework/window/CWinApp.h"

#include <QApplication>
#include <QMessageBox>

namespace {
constexpr UINT kIconMask = 0xF0;

QMessageBox::Icon IconFor(UINT type) {
    return (type & kIconMask) == MB_ICONINFORMATION ? QMessageBox::Information
                                                    : QMessageBox::Warning;
}

QString Caption() {
    const CWinApp* app = AfxGetApp();
    return app ? ByteText::ToDisplay(app->m_pszAppName) : QCoreApplication::applicationName();
}
} // namespace

int AfxMessageBox(const std::string& text, UINT nType) {
    if (const MessageBoxHook::Handler* hook = MessageBoxHook::Current())
        return (*hook)(text, nType);
    QMessageBox box(IconFor(nType), Caption(), ByteText::ToDisplay(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return IDOK;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType) {
    const std::string* text = ResourceTable::FindString(nIDPrompt);
    return AfxMessageBox(text ? *text : std::string(), nType);
}
