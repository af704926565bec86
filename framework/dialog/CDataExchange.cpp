#include "framework/dialog/CDataExchange.h"

#include "framework/stdcontrols/internal/EditWidget.h"
#include "framework/window/CWnd.h"

#include <stdexcept>
#include <string>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    const CWnd* control = m_pDlgWnd->GetDlgItem(nIDC);
    if (control == nullptr)
        throw std::logic_error("data exchange: the dialog has no control " + std::to_string(nIDC));
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return control->m_hWnd;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = dynamic_cast<EditWidget*>(control) != nullptr;
    return control;
}

void CDataExchange::Fail() {
    if (const CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
        control->m_hWnd->setFocus(Qt::OtherFocusReason);
        if (auto* edit = dynamic_cast<EditWidget*>(control->m_hWnd))
            edit->selectAll();
    }
    throw Failure{};
}
