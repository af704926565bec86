#include "CEdit.h"

#include "EditWidget.h"

#include <algorithm>

void CEdit::SetLimitText(UINT nMax) {
    if (auto* edit = dynamic_cast<EditWidget*>(m_hWnd))
        edit->SetLimit(static_cast<int>(std::min<UINT>(nMax, 0x7FFFFFFE)));
}

UINT CEdit::GetLimitText() const {
    const auto* edit = dynamic_cast<const EditWidget*>(m_hWnd);
    return edit ? static_cast<UINT>(edit->Limit()) : 0;
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
    auto* edit = dynamic_cast<EditWidget*>(m_hWnd);
    if (edit == nullptr)
        return;
    if (nStartChar < 0) {
        edit->deselect();
        return;
    }
    const int length = static_cast<int>(edit->text().size());
    const int end = nEndChar < 0 ? length : std::min(nEndChar, length);
    const int start = std::min(nStartChar, length);
    edit->setSelection(start, end - start);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    const auto* edit = dynamic_cast<const EditWidget*>(m_hWnd);
    nStartChar = nEndChar = 0;
    if (edit == nullptr)
        return;
    if (edit->hasSelectedText()) {
        nStartChar = edit->selectionStart();
        nEndChar = edit->selectionEnd();
    } else {
        nStartChar = nEndChar = edit->cursorPosition();
    }
}
