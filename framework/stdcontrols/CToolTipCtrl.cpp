#include "framework/stdcontrols/CToolTipCtrl.h"

#include "framework/stdcontrols/internal/ToolTipFilter.h"
#include "framework/types/ByteText.h"

#include <QToolTip>
#include <QWidget>

CToolTipCtrl::CToolTipCtrl() = default;

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD) {
    if (m_hWnd != nullptr || pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr)
        return FALSE;
    auto* window = new QWidget(pParentWnd->m_hWnd);
    window->hide();
    m_filter = new ToolTipFilter(this, window);
    m_tools.clear();
    m_active = TRUE;
    return SubclassWindow(window);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const std::string& text, LPCRECT lpRectTool,
                           UINT_PTR nIDTool) {
    if (m_hWnd == nullptr || pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return FALSE;
    m_tools.push_back(
        {pWnd->m_hWnd, nIDTool, text, lpRectTool != nullptr, lpRectTool ? *lpRectTool : CRect()});
    pWnd->m_hWnd->installEventFilter(m_filter);
    Describe(pWnd->m_hWnd);
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(const std::string& text, CWnd* pWnd, UINT_PTR nIDTool) {
    if (Tool* tool = Find(pWnd ? pWnd->m_hWnd : nullptr, nIDTool)) {
        tool->text = text;
        Describe(tool->window);
    }
}

void CToolTipCtrl::GetText(std::string& text, CWnd* pWnd, UINT_PTR nIDTool) const {
    const Tool* tool = Find(pWnd ? pWnd->m_hWnd : nullptr, nIDTool);
    text = tool ? tool->text : std::string();
}

int CToolTipCtrl::GetToolCount() const {
    return static_cast<int>(m_tools.size());
}

void CToolTipCtrl::Activate(BOOL bActivate) {
    m_active = bActivate;
    if (!bActivate)
        QToolTip::hideText();
}

void CToolTipCtrl::RelayEvent(MSG* pMsg) {
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        QToolTip::hideText();
        break;
    default:
        break;
    }
}

const CToolTipCtrl::Tool* CToolTipCtrl::ToolAt(HWND window, CPoint point) const {
    for (const Tool& tool : m_tools)
        if (tool.window == window && (!tool.hasRect || tool.rect.PtInRect(point)))
            return &tool;
    return nullptr;
}

void CToolTipCtrl::Describe(HWND window) const {
    for (const Tool& tool : m_tools)
        if (tool.window == window) {
            window->setAccessibleDescription(ByteText::ToDisplay(tool.text));
            return;
        }
}

CToolTipCtrl::Tool* CToolTipCtrl::Find(HWND window, UINT_PTR id) {
    for (Tool& tool : m_tools)
        if (tool.window == window && tool.id == id)
            return &tool;
    return nullptr;
}

const CToolTipCtrl::Tool* CToolTipCtrl::Find(HWND window, UINT_PTR id) const {
    return const_cast<CToolTipCtrl*>(this)->Find(window, id);
}
